// vantrel-lab sim: plays rounds on the table engine with a player who follows the chart.

#include <chrono>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <type_traits>
#include <vector>

#include "command_options.h"
#include "commands.h"
#include "sim/bet_ramp.h"
#include "sim/count_tally.h"
#include "sim/index_rules.h"
#include "sim/ramp_tally.h"
#include "sim/sim_report.h"
#include "sim/table_sim.h"

namespace vantrel::lab {

namespace {

constexpr long long kMaxRounds = 1'000'000'000'000LL;
// The bet limit of the free-play table the simulator sits at.
constexpr int kSimTableMaximum = 100;

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
the shoe, GAMESPEED 3 (four countdown ticks a round); --settings or --decks
change the decks and the cut.

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
    ShoeOptions shoe;
    bool byCount = false;
    bool csv = false;
    std::string ramp;
    int unit = 5;
    std::string indices;
};

// The settings' defaults but for the shoe in force.
TableRules TableRulesOf(const SimOptions& options) {
    const ShoeInForce shoe = ReadShoeInForce(options.shoe);
    return {shoe.decks, shoe.penetration, kSimGameSpeed};
}

std::string ShoeText(const SimOptions& options) {
    const ShoeInForce shoe = ReadShoeInForce(options.shoe);
    return std::to_string(shoe.decks) + (shoe.decks == 1 ? " deck" : " decks") + " cut at " +
           std::to_string(shoe.penetration) + "%";
}

// Plays the rounds with one listener of type Listener for each table; returns the listeners.
template <class Make, class Listener = std::invoke_result_t<Make>>
std::vector<Listener> SimulateWith(const StrategyTable& chart, const SimOptions& options, Make make,
                                   SimTally& tally) {
    std::vector<Listener> listeners;
    for (int table = 0; table < options.play.threads; ++table) listeners.push_back(make());
    std::vector<RoundListener*> pointers;
    for (Listener& listener : listeners) pointers.push_back(&listener);
    tally = Simulate(chart, options.rounds, options.play.seed, options.play.threads, pointers,
                     TableRulesOf(options));
    return listeners;
}

void WriteByCount(const StrategyTable& chart, const SimOptions& options) {
    SimTally tally;
    CountTally counts;
    for (const CountListener& listener : SimulateWith(
             chart, options, [] { return CountListener(); }, tally))
        counts += listener.tally;
    if (!options.csv) {
        std::cout << "rounds: " << tally.rounds << ", flat $5 bets by the chart, "
                  << ShoeText(options) << "\n"
                  << "player's edge in per cent of the initial bet, with its 95% interval\n";
    }
    WriteCountReport(std::cout, counts, options.csv);
}

RampTally PlayRamp(const StrategyTable& chart, const SimOptions& options, const BetRamp& ramp,
                   const std::vector<IndexRule>& rules) {
    SimTally tally;
    RampTally total;
    const auto make = [&] { return RampListener(ramp, options.unit, rules); };
    for (const RampListener& listener : SimulateWith(chart, options, make, tally))
        total += listener.tally;
    return total;
}

int RunRamp(const StrategyTable& chart, const SimOptions& options) {
    const std::optional<BetRamp> ramp = ParseRamp(options.ramp);
    if (!ramp) return UsageError("sim", RampError(options.ramp));
    if (options.unit * ramp->MostUnits() > kSimTableMaximum)
        return UsageError("sim", "the ramp's top bet, " + std::to_string(ramp->MostUnits()) +
                                     " units of $" + std::to_string(options.unit) +
                                     ", is over the table maximum of $" +
                                     std::to_string(kSimTableMaximum));
    std::optional<std::vector<IndexRule>> rules;
    if (!options.indices.empty()) {
        rules = ReadIndexRules(options.indices);
        if (!rules)
            return UsageError("sim", "cannot read index plays from '" + options.indices +
                                         "': it is written by 'vantrel-lab indices --csv'");
    }
    std::cout << "rounds: " << options.rounds << ", ramp " << ramp->Text() << " of $"
              << options.unit << " units (one unit below), " << ShoeText(options)
              << ", as this table pays\n";
    const RampTally plain = PlayRamp(chart, options, *ramp, {});
    if (rules) std::cout << "by the chart alone:\n";
    WriteRampReport(std::cout, plain, options.unit);
    if (rules) {
        const RampTally indexed = PlayRamp(chart, options, *ramp, *rules);
        std::cout << "with the " << rules->size() << " index plays of " << options.indices << ":\n";
        WriteRampReport(std::cout, indexed, options.unit);
        WriteIndexGain(std::cout, plain, indexed, options.unit);
    }
    return std::cout.flush() ? 0 : 1;
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
        if (!options.ramp.empty()) return RunRamp(*chart, options);
        tally = Simulate(*chart, options.rounds, options.play.seed, options.play.threads, {},
                         TableRulesOf(options));
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
                   "the rounds are played in pieces of " + std::to_string(kPieceRounds) +
                       ", each at a fresh table seeded from S and the piece's number, so a seed "
                       "gives the same results on any number of threads",
                   "tables");
    AddShoeOptions(*sim, options->shoe);
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
    CLI::Option* ramp =
        sim->add_option("--ramp", options->ramp,
                        "instead, bet by the true count at the start of each round: COUNT:UNITS "
                        "pairs, the counts rising, e.g. 2:2,3:3,4:4,5:5,6:6; one unit below the "
                        "first count. Prints the average bet, the edge in per cent of the "
                        "average bet, the win per 100 rounds and the standard deviation per "
                        "round in units, with their 95 per cent intervals (the deviation's by "
                        "the normal approximation), as this table pays")
            ->option_text("RAMP")
            ->excludes(byCount);
    sim->add_option("--unit", options->unit,
                    "with --ramp, dollars a unit, a multiple of 5 (default 5); the top bet may "
                    "not pass the table maximum, $100")
        ->option_text("D")
        ->check(CLI::Range(5, kSimTableMaximum))
        ->check(CLI::Validator(
            [](std::string& text) {
                return std::stoi(text) % 5 == 0 ? std::string() : "needs a multiple of 5";
            },
            "", "multiple of 5"))
        ->needs(ramp);
    sim->add_option("--indices", options->indices,
                    "with --ramp, also play the index plays of FILE (written by `vantrel-lab "
                    "indices --csv`) at the round's starting true count, insurance included, in "
                    "a second run of the same seed, and print what they add")
        ->option_text("FILE")
        ->needs(ramp);
    return [options] { return RunSim(*options); };
}

}  // namespace vantrel::lab
