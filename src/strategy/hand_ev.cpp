#include "strategy/hand_ev.h"

#include <algorithm>
#include <array>

#include "engine/shoe.h"
#include "strategy/chart_lab.h"
#include "strategy/draw.h"
#include "strategy/optimal_play.h"

namespace vantrel::strategy {

namespace {

// Enough for a student who switches between a few DECK settings without working them out anew,
// while a caller asking for every DECK in turn cannot fill the memory.
constexpr std::size_t kKeptShoes = 4;

// Whether the shoe holds every card of the hand beside the up card.
bool ShoeHolds(const ShoeModel& shoe, const CardCounts& hand, int up) {
    for (int value = 1; value <= 10; ++value) {
        if (hand.n[value] + (value == up ? 1 : 0) > shoe.Left(value)) return false;
    }
    return true;
}

}  // namespace

double ActionValues::Best() const {
    return std::max({hit, stand, doubleDown.value_or(hit), split.value_or(hit)});
}

std::optional<double> ActionValues::Of(Action action) const {
    switch (action) {
        case Action::Hit:
            return hit;
        case Action::Stand:
            return stand;
        case Action::DoubleDown:
            return doubleDown;
        case Action::Split:
            return split;
    }
    return std::nullopt;
}

// What has been worked out for one number of decks: the dealer's odds and the best play of every
// hand asked about so far, per up card. Values are jointly with no dealer blackjack.
struct HandEv::ShoeValues {
    explicit ShoeValues(int decks) : lab(decks) {}

    OptimalPlay& Play(int up) {
        if (!plays[up]) plays[up] = std::make_unique<OptimalPlay>(lab.Odds(up));
        return *plays[up];
    }
    double Split(int up, int pairValue) {
        std::optional<double>& split = splits[up][pairValue];
        if (!split) split = OptimalSplit(lab.Odds(up), pairValue);
        return *split;
    }

    ChartLab lab;
    std::array<std::unique_ptr<OptimalPlay>, 11> plays;
    std::array<std::array<std::optional<double>, 11>, 11> splits;  // [up][pair value]
};

HandEv::HandEv() = default;
HandEv::~HandEv() = default;

HandEv::ShoeValues& HandEv::ValuesFor(int decks) {
    auto found = std::find_if(shoes_.begin(), shoes_.end(), [decks](const auto& shoe) {
        return shoe->lab.shoe().decks() == decks;
    });
    if (found == shoes_.end()) {
        if (shoes_.size() == kKeptShoes) shoes_.pop_back();
        shoes_.insert(shoes_.begin(), std::make_unique<ShoeValues>(decks));
    } else {
        std::rotate(shoes_.begin(), found, found + 1);
    }
    return *shoes_.front();
}

std::optional<ActionValues> HandEv::Values(std::span<const Card> hand, int upValue, int decks) {
    if (hand.size() < 2 || upValue < 1 || upValue > 10) return std::nullopt;
    CardCounts cards;
    for (const Card& card : hand) {
        if (card.rank < 1 || card.rank > 13) return std::nullopt;
        cards = cards.With(std::min(card.rank, kTen));
        if (BestOf(cards) >= 21) return std::nullopt;  // a 21 ends the hand, as does a bust
    }
    ShoeValues& shoe = ValuesFor(Shoe::PlayableDecks(decks));
    if (!ShoeHolds(shoe.lab.shoe(), cards, upValue)) return std::nullopt;

    OptimalPlay& play = shoe.Play(upValue);
    const double noBlackjack = shoe.lab.Odds(upValue).NoBlackjack(cards);
    ActionValues values;
    values.hit = play.Hit(cards) / noBlackjack;
    values.stand = play.Stand(cards) / noBlackjack;
    if (hand.size() == 2) {
        values.doubleDown = play.Double(cards) / noBlackjack;
        if (hand[0].rank == hand[1].rank) {
            values.split = shoe.Split(upValue, std::min(hand[0].rank, kTen)) / noBlackjack;
        }
    }
    return values;
}

}  // namespace vantrel::strategy
