#include "engine/shoe.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace vantrel {
namespace {

int Total(const Shoe& shoe) {
    int total = 0;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank) total += shoe.count(suit, rank);
    return total;
}

struct CutCase {
    int decks;
    int penetration;
    int cut;
    int playableDecks;
};

class ShoeRefill : public ::testing::TestWithParam<CutCase> {};

TEST_P(ShoeRefill, FillsEveryCellAndSetsTheCut) {
    const CutCase& c = GetParam();
    Shoe shoe;
    shoe.runningCount = 7;
    shoe.roundsSinceShuffle = 12;
    shoe.Refill(c.decks, c.penetration);
    EXPECT_EQ(shoe.cardsToCut, c.cut);
    EXPECT_EQ(shoe.decks(), c.playableDecks);
    EXPECT_EQ(Total(shoe), 52 * c.playableDecks);
    EXPECT_EQ(shoe.count(4, 13), c.playableDecks);
    EXPECT_EQ(shoe.runningCount, 0);
    EXPECT_EQ(shoe.roundsSinceShuffle, 0);
}

INSTANTIATE_TEST_SUITE_P(Settings, ShoeRefill,
                         ::testing::Values(CutCase{6, 60, 187, 6}, CutCase{1, 60, 31, 1},
                                           CutCase{8, 75, 312, 8},
                                           // A deck setting below one plays as one deck.
                                           CutCase{0, 60, 31, 1}, CutCase{-3, 60, 31, 1},
                                           CutCase{INT_MAX, 100, 52000, 1000},
                                           // No 32-bit overflow in the cut.
                                           CutCase{6, INT_MAX, INT_MAX, 6},
                                           CutCase{6, INT_MIN, INT_MIN / 2, 6}));

// A shoe holding exactly the given cards.
Shoe ShoeOf(std::initializer_list<std::pair<Card, int>> cells) {
    Shoe shoe;
    shoe.Refill(1, 60);
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank) shoe.SetCount(suit, rank, 0);
    for (const auto& [card, count] : cells) shoe.SetCount(card.suit, card.rank, count);
    return shoe;
}

TEST(Shoe, DrawsEveryRemainingCardWithEqualChance) {
    // One ace and 99 kings: the ace must come about once in 100 draws, not once in two as a
    // pick among the non-empty cells would give.
    Random random(11);
    const int trials = 20000;
    int aces = 0;
    for (int trial = 0; trial < trials; ++trial) {
        Shoe shoe = ShoeOf({{Card{1, 1}, 1}, {Card{4, 13}, 99}});
        if (shoe.DrawCard(random).rank == 1) ++aces;
    }
    EXPECT_NEAR(aces, trials / 100.0, 5 * std::sqrt(trials / 100.0));

    // Over a full shoe each rank's share matches its count.
    Shoe shoe;
    shoe.Refill(1000, 100);
    std::array<int, 14> seen{};
    const int draws = 130000;
    for (int i = 0; i < draws; ++i) ++seen[shoe.DrawCard(random).rank];
    for (int rank = 1; rank <= 13; ++rank)
        EXPECT_NEAR(seen[rank], draws / 13.0, 5 * std::sqrt(draws / 13.0)) << "rank " << rank;
}

TEST(Shoe, NeverDrawsFromAnEmptyCellAndNeverGoesBelowZero) {
    Random random(5);
    Shoe shoe = ShoeOf({{Card{2, 5}, 1}});
    EXPECT_EQ(shoe.DrawCard(random), (Card{2, 5}));
    EXPECT_EQ(shoe.count(2, 5), 0);
    EXPECT_EQ(shoe.CardsLeft(), 0);
    // A dry shoe is refilled and the deal goes on.
    const Card next = shoe.DrawCard(random);
    EXPECT_FALSE(next.empty());
    EXPECT_EQ(shoe.CardsLeft(), 51);
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank) EXPECT_GE(shoe.count(suit, rank), 0);
}

TEST(Shoe, RunningCountFollowsHiLo) {
    Shoe shoe;
    // Low cards add one, tens and aces take one, 7 to 9 count nothing.
    const std::pair<int, int> dealt[] = {{2, 1}, {3, 2}, {4, 3}, {5, 4},  {6, 5},  {13, 4}, {1, 3},
                                         {7, 3}, {8, 3}, {9, 3}, {10, 2}, {11, 1}, {12, 0}};
    for (const auto& [rank, count] : dealt) {
        shoe.Count(Card{1, rank});
        EXPECT_EQ(shoe.runningCount, count) << "after rank " << rank;
    }
}

}  // namespace
}  // namespace vantrel
