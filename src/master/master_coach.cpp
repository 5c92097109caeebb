#include "master/master_coach.h"

#include <algorithm>

#include "coach/coach.h"
#include "coach/index_judge.h"
#include "master/tray_reading.h"
#include "strategy/true_count.h"

namespace vantrel {

namespace {
// The true-count practice asks after about one round in three.
constexpr double kPracticeQuestionChance = 1.0 / 3.0;
// A round of one hand takes some five cards and a half, the dealer's among them.
constexpr double kCardsPerRound = 5.4;
}  // namespace

MasterCoach::MasterCoach(Table& table)
    : table_(table), chance_([this](double chance) {
          constexpr int kSteps = 1 << 20;
          return table_.random().RandomBelow(kSteps) < chance * kSteps;
      }) {}

void MasterCoach::StartVisit(const strategy::MasterFigures* figures, TableEvents* next) {
    figures_ = figures;
    next_ = next;
    exam_ = {};
}

void MasterCoach::CheckBet() {
    if (!figures_ || (mode() != LessonMode::BetQuota && mode() != LessonMode::MasterExam)) return;
    const Shoe& shoe = table_.shoe();
    TableState& state = table_.state();
    const TrayReading reading = ReadTray(shoe.runningCount, shoe.CardsLeft());
    const int rightBet = strategy::RampBet(*figures_, reading.trueCount, state.maxBet);
    const int bet = state.handBet[1];
    const bool right = bet == rightBet ||
                       bet == strategy::RampBet(*figures_, reading.otherTrueCount, state.maxBet);
    if (mode() == LessonMode::MasterExam) {
        ++exam_.bets;
        exam_.rightBets += right;
        exam_.betValue +=
            bet * EdgeAt(*figures_, strategy::TrueCount(shoe.runningCount, shoe.CardsLeft()));
        return;
    }
    state.quotaLeft += right ? -1 : 1;
    table_.ShowPlayerMessage(VerdictText(right, "$" + std::to_string(rightBet)),
                             right ? 500 : 1000);
}

void MasterCoach::TrueCountCheck() {
    if (mode() == LessonMode::TrueCountQuota) {
        if (chance_(kPracticeQuestionChance)) AskTrueCount();
    } else if (mode() == LessonMode::MasterExam) {
        if (chance_(ExamQuestionChance())) AskTrueCount();
    }
}

double MasterCoach::ExamQuestionChance() const {
    const int left = kExamQuestions - exam_.countAnswers;
    if (left <= 0) return 0.0;
    const Shoe& shoe = table_.shoe();
    const double roundsAShoe = shoe.decks() * 52.0 * table_.rules.playper / 100.0 / kCardsPerRound;
    const double roundsLeft = (table_.state().quotaLeft - 1) * roundsAShoe +
                              std::max(shoe.cardsToCut, 0) / kCardsPerRound;
    return std::min(1.0, left / std::max(roundsLeft, 1.0));
}

void MasterCoach::AskTrueCount() {
    TableState& state = table_.state();
    state.countCheckActive = true;
    // The round's cards lie in the tray a moment before the keypad covers the table.
    table_.Wait(500);
    const Shoe& shoe = table_.shoe();
    const TrayReading reading = ReadTray(shoe.runningCount, shoe.CardsLeft());
    const auto asked = clock_();
    const int answer = table_.AskTrueCount();
    const std::chrono::duration<double> taken = clock_() - asked;
    const bool right = reading.Accepts(answer);
    // The record keeps the reading the answer took, when it was a fair one.
    CountAnswered({right ? answer : reading.trueCount, answer, right, taken.count()});
    if (mode() == LessonMode::TrueCountQuota) {
        state.quotaLeft += right ? -1 : 1;
        const std::string working = "running " + SignedText(reading.runningCount) + "\n" +
                                    HalfDecksText(reading.halfDecks) + " decks: true " +
                                    SignedText(reading.trueCount);
        table_.ShowPlayerMessage(VerdictText(right, SignedText(reading.trueCount)) + "\n" + working,
                                 right ? 2000 : 3000);
        table_.ShowQuota();
    }
    state.countCheckActive = false;
}

bool MasterCoach::ExamPassed() {
    return vantrel::ExamPassed(exam_);
}

void MasterCoach::InsuranceAnswered(bool taken) {
    const int trueCount = SeenTrueCount(table_);
    const InsuranceJudgement judgement = JudgeInsurance(figures_, trueCount, taken);
    if (mode() == LessonMode::MasterExam) {
        ++exam_.insurance;
        exam_.rightInsurance += judgement.right;
    }
    // Judged only where the figures hold an insurance index.
    if (!next_ || !judgement.index) return;
    const TableState& state = table_.state();
    next_->InsuranceChosen(
        {{table_.slot(PlayerSlot(1, 1)).card, table_.slot(PlayerSlot(1, 2)).card},
         trueCount,
         taken,
         judgement.right,
         state.handBet[1]});
}

std::string MasterCoach::ExamReportText() const {
    return ExamReport(exam_, MistakesCost(exam_.mistakes, table_.rules.deck));
}

void MasterCoach::VisitStarted(const VisitStart& visit) {
    exam_ = {};
    if (next_) next_->VisitStarted(visit);
}

void MasterCoach::DecisionJudged(const Decision& decision) {
    ++exam_.decisions;
    exam_.rightDecisions += decision.right;
    if (!decision.right && mode() == LessonMode::MasterExam) exam_.mistakes.push_back(decision);
    if (next_) next_->DecisionJudged(decision);
}

void MasterCoach::RoundSettled(const RoundSettlement& round) {
    exam_.net += round.net();
    if (next_) next_->RoundSettled(round);
}

void MasterCoach::CountAnswered(const CountAnswer& answer) {
    ++exam_.countAnswers;
    exam_.rightCountAnswers += answer.right;
    if (next_) next_->CountAnswered(answer);
}

void MasterCoach::VisitEnded(const VisitClose& close) {
    if (next_) next_->VisitEnded(close);
}

}  // namespace vantrel
