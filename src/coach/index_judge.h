#pragma once

#include <string>

#include "coach/judge.h"
#include "engine/table.h"
#include "strategy/master_figures.h"

namespace vantrel {

// The Master Course's word on a hand: the chart's, with the index play for the hand applied at
// the true count.
struct IndexJudgement {
    Judgement chart;
    int advice = 0;  // the chart's code, or the index play's when it applies
    // The index play of this hand where its deviation is possible, applying or not.
    const strategy::IndexNumber* index = nullptr;
    bool deviation = false;  // the advice is the index play's

    bool Accepts(Action action) const {
        return advice == static_cast<int>(action) || advice == kChartAnyAction;
    }
};

// The name the index plays give a hand: "16" for a hard total, "A7" for a soft one, "88" or "TT"
// for a pair the table reads as one.
std::string IndexHandName(const JudgedHand& hand);

// An index play holds for a hand when the chart advises its basic play there and its own play is
// possible: a double on two cards, a split where the table reads a pair. A pair without an index
// of its own is judged by the index of its total. Without figures, the chart alone judges.
IndexJudgement JudgeWithIndices(const StrategyTable& chart, const strategy::MasterFigures* figures,
                                const JudgedHand& hand, int trueCount);

// The correction the balloon names: "STAND", or with the index, "STAND: true +0".
std::string IndexCorrection(const IndexJudgement& judgement);

// "true +3", "true +0", "true -1".
std::string TrueCountText(int trueCount);

// The true count as the student sees it: the running count of the cards shown, over the cards
// not yet seen, the hole card among them.
int SeenTrueCount(const Table& table);

// An insurance choice against the insurance index.
struct InsuranceJudgement {
    const strategy::IndexNumber* index = nullptr;  // none: the figures hold no insurance index
    bool take = false;
    bool right = true;
    // "INSURANCE: true +3" or "NO INSURANCE: true +3".
    std::string Correction() const;
};
InsuranceJudgement JudgeInsurance(const strategy::MasterFigures* figures, int trueCount,
                                  bool taken);

// A count that makes the index play hold, or comes within one of its index.
bool NearIndex(const strategy::IndexNumber& number, int trueCount);

// The index play of the table's current hand, where one is possible (as JudgeWithIndices finds
// it); null when none.
IndexJudgement JudgeTableHand(const StrategyTable& chart, const strategy::MasterFigures* figures,
                              const Table& table);

}  // namespace vantrel
