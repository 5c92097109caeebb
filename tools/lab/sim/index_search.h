#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "coach/strategy_table.h"
#include "sim/count_tally.h"
#include "sim/index_candidates.h"

namespace vantrel::lab {

// How index numbers are sought: the table's shoe and cut, how many shoes to value at each true
// count, and on how many threads.
struct IndexSearchSettings {
    int decks = 6;
    int penetration = 60;
    int shoesPerCount = 60;
    int batches = 10;  // independent batches, for the standard errors
    int threads = 2;
    std::uint64_t seed = 1;
    std::vector<IndexCandidate> candidates = AllCandidates();
    // Told the shoes valued so far and the shoes to value in all, from the threads that value them.
    std::function<void(int done, int total)> progress;
    // When given and set, the search stops early and its result is incomplete.
    const std::atomic<bool>* stop = nullptr;
};

// A play that beats basic strategy from a true count on.
struct IndexPlay {
    IndexCandidate candidate;
    int basic = -1;  // a play (see kPlayCodes); -1 for insurance, where basic strategy declines
    int deviation = 0;
    bool atOrAbove = true;  // the play is made at the index and above (else at it and below)
    int index = 0;
    double standardError = 0.0;  // of the point where the gain turns positive, from the batches
    double gainPer100 = 0.0;     // initial bets per 100 rounds, for a counter who makes the play
    // gainPer100 by the true count the rounds start at, kLowestCount first (the ends gather the
    // counts beyond them): what a bet of more units there multiplies.
    std::array<double, kHighestCount - kLowestCount + 1> gainPer100ByCount{};
};

struct IndexSearchResult {
    std::vector<IndexPlay> plays;  // the most valuable first
    long long roundsDealt = 0;
    int shoesValued = 0;
};

// Deals shoes to the cut at the table engine (flat bets by `chart`) and keeps, for each true count
// from -6 to +8 at the start of a round, a random sample of shoesPerCount shoes met there. Each
// shoe's candidates are valued exactly (ShoeEv); the index of a play is the lowest true count (for
// a play made at high counts; the highest for one made at low counts) from which the average gain
// over the shoes at each count stays positive. Each candidate keeps its most valuable play.
IndexSearchResult SearchIndices(const StrategyTable& chart, const IndexSearchSettings& settings);

}  // namespace vantrel::lab
