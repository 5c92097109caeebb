#include "app/view_scale.h"

#include <gtest/gtest.h>

#include <string>

namespace vantrel {
namespace {

struct ReadCase {
    const char* name;
    std::string bytes;
    ViewScale scale;
};

class ViewScaleRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ViewScaleRead, GivesTheChosenScaleOrTheDesktops) {
    EXPECT_EQ(ParseViewScale(GetParam().bytes), GetParam().scale);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ViewScaleRead,
    testing::Values(ReadCase{"NoSection", "[GAME]\nLV=N1\n", ViewScale::Desktop},
                    ReadCase{"Single", "[GAME]\nLV=N1\n[VIEW]\nSCALE=100\n", ViewScale::Single},
                    ReadCase{"OneAndAHalf", "[view]\r\nscale=150\r\n", ViewScale::OneAndAHalf},
                    ReadCase{"DoubleWithBlanks", "[VIEW]\nSCALE= 200 \n", ViewScale::Double},
                    ReadCase{"Desktop", "[VIEW]\nSCALE=0\n", ViewScale::Desktop},
                    ReadCase{"UnknownScale", "[VIEW]\nSCALE=175\n", ViewScale::Desktop},
                    ReadCase{"OtherSection", "[GAME]\nSCALE=200\n", ViewScale::Desktop}),
    [](const auto& info) { return std::string(info.param.name); });

// The section is added after everything else, in the file's own line ends, and rewritten in place.
TEST(ViewScaleWrite, AddsItsSectionAtTheEndAndLaterRewritesIt) {
    const std::string course = "[GAME]\r\nLV=N1\r\n[Other]\r\nkeep=this\r\n";
    const std::string chosen = UpdateViewScaleBytes(ViewScale::OneAndAHalf, course);
    EXPECT_EQ(chosen, course + "[VIEW]\r\nSCALE=150\r\n");
    EXPECT_EQ(UpdateViewScaleBytes(ViewScale::Desktop, chosen), course + "[VIEW]\r\nSCALE=0\r\n");
    EXPECT_EQ(ParseViewScale(chosen), ViewScale::OneAndAHalf);
}

}  // namespace
}  // namespace vantrel
