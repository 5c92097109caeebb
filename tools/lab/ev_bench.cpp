#include "ev_bench.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <random>
#include <utility>
#include <vector>

#include "strategy/hand_ev.h"
#include "strategy/shoe_ev.h"

namespace vantrel::lab {

namespace {

constexpr int kDecks[] = {1, 6, 8, 1000};
// Every later question is asked this often, so that the clock's resolution does not count.
constexpr int kRepeats = 20;
constexpr std::uint32_t kAnyShoeSeed = 20261207;

using Hand = std::array<Card, 2>;

double Milliseconds(std::clock_t start) {
    return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

// Every two-card hand a decision can face: any two ranks ace to ten but ace-ten, and two tens of
// different ranks, which are no pair.
std::vector<Hand> DecisionHands() {
    std::vector<Hand> hands;
    for (int first = 1; first <= 10; ++first) {
        for (int second = first; second <= 10; ++second) {
            if (first != 1 || second != 10) hands.push_back({Card{1, first}, Card{2, second}});
        }
    }
    hands.push_back({Card{1, 11}, Card{2, 12}});
    return hands;
}

// The first question of a new calculator, for every hand against every up card: the slowest and
// the mean.
std::pair<double, double> FirstCalls(const std::vector<Hand>& hands, int decks) {
    double slowest = 0.0;
    double total = 0.0;
    for (const Hand& hand : hands) {
        for (int up = 1; up <= 10; ++up) {
            strategy::HandEv ev;
            const std::clock_t start = std::clock();
            ev.Values(hand, up, decks);
            const double taken = Milliseconds(start);
            slowest = std::max(slowest, taken);
            total += taken;
        }
    }
    return {slowest, total / (10.0 * static_cast<double>(hands.size()))};
}

void AskEvery(strategy::HandEv& ev, const std::vector<Hand>& hands, int decks) {
    for (int up = 1; up <= 10; ++up) {
        for (const Hand& hand : hands) ev.Values(hand, up, decks);
    }
}

// A 6-deck shoe dealt at random to somewhere before a 60 per cent cut.
strategy::ShoeCounts PartDealtShoe(std::mt19937& random) {
    std::vector<int> cards;
    const strategy::ShoeCounts full = strategy::FullDecks(6);
    for (int value = 1; value <= 10; ++value) cards.insert(cards.end(), full[value], value);
    std::shuffle(cards.begin(), cards.end(), random);
    strategy::ShoeCounts left{};
    const std::size_t dealt = random() % (cards.size() * 6 / 10);
    for (std::size_t i = dealt; i < cards.size(); ++i) ++left[cards[i]];
    return left;
}

// One question of a new calculator for each of many part-dealt 6-deck shoes, a random two-card
// hand against a random up card: the slowest, the 95th percentile and the mean, in ms.
void PrintAnyShoe(const std::vector<Hand>& hands) {
    constexpr int kShoes = 200;
    std::mt19937 random(kAnyShoeSeed);
    std::vector<double> taken;
    for (int i = 0; i < kShoes; ++i) {
        const strategy::ShoeCounts shoe = PartDealtShoe(random);
        const Hand& hand = hands[random() % hands.size()];
        const int up = 1 + static_cast<int>(random() % 10);
        const std::clock_t start = std::clock();
        strategy::ShoeEv(shoe).Values(hand, up);
        taken.push_back(Milliseconds(start));
    }
    std::sort(taken.begin(), taken.end());
    double total = 0.0;
    for (double ms : taken) total += ms;
    char line[160];
    std::snprintf(line, sizeof line,
                  "any shoe of 6 decks dealt to before the cut (%d shoes): first call %.1f ms at "
                  "most, %.1f ms at the 95th percentile, %.1f ms on average\n",
                  kShoes, taken.back(), taken[taken.size() * 95 / 100], total / kShoes);
    std::cout << line;
}

}  // namespace

int RunEvBench() {
    const std::vector<Hand> hands = DecisionHands();
    const double questions = 10.0 * static_cast<double>(hands.size());
    for (int decks : kDecks) {
        const auto [slowestFirst, meanFirst] = FirstCalls(hands, decks);
        strategy::HandEv ev;
        std::clock_t start = std::clock();
        AskEvery(ev, hands, decks);
        const double everyHand = Milliseconds(start);
        start = std::clock();
        for (int repeat = 0; repeat < kRepeats; ++repeat) AskEvery(ev, hands, decks);
        const double laterCall = 1000.0 * Milliseconds(start) / (kRepeats * questions);
        char line[160];
        std::snprintf(line, sizeof line,
                      "decks %d: first call %.1f ms at most, %.1f ms on average; every two-card "
                      "hand %.0f ms; later call %.2f us\n",
                      decks, slowestFirst, meanFirst, everyHand, laterCall);
        std::cout << line;
    }
    PrintAnyShoe(hands);
    return std::cout.flush() ? 0 : 1;
}

}  // namespace vantrel::lab
