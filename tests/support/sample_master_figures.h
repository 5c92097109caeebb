#pragma once

#include <algorithm>

#include "strategy/master_figures.h"

namespace vantrel::testing_support {

// Master Course figures built by hand, in the shape the lab writes them: six decks cut at 60 per
// cent, true counts -3 or less to +6 or more. Plausible, not the lab's: for tests and pictures.
inline strategy::MasterFigures SampleMasterFigures() {
    strategy::MasterFigures f;
    f.decks = 6;
    f.penetration = 60;
    f.byCount = {{-3, 0.12, -0.030, -0.026}, {-2, 0.08, -0.020, -0.016},
                 {-1, 0.13, -0.013, -0.009}, {0, 0.42, -0.0085, -0.0045},
                 {1, 0.10, -0.0035, 0.0005}, {2, 0.06, 0.0020, 0.0060},
                 {3, 0.04, 0.0075, 0.0115},  {4, 0.025, 0.0130, 0.0170},
                 {5, 0.013, 0.0185, 0.0225}, {6, 0.012, 0.0260, 0.0300}};
    using strategy::IndexNumber;
    f.indices = {
        {"16", 10, 'H', 'S', true, 0, 0.060},  {"any", 1, '-', 'I', true, 3, 0.055},
        {"15", 10, 'H', 'S', true, 4, 0.030},  {"11", 1, 'H', 'D', true, 1, 0.015},
        {"10", 10, 'H', 'D', true, 4, 0.012},  {"12", 4, 'S', 'H', false, 0, 0.012},
        {"12", 3, 'H', 'S', true, 2, 0.011},   {"12", 2, 'H', 'S', true, 3, 0.010},
        {"TT", 6, 'S', 'P', true, 4, 0.009},   {"13", 2, 'S', 'H', false, -1, 0.009},
        {"9", 2, 'H', 'D', true, 1, 0.008},    {"TT", 5, 'S', 'P', true, 5, 0.008},
        {"10", 1, 'H', 'D', true, 4, 0.007},   {"9", 7, 'H', 'D', true, 3, 0.006},
        {"12", 5, 'S', 'H', false, -2, 0.006}, {"16", 9, 'H', 'S', true, 5, 0.005},
        {"12", 6, 'S', 'H', false, -1, 0.005}, {"13", 3, 'S', 'H', false, -2, 0.004},
    };
    f.ramp = {{2, 2}, {3, 4}, {4, 6}, {5, 8}};
    f.unitDollars = 5;
    f.averageBet = 9.4;
    f.winPer100 = 6.2;
    f.sdPer100 = 128;
    f.indexGainPer100 = 1.3;
    f.riskOfRuin = {{100, 0.42}, {200, 0.18}, {400, 0.033}, {800, 0.0011}};
    return f;
}

}  // namespace vantrel::testing_support
