#include "strategy/chart_format.h"

#include <cstdio>
#include <ostream>

#include "strategy/judging_chart.h"

namespace vantrel::strategy {

namespace {

std::string ShoeText(int decks) {
    if (decks == 0) return "an infinite deck";
    return std::to_string(decks) + (decks == 1 ? " deck" : " decks");
}

template <std::size_t Rows>
void WriteRecords(std::ostream& out, int table, const std::array<std::array<int, 11>, Rows>& rows,
                  int first, int last) {
    char record[16];
    for (int row = first; row <= last; ++row) {
        for (int up = 1; up <= 10; ++up) {
            std::snprintf(record, sizeof record, "%d%02d%02d%d\n", table, row, up, rows[row][up]);
            out << record;
        }
    }
}

std::string CardName(int value) {
    if (value == 1) return "A";
    if (value == 10) return "T";
    return std::to_string(value);
}

std::string Value(const char* name, double value, bool best) {
    char text[24];
    std::snprintf(text, sizeof text, " %s %+.4f%s", name, value, best ? "*" : " ");
    return text;
}

template <std::size_t Rows>
void WriteValues(std::ostream& out, const CellRows<Rows>& rows, const char* kind, int first,
                 int last) {
    for (int row = first; row <= last; ++row) {
        for (int up = 1; up <= 10; ++up) {
            const CellValues& cell = rows[row][up];
            const int code = BestCode(cell);
            std::string label = kind;
            if (label == "hard") label += " " + std::to_string(row);
            if (label == "soft") label += " A," + CardName(row);
            if (label == "pair") label += " " + CardName(row) + "," + CardName(row);
            char head[64];
            std::snprintf(head, sizeof head, "%-9s v %-2s ", label.c_str(), CardName(up).c_str());
            out << head << Value("H", cell.hit, code == kChartHit)
                << Value("S", cell.stand, code == kChartStand)
                << Value("D", cell.doubleDown,
                         code == kChartDouble || code == kChartDoubleElseStand);
            if (cell.split) out << Value("P", *cell.split, code == kChartSplit);
            out << '\n';
        }
    }
}

}  // namespace

void WriteChartFile(std::ostream& out, const StrategyTable& chart, int decks) {
    out << "# vantrel basic-strategy chart for " << ShoeText(decks) << ",\n"
        << "# written by `vantrel-lab chart --decks " << decks << "`.\n"
        << "# The dealer stands on all 17s and checks for blackjack;\n"
        << "# double on any two cards, also after a split; split to\n"
        << "# four hands, aces again; no surrender, no insurance.\n"
        << "# Record: table (1 hard, 2 soft, 3 pair), row, dealer up\n"
        << "# card (01 ace .. 10), action. Actions: 1 hit, 2 stand,\n"
        << "# 3 double else hit, 4 split, 5 double else stand.\n";
    // The trainer judges by this chart only at these decks (an infinite deck has no such line).
    if (decks > 0) out << ExactDecksLine({decks, decks}) << '\n';
    WriteChartRecords(out, chart);
}

void WriteChartRecords(std::ostream& out, const StrategyTable& chart) {
    WriteRecords(out, 1, chart.hard, 8, 17);
    WriteRecords(out, 2, chart.soft, 2, 8);
    WriteRecords(out, 3, chart.pair, 1, 10);
}

void WriteCellValues(std::ostream& out, const ComputedChart& chart) {
    out << "# Value per unit bet, given no dealer blackjack:\n"
        << "# H hit, S stand, D double, P split; * the best.\n";
    WriteValues(out, chart.hard, "hard", 8, 17);
    WriteValues(out, chart.soft, "soft", 2, 8);
    WriteValues(out, chart.pair, "pair", 1, 10);
}

std::string HouseEdgeLine(double edge) {
    char text[40];
    std::snprintf(text, sizeof text, "house edge: %.3f%%", edge * 100.0);
    return text;
}

std::string FlatBetEdgeLine(int bet, double edge) {
    char text[60];
    std::snprintf(text, sizeof text, "house edge at $%d flat bets: %.3f%%", bet, edge * 100.0);
    return text;
}

}  // namespace vantrel::strategy
