#pragma once

#include "coach/strategy_table.h"

namespace vantrel::testing {

// A chart with one code in every cell the decision check can read.
inline StrategyTable FilledChart(int code) {
    StrategyTable chart;
    for (auto& row : chart.hard) row.fill(code);
    for (auto& row : chart.soft) row.fill(code);
    for (auto& row : chart.pair) row.fill(code);
    return chart;
}

}  // namespace vantrel::testing
