// vantrel-lab sim: plays rounds on the table engine with a player who follows the chart.

#include <chrono>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "command_options.h"
#include "commands.h"
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
"house edge: X.XXX% ± Y.YYY%"; the rounds played per second; and how often
the player was dealt a blackjack, busted a hand, split and doubled down.)";

struct SimOptions {
    long long rounds = 1'000'000;
    PlayOptions play;
};

int RunSim(const SimOptions& options) {
    const std::optional<StrategyTable> chart = ReadChartFile(options.play.chart);
    if (!chart) return UsageError("sim", "cannot read a chart from '" + options.play.chart + "'");

    const auto start = std::chrono::steady_clock::now();
    SimTally tally;
    try {
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
    return [options] { return RunSim(*options); };
}

}  // namespace vantrel::lab
