#include "strategy/optimal_play.h"

#include <algorithm>

#include "strategy/draw.h"
#include "strategy/split_value.h"

namespace vantrel::strategy {

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

double OptimalSplit(UpCardOdds& odds, int pairValue) {
    OptimalPlay hands(odds, CardsOf({pairValue}));
    return SplitValue(odds, pairValue, [&](int second) {
        const CardCounts hand = CardsOf({pairValue, second});
        // A hand of split aces gets its one card and stands.
        return pairValue == kAce ? hands.Stand(hand) : hands.PlayTwoCards(hand);
    });
}

}  // namespace vantrel::strategy
