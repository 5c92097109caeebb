#pragma once

#include <future>
#include <map>
#include <mutex>

#include "coach/strategy_table.h"

namespace vantrel::strategy {

// The smallest chip; the table pays its blackjack $12 rather than $12.50.
inline constexpr int kTableMinimumBet = 5;

// The house edge of a game played by its best chart.
struct HouseEdges {
    double fullThreeToTwo = 0.0;  // blackjack paid a full 3 to 2
    double atTableMinimum = 0.0;  // flat bets of $5, blackjack paid as the table pays it
};

// The calculator's figures for a number of decks, worked out once each on a thread of its own
// (std::async), so that no screen waits for them: the best chart first, then its house edge. Safe
// to ask from any thread; a figure asked for again is the one worked out before. Work under way
// when this object goes is finished first (well under a second).
class DeckFigures {
  public:
    DeckFigures() = default;
    DeckFigures(const DeckFigures&) = delete;
    DeckFigures& operator=(const DeckFigures&) = delete;

    // decks: 1 or more (0 would be an infinite deck).
    std::shared_future<StrategyTable> BestChart(int decks);
    std::shared_future<HouseEdges> Edges(int decks);

  private:
    struct Work {
        std::shared_future<StrategyTable> chart;
        std::shared_future<HouseEdges> edges;
        std::future<void> done;  // the thread; its end is waited for on destruction
    };
    Work& WorkFor(int decks);

    std::mutex mutex_;
    std::map<int, Work> work_;
};

}  // namespace vantrel::strategy
