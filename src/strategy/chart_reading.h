#pragma once

#include "coach/strategy_table.h"
#include "strategy/card_counts.h"

namespace vantrel::strategy {

// The chart's code for a hand, read as the table reads it: the pair row for two cards of one
// rank in hands 1 to 3 (`pair`); else the soft row for a hand whose ace may count 11 (the cards
// beside one ace, rows 2 to 8); else the hard row, 8 to 17. On more than two cards a
// double-else-hit reads as hit and a double-else-stand as stand.
int ChartAdvice(const StrategyTable& chart, const CardCounts& hand, bool pair, int up);

}  // namespace vantrel::strategy
