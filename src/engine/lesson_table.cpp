// Opening the table for the current lesson, the quota line and leaving by the Menu button.
#include <algorithm>
#include <climits>
#include <string>

#include "engine/table.h"

namespace vantrel {

void Table::SetUpTable() {
    // A new visit: any flow of an earlier visit that is still waiting stops when it wakes.
    EndVisit();
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
        view_.SetVisible(control, false);
    ShowChips();
    state_.quotaLeft = lesson_.quota;
    ShowQuota();
    view_.LoadChipBitmaps();
    SetMoneyText(Control::l_maxbet, lesson_.maxBetSetting);
    state_.maxBet = lesson_.maxBetSetting;
    ClearTable();
    ShuffleShoe();
    view_.SetEnabled(Control::bbtn_menu, true);
    menuEnabled_ = true;
}

void Table::ShowQuota() {
    const std::string number = std::to_string(state_.quotaLeft);
    switch (lesson_.lessonMode) {
        case LessonMode::FreePlay:
            view_.SetText(Control::l_norm, "ALL-NIGHT");
            break;
        case LessonMode::WinQuota:
            view_.SetText(Control::l_norm, number + " wins to go");
            break;
        case LessonMode::DecisionQuota:
        case LessonMode::CountQuota:
            view_.SetText(Control::l_norm, number + " times to go");
            break;
        case LessonMode::WinningsQuota:
            view_.SetText(Control::l_norm, "$" + number + " to go");
            break;
    }
}

void Table::bbtn_menuClick() {
    Handle([this] {
        if (!menuEnabled_ || state_.countCheckActive) return;
        if (Ask("You want to go back to Menu?") != 1) return;
        // A round in progress is abandoned with its stakes.
        EndVisit();
        view_.ShowCourseMenu(lesson_.IsProfessional());
    });
}

}  // namespace vantrel
