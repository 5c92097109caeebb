// Insurance against an ace up, offered at the Master Course's tables before the dealer peeks.
#include "engine/hand.h"
#include "engine/table.h"

namespace vantrel {

bool Table::OffersInsurance() const {
    return lesson_.IsMaster() && state_.dealerUpValue == 1;
}

void Table::bbtn_insuranceClick() {
    Handle([this] { TakeInsurance(); });
}

void Table::OpenInsurance() {
    state_.insuranceOpen = true;
    if (shown_) view_.OfferInsurance(true);
}

void Table::TakeInsurance() {
    if (!state_.insuranceOpen || !actionsEnabled_ || !state_.roundActive || state_.countCheckActive)
        return;
    // Half the bet, in whole dollars: $2 insures a $5 bet.
    const int insurance = state_.handBet[1] / 2;
    if (insurance > lesson_.chips) {
        EnableActions(false);
        ShowPlayerMessage("You don't have enough chips!", 2000);
        EnableActions(true);
        return;
    }
    EnableActions(false);
    lesson_.chips -= insurance;
    state_.insuranceBet = insurance;
    ShowChips();
    Step();
    if (!CloseInsurance(true)) EnableActions(true);
    Step();
}

bool Table::CloseInsurance(bool taken) {
    state_.insuranceOpen = false;
    if (shown_) view_.OfferInsurance(false);
    if (coaching_) coaching_->CheckInsurance(taken);
    if (masterChecks_) masterChecks_->InsuranceAnswered(taken);
    if (!HandLabel(state_.dealerTotal, state_.dealerCards, 1).IsBlackjack()) return false;
    TurnHoleCardUp();
    SettleRound();
    return true;
}

int Table::SettleInsurance(bool dealerBlackjack) {
    // Paid 2 to 1: the stake and twice it back.
    const int payout = dealerBlackjack ? 3 * state_.insuranceBet : 0;
    state_.insuranceBet = 0;
    return payout;
}

}  // namespace vantrel
