#pragma once

#include <cstdint>
#include <unordered_map>

#include "strategy/card_counts.h"
#include "strategy/dealer_odds.h"
#include "strategy/shoe_model.h"

namespace vantrel::strategy {

// Everything about the shoe and the dealer for one dealer up card, seen from the player's side:
// `out` is always the cards the player's side has taken out of the shoe (the up card is added
// here). The dealer's odds are remembered per `out`, since many hands share them.
class UpCardOdds {
  public:
    UpCardOdds(const ShoeModel& shoe, int up);

    int up() const { return up_; }
    const ShoeModel& shoe() const { return shoe_; }

    // The chance that the next card the player draws has this value.
    double Chance(int value, const CardCounts& out) const {
        return shoe_.Chance(value, out.n[value] + (value == up_ ? 1 : 0), out.size + 1);
    }
    // The chance that the dealer's hole card makes no blackjack.
    double NoBlackjack(const CardCounts& out) const;
    const DealerOdds& Dealer(const CardCounts& out);
    // Standing on `playerTotal`, jointly with no dealer blackjack.
    double Stand(const CardCounts& out, int playerTotal) {
        return Dealer(out).StandValue(playerTotal);
    }

  private:
    const ShoeModel& shoe_;
    int up_;
    DealerGraph graph_;
    std::unordered_map<std::uint64_t, DealerOdds> cache_;
};

}  // namespace vantrel::strategy
