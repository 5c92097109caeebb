// vantrel-lab chart: the basic-strategy chart for the trainer's table.

#include <charconv>
#include <iostream>
#include <optional>
#include <string>

#include "commands.h"
#include "strategy/chart_calculator.h"
#include "strategy/chart_format.h"
#include "strategy/chart_lab.h"
#include "strategy/deck_figures.h"
#include "strategy/house_edge.h"

namespace vantrel::lab {

namespace {

constexpr int kDefaultDecks = 6;
constexpr int kMaxDecks = 64;

constexpr std::string_view kHelp =
    R"(Usage: vantrel-lab chart [--decks N] [--ev] [--edge]
       vantrel-lab chart --judging DATADIR [--settings FILE]

Works out basic strategy for the trainer's table by exact expected values and
prints it as chart-file records (the format of bs4bj.dat): 1 hit, 2 stand,
3 double else hit, 4 split, 5 double else stand. A cell whose best action is
to double gets 5 where standing beats hitting, else 3.

The table: the dealer stands on all 17s and checks for blackjack before the
player acts (a dealer blackjack takes only the first bet); blackjack pays 3 to
2; double on any two cards, also after a split; split pairs of one rank up to
four hands, aces again; a hand of split aces gets one card; no surrender.

Options:
  --decks N   decks in the shoe, 1 to 64, or 0 for an infinite deck
              (default 6)
  --ev        also print the value of every action in every cell, per unit
              bet given no dealer blackjack
  --edge      also print the house edge of the whole game from a full shoe
              for a player who follows the printed chart as the table reads
              it, as "house edge: X.XXX%" with blackjack paid a full 3 to 2,
              and as "house edge at $5 flat bets: X.XXX%" as this table pays
              it: a $5 blackjack returns $12, the winnings truncated
  --judging DATADIR
              instead print the chart the trainer judges by with the chart
              file DATADIR/bs4bj.dat and the DECK of the settings: the file's
              own, unless its line "# exact for 3 to 8 decks" leaves DECK
              out, when the chart above is worked out for DECK as the table
              plays it (below 1 one deck); a file without that line is used
              as it is. Comment lines say which plays differ from the file.
  --settings FILE
              the settings file for --judging (default: the default
              settings, DECK=6)
  -h, --help  show this help

How the values are worked out:
  - The dealer's odds are exact for the cards out of the shoe (the up card
    and every card of the player's hand), given no dealer blackjack.
  - A cell is valued over the two-card hands the table reads in it, each
    weighted by its chance with the up card out: hard 8 also holds hard 5
    to 7, hard 17 also 18 to 20, soft 8 also ace-nine; a pair row holds
    only its pair (two cards of one rank).
  - After a hit the hand plays on as well as its exact cards allow.
  - Splits re-split up to four hands. Approximation: each split hand is
    valued with both pair cards out of the shoe but not the other split
    hands' cards, and the chance of drawing the pair's rank again stays
    fixed. A hand of split aces stands on its one card.
)";

struct ChartOptions {
    int decks = kDefaultDecks;
    bool decksGiven = false;
    bool values = false;
    bool edge = false;
    bool help = false;
    std::optional<std::string> judgingDir;
    std::optional<std::string> settings;
};

std::optional<int> ParseDecks(std::string_view text) {
    int decks = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), decks);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
    if (decks < 0 || decks > kMaxDecks) return {};
    return decks;
}

// The value of an option given as "--name VALUE" or "--name=VALUE" at args[i], stepping over
// it; nothing when args[i] is another option or the value is missing.
std::optional<std::string_view> OptionValue(std::span<const std::string_view> args, std::size_t& i,
                                            std::string_view name) {
    const std::string_view arg = args[i];
    if (arg == name) {
        if (i + 1 == args.size()) return {};
        return args[++i];
    }
    if (arg.starts_with(name) && arg.size() > name.size() && arg[name.size()] == '=')
        return arg.substr(name.size() + 1);
    return {};
}

// Fills `options`; returns an error message, empty when the arguments are good.
std::string ParseOptions(std::span<const std::string_view> args, ChartOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--ev") {
            options.values = true;
        } else if (arg == "--edge") {
            options.edge = true;
        } else if (const std::optional<std::string_view> value = OptionValue(args, i, "--decks")) {
            const std::optional<int> decks = ParseDecks(*value);
            if (!decks) {
                return "--decks needs a whole number from 0 (an infinite deck) to " +
                       std::to_string(kMaxDecks) + ", not '" + std::string(*value) + "'";
            }
            options.decks = *decks;
            options.decksGiven = true;
        } else if (const auto dir = OptionValue(args, i, "--judging")) {
            options.judgingDir = std::string(*dir);
        } else if (const auto file = OptionValue(args, i, "--settings")) {
            options.settings = std::string(*file);
        } else if (arg == "--decks" || arg == "--judging" || arg == "--settings") {
            return std::string(arg) + " needs a value";
        } else {
            return "unknown option '" + std::string(arg) + "'";
        }
    }
    if (options.settings && !options.judgingDir) return "--settings goes with --judging";
    if (options.judgingDir && (options.decksGiven || options.values || options.edge))
        return "--judging takes no --decks, --ev or --edge: the settings give the decks";
    return {};
}

}  // namespace

int RunChart(std::span<const std::string_view> args) {
    ChartOptions options;
    if (const std::string error = ParseOptions(args, options); !error.empty()) {
        return UsageError("chart", error);
    }
    if (options.help) {
        std::cout << kHelp;
        return 0;
    }
    if (options.judgingDir) return PrintJudgingChart(*options.judgingDir, options.settings);
    strategy::ChartLab lab(options.decks);
    const strategy::ComputedChart chart = strategy::ComputeChart(lab);
    strategy::WriteChartFile(std::cout, chart.codes, options.decks);
    if (options.values) strategy::WriteCellValues(std::cout, chart);
    if (options.edge) {
        std::cout << strategy::HouseEdgeLine(strategy::HouseEdge(lab, chart.codes)) << '\n'
                  << strategy::FlatBetEdgeLine(
                         strategy::kTableMinimumBet,
                         strategy::HouseEdgeAtFlatBet(lab, chart.codes, strategy::kTableMinimumBet))
                  << '\n';
    }
    return std::cout.flush() ? 0 : 1;
}

}  // namespace vantrel::lab
