#pragma once

#include <cstdint>

namespace vantrel {

// The table's pseudo-random source: a seedable generator of non-negative 31-bit integers.
// SplitMix64: a 64-bit counter through a mixing function, with a period of 2^64 values. It passes
// BigCrush, which is more than a card game needs, and costs a handful of instructions a value,
// where a Mersenne twister was a tenth of the time of a simulated round.
class Random {
  public:
    explicit Random(std::uint32_t seed = 1) { Seed(seed); }
    void Seed(std::uint32_t seed) {
        state_ = seed;
        next_ = Mix();
    }

    // 0 .. n-1, a 31-bit value scaled to n (the high part of value * n), which is as even as a
    // remainder and needs no division; 0 when n is 0 or less.
    int RandomBelow(int n) {
        if (n <= 0) return 0;
        // The value is worked out one call ahead, so a draw does not wait for the mixing.
        const std::uint64_t value = next_ >> 33;
        next_ = Mix();
        return static_cast<int>((value * static_cast<std::uint64_t>(n)) >> 31);
    }

  private:
    std::uint64_t Mix() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    std::uint64_t state_ = 0;
    std::uint64_t next_ = 0;
};

}  // namespace vantrel
