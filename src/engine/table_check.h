#pragma once

#include <string>

namespace vantrel {

class Table;

// Checks that the table's record holds together: hands within bounds, card counts matching the
// slots, totals matching the cards, no negative bets or chips, shoe counts within the deck count.
// Returns the first fault found, or an empty string.
std::string CheckTable(const Table& table);

}  // namespace vantrel
