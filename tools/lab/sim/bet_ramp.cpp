#include "sim/bet_ramp.h"

#include <cstdio>
#include <sstream>

namespace vantrel::lab {

namespace {

constexpr int kMostUnits = 100;

}  // namespace

int BetRamp::Units(int trueCount) const {
    int units = 1;
    for (const auto& [count, stepUnits] : steps)
        if (trueCount >= count) units = stepUnits;
    return units;
}

int BetRamp::MostUnits() const {
    int most = 1;
    for (const auto& step : steps) most = std::max(most, step.second);
    return most;
}

std::string BetRamp::Text() const {
    std::string text;
    for (const auto& [count, units] : steps)
        text += (text.empty() ? "" : ",") + std::to_string(count) + ":" + std::to_string(units);
    return text;
}

std::optional<BetRamp> ParseRamp(const std::string& text) {
    BetRamp ramp;
    std::istringstream parts(text);
    for (std::string part; std::getline(parts, part, ',');) {
        int count = 0;
        int units = 0;
        char colon = 0;
        char extra = 0;
        if (std::sscanf(part.c_str(), "%d %c %d %c", &count, &colon, &units, &extra) != 3 ||
            colon != ':' || units < 1 || units > kMostUnits)
            return std::nullopt;
        if (!ramp.steps.empty() && count <= ramp.steps.back().first) return std::nullopt;
        ramp.steps.emplace_back(count, units);
    }
    if (ramp.steps.empty()) return std::nullopt;
    return ramp;
}

std::string RampError(const std::string& text) {
    return "--ramp reads like 2:2,3:3,4:4 (true count:units, the counts rising), not '" + text +
           "'";
}

}  // namespace vantrel::lab
