// vantrel-lab bench: the table engine's speed, in rounds per second on one thread.

#include <chrono>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "commands.h"
#include "ev_bench.h"
#include "sim/sim_report.h"
#include "sim/table_sim.h"

namespace vantrel::lab {

namespace {

constexpr long long kBenchRounds = 10'000'000;
constexpr std::uint32_t kBenchSeed = 20261206;

constexpr std::string_view kAbout =
    R"(Plays 10 million rounds on one thread, as `vantrel-lab sim` does, for a fixed
seed. The rounds and the house edge are the same on every run of the same
engine, so a change to the engine that alters play shows in them. Then the
time taken, and last the speed, "bench: N rounds/s": rounds per second of the
processor time the bench used, which is what one core does even while other
programs share the machine (the wall-clock time is shown beside it).

With --record it fills a new record with 100,000 decisions the way the trainer
writes them: one transaction per settled round with its decisions, a visit
every 100 rounds, count answers in the counting lesson. Then it prints the
median and the 99th percentile of one round's write, the time to open that
record as the trainer does (integrity check included), and the time the Record
screen's queries take on it. The record is removed afterwards.)";

struct BenchOptions {
    std::string chart = kDefaultChartPath;
    bool ev = false;
    bool record = false;
    std::string folder;
};

int RunEngineBench(const std::string& chartPath) {
    const std::optional<StrategyTable> chart = ReadChartFile(chartPath);
    if (!chart) return UsageError("bench", "cannot read a chart from '" + chartPath + "'");

    const auto start = std::chrono::steady_clock::now();
    const std::clock_t startCpu = std::clock();
    const SimTally tally = PlayRounds(*chart, kBenchRounds, kBenchSeed);
    const double cpuSeconds = static_cast<double>(std::clock() - startCpu) / CLOCKS_PER_SEC;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    char times[96];
    std::snprintf(times, sizeof times, "time: %.2f s of processor time, %.2f s on the clock",
                  cpuSeconds, elapsed.count());
    std::cout << "rounds: " << tally.rounds << '\n'
              << SimEdgeLine(EstimateEdge(tally)) << '\n'
              << times << '\n'
              << "bench: " << RoundsPerSecond(tally.rounds, cpuSeconds) << " rounds/s\n";
    return std::cout.flush() ? 0 : 1;
}

}  // namespace

CommandRun AddBench(CLI::App& lab) {
    auto options = std::make_shared<BenchOptions>();
    CLI::App* bench =
        lab.add_subcommand("bench", "the table engine's speed: 10 million rounds on one thread");
    bench->footer(std::string(kAbout));
    CLI::Option* chart = bench
                             ->add_option("--chart", options->chart,
                                          std::string("the chart file to follow (default ") +
                                              kDefaultChartPath + ")")
                             ->option_text("FILE");
    bench
        ->add_flag("--ev", options->ev,
                   "instead, time the exact-EV calculator the trainer shares, in processor time, "
                   "for 1, 6, 8 and 1000 decks: the first question of a new calculator (the "
                   "slowest and the mean over every two-card hand against every up card); all "
                   "those questions asked of one new calculator; and a later question, once they "
                   "are known. Last, one question each of new calculators for 200 shoes of 6 "
                   "decks dealt at random to before a 60 per cent cut: the slowest, the 95th "
                   "percentile and the mean")
        ->excludes(chart);
    CLI::Option* record = bench->add_flag(
        "--record", options->record,
        "instead, time the student's record on 100,000 decisions: its writes, its opening and "
        "the Record screen's queries");
    record->excludes(chart);
    bench
        ->add_option("--dir", options->folder,
                     "with --record, where to make the record (default: a new folder under "
                     "$TMPDIR or /tmp); the disk under it decides the write times")
        ->option_text("FOLDER")
        ->needs(record);
    return [options] {
        if (options->ev) return RunEvBench();
        if (options->record) return RunRecordBench(options->folder);
        return RunEngineBench(options->chart);
    };
}

}  // namespace vantrel::lab
