#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "coach/strategy_table.h"
#include "sim/table_sim.h"

namespace vantrel::lab {

// Where the simulator finds the chart by default: the shipped chart, from the project's folder.
inline constexpr const char* kDefaultChartPath = "data/bs4bj.dat";

// The chart file's cells, or nothing when the file cannot be read or holds no chart record (the
// chart loader itself would quietly leave every cell empty, and the player would always stand).
std::optional<StrategyTable> ReadChartFile(const std::string& path);

// "house edge: 0.512% ± 0.051%".
std::string SimEdgeLine(const EdgeEstimate& estimate);

// Rounds per second of wall-clock time, whole.
long long RoundsPerSecond(long long rounds, double seconds);

// The simulator's report: rounds, the house edge with its interval, the speed, and how often
// blackjacks, busts, splits and doubles came up.
void WriteSimReport(std::ostream& out, const SimTally& tally, double seconds);

}  // namespace vantrel::lab
