#include "chips_ledger.h"

#include <string>

#include "shown_results.h"

namespace vantrel::soak {

namespace {
std::string Money(int amount) {
    return "$" + std::to_string(amount);
}
}  // namespace

int LedgerView::Staked() const {
    int staked = 0;
    for (const Hand& hand : hands) staked += hand.bet;
    return staked;
}

void ChipsLedger::Forget() {
    beforeBets_.reset();
    chipsAfterPayout_.reset();
}

void ChipsLedger::Resync(const LedgerView& view) {
    beforeBets_ = view.chips + view.Staked();
    chipsAfterPayout_.reset();
}

std::string ChipsLedger::Check(const LedgerView& view, bool atStep) {
    if (view.chips < 0) return "chips are negative: " + Money(view.chips);
    const int staked = view.Staked();
    if (!view.roundActive && chipsAfterPayout_) {
        // The paid round is over: its chips open the next betting.
        beforeBets_ = *chipsAfterPayout_;
        chipsAfterPayout_.reset();
    }
    if (!beforeBets_) {
        Resync(view);  // a new visit: judge from here on
        return {};
    }
    if (chipsAfterPayout_) {
        if (view.chips == *chipsAfterPayout_) return {};
        const std::string fault = "chips moved from " + Money(*chipsAfterPayout_) + " to " +
                                  Money(view.chips) + " after the round was paid";
        chipsAfterPayout_ = view.chips;
        return fault;
    }
    bool allShown = !view.hands.empty();
    for (const LedgerView::Hand& hand : view.hands) allShown = allShown && !hand.result.empty();
    if (view.roundActive && allShown) return CheckSettlement(view, atStep);
    if (view.chips + staked == *beforeBets_) return {};
    const std::string fault = "chips " + Money(view.chips) + " + stakes " + Money(staked) +
                              " differ from " + Money(*beforeBets_) + " at the start of betting";
    Resync(view);
    return fault;
}

std::string ChipsLedger::CheckSettlement(const LedgerView& view, bool atStep) {
    const int staked = view.Staked();
    int paid = 0;
    for (const LedgerView::Hand& hand : view.hands) {
        const std::optional<int> payout = ShownPayout(hand.result, hand.label, hand.bet);
        if (!payout) return "unknown result \"" + hand.result + "\"";
        paid += *payout;
    }
    const int paidOut = *beforeBets_ - staked + paid;
    const bool unpaid = view.chips + staked == *beforeBets_;
    // Between the results and the settlement's step only the counting check may run; it may
    // come before or after the payout.
    if (!atStep && (unpaid || view.chips == paidOut)) return {};
    if (atStep && view.chips == paidOut) {
        chipsAfterPayout_ = view.chips;
        ++roundsSettled_;
        return {};
    }
    const std::string fault = "after settlement chips are " + Money(view.chips) +
                              ", the shown results pay " + Money(paid) + " on stakes of " +
                              Money(staked) + " and leave " + Money(paidOut);
    chipsAfterPayout_ = view.chips;
    return fault;
}

}  // namespace vantrel::soak
