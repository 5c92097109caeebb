// vantrel-lab ev: the exact value of each action for a hand against an up card, for any shoe.

#include <array>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "commands.h"
#include "strategy/shoe_ev.h"

namespace vantrel::lab {

namespace {

constexpr int kDefaultDecks = 6;
constexpr int kMaxDecks = 64;
constexpr int kMostOfAValue = 10'000;

constexpr std::string_view kAbout =
    R"(Prints the exact value of each action for the hand against the up card, per
unit bet, given that the dealer has no blackjack, one action a line: hit,
stand, double (two cards), split (a pair) and, against an ace, insurance (per
unit insured). The shoe is the one the hand and the up card are dealt from:
they come out of it. The table's rules are `vantrel-lab chart`'s; split hands
are valued with only the pair cards out of the shoe.

A card is A, 2 to 9, T (any ten-valued card), or J, Q, K; two tens of
different ranks are no pair.)";

// A card's rank from its letter: A, 2..9, T (a ten), J, Q, K.
std::optional<int> RankOf(std::string_view text) {
    static constexpr std::string_view kRanks[] = {"",  "A", "2", "3", "4", "5", "6",
                                                  "7", "8", "9", "T", "J", "Q", "K"};
    for (int rank = 1; rank <= 13; ++rank)
        if (text == kRanks[rank] || (rank == 10 && text == "10")) return rank;
    return std::nullopt;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);) parts.push_back(part);
    return parts;
}

// "A:24,2:24,...,T:96": each value at most once, a value left out has no cards.
std::optional<strategy::ShoeCounts> ParseShoe(const std::string& text) {
    strategy::ShoeCounts counts{};
    std::array<bool, 11> given{};
    for (const std::string& part : Split(text, ',')) {
        const std::size_t colon = part.find(':');
        if (colon == std::string::npos) return std::nullopt;
        const std::optional<int> rank = RankOf(part.substr(0, colon));
        if (!rank || *rank > 10 || given[*rank]) return std::nullopt;
        try {
            std::size_t used = 0;
            const int cards = std::stoi(part.substr(colon + 1), &used);
            if (used != part.size() - colon - 1 || cards < 0 || cards > kMostOfAValue)
                return std::nullopt;
            counts[*rank] = cards;
        } catch (const std::exception&) {
            return std::nullopt;
        }
        given[*rank] = true;
    }
    return counts;
}

std::optional<std::vector<Card>> ParseHand(const std::string& text) {
    std::vector<Card> hand;
    for (const std::string& part : Split(text, ',')) {
        const std::optional<int> rank = RankOf(part);
        if (!rank) return std::nullopt;
        hand.push_back(Card{static_cast<int>(hand.size() % 4) + 1, *rank});
    }
    return hand;
}

struct EvOptions {
    std::string shoe;
    int decks = kDefaultDecks;
    std::string hand;
    std::string up;
};

void PrintValue(const char* action, double value) {
    std::printf("%s %.4f\n", action, value);
}

int RunEv(const EvOptions& options) {
    const std::optional<strategy::ShoeCounts> shoe =
        options.shoe.empty() ? strategy::FullDecks(options.decks) : ParseShoe(options.shoe);
    if (!shoe)
        return UsageError("ev", "--shoe reads like A:24,2:24,...,T:96, not '" + options.shoe + "'");
    const std::optional<std::vector<Card>> hand = ParseHand(options.hand);
    if (!hand) return UsageError("ev", "--hand reads like T,6 or A,7, not '" + options.hand + "'");
    const std::optional<int> up = RankOf(options.up);
    if (!up) return UsageError("ev", "--up is one card, A, 2 to 9 or T, not '" + options.up + "'");
    const int upValue = std::min(*up, strategy::kTen);

    strategy::ShoeEv ev(*shoe);
    const std::optional<strategy::ActionValues> values = ev.Values(*hand, upValue);
    if (!values) {
        std::cerr << "vantrel-lab ev: no decision faces that hand against that up card from that "
                     "shoe (fewer than two cards, 21 or more, or cards the shoe does not hold)\n";
        return 1;
    }
    PrintValue("hit", values->hit);
    PrintValue("stand", values->stand);
    if (values->doubleDown) PrintValue("double", *values->doubleDown);
    if (values->split) PrintValue("split", *values->split);
    if (upValue == strategy::kAce) PrintValue("insurance", *ev.Insurance(*hand));
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

CommandRun AddEv(CLI::App& lab) {
    auto options = std::make_shared<EvOptions>();
    CLI::App* ev = lab.add_subcommand(
        "ev", "the exact value of each action for a hand against an up card, from any shoe");
    ev->footer(std::string(kAbout));
    CLI::Option* shoe =
        ev->add_option("--shoe", options->shoe,
                       "the shoe by value before the hand and the up card are dealt, e.g. "
                       "A:24,2:24,3:24,4:24,5:24,6:24,7:24,8:24,9:24,T:96; a value left out "
                       "has no cards")
            ->option_text("COUNTS");
    ev->add_option("--decks", options->decks,
                   "instead of --shoe, N full decks, 1 to 64 (default 6)")
        ->check(CLI::Range(1, kMaxDecks))
        ->option_text("N")
        ->excludes(shoe);
    ev->add_option("--hand", options->hand, "the player's cards, e.g. T,6")
        ->option_text("CARDS")
        ->required();
    ev->add_option("--up", options->up, "the dealer's up card, e.g. T")
        ->option_text("CARD")
        ->required();
    return [options] { return RunEv(*options); };
}

}  // namespace vantrel::lab
