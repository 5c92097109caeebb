#include "sim/sim_report.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <ostream>

namespace vantrel::lab {

namespace {

bool HasAnyCell(const StrategyTable& chart) {
    const auto any = [](const auto& rows) {
        for (const auto& row : rows)
            for (int code : row)
                if (code != 0) return true;
        return false;
    };
    return any(chart.hard) || any(chart.soft) || any(chart.pair);
}

}  // namespace

std::optional<StrategyTable> ReadChartFile(const std::string& path) {
    if (!std::ifstream(path, std::ios::binary)) return std::nullopt;
    StrategyTable chart;
    LoadStrategyTable(chart, path);
    if (!HasAnyCell(chart)) return std::nullopt;
    return chart;
}

std::string SimEdgeLine(const EdgeEstimate& estimate) {
    char text[64];
    std::snprintf(text, sizeof text, "house edge: %.3f%% \u00b1 %.3f%%", estimate.edge * 100.0,
                  estimate.halfWidth * 100.0);
    return text;
}

long long RoundsPerSecond(long long rounds, double seconds) {
    return seconds > 0.0 ? std::llround(static_cast<double>(rounds) / seconds) : 0;
}

namespace {

std::string Per100(long long count, long long of, const char* what) {
    char text[64];
    const double rate = of > 0 ? 100.0 * static_cast<double>(count) / static_cast<double>(of) : 0.0;
    std::snprintf(text, sizeof text, "%.3f per 100 %s", rate, what);
    return text;
}

std::string RoundFiguresLine(const SimTally& tally) {
    char text[128];
    std::snprintf(text, sizeof text,
                  "standard deviation: %.3f initial bets per round; cards: %.2f per round",
                  EstimateEdge(tally).deviation,
                  tally.rounds > 0 ? static_cast<double>(tally.cards) / tally.rounds : 0.0);
    return text;
}

}  // namespace

void WriteSimReport(std::ostream& out, const SimTally& tally, double seconds) {
    out << "rounds: " << tally.rounds << '\n'
        << SimEdgeLine(EstimateEdge(tally)) << '\n'
        << "rounds per second: " << RoundsPerSecond(tally.rounds, seconds) << '\n'
        << RoundFiguresLine(tally) << '\n'
        << "blackjacks: " << Per100(tally.blackjacks, tally.rounds, "rounds") << '\n'
        << "busts: " << Per100(tally.busts, tally.hands, "player hands") << '\n'
        << "splits: " << Per100(tally.splits, tally.rounds, "rounds") << '\n'
        << "doubles: " << Per100(tally.doubles, tally.rounds, "rounds") << '\n';
    if (tally.refusals > 0)
        out << "refused actions: " << tally.refusals << " (the player stood instead)\n";
}

}  // namespace vantrel::lab
