#pragma once

#include <functional>
#include <string_view>

#include "engine/table_view.h"

namespace vantrel::lab {

// The table's screen for the simulator: nobody sees it, so the table shows it nothing and waits
// on it for nothing. It notes the player balloons (in free play and the exams the table uses
// that balloon only to refuse an action) and how a lesson's visit ended: its closing page, or a
// course menu when the chips ran out. Its keypad answers what `answer` gives, 0 without it.
class QuietView final : public TableView {
  public:
    std::function<int()> answer;
    long long playerBalloons = 0;
    long long closingPages = 0;
    long long courseMenus = 0;

    bool ShowsTable() const override { return false; }
    void Delay(int) override {}
    void SetText(Control control, std::string_view) override {
        if (control == Control::l_pmsg) ++playerBalloons;
    }
    void SetVisible(Control, bool) override {}
    void SetEnabled(Control, bool) override {}
    void EnableActions(bool) override {}
    void ShowCardFace(int, const Card&) override {}
    void ShowCardBack(int) override {}
    void SetSlotVisible(int, bool) override {}
    void LoadChipBitmaps() override {}
    void SetStartTimer(bool) override {}
    int ShowMessageBox(std::string_view) override { return 1; }
    int AskCountPoint() override { return answer ? answer() : 0; }
    void ShowClosingPage() override { ++closingPages; }
    void ShowCourseMenu(Course) override { ++courseMenus; }
};

}  // namespace vantrel::lab
