#pragma once

class QWidget;

namespace vantrel {

struct TableState;

// Names what a screen reader reads of the hands: each hand label with its hand and bet ("Player
// hand 1: 16, bet $10"), the dealer's, and each result with its hand ("Hand 2: Lose"). The totals
// show only after a round, so each card slot tells its place and, in a hand, that hand's bet:
// "Dealer's card 2", "Hand 1, card 3, bet $10".
void NameHands(QWidget* table, const TableState& state);

}  // namespace vantrel
