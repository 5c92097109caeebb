#pragma once

#include <array>
#include <deque>
#include <functional>
#include <future>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/table_state.h"
#include "engine/table_view.h"

namespace vantrel::testing {

// A table screen that draws nothing: it records what the engine shows, returns from every Delay
// at once, answers message boxes and count questions from scripts, and can deliver a click while
// the engine waits.
class RecordingView : public TableView {
  public:
    // Every call, in order, e.g. "text l_bet $5", "show s_dmsg", "face 7 S01", "delay 300".
    std::vector<std::string> log;
    // What each control shows now.
    std::array<std::string, static_cast<int>(Control::Count)> text{};
    std::array<bool, static_cast<int>(Control::Count)> visible{};
    std::array<std::string, kSlotCount> slotPicture{};  // card code, "back" or empty
    std::array<bool, kSlotCount> slotVisible{};
    bool actionsEnabled = false;
    bool startTimerRunning = false;
    // Texts of the message boxes shown, and the answers to give (OK when none is left).
    std::vector<std::string> messageBoxes;
    std::deque<int> boxAnswers;
    // Answers to the count question, and how often it was asked.
    std::deque<int> countAnswers;
    int countQuestions = 0;
    // Where the table went when it was left.
    std::vector<std::string> navigation;
    // Balloon texts in the order they were shown, with the time each stayed up.
    std::vector<std::pair<std::string, int>> dealerBalloons;
    std::vector<std::pair<std::string, int>> playerBalloons;

    // Runs `action` from inside the next wait of `ms` milliseconds, as a click during that wait.
    void DuringWaitOf(int ms, std::function<void()> action);
    // Runs `action` from inside the next count question, before it is answered.
    void DuringCountQuestion(std::function<void()> action) { duringCount_ = std::move(action); }

    const std::string& Text(Control control) const { return text[static_cast<int>(control)]; }
    bool Visible(Control control) const { return visible[static_cast<int>(control)]; }
    // The player balloon's texts, in order.
    std::vector<std::string> PlayerBalloonTexts() const;
    // Whether the log holds these entries in this order, others possibly between them.
    bool Logged(std::initializer_list<std::string_view> entries) const;

    void Delay(int ms) override;
    void SetText(Control control, std::string_view value) override;
    void SetVisible(Control control, bool value) override;
    void SetEnabled(Control control, bool value) override;
    void EnableActions(bool on) override;
    void ShowCardFace(int slot, const Card& card) override;
    void ShowCardBack(int slot) override;
    void SetSlotVisible(int slot, bool value) override { slotVisible[slot] = value; }
    // The Master Course's insurance button, and the values shown after a deviation (the latest
    // asked for; empty once hidden).
    bool insuranceOffered = false;
    std::shared_future<std::string> evLine;
    void OfferInsurance(bool offered) override { insuranceOffered = offered; }
    void ShowEvLine(std::shared_future<std::string> line) override { evLine = std::move(line); }
    void LoadChipBitmaps() override { log.push_back("load chips"); }
    void SetStartTimer(bool running) override;
    int ShowMessageBox(std::string_view message) override;
    int AskCountPoint() override;
    void ShowClosingPage() override;
    void ShowCourseMenu(Course course) override;

  private:
    struct PendingAction {
        int ms;
        std::function<void()> action;
    };
    std::vector<PendingAction> pending_;
    std::function<void()> duringCount_;
};

}  // namespace vantrel::testing
