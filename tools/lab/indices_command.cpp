// vantrel-lab indices: the true counts at which a play other than basic strategy pays, worked out
// for the table's rules, decks and cut.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "command_options.h"
#include "commands.h"
#include "sim/index_search.h"
#include "sim/sim_report.h"

namespace vantrel::lab {

namespace {

constexpr int kShoesPerCount = 60;
constexpr int kQuickShoesPerCount = 15;

constexpr std::string_view kAbout =
    R"(Finds, for each decision a counter may play differently (every hard total 8
to 17, soft total 13 to 20 and pair against every up card, and insurance), the
true count from which another play beats basic strategy, for the table's rules
and the decks and cut in force (the settings' DECK and PLAYPER, or --decks).

It deals shoes to the cut at the table engine with flat bets by the chart and,
for each true count from -6 to +8 at the start of a round, keeps a random
sample of the shoes met there. Each such shoe is valued exactly, every
two-card hand of the decision weighted by its chance in that shoe. The index
is the lowest true count (for a play made at low counts, the highest) from
which the average gain stays positive; an index of -6 or +8 may lie beyond.
Its standard error comes from ten independent batches of the shoes. Basic
strategy is the best play in the full shoe. The true count is the Hi-Lo
running count per deck left, truncated toward zero.

The plays are ranked by value: the gain per 100 rounds, in initial bets, of a
counter who makes the play at every count from the index on, the frequency of
the decision included. Printed most valuable first; with --csv as
hand,up,basic,deviation,direction,index,se,gain_per_100 where hand reads 16,
A7 or 88 (any for insurance), up 2..10 or A, the plays H, S, D, P and I for
insurance (basic - for it: declined), direction >= or <=.)";

struct IndicesOptions {
    ShoeOptions shoe;
    bool quick = false;
    std::optional<int> shoes;
    bool csv = false;
    std::string hand;
    std::string up;
    PlayOptions play;
};

std::string Signed(int count) {
    return (count > 0 ? "+" : "") + std::to_string(count);
}

void WritePlays(std::ostream& out, const IndexSearchResult& result, bool csv) {
    out << (csv ? "hand,up,basic,deviation,direction,index,se,gain_per_100\n"
                : "rank  hand  up  basic  play  index     se  gain/100\n");
    int rank = 0;
    for (const IndexPlay& play : result.plays) {
        const char basic = play.basic < 0 ? '-' : kPlayCodes[play.basic];
        const char deviation = kPlayCodes[play.deviation];
        const char* direction = play.atOrAbove ? ">=" : "<=";
        char line[160];
        if (csv) {
            std::snprintf(line, sizeof line, "%s,%s,%c,%c,%s,%d,%.2f,%.4f\n",
                          play.candidate.HandName().c_str(), play.candidate.UpName().c_str(), basic,
                          deviation, direction, play.index, play.standardError, play.gainPer100);
        } else {
            std::snprintf(line, sizeof line, "%4d  %-4s  %-2s  %-5c  %-4c  %s %-3s %5.2f  %8.4f\n",
                          ++rank, play.candidate.HandName().c_str(),
                          play.candidate.UpName().c_str(), basic, deviation, direction,
                          Signed(play.index).c_str(), play.standardError, play.gainPer100);
        }
        out << line;
    }
}

int RunIndices(const IndicesOptions& options) {
    const std::optional<StrategyTable> chart = ReadChartFile(options.play.chart);
    if (!chart)
        return UsageError("indices", "cannot read a chart from '" + options.play.chart + "'");
    const ShoeInForce shoe = ReadShoeInForce(options.shoe);
    IndexSearchSettings search;
    search.decks = shoe.decks;
    search.penetration = shoe.penetration;
    search.shoesPerCount = options.shoes   ? *options.shoes
                           : options.quick ? kQuickShoesPerCount
                                           : kShoesPerCount;
    search.threads = options.play.threads;
    search.seed = options.play.seed;
    std::erase_if(search.candidates, [&options](const IndexCandidate& candidate) {
        return (!options.hand.empty() && candidate.HandName() != options.hand) ||
               (!options.up.empty() && candidate.UpName() != options.up);
    });
    if (search.candidates.empty())
        return UsageError("indices",
                          "no decision is named by --hand " + options.hand + " --up " + options.up);
    search.progress = [](int done, int total) {
        if (done % std::max(1, total / 100) == 0 || done == total)
            std::fprintf(stderr, "\rindices: %d of %d shoes valued", done, total);
    };

    const auto start = std::chrono::steady_clock::now();
    IndexSearchResult result;
    try {
        result = SearchIndices(*chart, search);
    } catch (const std::system_error& error) {
        std::cerr << "vantrel-lab indices: cannot start " << search.threads
                  << " threads: " << error.what() << '\n';
        return 1;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::fprintf(stderr, "\rindices: %d shoes valued, %lld rounds dealt, in %.0f s\n",
                 result.shoesValued, result.roundsDealt, elapsed.count());
    if (!options.csv) {
        std::cout << "indices: " << search.decks << (search.decks == 1 ? " deck" : " decks")
                  << ", cut at " << search.penetration << "%, " << search.shoesPerCount
                  << " shoes at each true count\n";
    }
    WritePlays(std::cout, result, options.csv);
    return std::cout.flush() ? 0 : 1;
}

}  // namespace

CommandRun AddIndices(CLI::App& lab) {
    auto options = std::make_shared<IndicesOptions>();
    options->play.threads = 2;
    CLI::App* indices = lab.add_subcommand(
        "indices", "index numbers: the true count from which a play beats basic strategy");
    indices->footer(std::string(kAbout));
    AddShoeOptions(*indices, options->shoe);
    CLI::Option* quick = indices->add_flag(
        "--quick", options->quick,
        "value " + std::to_string(kQuickShoesPerCount) + " shoes at each true count, not " +
            std::to_string(kShoesPerCount) + ": a quarter of the time, wider errors");
    indices->add_option("--shoes", options->shoes, "shoes to value at each true count, 10 to 10000")
        ->check(CLI::Range(10, 10'000))
        ->option_text("N")
        ->excludes(quick);
    indices->add_flag("--csv", options->csv,
                      "write CSV: hand,up,basic,deviation,direction,index,se,gain_per_100");
    indices->add_option("--hand", options->hand, "only the decisions of this hand, e.g. 16, A7, 88")
        ->option_text("HAND");
    indices->add_option("--up", options->up, "only the decisions against this up card, 2..10 or A")
        ->option_text("CARD");
    AddPlayOptions(*indices, options->play, "the same seed gives the same figures on any threads",
                   "batches of shoes valued");
    indices->get_option("--threads")
        ->description(
            "batches of shoes valued side by side, one thread each, 1 to 256 (default 2)");
    return [options] { return RunIndices(*options); };
}

}  // namespace vantrel::lab
