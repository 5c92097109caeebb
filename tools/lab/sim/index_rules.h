#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/action.h"
#include "engine/table.h"

namespace vantrel::lab {

// The index plays of `vantrel-lab indices --csv`, to be made at the table.
struct IndexRule {
    std::string hand;  // "16", "A7", "88", or "any" for insurance
    std::string up;    // "2".."10", "A"
    char deviation = 'S';
    bool atOrAbove = true;
    int index = 0;

    bool Applies(int trueCount) const {
        return atOrAbove ? trueCount >= index : trueCount <= index;
    }
};

// The rules of an `indices --csv` file; nothing when it cannot be read or a row is not one.
std::optional<std::vector<IndexRule>> ReadIndexRules(const std::string& path);

// The decision the table's current hand faces as `indices` names it: its two cards, unsplit; an
// empty hand name for any other.
std::string DecisionHandName(const Table& table);
std::string UpCardName(int upValue);

// The action an index rule calls for on the table's current hand at this true count, if any and
// if the table offers it.
std::optional<Action> IndexAction(const std::vector<IndexRule>& rules, const Table& table,
                                  int trueCount);

// Whether insurance is to be taken at this true count.
bool InsuresAt(const std::vector<IndexRule>& rules, int trueCount);

}  // namespace vantrel::lab
