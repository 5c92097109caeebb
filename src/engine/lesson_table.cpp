// Opening the table for the current lesson, the quota line and leaving by the Menu button.
#include <algorithm>
#include <charconv>
#include <climits>
#include <string_view>

#include "engine/table.h"

namespace vantrel {

void Table::SetUpTable() {
    // A new visit: any flow of an earlier visit that is still waiting stops when it wakes. An
    // earlier visit still open was left without a word; the menu is the nearest account of it.
    EndVisit(VisitEnd::Menu);
    state_.roundActive = false;
    state_.countCheckActive = false;
    state_.countdown = IdleCountdown();
    view_.SetEnabled(Control::bbtn_menu, false);
    menuEnabled_ = false;
    random_.Seed(seedSource_());
    EnableActions(false);
    // What an earlier visit may have left on the screen when it was cut short.
    for (Control control : {Control::s_dmsg, Control::l_dmsg, Control::s_pmsg, Control::l_pmsg,
                            Control::s_timeout, Control::l_timeout})
        ShowControl(control, false);
    ShowChips();
    state_.quotaLeft = lesson_.quota;
    ShowQuota();
    visitOpen_ = true;
    if (events_)
        events_->VisitStarted(
            {lesson_.lessonCode, lesson_.lessonMode, lesson_.chips, lesson_.quota, rules.deck});
    view_.LoadChipBitmaps();
    SetMoneyText(Control::l_maxbet, lesson_.maxBetSetting);
    state_.maxBet = lesson_.maxBetSetting;
    ClearTable();
    ShuffleShoe();
    view_.SetEnabled(Control::bbtn_menu, true);
    menuEnabled_ = true;
}

void Table::ShowQuota() {
    if (!shown_) return;
    // Formatted on the stack: settlement shows the quota after every round.
    const auto show = [this](std::string_view before, std::string_view after) {
        char text[32];
        char* end = std::copy(before.begin(), before.end(), text);
        end = std::to_chars(end, text + sizeof text, state_.quotaLeft).ptr;
        end = std::copy(after.begin(), after.end(), end);
        view_.SetText(Control::l_norm, std::string_view(text, end - text));
    };
    switch (lesson_.lessonMode) {
        case LessonMode::FreePlay:
            view_.SetText(Control::l_norm, "ALL-NIGHT");
            break;
        case LessonMode::WinQuota:
            show("", " wins to go");
            break;
        case LessonMode::DecisionQuota:
        case LessonMode::CountQuota:
        case LessonMode::TrueCountQuota:
        case LessonMode::BetQuota:
        case LessonMode::IndexQuota:
            show("", " times to go");
            break;
        case LessonMode::MasterExam:
            show("", " shoes to go");
            break;
        case LessonMode::WinningsQuota:
            show("$", " to go");
            break;
    }
}

void Table::bbtn_menuClick() {
    Handle([this] {
        if (!menuEnabled_ || state_.countCheckActive) return;
        if (Ask("You want to go back to Menu?") != 1) return;
        // A round in progress is abandoned with its stakes.
        EndVisit(VisitEnd::Menu);
        view_.ShowCourseMenu(lesson_.course());
    });
}

}  // namespace vantrel
