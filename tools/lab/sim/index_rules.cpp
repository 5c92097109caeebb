#include "sim/index_rules.h"

#include <fstream>
#include <sstream>

namespace vantrel::lab {

namespace {

constexpr std::string_view kHeader = "hand,up,basic,deviation,direction,index,se,gain_per_100";

std::optional<IndexRule> ParseRule(const std::string& line) {
    std::vector<std::string> cells;
    std::istringstream stream(line);
    for (std::string cell; std::getline(stream, cell, ',');) cells.push_back(cell);
    if (cells.size() != 8 || cells[3].size() != 1 || (cells[4] != ">=" && cells[4] != "<="))
        return std::nullopt;
    IndexRule rule{cells[0], cells[1], cells[3][0], cells[4] == ">="};
    try {
        rule.index = std::stoi(cells[5]);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (std::string_view("HSDPI").find(rule.deviation) == std::string_view::npos)
        return std::nullopt;
    return rule;
}

}  // namespace

std::optional<std::vector<IndexRule>> ReadIndexRules(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    if (!std::getline(file, line) || line != kHeader) return std::nullopt;
    std::vector<IndexRule> rules;
    while (std::getline(file, line)) {
        if (line.empty()) continue;
        const std::optional<IndexRule> rule = ParseRule(line);
        if (!rule) return std::nullopt;
        rules.push_back(*rule);
    }
    return rules;
}

std::string UpCardName(int upValue) {
    return upValue == 1 ? "A" : std::to_string(upValue);
}

std::string DecisionHandName(const Table& table) {
    const TableState& state = table.state();
    if (state.handCount != 1 || state.handCards[1] != 2) return {};
    if (table.IsMatchingPair()) {
        const int value = table.PairValue();
        const std::string name = value == 1 ? "A" : value == 10 ? "T" : std::to_string(value);
        return name + name;
    }
    const int total = state.handTotal[1];  // 101 for each ace
    if (total > 101) return "A" + std::to_string(total - 101);
    return std::to_string(total);
}

std::optional<Action> IndexAction(const std::vector<IndexRule>& rules, const Table& table,
                                  int trueCount) {
    const std::string hand = DecisionHandName(table);
    if (hand.empty()) return std::nullopt;
    const std::string up = UpCardName(table.state().dealerUpValue);
    for (const IndexRule& rule : rules) {
        if (rule.hand != hand || rule.up != up || !rule.Applies(trueCount)) continue;
        switch (rule.deviation) {
            case 'H':
                return Action::Hit;
            case 'S':
                return Action::Stand;
            case 'D':
                return Action::DoubleDown;
            case 'P':
                return Action::Split;
        }
    }
    return std::nullopt;
}

bool InsuresAt(const std::vector<IndexRule>& rules, int trueCount) {
    for (const IndexRule& rule : rules)
        if (rule.deviation == 'I' && rule.Applies(trueCount)) return true;
    return false;
}

}  // namespace vantrel::lab
