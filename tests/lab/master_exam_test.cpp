#include <gtest/gtest.h>

#include "sim/master_exam_sim.h"
#include "sim/sim_report.h"

namespace vantrel::lab {
namespace {

// Figures filled by hand, of the shape the lab works out: one unit below true +2, then 2, 4 and
// 8 units of $5.
strategy::MasterFigures ScriptedFigures() {
    strategy::MasterFigures figures;
    figures.ramp = {{2, 2}, {3, 4}, {4, 8}};
    figures.byCount = {{-1, 0.3, -0.01, -0.008}, {0, 0.5, -0.005, -0.004}, {2, 0.2, 0.01, 0.01}};
    return figures;
}

// The exam tells skill from luck: the perfect counter passes every exam, the basic player who
// bets flat and answers the running count passes none.
TEST(MasterExamSim, PassesThePerfectCounterAndFailsTheBasicPlayer) {
    const auto chart = ReadChartFile(VANTREL_SOURCE_DIR "/data/bs4bj.dat");
    ASSERT_TRUE(chart);
    const strategy::MasterFigures figures = ScriptedFigures();
    const ExamTally perfect =
        SimulateMasterExams(*chart, figures, MasterPlayer::Perfect, 40, 2026, 2);
    const ExamTally basic = SimulateMasterExams(*chart, figures, MasterPlayer::Basic, 40, 2026, 2);
    EXPECT_EQ(perfect.passes, 40);
    EXPECT_EQ(basic.passes, 0);
    // Four shoes of six decks cut at 60 per cent: some 35 rounds a shoe.
    EXPECT_GT(perfect.rounds, 40 * 4 * 30);
    EXPECT_LT(perfect.rounds, 40 * 4 * 40);
}

}  // namespace
}  // namespace vantrel::lab
