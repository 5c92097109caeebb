#pragma once

#include <vector>

#include "strategy/shoe_model.h"

namespace vantrel::strategy {

// A player's first two cards by value (first <= second), with its chance given the dealer's up
// card. Two ten-valued cards come twice: as a pair (one rank) and as a plain hard 20.
struct StartingHand {
    int first = 0;
    int second = 0;
    bool pair = false;
    double chance = 0.0;

    bool IsBlackjack() const { return first == 1 && second == 10; }
};

// Every starting hand against the up card; the chances add up to 1.
std::vector<StartingHand> StartingHands(const ShoeModel& shoe, int up);

}  // namespace vantrel::strategy
