#pragma once

#include <array>
#include <string>

namespace vantrel {

// A playing card: suit 1..4 (spades, diamonds, clubs, hearts) and rank 1..13 (ace to king).
// Rank 0 is "no card", which is what an empty card code reads as.
struct Card {
    int suit = 0;
    int rank = 0;

    bool empty() const { return rank == 0; }
    // "S01" .. "H13"; empty for no card.
    std::string code() const;
    static Card FromCode(const std::string& code);
    bool operator==(const Card&) const = default;
};

// The suit letters in suit order 1..4.
inline constexpr char kSuitLetters[] = "SDCH";

// The rank written in a card code: characters 2 and 3 as a decimal number; 0 for an empty code.
int RankFromCode(const std::string& code);

// Both values below are looked up by rank 0..13: dealt ranks come at random, and tests on them
// would be mispredicted branches on every card.
inline constexpr std::array<int, 14> kCardValues = {0, 101, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 10, 10};
inline constexpr std::array<int, 14> kHiLoValues = {0, -1, 1, 1, 1, 1, 1, 0, 0, 0, -1, -1, -1, -1};

// What a card of this rank adds to an encoded hand total: 101 for an ace, 10 for ten to king.
// Every dealt card passes the range test, so it is a branch that is always taken rather than a
// selection that works out both values.
constexpr int CardValue(int rank) {
    if (rank >= 0 && rank <= 13) [[likely]]
        return kCardValues[rank];
    return rank > 10 ? 10 : rank;
}

// Hi-Lo: +1 for 2..6, 0 for 7..9, -1 for tens, court cards and aces.
constexpr int HiLoValue(int rank) {
    if (rank >= 0 && rank <= 13) [[likely]]
        return kHiLoValues[rank];
    return -1;
}

}  // namespace vantrel
