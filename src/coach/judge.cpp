#include "coach/judge.h"

#include <algorithm>
#include <array>

#include "engine/hand.h"

namespace vantrel {

namespace {

// The cell is chosen by selection rather than branches: whether a hand is a pair, soft or hard is
// a toss-up that the simulator asks at every decision.
ChartCell CellOf(const JudgedHand& hand) {
    const int column = std::clamp(hand.upValue, 0, 10);
    const int hard = HardTotal(hand.total);
    ChartCell cell{ChartPart::Hard, std::clamp(hard, 8, 17), column};
    // A hand in which one ace can still count 11 is read as soft, however many aces it holds,
    // so that the check agrees with the total the student sees.
    if (IsSoft(hand.total)) cell = {ChartPart::Soft, std::clamp(hard - 1, 2, 8), column};
    if (hand.pairValue > 0) cell = {ChartPart::Pair, hand.pairValue, column};
    return cell;
}

}  // namespace

int ChartCode(const StrategyTable& chart, const ChartCell& cell) {
    // The sub-table by index, not by branches, for the same reason as the cell.
    const std::array<int, 11>* const parts[] = {chart.hard.data(), chart.soft.data(),
                                                chart.pair.data()};
    return parts[static_cast<int>(cell.part) - 1][cell.row][cell.column];
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
