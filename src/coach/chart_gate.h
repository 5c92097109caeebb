#pragma once

#include <future>

#include "coach/strategy_table.h"
#include "engine/table.h"

namespace vantrel {

// Puts the chart a visit is judged by in place before its first decision is judged. The chart may
// still be being worked out when the visit starts; the first decision then waits for it, the
// screen carrying on meanwhile, and is never judged by another chart.
class ChartGate : public Coaching {
  public:
    // `coach` judges by `chart`, which this gate fills when the visit's chart is known.
    ChartGate(Table& table, Coaching& coach, StrategyTable& chart)
        : table_(table), coach_(coach), chart_(chart) {}

    // The chart of the visit that starts now.
    void StartVisit(std::shared_future<StrategyTable> chart) { pending_ = std::move(chart); }

    void CheckDecision(Action action) override;
    void CountCheck() override { coach_.CountCheck(); }
    void ArrangeDeal() override { coach_.ArrangeDeal(); }
    void DecisionAwaited() override { coach_.DecisionAwaited(); }
    void CheckInsurance(bool taken) override { coach_.CheckInsurance(taken); }

  private:
    void TakeChart();

    Table& table_;
    Coaching& coach_;
    StrategyTable& chart_;
    std::shared_future<StrategyTable> pending_;
};

}  // namespace vantrel
