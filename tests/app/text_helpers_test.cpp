#include "app/text_helpers.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

struct PadCase {
    const char* name;
    int value;
    int width;
    const char* text;
};

class ZeroPadTest : public testing::TestWithParam<PadCase> {};

TEST_P(ZeroPadTest, PadsToWidthAndNeverCuts) {
    EXPECT_EQ(ZeroPad(GetParam().value, GetParam().width), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ZeroPadTest,
    testing::Values(PadCase{"Padded", 7, 2, "07"}, PadCase{"Exact", 99, 2, "99"},
                    PadCase{"Longer", 100, 2, "100"}, PadCase{"Negative", -5, 2, "-5"},
                    PadCase{"ZeroWidth", 3, 0, "3"}, PadCase{"ChipValue", 5, 3, "005"}),
    [](const testing::TestParamInfo<PadCase>& info) { return info.param.name; });

struct StyleCase {
    const char* name;
    const char* text;
    MessageStyle style;
};

class MessageStyleTest : public testing::TestWithParam<StyleCase> {};

TEST_P(MessageStyleTest, FollowsThePunctuation) {
    EXPECT_EQ(MessageStyleFor(GetParam().text), GetParam().style);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MessageStyleTest,
    testing::Values(
        StyleCase{"Question", "You want to go back to Menu?", MessageStyle::Question},
        StyleCase{"QuestionAndExclamation", "Really! Quit?", MessageStyle::Question},
        StyleCase{"Exclamation", "You have no chips. Start again!", MessageStyle::Exclamation},
        StyleCase{"ThankYou", "Thank you!", MessageStyle::Information},
        StyleCase{"ThankYouInLowerCase", "thank you!", MessageStyle::Exclamation},
        StyleCase{"FullWidthQuestion", "Menu\x81\x48", MessageStyle::Question},
        StyleCase{"FullWidthExclamation", "Start again\x81\x49", MessageStyle::Exclamation},
        StyleCase{"NoPunctuation", "Page cannot be displayed.", MessageStyle::Information},
        StyleCase{"QuotedOk", "Enter Counting Point and click \"OK\".", MessageStyle::Information}),
    [](const testing::TestParamInfo<StyleCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vantrel
