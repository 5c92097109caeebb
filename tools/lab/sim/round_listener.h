#pragma once

#include "engine/shoe.h"
#include "engine/table_events.h"

namespace vantrel::lab {

// Follows the simulator's rounds, for figures that need the shoe: the true count a round starts
// at, the bet made by it, the result it came to. Each table has its own; none is shared.
class RoundListener {
  public:
    virtual ~RoundListener() = default;
    // Before the bet, with the shoe as the round finds it; returns the bet in $5 chips (1 or more).
    virtual int RoundStarts(const Shoe& shoe) = 0;
    // The round paid out, with the shoe as the round left it (before any shuffle).
    virtual void RoundSettled(const RoundSettlement& round, const Shoe& shoe) = 0;
};

}  // namespace vantrel::lab
