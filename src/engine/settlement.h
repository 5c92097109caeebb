#pragma once

#include <string_view>

#include "engine/hand.h"

namespace vantrel {

// What one player hand gets against the dealer's hand.
struct HandResult {
    std::string_view text;  // "Win", "Lose" or "Push"
    int payout;             // chips given back, stake included
};

// The payout table: blackjack pays 3 to 2 with the winnings truncated, a win pays 1 to 1, a push
// returns the stake; a busted hand loses even when the dealer busts.
HandResult SettleHand(const HandLabel& player, const HandLabel& dealer, int bet);

}  // namespace vantrel
