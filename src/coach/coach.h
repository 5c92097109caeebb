#pragma once

#include <string_view>

#include "coach/strategy_table.h"
#include "engine/table.h"

namespace vantrel {

// "HIT", "STAND", "DOUBLE", "SPLIT"; empty for any other code.
std::string_view ActionName(int code);

// The chart's cell for the table's current hand: its pair, soft or hard row against the dealer's
// up card, a double not yet read for the number of cards held.
int ChartCell(const StrategyTable& chart, const Table& table);

// What the chart advises for the table's current hand: the cell of its pair, soft or hard row
// against the dealer's up card, with the doubles resolved for the number of cards held.
int Advice(const StrategyTable& chart, const Table& table);

// The lesson checks of the strategy and counting practices.
class Coach : public Coaching {
  public:
    Coach(Table& table, const StrategyTable& chart) : table_(table), chart_(chart) {}

    // Judges the decision against the chart: "OK!" and the quota down by one, or
    // "Incorrect!(" with the advised action and ")" and the quota up by one.
    void CheckDecision(Action action) override;
    // Asks for the Hi-Lo running count and judges the answer the same way.
    void CountCheck() override;

  private:
    void Verdict(bool right, std::string_view correction);

    Table& table_;
    const StrategyTable& chart_;
};

}  // namespace vantrel
