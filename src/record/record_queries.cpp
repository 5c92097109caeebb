#include "record/record_queries.h"

#include <algorithm>

#include "record/reader_rows.h"

namespace vantrel::record {

namespace {

// What one mistake gave up per unit bet. A best action's EV a hair under the taken one's (the
// two worked out apart) counts as nothing given up; unknown EVs give NULL, which sums skip.
constexpr std::string_view kCostPerUnit = "max(ev_best - ev_taken, 0)";

}  // namespace

std::vector<LessonSummary> LessonSummaries(const RecordReader& reader) {
    std::vector<LessonSummary> summaries;
    for (const std::string_view code : kRecordedLessons) {
        summaries.emplace_back().lessonCode = code;
    }
    const auto lesson = [&](std::string_view code) {
        return std::find_if(summaries.begin(), summaries.end(),
                            [&](const LessonSummary& s) { return s.lessonCode == code; });
    };
    ForEachRow(reader,
               "SELECT lesson, count(*), total(ending = 'passed'), "
               "total((SELECT count(*) FROM rounds WHERE visit_id = v.id)), "
               "total((SELECT count(*) FROM decisions WHERE visit_id = v.id)), "
               "total((SELECT count(*) FROM decisions WHERE visit_id = v.id AND is_right = 1)), "
               "total((SELECT count(*) FROM count_answers WHERE visit_id = v.id)), "
               "total((SELECT count(*) FROM count_answers WHERE visit_id = v.id AND is_right = 1)) "
               "FROM visits v GROUP BY lesson",
               [&](const Statement& row) {
                   const auto summary = lesson(row.Text(0));
                   if (summary == summaries.end()) return;
                   summary->visits = Int(row, 1);
                   summary->passes = static_cast<int>(row.Real(2));
                   summary->rounds = static_cast<int>(row.Real(3));
                   summary->decisions = static_cast<int>(row.Real(4));
                   summary->rightDecisions = static_cast<int>(row.Real(5));
                   summary->countAnswers = static_cast<int>(row.Real(6));
                   summary->rightCountAnswers = static_cast<int>(row.Real(7));
               });
    for (const ExamAttempt& attempt : ExamAttempts(reader)) {
        const auto summary = lesson(attempt.lessonCode);
        if (summary == summaries.end()) continue;
        summary->bestNet = std::max(summary->bestNet.value_or(attempt.net), attempt.net);
        summary->lastNet = attempt.net;
    }
    return summaries;
}

std::vector<Mistake> MistakesByCell(const RecordReader& reader, int limit) {
    std::vector<Mistake> mistakes;
    const std::string cost(kCostPerUnit);
    ForEachRow(reader,
               "SELECT chart_part, chart_row, chart_column, action, advice, count(*), "
               "coalesce(avg(" +
                   cost + "), 0) * 100, total(" + cost +
                   " * stake) AS cost "
                   "FROM decisions WHERE is_right = 0 "
                   "GROUP BY chart_part, chart_row, chart_column, action, advice "
                   "ORDER BY cost DESC, count(*) DESC, chart_part, chart_row, chart_column, action "
                   "LIMIT " +
                   std::to_string(limit > 0 ? limit : -1),
               [&](const Statement& row) {
                   mistakes.push_back(Mistake{
                       .cell = {static_cast<ChartPart>(Int(row, 0)), Int(row, 1), Int(row, 2)},
                       .taken = static_cast<Action>(Int(row, 3)),
                       .advice = Int(row, 4),
                       .count = Int(row, 5),
                       .averageCostPercent = row.Real(6),
                       .totalCost = row.Real(7)});
               });
    return mistakes;
}

std::vector<ExamAttempt> ExamAttempts(const RecordReader& reader) {
    std::vector<ExamAttempt> attempts;
    ForEachRow(reader,
               "SELECT lesson, started_at, (SELECT sum(net) FROM rounds WHERE visit_id = v.id), "
               "(SELECT total(" +
                   std::string(kCostPerUnit) +
                   " * stake) FROM decisions "
                   " WHERE visit_id = v.id AND is_right = 0) "
                   "FROM visits v WHERE lesson IN ('NL6', 'PL3') "
                   "AND EXISTS (SELECT 1 FROM rounds WHERE visit_id = v.id) ORDER BY id",
               [&](const Statement& row) {
                   attempts.push_back(ExamAttempt{.lessonCode = row.Text(0),
                                                  .startedAt = row.Integer(1),
                                                  .net = Int(row, 2),
                                                  .givenUp = row.Real(3)});
               });
    return attempts;
}

namespace {

// Right answers out of all per visit, for the last visits that have rows in `table`.
std::vector<VisitShare> LastVisitShares(const RecordReader& reader, std::string_view table,
                                        int visits) {
    std::vector<VisitShare> shares;
    const std::string from = "FROM " + std::string(table) + " WHERE visit_id = v.id";
    ForEachRow(reader,
               "SELECT lesson, right_count, all_count FROM (SELECT id, lesson, "
               "(SELECT count(*) " +
                   from +
                   " AND is_right = 1) AS right_count, "
                   "(SELECT count(*) " +
                   from +
                   ") AS all_count "
                   "FROM visits v WHERE EXISTS (SELECT 1 " +
                   from +
                   ") "
                   "ORDER BY id DESC LIMIT " +
                   std::to_string(std::max(visits, 0)) + ") ORDER BY id",
               [&](const Statement& row) {
                   shares.push_back(VisitShare{row.Text(0), Int(row, 1), Int(row, 2)});
               });
    return shares;
}

}  // namespace

Progress ProgressOfLastVisits(const RecordReader& reader, int visits) {
    return {LastVisitShares(reader, "decisions", visits),
            LastVisitShares(reader, "count_answers", visits)};
}

bool IsEmpty(const RecordReader& reader) {
    bool empty = true;
    ForEachRow(reader, "SELECT EXISTS (SELECT 1 FROM visits)",
               [&](const Statement& row) { empty = row.Integer(0) == 0; });
    return empty;
}

bool ForEachDecision(const RecordReader& reader,
                     const std::function<void(const DecisionRow&)>& row) {
    if (!reader.ok()) return false;
    try {
        Statement statement(reader.db(),
                            "SELECT d.taken_at, v.lesson, v.decks, d.hand, d.cards, d.up_card, "
                            "d.chart_part, d.chart_row, d.chart_column, d.action, d.advice, "
                            "d.is_right, d.ev_taken, d.ev_best, d.stake "
                            "FROM decisions d JOIN visits v ON v.id = d.visit_id ORDER BY d.id");
        while (statement.Step()) {
            row(DecisionRow{.at = statement.Integer(0),
                            .lessonCode = statement.Text(1),
                            .decks = Int(statement, 2),
                            .hand = Int(statement, 3),
                            .cards = statement.Text(4),
                            .upCard = statement.Text(5),
                            .cell = {static_cast<ChartPart>(Int(statement, 6)), Int(statement, 7),
                                     Int(statement, 8)},
                            .action = static_cast<Action>(Int(statement, 9)),
                            .advice = Int(statement, 10),
                            .right = statement.Integer(11) != 0,
                            .evTaken = statement.OptionalReal(12),
                            .evBest = statement.OptionalReal(13),
                            .stake = Int(statement, 14)});
        }
        return true;
    } catch (const SqlError&) {
        return false;
    }
}

}  // namespace vantrel::record
