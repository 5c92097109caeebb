#pragma once

#include <cstdint>
#include <unordered_map>

#include "strategy/card_counts.h"
#include "strategy/up_card_odds.h"

namespace vantrel::strategy {

// The best play of a hand by its exact cards, once splitting is no longer in question. Values are
// per unit bet, jointly with no dealer blackjack (see DealerOdds).
class OptimalPlay {
  public:
    // `extra`: cards out of the shoe beside the hand, e.g. the other card of a split pair.
    explicit OptimalPlay(UpCardOdds& odds, CardCounts extra = {}) : odds_(odds), extra_(extra) {}

    double Stand(const CardCounts& hand);
    // One card, then the better of standing and hitting on.
    double Hit(const CardCounts& hand);
    // One card for twice the bet.
    double Double(const CardCounts& hand);
    // The better of standing and hitting; a 21 stands, as the table ends such a hand.
    double Play(const CardCounts& hand);
    // The same for a hand of two cards, which may also double.
    double PlayTwoCards(const CardCounts& hand);

  private:
    UpCardOdds& odds_;
    CardCounts extra_;
    std::unordered_map<std::uint64_t, double> played_;
};

// The value of splitting a pair of `pairValue`, every split hand played as well as its exact
// cards allow (split aces stand on their one card), per unit of the first bet, jointly with no
// dealer blackjack. See SplitValue for how re-splits are approximated.
double OptimalSplit(UpCardOdds& odds, int pairValue);

}  // namespace vantrel::strategy
