#include "strategy/true_count.h"

#include <cstdint>

namespace vantrel::strategy {

int TrueCount(int runningCount, int cardsLeft) {
    if (cardsLeft <= 0) return 0;
    // Integer division truncates toward zero.
    return static_cast<int>(std::int64_t{runningCount} * 52 / cardsLeft);
}

}  // namespace vantrel::strategy
