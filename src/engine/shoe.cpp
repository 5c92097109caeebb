#include "engine/shoe.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace vantrel {

namespace {
// Far beyond any real shoe; keeps the card total well inside 32 bits.
constexpr int kMaxDecks = 1000;

constexpr std::array<Card, 52> MakeDeck() {
    std::array<Card, 52> deck{};
    for (int card = 0; card < 52; ++card) deck[card] = Card{card / 13 + 1, card % 13 + 1};
    return deck;
}
// One deck; a shoe is filled with copies of it.
constexpr std::array<Card, 52> kDeck = MakeDeck();
}  // namespace

int Shoe::PlayableDecks(int deckSetting) {
    return std::clamp(deckSetting, 1, kMaxDecks);
}

void Shoe::Refill(int deckSetting, int penetrationPercent) {
    decks_ = PlayableDecks(deckSetting);
    Fill();
    const std::int64_t cut = std::int64_t{decks_} * penetrationPercent * 52 / 100;
    cardsToCut = static_cast<int>(std::clamp<std::int64_t>(cut, kCutFloor, INT_MAX));
    roundsSinceShuffle = 0;
    runningCount = 0;
}

Shoe::Counts Shoe::counts() const {
    Counts counts{};
    for (const Card& card : cards_) ++counts[card.suit][card.rank];
    return counts;
}

int Shoe::count(int suit, int rank) const {
    return static_cast<int>(std::count(cards_.begin(), cards_.end(), Card{suit, rank}));
}

void Shoe::Fill() {
    // Appended deck by deck rather than resized and overwritten: a resize would first set every
    // new place to an empty card.
    cards_.clear();
    for (int deck = 0; deck < decks_; ++deck)
        cards_.insert(cards_.end(), kDeck.begin(), kDeck.end());
}

void Shoe::TakeFromCell(int suit, int rank) {
    const auto found = std::find(cards_.begin(), cards_.end(), Card{suit, rank});
    if (found != cards_.end()) {
        TakeAt(static_cast<std::size_t>(found - cards_.begin()));
    } else if (cardsToCut > kCutFloor) {
        --cardsToCut;  // a stacked card that is not in the shoe still counts toward the cut
    }
}

Card Shoe::DrawStackedOrRefill(Random& random) {
    if (HasStackedCards()) {
        const Card card = stacked_[nextStacked_++];
        TakeFromCell(card.suit, card.rank);
        return card;
    }
    if (decks_ == 0) decks_ = 1;
    Fill();
    return TakeAt(static_cast<std::size_t>(random.RandomBelow(CardsLeft())));
}

void Shoe::SetCount(int suit, int rank, int cards) {
    std::erase(cards_, Card{suit, rank});
    cards_.insert(cards_.end(), std::max(cards, 0), Card{suit, rank});
}

void Shoe::StackCards(const std::vector<Card>& cards) {
    stacked_.erase(stacked_.begin(), stacked_.begin() + static_cast<long>(nextStacked_));
    nextStacked_ = 0;
    stacked_.insert(stacked_.end(), cards.begin(), cards.end());
}

}  // namespace vantrel
