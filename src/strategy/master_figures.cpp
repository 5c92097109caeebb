#include "strategy/master_figures.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>

namespace vantrel::strategy {

namespace {
constexpr std::string_view kHeading = "vantrel master figures 1";
}  // namespace

int RampUnits(const MasterFigures& figures, int trueCount) {
    int units = 1;
    for (const auto& [count, stepUnits] : figures.ramp)
        if (trueCount >= count) units = stepUnits;
    return units;
}

int RampBet(const MasterFigures& figures, int trueCount, int maxBet) {
    return std::min(RampUnits(figures, trueCount) * figures.unitDollars, maxBet);
}

const IndexNumber* FindIndexNumber(const MasterFigures& figures, std::string_view hand, int up) {
    for (const IndexNumber& number : figures.indices)
        if (number.hand == hand && (number.IsInsurance() || number.up == up)) return &number;
    return nullptr;
}

void WriteMasterFigures(std::ostream& out, const MasterFigures& figures) {
    out.precision(10);
    out << kHeading << '\n'
        << "decks " << figures.decks << '\n'
        << "penetration " << figures.penetration << '\n';
    for (const CountShare& row : figures.byCount)
        out << "count " << row.trueCount << ' ' << row.share << ' ' << row.edgeAsPaid << ' '
            << row.edgeAt3to2 << '\n';
    for (const IndexNumber& number : figures.indices)
        out << "index " << number.hand << ' ' << number.up << ' ' << number.basic << ' '
            << number.play << ' ' << (number.atOrAbove ? ">=" : "<=") << ' ' << number.index << ' '
            << number.gainPer100 << '\n';
    for (const auto& [count, units] : figures.ramp) out << "ramp " << count << ' ' << units << '\n';
    out << "unit " << figures.unitDollars << '\n'
        << "average_bet " << figures.averageBet << '\n'
        << "win_per_100 " << figures.winPer100 << '\n'
        << "sd_per_100 " << figures.sdPer100 << '\n'
        << "index_gain_per_100 " << figures.indexGainPer100 << '\n';
    for (const auto& [units, risk] : figures.riskOfRuin)
        out << "ruin " << units << ' ' << risk << '\n';
}

std::optional<MasterFigures> ReadMasterFigures(std::istream& in) {
    std::string line;
    if (!std::getline(in, line) || line != kHeading) return std::nullopt;
    MasterFigures figures;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        std::istringstream fields(line);
        std::string key;
        fields >> key;
        if (key == "decks") {
            fields >> figures.decks;
        } else if (key == "penetration") {
            fields >> figures.penetration;
        } else if (key == "count") {
            CountShare row;
            fields >> row.trueCount >> row.share >> row.edgeAsPaid >> row.edgeAt3to2;
            figures.byCount.push_back(row);
        } else if (key == "index") {
            IndexNumber number;
            std::string direction;
            fields >> number.hand >> number.up >> number.basic >> number.play >> direction >>
                number.index >> number.gainPer100;
            if (direction != ">=" && direction != "<=") return std::nullopt;
            number.atOrAbove = direction == ">=";
            figures.indices.push_back(number);
        } else if (key == "ramp") {
            std::pair<int, int> step;
            fields >> step.first >> step.second;
            figures.ramp.push_back(step);
        } else if (key == "unit") {
            fields >> figures.unitDollars;
        } else if (key == "average_bet") {
            fields >> figures.averageBet;
        } else if (key == "win_per_100") {
            fields >> figures.winPer100;
        } else if (key == "sd_per_100") {
            fields >> figures.sdPer100;
        } else if (key == "index_gain_per_100") {
            fields >> figures.indexGainPer100;
        } else if (key == "ruin") {
            std::pair<int, double> risk;
            fields >> risk.first >> risk.second;
            figures.riskOfRuin.push_back(risk);
        } else {
            return std::nullopt;
        }
        if (fields.fail()) return std::nullopt;
    }
    return figures;
}

}  // namespace vantrel::strategy
