#include "sim/exam_sim.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

#include "engine/table.h"
#include "sim/chart_player.h"
#include "sim/quiet_view.h"
#include "sim/table_sim.h"
#include "strategy/true_count.h"

namespace vantrel::lab {

ExamTally& ExamTally::operator+=(const ExamTally& other) {
    exams += other.exams;
    passes += other.passes;
    rounds += other.rounds;
    return *this;
}

PassRate EstimatePassRate(const ExamTally& tally) {
    if (tally.exams < 1) return {};
    constexpr double z = 1.96;
    const double n = static_cast<double>(tally.exams);
    const double p = static_cast<double>(tally.passes) / n;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    return {p, std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

namespace {

// One exam: the lesson set up as its menu button sets it, at a table that draws nothing.
class ExamTable {
  public:
    ExamTable(const StrategyTable& chart, const LessonInfo& exam, std::uint32_t seed)
        : chart_(chart) {
        lesson_.lessonCode = exam.code;
        lesson_.lessonHasTable = true;
        SetTableValues(lesson_, exam);
        table_.rules = {kSimDecks, kSimPenetration, kSimGameSpeed};
        table_.SetSeedSource([seed] { return seed; });
        table_.FormShow();
    }

    bool over() const { return view_.closingPages > 0 || view_.courseMenus > 0; }
    bool passed() const { return view_.closingPages > 0; }
    int TrueCount() const {
        return strategy::TrueCount(table_.shoe().runningCount, table_.shoe().CardsLeft());
    }

    void PlayRound(int bet) {
        PlaceBet(bet);
        while (table_.startTimerRunning()) table_.tm_startTimer();
        while (table_.state().roundActive && table_.actionsEnabled() && !over()) {
            if (!Press(ChartPlayerAction(chart_, table_)) &&
                !Press(ShortOfChipsAction(chart_, table_)))
                table_.bbtn_standClick();
        }
    }

  private:
    // Chips of $100, $25 and $5, the largest the table offers that still fits, up to `bet` or
    // the chips in hand.
    void PlaceBet(int bet) {
        const int target = std::min(bet, lesson_.chips / 5 * 5);
        const int& placed = table_.state().handBet[1];
        while (placed < target) {
            const int before = placed;
            for (int chip : {100, 25, 5}) {
                if (placed + chip > target) continue;
                if (chip == 100) table_.l_bet100Click();
                if (chip == 25) table_.l_bet025Click();
                if (chip == 5) table_.l_bet005Click();
                if (placed != before) break;  // a chip the table does not offer places nothing
            }
            if (placed == before) return;
        }
    }

    // Presses the action's button; false when the table refused it.
    bool Press(Action action) {
        const long long balloons = view_.playerBalloons;
        PressAction(table_, action);
        return view_.playerBalloons == balloons;
    }

    const StrategyTable& chart_;
    QuietView view_;
    LessonSetup lesson_;
    Table table_{view_, lesson_};
};

}  // namespace

bool PlayExam(const StrategyTable& chart, const LessonInfo& exam, int bet, std::uint32_t seed,
              long long& rounds, const BetRamp* ramp) {
    ExamTable table(chart, exam, seed);
    while (!table.over()) {
        table.PlayRound(ramp ? bet * ramp->Units(table.TrueCount()) : bet);
        ++rounds;
    }
    return table.passed();
}

ExamTally SimulateExams(const StrategyTable& chart, const LessonInfo& exam, int bet,
                        long long exams, std::uint64_t seed, int threads, const BetRamp* ramp) {
    std::vector<ExamTally> tallies(threads);
    std::atomic<long long> next{0};
    std::vector<std::jthread> workers;
    for (int index = 0; index < threads; ++index) {
        workers.emplace_back([&, index] {
            // Tallied on the thread's own stack: neighbouring tallies share a cache line.
            ExamTally tally;
            for (long long i = next++; i < exams; i = next++) {
                ++tally.exams;
                if (PlayExam(chart, exam, bet, TableSeed(seed, static_cast<int>(i)), tally.rounds,
                             ramp))
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
