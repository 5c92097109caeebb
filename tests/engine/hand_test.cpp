#include "engine/hand.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

struct LabelCase {
    const char* name;
    int total;  // encoded: 100 per ace plus the other cards
    int cards;
    int hands;
    const char* label;
    bool finished;  // blackjack, bust or any 21 ends the hand
};

class HandLabelTest : public testing::TestWithParam<LabelCase> {};

TEST_P(HandLabelTest, ShowsTheBestTotal) {
    const LabelCase& c = GetParam();
    EXPECT_EQ(HandLabel(c.total, c.cards, c.hands).text(), c.label);
    EXPECT_EQ(IsFinishedLabel(HandLabel(c.total, c.cards, c.hands)), c.finished);
}

INSTANTIATE_TEST_SUITE_P(Hands, HandLabelTest,
                         testing::Values(LabelCase{"AceKing", 111, 2, 1, "BJ!", true},
                                         LabelCase{"AceKingAfterSplit", 111, 2, 2, "21", true},
                                         LabelCase{"AceFiveFive", 111, 3, 1, "21", true},
                                         LabelCase{"AceAce", 202, 2, 1, "12", false},
                                         LabelCase{"AceAceNine", 211, 3, 1, "21", true},
                                         LabelCase{"ThreeAces", 303, 3, 1, "13", false},
                                         LabelCase{"AceSix", 107, 2, 1, "17", false},
                                         LabelCase{"AceSixTen", 117, 3, 1, "17", false},
                                         LabelCase{"TenSix", 16, 2, 1, "16", false},
                                         LabelCase{"SevenSixEight", 21, 3, 1, "21", true},
                                         LabelCase{"TenSixTen", 26, 3, 1, "BUSTED", true},
                                         LabelCase{"AceKingQueenTwo", 123, 4, 1, "BUSTED", true},
                                         LabelCase{"Empty", 0, 0, 1, "0", false}),
                         [](const testing::TestParamInfo<LabelCase>& info) {
                             return info.param.name;
                         });

TEST(DealerStands, OnAllSeventeensSoftIncluded) {
    // Ace-six, ace-six-ten, hard 17 and soft 21 stand; 16, soft 16, ace-five-ten, two aces draw.
    for (int total : {107, 117, 17, 111}) EXPECT_TRUE(DealerStands(total)) << total;
    for (int total : {16, 106, 116, 202}) EXPECT_FALSE(DealerStands(total)) << total;
}

}  // namespace
}  // namespace vantrel
