// vantrel-lab bench: the table engine's speed, in rounds per second on one thread.

#include <chrono>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>

#include "commands.h"
#include "default_chart.h"
#include "ev_bench.h"
#include "sim/sim_report.h"
#include "sim/table_sim.h"

namespace vantrel::lab {

namespace {

constexpr long long kBenchRounds = 10'000'000;
constexpr std::uint32_t kBenchSeed = 20261206;

constexpr std::string_view kHelp =
    R"(Usage: vantrel-lab bench [--chart FILE]
       vantrel-lab bench --ev
       vantrel-lab bench --record [--dir FOLDER]

Plays 10 million rounds on one thread, as `vantrel-lab sim` does, for a fixed
seed. The rounds and the house edge are the same on every run of the same
engine, so a change to the engine that alters play shows in them. Then the
time taken, and last the speed, "bench: N rounds/s": rounds per second of the
processor time the bench used, which is what one core does even while other
programs share the machine (the wall-clock time is shown beside it).

Options:
  --chart FILE  the chart file to follow (default data/bs4bj.dat)
  --ev          instead, time the exact-EV calculator the trainer shares, in
                processor time, for 1, 6, 8 and 1000 decks: the first question
                of a new calculator (the slowest and the mean over every
                two-card hand against every up card); all those questions
                asked of one new calculator; and a later question, once they
                are known
  --record      instead, time the student's record on 100,000 decisions: its
                writes, its opening and the Record screen's queries; see
                'vantrel-lab bench --record --help'
  -h, --help    show this help
)";

}  // namespace

int RunBench(std::span<const std::string_view> args) {
    if (!args.empty() && args[0] == "--record") return RunRecordBench(args.subspan(1));
    std::string chartPath = DefaultChartPath();
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            std::cout << kHelp;
            return 0;
        }
        if (args[i] == "--ev") {
            return args.size() == 1 ? RunEvBench()
                                    : UsageError("bench", "--ev takes no other option");
        }
        if (args[i] == "--chart" && i + 1 < args.size() && !args[i + 1].empty()) {
            chartPath = args[++i];
        } else if (args[i].starts_with("--chart=") && args[i].size() > 8) {
            chartPath = args[i].substr(8);
        } else {
            return UsageError("bench", args[i].starts_with("--chart")
                                           ? "--chart needs a file name"
                                           : "unknown option '" + std::string(args[i]) + "'");
        }
    }
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

}  // namespace vantrel::lab
