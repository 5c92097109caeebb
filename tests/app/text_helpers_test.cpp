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

}  // namespace
}  // namespace vantrel
