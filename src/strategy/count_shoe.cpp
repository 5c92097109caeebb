#include "strategy/count_shoe.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "strategy/true_count.h"

namespace vantrel::strategy {

namespace {

// `cards` over these values by their weights, each value at most what the full shoe holds.
void Spread(ShoeCounts& shoe, const ShoeCounts& full, int cards,
            std::initializer_list<std::pair<int, int>> weights) {
    int weight = 0;
    for (const auto& [value, w] : weights) weight += w;
    int given = 0;
    for (const auto& [value, w] : weights) {
        shoe[value] = std::min(cards * w / weight, full[value]);
        given += shoe[value];
    }
    // The remainder, a card at a time, to the values that still have room.
    for (bool placed = true; given < cards && placed;) {
        placed = false;
        for (const auto& [value, w] : weights) {
            if (given == cards || shoe[value] >= full[value]) continue;
            ++shoe[value];
            ++given;
            placed = true;
        }
    }
}

}  // namespace

ShoeCounts ShoeAtTrueCount(int decks, int trueCount) {
    const ShoeCounts full = FullDecks(decks);
    const int left = std::max(26, 26 * decks);
    // The running count nearest the true count, then the nearest that reads it, if one does.
    int running = static_cast<int>(std::lround(trueCount * left / 52.0));
    for (const int step : {0, 1, -1})
        if (TrueCount(running + step, left) == trueCount) {
            running += step;
            break;
        }
    int highAndLow = left - static_cast<int>(std::lround(left * 3 / 13.0));
    if ((highAndLow + running) % 2 != 0) --highAndLow;  // one more neutral card
    const int mostOfAKind = 20 * decks;
    // The cards left hold `running` more high cards than low ones.
    const int high = std::clamp((highAndLow + running) / 2, 0, mostOfAKind);
    const int low = std::clamp(highAndLow - high, 0, mostOfAKind);
    ShoeCounts shoe{};
    Spread(shoe, full, low, {{2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}});
    Spread(shoe, full, high, {{kTen, 4}, {kAce, 1}});
    Spread(shoe, full, left - low - high, {{7, 1}, {8, 1}, {9, 1}});
    return shoe;
}

}  // namespace vantrel::strategy
