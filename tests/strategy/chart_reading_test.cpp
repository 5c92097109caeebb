#include "strategy/chart_reading.h"

#include <vector>

#include <gtest/gtest.h>

namespace vantrel::strategy {
namespace {

// A chart whose every cell names its own place, code = 100 * kind + row, so a reading shows which
// cell it took. The double codes are read in the chart player's tests.
StrategyTable LabelledChart() {
    StrategyTable chart;
    for (int row = 0; row <= 17; ++row) chart.hard[row].fill(100 + row);
    for (int row = 0; row <= 10; ++row) chart.soft[row].fill(200 + row);
    for (int row = 0; row <= 10; ++row) chart.pair[row].fill(300 + row);
    return chart;
}

struct ReadingCase {
    const char* name;
    std::vector<int> cards;
    bool pair;
    int up;
    int code;
};

class ChartReadingTest : public testing::TestWithParam<ReadingCase> {};

TEST_P(ChartReadingTest, ReadsTheTablesCell) {
    const ReadingCase& c = GetParam();
    CardCounts hand;
    for (int card : c.cards) hand = hand.With(card);
    EXPECT_EQ(ChartAdvice(LabelledChart(), hand, c.pair, c.up), c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Hands, ChartReadingTest,
    testing::Values(ReadingCase{"PairOfEights", {8, 8}, true, 10, 308},
                    ReadingCase{"PairOfAces", {1, 1}, true, 10, 301},
                    ReadingCase{"TensOfTwoRanksAreHard20", {10, 10}, false, 10, 117},
                    ReadingCase{"AceNineSoftRow8", {1, 9}, false, 10, 208},
                    ReadingCase{"AceTwoThreeSoftRow5", {1, 2, 3}, false, 10, 205},
                    ReadingCase{"TwoAcesAndSixSoftRow7", {1, 1, 6}, false, 10, 207},
                    ReadingCase{"TwoAcesNotAPairSoftRow2", {1, 1}, false, 10, 202},
                    ReadingCase{"AceSixTenHard17", {1, 6, 10}, false, 10, 117},
                    ReadingCase{"HardFiveRow8", {2, 3}, false, 10, 108}),
    [](const testing::TestParamInfo<ReadingCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vantrel::strategy
