#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "coach/drill_schedule.h"
#include "engine/action.h"
#include "engine/card.h"
#include "engine/chart_cell.h"
#include "engine/lesson_setup.h"

namespace vantrel::record {

// The chart cell a decision is checked against, as the table's events name it, with the row and
// column the check reads (see StrategyTable): hard rows are the hard total 8..17, soft rows the
// total beside the ace 2..8 (row 7 is ace and 7, soft 18), pair rows the paired card's value
// 1..10; the column is the dealer's up-card value, 1 for an ace.
using vantrel::ChartCell;
using vantrel::ChartPart;

// How a table visit ended.
enum class VisitEnding { Passed, Menu, NoChips, ProgramQuit };

// A table visit as it starts: the lesson and the table values it opens with.
struct VisitStart {
    std::string lessonCode;  // "NL3", "NL5", "NL6", "PL2", "PL3", "P"
    LessonMode mode = LessonMode::FreePlay;
    int chips = 0;
    int quota = 0;
    int decks = 6;  // the settings' DECK in force
};

// A table visit as it ends.
struct VisitEnd {
    VisitEnding ending = VisitEnding::Menu;
    int chips = 0;
    int quota = 0;  // the quota still to go
};

// One player hand of a settled round.
struct HandEntry {
    int bet = 0;
    std::string label;   // "BJ!", "BUSTED" or the best total
    std::string result;  // "Win", "Lose" or "Push"
    int payout = 0;      // chips given back, stake included
};

// An action the table accepted, judged against the chart (silently outside the strategy
// lesson).
struct DecisionEntry {
    int hand = 1;             // 1..4
    std::vector<Card> cards;  // the hand's cards when the action was taken
    Card upCard;
    ChartCell cell;
    Action action = Action::Hit;
    int advice = 0;  // the chart's advice, doubles resolved for the cards held (kChartHit ...)
    bool right = false;
    // Expected values per unit bet of the action taken, of the best action for this hand and of
    // the chart's advice, which is what the decision was judged by; empty when they are not
    // known, and the advice's when it names no one action.
    std::optional<double> evTaken;
    std::optional<double> evBest;
    std::optional<double> evAdvice;
    int stake = 0;  // the hand's bet when the action was taken
    // The Master Course's: the true count at the decision, and whether the advice was an index
    // play's (a deviation from the chart) rather than the chart's.
    std::optional<int> trueCount;
    bool deviation = false;
};

// A settled round with the decisions taken in it, in the order they were taken. Stakes, payout
// and net are the sums over the hands.
struct RoundEntry {
    Card upCard;
    std::string dealerLabel;  // "BJ!", "BUSTED" or the dealer's total
    std::vector<HandEntry> hands;
    std::vector<DecisionEntry> decisions;
};

// An answer to the count question.
struct CountAnswerEntry {
    int runningCount = 0;  // the right answer
    int answer = 0;
    double seconds = 0;  // from the question to the answer

    bool right() const { return answer == runningCount; }
};

// An insurance offer against an ace answered at a Master Course table, judged by the insurance
// index at the true count the student saw.
struct InsuranceEntry {
    std::vector<Card> cards;  // the player's hand
    int trueCount = 0;
    bool taken = false;
    bool right = false;
    int stake = 0;  // the bet insured; the insurance is half of it
};

// A strategy drill session as it begins.
struct DrillStart {
    int decks = 6;                    // the settings' DECK in force
    std::int64_t lastDecisionId = 0;  // the table's mistakes up to this decision are taken in
    // The cells that those mistakes have made due, as they now stand.
    std::vector<CellProgress> cells;
};

// One answer of a strategy drill, judged as the table judges the first hand of a round, and the
// cell's place in the schedule after it.
struct DrillAnswerEntry {
    DecisionEntry decision;
    double seconds = 0;  // from the card to the answer
    CellProgress progress;
};

// A strategy drill session played to its end.
struct DrillEnd {
    int cards = 0;
    int right = 0;
    double seconds = 0;
};

// One answer of the index drill: a two-card hand of an index play's cell shown at a true count,
// judged by the index, and the cell's place in the index drill's own schedule after it.
struct IndexDrillAnswerEntry {
    int session = 1;  // the index drill's session, numbered on its own from 1
    int decks = 6;    // the settings' DECK in force
    std::vector<Card> cards;
    Card upCard;
    ChartCell cell;
    int trueCount = 0;  // the true count shown
    Action action = Action::Hit;
    int advice = 0;  // the right play at that true count (kChartHit ... kChartSplit)
    bool right = false;
    double seconds = 0;  // from the card to the answer
    CellProgress progress;
};

// A count-down: a deck, or half of one, dealt card by card, then the running count asked.
struct CountDownEntry {
    int cards = 52;
    int paceMs = 0;  // milliseconds a card; 0: the next card whenever the student asks
    int runningCount = 0;
    int answer = 0;
    double seconds = 0;  // from the first card to the end of the last

    bool right() const { return answer == runningCount; }
};

}  // namespace vantrel::record
