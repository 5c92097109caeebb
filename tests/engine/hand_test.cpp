#include "engine/hand.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

struct LabelCase {
    const char* name;
    int total;
    int cards;
    int hands;
    const char* label;
};

class HandLabelTest : public testing::TestWithParam<LabelCase> {};

TEST_P(HandLabelTest, ShowsTheBestTotal) {
    const LabelCase& c = GetParam();
    EXPECT_EQ(HandLabel(c.total, c.cards, c.hands).text(), c.label);
}

INSTANTIATE_TEST_SUITE_P(
    Hands, HandLabelTest,
    testing::Values(
        LabelCase{"AceKing", 111, 2, 1, "BJ!"}, LabelCase{"AceKingAfterSplit", 111, 2, 2, "21"},
        LabelCase{"AceFiveFive", 111, 3, 1, "21"}, LabelCase{"AceAce", 202, 2, 1, "12"},
        LabelCase{"AceAceNine", 211, 3, 1, "21"}, LabelCase{"ThreeAces", 303, 3, 1, "13"},
        LabelCase{"AceSix", 107, 2, 1, "17"}, LabelCase{"AceSixTen", 117, 3, 1, "17"},
        LabelCase{"TenSix", 16, 2, 1, "16"}, LabelCase{"TenSixTen", 26, 3, 1, "BUSTED"},
        LabelCase{"AceKingQueen", 121, 3, 1, "21"},
        LabelCase{"AceKingQueenTwo", 123, 4, 1, "BUSTED"}, LabelCase{"Empty", 0, 0, 1, "0"}),
    [](const testing::TestParamInfo<LabelCase>& info) { return info.param.name; });

TEST(HandLabel, FinishedOnBlackjackBustOrAny21) {
    EXPECT_TRUE(IsFinishedLabel(HandLabel(111, 2, 1)));
    EXPECT_TRUE(IsFinishedLabel(HandLabel(26, 3, 1)));
    EXPECT_TRUE(IsFinishedLabel(HandLabel(111, 3, 1)));  // soft 21
    EXPECT_TRUE(IsFinishedLabel(HandLabel(21, 3, 1)));
    EXPECT_FALSE(IsFinishedLabel(HandLabel(20, 2, 1)));
    EXPECT_FALSE(IsFinishedLabel(HandLabel(110, 2, 1)));  // soft 20
}

TEST(DealerStands, OnAllSeventeensSoftIncluded) {
    EXPECT_TRUE(DealerStands(107));  // ace, six
    EXPECT_TRUE(DealerStands(117));  // ace, six, ten: hard 17
    EXPECT_TRUE(DealerStands(17));
    EXPECT_TRUE(DealerStands(111));  // soft 21
    EXPECT_FALSE(DealerStands(16));
    EXPECT_FALSE(DealerStands(106));  // soft 16
    EXPECT_FALSE(DealerStands(116));  // ace, five, ten: hard 16
    EXPECT_FALSE(DealerStands(202));  // two aces: soft 12
}

}  // namespace
}  // namespace vantrel
