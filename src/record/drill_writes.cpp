#include "record/drill_writes.h"

#include "record/decision_columns.h"

namespace vantrel::record {

namespace {

void KeepProgress(sqlite3* db, const CellProgress& progress) {
    Statement(db,
              "INSERT OR REPLACE INTO drill_cells (chart_part, chart_row, chart_column, box, "
              "due_session) VALUES (?, ?, ?, ?, ?)")
        .Bind(1, static_cast<int>(progress.cell.part))
        .Bind(2, progress.cell.row)
        .Bind(3, progress.cell.column)
        .Bind(4, progress.box)
        .Bind(5, progress.dueSession)
        .Run();
}

}  // namespace

std::int64_t InsertDrillSession(sqlite3* db, const DrillStart& start, std::int64_t now) {
    Statement(db,
              "INSERT INTO drill_sessions (started_at, decks, last_decision_id) VALUES (?, ?, ?)")
        .Bind(1, now)
        .Bind(2, start.decks)
        .Bind(3, start.lastDecisionId)
        .Run();
    const std::int64_t session = sqlite3_last_insert_rowid(db);
    for (const CellProgress& progress : start.cells) KeepProgress(db, progress);
    return session;
}

void InsertDrillAnswer(sqlite3* db, std::int64_t session, const DrillAnswerEntry& answer,
                       std::int64_t now) {
    Statement add(
        db,
        "INSERT INTO drill_answers (session_id, answered_at, cards, up_card, chart_part, "
        "chart_row, chart_column, action, advice, is_right, ev_taken, ev_best, ev_advice, "
        "true_count, deviation, seconds) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    add.Bind(1, session).Bind(2, now);
    BindDecisionColumns(add, 3, answer.decision).Bind(16, answer.seconds).Run();
    KeepProgress(db, answer.progress);
}

void EndDrillSession(sqlite3* db, std::int64_t session, const DrillEnd& end, std::int64_t now) {
    Statement(db,
              "UPDATE drill_sessions SET ended_at = ?, cards = ?, right_answers = ?, seconds = ? "
              "WHERE id = ?")
        .Bind(1, now)
        .Bind(2, end.cards)
        .Bind(3, end.right)
        .Bind(4, end.seconds)
        .Bind(5, session)
        .Run();
}

void InsertIndexDrillAnswer(sqlite3* db, const IndexDrillAnswerEntry& answer, std::int64_t now) {
    Statement(db,
              "INSERT INTO index_drill_answers (session, answered_at, decks, cards, up_card, "
              "chart_part, chart_row, chart_column, true_count, action, advice, is_right, "
              "seconds, box, due_session) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .Bind(1, answer.session)
        .Bind(2, now)
        .Bind(3, answer.decks)
        .Bind(4, CardsText(answer.cards))
        .Bind(5, answer.upCard.code())
        .Bind(6, static_cast<int>(answer.cell.part))
        .Bind(7, answer.cell.row)
        .Bind(8, answer.cell.column)
        .Bind(9, answer.trueCount)
        .Bind(10, static_cast<int>(answer.action))
        .Bind(11, answer.advice)
        .Bind(12, answer.right ? 1 : 0)
        .Bind(13, answer.seconds)
        .Bind(14, answer.progress.box)
        .Bind(15, answer.progress.dueSession)
        .Run();
}

void InsertCountDown(sqlite3* db, const CountDownEntry& countDown, std::int64_t now) {
    Statement(db,
              "INSERT INTO count_downs (done_at, cards, pace_ms, running_count, answer, is_right, "
              "seconds) VALUES (?, ?, ?, ?, ?, ?, ?)")
        .Bind(1, now)
        .Bind(2, countDown.cards)
        .Bind(3, countDown.paceMs)
        .Bind(4, countDown.runningCount)
        .Bind(5, countDown.answer)
        .Bind(6, countDown.right() ? 1 : 0)
        .Bind(7, countDown.seconds)
        .Run();
}

}  // namespace vantrel::record
