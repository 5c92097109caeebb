// Chips, bets and the betting countdown.
#include <algorithm>
#include <charconv>
#include <climits>
#include <string_view>

#include "engine/table.h"

namespace vantrel {

namespace {
// Each chip is offered only while the smaller chips could still be paid beside it.
int ChipThreshold(int amount) {
    if (amount == 5) return 5;
    return amount == 25 ? 30 : 130;
}
}  // namespace

void Table::ShowChips() {
    if (!shown_) return;
    const bool offered005 = lesson_.chips >= ChipThreshold(5);
    const bool offered025 = lesson_.chips >= ChipThreshold(25);
    const bool offered100 = lesson_.chips >= ChipThreshold(100);
    ShowControl(Control::img_chip005, offered005);
    ShowControl(Control::l_bet005, offered005);
    ShowControl(Control::img_chip025, offered025);
    ShowControl(Control::l_bet025, offered025);
    ShowControl(Control::img_chip100, offered100);
    ShowControl(Control::l_bet100, offered100);
    SetMoneyText(Control::l_chip, lesson_.chips);
}

bool Table::PlaceBet(int amount, int hand, bool checkMax) {
    if (checkMax && state_.handBet[hand] + amount > state_.maxBet) {
        ShowDealerMessage("You can't bet any more chips!");
        return false;
    }
    state_.handBet[hand] += amount;
    int totalBet = 0;
    for (int h = 1; h <= kMaxHands; ++h) totalBet += state_.handBet[h];
    SetMoneyText(Control::l_bet, totalBet);
    ShowControl(Control::l_bet, true);
    lesson_.chips -= amount;
    ShowChips();
    return true;
}

void Table::BetChip(int amount, Control stackImage) {
    if (state_.roundActive) return;
    // A chip the screen does not offer (too few chips) places no bet.
    if (lesson_.chips < ChipThreshold(amount)) return;
    SetStartTimer(true);
    if (PlaceBet(amount, 1, true)) ShowControl(stackImage, true);
    Step();
}

void Table::SetStartTimer(bool running) {
    if (running == startTimerRunning_) return;  // a running countdown is never restarted
    startTimerRunning_ = running;
    if (shown_) view_.SetStartTimer(running);
}

int Table::IdleCountdown() const {
    return static_cast<int>(std::min<long long>(rules.gamespeed + 1LL, INT_MAX));
}

void Table::ShowCountdown(bool visible) {
    if (!shown_) return;
    if (visible) {
        char number[16];
        const auto end = std::to_chars(number, number + sizeof number, state_.countdown).ptr;
        view_.SetText(Control::l_timeout, std::string_view(number, end - number));
    }
    ShowControl(Control::s_timeout, visible);
    ShowControl(Control::l_timeout, visible);
}

void Table::CountdownTick() {
    Handle([this] {
        if (!startTimerRunning_) return;
        if (state_.countdown > INT_MIN) --state_.countdown;
        ShowCountdown(true);
        if (state_.countdown >= 1) return;
        if (!shoeReady_) {
            // The shoe is refilled only after the shuffle's first balloon: the deal waits for it.
            ShowCountdown(false);
            return;
        }
        SetStartTimer(false);
        state_.countdown = IdleCountdown();
        ShowCountdown(false);
        DealRound();
    });
}

}  // namespace vantrel
