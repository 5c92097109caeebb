#include "sim/master_figures_lab.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <thread>

#include "sim/bet_ramp.h"
#include "sim/index_rules.h"
#include "sim/ramp_tally.h"
#include "sim/table_sim.h"
#include "strategy/deck_figures.h"

namespace vantrel::lab {

namespace {

using strategy::CountShare;
using strategy::IndexNumber;
using strategy::MasterFigures;

// What valuing one sampled shoe costs, in rounds played: for the progress told.
constexpr double kShoeCostInRounds = 1.5e6;  // about a quarter of a second

bool Stopped(const MasterFiguresSettings& settings) {
    return settings.stop && settings.stop->load();
}

// Tells the progress across the stages, weighted by their cost.
class WorkMeter {
  public:
    WorkMeter(const MasterFiguresSettings& settings, const MasterRounds& rounds)
        : settings_(settings),
          total_(rounds.shoesPerCount * (kHighestCount - kLowestCount + 1) * kShoeCostInRounds +
                 rounds.byCount + rounds.ramp) {}

    // The stage's work so far, out of the stage's whole; `before` is the work of earlier stages.
    void Tell(std::string_view stage, double before, double done) const {
        if (settings_.progress) settings_.progress(stage, std::min(1.0, (before + done) / total_));
    }

  private:
    const MasterFiguresSettings& settings_;
    double total_;
};

// Plays `rounds` by the chart in pieces shared out over the settings' threads, each piece told to
// a listener of its own from `make`; the sum of the listeners' tallies, or nothing when stopped.
// A stop is heard between pieces.
template <class Make>
auto PlayPieces(const StrategyTable& chart, const TableRules& rules, long long rounds,
                const MasterFiguresSettings& settings, const std::function<void(double)>& tell,
                Make make) -> std::optional<decltype(make().tally)> {
    using Tally = decltype(make().tally);
    const int pieces = static_cast<int>((rounds + kPieceRounds - 1) / kPieceRounds);
    std::vector<Tally> tallies(pieces);
    std::atomic<int> next = 0;
    std::atomic<long long> played = 0;
    const auto work = [&] {
        for (int piece = next++; piece < pieces && !Stopped(settings); piece = next++) {
            const long long share = std::min(kPieceRounds, rounds - piece * kPieceRounds);
            auto listener = make();
            PlayRounds(chart, share, TableSeed(settings.seed, piece), &listener, rules);
            tallies[piece] = listener.tally;
            tell(static_cast<double>(played += share));
        }
    };
    {
        std::vector<std::jthread> workers;
        for (int t = 1; t < std::min(settings.threads, pieces); ++t) workers.emplace_back(work);
        work();
    }
    if (Stopped(settings)) return std::nullopt;
    Tally total;
    for (const Tally& tally : tallies) total += tally;
    return total;
}

IndexNumber NumberOf(const IndexPlay& play) {
    IndexNumber number;
    const bool insurance = play.candidate.kind == IndexCandidate::Kind::Insurance;
    number.hand = play.candidate.HandName();
    number.up = insurance ? strategy::kAce : play.candidate.up;
    number.basic = play.basic < 0 ? '-' : kPlayCodes[play.basic];
    number.play = kPlayCodes[play.deviation];
    number.atOrAbove = play.atOrAbove;
    number.index = play.index;
    number.gainPer100 = play.gainPer100;
    return number;
}

// What the taught plays add to the ramp, in dollars per 100 rounds: each count's gain (from the
// shoes valued exactly) times the units the ramp bets there. Far steadier than the difference of
// two simulations, whose own swings would hide it.
double RampedIndexGain(const std::vector<IndexPlay>& plays, const MasterFigures& figures) {
    double gain = 0.0;
    for (const IndexPlay& play : plays) {
        const IndexNumber number = NumberOf(play);
        const IndexNumber* taught = FindIndexNumber(figures, number.hand, number.up);
        if (!taught || taught->play != number.play) continue;
        for (int count = kLowestCount; count <= kHighestCount; ++count)
            gain += play.gainPer100ByCount[count - kLowestCount] * RampUnits(figures, count);
    }
    return gain * figures.unitDollars;
}

std::vector<IndexRule> RulesOf(const std::vector<IndexNumber>& numbers) {
    std::vector<IndexRule> rules;
    for (const IndexNumber& number : numbers)
        rules.push_back(
            {number.hand, UpCardName(number.up), number.play, number.atOrAbove, number.index});
    return rules;
}

}  // namespace

MasterRounds RoundsFor(bool quick) {
    if (quick) return {20'000'000, 40'000'000, 15};
    return {200'000'000, 200'000'000, 60};
}

std::vector<CountShare> CountShares(const CountTally& tally) {
    long long rounds = 0;
    for (const CountTally::Bin& bin : tally.bins) rounds += bin.table.n;
    std::vector<CountShare> shares;
    for (int count = kMasterLowestCount; count <= kMasterHighestCount; ++count) {
        const int from = count == kMasterLowestCount ? kLowestCount : count;
        const int to = count == kMasterHighestCount ? kHighestCount : count;
        CountTally::Bin gathered;
        for (int each = from; each <= to; ++each) {
            gathered.table += tally.At(each).table;
            gathered.full += tally.At(each).full;
        }
        // Each round bet one $5 chip; its result is in half-dollars.
        constexpr double kHalfDollarsPerBet = 2.0 * strategy::kTableMinimumBet;
        shares.push_back({count, rounds > 0 ? static_cast<double>(gathered.table.n) / rounds : 0.0,
                          gathered.table.Mean() / kHalfDollarsPerBet,
                          gathered.full.Mean() / kHalfDollarsPerBet});
    }
    return shares;
}

// The ramp follows Kelly's rule, which bets in proportion to the edge over the variance of a
// round. The variance hardly changes with the count (about 1.3 squared bets), so the bet grows in
// step with the edge: one unit for every 0.125 % of edge, the Kelly bet for a bankroll of about
// 1,000 units. Every raised bet is an even number of units, because the table pays blackjack in
// whole dollars: $5 is paid $12 rather than $12.50, but $10 is paid the full $15, so a raised bet
// earns the edge at a full 3 to 2, and that is the edge it is sized by. At least two units, at
// most twenty, the table's $100. The first raise sits at the lowest count from which that edge
// stays positive; below it a bet loses more the more is bet, so the table's least, one unit, is
// bet there. The units never fall as the count rises, though a count's measured edge may dip
// below the one before.
std::vector<std::pair<int, int>> RampFor(const std::vector<CountShare>& byCount) {
    auto first = byCount.end();
    while (first != byCount.begin() && std::prev(first)->edgeAt3to2 > 0.0) --first;
    std::vector<std::pair<int, int>> ramp;
    int units = 1;
    for (auto row = first; row != byCount.end(); ++row) {
        const int even = 2 * static_cast<int>(std::lround(row->edgeAt3to2 / kEdgePerUnit / 2.0));
        const int wanted = std::clamp(std::max(even, units), 2, kRampMostUnits);
        if (wanted != units) ramp.emplace_back(row->trueCount, wanted);
        units = wanted;
    }
    return ramp;
}

std::vector<IndexNumber> TaughtIndices(const std::vector<IndexPlay>& plays) {
    std::vector<IndexNumber> taught;
    bool insurance = false;
    for (const IndexPlay& play : plays) {
        const bool isInsurance = play.candidate.kind == IndexCandidate::Kind::Insurance;
        if (static_cast<int>(taught.size()) >= kTaughtIndexPlays && (insurance || !isInsurance))
            continue;
        taught.push_back(NumberOf(play));
        insurance = insurance || isInsurance;
    }
    return taught;
}

// Playing for good with a bankroll B, a game whose rounds win `mean` on average with `variance`
// is ruined with the chance exp(-2 mean B / variance): the diffusion (Brownian motion with drift)
// approximation of a random walk, good when a round's stake is small beside the bankroll. A game
// that does not win on average is ruined for certain.
std::vector<std::pair<int, double>> RisksOfRuin(double mean, double variance, double unit) {
    std::vector<std::pair<int, double>> risks;
    for (int units : kRuinBankrolls) {
        const double risk =
            mean <= 0.0 || variance <= 0.0 ? 1.0 : std::exp(-2.0 * mean * units * unit / variance);
        risks.emplace_back(units, risk);
    }
    return risks;
}

std::optional<MasterFigures> ComputeMasterFigures(const StrategyTable& chart,
                                                  const MasterFiguresSettings& settings) {
    const MasterRounds& rounds = settings.rounds;
    const TableRules rules{settings.decks, settings.penetration, kSimGameSpeed};
    const WorkMeter meter(settings, rounds);
    MasterFigures figures;
    figures.decks = settings.decks;
    figures.penetration = settings.penetration;
    figures.chart = strategy::ChartFingerprint(chart);
    figures.unitDollars = strategy::kTableMinimumBet;

    IndexSearchSettings search;
    search.decks = settings.decks;
    search.penetration = settings.penetration;
    search.shoesPerCount = rounds.shoesPerCount;
    search.threads = settings.threads;
    search.seed = settings.seed;
    search.candidates = settings.candidates;
    search.stop = settings.stop;
    search.progress = [&meter](int done, int) {
        meter.Tell("index plays", 0, done * kShoeCostInRounds);
    };
    const IndexSearchResult found = SearchIndices(chart, search);
    if (Stopped(settings)) return std::nullopt;
    figures.indices = TaughtIndices(found.plays);

    double before = rounds.shoesPerCount * (kHighestCount - kLowestCount + 1) * kShoeCostInRounds;
    const auto stage = [&meter, &before](std::string_view name) {
        return [&meter, before, name](double done) { meter.Tell(name, before, done); };
    };
    const std::optional<CountTally> counts =
        PlayPieces(chart, rules, rounds.byCount, settings, stage("edge by count"),
                   [] { return CountListener(); });
    if (!counts) return std::nullopt;
    figures.byCount = CountShares(*counts);
    figures.ramp = RampFor(figures.byCount);
    before += rounds.byCount;

    const BetRamp ramp{figures.ramp};
    const std::vector<IndexRule> taught = RulesOf(figures.indices);
    const int unit = figures.unitDollars;
    const std::optional<RampTally> indexed =
        PlayPieces(chart, rules, rounds.ramp, settings, stage("ramp with index plays"),
                   [&] { return RampListener(ramp, unit, taught); });
    if (!indexed) return std::nullopt;

    // The tallies are in half-dollars a round.
    const double mean = indexed->net.Mean() / 2.0;
    const double deviation = indexed->net.Deviation() / 2.0;
    figures.averageBet = static_cast<double>(indexed->betDollars) / std::max(1LL, indexed->net.n);
    figures.winPer100 = 100.0 * mean;
    figures.sdPer100 = 10.0 * deviation;  // rounds add their variances: 100 rounds, 10 times one
    figures.indexGainPer100 = RampedIndexGain(found.plays, figures);
    figures.riskOfRuin = RisksOfRuin(mean, deviation * deviation, unit);
    return figures;
}

}  // namespace vantrel::lab
