#include <iostream>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "coach/strategy_table.h"
#include "strategy/chart_calculator.h"
#include "strategy/judging_chart.h"

namespace vantrel::strategy {
namespace {

// Actions whose values lie this close are a toss-up: either code is accepted.
constexpr double kTossUp = 0.001;

std::set<int> AcceptedCodes(const CellValues& cell) {
    const double best = std::max({cell.hit, cell.stand, cell.doubleDown, cell.split.value_or(-9)});
    std::set<int> codes;
    if (cell.hit >= best - kTossUp) codes.insert(kChartHit);
    if (cell.stand >= best - kTossUp) codes.insert(kChartStand);
    if (cell.split && *cell.split >= best - kTossUp) codes.insert(kChartSplit);
    if (cell.doubleDown >= best - kTossUp) {
        if (cell.stand > cell.hit - kTossUp) codes.insert(kChartDoubleElseStand);
        if (cell.hit > cell.stand - kTossUp) codes.insert(kChartDouble);
    }
    return codes;
}

template <class Codes, class Values>
void ExpectSameCells(const char* kind, const Codes& shipped, const Values& values, int first,
                     int last) {
    for (int row = first; row <= last; ++row) {
        for (int up = 1; up <= 10; ++up) {
            const std::set<int> accepted = AcceptedCodes(values[row][up]);
            if (accepted.size() > 1) {
                std::cout << "toss-up cell: " << kind << " " << row << " v " << up << '\n';
            }
            EXPECT_TRUE(accepted.contains(shipped[row][up]))
                << kind << " " << row << " v " << up << ": shipped " << shipped[row][up]
                << ", calculated " << BestCode(values[row][up]);
        }
    }
}

// The table judges by the shipped chart at the decks its comment line names, so it must be the
// calculated chart at each of them.
TEST(ShippedChart, IsTheCalculatedChartAtEveryDeckItNames) {
    const ChartFile shipped = LoadChartFile(VANTREL_SOURCE_DIR "/data/bs4bj.dat");
    ASSERT_TRUE(shipped.exactFor);
    EXPECT_EQ(shipped.exactFor->first, 3);
    EXPECT_EQ(shipped.exactFor->last, 8);
    for (int decks = shipped.exactFor->first; decks <= shipped.exactFor->last; ++decks) {
        SCOPED_TRACE(std::to_string(decks) + " decks");
        ChartLab lab(decks);
        const ComputedChart chart = ComputeChart(lab);
        ExpectSameCells("hard", shipped.chart.hard, chart.hard, 8, 17);
        ExpectSameCells("soft", shipped.chart.soft, chart.soft, 2, 8);
        ExpectSameCells("pair", shipped.chart.pair, chart.pair, 1, 10);
    }
}

// Cells of the usual basic-strategy chart for six decks, dealer standing on soft 17, double
// after split, no surrender, checked on the shipped chart that the test above ties to the
// calculator: kind, row, up card, code (1 hit, 2 stand, 3 double, 4 split, 5 double else stand).
struct KnownCell {
    char kind;
    int row;
    int up;
    int code;
};

constexpr KnownCell kKnownCells[] = {
    {'h', 9, 2, 1},  {'h', 9, 3, 3},   {'h', 11, 1, 1}, {'h', 12, 2, 1}, {'h', 12, 4, 2},
    {'h', 13, 2, 2}, {'h', 16, 10, 1}, {'s', 2, 4, 1},  {'s', 2, 5, 3},  {'s', 7, 2, 2},
    {'s', 7, 3, 5},  {'s', 7, 9, 1},   {'p', 1, 1, 4},  {'p', 4, 4, 1},  {'p', 4, 5, 4},
    {'p', 6, 7, 1},  {'p', 9, 7, 2},   {'p', 9, 9, 4},  {'p', 10, 6, 2}};

TEST(ShippedChart, MatchesPublishedBasicStrategy) {
    StrategyTable codes;
    LoadStrategyTable(codes, VANTREL_SOURCE_DIR "/data/bs4bj.dat");
    for (const KnownCell& cell : kKnownCells) {
        const int code = cell.kind == 'h'   ? codes.hard[cell.row][cell.up]
                         : cell.kind == 's' ? codes.soft[cell.row][cell.up]
                                            : codes.pair[cell.row][cell.up];
        EXPECT_EQ(code, cell.code) << cell.kind << cell.row << " v " << cell.up;
    }
}

}  // namespace
}  // namespace vantrel::strategy
