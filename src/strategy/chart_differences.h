#pragma once

#include <string>
#include <vector>

#include "coach/strategy_table.h"
#include "engine/chart_cell.h"

namespace vantrel::strategy {

// The cells the decision check reads (hard 8..17, soft 2..8, pair 1..10 against every up card) in
// which two charts hold different codes, in the chart file's order: for the student, the plays
// judged otherwise than the lectures teach.
std::vector<ChartCell> DifferingCells(const StrategyTable& a, const StrategyTable& b);

// The cells' labels joined: "Hard 9 vs 2, Soft 18 vs A".
std::string CellList(const std::vector<ChartCell>& cells);

}  // namespace vantrel::strategy
