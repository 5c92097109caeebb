#pragma once

#include <cstdint>

namespace vantrel {

// The table's pseudo-random source: a seedable generator of non-negative 31-bit integers.
// wyrand: a 64-bit counter stepped by an odd constant, so its period is 2^64, and each value the
// two halves of a 128-bit product of the counter with itself folded together. It passes BigCrush
// and PractRand, which is more than a card game needs, in a handful of instructions a value; a
// Mersenne twister was a tenth of the time of a simulated round.
class Random {
  public:
    explicit Random(std::uint32_t seed = 1) { Seed(seed); }
    void Seed(std::uint32_t seed) { state_ = seed; }

    // 0 .. n-1, a 31-bit value scaled to n (the high part of value * n), which is as even as a
    // remainder and needs no division; 0 when n is 0 or less.
    int RandomBelow(int n) {
        if (n <= 0) return 0;
        const std::uint64_t value = Next() >> 33;
        return static_cast<int>((value * static_cast<std::uint64_t>(n)) >> 31);
    }

  private:
    __extension__ using Product = unsigned __int128;  // GCC's and Clang's 128-bit integer

    std::uint64_t Next() {
        state_ += 0xa0761d6478bd642fULL;
        const Product product = Product{state_} * (state_ ^ 0xe7037ed1a0b428dbULL);
        return static_cast<std::uint64_t>(product >> 64) ^ static_cast<std::uint64_t>(product);
    }

    std::uint64_t state_ = 0;
};

}  // namespace vantrel
