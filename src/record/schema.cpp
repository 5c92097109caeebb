#include "record/schema.h"

#include <algorithm>
#include <set>
#include <string>
#include <utility>

#include "record/statement.h"

namespace vantrel::record {

namespace {

// Times are milliseconds since 1970, UTC. Cards are card codes ("S10"), several separated by
// spaces. Chart cells are numbered as the chart file numbers them.
constexpr std::string_view kFirstSchema = R"(
CREATE TABLE visits (
    id INTEGER PRIMARY KEY,
    lesson TEXT NOT NULL,
    mode INTEGER NOT NULL,
    decks INTEGER NOT NULL,
    started_at INTEGER NOT NULL,
    ended_at INTEGER,
    ending TEXT CHECK (ending IN ('passed', 'menu', 'no chips', 'quit')),
    chips_start INTEGER NOT NULL,
    quota_start INTEGER NOT NULL,
    chips_end INTEGER,
    quota_end INTEGER
);
CREATE INDEX visits_by_lesson ON visits (lesson);

CREATE TABLE rounds (
    id INTEGER PRIMARY KEY,
    visit_id INTEGER NOT NULL REFERENCES visits (id),
    settled_at INTEGER NOT NULL,
    stake INTEGER NOT NULL,
    payout INTEGER NOT NULL,
    net INTEGER NOT NULL,
    hands INTEGER NOT NULL,
    up_card TEXT NOT NULL,
    dealer_label TEXT NOT NULL
);
CREATE INDEX rounds_by_visit ON rounds (visit_id);

CREATE TABLE round_hands (
    round_id INTEGER NOT NULL REFERENCES rounds (id),
    hand INTEGER NOT NULL,
    bet INTEGER NOT NULL,
    label TEXT NOT NULL,
    result TEXT NOT NULL,
    payout INTEGER NOT NULL,
    PRIMARY KEY (round_id, hand)
) WITHOUT ROWID;

CREATE TABLE decisions (
    id INTEGER PRIMARY KEY,
    visit_id INTEGER NOT NULL REFERENCES visits (id),
    round_id INTEGER REFERENCES rounds (id),
    taken_at INTEGER NOT NULL,
    hand INTEGER NOT NULL,
    cards TEXT NOT NULL,
    up_card TEXT NOT NULL,
    chart_part INTEGER NOT NULL CHECK (chart_part BETWEEN 1 AND 3),
    chart_row INTEGER NOT NULL,
    chart_column INTEGER NOT NULL,
    action INTEGER NOT NULL CHECK (action BETWEEN 1 AND 4),
    advice INTEGER NOT NULL,
    is_right INTEGER NOT NULL CHECK (is_right IN (0, 1)),
    ev_taken REAL,
    ev_best REAL,
    stake INTEGER NOT NULL
);
CREATE INDEX decisions_by_visit ON decisions (visit_id, is_right);
CREATE INDEX mistakes_by_cell
    ON decisions (chart_part, chart_row, chart_column, action, advice, ev_best, ev_taken, stake)
    WHERE is_right = 0;

CREATE TABLE count_answers (
    id INTEGER PRIMARY KEY,
    visit_id INTEGER NOT NULL REFERENCES visits (id),
    answered_at INTEGER NOT NULL,
    running_count INTEGER NOT NULL,
    answer INTEGER NOT NULL,
    is_right INTEGER NOT NULL CHECK (is_right IN (0, 1)),
    seconds REAL NOT NULL
);
CREATE INDEX count_answers_by_visit ON count_answers (visit_id, is_right);
)";

// The drills. drill_cells is the strategy drill's schedule: how well each chart cell is known (its
// Leitner box) and the drill session from which it is asked again. A drill session notes the last
// table decision there was when it began, so that the next one takes the mistakes made since.
// A count-down's pace is milliseconds a card, 0 for the student's own pace.
constexpr std::string_view kDrills = R"(
CREATE TABLE drill_sessions (
    id INTEGER PRIMARY KEY,
    started_at INTEGER NOT NULL,
    decks INTEGER NOT NULL,
    last_decision_id INTEGER NOT NULL,
    ended_at INTEGER,
    cards INTEGER,
    right_answers INTEGER,
    seconds REAL
);

CREATE TABLE drill_answers (
    id INTEGER PRIMARY KEY,
    session_id INTEGER NOT NULL REFERENCES drill_sessions (id),
    answered_at INTEGER NOT NULL,
    cards TEXT NOT NULL,
    up_card TEXT NOT NULL,
    chart_part INTEGER NOT NULL CHECK (chart_part BETWEEN 1 AND 3),
    chart_row INTEGER NOT NULL,
    chart_column INTEGER NOT NULL,
    action INTEGER NOT NULL CHECK (action BETWEEN 1 AND 4),
    advice INTEGER NOT NULL,
    is_right INTEGER NOT NULL CHECK (is_right IN (0, 1)),
    ev_taken REAL,
    ev_best REAL,
    seconds REAL NOT NULL
);
CREATE INDEX drill_answers_by_session ON drill_answers (session_id, is_right);

CREATE TABLE drill_cells (
    chart_part INTEGER NOT NULL CHECK (chart_part BETWEEN 1 AND 3),
    chart_row INTEGER NOT NULL,
    chart_column INTEGER NOT NULL,
    box INTEGER NOT NULL,
    due_session INTEGER NOT NULL,
    PRIMARY KEY (chart_part, chart_row, chart_column)
) WITHOUT ROWID;

CREATE TABLE count_downs (
    id INTEGER PRIMARY KEY,
    done_at INTEGER NOT NULL,
    cards INTEGER NOT NULL,
    pace_ms INTEGER NOT NULL,
    running_count INTEGER NOT NULL,
    answer INTEGER NOT NULL,
    is_right INTEGER NOT NULL CHECK (is_right IN (0, 1)),
    seconds REAL NOT NULL
);
)";

// What the chart's advice was worth for the very hand: a mistake costs that less the value of the
// action taken, which is below zero where the hand's cards make the play better than the chart's,
// which goes by the total.
constexpr std::string_view kAdviceValues = R"(
ALTER TABLE decisions ADD COLUMN ev_advice REAL;
ALTER TABLE drill_answers ADD COLUMN ev_advice REAL;
DROP INDEX mistakes_by_cell;
CREATE INDEX mistakes_by_cell
    ON decisions (chart_part, chart_row, chart_column, action, advice, ev_best, ev_taken, ev_advice,
                  stake)
    WHERE is_right = 0;
)";

// The Master Course judges by the chart with index plays applied at the true count: a decision
// keeps the true count it was made at (NULL where the lesson kept none) and whether its advice
// was an index play's rather than the chart's.
constexpr std::string_view kTrueCounts = R"(
ALTER TABLE decisions ADD COLUMN true_count INTEGER;
ALTER TABLE decisions ADD COLUMN deviation INTEGER NOT NULL DEFAULT 0 CHECK (deviation IN (0, 1));
ALTER TABLE drill_answers ADD COLUMN true_count INTEGER;
ALTER TABLE drill_answers ADD COLUMN deviation INTEGER NOT NULL DEFAULT 0
    CHECK (deviation IN (0, 1));
DROP INDEX mistakes_by_cell;
CREATE INDEX mistakes_by_cell
    ON decisions (chart_part, chart_row, chart_column, action, advice, deviation, true_count,
                  ev_best, ev_taken, ev_advice, stake)
    WHERE is_right = 0;
)";

// The Master Course's other answers. An insurance choice is not a decision of the chart: it is
// kept on its own, with the true count it was made at and the hand's bet. The index drill keeps
// its answers apart from the strategy drill's, as its plays share chart cells with the chart's
// own: one row an answer, each with the cell's Leitner box and the index drill's session from
// which it is due again, so that its schedule is the latest row of each cell. Its sessions are
// numbered on their own, from 1.
constexpr std::string_view kMasterAnswers = R"(
CREATE TABLE insurance_choices (
    id INTEGER PRIMARY KEY,
    visit_id INTEGER NOT NULL REFERENCES visits (id),
    taken_at INTEGER NOT NULL,
    cards TEXT NOT NULL,
    true_count INTEGER NOT NULL,
    taken INTEGER NOT NULL CHECK (taken IN (0, 1)),
    is_right INTEGER NOT NULL CHECK (is_right IN (0, 1)),
    stake INTEGER NOT NULL
);
CREATE INDEX insurance_choices_by_visit ON insurance_choices (visit_id, is_right);

CREATE TABLE index_drill_answers (
    id INTEGER PRIMARY KEY,
    session INTEGER NOT NULL,
    answered_at INTEGER NOT NULL,
    decks INTEGER NOT NULL,
    cards TEXT NOT NULL,
    up_card TEXT NOT NULL,
    chart_part INTEGER NOT NULL CHECK (chart_part BETWEEN 1 AND 3),
    chart_row INTEGER NOT NULL,
    chart_column INTEGER NOT NULL,
    true_count INTEGER NOT NULL,
    action INTEGER NOT NULL CHECK (action BETWEEN 1 AND 4),
    advice INTEGER NOT NULL CHECK (advice BETWEEN 1 AND 4),
    is_right INTEGER NOT NULL CHECK (is_right IN (0, 1)),
    seconds REAL NOT NULL,
    box INTEGER NOT NULL,
    due_session INTEGER NOT NULL
);
CREATE INDEX index_drill_answers_by_cell
    ON index_drill_answers (chart_part, chart_row, chart_column, id);
)";

constexpr std::string_view kSteps[] = {kFirstSchema, kDrills, kAdviceValues, kTrueCounts,
                                       kMasterAnswers};

}  // namespace

std::span<const std::string_view> SchemaSteps() {
    return kSteps;
}

int SchemaVersion(sqlite3* db) {
    Statement version(db, "PRAGMA user_version");
    return version.Step() ? static_cast<int>(version.Integer(0)) : 0;
}

namespace {

using Columns = std::set<std::pair<std::string, std::string>>;

Columns ColumnsOf(sqlite3* db) {
    Columns columns;
    Statement each(db,
                   "SELECT m.name, c.name FROM sqlite_schema m, pragma_table_info(m.name) c "
                   "WHERE m.type = 'table'");
    while (each.Step()) columns.emplace(each.Text(0), each.Text(1));
    return columns;
}

}  // namespace

bool HoldsSchemaOf(sqlite3* db, int version) {
    sqlite3* expected = nullptr;
    if (sqlite3_open(":memory:", &expected) != SQLITE_OK) {
        sqlite3_close(expected);
        throw SqlError{SQLITE_NOMEM, "out of memory"};
    }
    try {
        for (int step = 0; step < version; ++step)
            Execute(expected, std::string(SchemaSteps()[step]).c_str());
        const Columns wanted = ColumnsOf(expected);
        const Columns held = ColumnsOf(db);
        sqlite3_close(expected);
        return std::includes(held.begin(), held.end(), wanted.begin(), wanted.end());
    } catch (const SqlError&) {
        sqlite3_close(expected);
        throw;
    }
}

void Migrate(sqlite3* db) {
    const std::span<const std::string_view> steps = SchemaSteps();
    // The version is read inside the write transaction: a second copy of the trainer opening the
    // same record at the same moment waits, then finds the step done.
    for (;;) {
        Execute(db, "BEGIN IMMEDIATE");
        try {
            const int version = SchemaVersion(db);
            if (version < 0) throw SqlError{SQLITE_CORRUPT, "a negative schema version"};
            if (version >= LatestSchemaVersion()) {
                Execute(db, "COMMIT");
                return;
            }
            const std::string step = std::string(steps[version]) +
                                     "\nPRAGMA user_version = " + std::to_string(version + 1) + ";";
            Execute(db, step.c_str());
            Execute(db, "COMMIT");
        } catch (const SqlError&) {
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
    }
}

}  // namespace vantrel::record
