#include <iostream>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "calc/chart_calculator.h"
#include "coach/strategy_table.h"

namespace vantrel::lab {
namespace {

// Actions whose values lie this close are a toss-up: either code is accepted.
constexpr double kTossUp = 0.001;

const ComputedChart& SixDeckChart() {
    static ChartLab lab(6);
    static const ComputedChart chart = ComputeChart(lab);
    return chart;
}

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

TEST(ShippedChart, IsTheCalculatedSixDeckChart) {
    StrategyTable shipped;
    LoadStrategyTable(shipped, VANTREL_SOURCE_DIR "/data/bs4bj.dat");
    const ComputedChart& chart = SixDeckChart();
    ExpectSameCells("hard", shipped.hard, chart.hard, 8, 17);
    ExpectSameCells("soft", shipped.soft, chart.soft, 2, 8);
    ExpectSameCells("pair", shipped.pair, chart.pair, 1, 10);
}

// Cells of the usual basic-strategy chart for six decks, dealer standing on soft 17, double
// after split, no surrender. Checked on the shipped chart, which the test above ties to the
// calculator, so each case stays cheap.
struct KnownCell {
    const char* name;
    char kind;  // 'h' hard, 's' soft, 'p' pair
    int row;
    int up;
    int code;
};

class KnownCellTest : public testing::TestWithParam<KnownCell> {};

TEST_P(KnownCellTest, ShippedChartMatchesBasicStrategy) {
    const KnownCell& cell = GetParam();
    StrategyTable codes;
    LoadStrategyTable(codes, VANTREL_SOURCE_DIR "/data/bs4bj.dat");
    const int code = cell.kind == 'h'   ? codes.hard[cell.row][cell.up]
                     : cell.kind == 's' ? codes.soft[cell.row][cell.up]
                                        : codes.pair[cell.row][cell.up];
    EXPECT_EQ(code, cell.code);
}

INSTANTIATE_TEST_SUITE_P(
    SixDecks, KnownCellTest,
    testing::Values(
        KnownCell{"Hard8VsSixHits", 'h', 8, 6, 1}, KnownCell{"Hard9VsTwoHits", 'h', 9, 2, 1},
        KnownCell{"Hard9VsThreeDoubles", 'h', 9, 3, 3},
        KnownCell{"Hard10VsNineDoubles", 'h', 10, 9, 3},
        KnownCell{"Hard10VsTenHits", 'h', 10, 10, 1},
        KnownCell{"Hard11VsTenDoubles", 'h', 11, 10, 3},
        KnownCell{"Hard11VsAceHits", 'h', 11, 1, 1}, KnownCell{"Hard12VsTwoHits", 'h', 12, 2, 1},
        KnownCell{"Hard12VsThreeHits", 'h', 12, 3, 1},
        KnownCell{"Hard12VsFourStands", 'h', 12, 4, 2},
        KnownCell{"Hard13VsTwoStands", 'h', 13, 2, 2},
        KnownCell{"Hard16VsSevenHits", 'h', 16, 7, 1}, KnownCell{"Hard16VsTenHits", 'h', 16, 10, 1},
        KnownCell{"Hard17VsAceStands", 'h', 17, 1, 2}, KnownCell{"SoftA2VsFourHits", 's', 2, 4, 1},
        KnownCell{"SoftA2VsFiveDoubles", 's', 2, 5, 3},
        KnownCell{"SoftA4VsFourDoubles", 's', 4, 4, 3},
        KnownCell{"SoftA6VsThreeDoubles", 's', 6, 3, 3},
        KnownCell{"SoftA7VsTwoStands", 's', 7, 2, 2},
        KnownCell{"SoftA7VsThreeDoublesElseStands", 's', 7, 3, 5},
        KnownCell{"SoftA7VsSixDoublesElseStands", 's', 7, 6, 5},
        KnownCell{"SoftA7VsEightStands", 's', 7, 8, 2}, KnownCell{"SoftA7VsNineHits", 's', 7, 9, 1},
        KnownCell{"SoftA7VsAceHits", 's', 7, 1, 1}, KnownCell{"SoftA8VsSixStands", 's', 8, 6, 2},
        KnownCell{"AcesSplitVsAce", 'p', 1, 1, 4}, KnownCell{"TwosSplitVsSeven", 'p', 2, 7, 4},
        KnownCell{"TwosHitVsEight", 'p', 2, 8, 1}, KnownCell{"ThreesSplitVsTwo", 'p', 3, 2, 4},
        KnownCell{"FoursHitVsFour", 'p', 4, 4, 1}, KnownCell{"FoursSplitVsFive", 'p', 4, 5, 4},
        KnownCell{"FoursSplitVsSix", 'p', 4, 6, 4}, KnownCell{"FivesDoubleVsNine", 'p', 5, 9, 3},
        KnownCell{"FivesHitVsTen", 'p', 5, 10, 1}, KnownCell{"SixesSplitVsSix", 'p', 6, 6, 4},
        KnownCell{"SixesHitVsSeven", 'p', 6, 7, 1}, KnownCell{"SevensSplitVsSeven", 'p', 7, 7, 4},
        KnownCell{"EightsSplitVsAce", 'p', 8, 1, 4}, KnownCell{"NinesSplitVsSix", 'p', 9, 6, 4},
        KnownCell{"NinesStandVsSeven", 'p', 9, 7, 2}, KnownCell{"NinesSplitVsNine", 'p', 9, 9, 4},
        KnownCell{"NinesStandVsTen", 'p', 9, 10, 2}, KnownCell{"NinesStandVsAce", 'p', 9, 1, 2},
        KnownCell{"TensStandVsSix", 'p', 10, 6, 2}),
    [](const testing::TestParamInfo<KnownCell>& info) { return info.param.name; });

}  // namespace
}  // namespace vantrel::lab
