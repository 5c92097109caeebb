#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantrel::soak {

// What the chips ledger reads off the table: the engine's chips and bets and the screen's
// result and hand labels.
struct LedgerView {
    struct Hand {
        int bet = 0;
        std::string result;  // the shown result label, empty while it is hidden
        std::string label;   // the hand label ("BJ!", "BUSTED", a number)
    };
    bool roundActive = false;
    int chips = 0;
    std::vector<Hand> hands;  // the hands on the table, 1 to handCount

    int Staked() const;
};

// Follows the student's chips from outside the table: while betting and during a round, chips
// plus stakes stay what they were when the betting began; at settlement the chips rise by exactly
// what the shown results pay, and nothing moves them after that: the next betting starts from
// there.
class ChipsLedger {
  public:
    // After an engine step. The settlement's step comes after the payout: it must be paid.
    // Returns a fault, or an empty string.
    std::string AfterStep(const LedgerView& view) { return Check(view, true); }
    // After any other event. Settlement may be half-way: all results shown, payout not yet made.
    std::string AfterEvent(const LedgerView& view) { return Check(view, false); }
    // The table was left: the next visit starts a new account.
    void Forget();

    int roundsSettled() const { return roundsSettled_; }

  private:
    std::string Check(const LedgerView& view, bool atStep);
    std::string CheckSettlement(const LedgerView& view, bool atStep);
    // Starts the account again from what the table holds, so that one fault is reported once.
    void Resync(const LedgerView& view);

    std::optional<int> beforeBets_;        // chips + stakes when the betting began
    std::optional<int> chipsAfterPayout_;  // set once the round's settlement step is seen
    int roundsSettled_ = 0;
};

}  // namespace vantrel::soak
