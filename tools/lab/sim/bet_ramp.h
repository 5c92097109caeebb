#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vantrel::lab {

// A betting ramp: the units bet from each true count on, one unit below the first.
struct BetRamp {
    std::vector<std::pair<int, int>> steps;  // (true count, units), the counts rising

    int Units(int trueCount) const;
    int MostUnits() const;
    std::string Text() const;  // as it is written: "2:2,3:3"
};

// "2:2,3:3,4:4" (count:units, counts rising, units 1 to 100); nothing when it reads otherwise.
std::optional<BetRamp> ParseRamp(const std::string& text);

// What a usage error says of a ramp that does not read.
std::string RampError(const std::string& text);

}  // namespace vantrel::lab
