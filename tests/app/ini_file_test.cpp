#include "app/ini_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vantrel {
namespace {

using namespace std::string_literals;

struct LookupCase {
    const char* name;
    std::string bytes;
    std::optional<std::string> lv;  // the value of LV in section GAME
};

class IniLookupTest : public testing::TestWithParam<LookupCase> {};

TEST_P(IniLookupTest, FindsTheValueThePlatformReaderWould) {
    EXPECT_EQ(IniFile(GetParam().bytes).Value("GAME", "LV"), GetParam().lv);
}

INSTANTIATE_TEST_SUITE_P(
    Files, IniLookupTest,
    testing::Values(
        LookupCase{"Plain", "[GAME]\nLV=N1\n", "N1"},
        LookupCase{"BlanksAroundNames", " \t[ GAME ]\t\n  LV \t=N1\n", "N1"},
        LookupCase{"ValueKeptAsWritten", "[GAME]\nLV= N1 ;x\t\n", " N1 ;x\t"},
        LookupCase{"ValueIsRestAfterFirstEquals", "[GAME]\nLV=a=b\n", "a=b"},
        LookupCase{"EmptyValue", "[GAME]\nLV=\n", ""},
        LookupCase{"KeyOfAnotherSection", "[OTHER]\nLV=N1\n[GAME]\nRANK=1\n", std::nullopt},
        LookupCase{"KeyBeforeAnySection", "LV=N1\n[GAME]\n", std::nullopt},
        LookupCase{"CommentsIgnored", "[GAME]\n;LV=N1\n # LV=N2\nLV=N3\n", "N3"},
        LookupCase{"LineWithoutEqualsIgnored", "[GAME]\nLV\nLV=N1\n", "N1"},
        LookupCase{"HeaderWithoutBracketIsNoSection", "[GAME\nLV=N1\n", std::nullopt},
        LookupCase{"FirstKeyWins", "[GAME]\nLV=N1\nlv=PL1\n", "N1"},
        LookupCase{"OnlyFirstSectionCounts", "[GAME]\nRANK=1\n[game]\nLV=PL1\n", std::nullopt},
        LookupCase{"MixedLineEnds", "[X]\r\n[GAME]\rRANK=1\r\nLV=N1\nA=2\r", "N1"},
        LookupCase{"NoFinalLineEnd", "[GAME]\nLV=N1", "N1"}, LookupCase{"Empty", "", std::nullopt},
        LookupCase{"ByteOrderMark", "\xef\xbb\xbf[GAME]\nLV=N1\n", "N1"},
        LookupCase{"NulAndInvalidUtf8", "[GAME]\n\xff\0=\xc3\n\0\nLV=N\0\x80\nRANK=7A\n"s,
                   "N\0\x80"s}),
    [](const testing::TestParamInfo<LookupCase>& info) { return info.param.name; });

struct EditCase {
    const char* name;
    std::string before;
    const char* key;
    const char* value;
    std::string after;
};

class IniEditTest : public testing::TestWithParam<EditCase> {};

TEST_P(IniEditTest, ChangesOnlyTheBytesOfThatKey) {
    const EditCase& c = GetParam();
    IniFile file(c.before);
    file.SetValue("GAME", c.key, c.value);
    EXPECT_EQ(file.Bytes(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Files, IniEditTest,
    testing::Values(
        EditCase{"UpdatesInPlace", "; top\n[GAME]\nLV=00\nRANK=7A\n[X]\nk=v\n", "LV", "N1",
                 "; top\n[GAME]\nLV=N1\nRANK=7A\n[X]\nk=v\n"},
        EditCase{"KeepsSpellingOfNames", "[ game ]\n lv = 00 \n", "LV", "N1",
                 "[ game ]\n lv =N1\n"},
        EditCase{"AppendsMissingKeyAtEndOfSection", "[GAME]\nLV=00\n\n[X]\nk=v\n", "RANK", "7A",
                 "[GAME]\nLV=00\nRANK=7A\n\n[X]\nk=v\n"},
        EditCase{"CommentAfterLastKeyStaysBelow", "[GAME]\nA=1\n; about X\n[X]\n", "LV", "N1",
                 "[GAME]\nA=1\nLV=N1\n; about X\n[X]\n"},
        EditCase{"AppendsAfterHeaderOfEmptySection", "[GAME]\n[X]\n", "LV", "N1",
                 "[GAME]\nLV=N1\n[X]\n"},
        EditCase{"AppendsMissingSection", "[X]\nk=v\n", "LV", "N1", "[X]\nk=v\n[GAME]\nLV=N1\n"},
        EditCase{"EndsUnendedLastKeyLine", "[GAME]\nRANK=7A", "LV", "N1",
                 "[GAME]\nRANK=7A\nLV=N1\n"},
        EditCase{"EmptyFile", "", "LV", "N1", "[GAME]\nLV=N1\n"},
        EditCase{"CrLfFileGetsCrLfLines", "[GAME]\r\nRANK=7A\r\n[X]\r\n", "LV", "N1",
                 "[GAME]\r\nRANK=7A\r\nLV=N1\r\n[X]\r\n"},
        EditCase{"CrLfFileNewSection", "[X]\r\nk=v", "LV", "N1",
                 "[X]\r\nk=v\r\n[GAME]\r\nLV=N1\r\n"},
        EditCase{"UpdatedLineKeepsItsLineEnd", "[GAME]\rLV=00\r\nRANK=1\n", "LV", "N1",
                 "[GAME]\rLV=N1\r\nRANK=1\n"},
        EditCase{"FirstDuplicateKeyUpdated", "[GAME]\nLV=00\nLV=11\n[GAME]\nLV=22\n", "LV", "N1",
                 "[GAME]\nLV=N1\nLV=11\n[GAME]\nLV=22\n"},
        EditCase{"MissingKeyGoesToFirstSection", "[GAME]\nA=1\n[GAME]\nLV=22\n", "LV", "N1",
                 "[GAME]\nA=1\nLV=N1\n[GAME]\nLV=22\n"},
        EditCase{"ValueCutAtLineBreak", "", "LV", "N1\n[EVIL]\nLV=x", "[GAME]\nLV=N1\n"},
        EditCase{"BinaryBytesAroundKept", "\0\xff\r[GAME]\n\x80\0\nLV=\0\n"s, "LV", "N1",
                 "\0\xff\r[GAME]\n\x80\0\nLV=N1\n"s}),
    [](const testing::TestParamInfo<EditCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vantrel
