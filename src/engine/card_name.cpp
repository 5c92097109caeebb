#include "engine/card_name.h"

#include <array>

namespace vantrel {

namespace {

constexpr std::array<const char*, 14> kSpokenRanks = {"",     "Ace",  "Two",   "Three", "Four",
                                                      "Five", "Six",  "Seven", "Eight", "Nine",
                                                      "Ten",  "Jack", "Queen", "King"};
// In suit order 1..4, as kSuitLetters.
constexpr std::array<const char*, 5> kSpokenSuits = {"", "spades", "diamonds", "clubs", "hearts"};

}  // namespace

std::string CardName(const Card& card) {
    if (card.empty()) return "Face down card";
    if (card.rank < 1 || card.rank > 13 || card.suit < 1 || card.suit > 4) return "Unknown card";
    return std::string(kSpokenRanks[card.rank]) + " of " + kSpokenSuits[card.suit];
}

}  // namespace vantrel
