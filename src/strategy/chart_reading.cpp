#include "strategy/chart_reading.h"

#include <algorithm>

namespace vantrel::strategy {

namespace {

int PairCardValue(const CardCounts& hand) {
    for (int value = 1; value <= 10; ++value) {
        if (hand.n[value] == 2) return value;
    }
    return 0;
}

}  // namespace

int ChartAdvice(const StrategyTable& chart, const CardCounts& hand, bool pair, int up) {
    int code = 0;
    const int hard = hand.EncodedTotal() % 100;
    if (pair) {
        code = chart.pair[PairCardValue(hand)][up];
    } else if (hand.n[kAce] > 0 && hard <= 11) {
        code = chart.soft[std::clamp(hard - 1, 2, 8)][up];
    } else {
        code = chart.hard[std::clamp(hard, 8, 17)][up];
    }
    if (hand.size > 2 && code == kChartDouble) return kChartHit;
    if (hand.size > 2 && code == kChartDoubleElseStand) return kChartStand;
    return code;
}

}  // namespace vantrel::strategy
