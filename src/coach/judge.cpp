#include "coach/judge.h"

#include <algorithm>

#include "engine/hand.h"

namespace vantrel {

namespace {

ChartCell CellOf(const JudgedHand& hand) {
    const int column = std::clamp(hand.upValue, 0, 10);
    if (hand.pairValue > 0) return {ChartPart::Pair, hand.pairValue, column};
    // A hand in which one ace can still count 11 is read as soft, however many aces it holds,
    // so that the check agrees with the total the student sees.
    if (IsSoft(hand.total))
        return {ChartPart::Soft, std::clamp(HardTotal(hand.total) - 1, 2, 8), column};
    return {ChartPart::Hard, std::clamp(HardTotal(hand.total), 8, 17), column};
}

}  // namespace

int ChartCode(const StrategyTable& chart, const ChartCell& cell) {
    switch (cell.part) {
        case ChartPart::Pair:
            return chart.pair[cell.row][cell.column];
        case ChartPart::Soft:
            return chart.soft[cell.row][cell.column];
        case ChartPart::Hard:
            break;
    }
    return chart.hard[cell.row][cell.column];
}

Judgement Judge(const StrategyTable& chart, const JudgedHand& hand) {
    const ChartCell cell = CellOf(hand);
    const int code = ChartCode(chart, cell);
    const bool twoCards = hand.cards == 2;
    if (code == kChartDouble) return {cell, twoCards ? kChartDouble : kChartHit};
    if (code == kChartDoubleElseStand) return {cell, twoCards ? kChartDouble : kChartStand};
    return {cell, code};
}

JudgedHand HandOfCards(std::span<const Card> cards, const Card& up, bool pairsRead) {
    JudgedHand hand{0, static_cast<int>(cards.size()), 0, std::min(up.rank, 10)};
    for (const Card& card : cards) hand.total += CardValue(card.rank);
    if (pairsRead && cards.size() == 2 && cards[0].rank == cards[1].rank)
        hand.pairValue = std::min(cards[0].rank, 10);
    return hand;
}

}  // namespace vantrel
