#include "strategy/chart_cells.h"

namespace vantrel::strategy {

namespace {

struct PartRows {
    ChartPart part;
    int first;
    int last;
};

// The rows the check reads, in the chart file's order.
constexpr PartRows kReadRows[] = {
    {ChartPart::Hard, 8, 17}, {ChartPart::Soft, 2, 8}, {ChartPart::Pair, 1, 10}};

std::string HandText(const ChartCell& cell) {
    switch (cell.part) {
        case ChartPart::Hard:
            if (cell.row <= 8) return "Hard 8 or less";
            if (cell.row >= 17) return "Hard 17 or more";
            return "Hard " + std::to_string(cell.row);
        case ChartPart::Soft:
            // The row is the card beside the ace, which counts 11.
            if (cell.row >= 8) return "Soft 19 or more";
            return "Soft " + std::to_string(cell.row + 11);
        case ChartPart::Pair:
            if (cell.row == 1) return "Pair of aces";
            return "Pair of " + std::to_string(cell.row) + "s";
    }
    return "Hand";
}

}  // namespace

int CodeAt(const StrategyTable& chart, const ChartCell& cell) {
    switch (cell.part) {
        case ChartPart::Hard:
            return chart.hard[cell.row][cell.column];
        case ChartPart::Soft:
            return chart.soft[cell.row][cell.column];
        case ChartPart::Pair:
            return chart.pair[cell.row][cell.column];
    }
    return 0;
}

std::vector<ChartCell> DifferingCells(const StrategyTable& a, const StrategyTable& b) {
    std::vector<ChartCell> cells;
    for (const PartRows& rows : kReadRows) {
        for (int row = rows.first; row <= rows.last; ++row) {
            for (int column = 1; column <= 10; ++column) {
                const ChartCell cell{rows.part, row, column};
                if (CodeAt(a, cell) != CodeAt(b, cell)) cells.push_back(cell);
            }
        }
    }
    return cells;
}

std::string CellLabel(const ChartCell& cell) {
    return HandText(cell) + " vs " + (cell.column == 1 ? "A" : std::to_string(cell.column));
}

std::string CellList(const std::vector<ChartCell>& cells) {
    std::string list;
    for (const ChartCell& cell : cells) list += (list.empty() ? "" : ", ") + CellLabel(cell);
    return list;
}

}  // namespace vantrel::strategy
