#pragma once

#include <vector>

#include "engine/card.h"
#include "engine/random.h"
#include "engine/shoe.h"
#include "strategy/master_figures.h"

namespace vantrel {

// Cards out of this shoe that make the coming round meet an index play near the true count it
// will have once they are shown: the player's first card, the hole card, the player's second and
// the up card, in the order of the deal. Taken from the cards really left, so the hand is one the
// shoe could deal; empty when no index play is near or the shoe lacks the cards.
std::vector<Card> IndexSituationDeal(const Shoe& shoe, const strategy::MasterFigures& figures,
                                     Random& random);

}  // namespace vantrel
