#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "coach/drill_schedule.h"
#include "record/entries.h"
#include "record/record_reader.h"

namespace vantrel::record {

// What the record knows when a strategy drill session begins.
struct DrillState {
    int session = 1;  // the number of the session that begins now
    std::vector<CellProgress> cells;
    // The cells of the wrong decisions at the table since the last session began, the latest
    // mistake first, and the last decision there is.
    std::vector<ChartCell> missedAtTable;
    std::int64_t lastDecisionId = 0;
};
DrillState LoadDrillState(const RecordReader& reader);

// How many cells the next strategy drill session has due: the table's mistakes since the last
// session and the cells whose wait is over.
int CellsDue(const DrillState& state);

// The index drill's schedule as the record holds it: the session that begins now and each index
// play's cell as its latest answer left it.
struct IndexDrillState {
    int session = 1;
    std::vector<CellProgress> cells;
};
IndexDrillState LoadIndexDrillState(const RecordReader& reader);

// The strategy drills' answers and the sessions played to their end.
struct DrillSummary {
    int sessions = 0;
    int answers = 0;
    int right = 0;
};
DrillSummary StrategyDrillSummary(const RecordReader& reader);

// The count-downs, and the fastest right one of each size at the student's own pace: at a set
// pace the time is the pace's.
struct CountDownSummary {
    int attempts = 0;
    int right = 0;
    std::optional<double> bestDeck;      // seconds, one deck
    std::optional<double> bestHalfDeck;  // seconds, half a deck
};
CountDownSummary CountDowns(const RecordReader& reader);

}  // namespace vantrel::record
