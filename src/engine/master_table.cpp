// The table's part in the Master Course: the discard tray, the true-count keypad and the
// end of a round.
#include "engine/table.h"

namespace vantrel {

int Table::AskTrueCount() {
    DisarmGesture();
    const std::uint64_t visit = visit_;
    const int answer = view_.AskTrueCount();
    if (visit != visit_) throw VisitEnded{};
    return answer;
}

void Table::ShowTray() {
    if (!shown_) return;
    if (!lesson_.IsMaster()) {
        view_.ShowDiscardTray(false, 0, 0);
        return;
    }
    view_.ShowDiscardTray(true, shoe_.decks() * 52 - shoe_.CardsLeft(), shoe_.decks());
}

void Table::AfterMasterRound() {
    if (masterChecks_) masterChecks_->TrueCountCheck();
    if (shoe_.cardsToCut >= 0) return;
    if (lesson_.lessonMode == LessonMode::MasterExam) {
        --state_.quotaLeft;
        ShowQuota();
        if (state_.quotaLeft < 1) return;  // the exam is over: no shoe after its last
    }
    ShuffleShoe();
}

}  // namespace vantrel
