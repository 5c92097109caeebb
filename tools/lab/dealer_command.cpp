// vantrel-lab dealer: how the dealer's hand ends, by up card, for the shoe in force.

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "app/settings.h"
#include "commands.h"
#include "strategy/dealer_odds.h"
#include "strategy/judging_chart.h"
#include "strategy/shoe_model.h"

namespace vantrel::lab {

namespace {

constexpr int kMaxDecks = 64;

constexpr std::string_view kAbout =
    R"(Prints, for each dealer up card, how the dealer's hand ends when the rest of
the shoe is full: 17 to 21, a blackjack or a bust, in per cent of all the
deals with that up card (each row adds up to 100), worked out exactly by the
calculator the chart comes from. The dealer stands on all 17s. Last, the
value of the insurance bet off the top of the shoe, per unit insured.)";

struct DealerOptions {
    std::optional<int> decks;
    std::optional<std::string> settings;
    bool csv = false;
};

int RunDealer(const DealerOptions& options) {
    const int decks =
        options.decks ? *options.decks
                      : strategy::TableDecks(options.settings ? LoadSettings(*options.settings).DECK
                                                              : Settings{}.DECK);
    const strategy::ShoeModel shoe(decks);
    std::cout << (options.csv ? "up,17,18,19,20,21,blackjack,bust\n"
                              : "up      17      18      19      20      21  blackjack    bust\n");
    for (int up : {2, 3, 4, 5, 6, 7, 8, 9, 10, 1}) {
        const strategy::DealerOdds odds = strategy::DealerGraph(up).Odds(shoe, {});
        const std::string name = up == 1 ? "A" : std::to_string(up);
        std::cout << name << (options.csv ? "" : std::string(3 - name.size(), ' '));
        const auto column = [&options](double chance, int width) {
            char text[32];
            const double percent = 100.0 * std::max(chance, 0.0);
            if (options.csv) {
                std::snprintf(text, sizeof text, ",%.3f", percent);
            } else {
                std::snprintf(text, sizeof text, "%*.2f%%", width - 1, percent);
            }
            std::cout << text;
        };
        for (int total = 17; total <= 21; ++total) column(odds.finals[total - 17], 8);
        column(1.0 - odds.NoBlackjack(), 11);
        column(odds.finals[strategy::DealerOdds::kBust], 8);
        std::cout << '\n';
    }
    if (!options.csv) {
        // The insurance bet pays 2 to 1 when the hole card is a ten.
        const double tens = shoe.Chance(strategy::kTen, 0, 1);
        char line[96];
        std::snprintf(line, sizeof line, "insurance off the top: %+.2f%% per unit insured\n",
                      100.0 * (3.0 * tens - 1.0));
        std::cout << line;
    }
    return std::cout.flush() ? 0 : 1;
}

}  // namespace

CommandRun AddDealer(CLI::App& lab) {
    auto options = std::make_shared<DealerOptions>();
    CLI::App* dealer = lab.add_subcommand(
        "dealer", "the dealer's final totals and bust rate by up card, for the decks in force");
    dealer->footer(std::string(kAbout));
    CLI::Option* decks = dealer->add_option("--decks", options->decks, "decks in the shoe, 1 to 64")
                             ->check(CLI::Range(1, kMaxDecks))
                             ->option_text("N");
    dealer
        ->add_option("--settings", options->settings,
                     "the settings file whose DECK is in force (default: the default settings, "
                     "DECK=6)")
        ->option_text("FILE")
        ->excludes(decks);
    dealer->add_flag("--csv", options->csv,
                     "write CSV: up,17,18,19,20,21,blackjack,bust, in per cent");
    return [options] { return RunDealer(*options); };
}

}  // namespace vantrel::lab
