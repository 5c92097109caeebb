#include "app/data_paths.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(DataPaths, LecturePagesArePaddedToTwoDigits) {
    EXPECT_EQ(LectureBitmapPath("/d", "NL1", 3), "/d/img/NL103.bmp");
    EXPECT_EQ(LectureTextPath("/d", "NL1", 3), "/d/doc/NL103.txt");
    EXPECT_EQ(LectureBitmapPath("/d", "NL4", 100), "/d/img/NL4100.bmp");
    EXPECT_EQ(LectureTextPath("/d", "NL4", 100), "/d/doc/NL4100.txt");
}

TEST(DataPaths, FixedFilesLieUnderTheDataFolder) {
    EXPECT_EQ(TitleBitmapPath("/d"), "/d/img/prm_title.bmp");
    EXPECT_EQ(IntroductionTextPath("/d"), "/d/doc/first.txt");
    EXPECT_EQ(StrategyChartPath("/d"), "/d/bs4bj.dat");
    EXPECT_EQ(CardFacePath("/d", "S01"), "/d/img/S01.bmp");
    EXPECT_EQ(CardBackPath("/d"), "/d/img/back.bmp");
    EXPECT_EQ(ChipBitmapPath("/d", 5), "/d/img/chip005.bmp");
    EXPECT_EQ(ChipBitmapPath("/d", 100), "/d/img/chip100.bmp");
}

}  // namespace
}  // namespace vantrel
