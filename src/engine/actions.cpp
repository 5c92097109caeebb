// Hit, stand, double down and split, from the buttons and from the mouse gestures.

#include "engine/table.h"

namespace vantrel {

void Table::bbtn_hitClick() {
    Handle([this] { RunAction(Action::Hit); });
}
void Table::bbtn_standClick() {
    Handle([this] { RunAction(Action::Stand); });
}
void Table::bbtn_doubleClick() {
    Handle([this] { RunAction(Action::DoubleDown); });
}
void Table::bbtn_splitClick() {
    Handle([this] { RunAction(Action::Split); });
}

void Table::RunAction(Action action) {
    if (!actionsEnabled_ || !state_.roundActive || state_.countCheckActive) return;
    EnableActions(false);
    // Acting declines the insurance offered; the dealer's blackjack then ends the round.
    if (state_.insuranceOpen && CloseInsurance(false)) {
        Step();
        return;
    }
    bool roundOver = false;
    const std::string_view refusal = Refusal(action);
    if (!refusal.empty()) {
        ShowPlayerMessage(refusal, 2000);
    } else {
        if (coaching_) coaching_->CheckDecision(action);
        CarryOut(action);
        roundOver = AfterAction(action);
    }
    if (!roundOver) EnableActions(true);
    Step();
}

std::string_view Table::Refusal(Action action) const {
    const int hand = state_.currentHand;
    const bool splitAces = state_.handCount >= 2 && state_.handTotal[hand] == 202;
    const bool chipsForBet = state_.handBet[hand] <= lesson_.chips;
    switch (action) {
        case Action::Hit:
            if (splitAces) return "You can't hit when you split a pair of Aces!";
            break;
        case Action::Stand:
            break;
        case Action::DoubleDown:
            if (state_.handCards[hand] != 2) return "Only when you have two cards!";
            if (!chipsForBet) return "You don't have enough chips!";
            if (splitAces) return "You can't double down when you split a pair of Aces!";
            break;
        case Action::Split:
            if (state_.handCount >= kMaxHands) return "You can't split any more.";
            if (!IsMatchingPair()) return "Only when you have a matching pair!";
            if (!chipsForBet) return "You don't have enough chips!";
            break;
    }
    return {};
}

void Table::CarryOut(Action action) {
    switch (action) {
        case Action::Hit:
            HitCurrentHand();
            break;
        case Action::Stand:
            break;
        case Action::DoubleDown:
            PlaceBet(state_.handBet[state_.currentHand], state_.currentHand, false);
            HitCurrentHand();
            break;
        case Action::Split:
            Split();
            break;
    }
}

void Table::Split() {
    const int split = state_.currentHand;
    const int added = ++state_.handCount;
    PlaceBet(state_.handBet[split], added, false);
    MoveCardSlot(PlayerSlot(split, 2), PlayerSlot(added, 1));
    ClearCardSlot(PlayerSlot(split, 2));
    state_.handCards[added] = state_.handCards[split] = 1;
    const int half = state_.handTotal[split] / 2;
    state_.handTotal[added] = state_.handTotal[split] = half;
    HitCurrentHand();
}

void Table::FormMouseDown(int x, int y) {
    state_.gestureArmed = true;
    state_.gestureStartX = x;
    state_.gestureStartY = y;
}

void Table::FormMouseUp(int x, int y) {
    if (!state_.gestureArmed) return;
    state_.gestureArmed = false;
    const long long dx = static_cast<long long>(x) - state_.gestureStartX;
    const long long dy = static_cast<long long>(y) - state_.gestureStartY;
    if (dx > 70 && dy > 70)
        bbtn_splitClick();
    else if (dx > 70)
        bbtn_standClick();
    else if (dy > 70)
        bbtn_hitClick();
}

}  // namespace vantrel
