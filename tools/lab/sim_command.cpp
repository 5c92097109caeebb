// vantrel-lab sim: plays rounds on the table engine with a player who follows the chart.

#include <chrono>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "command_options.h"
#include "commands.h"
#include "sim/count_tally.h"
#include "sim/sim_report.h"
#include "sim/table_sim.h"

namespace vantrel::lab {

namespace {

constexpr long long kMaxRounds = 1'000'000'000'000LL;

constexpr std::string_view kAbout =
    R"(Plays rounds at the trainer's own table engine, betting, countdown, actions,
dealer and settlement included, with a screen that draws nothing and waits
that return at once. The player bets one $5 chip a round, is never short of
chips, and follows the chart exactly as the strategy check reads it. Where
the table refuses the advice, the player does what `vantrel-lab chart --edge`
assumes: a pair that cannot be split again (four hands) is played by its
total, a hand of split aces that cannot be split again stands, a split
advised for no pair and a cell without an action stand.

The table: the settings' defaults, 6 decks reshuffled after 60 per cent of
the shoe, GAMESPEED 3 (four countdown ticks a round).

Prints the rounds; the house edge per initial bet (positive when the house
wins) with its 95 per cent interval from the rounds' net results, as
"house edge: X.XXX% ± Y.YYY%"; the rounds played per second; the standard
deviation of a round's result in initial bets and the cards a round takes,
the dealer's included; and how often the player was dealt a blackjack,
busted a hand, split and doubled down. The true count is the Hi-Lo running
count per deck left (cards left / 52), truncated toward zero.)";

struct SimOptions {
    long long rounds = 1'000'000;
    PlayOptions play;
    bool byCount = false;
    bool csv = false;
};

// Plays the rounds with one listener of type Listener for each table; returns the listeners.
template <class Listener>
std::vector<Listener> SimulateWith(const StrategyTable& chart, const SimOptions& options,
                                   SimTally& tally) {
    std::vector<Listener> listeners(options.play.threads);
    std::vector<RoundListener*> pointers;
    for (Listener& listener : listeners) pointers.push_back(&listener);
    tally = Simulate(chart, options.rounds, options.play.seed, options.play.threads, pointers);
    return listeners;
}

void WriteByCount(const StrategyTable& chart, const SimOptions& options) {
    SimTally tally;
    CountTally counts;
    for (const CountListener& listener : SimulateWith<CountListener>(chart, options, tally))
        counts += listener.tally;
    if (!options.csv) {
        std::cout << "rounds: " << tally.rounds << ", flat $5 bets by the chart, " << kSimDecks
                  << " decks cut at " << kSimPenetration << "%\n"
                  << "player's edge in per cent of the initial bet, with its 95% interval\n";
    }
    WriteCountReport(std::cout, counts, options.csv);
}

int RunSim(const SimOptions& options) {
    const std::optional<StrategyTable> chart = ReadChartFile(options.play.chart);
    if (!chart) return UsageError("sim", "cannot read a chart from '" + options.play.chart + "'");

    const auto start = std::chrono::steady_clock::now();
    SimTally tally;
    try {
        if (options.byCount) {
            WriteByCount(*chart, options);
            return std::cout.flush() ? 0 : 1;
        }
        tally = Simulate(*chart, options.rounds, options.play.seed, options.play.threads);
    } catch (const std::system_error& error) {
        std::cerr << "vantrel-lab sim: cannot start " << options.play.threads
                  << " threads: " << error.what() << '\n';
        return 1;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    WriteSimReport(std::cout, tally, elapsed.count());
    return std::cout.flush() ? 0 : 1;
}

}  // namespace

CommandRun AddSim(CLI::App& lab) {
    auto options = std::make_shared<SimOptions>();
    CLI::App* sim = lab.add_subcommand(
        "sim", "play rounds on the table engine by the chart: house edge and speed");
    sim->footer(std::string(kAbout));
    sim->add_option("--rounds", options->rounds, "rounds to play, 1 to 10^12 (default 1000000)")
        ->option_text("N")
        ->check(CLI::Range(1LL, kMaxRounds));
    AddPlayOptions(*sim, options->play,
                   "each thread's table is seeded from S and its index, so a seed and a number of "
                   "threads always give the same results",
                   "tables");
    CLI::Option* byCount = sim->add_flag(
        "--by-count", options->byCount,
        "instead, for each true count from -6 to +8 at the start of a round (counts beyond them "
        "go to the ends), the share of rounds and the player's edge in per cent of the initial "
        "bet, with blackjack paid a full 3 to 2 and as this table pays it, each with its 95 per "
        "cent interval");
    sim->add_flag("--csv", options->csv,
                  "with --by-count, write CSV: true_count,share,edge_full,edge_table,ci95 (per "
                  "cent; ci95 the half-width of the table edge's interval)")
        ->needs(byCount);
    return [options] { return RunSim(*options); };
}

}  // namespace vantrel::lab
