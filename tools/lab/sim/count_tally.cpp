#include "sim/count_tally.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

#include "strategy/true_count.h"

namespace vantrel::lab {

CountTally::Bin& CountTally::At(int trueCount) {
    return bins[std::clamp(trueCount, kLowestCount, kHighestCount) - kLowestCount];
}

const CountTally::Bin& CountTally::At(int trueCount) const {
    return bins[std::clamp(trueCount, kLowestCount, kHighestCount) - kLowestCount];
}

CountTally& CountTally::operator+=(const CountTally& other) {
    for (std::size_t i = 0; i < bins.size(); ++i) {
        bins[i].table += other.bins[i].table;
        bins[i].full += other.bins[i].full;
    }
    return *this;
}

long long FullPayHalfDollars(const RoundSettlement& round) {
    const SettledHand& first = round.results[0];
    // A paid blackjack: the table truncates 3 to 2 to whole dollars.
    if (round.hands == 1 && first.label == "BJ!" && first.result == "Win") return 3LL * first.bet;
    return 2LL * round.net();
}

int CountListener::RoundStarts(const Shoe& shoe) {
    trueCount_ = strategy::TrueCount(shoe.runningCount, shoe.CardsLeft());
    return 1;
}

void CountListener::RoundSettled(const RoundSettlement& round, const Shoe&) {
    CountTally::Bin& bin = tally.At(trueCount_);
    bin.table.Add(2LL * round.net());
    bin.full.Add(FullPayHalfDollars(round));
}

void WriteCountReport(std::ostream& out, const CountTally& tally, bool csv) {
    long long rounds = 0;
    for (const CountTally::Bin& bin : tally.bins) rounds += bin.table.n;
    // Half-dollars per round to per cent of the $5 bet.
    constexpr double kPercent = 100.0 / 10.0;
    out << (csv ? "true_count,share,edge_full,edge_table,ci95\n"
                : "true count   share    edge at 3:2    edge as paid\n");
    for (int count = kLowestCount; count <= kHighestCount; ++count) {
        const CountTally::Bin& bin = tally.At(count);
        const double share = rounds > 0 ? 100.0 * bin.table.n / rounds : 0.0;
        char line[160];
        if (csv) {
            std::snprintf(line, sizeof line, "%d,%.3f,%.3f,%.3f,%.3f\n", count, share,
                          bin.full.Mean() * kPercent, bin.table.Mean() * kPercent,
                          bin.table.HalfWidth() * kPercent);
        } else {
            const char* end = count == kLowestCount ? "<=" : count == kHighestCount ? ">=" : "  ";
            std::snprintf(line, sizeof line,
                          "%s%+3d      %6.2f%%  %+6.2f%% ±%.2f  %+6.2f%% ±%.2f\n", end, count,
                          share, bin.full.Mean() * kPercent, bin.full.HalfWidth() * kPercent,
                          bin.table.Mean() * kPercent, bin.table.HalfWidth() * kPercent);
        }
        out << line;
    }
}

}  // namespace vantrel::lab
