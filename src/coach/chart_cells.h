#pragma once

#include <array>
#include <span>
#include <string>

#include "coach/judge.h"
#include "engine/card.h"
#include "engine/chart_cell.h"
#include "engine/random.h"

namespace vantrel {

// The cells the decision check reads: hard 8..17, soft 2..8 and pair 1..10, each against the up
// cards ace to ten, in the chart file's order.
inline constexpr int kJudgedCellCount = (10 + 7 + 10) * 10;
std::span<const ChartCell> JudgedCells();

// Where a cell stands in JudgedCells(); -1 for a cell the check never reads.
int CellIndex(const ChartCell& cell);

// The hand and up card of a chart cell as the student reads them: "Hard 16 vs 10",
// "Soft 18 vs A", "Pair of 8s vs 6". Rows that also stand for the hands beyond them say so:
// "Hard 8 or less", "Hard 17 or more", "Soft 19 or more".
std::string CellLabel(const ChartCell& cell);

// Two player cards and the dealer's up card, three distinct cards of one deck.
struct DrillHand {
    std::array<Card, 2> cards;
    Card up;
};

// A hand the table would judge on `cell` as the first hand of a round, chosen at random: first
// the values of the two cards among those the cell holds (hard 12 against 2 is 10-2, 9-3, 8-4 or
// 7-5, never the pair 6-6; hard 8 also holds totals 5 to 7, hard 17 also 18 to 20 and two ten-cards
// of different ranks; soft 8 also ace-9), then ranks for ten-cards and suits. Never a 21, on which
// the table asks nothing.
DrillHand HandForCell(const ChartCell& cell, Random& random);

// The chart's word on the hand as the table gives it on the first hand of a round.
Judgement JudgeDrillHand(const StrategyTable& chart, const DrillHand& hand);

}  // namespace vantrel
