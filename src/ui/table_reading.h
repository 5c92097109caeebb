#pragma once

class QWidget;

namespace vantrel {

struct TableState;

// Describes each card slot of the table screen by its place: "Dealer's card 2", "Hand 1, card 3".
void DescribeCardSlots(QWidget* table);

// Names what a screen reader reads of the hands: each hand label with its hand and bet ("Player
// hand 1: 16, bet $10"), the dealer's, and each result with its hand ("Hand 2: Lose").
void NameHands(QWidget* table, const TableState& state);

}  // namespace vantrel
