#pragma once

#include <array>

#include "strategy/card_counts.h"

namespace vantrel::strategy {

// Cards of each value in a shoe: [1] aces, [2]..[9] their pips, [10] every ten-valued card.
using ShoeCounts = std::array<int, 11>;

// N full decks by value.
ShoeCounts FullDecks(int decks);

// The shoe the calculator deals from: a number of full decks, an infinite deck (decks 0) whose
// chances never change as cards come out, or any shoe given by its counts (decks() then -1).
class ShoeModel {
  public:
    explicit ShoeModel(int decks);
    explicit ShoeModel(const ShoeCounts& counts);

    int decks() const { return decks_; }
    bool infinite() const { return decks_ == 0; }

    // The chance that the next card has this value, when `outOfValue` cards of that value and
    // `outTotal` cards in all are already out of the shoe.
    double Chance(int value, int outOfValue, int outTotal) const {
        if (infinite()) return value == kTen ? 4.0 / 13.0 : 1.0 / 13.0;
        const int left = full_[value] - outOfValue;
        const int total = fullSize_ - outTotal;
        return left <= 0 || total <= 0 ? 0.0 : static_cast<double>(left) / total;
    }
    double Chance(int value, const CardCounts& out) const {
        return Chance(value, out.n[value], out.size);
    }
    // The chance that the next card is of one given rank of this value (for tens: the same rank
    // of the four), when `outOfRank` cards of that rank and `outTotal` in all are out.
    double RankChance(int value, double outOfRank, int outTotal) const;

    // Cards of this value, and cards in all, in the full shoe.
    int Left(int value) const { return full_[value]; }
    int Left() const { return fullSize_; }
    const ShoeCounts& counts() const { return full_; }
    // Cards of one ten-valued rank (ten, jack, queen, king) in the full shoe, taking the tens to
    // be shared evenly among the four.
    double TensPerRank() const { return full_[kTen] / 4.0; }

  private:
    int decks_;
    ShoeCounts full_{};
    int fullSize_ = 0;
};

}  // namespace vantrel::strategy
