#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantrel::soak {

// The result settlement must show for a player hand label against the dealer's label ("BJ!",
// "BUSTED" or a number); nullopt when a label is none of these.
std::optional<std::string> ExpectedResult(std::string_view player, std::string_view dealer);

// What a shown result returns to the chips for a hand of this label and bet, stake included:
// a blackjack win pays 3 to 2 with the winnings cut to whole dollars. nullopt for a result text
// that is none of "Win", "Push", "Lose".
std::optional<int> ShownPayout(std::string_view result, std::string_view playerLabel, int bet);

}  // namespace vantrel::soak
