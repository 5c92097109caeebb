#include "strategy/hand_ev.h"

#include <algorithm>
#include <map>
#include <vector>

#include <gtest/gtest.h>

#include "strategy/chart_calculator.h"
#include "strategy/starting_hands.h"

namespace vantrel::strategy {
namespace {

std::vector<Card> HandOf(const std::vector<int>& ranks) {
    std::vector<Card> hand;
    for (int rank : ranks) hand.push_back(Card{static_cast<int>(hand.size() % 4) + 1, rank});
    return hand;
}

class HandEvAgainstTheChart : public testing::TestWithParam<int> {};

// `vantrel-lab chart --ev` prints ComputeChart's values. A chart cell holds the two-card hands the
// table reads in it, each weighted by its chance and by no dealer blackjack: one hand in a pair
// row and in soft rows 2 to 7, several in the others.
TEST_P(HandEvAgainstTheChart, GivesTheValuesTheLabPrints) {
    const int decks = GetParam();
    ChartLab lab(decks);
    const ComputedChart chart = ComputeChart(lab);
    HandEv ev;
    for (int up = 1; up <= 10; ++up) {
        struct Sum {
            CellValues values;
            double weight = 0.0;
        };
        std::map<const CellValues*, Sum> sums;  // by the printed cell
        for (const StartingHand& hand : StartingHands(lab.shoe(), up)) {
            if (hand.IsBlackjack()) continue;
            const CellValues* printed =
                hand.pair            ? &chart.pair[hand.first][up]
                : hand.first == kAce ? &chart.soft[std::min(hand.second, 8)][up]
                                     : &chart.hard[std::clamp(hand.first + hand.second, 8, 17)][up];
            const ActionValues values = *ev.Values(HandOf({hand.first, hand.second}), up, decks);
            const double weight =
                hand.chance * lab.Odds(up).NoBlackjack(CardsOf({hand.first, hand.second}));
            auto& [sum, weights] = sums[printed];
            sum.hit += weight * values.hit;
            sum.stand += weight * values.stand;
            sum.doubleDown += weight * *values.doubleDown;
            if (hand.pair) sum.split = sum.split.value_or(0) + weight * *values.split;
            weights += weight;
        }
        for (const auto& [printed, sum] : sums) {
            const CellValues& s = sum.values;
            EXPECT_NEAR(s.hit / sum.weight, printed->hit, 1e-12) << up;
            EXPECT_NEAR(s.stand / sum.weight, printed->stand, 1e-12) << up;
            EXPECT_NEAR(s.doubleDown / sum.weight, printed->doubleDown, 1e-12) << up;
            EXPECT_NEAR(s.split.value_or(0) / sum.weight, printed->split.value_or(0), 1e-12) << up;
            EXPECT_EQ(s.split.has_value(), printed->split.has_value()) << up;
        }
        EXPECT_EQ(sums.size(), 10u + 7u + 10u);
    }
}

INSTANTIATE_TEST_SUITE_P(Decks, HandEvAgainstTheChart, testing::Values(1, 6, 8));

// In a shoe of a thousand decks what a hand's cards are hardly matters, only its total: a hand of
// three or more cards is worth what two cards of its total, soft or hard, are worth. It cannot
// double, and two tens of different ranks are no pair.
TEST(HandEv, ValuesAHandByItsTotal) {
    const struct {
        std::vector<int> cards, twoCards;
        int up;
    } hands[] = {{{10, 2, 4}, {10, 6}, 10},  // hard 16 of three cards
                 {{1, 2, 3}, {1, 5}, 6},     // soft 16 of three cards
                 {{1, 6, 9}, {10, 6}, 7},    // an ace counting one in hard 16
                 {{2, 2, 3, 3}, {4, 6}, 9},  // hard 10 of four cards
                 {{11, 12}, {10, 10}, 5}};   // tens of two ranks are hard 20
    HandEv ev;
    for (const auto& hand : hands) {
        const ActionValues values = *ev.Values(HandOf(hand.cards), hand.up, 1000);
        const ActionValues two = *ev.Values(HandOf(hand.twoCards), hand.up, 1000);
        EXPECT_NEAR(values.hit, two.hit, 2e-4) << hand.cards.size() << " cards v " << hand.up;
        EXPECT_NEAR(values.stand, two.stand, 2e-4) << hand.cards.size() << " cards v " << hand.up;
        EXPECT_EQ(values.doubleDown.has_value(), hand.cards.size() == 2);
        EXPECT_FALSE(values.split.has_value());
    }
}

// Asked in turn for more numbers of decks than it keeps, a calculator still answers as a new one.
TEST(HandEv, ReadsTheDeckSettingAsTheTableDoes) {
    HandEv fresh;
    HandEv asked;
    const std::vector<Card> hand = HandOf({8, 8});
    const std::pair<int, int> settings[] = {{6, 6}, {0, 1},         {-5, 1}, {2, 2},
                                            {4, 4}, {100000, 1000}, {8, 8},  {6, 6}};
    for (const auto& [setting, played] : settings) {
        const ActionValues values = *asked.Values(hand, 10, setting);
        const ActionValues expected = *fresh.Values(hand, 10, played);
        EXPECT_EQ(values.split, expected.split) << setting;
        EXPECT_EQ(values.hit, expected.hit) << setting;
    }
    EXPECT_NE(fresh.Values(hand, 10, 1)->split, fresh.Values(hand, 10, 1000)->split);
}

TEST(HandEv, GivesNothingForAHandNoDecisionFaces) {
    HandEv ev;
    EXPECT_FALSE(ev.Values(HandOf({10}), 6, 6));
    EXPECT_FALSE(ev.Values(HandOf({1, 13}), 6, 6));     // blackjack
    EXPECT_FALSE(ev.Values(HandOf({10, 5, 6}), 6, 6));  // 21
    EXPECT_FALSE(ev.Values(HandOf({10, 9, 5}), 6, 6));  // bust
    EXPECT_FALSE(ev.Values(HandOf({14, 5}), 6, 6));
    EXPECT_FALSE(ev.Values(HandOf({10, 5}), 11, 6));
    EXPECT_FALSE(ev.Values(HandOf({1, 1, 1, 1}), 1, 1));  // five aces in one deck
    EXPECT_TRUE(ev.Values(HandOf({1, 1, 1, 1}), 1, 2));
}

}  // namespace
}  // namespace vantrel::strategy
