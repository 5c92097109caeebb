#include "support/recording_view.h"

#include <algorithm>

namespace vantrel::testing {

namespace {
std::string Name(Control control) {
    return std::string(ControlName(control));
}
}  // namespace

void RecordingView::DuringWaitOf(int ms, std::function<void()> action) {
    pending_.push_back({ms, std::move(action)});
}

std::vector<std::string> RecordingView::PlayerBalloonTexts() const {
    std::vector<std::string> texts;
    for (const auto& balloon : playerBalloons) texts.push_back(balloon.first);
    return texts;
}

bool RecordingView::Logged(std::initializer_list<std::string_view> entries) const {
    auto at = log.begin();
    for (std::string_view entry : entries) {
        at = std::find(at, log.end(), entry);
        if (at == log.end()) return false;
        ++at;
    }
    return true;
}

void RecordingView::Delay(int ms) {
    log.push_back("delay " + std::to_string(ms));
    // A balloon that is up now stays up for exactly this wait.
    if (Visible(Control::l_dmsg)) dealerBalloons.emplace_back(Text(Control::l_dmsg), ms);
    if (Visible(Control::l_pmsg)) playerBalloons.emplace_back(Text(Control::l_pmsg), ms);
    for (size_t i = 0; i < pending_.size(); ++i) {
        if (pending_[i].ms == ms) {
            auto action = std::move(pending_[i].action);
            pending_.erase(pending_.begin() + static_cast<long>(i));
            action();
            break;
        }
    }
}

void RecordingView::SetText(Control control, std::string_view value) {
    text[static_cast<int>(control)] = std::string(value);
    log.push_back("text " + Name(control) + " " + std::string(value));
}

void RecordingView::SetVisible(Control control, bool value) {
    visible[static_cast<int>(control)] = value;
    log.push_back((value ? "show " : "hide ") + Name(control));
}

void RecordingView::SetEnabled(Control control, bool value) {
    log.push_back((value ? "enable " : "disable ") + Name(control));
}

void RecordingView::EnableActions(bool on) {
    actionsEnabled = on;
    log.push_back(on ? "enable actions" : "disable actions");
}

void RecordingView::ShowCardFace(int slot, const Card& card) {
    slotPicture[slot] = card.code();
    log.push_back("face " + std::to_string(slot) + " " + card.code());
}

void RecordingView::ShowCardBack(int slot) {
    slotPicture[slot] = "back";
    log.push_back("back " + std::to_string(slot));
}

void RecordingView::SetStartTimer(bool running) {
    startTimerRunning = running;
    log.push_back(running ? "start timer" : "stop timer");
}

int RecordingView::ShowMessageBox(std::string_view message) {
    messageBoxes.emplace_back(message);
    log.push_back("box " + std::string(message));
    if (boxAnswers.empty()) return 1;
    const int answer = boxAnswers.front();
    boxAnswers.pop_front();
    return answer;
}

int RecordingView::AskCountPoint() {
    ++countQuestions;
    log.push_back("ask count");
    if (duringCount_) {
        auto action = std::move(duringCount_);
        duringCount_ = nullptr;
        action();
    }
    if (countAnswers.empty()) return 0;
    const int answer = countAnswers.front();
    countAnswers.pop_front();
    return answer;
}

void RecordingView::ShowClosingPage() {
    navigation.push_back("closing page");
    log.push_back("closing page");
}

void RecordingView::ShowCourseMenu(Course course) {
    navigation.push_back(course == Course::Master         ? "master menu"
                         : course == Course::Professional ? "professional menu"
                                                          : "general menu");
    log.push_back(navigation.back());
}

}  // namespace vantrel::testing
