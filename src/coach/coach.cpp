#include "coach/coach.h"

#include <algorithm>
#include <string>

namespace vantrel {

std::string_view ActionName(int code) {
    switch (code) {
        case kChartHit:
            return "HIT";
        case kChartStand:
            return "STAND";
        case kChartDouble:
            return "DOUBLE";
        case kChartSplit:
            return "SPLIT";
        default:
            return {};
    }
}

std::string VerdictText(bool right, std::string_view correction) {
    return right ? "OK!" : "Incorrect!(" + std::string(correction) + ")";
}

Decision Coach::Judged(Action action) const {
    const TableState& state = table_.state();
    const int hand = state.currentHand;
    const Judgement judgement = JudgeCurrentHand(chart_, table_);
    Decision decision;
    // Past the seventh card the last slot shows the latest card: the hand's record keeps the slots.
    const int shown = std::min(state.handCards[hand], Decision::kMaxCards);
    for (int position = 1; position <= shown; ++position)
        decision.cards[position - 1] = table_.slot(PlayerSlot(hand, position)).card;
    decision.cardCount = state.handCards[hand];
    decision.hand = hand;
    decision.hands = state.handCount;
    decision.upCard = table_.slot(DealerSlot(2)).card;
    decision.cell = judgement.cell;
    decision.action = action;
    decision.advice = judgement.advice;
    decision.right = judgement.Accepts(action);
    decision.stake = state.handBet[hand];
    return decision;
}

void Coach::CheckDecision(Action action) {
    if (table_.lesson().IsMaster()) {
        if (table_.events() || index_.ShowsVerdicts()) index_.CheckDecision(Judged(action));
        return;
    }
    // Judged only for someone: the record, or the strategy practice's verdict.
    TableEvents* events = table_.events();
    const bool verdict = table_.lesson().lessonMode == LessonMode::DecisionQuota;
    if (!events && !verdict) return;
    const Decision decision = Judged(action);
    if (events) events->DecisionJudged(decision);
    if (verdict) Verdict(decision.right, ActionName(decision.advice));
}

void Coach::ArrangeDeal() {
    if (table_.lesson().IsMaster()) index_.ArrangeDeal();
}

void Coach::DecisionAwaited() {
    if (table_.lesson().IsMaster()) index_.DecisionAwaited();
}

void Coach::CheckInsurance(bool taken) {
    if (table_.lesson().IsMaster()) index_.CheckInsurance(taken);
}

void Coach::CountCheck() {
    TableState& state = table_.state();
    state.countCheckActive = true;
    table_.Wait(2000);
    const auto asked = clock_();
    const int answer = table_.AskCountPoint();
    const std::chrono::duration<double> taken = clock_() - asked;
    const int count = table_.shoe().runningCount;
    if (TableEvents* events = table_.events())
        events->CountAnswered({count, answer, answer == count, taken.count()});
    Verdict(answer == count, std::to_string(count));
    state.countCheckActive = false;
}

void Coach::Verdict(bool right, std::string_view correction) {
    table_.state().quotaLeft += right ? -1 : 1;
    table_.ShowPlayerMessage(VerdictText(right, correction), right ? 500 : 1000);
}

}  // namespace vantrel
