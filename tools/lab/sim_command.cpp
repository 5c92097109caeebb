// vantrel-lab sim: plays rounds on the table engine with a player who follows the chart.

#include <chrono>
#include <iostream>
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

constexpr std::string_view kHelp =
    R"(Usage: vantrel-lab sim [--rounds N] [--seed S] [--threads T] [--chart FILE]

Plays rounds at the trainer's own table engine, betting, countdown, actions,
dealer and settlement included, with a screen that draws nothing and waits
that return at once. The player bets one $5 chip a round, is never short of
chips, and follows the chart exactly as the strategy check reads it. Where
the table refuses the advice, the player does what `vantrel-lab chart --edge`
assumes: a pair that cannot be split again (four hands) is played by its
total, a hand of split aces that cannot be split again stands, a split
advised for no pair and a cell without an action stand.

The table: the settings' defaults, 6 decks reshuffled after 60 per cent of
the shoe, GAMESPEED 3 (four countdown ticks a round).

Options:
  --rounds N    rounds to play, 1 to 10^12 (default 1000000)
  --seed S      seed, 0 to 2^64-1 (default 1); each thread's table is
                seeded from S and its index, so a seed and a number of
                threads always give the same results
  --threads T   tables played side by side, one thread each, 1 to 256
                (default 1)
  --chart FILE  the chart file to follow (default data/bs4bj.dat)
  -h, --help    show this help

Prints the rounds; the house edge per initial bet (positive when the house
wins) with its 95 per cent interval from the rounds' net results, as
"house edge: X.XXX% ± Y.YYY%"; the rounds played per second; and how often
the player was dealt a blackjack, busted a hand, split and doubled down.
)";

struct SimOptions {
    long long rounds = 1'000'000;
    PlayOptions play;
    bool help = false;
};

// Fills `options`; returns an error message, empty when the arguments are good.
std::string ParseOptions(std::span<const std::string_view> args, SimOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        const std::string_view name = arg.substr(0, arg.find('='));
        if (name != "--rounds" && !IsPlayOption(name))
            return "unknown option '" + std::string(arg) + "'";
        const std::optional<std::string_view> value = OptionValue(args, i, name);
        if (!value) return std::string(name) + " needs a value";
        if (name != "--rounds") {
            if (std::string error = ReadPlayOption(name, *value, options.play); !error.empty())
                return error;
            continue;
        }
        const auto rounds = ParseNumber<long long>(*value, 1, kMaxRounds);
        if (!rounds)
            return "--rounds needs a whole number from 1 to 10^12, not '" + std::string(*value) +
                   "'";
        options.rounds = *rounds;
    }
    return {};
}

}  // namespace

int RunSim(std::span<const std::string_view> args) {
    SimOptions options;
    if (const std::string error = ParseOptions(args, options); !error.empty())
        return UsageError("sim", error);
    if (options.help) {
        std::cout << kHelp;
        return 0;
    }
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

}  // namespace vantrel::lab
