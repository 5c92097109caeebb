#include "strategy/chart_play.h"

#include "strategy/chart_reading.h"
#include "strategy/draw.h"

namespace vantrel::strategy {

double ChartPlay::Stand(const CardCounts& hand) {
    return odds_.Stand(hand.Plus(extra_), BestOf(hand));
}

double ChartPlay::Play(const CardCounts& hand) {
    if (BestOf(hand) == 21) return Stand(hand);
    const std::uint64_t key = hand.Key();
    if (auto found = played_.find(key); found != played_.end()) return found->second;
    const double value = Follow(hand, ChartAdvice(chart_, hand, false, odds_.up()));
    played_.emplace(key, value);
    return value;
}

double ChartPlay::Follow(const CardCounts& hand, int code) {
    switch (code) {
        case kChartHit:
            return DrawOne(odds_, hand, extra_,
                           [this](const CardCounts& after) { return Play(after); });
        case kChartDouble:
        case kChartDoubleElseStand:
            return 2.0 * DrawOne(odds_, hand, extra_,
                                 [this](const CardCounts& after) { return Stand(after); });
        default:
            return Stand(hand);
    }
}

}  // namespace vantrel::strategy
