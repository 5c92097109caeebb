#include "sim/master_exam_sim.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "coach/coach.h"
#include "coach/index_judge.h"
#include "coach/lessons.h"
#include "engine/table.h"
#include "master/master_coach.h"
#include "master/tray_reading.h"
#include "sim/chart_player.h"
#include "sim/table_sim.h"

namespace vantrel::lab {

namespace {

// A table screen nobody sees, whose keypad the player answers.
class ExamView final : public TableView {
  public:
    std::function<int()> answer;
    long long playerBalloons = 0;
    long long closingPages = 0;
    long long courseMenus = 0;

    bool ShowsTable() const override { return false; }
    void Delay(int) override {}
    void SetText(Control control, std::string_view) override {
        if (control == Control::l_pmsg) ++playerBalloons;
    }
    void SetVisible(Control, bool) override {}
    void SetEnabled(Control, bool) override {}
    void EnableActions(bool) override {}
    void ShowCardFace(int, const Card&) override {}
    void ShowCardBack(int) override {}
    void SetSlotVisible(int, bool) override {}
    void LoadChipBitmaps() override {}
    void SetStartTimer(bool) override {}
    int ShowMessageBox(std::string_view) override { return 1; }
    int AskCountPoint() override { return answer(); }
    void ShowClosingPage() override { ++closingPages; }
    void ShowCourseMenu(Course) override { ++courseMenus; }
};

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
        PlaceBet(Bet());
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

    // $100, $25 and $5 chips, the largest that still fits, up to `bet`.
    void PlaceBet(int bet) {
        const int& placed = table_.state().handBet[1];
        while (placed < bet) {
            const int before = placed;
            for (int chip : {100, 25, 5}) {
                if (placed + chip > bet) continue;
                if (chip == 100) table_.l_bet100Click();
                if (chip == 25) table_.l_bet025Click();
                if (chip == 5) table_.l_bet005Click();
                if (placed != before) break;
            }
            if (placed == before) return;
        }
    }

    bool Press(Action action) {
        const long long balloons = view_.playerBalloons;
        PressAction(table_, action);
        return view_.playerBalloons == balloons;
    }

    const StrategyTable& chart_;
    const strategy::MasterFigures& figures_;
    MasterPlayer player_;
    ExamView view_;
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
    std::vector<ExamTally> tallies(threads);
    std::atomic<long long> next{0};
    std::vector<std::jthread> workers;
    for (int index = 0; index < threads; ++index) {
        workers.emplace_back([&, index] {
            ExamTally tally;
            for (long long i = next++; i < exams; i = next++) {
                ++tally.exams;
                if (PlayMasterExam(chart, figures, player, TableSeed(seed, static_cast<int>(i)),
                                   tally.rounds))
                    ++tally.passes;
            }
            tallies[index] = tally;
        });
    }
    workers.clear();  // joins
    ExamTally total;
    for (const ExamTally& tally : tallies) total += tally;
    return total;
}

}  // namespace vantrel::lab
