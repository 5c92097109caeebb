#include "coach/index_judge.h"

#include <cstdlib>

#include "coach/coach.h"
#include "engine/hand.h"
#include "strategy/true_count.h"

namespace vantrel {

namespace {

// The chart's code of a play as the index plays write it.
int PlayCode(char play) {
    switch (play) {
        case 'H':
            return kChartHit;
        case 'S':
            return kChartStand;
        case 'D':
            return kChartDouble;
        case 'P':
            return kChartSplit;
        default:
            return 0;
    }
}

char ValueLetter(int value) {
    if (value == 1) return 'A';
    if (value == 10) return 'T';
    return static_cast<char>('0' + value);
}

std::string TotalName(const JudgedHand& hand) {
    const int hard = HardTotal(hand.total);
    if (IsSoft(hand.total)) return std::string(1, 'A') + std::to_string(hard - 1);
    return std::to_string(hard);
}

}  // namespace

std::string IndexHandName(const JudgedHand& hand) {
    if (hand.pairValue > 0) return std::string(2, ValueLetter(hand.pairValue));
    return TotalName(hand);
}

IndexJudgement JudgeWithIndices(const StrategyTable& chart, const strategy::MasterFigures* figures,
                                const JudgedHand& hand, int trueCount) {
    IndexJudgement result;
    result.chart = Judge(chart, hand);
    result.advice = result.chart.advice;
    if (!figures) return result;
    const auto holds = [&](const strategy::IndexNumber* number) {
        if (!number || number->IsInsurance()) return false;
        if (PlayCode(number->basic) != result.chart.advice) return false;
        const int play = PlayCode(number->play);
        if (play == 0) return false;
        if (play == kChartDouble && hand.cards != 2) return false;
        if (play == kChartSplit && hand.pairValue == 0) return false;
        result.index = number;
        if (number->Applies(trueCount)) {
            result.advice = play;
            result.deviation = true;
        }
        return true;
    };
    if (hand.pairValue > 0 &&
        holds(strategy::FindIndexNumber(*figures, IndexHandName(hand), hand.upValue)))
        return result;
    holds(strategy::FindIndexNumber(*figures, TotalName(hand), hand.upValue));
    return result;
}

std::string TrueCountText(int trueCount) {
    return std::string("true ") + (trueCount < 0 ? "-" : "+") + std::to_string(std::abs(trueCount));
}

std::string IndexCorrection(const IndexJudgement& judgement) {
    std::string correction(ActionName(judgement.advice));
    if (judgement.index) correction += ": " + TrueCountText(judgement.index->index);
    return correction;
}

int SeenTrueCount(const Table& table) {
    const Shoe& shoe = table.shoe();
    int running = shoe.runningCount;
    int unseen = shoe.CardsLeft();
    const CardSlot& hole = table.slot(DealerSlot(1));
    if (hole.rank() > 0 && hole.picture == CardSlot::Picture::Back) {
        running -= HiLoValue(hole.rank());
        ++unseen;
    }
    return strategy::TrueCount(running, unseen);
}

std::string InsuranceJudgement::Correction() const {
    if (!index) return {};
    return std::string(take ? "INSURANCE: " : "NO INSURANCE: ") + TrueCountText(index->index);
}

InsuranceJudgement JudgeInsurance(const strategy::MasterFigures* figures, int trueCount,
                                  bool taken) {
    InsuranceJudgement judgement;
    if (figures) judgement.index = strategy::FindIndexNumber(*figures, "any", 1);
    if (!judgement.index) return judgement;
    judgement.take = judgement.index->Applies(trueCount);
    judgement.right = taken == judgement.take;
    return judgement;
}

bool NearIndex(const strategy::IndexNumber& number, int trueCount) {
    return number.Applies(trueCount) || std::abs(trueCount - number.index) <= 1;
}

IndexJudgement JudgeTableHand(const StrategyTable& chart, const strategy::MasterFigures* figures,
                              const Table& table) {
    const TableState& state = table.state();
    const int hand = state.currentHand;
    return JudgeWithIndices(
        chart, figures,
        {state.handTotal[hand], state.handCards[hand], table.PairValue(), state.dealerUpValue},
        SeenTrueCount(table));
}

}  // namespace vantrel
