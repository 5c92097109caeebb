#pragma once

#include <array>

#include "engine/card.h"

namespace vantrel {

inline constexpr int kMaxHands = 4;
inline constexpr int kHandSlots = 7;
inline constexpr int kSlotCount = kHandSlots * (kMaxHands + 1);

// Slot numbers: the dealer's positions 1..7 are slots 0..6, hand h's positions 1..7 follow.
constexpr int DealerSlot(int position) {
    return position - 1;
}
constexpr int PlayerSlot(int hand, int position) {
    return hand * kHandSlots + position - 1;
}

// One of the 35 card positions on the table. The slots are the record of which card lies in
// which hand: the hole card's slot knows its card while it shows the back.
struct CardSlot {
    enum class Picture { None, Back, Face };

    Card card;  // rank 0 when empty
    bool visible = false;
    Picture picture = Picture::None;  // what the slot last showed; kept when it is cleared
    Card pictureCard;                 // the face shown, when picture is Face

    int rank() const { return card.rank; }
    std::string code() const { return card.code(); }
};

// The state of a round at the practice table. Hand arrays are indexed 1..4.
struct TableState {
    int dealerCards = 0;
    int dealerTotal = 0;    // encoded total, hole card included
    int dealerUpValue = 0;  // 1 for an ace, 2..10
    int currentHand = 1;
    int handCount = 1;
    std::array<int, kMaxHands + 1> handCards{};
    std::array<int, kMaxHands + 1> handTotal{};
    std::array<int, kMaxHands + 1> handBet{};
    bool roundActive = false;
    bool countCheckActive = false;
    bool gestureArmed = false;
    int gestureStartX = 0;
    int gestureStartY = 0;
    int countdown = 0;
    int quotaLeft = 0;
    int maxBet = 0;
    // Insurance against an ace up: offered until the student takes it or acts; its stake.
    bool insuranceOpen = false;
    int insuranceBet = 0;
};

}  // namespace vantrel
