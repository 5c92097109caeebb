#pragma once

#include <cstdint>
#include <functional>

#include "coach/lessons.h"
#include "coach/strategy_table.h"
#include "sim/bet_ramp.h"

namespace vantrel::lab {

// What a run of graduation exams came to. Whole numbers, so the tallies of several threads add
// up to the same figures whichever finishes first.
struct ExamTally {
    long long exams = 0;
    long long passes = 0;
    long long rounds = 0;  // rounds played in all exams together

    ExamTally& operator+=(const ExamTally& other);
    bool operator==(const ExamTally&) const = default;
};

// A pass rate with its 95 per cent interval (Wilson's score interval), all as fractions.
struct PassRate {
    double rate = 0.0;
    double low = 0.0;
    double high = 0.0;
};
PassRate EstimatePassRate(const ExamTally& tally);

// Plays one exam at the table engine, from the table's set-up to the lesson's closing page
// (passed: true) or to the no-chips message (failed). The table plays by the settings' defaults,
// as the simulator's free play does. Each round the player bets `bet` dollars, or every chip
// left in $5 steps when fewer, follows the chart as the simulator's player does, and takes the
// chart's next-best action where the table refuses a double or a split for want of chips. With a
// ramp, `bet` is the unit, bet as many times as the ramp says for the round's starting true count.
bool PlayExam(const StrategyTable& chart, const LessonInfo& exam, int bet, std::uint32_t seed,
              long long& rounds, const BetRamp* ramp = nullptr);

// Plays `exams` exams, exam i seeded with TableSeed(seed, i), shared out over `threads` threads.
// The result depends only on the chart, the exam, the bet, the number of exams and the seed.
ExamTally SimulateExams(const StrategyTable& chart, const LessonInfo& exam, int bet,
                        long long exams, std::uint64_t seed, int threads,
                        const BetRamp* ramp = nullptr);

// Sits `exams` exams, exam i seeded with TableSeed(seed, i), shared out over `threads` threads;
// `sitExam` plays one exam of a seed, adds its rounds and tells whether it was passed.
ExamTally TallyExams(long long exams, std::uint64_t seed, int threads,
                     const std::function<bool(std::uint32_t, long long&)>& sitExam);

}  // namespace vantrel::lab
