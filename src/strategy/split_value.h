#pragma once

#include "strategy/card_counts.h"
#include "strategy/up_card_odds.h"

namespace vantrel::strategy {

inline constexpr int kMaxHands = 4;

// Expected numbers of finished hands after splitting a pair, when every hand that draws the
// pair's rank again is re-split while fewer than `maxHands` hands are on the table: `open` hands
// drew another second card, `paired` drew the pair's rank when no more splits were allowed.
// The chance of drawing the pair's rank is held at `pairChance` for every hand.
struct SplitHands {
    double open = 0.0;
    double paired = 0.0;
};
SplitHands ExpectSplitHands(double pairChance, int maxHands = kMaxHands);

// The chance that a split hand's second card is of the pair's rank, with the up card and both
// cards of the pair out of the shoe (for tens, one rank of the four).
double PairRankChance(const UpCardOdds& odds, int pairValue);

// The value of splitting a pair of `pairValue`, re-splits included. `hand(second)` is the value of
// one split hand holding a pair card and `second`, played on without a further split, with both
// pair cards out of the shoe. Approximation: each split hand is valued on that shoe, so the cards
// of the other split hands are not taken out, and the re-split chance stays fixed.
template <class HandValue>
double SplitValue(UpCardOdds& odds, int pairValue, HandValue&& hand) {
    const CardCounts out = CardsOf({pairValue, pairValue});
    double anySecond = 0.0;
    for (int card = 1; card <= 10; ++card) {
        const double chance = odds.Chance(card, out);
        if (chance > 0.0) anySecond += chance * hand(card);
    }
    const double pairChance = PairRankChance(odds, pairValue);
    const double paired = hand(pairValue);
    const double open =
        pairChance < 1.0 ? (anySecond - pairChance * paired) / (1.0 - pairChance) : 0.0;
    const SplitHands hands = ExpectSplitHands(pairChance);
    return hands.open * open + hands.paired * paired;
}

}  // namespace vantrel::strategy
