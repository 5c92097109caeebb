#pragma once

#include <algorithm>
#include <cmath>

namespace vantrel::lab {

// Whole-number results of many rounds summed for their mean, spread and 95 per cent interval.
// Whole numbers, so tallies merged in any order give the same sums.
struct Moments {
    long long n = 0;
    long long sum = 0;
    long long squares = 0;

    void Add(long long x) {
        ++n;
        sum += x;
        squares += x * x;
    }
    Moments& operator+=(const Moments& other) {
        n += other.n;
        sum += other.sum;
        squares += other.squares;
        return *this;
    }
    double Mean() const { return n > 0 ? static_cast<double>(sum) / n : 0.0; }
    double Deviation() const {
        if (n < 2) return 0.0;
        const double mean = Mean();
        return std::sqrt(std::max(0.0, (static_cast<double>(squares) - n * mean * mean) / (n - 1)));
    }
    // Half the width of the mean's 95 per cent interval.
    double HalfWidth() const { return n > 1 ? 1.96 * Deviation() / std::sqrt(n) : 0.0; }
};

}  // namespace vantrel::lab
