#include "shown_results.h"

#include <gtest/gtest.h>

namespace vantrel::soak {
namespace {

struct ResultRow {
    const char* name;
    const char* player;
    const char* dealer;
    const char* result;
};

class ExpectedResultTest : public ::testing::TestWithParam<ResultRow> {};

TEST_P(ExpectedResultTest, FollowsTheComparisonRows) {
    EXPECT_EQ(ExpectedResult(GetParam().player, GetParam().dealer), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, ExpectedResultTest,
    ::testing::Values(ResultRow{"BlackjackAgainstBlackjack", "BJ!", "BJ!", "Push"},
                      ResultRow{"BlackjackAgainstThreeCard21", "BJ!", "21", "Win"},
                      ResultRow{"BustLosesToDealerBust", "BUSTED", "BUSTED", "Lose"},
                      ResultRow{"Split21LosesToBlackjack", "21", "BJ!", "Lose"},
                      ResultRow{"TwelveBeatsDealerBust", "12", "BUSTED", "Win"},
                      ResultRow{"TwentyBeatsNineteen", "20", "19", "Win"},
                      ResultRow{"TenBeatsNineNumerically", "10", "9", "Win"},
                      ResultRow{"EqualTotalsPush", "18", "18", "Push"},
                      ResultRow{"LowerTotalLoses", "17", "18", "Lose"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ExpectedResult, RefusesTextsThatAreNoLabel) {
    EXPECT_EQ(ExpectedResult("", "18"), std::nullopt);
    EXPECT_EQ(ExpectedResult("18", "Win"), std::nullopt);
    EXPECT_EQ(ExpectedResult("18x", "17"), std::nullopt);
}

struct PayoutRow {
    const char* name;
    const char* result;
    const char* label;
    int bet;
    int payout;
};

class ShownPayoutTest : public ::testing::TestWithParam<PayoutRow> {};

TEST_P(ShownPayoutTest, ReturnsStakeAndWinnings) {
    EXPECT_EQ(ShownPayout(GetParam().result, GetParam().label, GetParam().bet), GetParam().payout);
}

INSTANTIATE_TEST_SUITE_P(
    Results, ShownPayoutTest,
    ::testing::Values(PayoutRow{"BlackjackOf5Returns12", "Win", "BJ!", 5, 12},
                      PayoutRow{"BlackjackOf15Returns37", "Win", "BJ!", 15, 37},
                      PayoutRow{"BlackjackOf25Returns62", "Win", "BJ!", 25, 62},
                      PayoutRow{"PlainWinReturnsTwice", "Win", "20", 25, 50},
                      PayoutRow{"PushReturnsTheStake", "Push", "18", 25, 25},
                      PayoutRow{"LossReturnsNothing", "Lose", "BUSTED", 25, 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ShownPayout, RefusesAnUnknownResult) {
    EXPECT_EQ(ShownPayout("", "20", 5), std::nullopt);
    EXPECT_EQ(ShownPayout("win", "20", 5), std::nullopt);
}

}  // namespace
}  // namespace vantrel::soak
