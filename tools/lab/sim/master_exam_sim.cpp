#include "sim/master_exam_sim.h"

#include <algorithm>
#include <functional>
#include <memory>

#include "coach/coach.h"
#include "coach/index_judge.h"
#include "coach/lessons.h"
#include "engine/table.h"
#include "master/master_coach.h"
#include "master/tray_reading.h"
#include "sim/chart_player.h"
#include "sim/quiet_view.h"
#include "sim/table_sim.h"

namespace vantrel::lab {

namespace {

class MasterExamTable {
  public:
    MasterExamTable(const StrategyTable& chart, const strategy::MasterFigures& figures,
                    MasterPlayer player, std::uint32_t seed)
        : chart_(chart), figures_(figures), player_(player) {
        lesson_.lessonCode = "ML6";
        lesson_.lessonHasTable = true;
        SetTableValues(lesson_, *FindLesson("ML6"));
        table_.rules = {figures.decks, figures.penetration, kSimGameSpeed};
        table_.SetSeedSource([seed] { return seed; });
        judge_.index().SetFigures(
            std::shared_ptr<const strategy::MasterFigures>(&figures_, [](const auto*) {}));
        judge_.index().SetValuesShown(false);
        table_.SetCoaching(&judge_);
        table_.SetMasterChecks(&coach_);
        coach_.StartVisit(&figures_, nullptr);
        table_.SetEvents(&coach_);
        view_.answer = [this] {
            const Shoe& shoe = table_.shoe();
            return player_ == MasterPlayer::Perfect
                       ? ReadTray(shoe.runningCount, shoe.CardsLeft()).trueCount
                       : shoe.runningCount;
        };
        table_.FormShow();
    }

    bool over() const { return view_.closingPages > 0 || view_.courseMenus > 0; }
    bool passed() { return view_.closingPages > 0 && coach_.ExamPassed(); }

    void PlayRound() {
        PlaceBetInChips(table_, Bet());
        while (table_.startTimerRunning()) table_.tm_startTimer();
        while (table_.state().roundActive && table_.actionsEnabled() && !over()) {
            if (table_.state().insuranceOpen && TakesInsurance()) {
                table_.bbtn_insuranceClick();
                continue;
            }
            if (!Press(Play()) && !Press(ShortOfChipsAction(chart_, table_)))
                table_.bbtn_standClick();
        }
    }

  private:
    // The chart's play; the perfect player makes the index play where it holds.
    Action Play() const {
        if (player_ == MasterPlayer::Perfect) {
            const IndexJudgement judgement = JudgeTableHand(chart_, &figures_, table_);
            if (judgement.deviation) return static_cast<Action>(judgement.advice);
        }
        return ChartPlayerAction(chart_, table_);
    }

    bool TakesInsurance() const {
        return player_ == MasterPlayer::Perfect &&
               JudgeInsurance(&figures_, SeenTrueCount(table_), true).right;
    }

    int Bet() const {
        if (player_ == MasterPlayer::Basic) return 5;
        const Shoe& shoe = table_.shoe();
        return strategy::RampBet(figures_, ReadTray(shoe.runningCount, shoe.CardsLeft()).trueCount,
                                 table_.state().maxBet);
    }

    bool Press(Action action) { return PressUnlessRefused(table_, view_, action); }

    const StrategyTable& chart_;
    const strategy::MasterFigures& figures_;
    MasterPlayer player_;
    QuietView view_;
    LessonSetup lesson_;
    Table table_{view_, lesson_};
    Coach judge_{table_, chart_};
    MasterCoach coach_{table_};
};

}  // namespace

bool PlayMasterExam(const StrategyTable& chart, const strategy::MasterFigures& figures,
                    MasterPlayer player, std::uint32_t seed, long long& rounds) {
    MasterExamTable table(chart, figures, player, seed);
    while (!table.over()) {
        table.PlayRound();
        ++rounds;
    }
    return table.passed();
}

ExamTally SimulateMasterExams(const StrategyTable& chart, const strategy::MasterFigures& figures,
                              MasterPlayer player, long long exams, std::uint64_t seed,
                              int threads) {
    return TallyExams(exams, seed, threads, [&](std::uint32_t examSeed, long long& rounds) {
        return PlayMasterExam(chart, figures, player, examSeed, rounds);
    });
}

}  // namespace vantrel::lab
