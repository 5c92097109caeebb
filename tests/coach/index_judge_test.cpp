// The Master Course's word on a hand: the chart with the index plays applied at the true count.
#include "coach/index_judge.h"

#include <gtest/gtest.h>

#include "coach/coach.h"
#include "support/table_fixture.h"

namespace vantrel {
namespace {

strategy::IndexNumber Index(const char* hand, int up, char basic, char play, int index,
                            bool atOrAbove = true) {
    strategy::IndexNumber number;
    number.hand = hand;
    number.up = up;
    number.basic = basic;
    number.play = play;
    number.index = index;
    number.atOrAbove = atOrAbove;
    return number;
}

// A few index plays, scripted: the figures the lab gives are not wanted here.
strategy::MasterFigures Figures() {
    strategy::MasterFigures figures;
    figures.indices = {Index("16", 10, 'H', 'S', 0), Index("13", 2, 'S', 'H', -1, false),
                       Index("11", 1, 'H', 'D', 1),  Index("TT", 6, 'S', 'P', 4),
                       Index("A8", 6, 'S', 'D', 1),  Index("12", 4, 'S', 'H', 0, false),
                       Index("any", 1, '-', 'I', 3)};
    return figures;
}

// A chart that hits everywhere but where these index plays' basic plays differ.
StrategyTable Chart() {
    StrategyTable chart = testing::ChartOf(kChartHit);
    chart.hard[13][2] = kChartStand;
    chart.hard[17][6] = kChartStand;   // hard 20 against a 6
    chart.hard[12][4] = kChartDouble;  // not the index's basic play: the index must not hold
    chart.pair[8][10] = kChartSplit;
    chart.pair[10][6] = kChartStand;
    chart.soft[8][6] = kChartStand;
    return chart;
}

struct Row {
    const char* name;
    JudgedHand hand;
    int trueCount;
    int advice;
    bool deviation;
    const char* correction;  // what a wrong answer's balloon names
};

class IndexJudging : public ::testing::TestWithParam<Row> {};

TEST_P(IndexJudging, AppliesTheIndexWhereItsPlayIsPossible) {
    const Row& row = GetParam();
    const strategy::MasterFigures figures = Figures();
    const IndexJudgement judgement = JudgeWithIndices(Chart(), &figures, row.hand, row.trueCount);
    EXPECT_EQ(judgement.advice, row.advice);
    EXPECT_EQ(judgement.deviation, row.deviation);
    EXPECT_EQ(IndexCorrection(judgement), row.correction);
}

INSTANTIATE_TEST_SUITE_P(
    Hands, IndexJudging,
    ::testing::Values(
        Row{"SixteenStandsAtItsIndex", {16, 2, 0, 10}, 0, kChartStand, true, "STAND: true +0"},
        Row{"SixteenHitsBelowIt", {16, 2, 0, 10}, -1, kChartHit, false, "HIT: true +0"},
        Row{"ThreeCardSixteenStandsToo", {16, 3, 0, 10}, 2, kChartStand, true, "STAND: true +0"},
        Row{"AtOrBelowHoldsAtItsIndex", {13, 2, 0, 2}, -1, kChartHit, true, "HIT: true -1"},
        Row{"AtOrBelowHoldsBelowIt", {13, 2, 0, 2}, -5, kChartHit, true, "HIT: true -1"},
        Row{"AtOrBelowNotAbove", {13, 2, 0, 2}, 0, kChartStand, false, "STAND: true -1"},
        Row{"DoubleOnTwoCards", {11, 2, 0, 1}, 1, kChartDouble, true, "DOUBLE: true +1"},
        Row{"NoDoubleOnThreeCards", {11, 3, 0, 1}, 5, kChartHit, false, "HIT"},
        Row{"SoftDoubleOnTwoCards", {101 + 8, 2, 0, 6}, 2, kChartDouble, true, "DOUBLE: true +1"},
        Row{"NoSoftDoubleOnThree", {101 + 8, 3, 0, 6}, 2, kChartStand, false, "STAND"},
        Row{"TensSplitWhereReadAsAPair", {20, 2, 10, 6}, 4, kChartSplit, true, "SPLIT: true +4"},
        Row{"TensNotSplitWhereNotRead", {20, 2, 0, 6}, 6, kChartStand, false, "STAND"},
        Row{"PairOfEightsIsNoSixteen", {16, 2, 8, 10}, 3, kChartSplit, false, "SPLIT"},
        Row{"IndexOffTheChartHoldsNot", {12, 2, 0, 4}, -3, kChartDouble, false, "DOUBLE"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IndexJudging, WithoutFiguresTheChartAloneJudges) {
    const IndexJudgement judgement = JudgeWithIndices(Chart(), nullptr, {16, 2, 0, 10}, 8);
    EXPECT_EQ(judgement.advice, kChartHit);
    EXPECT_EQ(VerdictText(false, IndexCorrection(judgement)), "Incorrect!(HIT)");
}

TEST(IndexJudging, NamesHandsAsTheIndexPlaysDo) {
    EXPECT_EQ(IndexHandName({16, 3, 0, 10}), "16");
    EXPECT_EQ(IndexHandName({101 + 7, 2, 0, 10}), "A7");
    EXPECT_EQ(IndexHandName({101 + 101 + 6, 3, 0, 10}), "A7");
    EXPECT_EQ(IndexHandName({16, 2, 8, 10}), "88");
    EXPECT_EQ(IndexHandName({20, 2, 10, 10}), "TT");
    EXPECT_EQ(IndexHandName({202, 2, 1, 10}), "AA");
}

TEST(InsuranceJudging, TakesFromTheIndexOn) {
    const strategy::MasterFigures figures = Figures();
    EXPECT_TRUE(JudgeInsurance(&figures, 3, true).right);
    EXPECT_TRUE(JudgeInsurance(&figures, 2, false).right);
    const InsuranceJudgement declined = JudgeInsurance(&figures, 4, false);
    EXPECT_FALSE(declined.right);
    EXPECT_EQ(declined.Correction(), "INSURANCE: true +3");
    const InsuranceJudgement taken = JudgeInsurance(&figures, 2, true);
    EXPECT_FALSE(taken.right);
    EXPECT_EQ(taken.Correction(), "NO INSURANCE: true +3");
    // Without an insurance index there is nothing to judge by.
    EXPECT_TRUE(JudgeInsurance(nullptr, 9, true).right);
}

}  // namespace
}  // namespace vantrel
