#include "calc/optimal_play.h"

#include <algorithm>

#include "calc/draw.h"

namespace vantrel::lab {

double OptimalPlay::Stand(const CardCounts& hand) {
    return odds_.Stand(hand.Plus(extra_), BestOf(hand));
}

double OptimalPlay::Hit(const CardCounts& hand) {
    return DrawOne(odds_, hand, extra_, [this](const CardCounts& after) { return Play(after); });
}

double OptimalPlay::Double(const CardCounts& hand) {
    return 2.0 *
           DrawOne(odds_, hand, extra_, [this](const CardCounts& after) { return Stand(after); });
}

double OptimalPlay::Play(const CardCounts& hand) {
    if (BestOf(hand) == 21) return Stand(hand);
    const std::uint64_t key = hand.Key();
    if (auto found = played_.find(key); found != played_.end()) return found->second;
    const double value = std::max(Stand(hand), Hit(hand));
    played_.emplace(key, value);
    return value;
}

double OptimalPlay::PlayTwoCards(const CardCounts& hand) {
    if (BestOf(hand) == 21) return Stand(hand);
    return std::max(Play(hand), Double(hand));
}

}  // namespace vantrel::lab
