#pragma once

#include <string>
#include <vector>

#include "record/entries.h"
#include "record/statement.h"

namespace vantrel::record {

// Card codes separated by spaces: "S10 H06".
std::string CardsText(const std::vector<Card>& cards);

// A judged decision's thirteen columns as the decisions and the drill answers both keep them, in
// this order from `first` on: cards, up_card, chart_part, chart_row, chart_column, action,
// advice, is_right, ev_taken, ev_best, ev_advice, true_count, deviation.
Statement& BindDecisionColumns(Statement& statement, int first, const DecisionEntry& decision);

}  // namespace vantrel::record
