#pragma once

#include <string>
#include <vector>

#include "coach/strategy_table.h"

namespace vantrel::strategy {

// The three parts of the chart, numbered as the chart file numbers them.
enum class ChartPart { Hard = 1, Soft = 2, Pair = 3 };

// A cell the decision check reads: hard rows 8..17, soft rows 2..8 (the card beside the ace),
// pair rows 1..10, against the dealer's up card 1 (ace) .. 10.
struct ChartCell {
    ChartPart part = ChartPart::Hard;
    int row = 0;
    int column = 0;

    bool operator==(const ChartCell&) const = default;
};

// The code a chart holds in a cell.
int CodeAt(const StrategyTable& chart, const ChartCell& cell);

// The cells the check reads in which two charts hold different codes, in the chart file's order.
std::vector<ChartCell> DifferingCells(const StrategyTable& a, const StrategyTable& b);

// The hand and up card of a cell as the student reads them: "Hard 11 vs A", "Soft 18 vs 2",
// "Pair of 2s vs 3". Rows that also stand for the hands beyond them say so: "Hard 8 or less",
// "Hard 17 or more", "Soft 19 or more".
std::string CellLabel(const ChartCell& cell);

// The labels joined: "Hard 9 vs 2, Soft 18 vs A".
std::string CellList(const std::vector<ChartCell>& cells);

}  // namespace vantrel::strategy
