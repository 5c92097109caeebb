#pragma once

#include <array>
#include <climits>
#include <vector>

#include "engine/card.h"
#include "engine/random.h"

namespace vantrel {

// The cards not yet dealt, with the cut countdown and the Hi-Lo running count. The shoe has no
// order: shuffling refills it, and a draw picks any card left.
class Shoe {
  public:
    using Counts = std::array<std::array<int, 14>, 5>;

    // Cards that may still be dealt before the cut; negative once the cut has been passed.
    int cardsToCut = 0;
    // Hi-Lo count of every card dealt since the last shuffle.
    int runningCount = 0;
    // Rounds dealt since the last shuffle.
    int roundsSinceShuffle = 0;

    // The shoe's part of a shuffle: every cell to the deck count, a new cut, count and rounds
    // back to 0. A deck setting below 1 plays as one deck; the cut cannot overflow.
    void Refill(int deckSetting, int penetrationPercent);

    // Deals one card, every remaining card equally likely. A shoe that has run dry (possible only
    // with a penetration near 100 per cent) is refilled silently so that the deal goes on.
    Card DrawCard(Random& random) {
        if (HasStackedCards() || cards_.empty()) [[unlikely]]
            return DrawStackedOrRefill(random);
        // Every card left is equally likely; which place in cards_ it has does not matter.
        return TakeAt(static_cast<std::size_t>(random.RandomBelow(CardsLeft())));
    }

    // Applies the counting rule to a card at the moment it is dealt.
    void Count(const Card& card) { runningCount += HiLoValue(card.rank); }

    // Puts cards on top of the shoe: the next draws deal exactly these, in this order.
    // Used to set up demonstrations and by tests.
    void StackCards(const std::vector<Card>& cards);
    bool HasStackedCards() const { return nextStacked_ < stacked_.size(); }

    // Cards of each suit and rank still in the shoe, indexed [1..4][1..13]. Counted when asked:
    // a draw need not keep them.
    Counts counts() const;
    int count(int suit, int rank) const;
    // Sets what one cell holds, e.g. to set up a particular shoe.
    void SetCount(int suit, int rank, int cards);

    int decks() const { return decks_; }
    int CardsLeft() const { return static_cast<int>(cards_.size()); }

    static int PlayableDecks(int deckSetting);

  private:
    void Fill();
    void TakeFromCell(int suit, int rank);
    Card DrawStackedOrRefill(Random& random);
    // Takes the card at `index` of cards_ out of the shoe.
    Card TakeAt(std::size_t index) {
        const Card card = cards_[index];
        cards_[index] = cards_.back();
        cards_.pop_back();
        if (cardsToCut > kCutFloor) [[likely]]
            --cardsToCut;
        return card;
    }
    // The cut countdown stops here, far below zero, so that it never overflows.
    static constexpr int kCutFloor = INT_MIN / 2;

    // The cards one by one, in no particular order, so that a draw is one pick by index.
    std::vector<Card> cards_;
    int decks_ = 0;
    std::vector<Card> stacked_;
    size_t nextStacked_ = 0;
};

}  // namespace vantrel
