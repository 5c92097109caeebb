#pragma once

#include <array>
#include <string_view>

#include "engine/action.h"
#include "engine/card.h"
#include "engine/chart_cell.h"
#include "engine/lesson_setup.h"
#include "engine/table_state.h"

namespace vantrel {

// The table opened for a lesson.
struct VisitStart {
    std::string_view lessonCode;
    LessonMode mode;
    int chips;
    int quota;
    int decks;  // DECK in force
};

// How a visit to the table ended.
enum class VisitEnd { Passed, Menu, NoChips, Quit };

// Chips and quota as the table was left.
struct VisitClose {
    VisitEnd how;
    int chips;
    int quotaLeft;
};

// An action the table accepted, as the coach judged it against the chart. Judged in every lesson;
// only the strategy practice shows the verdict.
struct Decision {
    static constexpr int kMaxCards = kHandSlots;
    std::array<Card, kMaxCards> cards{};  // the hand's cards as the table shows them
    int cardCount = 0;                    // cards held, possibly more than the slots show
    int hand = 1;                         // 1..4
    int hands = 1;                        // hands on the table
    Card upCard;
    ChartCell cell;  // the pair sub-table when the table would split these cards
    Action action = Action::Stand;
    int advice = 0;  // the chart's code, doubles resolved for the cards held; 9 = any
    bool right = false;
    int stake = 0;  // the hand's bet before the action
    // The Master Course judges by the chart with its index plays applied at the true count.
    int trueCount = 0;       // the true count as the decision was made (Master Course)
    bool deviation = false;  // the advice is an index play's, not the chart's
};

// One player hand at settlement.
struct SettledHand {
    int bet;
    std::string_view label;   // "BJ!", "BUSTED" or the total
    std::string_view result;  // "Win", "Lose" or "Push"
    int payout;               // chips given back, stake included
};

// A round paid out.
struct RoundSettlement {
    int staked;
    int payout;
    int hands;
    Card upCard;
    std::string_view dealerLabel;
    std::array<SettledHand, kMaxHands> results;
    int net() const { return payout - staked; }
};

// A running-count answer.
struct CountAnswer {
    int count;   // the true running count
    int answer;  // what the student entered
    bool right;
    double seconds;  // from the question's opening to the answer
};

// An insurance offer answered at a Master Course table, judged against the insurance index.
struct InsuranceChoice {
    std::array<Card, 2> cards{};  // the player's hand
    int trueCount = 0;            // as the student saw it
    bool taken = false;
    bool right = false;
    int stake = 0;  // the bet insured
};

// What happened at the table, told to whoever keeps the student's record. Called on the table's
// own thread, at the moment it happens; a listener must return at once, and copy what it keeps:
// the texts are views into the table's own.
class TableEvents {
  public:
    virtual ~TableEvents() = default;
    virtual void VisitStarted(const VisitStart& visit) = 0;
    virtual void DecisionJudged(const Decision& decision) = 0;
    virtual void RoundSettled(const RoundSettlement& round) = 0;
    virtual void CountAnswered(const CountAnswer& answer) = 0;
    virtual void VisitEnded(const VisitClose& close) = 0;
    // Only the Master Course's tables offer insurance; a listener may let it pass.
    virtual void InsuranceChosen(const InsuranceChoice&) {}
};

}  // namespace vantrel
