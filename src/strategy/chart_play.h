#pragma once

#include <cstdint>
#include <unordered_map>

#include "coach/strategy_table.h"
#include "strategy/card_counts.h"
#include "strategy/up_card_odds.h"

namespace vantrel::strategy {

// A hand played by a chart exactly as the table reads it, once splitting is no longer in
// question. Values are per unit bet, jointly with no dealer blackjack.
class ChartPlay {
  public:
    ChartPlay(UpCardOdds& odds, const StrategyTable& chart, CardCounts extra = {})
        : odds_(odds), chart_(chart), extra_(extra) {}

    double Stand(const CardCounts& hand);
    // The hand read by its total (no pair); a 21 stands, as the table ends such a hand.
    double Play(const CardCounts& hand);
    // The hand played by the chart code `code`. A code the chart has no play for here (split,
    // "any action", an empty cell) stands.
    double Follow(const CardCounts& hand, int code);

  private:
    UpCardOdds& odds_;
    const StrategyTable& chart_;
    CardCounts extra_;
    std::unordered_map<std::uint64_t, double> played_;
};

}  // namespace vantrel::strategy
