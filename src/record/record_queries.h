#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/entries.h"
#include "record/record_reader.h"

namespace vantrel::record {

// The lessons with a table, in the order the Record screen lists them: the Master Course's after
// the two courses' and the play room, so that their rows stay where they were.
inline constexpr std::array<std::string_view, 10> kRecordedLessons = {
    "NL3", "NL5", "NL6", "PL2", "PL3", "P", "ML2", "ML3", "ML5", "ML6"};

// The two graduation exams, whose quota is net winnings.
inline constexpr std::array<std::string_view, 2> kExamLessons = {"NL6", "PL3"};

// How many of the latest visits the progress plot spans.
inline constexpr int kProgressVisits = 30;

struct LessonSummary {
    std::string lessonCode;
    int visits = 0;
    int passes = 0;
    int rounds = 0;
    int decisions = 0;
    int rightDecisions = 0;
    int countAnswers = 0;
    int rightCountAnswers = 0;
    // Exams only: the best and the latest attempt's net winnings, once there is an attempt.
    std::optional<int> bestNet;
    std::optional<int> lastNet;
};

// One row per lesson of kRecordedLessons, in that order, zeros where nothing was recorded.
std::vector<LessonSummary> LessonSummaries(const RecordReader& reader);

// The wrong decisions of one chart cell with one action taken where the chart advised another.
// The cost of one mistake is (EV of the chart's advice - EV of the action taken) x stake, below
// zero where the hand's own cards favour the action taken over the chart's, which goes by totals.
// A missed index play is priced in a shoe at the true count it was missed at (DeviationCost), as
// the values kept are a full shoe's, where the index play is the worse one. A wrong insurance
// choice is not priced.
struct Mistake {
    ChartCell cell;
    Action taken = Action::Hit;
    int advice = 0;
    int count = 0;
    double averageCostPercent = 0;  // the average cost as a percentage of the bet
    double totalCost = 0;           // in dollars
    // A deviation: the advice was an index play's at this true count, not the chart's.
    bool deviation = false;
    std::optional<int> trueCount;
    bool priced = true;  // false: no value was known, and the cost figures say nothing
    // An insurance choice against the insurance index: whether insurance was taken; `cell`,
    // `taken` and `advice` then say nothing.
    std::optional<bool> insuranceTaken;
};

// The mistakes, costliest first in total, the insurance choices after the decisions; at most
// `limit` rows, or all when limit is 0.
std::vector<Mistake> MistakesByCell(const RecordReader& reader, int limit = 0);

// One attempt at an exam, as skill beside luck: net winnings = luck - what the wrong decisions
// gave up.
struct ExamAttempt {
    std::string lessonCode;
    std::int64_t startedAt = 0;  // milliseconds since 1970, UTC
    int net = 0;                 // the net winnings of its settled rounds
    double givenUp = 0;          // the expected dollars its wrong decisions gave up
    double luck() const { return net + givenUp; }
};

// Every attempt at NL6 and PL3 that settled a round, oldest first.
std::vector<ExamAttempt> ExamAttempts(const RecordReader& reader);

// The right answers of one table visit out of all.
struct VisitShare {
    int right = 0;
    int total = 0;
    double share() const { return total > 0 ? static_cast<double>(right) / total : 0; }
};

// One table visit of the progress plot: its decisions' share and its count answers' share, each
// only when the visit had any.
struct VisitProgress {
    std::string lessonCode;
    std::optional<VisitShare> decisions;
    std::optional<VisitShare> countAnswers;
};

// The last `visits` visits that had decisions or count answers, oldest first.
std::vector<VisitProgress> ProgressOfLastVisits(const RecordReader& reader,
                                                int visits = kProgressVisits);

// True while nothing is recorded: no table visit, no drill answer (of either drill) and no
// count-down.
bool IsEmpty(const RecordReader& reader);

// Every recorded decision, for taking the data elsewhere.
struct DecisionRow {
    std::int64_t at = 0;  // milliseconds since 1970, UTC
    std::string lessonCode;
    int decks = 0;
    int hand = 0;
    std::string cards;   // card codes separated by spaces: "S10 H06"
    std::string upCard;  // a card code
    ChartCell cell;
    Action action = Action::Hit;
    int advice = 0;
    bool right = false;
    std::optional<double> evTaken;
    std::optional<double> evBest;
    int stake = 0;
};

// Calls `row` for each decision, oldest first.
void ForEachDecision(const RecordReader& reader,
                     const std::function<void(const DecisionRow&)>& row);

}  // namespace vantrel::record
