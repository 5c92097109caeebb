#include "record/chart_differences.h"

#include "coach/judge.h"
#include "record/record_text.h"

namespace vantrel::record {

namespace {

struct PartRows {
    ChartPart part;
    int first;
    int last;
};

// The rows the check reads, in the chart file's order.
constexpr PartRows kReadRows[] = {
    {ChartPart::Hard, 8, 17}, {ChartPart::Soft, 2, 8}, {ChartPart::Pair, 1, 10}};

}  // namespace

std::vector<ChartCell> DifferingCells(const StrategyTable& a, const StrategyTable& b) {
    std::vector<ChartCell> cells;
    for (const PartRows& rows : kReadRows) {
        for (int row = rows.first; row <= rows.last; ++row) {
            for (int column = 1; column <= 10; ++column) {
                const ChartCell cell{rows.part, row, column};
                if (ChartCode(a, cell) != ChartCode(b, cell)) cells.push_back(cell);
            }
        }
    }
    return cells;
}

std::string CellList(const std::vector<ChartCell>& cells) {
    std::string list;
    for (const ChartCell& cell : cells) list += (list.empty() ? "" : ", ") + CellLabel(cell);
    return list;
}

}  // namespace vantrel::record
