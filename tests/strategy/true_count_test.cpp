// The true count's one rounding, and the shoes at its edges.
#include <gtest/gtest.h>

#include "strategy/true_count.h"

namespace {

struct TrueCountCase {
    const char* name;
    int runningCount;
    int cardsLeft;
    int trueCount;
};

class TrueCountRounding : public testing::TestWithParam<TrueCountCase> {};

TEST_P(TrueCountRounding, TruncatesTowardZero) {
    const TrueCountCase& row = GetParam();
    EXPECT_EQ(vantrel::strategy::TrueCount(row.runningCount, row.cardsLeft), row.trueCount);
}

INSTANTIATE_TEST_SUITE_P(
    Strategy, TrueCountRounding,
    testing::Values(TrueCountCase{"Zero", 0, 312, 0}, TrueCountCase{"PlusHalf", 1, 104, 0},
                    TrueCountCase{"MinusHalf", -1, 104, 0},
                    TrueCountCase{"JustUnderOne", 102, 5356, 0},
                    TrueCountCase{"ExactlyOne", 6, 312, 1},
                    TrueCountCase{"MinusExactlyOne", -6, 312, -1},
                    TrueCountCase{"PlusTwoPointNine", 29, 520, 2},
                    TrueCountCase{"MinusTwoPointNine", -29, 520, -2},
                    TrueCountCase{"FractionOfADeckLeft", 3, 26, 6},
                    TrueCountCase{"OneCardLeft", 1, 1, 52}, TrueCountCase{"NoCardLeft", 5, 0, 0},
                    TrueCountCase{"LargeCountNoOverflow", 100000, 52, 100000}),
    [](const testing::TestParamInfo<TrueCountCase>& info) { return info.param.name; });

}  // namespace
