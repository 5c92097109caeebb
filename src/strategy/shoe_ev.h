#pragma once

#include <array>
#include <memory>
#include <optional>
#include <span>

#include "engine/card.h"
#include "strategy/chart_lab.h"
#include "strategy/hand_ev.h"
#include "strategy/optimal_play.h"
#include "strategy/shoe_model.h"

namespace vantrel::strategy {

// The exact values of the actions for any shoe, such as one part-dealt, given by the cards of each
// value it holds before the up card and the hand come out of it. The table's rules and the ways
// of valuing are HandEv's, which asks this for a shoe of full decks: split hands are valued with
// only the pair cards out of the shoe, not the other split hands' cards, and the chance of
// drawing the pair's rank again stays fixed.
//
// What a question works out is kept per up card, so the first question against an up card costs
// most (`vantrel-lab bench --ev`) and later ones a few microseconds. Not synchronised.
class ShoeEv {
  public:
    explicit ShoeEv(const ShoeCounts& shoe);
    ShoeEv(const ShoeEv&) = delete;
    ShoeEv& operator=(const ShoeEv&) = delete;

    const ShoeCounts& counts() const { return lab_.shoe().counts(); }

    // The values for `hand` (only its ranks count) against an up card of `upValue` (1 an ace,
    // 2..10), given that the dealer has no blackjack. Nothing for a hand no decision faces (fewer
    // than two cards, 21 or more, a rank out of range) or one the shoe cannot deal.
    std::optional<ActionValues> Values(std::span<const Card> hand, int upValue);

    // The insurance bet against an ace up, per unit insured: it wins 2 when the hole card is a
    // ten and loses 1 otherwise, so 3 p - 1 with p the chance of a ten once the ace and `hand` are
    // out of the shoe. Nothing when the shoe cannot deal them.
    std::optional<double> Insurance(std::span<const Card> hand) const;

  private:
    OptimalPlay& Play(int up);
    double Split(int up, int pairValue);

    ChartLab lab_;
    std::array<std::unique_ptr<OptimalPlay>, 11> plays_;
    std::array<std::array<std::optional<double>, 11>, 11> splits_;  // [up][pair value]
};

// The hand's cards by value; nothing when a rank is out of range.
std::optional<CardCounts> HandCounts(std::span<const Card> hand);

}  // namespace vantrel::strategy
