#include "sim/chart_player.h"

#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "sim/quiet_view.h"

namespace vantrel::lab {
namespace {

constexpr int kUp = 6;

struct PlayerCase {
    const char* name;
    const char* chart;   // the only cells set, all against a 6, e.g. "p8=4 h16=1"
    const char* ranks;   // dealt in order: player, hole card (a ten), player, up card, more
    const char* before;  // the player's own choices up to the case's hand
    char expected;       // h hit, s stand, d double, p split
    int chips = 1000;    // 5: nothing left beside the bet, so the player falls back at once
};

StrategyTable ChartOf(const char* cells) {
    StrategyTable chart;
    std::istringstream in(cells);
    char kind = 0;
    int row = 0;
    char equals = 0;
    int code = 0;
    while (in >> kind >> row >> equals >> code)
        (kind == 'h'   ? chart.hard[row]
         : kind == 's' ? chart.soft[row]
                       : chart.pair[row])[kUp] = code;
    return chart;
}

class ChartPlayerTest : public testing::TestWithParam<PlayerCase> {};

// The player's choices up to the case's hand are its own, and the table accepts every one of
// them, the last included: no refusal balloon. Short of chips, the last is the fallback.
TEST_P(ChartPlayerTest, ChoosesWhatTheCalculatorAssumesAndTheTableAllows) {
    const PlayerCase& c = GetParam();
    const StrategyTable chart = ChartOf(c.chart);
    QuietView view;
    LessonSetup lesson{.lessonCode = "P",
                       .lessonHasTable = true,
                       .chips = c.chips,
                       .lessonMode = LessonMode::FreePlay,
                       .quota = 1,
                       .maxBetSetting = 100};
    Table table(view, lesson);
    table.FormShow();
    std::vector<Card> cards;
    for (const char* rank = c.ranks; *rank; ++rank) {
        const int value = *rank == 'T' ? 10 : *rank == 'A' ? 1 : *rank - '0';
        cards.push_back(Card{static_cast<int>(cards.size() % 4) + 1, value});
    }
    table.shoe().StackCards(cards);
    table.l_bet005Click();
    while (table.startTimerRunning()) table.tm_startTimer();

    const auto action = [](char letter) {
        return letter == 'h'   ? Action::Hit
               : letter == 's' ? Action::Stand
               : letter == 'd' ? Action::DoubleDown
                               : Action::Split;
    };
    for (const char* choice = c.before; *choice; ++choice) {
        ASSERT_TRUE(table.actionsEnabled());
        ASSERT_EQ(ChartPlayerAction(chart, table), action(*choice));
        PressAction(table, action(*choice));
    }
    ASSERT_TRUE(table.actionsEnabled());
    EXPECT_EQ(c.chips > 5 ? ChartPlayerAction(chart, table) : ShortOfChipsAction(chart, table),
              action(c.expected));
    PressAction(table, action(c.expected));
    EXPECT_EQ(view.playerBalloons, 0) << "the table refused an action";
}

// Codes: 1 hit, 2 stand, 3 double, 4 split, 5 double else stand, 9 any action.
INSTANTIATE_TEST_SUITE_P(
    Hands, ChartPlayerTest,
    testing::Values(PlayerCase{"SplitsAPairWhileHandsRemain", "p8=4", "8T86", "", 'p'},
                    PlayerCase{"PairByTotalAtFourHandsHits", "p8=4 h16=1", "8T86888", "ppp", 'h'},
                    PlayerCase{"PairByTotalAtFourHandsDoubles", "p4=4 h8=3", "4T46444", "ppp", 'd'},
                    PlayerCase{"SplitAcesCannotSplitAgain", "p1=4 s2=3", "ATA6AAA", "ppp", 's'},
                    PlayerCase{"AcesInHandFourStand", "p1=4 s2=1", "ATA6AAAAAA", "pppsss", 's'},
                    PlayerCase{"DoubleOnThreeCardsHits", "h8=1 h11=3", "2T465", "h", 'h'},
                    PlayerCase{"DoubleElseStandOnTwoCardsDoubles", "s7=5", "AT76", "", 'd'},
                    PlayerCase{"DoubleElseStandOnThreeCardsStands", "s2=1 s7=5", "AT265", "h", 's'},
                    PlayerCase{"SplitCellWithoutAPairStands", "h16=4", "TT66", "", 's'},
                    PlayerCase{"AnyActionCellStands", "h16=9", "TT66", "", 's'},
                    PlayerCase{"ShortOfChipsDoubleHits", "h11=3", "6T56", "", 'h', 5},
                    PlayerCase{"ShortOfChipsDoubleElseStandStands", "s7=5", "AT76", "", 's', 5},
                    PlayerCase{"ShortOfChipsPairPlaysItsTotal", "p8=4 h16=2", "8T86", "", 's', 5}),
    [](const testing::TestParamInfo<PlayerCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vantrel::lab
