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
        PlaceBetInChips(table_, bet);
        while (table_.startTimerRunning()) table_.tm_startTimer();
        while (table_.state().roundActive && table_.actionsEnabled() && !over()) {
            if (!Press(ChartPlayerAction(chart_, table_)) &&
                !Press(ShortOfChipsAction(chart_, table_)))
                table_.bbtn_standClick();
        }
    }

  private:
    bool Press(Action action) { return PressUnlessRefused(table_, view_, action); }

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
    return TallyExams(exams, seed, threads, [&](std::uint32_t examSeed, long long& rounds) {
        return PlayExam(chart, exam, bet, examSeed, rounds, ramp);
    });
}

ExamTally TallyExams(long long exams, std::uint64_t seed, int threads,
                     const std::function<bool(std::uint32_t, long long&)>& sitExam) {
    std::vector<ExamTally> tallies(threads);
    std::atomic<long long> next{0};
    std::vector<std::jthread> workers;
    for (int index = 0; index < threads; ++index) {
        workers.emplace_back([&, index] {
            // Tallied on the thread's own stack: neighbouring tallies share a cache line.
            ExamTally tally;
            for (long long i = next++; i < exams; i = next++) {
                ++tally.exams;
                if (sitExam(TableSeed(seed, static_cast<int>(i)), tally.rounds)) ++tally.passes;
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
