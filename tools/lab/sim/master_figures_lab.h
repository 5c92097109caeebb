#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "coach/strategy_table.h"
#include "sim/count_tally.h"
#include "sim/index_search.h"
#include "strategy/master_figures.h"

namespace vantrel::lab {

// The true counts the course tells its figures by; the rounds beyond them are gathered at the
// ends, where a few in a thousand rounds start.
inline constexpr int kMasterLowestCount = -4;
inline constexpr int kMasterHighestCount = 6;
// The index plays the course teaches: the most valuable ones, and insurance whatever its rank.
inline constexpr int kTaughtIndexPlays = 12;
// The ramp's top: 20 units of $5, the table's maximum bet.
inline constexpr int kRampMostUnits = 20;
// The ramp bets one unit for every this much of the player's edge (see RampFor).
inline constexpr double kEdgePerUnit = 0.00125;
// The bankrolls, in units, whose risk of ruin the course shows.
inline constexpr int kRuinBankrolls[] = {100, 400, 1000, 2000, 5000};

// The rounds each simulation plays and the shoes valued for the index plays: the quick figures
// the trainer keeps, or the full ones, four times the work with narrower errors.
struct MasterRounds {
    long long byCount = 0;
    long long ramp = 0;  // the ramp played with the index plays
    int shoesPerCount = 0;
};
MasterRounds RoundsFor(bool quick);

// How the course's figures are worked out: the shoe, the seed, how much work and on how many
// threads. The figures depend on the chart, the shoe, the seed, the rounds and the candidates,
// never on the threads.
struct MasterFiguresSettings {
    int decks = 6;
    int penetration = 60;
    std::uint64_t seed = 1;
    int threads = 2;
    MasterRounds rounds = RoundsFor(true);
    std::vector<IndexCandidate> candidates = AllCandidates();
    // Told the stage under way and the fraction of all the work done, from any thread.
    std::function<void(std::string_view stage, double done)> progress;
    // When given and set, the work stops early and nothing is returned.
    const std::atomic<bool>* stop = nullptr;
};

// What the course teaches for this chart and shoe (see the steps below); nothing when stopped.
std::optional<strategy::MasterFigures> ComputeMasterFigures(const StrategyTable& chart,
                                                            const MasterFiguresSettings& settings);

// The steps, each a plain function of the figures before it.

// The share and the edges of each true count from kMasterLowestCount to kMasterHighestCount,
// the ends gathering the counts beyond them.
std::vector<strategy::CountShare> CountShares(const CountTally& tally);

// The ramp for those edges, as (true count, units) steps: one unit below the lowest count from
// which the edge at 3 to 2 stays positive, then even units in proportion to that edge, from 2 to
// kRampMostUnits, never falling (see the .cpp for why).
std::vector<std::pair<int, int>> RampFor(const std::vector<strategy::CountShare>& byCount);

// The plays the course teaches, in the figures' terms: the kTaughtIndexPlays most valuable, then
// insurance if it is not among them.
std::vector<strategy::IndexNumber> TaughtIndices(const std::vector<IndexPlay>& plays);

// The chance of losing each of kRuinBankrolls playing for good, from the mean and the variance
// of one round's result (any one unit of money, the bankrolls counted in units of `unit`).
std::vector<std::pair<int, double>> RisksOfRuin(double mean, double variance, double unit);

}  // namespace vantrel::lab
