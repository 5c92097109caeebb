#include "coach/coach.h"

#include <algorithm>
#include <string>

#include "engine/hand.h"

namespace vantrel {

std::string_view ActionName(int code) {
    switch (code) {
        case kChartHit:
            return "HIT";
        case kChartStand:
            return "STAND";
        case kChartDouble:
            return "DOUBLE";
        case kChartSplit:
            return "SPLIT";
        default:
            return {};
    }
}

int ChartCell(const StrategyTable& chart, const Table& table) {
    const TableState& state = table.state();
    const int column = std::clamp(state.dealerUpValue, 0, 10);
    const int total = state.handTotal[state.currentHand];
    if (table.IsMatchingPair()) return chart.pair[table.PairValue()][column];
    // A hand in which one ace can still count 11 is read as soft, however many aces it holds,
    // so that the check agrees with the total the student sees.
    if (IsSoft(total)) return chart.soft[std::clamp(HardTotal(total) - 1, 2, 8)][column];
    return chart.hard[std::clamp(HardTotal(total), 8, 17)][column];
}

int Advice(const StrategyTable& chart, const Table& table) {
    const int cell = ChartCell(chart, table);
    const bool twoCards = table.state().handCards[table.state().currentHand] == 2;
    if (cell == kChartDouble) return twoCards ? kChartDouble : kChartHit;
    if (cell == kChartDoubleElseStand) return twoCards ? kChartDouble : kChartStand;
    return cell;
}

void Coach::CheckDecision(Action action) {
    const int advice = Advice(chart_, table_);
    const bool right = advice == static_cast<int>(action) || advice == kChartAnyAction;
    Verdict(right, ActionName(advice));
}

void Coach::CountCheck() {
    TableState& state = table_.state();
    state.countCheckActive = true;
    table_.Wait(2000);
    const int answer = table_.AskCountPoint();
    const int count = table_.shoe().runningCount;
    Verdict(answer == count, std::to_string(count));
    state.countCheckActive = false;
}

void Coach::Verdict(bool right, std::string_view correction) {
    if (right) {
        --table_.state().quotaLeft;
        table_.ShowPlayerMessage("OK!", 500);
    } else {
        ++table_.state().quotaLeft;
        table_.ShowPlayerMessage("Incorrect!(" + std::string(correction) + ")", 1000);
    }
}

}  // namespace vantrel
