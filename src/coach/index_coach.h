#pragma once

#include <future>
#include <memory>
#include <string>
#include <vector>

#include "coach/index_ev.h"
#include "coach/index_judge.h"
#include "engine/table.h"
#include "strategy/master_figures.h"

namespace vantrel {

// The Master Course's decision and insurance checks: the chart with the index plays applied at
// the true count the student sees. Every Master lesson judges this way for the record; the index
// practice also shows the verdict, moves the quota, deals index situations often and shows, after
// a deviation, the values of the actions for the cards really left.
class IndexCoach {
  public:
    IndexCoach(Table& table, const StrategyTable& chart) : table_(table), chart_(chart) {}
    // Waits for the work still running aside, so that none outlives the table it was asked for.
    ~IndexCoach();
    IndexCoach(const IndexCoach&) = delete;
    IndexCoach& operator=(const IndexCoach&) = delete;

    // The figures the indices come from; without them the chart alone judges.
    void SetFigures(std::shared_ptr<const strategy::MasterFigures> figures) {
        figures_ = std::move(figures);
    }
    const strategy::MasterFigures* figures() const { return figures_.get(); }

    // The chart's judgement of a decision, judged again with the index plays, the true count and
    // whether the advice is a deviation filled in.
    Decision Rejudged(Decision decision) const;
    // Judges the insurance choice at the true count the student sees.
    InsuranceJudgement JudgedInsurance(bool taken) const;

    // Tells the events; in the index practice also the verdict and, after a deviation, the values.
    void CheckDecision(const Decision& chartDecision);
    // In the index practice, the verdict on an insurance offer answered.
    void CheckInsurance(bool taken);
    // Starts working out the values for the hand that waits, where an index play may hold.
    void DecisionAwaited();
    // Now and then places the cards of an index situation for the coming round.
    void ArrangeDeal();

    // The lesson shows verdicts: the index practice.
    bool ShowsVerdicts() const;
    // Whether the values are worked out and shown after a deviation (by default, where a table is
    // seen); off where many rounds are played at once.
    void SetValuesShown(bool shown) { valuesShown_ = shown; }

  private:
    void Verdict(bool right, const std::string& correction);
    bool ShowsValues() const;
    // Keeps what runs aside until it is done; drops what is done.
    void Keep(std::shared_future<EvAnswer> job);
    void Keep(std::shared_future<std::string> line);

    Table& table_;
    const StrategyTable& chart_;
    std::shared_ptr<const strategy::MasterFigures> figures_;
    // The values for the decision that waits; empty when none is worked out.
    std::shared_future<EvAnswer> ev_;
    bool valuesShown_ = true;
    std::vector<std::shared_future<EvAnswer>> jobs_;
    std::vector<std::shared_future<std::string>> lines_;
};

}  // namespace vantrel
