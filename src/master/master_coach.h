#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "engine/master_checks.h"
#include "engine/table.h"
#include "master/master_exam.h"
#include "strategy/master_figures.h"

namespace vantrel {

// The Master Course's lessons at the table: the true-count question, the bet by the ramp, and
// the exam that tallies every judgement. Hears the table's events before the student's record
// does, and passes each on.
class MasterCoach : public MasterChecks, public TableEvents {
  public:
    // Whether a question comes now, given its chance (0 to 1).
    using Chance = std::function<bool(double)>;
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    explicit MasterCoach(Table& table);

    // A visit starts with these figures (none: nothing is judged) and these listeners after this
    // coach (none: no record).
    void StartVisit(const strategy::MasterFigures* figures, TableEvents* next);
    // Draws from the table's generator by default.
    void SetChance(Chance chance) { chance_ = std::move(chance); }
    void SetClock(Clock clock) { clock_ = std::move(clock); }

    void CheckBet() override;
    void TrueCountCheck() override;
    bool ExamPassed() override;
    void InsuranceAnswered(bool taken) override;

    const ExamTally& exam() const { return exam_; }
    // The exam's closing figures, as the tally stands (until the next visit starts). Worked out
    // when asked: pricing the mistakes takes the calculator a moment.
    std::string ExamReportText() const;

    void VisitStarted(const VisitStart& visit) override;
    void DecisionJudged(const Decision& decision) override;
    void RoundSettled(const RoundSettlement& round) override;
    void CountAnswered(const CountAnswer& answer) override;
    void VisitEnded(const VisitClose& close) override;

  private:
    LessonMode mode() const { return table_.lesson().lessonMode; }
    // The exam's chance of a question after this round, so that about kExamQuestions come in
    // its shoes.
    double ExamQuestionChance() const;
    void AskTrueCount();

    Table& table_;
    const strategy::MasterFigures* figures_ = nullptr;
    TableEvents* next_ = nullptr;
    Chance chance_;
    Clock clock_ = [] { return std::chrono::steady_clock::now(); };
    ExamTally exam_;
};

}  // namespace vantrel
