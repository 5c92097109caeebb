#pragma once

#include <string>
#include <vector>

#include "engine/table_events.h"
#include "strategy/master_figures.h"

namespace vantrel {

// What the Master Exam passes at: shares of right answers.
inline constexpr double kExamDecisionsToPass = 0.95;
inline constexpr double kExamBetsToPass = 0.90;
inline constexpr double kExamCountsToPass = 0.90;
// How many true counts the exam asks for, spread over its shoes at random.
inline constexpr int kExamQuestions = 10;

// One exam's judgements, as they come.
struct ExamTally {
    int decisions = 0;
    int rightDecisions = 0;
    int bets = 0;
    int rightBets = 0;
    int countAnswers = 0;
    int rightCountAnswers = 0;
    int insurance = 0;
    int rightInsurance = 0;
    // Dollars each bet was worth before its cards: the bet times the edge at its round's true
    // count (the figures' edge with the chart played, as this table pays a blackjack).
    double betValue = 0.0;
    int net = 0;  // chips won less chips lost
    std::vector<Decision> mistakes;
};

// The share of right answers; all right when none was asked.
double RightShare(int right, int all);
bool ExamPassed(const ExamTally& tally);

// The edge of the figures' row for this true count; the end rows take the counts beyond them.
double EdgeAt(const strategy::MasterFigures& figures, int trueCount);

// What the mistaken decisions gave up, in dollars: for each, the hand's stake times what the
// advised action is worth more than the one taken, for the cards of a full shoe of `decks`
// (never below zero: a missed index play is priced at nothing here).
double MistakesCost(const std::vector<Decision>& mistakes, int decks);

// The exam's closing figures, a line each.
std::string ExamReport(const ExamTally& tally, double mistakesCost);

}  // namespace vantrel
