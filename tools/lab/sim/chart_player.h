#pragma once

#include "coach/strategy_table.h"
#include "engine/action.h"
#include "engine/table.h"
#include "sim/quiet_view.h"

namespace vantrel::lab {

// The simulated player's action on the table's current hand: the chart's advice exactly as the
// strategy check reads it. Where the table would refuse that advice, the player does what the
// calculator's house edge assumes, so that the simulated and the calculated edge are of one play:
// - a pair that may not be split again (four hands on the table) is read by its total;
// - a hand of split aces stands when it cannot be split again (hit and double are refused);
// - a split advised for a hand that is no pair, and a code with no action (9, an empty cell),
//   stand.
Action ChartPlayerAction(const StrategyTable& chart, const Table& table);

// What the player does when the table refused the chart's double or split for want of chips: the
// chart's next-best action. The chips that cannot match the bet for one cannot for the other, so a
// double falls back to its own reading (D hit, Ds stand) and a pair is played by its total.
Action ShortOfChipsAction(const StrategyTable& chart, const Table& table);

// Presses the action's button on the table.
void PressAction(Table& table, Action action);

// Presses the action's button; false when the table refused it (a refusal shows in the player
// balloon of the table's quiet view).
bool PressUnlessRefused(Table& table, const QuietView& view, Action action);

// Bets chips of $100, $25 and $5, the largest the table offers that still fits, up to `bet` or
// the lesson's chips in hand.
void PlaceBetInChips(Table& table, int bet);

}  // namespace vantrel::lab
