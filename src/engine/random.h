#pragma once

#include <cstdint>

namespace vantrel {

// The table's pseudo-random source: a seedable generator of non-negative 31-bit integers.
// SplitMix64: a 64-bit counter through a mixing function. It is statistically sound for a card
// game and a handful of instructions a value, where a Mersenne twister was a tenth of the time of
// a simulated round.
class Random {
  public:
    explicit Random(std::uint32_t seed = 1) { Seed(seed); }
    void Seed(std::uint32_t seed) {
        state_ = seed;
        next_ = Mix();
    }

    // 0 .. n-1, taken as the remainder of a 31-bit value; 0 when n is 0 or less.
    int RandomBelow(int n) {
        if (n <= 0) return 0;
        // The value is worked out one call ahead, so a draw does not wait for the mixing.
        const auto value = static_cast<std::uint32_t>(next_ >> 33);
        next_ = Mix();
        return static_cast<int>(value % static_cast<std::uint32_t>(n));
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
