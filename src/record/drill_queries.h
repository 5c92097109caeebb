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
    // The cells of the wrong decisions at the table since the last session began, and the last
    // decision there is.
    std::vector<ChartCell> missedAtTable;
    std::int64_t lastDecisionId = 0;
};
DrillState LoadDrillState(const RecordReader& reader);

// The strategy drills' answers and the sessions played to their end.
struct DrillSummary {
    int sessions = 0;
    int answers = 0;
    int right = 0;
};
DrillSummary StrategyDrillSummary(const RecordReader& reader);

// The count-downs, and the fastest right one of each size.
struct CountDownSummary {
    int attempts = 0;
    int right = 0;
    std::optional<double> bestDeck;      // seconds, one deck
    std::optional<double> bestHalfDeck;  // seconds, half a deck
};
CountDownSummary CountDowns(const RecordReader& reader);

}  // namespace vantrel::record
