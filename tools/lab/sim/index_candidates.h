#pragma once

#include <array>
#include <string>
#include <vector>

#include "strategy/shoe_ev.h"

namespace vantrel::lab {

// The plays an index number is sought for, in the order of their codes: hit, stand, double, split
// (the engine's actions, 1 to 4, less one) and insurance.
inline constexpr int kPlays = 5;
inline constexpr int kSplitPlay = 3;
inline constexpr int kInsure = 4;
inline constexpr char kPlayCodes[kPlays + 1] = "HSDPI";

// A decision an index may change: a hard total of 8 to 17, a soft total of 13 to 20 or a pair,
// against one up card; or insurance (up card an ace).
struct IndexCandidate {
    enum class Kind { Hard, Soft, Pair, Insurance };
    Kind kind = Kind::Hard;
    int total = 0;  // the hard or soft total, or the pair's value
    int up = 0;

    // "16", "A7", "88", "TT", or "any" for insurance; the up card as "2".."10" or "A".
    std::string HandName() const;
    std::string UpName() const;
    // The two-card hands of this decision, as (first, second) values.
    std::vector<std::array<int, 2>> Hands() const;
    bool MaySplit() const { return kind == Kind::Pair; }
};

// Every hard total 8 to 17, soft total 13 to 20 and pair against every up card, then insurance.
std::vector<IndexCandidate> AllCandidates();

// One decision in one shoe (its counts before the up card and the hand are dealt): how often a
// round meets it, and what each play is worth then. Summed over the decision's two-card hands,
// each weighted by its chance of being dealt with the up card and no dealer blackjack (the chance
// of an ace up, for insurance), so that `value[play] - value[basic]` is the gain per round, in
// initial bets, of making the play. Plays not offered are left at 0 with offered false. For
// insurance only kInsure is offered; not insuring is worth 0.
struct DecisionValue {
    double weight = 0.0;
    std::array<double, kPlays> value{};
    std::array<bool, kPlays> offered{};
};
DecisionValue ValueDecision(strategy::ShoeEv& ev, const IndexCandidate& candidate);

}  // namespace vantrel::lab
