#include "record/deviation_cost.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "coach/strategy_table.h"
#include "strategy/count_shoe.h"
#include "strategy/judging_chart.h"

namespace vantrel::record {

std::optional<double> DeviationCost::PerUnit(int deckSetting, int trueCount,
                                             const std::string& cards, const std::string& upCard,
                                             Action taken, int advice) {
    if (advice < kChartHit || advice > kChartSplit) return std::nullopt;
    std::vector<Card> hand;
    std::istringstream codes(cards);
    for (std::string code; codes >> code;) hand.push_back(Card::FromCode(code));
    const int up = std::min(Card::FromCode(upCard).rank, 10);
    const int decks = strategy::TableDecks(deckSetting);
    std::unique_ptr<strategy::ShoeEv>& shoe = shoes_[{decks, trueCount}];
    if (!shoe)
        shoe = std::make_unique<strategy::ShoeEv>(strategy::ShoeAtTrueCount(decks, trueCount));
    const std::optional<strategy::ActionValues> values = shoe->Values(hand, up);
    if (!values) return std::nullopt;
    const std::optional<double> right = values->Of(static_cast<Action>(advice));
    const std::optional<double> made = values->Of(taken);
    if (!right || !made) return std::nullopt;
    return std::max(*right - *made, 0.0);
}

}  // namespace vantrel::record
