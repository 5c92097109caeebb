#include "sim/chart_player.h"

#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "sim/quiet_view.h"

namespace vantrel::lab {
namespace {

constexpr int kUp = 6;

struct Cell {
    enum Kind { Hard, Soft, Pair } kind;
    int row;
    int code;
};

struct PlayerCase {
    const char* name;
    std::vector<Cell> chart;  // the only cells set, all against a 6; an empty cell stands
    std::vector<int> ranks;   // dealt in order: player, hole card (a ten), player, up card, more
    std::vector<Action> before;
    Action expected;
};

void PrintTo(const PlayerCase& c, std::ostream* out) {
    *out << c.name;
}

StrategyTable ChartOf(const std::vector<Cell>& cells) {
    StrategyTable chart;
    for (const Cell& cell : cells) {
        auto& rows = cell.kind == Cell::Hard   ? chart.hard[cell.row]
                     : cell.kind == Cell::Soft ? chart.soft[cell.row]
                                               : chart.pair[cell.row];
        rows[kUp] = cell.code;
    }
    return chart;
}

class ChartPlayerTest : public testing::TestWithParam<PlayerCase> {};

// The player's choices up to the case's hand are its own, and the table accepts every one of
// them, the last included: no refusal balloon.
TEST_P(ChartPlayerTest, ChoosesWhatTheCalculatorAssumesAndTheTableAllows) {
    const PlayerCase& c = GetParam();
    const StrategyTable chart = ChartOf(c.chart);
    QuietView view;
    LessonSetup lesson{.lessonCode = "P",
                       .lessonHasTable = true,
                       .chips = 1000,
                       .lessonMode = LessonMode::FreePlay,
                       .quota = 1,
                       .maxBetSetting = 100};
    Table table(view, lesson);
    table.FormShow();
    std::vector<Card> cards;
    for (int rank : c.ranks) cards.push_back(Card{static_cast<int>(cards.size() % 4) + 1, rank});
    table.shoe().StackCards(cards);
    table.l_bet005Click();
    while (table.startTimerRunning()) table.tm_startTimer();

    for (const Action action : c.before) {
        ASSERT_TRUE(table.actionsEnabled());
        ASSERT_EQ(ChartPlayerAction(chart, table), action);
        PressAction(table, action);
    }
    ASSERT_TRUE(table.actionsEnabled());
    EXPECT_EQ(ChartPlayerAction(chart, table), c.expected);
    PressAction(table, c.expected);
    EXPECT_EQ(view.playerBalloons, 0) << "the table refused an action";
}

using enum Action;
const Cell kSplitEights{Cell::Pair, 8, kChartSplit};
const Cell kSplitAces{Cell::Pair, 1, kChartSplit};

INSTANTIATE_TEST_SUITE_P(
    Hands, ChartPlayerTest,
    testing::Values(
        PlayerCase{"SplitsAPairWhileHandsRemain", {kSplitEights}, {8, 10, 8, kUp}, {}, Split},
        PlayerCase{"PlaysAPairByItsTotalAtFourHands",
                   {kSplitEights, {Cell::Hard, 16, kChartHit}},
                   {8, 10, 8, kUp, 8, 8, 8},
                   {Split, Split, Split},
                   Hit},
        PlayerCase{"DoublesAPairByItsTotalAtFourHands",
                   {{Cell::Pair, 4, kChartSplit}, {Cell::Hard, 8, kChartDouble}},
                   {4, 10, 4, kUp, 4, 4, 4},
                   {Split, Split, Split},
                   DoubleDown},
        PlayerCase{"StandsOnSplitAcesThatCannotBeSplitAgain",
                   {kSplitAces, {Cell::Soft, 2, kChartDouble}},
                   {1, 10, 1, kUp, 1, 1, 1},
                   {Split, Split, Split},
                   Stand},
        PlayerCase{"StandsOnAPairOfAcesInHandFour",
                   {kSplitAces, {Cell::Soft, 2, kChartHit}},
                   {1, 10, 1, kUp, 1, 1, 1, 1, 1, 1},
                   {Split, Split, Split, Stand, Stand, Stand},
                   Stand},
        PlayerCase{"HitsWhereTheChartDoublesOnThreeCards",
                   {{Cell::Hard, 8, kChartHit}, {Cell::Hard, 11, kChartDouble}},
                   {2, 10, 4, kUp, 5},
                   {Hit},
                   Hit},
        PlayerCase{"DoublesOnTwoCardsWhereTheChartDoublesElseStands",
                   {{Cell::Soft, 7, kChartDoubleElseStand}},
                   {1, 10, 7, kUp},
                   {},
                   DoubleDown},
        PlayerCase{"StandsOnThreeCardsWhereTheChartDoublesElseStands",
                   {{Cell::Soft, 2, kChartHit}, {Cell::Soft, 7, kChartDoubleElseStand}},
                   {1, 10, 2, kUp, 5},
                   {Hit},
                   Stand},
        PlayerCase{"StandsWhereTheChartSplitsNoPair",
                   {{Cell::Hard, 16, kChartSplit}},
                   {10, 10, 6, kUp},
                   {},
                   Stand},
        PlayerCase{"StandsOnAnAnyActionCell",
                   {{Cell::Hard, 16, kChartAnyAction}},
                   {10, 10, 6, kUp},
                   {},
                   Stand}),
    [](const testing::TestParamInfo<PlayerCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vantrel::lab
