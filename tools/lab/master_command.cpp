// vantrel-lab master: the figures the Master Course teaches and judges by, for the decks and cut in
// force.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "app/whole_file.h"
#include "command_options.h"
#include "commands.h"
#include "sim/master_figures_lab.h"
#include "sim/master_report.h"
#include "strategy/judging_chart.h"

namespace vantrel::lab {

namespace {

constexpr std::string_view kAbout =
    R"(Works out everything the trainer's Master Course teaches and judges by, for
the table's rules and the decks and cut in force (the settings' DECK and
PLAYPER, or --decks and --cut), with the chart the trainer judges by at those
decks (see chart --judging):

- the share of rounds at each true count from -4 to +6 (the ends gather the
  counts beyond them) and the player's edge there, flat $5 bets by the chart,
  as this table pays blackjack ($12 for $5) and at a full 3 to 2 (as sim
  --by-count);
- the index plays the course teaches: the 12 most valuable of indices, and
  insurance whatever its rank;
- the betting ramp, in $5 units: one unit below the lowest true count from
  which the edge at 3 to 2 stays positive, since the table pays an even
  number of units its blackjack in full ($15 for $10; only $12 for $5); from
  there an even number of units, one for every 0.125% of that edge (Kelly's
  rule: the bet in proportion to the edge), at least 2 and at most 20 ($100,
  the table maximum), never falling as the count rises;
- that ramp played with those index plays (as sim --ramp --indices): the
  average bet, the win and the standard deviation per 100 rounds, in dollars;
- what the index plays add to the ramp, in dollars per 100 rounds: each true
  count's gain from the shoes valued for them (as indices), times the units
  the ramp bets there;
- the risk of losing a bankroll of 100, 400, 1000, 2000 or 5000 units playing
  the ramp for good: exp(-2 x mean x bankroll / variance), mean and variance
  of one round's result.

The figures depend on the chart, the shoe, the seed and the work asked for
(--quick, --rounds, --shoes), not on the threads. The trainer teaches the
--quick figures of seed 1: the build ships those of 6 decks cut at 60% as
master-6-60.txt in the data folder, and the trainer works out any others
itself and keeps them beside its settings file.
The true count is the Hi-Lo running count per deck left (cards left / 52),
truncated toward zero.)";

struct MasterOptions {
    ShoeOptions shoe;
    std::optional<int> cut;
    bool quick = false;
    std::optional<long long> rounds;
    std::optional<int> shoes;
    std::string out;
    std::string from;
    PlayOptions play;
};

// --from: the report of figures worked out before.
int PrintFiguresFile(const std::string& path) {
    std::ifstream file(path);
    const std::optional<strategy::MasterFigures> figures = strategy::ReadMasterFigures(file);
    if (!figures)
        return UsageError("master", "cannot read figures from '" + path +
                                        "': it is written by 'vantrel-lab master --out'");
    WriteMasterReport(std::cout, *figures);
    return std::cout.flush() ? 0 : 1;
}

int RunMaster(const MasterOptions& options) {
    if (!options.from.empty()) return PrintFiguresFile(options.from);
    const std::optional<std::string> bytes = ReadWholeFile(options.play.chart);
    if (!bytes || !ReadChartFile(options.play.chart))
        return UsageError("master", "cannot read a chart from '" + options.play.chart + "'");
    const ShoeInForce shoe = ReadShoeInForce(options.shoe);
    MasterFiguresSettings settings;
    settings.decks = shoe.decks;
    settings.penetration = options.cut.value_or(shoe.penetration);
    settings.seed = options.play.seed;
    settings.threads = options.play.threads;
    settings.rounds = RoundsFor(options.quick);
    if (options.rounds) settings.rounds.byCount = settings.rounds.ramp = *options.rounds;
    if (options.shoes) settings.rounds.shoesPerCount = *options.shoes;
    if (isatty(STDERR_FILENO)) {
        settings.progress = [](std::string_view stage, double done) {
            std::fprintf(stderr, "\rmaster: %3.0f%% (%.*s)          ", 100.0 * done,
                         static_cast<int>(stage.size()), stage.data());
        };
    }
    const StrategyTable chart =
        strategy::JudgingChart(strategy::ParseChartFile(*bytes), settings.decks);

    const auto start = std::chrono::steady_clock::now();
    std::optional<strategy::MasterFigures> figures;
    try {
        figures = ComputeMasterFigures(chart, settings);
    } catch (const std::system_error& error) {
        std::cerr << "vantrel-lab master: cannot start " << settings.threads
                  << " threads: " << error.what() << '\n';
        return 1;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (settings.progress) std::fprintf(stderr, "\r%60s\r", "");
    std::fprintf(stderr, "master: worked out in %.1f s\n", elapsed.count());

    if (options.out.empty()) {
        WriteMasterReport(std::cout, *figures);
        return std::cout.flush() ? 0 : 1;
    }
    std::ofstream file(options.out);
    WriteMasterFigures(file, *figures);
    if (file.close(); !file) {
        std::cerr << "vantrel-lab master: cannot write '" << options.out << "'\n";
        return 1;
    }
    return 0;
}

}  // namespace

CommandRun AddMaster(CLI::App& lab) {
    auto options = std::make_shared<MasterOptions>();
    options->play.threads = 2;
    CLI::App* master = lab.add_subcommand(
        "master", "the Master Course's figures: edge by count, ramp, index plays, risk");
    master->footer(std::string(kAbout));
    AddShoeOptions(*master, options->shoe);
    master
        ->add_option("--cut", options->cut,
                     "per cent of the shoe dealt before the reshuffle, 50 to 90 (instead of "
                     "PLAYPER)")
        ->check(CLI::Range(50, 90))
        ->option_text("P");
    const MasterRounds quick = RoundsFor(true);
    const MasterRounds full = RoundsFor(false);
    CLI::Option* quickOption = master->add_flag(
        "--quick", options->quick,
        "the trainer's figures: " + std::to_string(quick.byCount / 1'000'000) +
            " million rounds by count, " + std::to_string(quick.ramp / 1'000'000) +
            " million for the ramp and " + std::to_string(quick.shoesPerCount) +
            " shoes at each true count for the index plays, not " +
            std::to_string(full.byCount / 1'000'000) + " million, " +
            std::to_string(full.ramp / 1'000'000) + " million and " +
            std::to_string(full.shoesPerCount) + ": a quarter of the time, wider errors");
    master
        ->add_option(
            "--rounds", options->rounds,
            "rounds played by count and with the ramp, 1000000 to 10^12 (default 200000000)")
        ->check(CLI::Range(1'000'000LL, 1'000'000'000'000LL))
        ->option_text("N")
        ->excludes(quickOption);
    master
        ->add_option("--shoes", options->shoes,
                     "shoes to value at each true count for the index plays, 1 to 10000 "
                     "(default 60)")
        ->check(CLI::Range(1, 10'000))
        ->option_text("N")
        ->excludes(quickOption);
    CLI::Option* out =
        master
            ->add_option("--out", options->out,
                         "write the figures file the trainer reads to FILE instead of the report")
            ->option_text("FILE");
    master
        ->add_option("--from", options->from,
                     "instead, print the report of the figures in FILE, written by --out (the "
                     "trainer keeps them as master-DECKS-CUT.txt in its data folder or beside its "
                     "settings file)")
        ->option_text("FILE")
        ->excludes(out);
    AddPlayOptions(*master, options->play,
                   "the same seed gives the same figures on any number of threads",
                   "pieces of the work");
    master->get_option("--threads")
        ->description(
            "pieces of the work done side by side, one thread each, 1 to 256 "
            "(default 2)");
    return [options] { return RunMaster(*options); };
}

}  // namespace vantrel::lab
