#pragma once

#include <string>
#include <vector>

#include <sqlite3.h>

#include "coach/strategy_table.h"
#include "record/entries.h"
#include "record/record_store.h"

namespace vantrel::record {

// Stand on hard 16 against a 10 where the chart says hit, at a cost of 0.04 per unit bet.
inline DecisionEntry StandOnSixteenAgainstTen(int stake) {
    return {.hand = 1,
            .cards = {Card{1, 10}, Card{2, 6}},
            .upCard = Card{3, 13},
            .cell = {ChartPart::Hard, 16, 10},
            .action = Action::Stand,
            .advice = kChartHit,
            .right = false,
            .evTaken = -0.54,
            .evBest = -0.50,
            .evAdvice = -0.50,
            .stake = stake,
            .trueCount = std::nullopt};
}

inline DecisionEntry RightHit(int stake) {
    DecisionEntry decision = StandOnSixteenAgainstTen(stake);
    decision.action = Action::Hit;
    decision.right = true;
    decision.evTaken = decision.evBest;
    return decision;
}

// A one-hand round that pays `payout` on a bet of `bet`.
inline RoundEntry OneHandRound(int bet, int payout, std::vector<DecisionEntry> decisions = {}) {
    return {.upCard = Card{3, 13},
            .dealerLabel = "20",
            .hands = {{.bet = bet,
                       .label = "16",
                       .result = payout > bet    ? "Win"
                                 : payout == bet ? "Push"
                                                 : "Lose",
                       .payout = payout}},
            .decisions = std::move(decisions)};
}

// Four visits: the strategy practice passed with three decisions, one of them right; two exam
// attempts, +$100 with $4 given up by a mistake, then -$50; the counting practice with two
// answers and an unsettled decision, left open as a killed program leaves it.
inline void WriteSampleRecord(RecordStore& store) {
    store.BeginVisit({"NL5", LessonMode::DecisionQuota, 10000, 100, 8});
    store.AddRound(OneHandRound(10, 0, {RightHit(10), StandOnSixteenAgainstTen(10)}));
    store.AddRound(OneHandRound(20, 40, {StandOnSixteenAgainstTen(20)}));
    store.EndVisit({VisitEnding::Passed, 10010, 0});
    store.BeginVisit({"NL6", LessonMode::WinningsQuota, 1000, 1000, 6});
    store.AddRound(OneHandRound(100, 200, {StandOnSixteenAgainstTen(100)}));
    store.EndVisit({VisitEnding::Menu, 1100, 900});
    store.BeginVisit({"NL6", LessonMode::WinningsQuota, 1000, 1000, 6});
    store.AddRound(OneHandRound(50, 0));
    store.EndVisit({VisitEnding::ProgramQuit, 950, 1050});
    store.BeginVisit({"PL2", LessonMode::CountQuota, 10000, 10, 6});
    store.AddCountAnswer({.runningCount = 3, .answer = 3, .seconds = 2.5});
    store.AddCountAnswer({.runningCount = -2, .answer = 1, .seconds = 4});
    const DecisionEntry unsettled[] = {RightHit(5)};
    store.AddUnsettledDecisions(unsettled);
}

// A database of another program where the record should be.
inline void MakeOtherDatabase(const std::string& path) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, "CREATE TABLE photos (name TEXT)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// The first column of the first row a statement gives, for checks the queries do not make.
inline std::string QueryText(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    std::string text;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_text(statement, 0)) {
            text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return text;
}

}  // namespace vantrel::record
