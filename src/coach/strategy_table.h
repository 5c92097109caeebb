#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vantrel {

// Codes of a chart cell.
inline constexpr int kChartHit = 1;
inline constexpr int kChartStand = 2;
inline constexpr int kChartDouble = 3;  // double down, else hit
inline constexpr int kChartSplit = 4;
inline constexpr int kChartDoubleElseStand = 5;  // double down, else stand
inline constexpr int kChartAnyAction = 9;        // every action is right

// The basic-strategy chart: action codes by row and dealer up-card value (1 = ace .. 10).
// Row and column 0 exist but are never read.
struct StrategyTable {
    std::array<std::array<int, 11>, 18> hard{};  // rows: hard total 8..17
    std::array<std::array<int, 11>, 11> soft{};  // rows: the cards beside the ace, 2..8
    std::array<std::array<int, 11>, 11> pair{};  // rows: the paired card's value, 1..10
};

// Clears the chart and fills it from the chart file (records of six characters: table, row,
// column, action). A missing or unreadable file leaves the chart cleared; always returns true.
bool LoadStrategyTable(StrategyTable& table, const std::string& path);

// The same, from the file's bytes.
void ParseStrategyTable(StrategyTable& table, std::string_view bytes);

}  // namespace vantrel
