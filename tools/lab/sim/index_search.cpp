#include "sim/index_search.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <optional>
#include <random>
#include <thread>

#include "sim/count_tally.h"
#include "sim/table_sim.h"
#include "strategy/true_count.h"

namespace vantrel::lab {

namespace {

constexpr int kCounts = kHighestCount - kLowestCount + 1;
// Rounds dealt at a time, per shoe wanted at each count, until every count has been met often
// enough; and at most this many times.
constexpr long long kRoundsPerShoeWanted = 2500;
constexpr int kMostDeals = 40;

int CountIndex(int trueCount) {
    return std::clamp(trueCount, kLowestCount, kHighestCount) - kLowestCount;
}

// Keeps, for each true count, a uniform random sample of the shoes rounds started from there
// (reservoir sampling), and counts the rounds.
class ShoeSampler final : public RoundListener {
  public:
    ShoeSampler(int perCount, std::uint64_t seed) : perCount_(perCount), random_(seed) {}

    int RoundStarts(const Shoe& shoe) override {
        const int bin = CountIndex(strategy::TrueCount(shoe.runningCount, shoe.CardsLeft()));
        const long long seen = ++rounds[bin];
        if (static_cast<int>(samples[bin].size()) < perCount_) {
            samples[bin].push_back(CountsOf(shoe));
        } else if (const long long slot = static_cast<long long>(random_() % seen);
                   slot < perCount_) {
            samples[bin][slot] = CountsOf(shoe);
        }
        return 1;
    }
    void RoundSettled(const RoundSettlement&, const Shoe&) override {}

    bool Full() const {
        return std::all_of(rounds.begin(), rounds.end(),
                           [this](long long seen) { return seen >= perCount_; });
    }

    std::array<long long, kCounts> rounds{};
    std::array<std::vector<strategy::ShoeCounts>, kCounts> samples;

  private:
    static strategy::ShoeCounts CountsOf(const Shoe& shoe) {
        strategy::ShoeCounts counts{};
        for (int suit = 1; suit <= 4; ++suit)
            for (int rank = 1; rank <= 13; ++rank)
                counts[std::min(rank, strategy::kTen)] += shoe.count(suit, rank);
        return counts;
    }

    int perCount_;
    std::mt19937_64 random_;
};

// Sums over the shoes of one batch at one count.
struct CountSums {
    int shoes = 0;
    double weight = 0.0;
    std::array<double, kPlays> value{};
};
using CandidateSums = std::array<CountSums, kCounts>;
using BatchSums = std::vector<CandidateSums>;  // by candidate

// A stop is heard between candidates, a few milliseconds apart; the shoe is then left unfinished.
void ValueShoe(const strategy::ShoeCounts& shoe, int bin,
               const std::vector<IndexCandidate>& candidates, BatchSums& sums,
               const std::atomic<bool>* stop) {
    strategy::ShoeEv ev(shoe);
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        if (stop && stop->load()) return;
        const DecisionValue decision = ValueDecision(ev, candidates[c]);
        CountSums& at = sums[c][bin];
        ++at.shoes;
        at.weight += decision.weight;
        for (int play = 0; play < kPlays; ++play) at.value[play] += decision.value[play];
    }
}

// The basic play of each candidate: its best in the full shoe; -1 (declining) for insurance.
std::vector<int> BasicPlays(const std::vector<IndexCandidate>& candidates, int decks) {
    strategy::ShoeEv ev(strategy::FullDecks(decks));
    std::vector<int> basic;
    for (const IndexCandidate& candidate : candidates) {
        const DecisionValue decision = ValueDecision(ev, candidate);
        int best = -1;
        for (int play = 0; play < kInsure; ++play) {
            if (decision.offered[play] && (best < 0 || decision.value[play] > decision.value[best]))
                best = play;
        }
        basic.push_back(best);
    }
    return basic;
}

// The gain of a play over basic at each count, per round met (nothing where no shoe was valued).
using GainCurve = std::array<std::optional<double>, kCounts>;

GainCurve Gains(const CandidateSums& sums, int basic, int play) {
    GainCurve gains;
    for (int bin = 0; bin < kCounts; ++bin) {
        const CountSums& at = sums[bin];
        if (at.weight <= 0.0) continue;
        const double basicValue = basic < 0 ? 0.0 : at.value[basic];
        gains[bin] = (at.value[play] - basicValue) / at.weight;
    }
    return gains;
}

// Whether the gain grows with the count: the sign of its least-squares slope.
bool GrowsWithCount(const GainCurve& gains) {
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (int bin = 0; bin < kCounts; ++bin) {
        if (!gains[bin]) continue;
        n += 1;
        sx += bin;
        sy += *gains[bin];
        sxx += bin * bin;
        sxy += bin * *gains[bin];
    }
    return n * sxy - sx * sy >= 0.0;
}

// Where the gain turns positive, searching from the end where the play pays: the first bin (in
// that direction) from which every bin with a value is positive, and the point between it and
// the bin before where the straight line between their gains crosses zero. Nothing when the
// gain is not positive even at that end.
struct Crossing {
    int bin = 0;
    double point = 0.0;
};
std::optional<Crossing> FindCrossing(const GainCurve& gains, bool atOrAbove) {
    const int step = atOrAbove ? -1 : 1;
    int bin = atOrAbove ? kCounts - 1 : 0;
    while (bin >= 0 && bin < kCounts && !gains[bin]) bin += step;
    if (bin < 0 || bin >= kCounts || *gains[bin] <= 0.0) return std::nullopt;
    Crossing crossing{bin, static_cast<double>(bin)};
    for (int next = bin + step; next >= 0 && next < kCounts; next += step) {
        if (!gains[next]) continue;
        if (*gains[next] <= 0.0) {
            const double inside = *gains[crossing.bin];
            const double outside = *gains[next];
            crossing.point = crossing.bin + (next - crossing.bin) * inside / (inside - outside);
            return crossing;
        }
        crossing = {next, static_cast<double>(next)};
    }
    return crossing;
}

double StandardError(const std::vector<double>& points) {
    if (points.size() < 2) return 0.0;
    double mean = 0.0;
    for (double point : points) mean += point;
    mean /= points.size();
    double squares = 0.0;
    for (double point : points) squares += (point - mean) * (point - mean);
    return std::sqrt(squares / (points.size() - 1) / points.size());
}

CandidateSums Pooled(const std::vector<BatchSums>& batches, std::size_t candidate) {
    CandidateSums pooled{};
    for (const BatchSums& batch : batches) {
        for (int bin = 0; bin < kCounts; ++bin) {
            const CountSums& at = batch[candidate][bin];
            pooled[bin].shoes += at.shoes;
            pooled[bin].weight += at.weight;
            for (int play = 0; play < kPlays; ++play) pooled[bin].value[play] += at.value[play];
        }
    }
    return pooled;
}

// The candidate's most valuable play with an index, if any.
std::optional<IndexPlay> BestPlay(const IndexCandidate& candidate, int basic,
                                  const std::vector<BatchSums>& batches, std::size_t c,
                                  const std::array<double, kCounts>& shares) {
    const CandidateSums pooled = Pooled(batches, c);
    std::optional<IndexPlay> best;
    for (int play = 0; play < kPlays; ++play) {
        const bool offered = candidate.kind == IndexCandidate::Kind::Insurance
                                 ? play == kInsure
                                 : play != kInsure && (play != kSplitPlay || candidate.MaySplit());
        if (!offered || play == basic) continue;
        const GainCurve gains = Gains(pooled, basic, play);
        const bool atOrAbove = GrowsWithCount(gains);
        const std::optional<Crossing> crossing = FindCrossing(gains, atOrAbove);
        if (!crossing) continue;
        IndexPlay found{candidate, basic, play, atOrAbove, crossing->bin + kLowestCount};
        for (int bin = 0; bin < kCounts; ++bin) {
            const bool made = atOrAbove ? bin >= crossing->bin : bin <= crossing->bin;
            if (made && gains[bin] && pooled[bin].shoes > 0) {
                found.gainPer100ByCount[bin] =
                    100.0 * shares[bin] * *gains[bin] * pooled[bin].weight / pooled[bin].shoes;
                found.gainPer100 += found.gainPer100ByCount[bin];
            }
        }
        std::vector<double> points;
        for (const BatchSums& batch : batches) {
            const std::optional<Crossing> own =
                FindCrossing(Gains(batch[c], basic, play), atOrAbove);
            if (own) points.push_back(own->point);
        }
        found.standardError = StandardError(points);
        if (!best || found.gainPer100 > best->gainPer100) best = found;
    }
    return best;
}

}  // namespace

IndexSearchResult SearchIndices(const StrategyTable& chart, const IndexSearchSettings& settings) {
    ShoeSampler sampler(settings.shoesPerCount, settings.seed);
    IndexSearchResult result;
    const TableRules rules{settings.decks, settings.penetration, kSimGameSpeed};
    const auto stopped = [&settings] { return settings.stop && settings.stop->load(); };
    for (int deal = 0; deal < kMostDeals && (deal == 0 || !sampler.Full()); ++deal) {
        if (stopped()) return result;
        const long long rounds = kRoundsPerShoeWanted * settings.shoesPerCount;
        PlayRounds(chart, rounds, TableSeed(settings.seed, deal), &sampler, rules);
        result.roundsDealt += rounds;
    }

    // Shoe i of each count goes to batch i % batches; each batch is summed on one thread in
    // order, so the figures do not depend on the threads.
    std::vector<BatchSums> batches(settings.batches, BatchSums(settings.candidates.size()));
    for (const auto& samples : sampler.samples) result.shoesValued += samples.size();
    std::atomic<int> nextBatch = 0;
    std::atomic<int> done = 0;
    const auto work = [&] {
        for (int b = nextBatch++; b < settings.batches; b = nextBatch++) {
            for (int bin = 0; bin < kCounts; ++bin) {
                const auto& samples = sampler.samples[bin];
                for (std::size_t i = b; i < samples.size(); i += settings.batches) {
                    if (stopped()) return;
                    ValueShoe(samples[i], bin, settings.candidates, batches[b], settings.stop);
                    if (settings.progress) settings.progress(++done, result.shoesValued);
                }
            }
        }
    };
    {
        std::vector<std::jthread> workers;
        for (int t = 1; t < settings.threads; ++t) workers.emplace_back(work);
        work();
    }
    if (stopped()) return result;

    std::array<double, kCounts> shares{};
    long long rounds = 0;
    for (long long seen : sampler.rounds) rounds += seen;
    for (int bin = 0; bin < kCounts; ++bin)
        shares[bin] = static_cast<double>(sampler.rounds[bin]) / std::max(rounds, 1LL);

    const std::vector<int> basic = BasicPlays(settings.candidates, settings.decks);
    for (std::size_t c = 0; c < settings.candidates.size(); ++c) {
        if (auto play = BestPlay(settings.candidates[c], basic[c], batches, c, shares))
            result.plays.push_back(*play);
    }
    std::stable_sort(
        result.plays.begin(), result.plays.end(),
        [](const IndexPlay& a, const IndexPlay& b) { return a.gainPer100 > b.gainPer100; });
    return result;
}

}  // namespace vantrel::lab
