#include "app/settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "support/temp_folder.h"

namespace vantrel {
namespace {

using namespace std::string_literals;

const std::string kNewFile =
    "[GAME]\nLV=N1\nRANK=00\nDECK=6\nSOFT17=1\nINSURANCE=0\nEVENMONEY=0\nSURRENDER=0\n"
    "PLAYPER=60\nMAXHAND=4\nGAMESPEED=3\n";

struct IntegerCase {
    const char* name;
    std::string deckLine;  // the whole DECK line, or empty for none
    int deck;
};

class IntegerValueTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerValueTest, ConvertsDecimalOrGivesZero) {
    const std::string bytes = "[GAME]\n" + GetParam().deckLine + "\nPLAYPER=75\n";
    const Settings settings = ParseSettings(bytes);
    EXPECT_EQ(settings.DECK, GetParam().deck);
    EXPECT_EQ(settings.PLAYPER, 75);
}

INSTANTIATE_TEST_SUITE_P(
    Values, IntegerValueTest,
    testing::Values(
        IntegerCase{"Missing", "", 6}, IntegerCase{"Plain", "DECK=8", 8},
        IntegerCase{"Letters", "DECK=abc", 0}, IntegerCase{"Empty", "DECK=", 0},
        IntegerCase{"Blanks", "DECK= \t", 0}, IntegerCase{"TrailingText", "DECK=12abc", 0},
        IntegerCase{"Negative", "DECK=-3", -3}, IntegerCase{"PlusSign", "DECK=+7", 7},
        IntegerCase{"BlanksAround", "DECK= 8 ", 8}, IntegerCase{"LeadingZeros", "DECK=007", 7},
        IntegerCase{"SignsOnly", "DECK=-", 0}, IntegerCase{"TwoSigns", "DECK=+-1", 0},
        IntegerCase{"Hexadecimal", "DECK=0x10", 0}, IntegerCase{"Fraction", "DECK=1.5", 0},
        IntegerCase{"Nul",
                    "DECK=\0"
                    "4"s,
                    0},
        IntegerCase{"Largest", "DECK=2147483647", INT_MAX},
        IntegerCase{"TooLarge", "DECK=2147483648", 0},
        IntegerCase{"Smallest", "DECK=-2147483648", INT_MIN},
        IntegerCase{"TooSmall", "DECK=-2147483649", 0}),
    [](const testing::TestParamInfo<IntegerCase>& info) { return info.param.name; });

TEST(ParseSettings, ReadsEveryKey) {
    const Settings settings = ParseSettings(
        "[game]\r\nlv=PL1\r\nRank=7A\r\nDECK=2\nsoft17=0\rINSURANCE=1\nEVENMONEY=1\n"
        "SURRENDER=1\nPLAYPER=50\nMAXHAND=3\nGameSpeed=-2");
    const Settings expected{"PL1", "7A", 2, 0, 1, 1, 1, 50, 3, -2};
    EXPECT_EQ(settings, expected);
}

struct TextCase {
    const char* name;
    std::string value;  // as written after "="
    std::string text;   // as read
};

class TextValueTest : public testing::TestWithParam<TextCase> {};

// As the platform's private-profile reader returns them; a save writes what reads back the same.
TEST_P(TextValueTest, LoseBlanksAndThenOnePairOfQuotes) {
    const Settings settings =
        ParseSettings("[GAME]\nLV=" + GetParam().value + "\n RANK =" + GetParam().value + "\n");
    EXPECT_EQ(settings.LV, GetParam().text);
    EXPECT_EQ(settings.RANK, GetParam().text);
    EXPECT_EQ(ParseSettings(UpdateSettingsBytes(settings, "")), settings);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextValueTest,
    testing::Values(TextCase{"Plain", "PL1", "PL1"}, TextCase{"Blanks", " \tPL1 ", "PL1"},
                    TextCase{"DoubleQuotes", "\"PL1\"", "PL1"},
                    TextCase{"SingleQuotes", "'PL1'", "PL1"},
                    TextCase{"BlanksOutsideQuotes", " \"PL1\"\t", "PL1"},
                    TextCase{"BlanksInsideQuotes", "\" PL1 \"", " PL1 "},
                    TextCase{"OnlyOnePair", "\"'PL1'\"", "'PL1'"},
                    TextCase{"QuotesThatDoNotMatch", "\"PL1'", "\"PL1'"},
                    TextCase{"OneQuote", "\"", "\""}, TextCase{"EmptyQuotes", "''", ""},
                    TextCase{"QuoteInside", "P\"L1", "P\"L1"}),
    [](const testing::TestParamInfo<TextCase>& info) { return info.param.name; });

TEST(SaveSettings, FirstSaveCreatesTheFile) {
    TempFolder folder;
    Settings settings = LoadSettings(folder / "vantrel.INI");
    EXPECT_EQ(settings, Settings{});
    settings.LV = "N1";
    EXPECT_EQ(SaveSettings(settings, folder / "vantrel.INI"), "");
    EXPECT_EQ(ReadBytes(folder / "vantrel.INI"), kNewFile);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"vantrel.INI"});
}

TEST(SaveSettings, LoadThenSaveKeepsAFileByteForByte) {
    TempFolder folder;
    const std::string bytes =
        "; progress\r\n[Other]\r\nLV=zz\r\n[game]\r\nlv=N1\r\nRANK=7A\r\nDECK=abc\r\nSOFT17=1\r\n"
        "INSURANCE=0\r\nEVENMONEY=0\r\nSURRENDER=0\r\nPLAYPER=60\r\nMAXHAND=4\r\nGAMESPEED=0\r\n"
        "extra=1\r\n# end\r\n[GAME]\r\nGAMESPEED=9\r\n[Tail]\r\nx";
    WriteBytes(folder / "vantrel.INI", bytes);
    const Settings loaded = LoadSettings(folder / "vantrel.INI");
    EXPECT_EQ(loaded.DECK, 0);
    EXPECT_EQ(loaded.GAMESPEED, 0);

    ASSERT_EQ(SaveSettings(loaded, folder / "vantrel.INI"), "");
    std::string expected = bytes;
    expected.replace(expected.find("DECK=abc"), 8, "DECK=0");
    EXPECT_EQ(ReadBytes(folder / "vantrel.INI"), expected);
}

// The time bound catches work that grows with the square of the file, not a slow machine.
TEST(SaveSettings, HandlesATenMegabyteFile) {
    TempFolder folder;
    std::string comments;
    while (comments.size() < 10'000'000)
        comments += "; a comment line that is here to fill space\n";
    WriteBytes(folder / "vantrel.INI", comments + "[GAME]\nLV=N1\n");

    Settings settings = LoadSettings(folder / "vantrel.INI");
    EXPECT_EQ(settings.LV, "N1");
    settings.LV = "PL1";
    ASSERT_EQ(SaveSettings(settings, folder / "vantrel.INI"), "");

    const std::string after = ReadBytes(folder / "vantrel.INI");
    EXPECT_EQ(after.compare(0, comments.size(), comments), 0);
    EXPECT_EQ(after.substr(comments.size(), 14), "[GAME]\nLV=PL1\n");
    EXPECT_EQ(LoadSettings(folder / "vantrel.INI"), settings);
}

}  // namespace
}  // namespace vantrel
