#pragma once

#include <optional>
#include <span>

#include "coach/strategy_table.h"
#include "engine/action.h"
#include "engine/card.h"
#include "engine/chart_cell.h"

namespace vantrel {

// A hand as the decision check reads it.
struct JudgedHand {
    int total = 0;      // encoded total: 101 for each ace
    int cards = 0;      // cards held
    int pairValue = 0;  // 1..10 when the table reads the hand as a pair, else 0
    int upValue = 0;    // the dealer's up card, 1 for an ace .. 10
};

// The chart's word on a hand: the cell the check reads and its advice.
struct Judgement {
    ChartCell cell;
    int advice = 0;  // the cell's code with a double resolved for the cards held; 9 = any action

    bool Accepts(Action action) const {
        return advice == static_cast<int>(action) || advice == kChartAnyAction;
    }
    // The one action the advice names; nothing for "any action" or a cell without advice.
    std::optional<Action> AdvisedAction() const {
        if (advice < kChartHit || advice > kChartSplit) return std::nullopt;
        return static_cast<Action>(advice);
    }
};

// Reads the chart as the table's decision check does: the pair row for a pair, else the soft row
// while an ace can count 11, else the hard row; on more than two cards a double becomes a hit
// (code 3) or a stand (code 5).
Judgement Judge(const StrategyTable& chart, const JudgedHand& hand);

// The code a cell of the chart holds, a double not yet read for the cards held.
int ChartCode(const StrategyTable& chart, const ChartCell& cell);

// The hand the table holds in play: its cards, and a pair only for two cards of one rank in a
// hand the table would split (hands 1 to 3; `pairsRead` false for the fourth).
JudgedHand HandOfCards(std::span<const Card> cards, const Card& up, bool pairsRead);

}  // namespace vantrel
