#pragma once

#include "strategy/shoe_model.h"

namespace vantrel::strategy {

// A shoe of `decks` full decks dealt to its middle (a deck's half for one deck), whose cards left
// read `trueCount` as nearly as whole cards allow: the low cards (2..6) and the high ones (tens
// and aces) left differ by the running count, the neutral ones (7..9) stay in proportion, and
// each kind is spread evenly over its values. What a play is worth at a true count, short of
// valuing every shoe met there.
ShoeCounts ShoeAtTrueCount(int decks, int trueCount);

}  // namespace vantrel::strategy
