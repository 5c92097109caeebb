// Betting ramps as the lab reads them, and the units they bet.
#include "sim/bet_ramp.h"

#include <gtest/gtest.h>

namespace vantrel::lab {
namespace {

TEST(BetRamp, ReadsCountUnitPairsWithTheCountsRising) {
    for (const char* text :
         {"", "2", "2:", ":2", "2:2,2:3", "3:3,2:2", "2:0", "2:101", "2:2,x:3", "2:2;3:3", "2:2:2"})
        EXPECT_FALSE(ParseRamp(text)) << text;
    const auto ramp = ParseRamp("-1:2,3:4,5:8");
    ASSERT_TRUE(ramp);
    EXPECT_EQ(ramp->Text(), "-1:2,3:4,5:8");
    EXPECT_EQ(ramp->MostUnits(), 8);
}

TEST(BetRamp, BetsOneUnitBelowTheFirstCountAndEachStepFromItsCount) {
    const auto ramp = ParseRamp("2:2,3:3,6:6");
    const int units[][2] = {{-5, 1}, {1, 1}, {2, 2}, {3, 3}, {5, 3}, {6, 6}, {40, 6}};
    for (const auto& [count, expected] : units) EXPECT_EQ(ramp->Units(count), expected) << count;
}

}  // namespace
}  // namespace vantrel::lab
