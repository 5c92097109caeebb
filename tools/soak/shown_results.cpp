#include "shown_results.h"

#include <charconv>

namespace vantrel::soak {

namespace {

std::optional<int> NumberOf(std::string_view label) {
    int value = 0;
    const auto [end, error] = std::from_chars(label.data(), label.data() + label.size(), value);
    if (error != std::errc() || end != label.data() + label.size() || label.empty())
        return std::nullopt;
    return value;
}

bool IsLabel(std::string_view label) {
    return label == "BJ!" || label == "BUSTED" || NumberOf(label).has_value();
}

}  // namespace

std::optional<std::string> ExpectedResult(std::string_view player, std::string_view dealer) {
    if (!IsLabel(player) || !IsLabel(dealer)) return std::nullopt;
    if (player == "BJ!") return dealer == "BJ!" ? "Push" : "Win";
    if (player == "BUSTED" || dealer == "BJ!") return "Lose";
    if (dealer == "BUSTED") return "Win";
    const int mine = *NumberOf(player);
    const int theirs = *NumberOf(dealer);
    if (mine > theirs) return "Win";
    return mine == theirs ? "Push" : "Lose";
}

std::optional<int> ShownPayout(std::string_view result, std::string_view playerLabel, int bet) {
    if (result == "Win") return playerLabel == "BJ!" ? bet + bet * 3 / 2 : 2 * bet;
    if (result == "Push") return bet;
    if (result == "Lose") return 0;
    return std::nullopt;
}

}  // namespace vantrel::soak
