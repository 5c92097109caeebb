#include <gtest/gtest.h>

#include "sim/exam_sim.h"

namespace vantrel::lab {
namespace {

// Wilson's interval, worked by hand: near 0 and 1, where the plain normal interval would reach
// past the ends or shrink to nothing, it stays inside them and keeps a width.
TEST(ExamPassRate, IsWilsonsScoreInterval) {
    const struct {
        ExamTally tally;
        double rate, low, high;
    } rows[] = {
        {{.exams = 10, .passes = 0}, 0.0, 0.0, 0.2775},
        {{.exams = 100, .passes = 50}, 0.5, 0.4038, 0.5962},
        {{.exams = 20, .passes = 20}, 1.0, 0.8389, 1.0},
    };
    for (const auto& row : rows) {
        const PassRate pass = EstimatePassRate(row.tally);
        EXPECT_DOUBLE_EQ(pass.rate, row.rate);
        EXPECT_NEAR(pass.low, row.low, 5e-5) << row.tally.passes << " of " << row.tally.exams;
        EXPECT_NEAR(pass.high, row.high, 5e-5) << row.tally.passes << " of " << row.tally.exams;
    }
}

}  // namespace
}  // namespace vantrel::lab
