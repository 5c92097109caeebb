#include "record/decision_columns.h"

#include <string>

namespace vantrel::record {

std::string CardsText(const std::vector<Card>& cards) {
    std::string text;
    for (const Card& card : cards) {
        if (!text.empty()) text += ' ';
        text += card.code();
    }
    return text;
}

Statement& BindDecisionColumns(Statement& statement, int first, const DecisionEntry& decision) {
    return statement.Bind(first, CardsText(decision.cards))
        .Bind(first + 1, decision.upCard.code())
        .Bind(first + 2, static_cast<int>(decision.cell.part))
        .Bind(first + 3, decision.cell.row)
        .Bind(first + 4, decision.cell.column)
        .Bind(first + 5, static_cast<int>(decision.action))
        .Bind(first + 6, decision.advice)
        .Bind(first + 7, decision.right ? 1 : 0)
        .Bind(first + 8, decision.evTaken)
        .Bind(first + 9, decision.evBest)
        .Bind(first + 10, decision.evAdvice)
        .Bind(first + 11, decision.trueCount)
        .Bind(first + 12, decision.deviation ? 1 : 0);
}

}  // namespace vantrel::record
