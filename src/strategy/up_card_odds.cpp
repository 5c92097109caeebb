#include "strategy/up_card_odds.h"

namespace vantrel::strategy {

UpCardOdds::UpCardOdds(const ShoeModel& shoe, int up) : shoe_(shoe), up_(up), graph_(up) {}

double UpCardOdds::NoBlackjack(const CardCounts& out) const {
    if (up_ == kAce) return 1.0 - Chance(kTen, out);
    if (up_ == kTen) return 1.0 - Chance(kAce, out);
    return 1.0;
}

const DealerOdds& UpCardOdds::Dealer(const CardCounts& out) {
    // With an infinite deck the odds never depend on the cards out.
    const std::uint64_t key = shoe_.infinite() ? 0 : out.Key();
    auto found = cache_.find(key);
    if (found == cache_.end()) found = cache_.emplace(key, graph_.Odds(shoe_, out)).first;
    return found->second;
}

}  // namespace vantrel::strategy
