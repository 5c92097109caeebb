#pragma once

#include "engine/hand.h"
#include "strategy/card_counts.h"
#include "strategy/up_card_odds.h"

namespace vantrel::strategy {

// A hand's best total, counted as the table counts it.
inline int BestOf(const CardCounts& hand) {
    return BestTotal(hand.EncodedTotal());
}

// The value of drawing one card to `hand` and going on with `next` for the new hand; a bust
// loses the bet. `extra` are further cards out of the shoe beside the hand (a split's pair card).
template <class Next>
double DrawOne(UpCardOdds& odds, const CardCounts& hand, const CardCounts& extra, Next&& next) {
    const CardCounts out = hand.Plus(extra);
    double value = 0.0;
    for (int card = 1; card <= 10; ++card) {
        const double chance = odds.Chance(card, out);
        if (chance == 0.0) continue;
        const CardCounts after = hand.With(card);
        value += chance * (BestOf(after) > 21 ? -odds.NoBlackjack(out.With(card)) : next(after));
    }
    return value;
}

}  // namespace vantrel::strategy
