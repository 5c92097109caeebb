#include "strategy/shoe_ev.h"

#include <algorithm>

#include "strategy/draw.h"

namespace vantrel::strategy {

namespace {

// Whether the shoe holds every card of the hand beside the up card.
bool ShoeHolds(const ShoeModel& shoe, const CardCounts& hand, int up) {
    for (int value = 1; value <= 10; ++value) {
        if (hand.n[value] + (value == up ? 1 : 0) > shoe.Left(value)) return false;
    }
    return true;
}

}  // namespace

std::optional<CardCounts> HandCounts(std::span<const Card> hand) {
    CardCounts cards;
    for (const Card& card : hand) {
        if (card.rank < 1 || card.rank > 13) return std::nullopt;
        cards = cards.With(std::min(card.rank, kTen));
    }
    return cards;
}

// The hand's cards, unless a decision never faces it: fewer than two cards, or a 21 or a bust
// reached on the way, which ends the hand.
std::optional<CardCounts> DecisionHand(std::span<const Card> hand) {
    if (hand.size() < 2) return std::nullopt;
    for (std::size_t size = 2; size <= hand.size(); ++size) {
        const std::optional<CardCounts> cards = HandCounts(hand.first(size));
        if (!cards || BestOf(*cards) >= 21) return std::nullopt;
    }
    return HandCounts(hand);
}

ShoeEv::ShoeEv(const ShoeCounts& shoe) : lab_(shoe) {}

OptimalPlay& ShoeEv::Play(int up) {
    if (!plays_[up]) plays_[up] = std::make_unique<OptimalPlay>(lab_.Odds(up));
    return *plays_[up];
}

double ShoeEv::Split(int up, int pairValue) {
    std::optional<double>& split = splits_[up][pairValue];
    if (!split) split = OptimalSplit(lab_.Odds(up), pairValue);
    return *split;
}

std::optional<ActionValues> ShoeEv::Values(std::span<const Card> hand, int upValue) {
    if (upValue < 1 || upValue > 10) return std::nullopt;
    const std::optional<CardCounts> cards = DecisionHand(hand);
    if (!cards || !ShoeHolds(lab_.shoe(), *cards, upValue)) return std::nullopt;

    OptimalPlay& play = Play(upValue);
    const double noBlackjack = lab_.Odds(upValue).NoBlackjack(*cards);
    if (noBlackjack <= 0.0) return std::nullopt;  // the hole card is sure to make a blackjack
    ActionValues values;
    values.hit = play.Hit(*cards) / noBlackjack;
    values.stand = play.Stand(*cards) / noBlackjack;
    if (hand.size() == 2) {
        values.doubleDown = play.Double(*cards) / noBlackjack;
        if (hand[0].rank == hand[1].rank)
            values.split = Split(upValue, std::min(hand[0].rank, kTen)) / noBlackjack;
    }
    return values;
}

std::optional<double> ShoeEv::Insurance(std::span<const Card> hand) const {
    const std::optional<CardCounts> cards = HandCounts(hand);
    if (!cards || !ShoeHolds(lab_.shoe(), *cards, kAce)) return std::nullopt;
    const int left = lab_.shoe().Left() - 1 - cards->size;
    if (left <= 0) return std::nullopt;
    const int tens = lab_.shoe().Left(kTen) - cards->n[kTen];
    return 3.0 * tens / left - 1.0;
}

}  // namespace vantrel::strategy
