// The calculator for any shoe: the full shoe as a special case, the direction a missing rank moves
// a play, and the insurance bet.
#include "strategy/shoe_ev.h"

#include <vector>

#include <gtest/gtest.h>

namespace vantrel::strategy {
namespace {

std::vector<Card> HandOf(std::initializer_list<int> ranks) {
    std::vector<Card> hand;
    for (int rank : ranks) hand.push_back(Card{static_cast<int>(hand.size() % 4) + 1, rank});
    return hand;
}

class FullShoe : public testing::TestWithParam<int> {};

// Every two-card hand against every up card, every action.
TEST_P(FullShoe, GivesTheFullDecksValuesInEveryCell) {
    const int decks = GetParam();
    ShoeEv shoe(FullDecks(decks));
    HandEv full;
    for (int up = 1; up <= 10; ++up) {
        for (int first = 1; first <= 10; ++first) {
            for (int second = first; second <= 10; ++second) {
                const std::vector<Card> hand = HandOf({first, second});
                const auto expected = full.Values(hand, up, decks);
                const auto values = shoe.Values(hand, up);
                ASSERT_EQ(values.has_value(), expected.has_value()) << first << second << up;
                if (!expected) continue;
                EXPECT_EQ(values->hit, expected->hit) << first << second << up;
                EXPECT_EQ(values->stand, expected->stand) << first << second << up;
                EXPECT_EQ(values->doubleDown, expected->doubleDown) << first << second << up;
                EXPECT_EQ(values->split, expected->split) << first << second << up;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Decks, FullShoe, testing::Values(1, 2, 6));

// A five is the card that most helps a 16 that hits: without them, standing gains on hitting.
TEST(ShoeEv, WithoutFivesSixteenAgainstTenLeansToStanding) {
    ShoeCounts noFives = FullDecks(6);
    noFives[5] = 0;
    const std::vector<Card> hand = HandOf({10, 6});
    const ActionValues full = *ShoeEv(FullDecks(6)).Values(hand, 10);
    const ActionValues without = *ShoeEv(noFives).Values(hand, 10);
    EXPECT_GT(without.stand - without.hit, full.stand - full.hit + 0.02);
}

TEST(ShoeEv, InsuranceIsThreeTimesTheTensShareLessOne) {
    const struct {
        ShoeCounts shoe;
        std::vector<Card> hand;
    } rows[] = {{FullDecks(6), HandOf({10, 6})},
                {{0, 3, 5, 5, 5, 5, 5, 5, 5, 5, 40}, HandOf({8, 8})},
                {{0, 1, 0, 0, 0, 0, 0, 0, 0, 2, 1}, HandOf({9, 9})}};
    for (const auto& row : rows) {
        int left = -1;  // the ace up
        for (int value = 1; value <= 10; ++value) left += row.shoe[value];
        left -= static_cast<int>(row.hand.size());
        const int tens = row.shoe[kTen] - (row.hand[0].rank == 10 ? 1 : 0);
        EXPECT_DOUBLE_EQ(*ShoeEv(row.shoe).Insurance(row.hand),
                         static_cast<double>(tens) / left * 3.0 - 1.0);
    }
}

}  // namespace
}  // namespace vantrel::strategy
