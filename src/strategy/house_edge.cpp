#include "strategy/house_edge.h"

#include "strategy/chart_play.h"
#include "strategy/chart_reading.h"
#include "strategy/split_value.h"
#include "strategy/starting_hands.h"

namespace vantrel::strategy {

namespace {

constexpr double kBlackjackPays = 1.5;

double ChartSplit(UpCardOdds& odds, const StrategyTable& chart, int pairValue) {
    ChartPlay hands(odds, chart, CardsOf({pairValue}));
    return SplitValue(odds, pairValue, [&](int second) {
        const CardCounts hand = CardsOf({pairValue, second});
        // A hand of split aces gets its one card and stands.
        return pairValue == kAce ? hands.Stand(hand) : hands.Play(hand);
    });
}

// The player's expected result against one up card, over every starting hand.
double ColumnValue(ChartLab& lab, const StrategyTable& chart, int up) {
    UpCardOdds& odds = lab.Odds(up);
    ChartPlay play(odds, chart);
    double value = 0.0;
    for (const StartingHand& hand : StartingHands(lab.shoe(), up)) {
        const CardCounts cards = CardsOf({hand.first, hand.second});
        const double noBlackjack = odds.NoBlackjack(cards);
        if (hand.IsBlackjack()) {
            value += hand.chance * kBlackjackPays * noBlackjack;
            continue;
        }
        const int code = ChartAdvice(chart, cards, hand.pair, up);
        const double played = hand.pair && code == kChartSplit ? ChartSplit(odds, chart, hand.first)
                                                               : play.Follow(cards, code);
        value += hand.chance * (played - (1.0 - noBlackjack));
    }
    return value;
}

}  // namespace

double HouseEdge(ChartLab& lab, const StrategyTable& chart) {
    double value = 0.0;
    for (int up = 1; up <= 10; ++up) {
        value += lab.shoe().Chance(up, CardCounts{}) * ColumnValue(lab, chart, up);
    }
    return -value;
}

double HouseEdgeAtFlatBet(ChartLab& lab, const StrategyTable& chart, int bet) {
    const double shortfall = kBlackjackPays - static_cast<int>(kBlackjackPays * bet) / double(bet);
    double unmatchedBlackjacks = 0.0;
    for (int up = 1; up <= 10; ++up) {
        for (const StartingHand& hand : StartingHands(lab.shoe(), up)) {
            if (!hand.IsBlackjack()) continue;
            unmatchedBlackjacks += lab.shoe().Chance(up, CardCounts{}) * hand.chance *
                                   lab.Odds(up).NoBlackjack(CardsOf({hand.first, hand.second}));
        }
    }
    return HouseEdge(lab, chart) + shortfall * unmatchedBlackjacks;
}

}  // namespace vantrel::strategy
