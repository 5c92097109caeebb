#include "app/settings.h"

#include <gtest/gtest.h>

#include <chrono>
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

TEST(ParseSettings, ReadsEveryKeyAndKeepsTextsAsWritten) {
    const Settings settings = ParseSettings(
        "[game]\r\nlv= PL1 \r\nRank=7A\r\nDECK=2\nsoft17=0\rINSURANCE=1\nEVENMONEY=1\n"
        "SURRENDER=1\nPLAYPER=50\nMAXHAND=3\nGameSpeed=-2");
    const Settings expected{" PL1 ", "7A", 2, 0, 1, 1, 1, 50, 3, -2};
    EXPECT_EQ(settings, expected);
}

// Whatever a file held before, the saved fields read back from it.
TEST(UpdateSettingsBytes, FieldsReadBackFromAnyFile) {
    const Settings settings{"PL1", "7A", 1, 0, 1, 0, 1, 100, 2, 10};
    for (const std::string& before :
         {""s, "\0"s, "\r"s, "[GAME"s, "[GAME]"s, "[GAME]\r"s, "[X]\nLV=9\n[GAME]\r\nLV"s,
          "[GAME]\nLV=1\n[GAME]\nDECK=3\n"s, "\xff\n[game]\nrank=\0\n=\n[\n]\n"s}) {
        EXPECT_EQ(ParseSettings(UpdateSettingsBytes(settings, before)), settings)
            << testing::PrintToString(before);
    }
}

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

    const auto start = std::chrono::steady_clock::now();
    Settings settings = LoadSettings(folder / "vantrel.INI");
    EXPECT_EQ(settings.LV, "N1");
    settings.LV = "PL1";
    ASSERT_EQ(SaveSettings(settings, folder / "vantrel.INI"), "");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));

    const std::string after = ReadBytes(folder / "vantrel.INI");
    EXPECT_EQ(after.compare(0, comments.size(), comments), 0);
    EXPECT_EQ(after.substr(comments.size(), 14), "[GAME]\nLV=PL1\n");
    EXPECT_EQ(LoadSettings(folder / "vantrel.INI"), settings);
}

struct PathCase {
    const char* name;
    const char* executable;
    const char* settings;
};

class SettingsPathTest : public testing::TestWithParam<PathCase> {};

TEST_P(SettingsPathTest, ReplacesTheExtensionOfTheFileName) {
    EXPECT_EQ(SettingsPathFor(GetParam().executable), GetParam().settings);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SettingsPathTest,
    testing::Values(PathCase{"NoExtension", "/a/b/vantrel", "/a/b/vantrel.INI"},
                    PathCase{"DotInFolder", "/a/b.c/vantrel", "/a/b.c/vantrel.INI"},
                    PathCase{"Extension", "/a/x.exe", "/a/x.INI"},
                    PathCase{"LastDotCounts", "/a/x.tar.gz", "/a/x.tar.INI"},
                    PathCase{"TrailingDot", "/a/x.", "/a/x.INI"},
                    PathCase{"NoFolder", "vantrel", "vantrel.INI"}),
    [](const testing::TestParamInfo<PathCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vantrel
