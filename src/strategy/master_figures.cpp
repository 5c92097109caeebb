#include "strategy/master_figures.h"

#include <algorithm>
#include <fstream>
#include <istream>
#include <limits>
#include <ostream>
#include <sstream>

namespace vantrel::strategy {

namespace {
constexpr std::string_view kHeading = "vantrel master figures 1";
// The last line: a file cut short (a full disk, a copy stopped half-way) lacks it.
constexpr std::string_view kEnd = "end";

bool IsPlay(char code, std::string_view codes) {
    return codes.find(code) != std::string_view::npos;
}

// Figures no computation gives: the file was changed by hand or damaged.
bool Sound(const MasterFigures& figures) {
    if (figures.decks < 1 || figures.penetration < 1 || figures.penetration > 100 ||
        figures.unitDollars < 1 || figures.byCount.empty())
        return false;
    for (std::size_t i = 0; i < figures.byCount.size(); ++i) {
        const CountShare& row = figures.byCount[i];
        if (row.share < 0.0 || row.share > 1.0 ||
            (i > 0 && row.trueCount <= figures.byCount[i - 1].trueCount))
            return false;
    }
    for (const IndexNumber& number : figures.indices) {
        if (number.up < 1 || number.up > 10 || !IsPlay(number.basic, "HSDP-") ||
            !IsPlay(number.play, "HSDPI"))
            return false;
    }
    for (std::size_t i = 0; i < figures.ramp.size(); ++i) {
        if (figures.ramp[i].second < 1 ||
            (i > 0 && figures.ramp[i].first <= figures.ramp[i - 1].first))
            return false;
    }
    return std::all_of(figures.riskOfRuin.begin(), figures.riskOfRuin.end(),
                       [](const auto& risk) { return risk.second >= 0.0 && risk.second <= 1.0; });
}
}  // namespace

std::uint64_t ChartFingerprint(const StrategyTable& chart) {
    // FNV-1a over every cell, table after table.
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    const auto add = [&hash](const auto& rows) {
        for (const auto& row : rows) {
            for (int cell : row) {
                hash ^= static_cast<std::uint32_t>(cell);
                hash *= 0x100000001b3ULL;
            }
        }
    };
    add(chart.hard);
    add(chart.soft);
    add(chart.pair);
    return hash;
}

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
    out.precision(std::numeric_limits<double>::max_digits10);
    out << kHeading << '\n'
        << "decks " << figures.decks << '\n'
        << "penetration " << figures.penetration << '\n'
        << "chart " << figures.chart << '\n';
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
    out << kEnd << '\n';
}

std::optional<MasterFigures> ReadMasterFigures(std::istream& in) {
    std::string line;
    if (!std::getline(in, line) || line != kHeading) return std::nullopt;
    MasterFigures figures;
    bool ended = false;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        if (ended) return std::nullopt;
        if (line == kEnd) {
            ended = true;
            continue;
        }
        std::istringstream fields(line);
        std::string key;
        fields >> key;
        if (key == "decks") {
            fields >> figures.decks;
        } else if (key == "penetration") {
            fields >> figures.penetration;
        } else if (key == "chart") {
            fields >> figures.chart;
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
        // Every field read, and nothing left over.
        if (fields.fail() || !(fields >> std::ws).eof()) return std::nullopt;
    }
    if (!ended || !Sound(figures)) return std::nullopt;
    return figures;
}

std::optional<MasterFigures> ReadMasterFiguresFile(const std::string& path, int decks,
                                                   int penetration, std::uint64_t chart) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::optional<MasterFigures> figures = ReadMasterFigures(file);
    if (!figures || figures->decks != decks || figures->penetration != penetration ||
        figures->chart != chart)
        return std::nullopt;
    return figures;
}

}  // namespace vantrel::strategy
