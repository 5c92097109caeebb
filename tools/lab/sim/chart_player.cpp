#include "sim/chart_player.h"

#include <algorithm>

#include "coach/coach.h"
#include "strategy/chart_reading.h"

namespace vantrel::lab {

namespace {

// The chart's code for the current pair read by its total, as if it were no pair.
int PairAsTotal(const StrategyTable& chart, const Table& table) {
    const int card = table.PairValue();
    return strategy::ChartAdvice(chart, strategy::CardsOf({card, card}), false,
                                 table.state().dealerUpValue);
}

}  // namespace

Action ChartPlayerAction(const StrategyTable& chart, const Table& table) {
    const TableState& state = table.state();
    int code = JudgeCurrentHand(chart, table).advice;
    if (code == kChartSplit && !table.IsMatchingPair()) code = kChartStand;
    if (code == kChartSplit && state.handCount >= vantrel::kMaxHands)
        code = PairAsTotal(chart, table);
    const bool splitAces = state.handCount >= 2 && state.handTotal[state.currentHand] == 202;
    switch (code) {
        case kChartHit:
            return splitAces ? Action::Stand : Action::Hit;
        case kChartDouble:
        case kChartDoubleElseStand:  // read by total on two cards: double
            return splitAces ? Action::Stand : Action::DoubleDown;
        case kChartSplit:
            return Action::Split;
        default:
            return Action::Stand;
    }
}

Action ShortOfChipsAction(const StrategyTable& chart, const Table& table) {
    int code = ChartCode(chart, JudgeCurrentHand(chart, table).cell);
    if (code == kChartSplit) code = PairAsTotal(chart, table);
    return code == kChartHit || code == kChartDouble ? Action::Hit : Action::Stand;
}

void PressAction(Table& table, Action action) {
    switch (action) {
        case Action::Hit:
            table.bbtn_hitClick();
            break;
        case Action::Stand:
            table.bbtn_standClick();
            break;
        case Action::DoubleDown:
            table.bbtn_doubleClick();
            break;
        case Action::Split:
            table.bbtn_splitClick();
            break;
    }
}

bool PressUnlessRefused(Table& table, const QuietView& view, Action action) {
    const long long balloons = view.playerBalloons;
    PressAction(table, action);
    return view.playerBalloons == balloons;
}

void PlaceBetInChips(Table& table, int bet) {
    const int target = std::min(bet, table.lesson().chips / 5 * 5);
    const int& placed = table.state().handBet[1];
    while (placed < target) {
        const int before = placed;
        for (int chip : {100, 25, 5}) {
            if (placed + chip > target) continue;
            if (chip == 100) table.l_bet100Click();
            if (chip == 25) table.l_bet025Click();
            if (chip == 5) table.l_bet005Click();
            if (placed != before) break;  // a chip the table does not offer places nothing
        }
        if (placed == before) return;
    }
}

}  // namespace vantrel::lab
