#include "sim/master_report.h"

#include <cstdio>
#include <ostream>
#include <string>

namespace vantrel::lab {

namespace {

template <class... Values>
std::string Line(const char* format, Values... values) {
    char text[160];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

std::string Signed(int count) {
    return (count > 0 ? "+" : "") + std::to_string(count);
}

std::string UpName(int up) {
    return up == 1 ? "A" : std::to_string(up);
}

void WriteByCount(std::ostream& out, const strategy::MasterFigures& figures) {
    out << "Edge by true count, flat $5 bets by the chart (per cent of the bet):\n"
        << "true count   share   edge as paid   edge at 3:2\n";
    for (std::size_t i = 0; i < figures.byCount.size(); ++i) {
        const strategy::CountShare& row = figures.byCount[i];
        const char* end = i == 0 ? "<=" : i + 1 == figures.byCount.size() ? ">=" : "  ";
        out << Line("%s%3s      %6.2f%%   %+7.2f%%     %+7.2f%%\n", end,
                    Signed(row.trueCount).c_str(), 100.0 * row.share, 100.0 * row.edgeAsPaid,
                    100.0 * row.edgeAt3to2);
    }
}

void WriteRamp(std::ostream& out, const strategy::MasterFigures& figures) {
    out << "\nBetting ramp, units of $" << figures.unitDollars << ":\n";
    if (figures.ramp.empty()) {
        out << "  1 unit at every count: the edge is never positive\n";
        return;
    }
    out << "  below " << Signed(figures.ramp.front().first) << ": 1 unit ($" << figures.unitDollars
        << ")\n";
    for (const auto& [count, units] : figures.ramp)
        out << "  " << Signed(count) << " and above: " << units << " units ($"
            << units * figures.unitDollars << ")\n";
}

void WriteIndices(std::ostream& out, const strategy::MasterFigures& figures) {
    out << "\nIndex plays, most valuable first (gain in initial bets per 100 rounds):\n"
        << "rank  hand  up  basic  play  index  gain/100\n";
    int rank = 0;
    for (const strategy::IndexNumber& number : figures.indices) {
        out << Line("%4d  %-4s  %-2s  %-5c  %-4c  %s %-3s %8.4f\n", ++rank, number.hand.c_str(),
                    UpName(number.up).c_str(), number.basic, number.play,
                    number.atOrAbove ? ">=" : "<=", Signed(number.index).c_str(),
                    number.gainPer100);
    }
}

void WriteWin(std::ostream& out, const strategy::MasterFigures& figures) {
    out << "\nThe ramp played with these index plays:\n"
        << Line("  average bet: $%.2f\n", figures.averageBet)
        << Line("  win: $%+.2f per 100 rounds\n", figures.winPer100)
        << Line("  standard deviation: $%.2f per 100 rounds\n", figures.sdPer100)
        << Line("  the index plays add: $%+.2f per 100 rounds\n", figures.indexGainPer100)
        << "\nRisk of ruin, playing the ramp for good:\n";
    for (const auto& [units, risk] : figures.riskOfRuin)
        out << Line("  bankroll of %d units ($%d): %.1f%%\n", units, units * figures.unitDollars,
                    100.0 * risk);
}

}  // namespace

void WriteMasterReport(std::ostream& out, const strategy::MasterFigures& figures) {
    out << "Master Course figures: " << figures.decks << (figures.decks == 1 ? " deck" : " decks")
        << " cut at " << figures.penetration << "%\n\n";
    WriteByCount(out, figures);
    WriteRamp(out, figures);
    WriteIndices(out, figures);
    WriteWin(out, figures);
}

}  // namespace vantrel::lab
