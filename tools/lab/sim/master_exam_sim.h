#pragma once

#include <cstdint>

#include "coach/strategy_table.h"
#include "sim/exam_sim.h"
#include "strategy/master_figures.h"

namespace vantrel::lab {

// Who sits the Master Exam:
// - perfect: bets the ramp for the true count the tray reads, answers that true count, plays
//   the chart with the index plays at the true count it sees, and insures by the insurance
//   index;
// - basic: plays the chart, bets $5 flat, answers the running count when asked for the true
//   count, makes no index play and declines insurance.
enum class MasterPlayer { Perfect, Basic };

// Plays one Master Exam (ML6) at the table engine, the course's coach judging, with the decks
// and cut of the figures; true when the exam is passed. Adds the rounds played to `rounds`.
bool PlayMasterExam(const StrategyTable& chart, const strategy::MasterFigures& figures,
                    MasterPlayer player, std::uint32_t seed, long long& rounds);

// Plays `exams` exams, exam i seeded with TableSeed(seed, i), shared out over `threads` threads.
ExamTally SimulateMasterExams(const StrategyTable& chart, const strategy::MasterFigures& figures,
                              MasterPlayer player, long long exams, std::uint64_t seed,
                              int threads);

}  // namespace vantrel::lab
