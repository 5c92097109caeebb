#include "strategy/chart_calculator.h"

#include <algorithm>

#include "strategy/optimal_play.h"
#include "strategy/starting_hands.h"

namespace vantrel::strategy {

int BestCode(const CellValues& cell) {
    const double best = std::max({cell.hit, cell.stand, cell.doubleDown, cell.split.value_or(-9)});
    if (cell.split && *cell.split == best) return kChartSplit;
    if (cell.doubleDown == best) {
        return cell.stand > cell.hit ? kChartDoubleElseStand : kChartDouble;
    }
    return cell.stand == best ? kChartStand : kChartHit;
}

namespace {

// Sums over the starting hands of one cell, each value weighted by the hand's chance.
struct CellSums {
    double noBlackjack = 0.0;
    double hit = 0.0;
    double stand = 0.0;
    double doubleDown = 0.0;
    double split = 0.0;
    bool pair = false;

    CellValues Values() const {
        CellValues cell{hit / noBlackjack, stand / noBlackjack, doubleDown / noBlackjack, {}};
        if (pair) cell.split = split / noBlackjack;
        return cell;
    }
};

struct ColumnSums {
    std::array<CellSums, 18> hard;
    std::array<CellSums, 11> soft;
    std::array<CellSums, 11> pair;

    CellSums& For(const StartingHand& hand) {
        if (hand.pair) return pair[hand.first];
        if (hand.first == kAce) return soft[std::min(hand.second, 8)];
        return hard[std::clamp(hand.first + hand.second, 8, 17)];
    }
};

ColumnSums SumColumn(ChartLab& lab, int up) {
    UpCardOdds& odds = lab.Odds(up);
    OptimalPlay play(odds);
    ColumnSums sums;
    for (const StartingHand& hand : StartingHands(lab.shoe(), up)) {
        if (hand.IsBlackjack()) continue;
        const CardCounts cards = CardsOf({hand.first, hand.second});
        CellSums& cell = sums.For(hand);
        cell.noBlackjack += hand.chance * odds.NoBlackjack(cards);
        cell.hit += hand.chance * play.Hit(cards);
        cell.stand += hand.chance * play.Stand(cards);
        cell.doubleDown += hand.chance * play.Double(cards);
        if (hand.pair) {
            cell.pair = true;
            cell.split += hand.chance * OptimalSplit(odds, hand.first);
        }
    }
    return sums;
}

template <std::size_t Rows>
void Fill(const std::array<CellSums, Rows>& sums, int first, int last, int up,
          CellRows<Rows>& values, std::array<std::array<int, 11>, Rows>& codes) {
    for (std::size_t row = first; row <= static_cast<std::size_t>(last) && row < Rows; ++row) {
        values[row][up] = sums[row].Values();
        codes[row][up] = BestCode(values[row][up]);
    }
}

}  // namespace

ComputedChart ComputeChart(ChartLab& lab) {
    ComputedChart chart;
    for (int up = 1; up <= 10; ++up) {
        const ColumnSums sums = SumColumn(lab, up);
        Fill(sums.hard, 8, 17, up, chart.hard, chart.codes.hard);
        Fill(sums.soft, 2, 8, up, chart.soft, chart.codes.soft);
        Fill(sums.pair, 1, 10, up, chart.pair, chart.codes.pair);
    }
    return chart;
}

}  // namespace vantrel::strategy
