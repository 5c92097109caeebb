#include "record/record_queries.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "record/deviation_cost.h"
#include "record/reader_rows.h"

namespace vantrel::record {

namespace {

// What one mistake gave up per unit bet: the value of the chart's advice, which judged it, less
// that of the action taken; below zero where the hand's own cards favour the action taken.
// Records kept before the advice's value was, give what the best action would have gained, never
// below zero. Unknown EVs give NULL, which sums skip.
std::string CostPerUnit(const RecordReader& reader) {
    return reader.version() >= 3 ? "coalesce(ev_advice - ev_taken, max(ev_best - ev_taken, 0))"
                                 : "max(ev_best - ev_taken, 0)";
}

// "'NL6', 'PL3'": the exams, as an SQL list.
std::string ExamList() {
    std::string list;
    for (const std::string_view code : kExamLessons)
        list += (list.empty() ? "'" : ", '") + std::string(code) + "'";
    return list;
}

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

namespace {

// The chart's mistakes, grouped in SQL, costliest first; at most `limit` (all for -1).
void ChartMistakes(const RecordReader& reader, int limit, std::vector<Mistake>& mistakes) {
    const std::string cost = CostPerUnit(reader);
    // Records kept before decisions had true counts hold no deviation.
    const std::string chartOnly = reader.version() >= 4 ? " AND deviation = 0" : "";
    ForEachRow(reader,
               "SELECT chart_part, chart_row, chart_column, action, advice, count(*), "
               "coalesce(avg(" +
                   cost + "), 0) * 100, total(" + cost +
                   " * stake) AS cost FROM decisions WHERE is_right = 0" + chartOnly +
                   " GROUP BY chart_part, chart_row, chart_column, action, advice "
                   "ORDER BY cost DESC, count(*) DESC, chart_part, chart_row, chart_column, action "
                   "LIMIT " +
                   std::to_string(limit),
               [&](const Statement& row) {
                   Mistake mistake;
                   mistake.cell = {static_cast<ChartPart>(Int(row, 0)), Int(row, 1), Int(row, 2)};
                   mistake.taken = static_cast<Action>(Int(row, 3));
                   mistake.advice = Int(row, 4);
                   mistake.count = Int(row, 5);
                   mistake.averageCostPercent = row.Real(6);
                   mistake.totalCost = row.Real(7);
                   mistakes.push_back(mistake);
               });
}

// The missed index plays, grouped by cell, action, advice and true count, each priced in a shoe
// at its true count.
void DeviationMistakes(const RecordReader& reader, std::vector<Mistake>& mistakes) {
    if (reader.version() < 4) return;
    DeviationCost price;
    const std::size_t first = mistakes.size();
    std::map<std::tuple<int, int, int, int, int, int>, std::size_t> groups;
    std::vector<int> priced;  // per mistake of `mistakes`, the rows priced
    ForEachRow(
        reader,
        "SELECT d.chart_part, d.chart_row, d.chart_column, d.action, d.advice, d.true_count, "
        "d.cards, d.up_card, d.stake, v.decks FROM decisions d JOIN visits v ON v.id = d.visit_id "
        "WHERE d.is_right = 0 AND d.deviation = 1 AND d.true_count IS NOT NULL ORDER BY d.id",
        [&](const Statement& row) {
            const auto key = std::tuple(Int(row, 0), Int(row, 1), Int(row, 2), Int(row, 3),
                                        Int(row, 4), Int(row, 5));
            auto [at, added] = groups.try_emplace(key, mistakes.size());
            if (added) {
                Mistake mistake;
                mistake.cell = {static_cast<ChartPart>(Int(row, 0)), Int(row, 1), Int(row, 2)};
                mistake.taken = static_cast<Action>(Int(row, 3));
                mistake.advice = Int(row, 4);
                mistake.deviation = true;
                mistake.trueCount = Int(row, 5);
                mistake.priced = false;
                mistakes.push_back(mistake);
                priced.push_back(0);
            }
            Mistake& mistake = mistakes[at->second];
            ++mistake.count;
            const std::optional<double> cost = price.PerUnit(
                Int(row, 9), Int(row, 5), row.Text(6), row.Text(7), mistake.taken, mistake.advice);
            if (!cost) return;
            int& n = priced[at->second - first];
            mistake.averageCostPercent += (100 * *cost - mistake.averageCostPercent) / ++n;
            mistake.totalCost += *cost * Int(row, 8);
            mistake.priced = true;
        });
}

}  // namespace

std::vector<Mistake> MistakesByCell(const RecordReader& reader, int limit) {
    std::vector<Mistake> mistakes;
    ChartMistakes(reader, limit > 0 ? limit : -1, mistakes);
    DeviationMistakes(reader, mistakes);
    std::stable_sort(mistakes.begin(), mistakes.end(), [](const Mistake& a, const Mistake& b) {
        if (a.totalCost != b.totalCost) return a.totalCost > b.totalCost;
        return a.count > b.count;
    });
    if (limit > 0 && static_cast<int>(mistakes.size()) > limit) mistakes.resize(limit);
    if (!HoldsMasterAnswers(reader)) return mistakes;
    const int left = limit > 0 ? limit - static_cast<int>(mistakes.size()) : -1;
    if (left == 0) return mistakes;
    ForEachRow(reader,
               "SELECT taken, true_count, count(*) FROM insurance_choices WHERE is_right = 0 "
               "GROUP BY taken, true_count ORDER BY count(*) DESC, true_count LIMIT " +
                   std::to_string(left),
               [&](const Statement& row) {
                   Mistake mistake;
                   mistake.count = Int(row, 2);
                   mistake.trueCount = Int(row, 1);
                   mistake.priced = false;
                   mistake.insuranceTaken = Int(row, 0) != 0;
                   mistakes.push_back(mistake);
               });
    return mistakes;
}

std::vector<ExamAttempt> ExamAttempts(const RecordReader& reader) {
    std::vector<ExamAttempt> attempts;
    ForEachRow(reader,
               "SELECT lesson, started_at, (SELECT sum(net) FROM rounds WHERE visit_id = v.id), "
               "(SELECT total(" +
                   CostPerUnit(reader) +
                   " * stake) FROM decisions "
                   " WHERE visit_id = v.id AND is_right = 0) "
                   "FROM visits v WHERE lesson IN (" +
                   ExamList() +
                   ") "
                   "AND EXISTS (SELECT 1 FROM rounds WHERE visit_id = v.id) ORDER BY id",
               [&](const Statement& row) {
                   attempts.push_back(ExamAttempt{.lessonCode = row.Text(0),
                                                  .startedAt = row.Integer(1),
                                                  .net = Int(row, 2),
                                                  .givenUp = row.Real(3)});
               });
    return attempts;
}

std::vector<VisitProgress> ProgressOfLastVisits(const RecordReader& reader, int visits) {
    std::vector<VisitProgress> progress;
    const auto share = [](const Statement& row, int column) -> std::optional<VisitShare> {
        if (row.Integer(column + 1) == 0) return std::nullopt;
        return VisitShare{Int(row, column), Int(row, column + 1)};
    };
    ForEachRow(
        reader,
        "SELECT lesson, d_right, d_all, c_right, c_all FROM (SELECT id, lesson, "
        "(SELECT count(*) FROM decisions WHERE visit_id = v.id AND is_right = 1) AS d_right, "
        "(SELECT count(*) FROM decisions WHERE visit_id = v.id) AS d_all, "
        "(SELECT count(*) FROM count_answers WHERE visit_id = v.id AND is_right = 1) "
        "AS c_right, "
        "(SELECT count(*) FROM count_answers WHERE visit_id = v.id) AS c_all "
        "FROM visits v WHERE d_all > 0 OR c_all > 0 ORDER BY id DESC LIMIT " +
            std::to_string(std::max(visits, 0)) + ") ORDER BY id",
        [&](const Statement& row) {
            progress.push_back({row.Text(0), share(row, 1), share(row, 3)});
        });
    return progress;
}

bool IsEmpty(const RecordReader& reader) {
    bool empty = true;
    std::string drills =
        HoldsDrills(reader)
            ? " OR EXISTS (SELECT 1 FROM drill_answers) OR EXISTS (SELECT 1 FROM count_downs)"
            : "";
    if (HoldsMasterAnswers(reader)) drills += " OR EXISTS (SELECT 1 FROM index_drill_answers)";
    ForEachRow(reader, "SELECT EXISTS (SELECT 1 FROM visits)" + drills,
               [&](const Statement& row) { empty = row.Integer(0) == 0; });
    return empty;
}

void ForEachDecision(const RecordReader& reader,
                     const std::function<void(const DecisionRow&)>& row) {
    ForEachRow(reader,
               "SELECT d.taken_at, v.lesson, v.decks, d.hand, d.cards, d.up_card, "
               "d.chart_part, d.chart_row, d.chart_column, d.action, d.advice, "
               "d.is_right, d.ev_taken, d.ev_best, d.stake "
               "FROM decisions d JOIN visits v ON v.id = d.visit_id ORDER BY d.id",
               [&](const Statement& statement) {
                   row(DecisionRow{.at = statement.Integer(0),
                                   .lessonCode = statement.Text(1),
                                   .decks = Int(statement, 2),
                                   .hand = Int(statement, 3),
                                   .cards = statement.Text(4),
                                   .upCard = statement.Text(5),
                                   .cell = {static_cast<ChartPart>(Int(statement, 6)),
                                            Int(statement, 7), Int(statement, 8)},
                                   .action = static_cast<Action>(Int(statement, 9)),
                                   .advice = Int(statement, 10),
                                   .right = statement.Integer(11) != 0,
                                   .evTaken = statement.OptionalReal(12),
                                   .evBest = statement.OptionalReal(13),
                                   .stake = Int(statement, 14)});
               });
}

}  // namespace vantrel::record
