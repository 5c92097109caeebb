#include "strategy/starting_hands.h"

namespace vantrel::strategy {

namespace {

// Two ten-valued cards of one rank, with the up card out of the shoe.
double SameRankTensChance(const ShoeModel& shoe, int up) {
    if (shoe.infinite()) return 4.0 / 169.0;
    const double perRank = shoe.TensPerRank();
    const double shoeLeft = shoe.Left() - 1.0;
    // Summed over the four ranks; a ten up card takes one card from one of them.
    const double sameRankPairs = up == kTen
                                     ? (perRank - 1) * (perRank - 2) + 3 * perRank * (perRank - 1)
                                     : 4 * perRank * (perRank - 1);
    return sameRankPairs / (shoeLeft * (shoeLeft - 1));
}

}  // namespace

std::vector<StartingHand> StartingHands(const ShoeModel& shoe, int up) {
    const CardCounts upOut = CardsOf({up});
    std::vector<StartingHand> hands;
    for (int first = 1; first <= 10; ++first) {
        const double firstChance = shoe.Chance(first, upOut);
        for (int second = first; second <= 10; ++second) {
            const double both = firstChance * shoe.Chance(second, upOut.With(first));
            if (first != second) {
                hands.push_back({first, second, false, 2.0 * both});
            } else if (first != kTen) {
                hands.push_back({first, second, true, both});
            } else {
                const double sameRank = SameRankTensChance(shoe, up);
                hands.push_back({first, second, true, sameRank});
                hands.push_back({first, second, false, both - sameRank});
            }
        }
    }
    return hands;
}

}  // namespace vantrel::strategy
