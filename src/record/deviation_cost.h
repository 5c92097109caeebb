#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "engine/action.h"
#include "strategy/shoe_ev.h"

namespace vantrel::record {

// Prices missed index plays. The values a decision keeps are a full shoe's, where the index play
// is the worse one; a missed index play is priced instead in a shoe at the true count it was
// missed at (strategy::ShoeAtTrueCount): what the index play is worth there over the action
// taken, per unit bet, never below nothing, as at its very index the two are worth about the
// same. One calculator is kept for each shoe asked about.
class DeviationCost {
  public:
    // `cards` and `upCard` as the record writes them ("S10 H06", "C13"); `deckSetting` the visit's
    // DECK. Nothing where the hand, the shoe or the advice has no value.
    std::optional<double> PerUnit(int deckSetting, int trueCount, const std::string& cards,
                                  const std::string& upCard, Action taken, int advice);

  private:
    std::map<std::pair<int, int>, std::unique_ptr<strategy::ShoeEv>> shoes_;
};

}  // namespace vantrel::record
