#include "strategy/chart_differences.h"

#include "coach/chart_cells.h"
#include "coach/judge.h"

namespace vantrel::strategy {

std::vector<ChartCell> DifferingCells(const StrategyTable& a, const StrategyTable& b) {
    std::vector<ChartCell> cells;
    for (const ChartCell& cell : JudgedCells())
        if (ChartCode(a, cell) != ChartCode(b, cell)) cells.push_back(cell);
    return cells;
}

std::string CellList(const std::vector<ChartCell>& cells) {
    std::string list;
    for (const ChartCell& cell : cells) list += (list.empty() ? "" : ", ") + CellLabel(cell);
    return list;
}

}  // namespace vantrel::strategy
