#pragma once

#include <array>
#include <memory>

#include "strategy/shoe_model.h"
#include "strategy/up_card_odds.h"

namespace vantrel::strategy {

// The calculator's workplace for one shoe: the shoe and, per dealer up card, the dealer's odds,
// kept so that working out a chart and then its house edge computes them once.
class ChartLab {
  public:
    explicit ChartLab(int decks) : shoe_(decks) {}
    explicit ChartLab(const ShoeCounts& counts) : shoe_(counts) {}
    ChartLab(const ChartLab&) = delete;
    ChartLab& operator=(const ChartLab&) = delete;

    const ShoeModel& shoe() const { return shoe_; }
    UpCardOdds& Odds(int up);

  private:
    ShoeModel shoe_;
    std::array<std::unique_ptr<UpCardOdds>, 11> odds_;
};

}  // namespace vantrel::strategy
