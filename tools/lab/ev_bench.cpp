#include "ev_bench.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <utility>
#include <vector>

#include "strategy/hand_ev.h"

namespace vantrel::lab {

namespace {

constexpr int kDecks[] = {1, 6, 8, 1000};
// Every later question is asked this often, so that the clock's resolution does not count.
constexpr int kRepeats = 20;

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
    return std::cout.flush() ? 0 : 1;
}

}  // namespace vantrel::lab
