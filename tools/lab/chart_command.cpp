// vantrel-lab chart: the basic-strategy chart for the trainer's table.

#include <iostream>
#include <memory>
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

constexpr std::string_view kAbout =
    R"(Works out basic strategy for the trainer's table by exact expected values and
prints it as chart-file records (the format of bs4bj.dat): 1 hit, 2 stand,
3 double else hit, 4 split, 5 double else stand. A cell whose best action is
to double gets 5 where standing beats hitting, else 3.)";

constexpr std::string_view kFooter =
    R"(The table: the dealer stands on all 17s and checks for blackjack before the
player acts (a dealer blackjack takes only the first bet); blackjack pays 3 to
2; double on any two cards, also after a split; split pairs of one rank up to
four hands, aces again; a hand of split aces gets one card; no surrender.

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
    fixed. A hand of split aces stands on its one card.)";

struct ChartOptions {
    int decks = kDefaultDecks;
    bool values = false;
    bool edge = false;
    std::optional<std::string> judgingDir;
    std::optional<std::string> settings;
};

int RunChart(const ChartOptions& options) {
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

}  // namespace

CommandRun AddChart(CLI::App& lab) {
    auto options = std::make_shared<ChartOptions>();
    CLI::App* chart =
        lab.add_subcommand("chart", "work out the basic-strategy chart by exact expected values");
    chart->footer(std::string(kAbout) + "\n\n" + std::string(kFooter));
    CLI::Option* decks =
        chart
            ->add_option("--decks", options->decks,
                         "decks in the shoe, 1 to 64, or 0 for an infinite deck (default 6)")
            ->check(CLI::Range(0, kMaxDecks))
            ->option_text("N");
    CLI::Option* values = chart->add_flag(
        "--ev", options->values,
        "also print the value of every action in every cell, per unit bet given no dealer "
        "blackjack");
    CLI::Option* edge = chart->add_flag(
        "--edge", options->edge,
        "also print the house edge of the whole game from a full shoe for a player who follows "
        "the printed chart as the table reads it, as \"house edge: X.XXX%\" with blackjack paid "
        "a full 3 to 2, and as \"house edge at $5 flat bets: X.XXX%\" as this table pays it: a "
        "$5 blackjack returns $12, the winnings truncated");
    CLI::Option* judging =
        chart
            ->add_option("--judging", options->judgingDir,
                         "instead print the chart the trainer judges by with the chart file "
                         "DATADIR/bs4bj.dat and the DECK of the settings: the file's own, unless "
                         "its line \"# exact for 3 to 8 decks\" leaves DECK out, when the chart "
                         "above is worked out for DECK as the table plays it (below 1 one deck); "
                         "a file without that line is used as it is. Comment lines say which "
                         "plays differ from the file.")
            ->option_text("DATADIR")
            ->excludes(decks, values, edge);
    chart
        ->add_option("--settings", options->settings,
                     "the settings file for --judging (default: the default settings, DECK=6)")
        ->option_text("FILE")
        ->needs(judging);
    return [options] { return RunChart(*options); };
}

}  // namespace vantrel::lab
