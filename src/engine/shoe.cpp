#include "engine/shoe.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace vantrel {

namespace {
// Far beyond any real shoe; keeps the card total well inside 32 bits.
constexpr int kMaxDecks = 1000;
}  // namespace

int Shoe::PlayableDecks(int deckSetting) {
    return std::clamp(deckSetting, 1, kMaxDecks);
}

void Shoe::Refill(int deckSetting, int penetrationPercent) {
    decks_ = PlayableDecks(deckSetting);
    FillCounts();
    const std::int64_t cut = std::int64_t{decks_} * penetrationPercent * 52 / 100;
    cardsToCut = static_cast<int>(std::clamp<std::int64_t>(cut, INT_MIN / 2, INT_MAX));
    roundsSinceShuffle = 0;
    runningCount = 0;
}

void Shoe::FillCounts() {
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank) counts_[suit][rank] = decks_;
    cardsLeft_ = decks_ * 52;
}

void Shoe::TakeFromCell(int suit, int rank) {
    const bool inShoe = suit >= 1 && suit <= 4 && rank >= 1 && rank <= 13;
    if (inShoe && counts_[suit][rank] > 0) {
        --counts_[suit][rank];
        --cardsLeft_;
    }
    if (cardsToCut > INT_MIN / 2) --cardsToCut;
}

Card Shoe::DrawCard(Random& random) {
    if (HasStackedCards()) {
        const Card card = stacked_[nextStacked_++];
        TakeFromCell(card.suit, card.rank);
        return card;
    }
    if (cardsLeft_ <= 0) {
        if (decks_ == 0) decks_ = 1;
        FillCounts();
    }
    int pick = random.RandomBelow(cardsLeft_);
    for (int suit = 1; suit <= 4; ++suit) {
        for (int rank = 1; rank <= 13; ++rank) {
            if (pick < counts_[suit][rank]) {
                TakeFromCell(suit, rank);
                return Card{suit, rank};
            }
            pick -= counts_[suit][rank];
        }
    }
    return Card{};  // unreachable while cardsLeft_ matches the counts
}

void Shoe::SetCount(int suit, int rank, int cards) {
    cardsLeft_ += cards - counts_[suit][rank];
    counts_[suit][rank] = cards;
}

void Shoe::StackCards(const std::vector<Card>& cards) {
    stacked_.erase(stacked_.begin(), stacked_.begin() + static_cast<long>(nextStacked_));
    nextStacked_ = 0;
    stacked_.insert(stacked_.end(), cards.begin(), cards.end());
}

}  // namespace vantrel
