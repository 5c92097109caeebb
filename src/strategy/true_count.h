#pragma once

namespace vantrel::strategy {

// The true count every part of the program uses: the Hi-Lo running count per deck left in the
// shoe, decks left being cards left / 52 (a fraction, not rounded to whole or half decks), then
// truncated toward zero, as counters do it in their heads: +2.9 reads +2, -2.9 reads -2, and
// everything strictly between -1 and +1 reads 0. Worked in whole numbers, so no rounding of
// floating point can move a count across a boundary. A shoe with no card left has no count: 0.
int TrueCount(int runningCount, int cardsLeft);

}  // namespace vantrel::strategy
