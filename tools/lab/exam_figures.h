#pragma once

#include <optional>
#include <string>

#include "strategy/master_figures.h"

namespace vantrel::lab {

// The figures the Master Exam is judged by, for a shoe of `decks` decks cut at `penetration` per
// cent and the chart file at `chartPath`: the figures file the build or the trainer keeps for
// that shoe, master-DECKS-CUT.txt beside the chart or in the data folder beside the program (the
// build's, or the installed one), when it was worked out for the chart the trainer judges by at
// those decks; else worked out as the trainer works them out (the --quick figures of seed 1, a
// minute or so of processor time) on `threads` threads. `said` is told which of the two it was.
// Nothing when the chart cannot be read.
std::optional<strategy::MasterFigures> DefaultExamFigures(const std::string& chartPath, int decks,
                                                          int penetration, int threads,
                                                          std::string& said);

}  // namespace vantrel::lab
