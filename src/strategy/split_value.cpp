#include "strategy/split_value.h"

namespace vantrel::strategy {

namespace {

// One hand of `pending` (each holding a single pair card) draws its second card.
void DrawSecondCard(double chance, int pending, int hands, double pairChance, int maxHands,
                    SplitHands& expected) {
    if (pending == 0 || chance == 0.0) return;
    const double again = chance * pairChance;
    if (hands < maxHands) {
        DrawSecondCard(again, pending + 1, hands + 1, pairChance, maxHands, expected);
    } else {
        expected.paired += again;
        DrawSecondCard(again, pending - 1, hands, pairChance, maxHands, expected);
    }
    const double other = chance * (1.0 - pairChance);
    expected.open += other;
    DrawSecondCard(other, pending - 1, hands, pairChance, maxHands, expected);
}

}  // namespace

SplitHands ExpectSplitHands(double pairChance, int maxHands) {
    SplitHands expected;
    DrawSecondCard(1.0, 2, 2, pairChance, maxHands, expected);
    return expected;
}

double PairRankChance(const UpCardOdds& odds, int pairValue) {
    if (pairValue != kTen) return odds.Chance(pairValue, CardsOf({pairValue, pairValue}));
    // The up card, when a ten, is of the pair's rank one time in four.
    const double outOfRank = 2.0 + (odds.up() == kTen ? 0.25 : 0.0);
    return odds.shoe().RankChance(kTen, outOfRank, 3);
}

}  // namespace vantrel::strategy
