// Paying the hands at the end of a round, and what the lesson makes of the round.
#include "engine/settlement.h"

#include "engine/table.h"

namespace vantrel {

HandResult SettleHand(const HandLabel& player, const HandLabel& dealer, int bet) {
    if (player.IsBlackjack()) {
        if (dealer.IsBlackjack()) return {"Push", bet};
        return {"Win", bet + static_cast<int>(1.5 * bet)};
    }
    // Lose, push or win as 0, 1 or 2 stakes back; chosen by arithmetic, since which comes is a
    // toss-up that a branch would often mispredict.
    static constexpr std::string_view kResults[] = {"Lose", "Push", "Win"};
    const int player21 = player.IsBusted() ? -1 : player.number();
    const int dealer21 = dealer.IsBlackjack() ? 22 : dealer.IsBusted() ? -1 : dealer.number();
    const int stakes = player21 < 0 ? 0 : (player21 > dealer21) - (player21 < dealer21) + 1;
    return {kResults[stakes], stakes * bet};
}

void Table::SettleRound() {
    EnableActions(false);
    const HandLabel dealer(state_.dealerTotal, state_.dealerCards, 1);
    ShowControl(Control::l_dhand, true);

    // The table's own record of the round, rewritten in place: results past the hands played are
    // left as they were, and setting them all each round would cost more than the rest of it.
    RoundSettlement& round = settlement_;
    round.staked = 0;
    round.payout = 0;
    round.hands = state_.handCount;
    round.upCard = slots_[DealerSlot(2)].card;
    // The hands are played in order, so the hands dealt are 1 .. handCount.
    for (int hand = 1; hand <= state_.handCount; ++hand) {
        const HandLabel player(state_.handTotal[hand], state_.handCards[hand], state_.handCount);
        const HandResult result = SettleHand(player, dealer, state_.handBet[hand]);
        round.staked += state_.handBet[hand];
        round.payout += result.payout;
        if (events_) {
            round.results[hand - 1] = {state_.handBet[hand], player.text(), result.text,
                                       result.payout};
        }
        ShowControl(HandLabelControl(hand), true);
        ShowText(ResultLabelControl(hand), result.text);
        ShowControl(ResultLabelControl(hand), true);
        if (lesson_.lessonMode == LessonMode::WinQuota && result.text == "Win") {
            ShowPlayerMessage("OK!", 1000);
            --state_.quotaLeft;
        }
    }
    round.staked += state_.insuranceBet;
    round.payout += SettleInsurance(dealer.IsBlackjack());
    lesson_.chips += round.payout;
    ShowChips();
    if (events_) {
        round.dealerLabel = dealer.text();
        events_->RoundSettled(round);
    }

    if (lesson_.lessonMode == LessonMode::WinningsQuota) {
        state_.quotaLeft -= round.net();
    } else if (lesson_.lessonMode == LessonMode::CountQuota &&
               (shoe_.roundsSinceShuffle % 10 == 0 || shoe_.cardsToCut < 0) && coaching_) {
        coaching_->CountCheck();
    }
    ShowQuota();
    Step();
    Wait(3000);
    ClearTable();
    if (lesson_.IsMaster())
        AfterMasterRound();
    else if (shoe_.cardsToCut < 0)
        ShuffleShoe();

    if (state_.quotaLeft < 1) {
        // Lesson passed: the table is left for the lesson's closing page. The Master Exam ends
        // after its shoes, and its closing page tells how it went.
        const bool passed = lesson_.lessonMode != LessonMode::MasterExam || !masterChecks_ ||
                            masterChecks_->ExamPassed();
        EndVisit(passed ? VisitEnd::Passed : VisitEnd::Menu);
        lesson_.lecturePage = 99;
        view_.ShowClosingPage();
    }
    if (lesson_.chips < 5) {
        Ask(lesson_.lessonMode == LessonMode::FreePlay
                ? "You have no chips. Start again!"
                : "You have no chips. You can't play any more without chips even in lessons. "
                  "Start again!");
        EndVisit(VisitEnd::NoChips);
        view_.ShowCourseMenu(lesson_.course());
    }
    state_.roundActive = false;
}

}  // namespace vantrel
