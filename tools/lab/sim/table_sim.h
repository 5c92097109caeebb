#pragma once

#include <cstdint>
#include <span>

#include "coach/strategy_table.h"
#include "engine/table.h"
#include "sim/round_listener.h"

namespace vantrel::lab {

// Every round is one $5 chip on hand 1.
inline constexpr int kSimBet = 5;

// What a run of rounds came to. The sums are whole numbers, so the tallies of several tables add
// up to the same figures whichever finishes first.
struct SimTally {
    long long rounds = 0;
    long long net = 0;         // dollars the player won over all rounds (negative: lost)
    long long netSquares = 0;  // each round's net, squared, summed
    long long blackjacks = 0;  // rounds dealt a player blackjack
    long long hands = 0;       // player hands played, split hands included
    long long busts = 0;       // player hands that went over 21
    long long splits = 0;
    long long doubles = 0;
    long long refusals = 0;  // actions the table refused; the player stood instead
    long long cards = 0;     // cards dealt, the dealer's included

    SimTally& operator+=(const SimTally& other);
    bool operator==(const SimTally&) const = default;
};

// The house edge per initial bet (positive when the house wins) with the half-width of its 95 per
// cent interval, both as fractions, from the rounds' net results.
struct EdgeEstimate {
    double edge = 0.0;
    double halfWidth = 0.0;
    double deviation = 0.0;  // the standard deviation of one round's result, in initial bets
};
EdgeEstimate EstimateEdge(const SimTally& tally);

// The table rules the simulator plays: the settings' defaults (six decks, the cut at 60 per cent,
// GAMESPEED 3, so four countdown ticks a round).
inline constexpr int kSimDecks = 6;
inline constexpr int kSimPenetration = 60;
inline constexpr int kSimGameSpeed = 3;

inline constexpr TableRules kSimRules{kSimDecks, kSimPenetration, kSimGameSpeed};

// Plays `rounds` rounds at one table of its own, seeded with `seed`, the player following `chart`,
// told to `listener` when there is one.
SimTally PlayRounds(const StrategyTable& chart, long long rounds, std::uint32_t seed,
                    RoundListener* listener = nullptr, const TableRules& rules = kSimRules);

// The seed of table `index` in a run seeded with `seed`: every table gets a stream of its own.
std::uint32_t TableSeed(std::uint64_t seed, int index);

// Rounds are played in pieces, each at a fresh table seeded by the piece's number, so that the
// figures do not depend on how many threads play them.
inline constexpr long long kPieceRounds = 250'000;

// Plays `rounds` in pieces of kPieceRounds (the last one shorter), piece i at a table seeded with
// TableSeed(seed, i), shared out over `threads` threads as each comes free. The result depends
// only on the chart, the rounds, the seed and the rules, never on the number of threads.
// `listeners`, when given, holds one listener for each thread, which hears every piece that
// thread plays; so its tally too must be whole numbers, summed.
SimTally Simulate(const StrategyTable& chart, long long rounds, std::uint64_t seed, int threads,
                  std::span<RoundListener* const> listeners = {},
                  const TableRules& rules = kSimRules);

}  // namespace vantrel::lab
