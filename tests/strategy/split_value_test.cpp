#include "strategy/split_value.h"

#include <numeric>

#include <gtest/gtest.h>

#include "strategy/starting_hands.h"

namespace vantrel::strategy {
namespace {

// With the pair card half of the time, walked by hand: two hands when neither of the first two
// draws is the pair card (1/4); three after one re-split and then no pair card (1/16 + 1/16);
// else four.
TEST(ExpectSplitHands, CountsReSplitsUpToFourHands) {
    EXPECT_DOUBLE_EQ(ExpectSplitHands(0.0).open, 2.0);
    EXPECT_DOUBLE_EQ(ExpectSplitHands(0.0).paired, 0.0);
    EXPECT_DOUBLE_EQ(ExpectSplitHands(1.0).open, 0.0);
    EXPECT_DOUBLE_EQ(ExpectSplitHands(1.0).paired, 4.0);
    const SplitHands hands = ExpectSplitHands(0.5);
    EXPECT_DOUBLE_EQ(hands.open + hands.paired, 0.25 * 2 + 0.125 * 3 + 0.625 * 4);
    EXPECT_GT(hands.paired, 0.0);
}

TEST(PairRankChance, CountsOnlyTheTensOfOneRank) {
    const ShoeModel shoe(6);
    UpCardOdds againstSix(shoe, 6);
    EXPECT_DOUBLE_EQ(PairRankChance(againstSix, 8), 22.0 / 309.0);
    EXPECT_DOUBLE_EQ(PairRankChance(againstSix, kTen), 22.0 / 309.0);
    UpCardOdds againstTen(shoe, kTen);
    EXPECT_DOUBLE_EQ(PairRankChance(againstTen, kTen), 21.75 / 309.0);
}

class StartingHandsTest : public testing::TestWithParam<int> {};

TEST_P(StartingHandsTest, ChancesAddUpToOne) {
    const ShoeModel shoe(GetParam());
    for (int up = 1; up <= 10; ++up) {
        const std::vector<StartingHand> hands = StartingHands(shoe, up);
        const double total =
            std::accumulate(hands.begin(), hands.end(), 0.0,
                            [](double sum, const StartingHand& hand) { return sum + hand.chance; });
        EXPECT_NEAR(total, 1.0, 1e-12) << "up " << up;
    }
}

INSTANTIATE_TEST_SUITE_P(Shoes, StartingHandsTest, testing::Values(0, 1, 6));

TEST(StartingHands, TwoTensOfOneRankAreAQuarterOfTwoTensInAnInfiniteDeck) {
    double pair = 0.0;
    double plain = 0.0;
    for (const StartingHand& hand : StartingHands(ShoeModel(0), 6)) {
        if (hand.first == kTen && hand.second == kTen) (hand.pair ? pair : plain) += hand.chance;
    }
    EXPECT_DOUBLE_EQ(pair, 4.0 / 169.0);
    EXPECT_DOUBLE_EQ(plain, 12.0 / 169.0);
}

}  // namespace
}  // namespace vantrel::strategy
