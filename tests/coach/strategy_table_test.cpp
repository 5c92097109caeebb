#include "coach/strategy_table.h"

#include <string>

#include <gtest/gtest.h>

#include "support/table_fixture.h"
#include "support/temp_folder.h"

namespace vantrel {
namespace {

using namespace std::string_literals;

bool SameTable(const StrategyTable& a, const StrategyTable& b) {
    return a.hard == b.hard && a.soft == b.soft && a.pair == b.pair;
}

StrategyTable Parsed(std::string_view bytes) {
    StrategyTable table;
    ParseStrategyTable(table, bytes);
    return table;
}

// Loads a chart file holding these bytes, or none, into a chart that had every cell set.
StrategyTable Loaded(const std::string* bytes) {
    TempFolder folder;
    if (bytes) WriteBytes(folder / "chart.dat", *bytes);
    StrategyTable table = testing::ChartOf(7);
    EXPECT_TRUE(LoadStrategyTable(table, folder / "chart.dat"));
    return table;
}

TEST(ChartFile, MissingOrEmptyFileLeavesEverythingCleared) {
    const std::string empty;
    EXPECT_TRUE(SameTable(Loaded(nullptr), StrategyTable{}));
    EXPECT_TRUE(SameTable(Loaded(&empty), StrategyTable{}));
    StrategyTable parsed = testing::ChartOf(7);
    ParseStrategyTable(parsed, "");
    EXPECT_TRUE(SameTable(parsed, StrategyTable{}));
}

struct CellCase {
    const char* name;
    std::string bytes;
    int hardTen5;  // expected hard row 10, dealer 5
};

class RecordTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(RecordTest, SetsTheCell) {
    EXPECT_EQ(Parsed(GetParam().bytes).hard[10][5], GetParam().hardTen5);
}

INSTANTIATE_TEST_SUITE_P(
    Records, RecordTest,
    ::testing::Values(
        CellCase{"Plain", "110052\n", 2}, CellCase{"NoLineFeed", "110052", 2},
        CellCase{"CrLf", "110052\r\n", 2}, CellCase{"TrailingText", "110053 double, else hit\n", 3},
        CellCase{"FiveCharactersAndLineFeedClear", "110052\n11005\n", 0},
        CellCase{"FiveCharactersAtEndSkipped", "110052\n11005", 2},
        CellCase{"LaterRecordWins", "110052\n110051\n", 1},
        CellCase{"NonNumericActionClears", "110052\n11005x\n", 0},
        CellCase{"NulEndsThePiece", "110052\n11005\0"s + "1\n", 2},
        CellCase{"CommentSkipped", "#110051\n110052\n", 2},
        CellCase{"RecordInLaterPieceOfLongLine", "#" + std::string(62, '-') + "110052\n", 2},
        CellCase{"FirstPieceOfLongLine", "110052" + std::string(57, '-') + "1234\n", 2},
        CellCase{"ShortLaterPieceSkipped", "110052\n#" + std::string(62, '-') + "11005", 2}),
    [](const ::testing::TestParamInfo<CellCase>& info) { return info.param.name; });

TEST(StrategyTableRecords, NonNumericRowOrColumnLandsInTheUnreadZeroRowOrColumn) {
    const StrategyTable table = Parsed("1xx052\n110xx3\n1 8061\n");
    EXPECT_EQ(table.hard[0][5], 2);
    EXPECT_EQ(table.hard[10][0], 3);
    EXPECT_EQ(table.hard[0][6], 1);  // a blank is not part of a number
    EXPECT_EQ(table.hard[8][6], 0);
}

TEST(StrategyTableRecords, OutOfBoundsAndForeignRecordsAreSkipped) {
    const char* const records[] = {"118052\n", "211052\n", "311052\n", "110112\n",    "210992\n",
                                   "1-1052\n", "110-52\n", "199992\n", "1-9-92\n",    "410051\n",
                                   "010051\n", "-10051\n", "#10051\n", "\n\n\n\n\n\n"};
    for (const char* record : records) {
        SCOPED_TRACE(record);
        EXPECT_TRUE(SameTable(Parsed(record), StrategyTable{}));
    }
}

TEST(StrategyTableRecords, EdgeRowsAndColumnsOfEachSubTableAreKept) {
    const StrategyTable table = Parsed("117102\n210101\n310103\n100005\n");
    EXPECT_EQ(table.hard[17][10], 2);
    EXPECT_EQ(table.soft[10][10], 1);
    EXPECT_EQ(table.pair[10][10], 3);
    EXPECT_EQ(table.hard[0][0], 5);
    EXPECT_EQ(Parsed("1+8+52\n").hard[8][5], 2) << "signed fields convert";
}

TEST(StrategyTableRecords, EveryActionDigitIsStoredAsItIs) {
    for (int code = 0; code <= 9; ++code)
        EXPECT_EQ(Parsed("30203" + std::to_string(code)).pair[2][3], code);
}

}  // namespace
}  // namespace vantrel
