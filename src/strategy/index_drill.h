#pragma once

#include <optional>
#include <vector>

#include "engine/chart_cell.h"
#include "engine/random.h"
#include "strategy/master_figures.h"

namespace vantrel::strategy {

// The strategy drill's index mode: the cells are the index plays' (insurance has none), each card
// shows a true count, and the right play is the index play where that count makes it apply, the
// chart's play where it does not.

// The chart cell the table judges an index play's hand on: "16" hard 16, "A7" soft 18 (row 7),
// "88" and "TT" pairs; nothing for insurance or a hand the chart has no row for.
std::optional<ChartCell> IndexPlayCell(const IndexNumber& number);

// The cells of the figures' index plays, most valuable first, each once.
std::vector<ChartCell> IndexDrillCells(const MasterFigures& figures);

// The figures' index play on this cell; nullptr when it has none.
const IndexNumber* IndexPlayOfCell(const MasterFigures& figures, const ChartCell& cell);

// A true count to show with the play: within kIndexDrillSpread of the index, on the side where
// the play applies one time in two, so that both sides of every index are drilled.
inline constexpr int kIndexDrillSpread = 2;
int IndexDrillTrueCount(const IndexNumber& number, Random& random);

// The right play at this true count: 'H', 'S', 'D' or 'P'.
char IndexDrillAnswer(const IndexNumber& number, int trueCount);

}  // namespace vantrel::strategy
