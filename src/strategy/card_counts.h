#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>

namespace vantrel::strategy {

// Cards by the value they add to a hand: 1 the ace, 2..9 their pips, 10 a ten or court card.
inline constexpr int kAce = 1;
inline constexpr int kTen = 10;

// A handful of cards, counted by value: a hand, or the cards already out of the shoe.
struct CardCounts {
    std::array<int, 11> n{};  // index 1..10
    int size = 0;

    CardCounts With(int value, int times = 1) const {
        CardCounts more = *this;
        more.n[value] += times;
        more.size += times;
        return more;
    }
    CardCounts Plus(const CardCounts& other) const {
        CardCounts sum = *this;
        for (int value = 1; value <= 10; ++value) sum.n[value] += other.n[value];
        sum.size += other.size;
        return sum;
    }
    // The table's encoded total: 101 for each ace, the value of every other card.
    int EncodedTotal() const {
        int total = 101 * n[kAce];
        for (int value = 2; value <= 10; ++value) total += value * n[value];
        return total;
    }
    // Six bits per value: enough for any hand or any cards out of a hand's shoe that we key.
    std::uint64_t Key() const {
        std::uint64_t key = 0;
        for (int value = 1; value <= 10; ++value)
            key = key << 6 | static_cast<std::uint64_t>(n[value]);
        return key;
    }
};

inline CardCounts CardsOf(std::initializer_list<int> values) {
    CardCounts cards;
    for (int value : values) cards = cards.With(value);
    return cards;
}

}  // namespace vantrel::strategy
