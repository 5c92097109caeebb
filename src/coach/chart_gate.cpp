#include "coach/chart_gate.h"

#include <chrono>

namespace vantrel {

namespace {
// How long the screen may stand still at a time while the chart is awaited.
constexpr int kPollMs = 10;
}  // namespace

void ChartGate::CheckDecision(Action action) {
    TakeChart();
    coach_.CheckDecision(action);
}

void ChartGate::TakeChart() {
    if (!pending_.valid()) return;
    // The chart is worked out from the set-up at the latest, which takes four seconds of
    // balloons, in well under a second: this wait is almost never needed. A visit left meanwhile
    // ends it through the table's wait.
    while (pending_.wait_for(std::chrono::milliseconds(kPollMs)) != std::future_status::ready)
        table_.Wait(kPollMs);
    try {
        chart_ = pending_.get();
    } catch (...) {
        // Only when memory ran out working it out: the check keeps the chart it was given.
    }
    pending_ = {};
}

}  // namespace vantrel
