#include "sim/table_sim.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

#include "engine/table.h"
#include "sim/chart_player.h"
#include "sim/quiet_view.h"

namespace vantrel::lab {

SimTally& SimTally::operator+=(const SimTally& other) {
    rounds += other.rounds;
    net += other.net;
    netSquares += other.netSquares;
    blackjacks += other.blackjacks;
    hands += other.hands;
    busts += other.busts;
    splits += other.splits;
    doubles += other.doubles;
    refusals += other.refusals;
    cards += other.cards;
    return *this;
}

EdgeEstimate EstimateEdge(const SimTally& tally) {
    if (tally.rounds < 1) return {};
    const double n = static_cast<double>(tally.rounds);
    const double loss = static_cast<double>(-tally.net) / n;  // per round, in dollars
    const double variance =
        tally.rounds > 1 ? (static_cast<double>(tally.netSquares) - n * loss * loss) / (n - 1.0)
                         : INFINITY;
    const double halfWidth = 1.96 * std::sqrt(std::max(variance, 0.0) / n);
    return {loss / kSimBet, halfWidth / kSimBet, std::sqrt(std::max(variance, 0.0)) / kSimBet};
}

namespace {

// Topped up before every bet, so the player never runs out and `chips` never overflows: no round
// stakes more than four doubled hands, $40.
constexpr int kBankroll = 1000;

// One table in the All Night Play Room (no quota, no coaching) with a player who follows the chart.
// It hears of each settled round, before any shuffle, to count the cards the round took and the
// blackjacks and busted hands it held.
class SimTable final : private TableEvents {
  public:
    SimTable(const StrategyTable& chart, std::uint32_t seed, RoundListener* listener,
             const TableRules& rules)
        : chart_(chart), listener_(listener) {
        table_.rules = rules;
        table_.SetSeedSource([seed] { return seed; });
        table_.SetEvents(this);
        table_.FormShow();
    }

    void PlayRound(SimTally& tally) {
        lesson_.chips = kBankroll;
        tally_ = &tally;
        cardsLeft_ = table_.shoe().CardsLeft();
        const int chips = listener_ ? listener_->RoundStarts(table_.shoe()) : 1;
        for (int chip = 0; chip < chips; ++chip) table_.l_bet005Click();
        while (table_.startTimerRunning()) table_.tm_startTimer();
        ++tally.hands;
        while (table_.state().roundActive && table_.actionsEnabled()) {
            Action action = ChartPlayerAction(chart_, table_);
            if (listener_) action = listener_->Play(table_, action);
            const long long balloons = view_.playerBalloons;
            PressAction(table_, action);
            if (view_.playerBalloons != balloons) {
                ++tally.refusals;
                table_.bbtn_standClick();
            } else if (action == Action::Split) {
                ++tally.splits;
                ++tally.hands;
            } else if (action == Action::DoubleDown) {
                ++tally.doubles;
            }
        }
        const long long net = lesson_.chips - kBankroll;
        ++tally.rounds;
        tally.net += net;
        tally.netSquares += net * net;
    }

    void AddHandCounts(SimTally& tally) const {
        tally.blackjacks += blackjacks_;
        tally.busts += bustedHands_;
    }

  private:
    void VisitStarted(const VisitStart&) override {}
    void DecisionJudged(const Decision&) override {}
    void RoundSettled(const RoundSettlement& round) override {
        tally_->cards += cardsLeft_ - table_.shoe().CardsLeft();
        for (int hand = 0; hand < round.hands; ++hand) {
            const std::string_view label = round.results[hand].label;
            blackjacks_ += label == "BJ!";
            bustedHands_ += label == "BUSTED";
        }
        if (listener_) listener_->RoundSettled(round, table_.shoe());
    }
    void CountAnswered(const CountAnswer&) override {}
    void VisitEnded(const VisitClose&) override {}

    const StrategyTable& chart_;
    RoundListener* listener_;
    SimTally* tally_ = nullptr;
    int cardsLeft_ = 0;  // in the shoe as the round started
    long long blackjacks_ = 0;
    long long bustedHands_ = 0;
    QuietView view_;
    LessonSetup lesson_{.lessonCode = "P",
                        .lessonHasTable = true,
                        .chips = kBankroll,
                        .lessonMode = LessonMode::FreePlay,
                        .quota = 1,
                        .maxBetSetting = 100};
    Table table_{view_, lesson_};
};

// SplitMix64's finaliser: neighbouring seeds and indices give unrelated streams.
std::uint64_t Mix(std::uint64_t x) {
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

}  // namespace

SimTally PlayRounds(const StrategyTable& chart, long long rounds, std::uint32_t seed,
                    RoundListener* listener, const TableRules& rules) {
    SimTally tally;
    SimTable table(chart, seed, listener, rules);
    for (long long round = 0; round < rounds; ++round) table.PlayRound(tally);
    table.AddHandCounts(tally);
    return tally;
}

std::uint32_t TableSeed(std::uint64_t seed, int index) {
    return static_cast<std::uint32_t>(
        Mix(seed + 0x9e3779b97f4a7c15ULL * (static_cast<std::uint64_t>(index) + 1)) >> 32);
}

SimTally Simulate(const StrategyTable& chart, long long rounds, std::uint64_t seed, int threads,
                  std::span<RoundListener* const> listeners, const TableRules& rules) {
    // Each thread takes the next piece not yet taken, so a thread on a processor that runs slower
    // for a while plays fewer pieces instead of holding up the run. The threads share nothing they
    // write but the piece counter: each plays its pieces on tables of its own, on its own stack,
    // into a tally of its own, stored once at the end; the chart is only read. The sums are whole
    // numbers, so the total is the same whichever thread played which piece.
    const long long pieces = (rounds + kPieceRounds - 1) / kPieceRounds;
    std::vector<SimTally> tallies(threads);
    std::atomic<long long> next = 0;
    std::vector<std::jthread> workers;
    for (int index = 0; index < threads; ++index) {
        RoundListener* listener = listeners.empty() ? nullptr : listeners[index];
        workers.emplace_back([&, index, listener] {
            SimTally tally;
            for (long long piece = next++; piece < pieces; piece = next++) {
                const long long share = std::min(kPieceRounds, rounds - piece * kPieceRounds);
                tally += PlayRounds(chart, share, TableSeed(seed, static_cast<int>(piece)),
                                    listener, rules);
            }
            tallies[index] = tally;
        });
    }
    workers.clear();  // joins
    SimTally total;
    for (const SimTally& tally : tallies) total += tally;
    return total;
}

}  // namespace vantrel::lab
