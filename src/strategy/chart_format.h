#pragma once

#include <iosfwd>
#include <string>

#include "coach/strategy_table.h"
#include "strategy/chart_calculator.h"

namespace vantrel::strategy {

// The chart as a chart file: comment lines saying what it is, then one record a cell ("108021"
// is hard 8 against a 2: hit), hard rows 8..17, soft rows 2..8, pair rows 1..10. Every comment
// line is shorter than the loader's 63-byte pieces, so no piece of it can pass for a record.
void WriteChartFile(std::ostream& out, const StrategyTable& chart, int decks);

// The chart's records alone, one a cell, in the order above.
void WriteChartRecords(std::ostream& out, const StrategyTable& chart);

// One readable line a cell with the value of every action, the best marked. The lines start with
// the row's kind, so a chart file that carries them still loads.
void WriteCellValues(std::ostream& out, const ComputedChart& chart);

// "house edge: 0.345%" for an edge of 0.00345.
std::string HouseEdgeLine(double edge);
// "house edge at $5 flat bets: X.XXX%"
std::string FlatBetEdgeLine(int bet, double edge);

}  // namespace vantrel::strategy
