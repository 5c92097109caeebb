#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "coach/index_coach.h"
#include "coach/judge.h"
#include "coach/strategy_table.h"
#include "engine/table.h"

namespace vantrel {

// "HIT", "STAND", "DOUBLE", "SPLIT"; empty for any other code.
std::string_view ActionName(int code);

// What the student is told of an answer: "OK!", or "Incorrect!(" with the correction and ")".
std::string VerdictText(bool right, std::string_view correction);

// The chart's word on the table's current hand against the dealer's up card. Inline: the lab's
// player asks it at every decision.
inline Judgement JudgeCurrentHand(const StrategyTable& chart, const Table& table) {
    const TableState& state = table.state();
    const int hand = state.currentHand;
    return Judge(chart, {state.handTotal[hand], state.handCards[hand], table.PairValue(),
                         state.dealerUpValue});
}

// The lesson checks of the strategy and counting practices.
class Coach : public Coaching {
  public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    Coach(Table& table, const StrategyTable& chart)
        : table_(table), chart_(chart), index_(table, chart) {}

    // What times the count answers; the steady clock by default.
    void SetClock(Clock clock) { clock_ = std::move(clock); }

    // Judges the decision against the chart and tells the table's events; with no events to tell
    // and no verdict to show, it judges nothing. In the strategy practice it also shows "OK!" and
    // lowers the quota by one, or "Incorrect!(" with the advised action and ")" and raises it by
    // one; elsewhere it shows and changes nothing.
    void CheckDecision(Action action) override;
    // Asks for the Hi-Lo running count and judges the answer the same way.
    void CountCheck() override;

    // The Master Course's lessons judge by the chart and the index plays (IndexCoach).
    IndexCoach& index() { return index_; }
    void ArrangeDeal() override;
    void DecisionAwaited() override;
    void CheckInsurance(bool taken) override;

  private:
    Decision Judged(Action action) const;
    void Verdict(bool right, std::string_view correction);

    Table& table_;
    const StrategyTable& chart_;
    IndexCoach index_;
    Clock clock_ = [] { return std::chrono::steady_clock::now(); };
};

}  // namespace vantrel
