#pragma once

#include <iosfwd>
#include <vector>

#include "sim/bet_ramp.h"
#include "sim/index_rules.h"
#include "sim/moments.h"
#include "sim/round_listener.h"

namespace vantrel::lab {

// Rounds bet by a ramp: each round's result in half-dollars, insurance included, and the bets.
struct RampTally {
    Moments net;
    long long betDollars = 0;

    RampTally& operator+=(const RampTally& other);
};

// Bets `unit` dollars times the ramp's units for the true count at the round's start, and, with
// index rules, makes their plays at that count: at a decision the rules name, and insurance
// (which the lab settles beside the table, since free play offers none) against an ace.
class RampListener final : public RoundListener {
  public:
    RampListener(const BetRamp& ramp, int unit, const std::vector<IndexRule>& rules)
        : ramp_(ramp), unit_(unit), rules_(rules) {}

    int RoundStarts(const Shoe& shoe) override;
    Action Play(const Table& table, Action chartAction) override;
    void RoundSettled(const RoundSettlement& round, const Shoe& shoe) override;

    RampTally tally;

  private:
    const BetRamp& ramp_;
    int unit_;
    const std::vector<IndexRule>& rules_;
    int trueCount_ = 0;
    int bet_ = 0;
};

// The ramp's figures, with their 95 per cent intervals: the edge in per cent of the average bet,
// the win per 100 rounds and the standard deviation per round, both in units.
void WriteRampReport(std::ostream& out, const RampTally& tally, int unit);

// What the index plays added to the ramp: the difference of the two runs' wins per 100 rounds.
void WriteIndexGain(std::ostream& out, const RampTally& without, const RampTally& with, int unit);

}  // namespace vantrel::lab
