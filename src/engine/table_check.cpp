#include "engine/table_check.h"

#include <algorithm>
#include <string>

#include "engine/table.h"

namespace vantrel {

namespace {

// Compares a hand's count and total with the cards lying in its first slots.
std::string CheckHand(const Table& table, const std::string& name, int firstSlot, int cards,
                      int total) {
    if (cards < 0) return name + " has a negative card count";
    const int shown = std::min(cards, kHandSlots);
    int sum = 0;
    for (int position = 1; position <= kHandSlots; ++position) {
        const CardSlot& slot = table.slot(firstSlot + position - 1);
        const bool holdsCard = position <= shown;
        if (slot.visible != holdsCard || slot.card.empty() == holdsCard)
            return name + " position " + std::to_string(position) + " does not match " +
                   std::to_string(cards) + " cards";
        sum += CardValue(slot.rank());
    }
    // An eighth card and later replace the seventh picture, so only short hands can be summed.
    if (cards <= kHandSlots && sum != total)
        return name + " total " + std::to_string(total) + " does not match its cards";
    return {};
}

}  // namespace

std::string CheckTable(const Table& table) {
    const TableState& state = table.state();
    if (state.currentHand < 1 || state.currentHand > state.handCount || state.handCount > kMaxHands)
        return "hands out of bounds: current " + std::to_string(state.currentHand) + " of " +
               std::to_string(state.handCount);
    std::string fault =
        CheckHand(table, "dealer", DealerSlot(1), state.dealerCards, state.dealerTotal);
    for (int hand = 1; fault.empty() && hand <= kMaxHands; ++hand) {
        const std::string name = "hand " + std::to_string(hand);
        if (state.handBet[hand] < 0) return name + " has a negative bet";
        if (hand > state.handCount && (state.handCards[hand] != 0 || state.handBet[hand] != 0))
            return name + " is beyond the hand count but holds cards or a bet";
        fault = CheckHand(table, name, PlayerSlot(hand, 1), state.handCards[hand],
                          state.handTotal[hand]);
    }
    if (!fault.empty()) return fault;
    if (table.lesson().chips < 0) return "chips are negative";
    const Shoe::Counts counts = table.shoe().counts();
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank)
            if (counts[suit][rank] > table.shoe().decks())
                return "shoe count out of range for " + Card{suit, rank}.code();
    return {};
}

}  // namespace vantrel
