#pragma once

#include <array>
#include <optional>

#include "coach/strategy_table.h"
#include "strategy/chart_lab.h"

namespace vantrel::strategy {

// The expected values of the actions in one chart cell, per unit of the first bet, given that
// the dealer has no blackjack. `split` only in the pair rows.
struct CellValues {
    double hit = 0.0;
    double stand = 0.0;
    double doubleDown = 0.0;
    std::optional<double> split;
};

// The chart code of the best action: 1 hit, 2 stand, 4 split, and for a double 5 when standing
// beats hitting (double, else stand), else 3 (double, else hit).
int BestCode(const CellValues& cell);

template <std::size_t Rows>
using CellRows = std::array<std::array<CellValues, 11>, Rows>;

// A chart with the values it was chosen by; rows and columns as in StrategyTable.
struct ComputedChart {
    StrategyTable codes;
    CellRows<18> hard;
    CellRows<11> soft;
    CellRows<11> pair;
};

// Works out the best action for every cell the table reads (hard 8..17, soft 2..8, pair 1..10
// against up cards ace..10). A cell is valued over the two-card hands that the table reads in it,
// each weighted by its chance with the up card out of the shoe: hard 8 also holds hard 5 to 7,
// hard 17 also 18 to 20 (and two tens of different ranks), soft 8 also ace-nine; a pair row holds
// only its pair. After a hit the hand plays on as well as its exact cards allow.
ComputedChart ComputeChart(ChartLab& lab);

}  // namespace vantrel::strategy
