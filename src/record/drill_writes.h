#pragma once

#include <cstdint>

#include <sqlite3.h>

#include "record/entries.h"

namespace vantrel::record {

// The rows of the drills, each written inside a transaction the caller holds; they throw SqlError.
// Times are milliseconds since 1970, UTC.

// Starts a drill session and puts the cells it brings in the schedule; returns the session's id.
std::int64_t InsertDrillSession(sqlite3* db, const DrillStart& start, std::int64_t now);
// An answer of the session and its cell's new place in the schedule.
void InsertDrillAnswer(sqlite3* db, std::int64_t session, const DrillAnswerEntry& answer,
                       std::int64_t now);
void EndDrillSession(sqlite3* db, std::int64_t session, const DrillEnd& end, std::int64_t now);
// An answer of the index drill, with its cell's new place in the index drill's schedule.
void InsertIndexDrillAnswer(sqlite3* db, const IndexDrillAnswerEntry& answer, std::int64_t now);
void InsertCountDown(sqlite3* db, const CountDownEntry& countDown, std::int64_t now);

}  // namespace vantrel::record
