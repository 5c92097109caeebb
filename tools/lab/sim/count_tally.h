#pragma once

#include <array>
#include <iosfwd>

#include "sim/moments.h"
#include "sim/round_listener.h"

namespace vantrel::lab {

// The true counts the edge is told by; a round starting beyond them is tallied at the end.
inline constexpr int kLowestCount = -6;
inline constexpr int kHighestCount = 8;

// Rounds by the true count they started at, each round's result in half-dollars: as the table
// paid it, and as it would have been with blackjack paid a full 3 to 2.
struct CountTally {
    struct Bin {
        Moments table;
        Moments full;
    };
    std::array<Bin, kHighestCount - kLowestCount + 1> bins{};

    Bin& At(int trueCount);
    const Bin& At(int trueCount) const;
    CountTally& operator+=(const CountTally& other);
};

// A round's result with blackjack paid a full 3 to 2, in half-dollars.
long long FullPayHalfDollars(const RoundSettlement& round);

// Tallies flat one-chip rounds by their starting true count.
class CountListener final : public RoundListener {
  public:
    int RoundStarts(const Shoe& shoe) override;
    void RoundSettled(const RoundSettlement& round, const Shoe& shoe) override;

    CountTally tally;

  private:
    int trueCount_ = 0;
};

// `sim --by-count`: for each true count the share of rounds and the player's edge, at 3 to 2 and
// as the table pays, in per cent of the initial bet, with the 95 per cent interval; as a table or
// as CSV.
void WriteCountReport(std::ostream& out, const CountTally& tally, bool csv);

}  // namespace vantrel::lab
