#pragma once

#include "coach/strategy_table.h"
#include "strategy/chart_lab.h"

namespace vantrel::strategy {

// The house edge of the whole game from a full shoe: the player's expected loss per unit of the
// first bet (positive when the house wins) when the player follows `chart` exactly as the table
// reads it. Every starting hand and up card counts by its chance: blackjacks (3 to 2, a push
// against a dealer blackjack), the dealer's blackjack (the first bet lost), and every other hand
// played by the chart, splits, re-splits and doubles included.
//
// Where the table refuses what the chart says (a split with four hands on the table), the hand is
// read by its total instead. A code the chart has no play for (an empty cell, 9) stands.
double HouseEdge(ChartLab& lab, const StrategyTable& chart);

// The same on the trainer's table for flat bets of `bet` dollars. The table pays a blackjack in
// whole dollars, 3 to 2 with the winnings truncated ($12 back on $5), so on an odd multiple of
// $5 the player gets that much less for every blackjack the dealer does not match.
double HouseEdgeAtFlatBet(ChartLab& lab, const StrategyTable& chart, int bet);

}  // namespace vantrel::strategy
