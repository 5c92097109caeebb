#pragma once

namespace vantrel {

// A cell of the strategy chart: the sub-table (numbered as in the chart file), its row and the
// dealer's up-card column (1 for an ace).
enum class ChartPart { Hard = 1, Soft = 2, Pair = 3 };
struct ChartCell {
    ChartPart part = ChartPart::Hard;
    int row = 0;
    int column = 0;
    bool operator==(const ChartCell&) const = default;
};

}  // namespace vantrel
