#pragma once

#include <cstdint>
#include <random>

namespace vantrel {

// The table's pseudo-random source: a seedable generator of non-negative 31-bit integers.
class Random {
  public:
    explicit Random(std::uint32_t seed = 1) : engine_(seed) {}
    void Seed(std::uint32_t seed) { engine_.seed(seed); }

    // 0 .. n-1, taken as the remainder of a 31-bit value; 0 when n is 0 or less.
    int RandomBelow(int n) {
        if (n <= 0) return 0;
        return static_cast<int>((engine_() >> 1) % static_cast<std::uint32_t>(n));
    }

  private:
    std::mt19937 engine_;
};

}  // namespace vantrel
