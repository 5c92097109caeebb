#include "record/drill_queries.h"

#include <string>

#include "record/reader_rows.h"

namespace vantrel::record {

namespace {

ChartCell CellAt(const Statement& row, int first) {
    return {static_cast<ChartPart>(Int(row, first)), Int(row, first + 1), Int(row, first + 2)};
}

}  // namespace

DrillState LoadDrillState(const RecordReader& reader) {
    DrillState state;
    ForEachRow(reader, "SELECT coalesce(max(id), 0) FROM decisions",
               [&](const Statement& row) { state.lastDecisionId = row.Integer(0); });
    // A session left before its first answer did not happen: it neither counts nor marks the
    // table's mistakes as taken.
    std::string lastTaken = "0";
    if (HoldsDrills(reader)) {
        constexpr const char* kAnswered =
            "FROM drill_sessions s WHERE EXISTS (SELECT 1 FROM drill_answers WHERE session_id = "
            "s.id)";
        ForEachRow(reader, std::string("SELECT count(*) + 1 ") + kAnswered,
                   [&](const Statement& row) { state.session = Int(row, 0); });
        ForEachRow(reader,
                   "SELECT chart_part, chart_row, chart_column, box, due_session FROM drill_cells "
                   "WHERE chart_part BETWEEN 1 AND 3",
                   [&](const Statement& row) {
                       state.cells.push_back({CellAt(row, 0), Int(row, 3), Int(row, 4)});
                   });
        lastTaken = std::string("coalesce((SELECT last_decision_id ") + kAnswered +
                    " ORDER BY id DESC LIMIT 1), 0)";
    }
    ForEachRow(reader,
               "SELECT chart_part, chart_row, chart_column FROM decisions WHERE is_right = 0 "
               "AND id > " +
                   lastTaken + " AND id <= " + std::to_string(state.lastDecisionId) +
                   " GROUP BY chart_part, chart_row, chart_column ORDER BY max(id) DESC",
               [&](const Statement& row) { state.missedAtTable.push_back(CellAt(row, 0)); });
    return state;
}

IndexDrillState LoadIndexDrillState(const RecordReader& reader) {
    IndexDrillState state;
    if (!HoldsMasterAnswers(reader)) return state;
    ForEachRow(reader, "SELECT coalesce(max(session), 0) + 1 FROM index_drill_answers",
               [&](const Statement& row) { state.session = Int(row, 0); });
    ForEachRow(reader,
               "SELECT chart_part, chart_row, chart_column, box, due_session "
               "FROM index_drill_answers a WHERE id = (SELECT max(id) FROM index_drill_answers "
               "WHERE chart_part = a.chart_part AND chart_row = a.chart_row "
               "AND chart_column = a.chart_column) ORDER BY id",
               [&](const Statement& row) {
                   state.cells.push_back({CellAt(row, 0), Int(row, 3), Int(row, 4)});
               });
    return state;
}

int CellsDue(const DrillState& state) {
    Random unused;
    DrillSchedule schedule(state.session, state.cells, unused);
    for (const ChartCell& cell : state.missedAtTable) schedule.MissedAtTable(cell);
    return schedule.DueCount();
}

DrillSummary StrategyDrillSummary(const RecordReader& reader) {
    DrillSummary summary;
    if (!HoldsDrills(reader)) return summary;
    ForEachRow(reader,
               "SELECT (SELECT count(*) FROM drill_sessions WHERE ended_at IS NOT NULL), "
               "count(*), total(is_right) FROM drill_answers",
               [&](const Statement& row) {
                   summary.sessions = Int(row, 0);
                   summary.answers = Int(row, 1);
                   summary.right = static_cast<int>(row.Real(2));
               });
    return summary;
}

CountDownSummary CountDowns(const RecordReader& reader) {
    CountDownSummary summary;
    if (!HoldsDrills(reader)) return summary;
    ForEachRow(reader,
               "SELECT count(*), total(is_right), "
               "min(CASE WHEN is_right = 1 AND pace_ms = 0 AND cards = 52 THEN seconds END), "
               "min(CASE WHEN is_right = 1 AND pace_ms = 0 AND cards = 26 THEN seconds END) "
               "FROM count_downs",
               [&](const Statement& row) {
                   summary.attempts = Int(row, 0);
                   summary.right = static_cast<int>(row.Real(1));
                   summary.bestDeck = row.OptionalReal(2);
                   summary.bestHalfDeck = row.OptionalReal(3);
               });
    return summary;
}

}  // namespace vantrel::record
