// The drawing code of the course bitmaps, where a slip would teach the wrong thing.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "chart_art.h"
#include "coach/lessons.h"
#include "course_bitmaps.h"
#include "lecture_canvas.h"
#include "lecture_pages.h"

namespace vantrel::art {
namespace {

// Every cell gets a code from its row and up card, so a swapped row or column shows.
StrategyTable PatternChart() {
    StrategyTable chart;
    for (int row = 0; row < 18; ++row)
        for (int up = 1; up <= 10; ++up) {
            const int code = 1 + (row * 3 + up) % 5;
            chart.hard.at(row).at(up) = code;
            if (row < 11) {
                chart.soft.at(row).at(up) = 1 + (row * 3 + up + 1) % 5;
                chart.pair.at(row).at(up) = 1 + (row * 3 + up + 2) % 5;
            }
        }
    return chart;
}

struct PartCase {
    const char* name;
    ChartPart part;
    std::vector<int> rowsTheTableReads;
    vantrel::ChartPart cellPart;  // the same part, as a chart cell names it
};

class ChartPicture : public testing::TestWithParam<PartCase> {};

TEST_P(ChartPicture, ColoursEachCellByItsOwnCode) {
    const StrategyTable chart = PatternChart();
    const QRectF box(0, 0, 420, 240);
    QImage image(420, 240, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        DrawChart(painter, box, chart, GetParam().part);
    }
    for (int row : GetParam().rowsTheTableReads)
        for (int up = 1; up <= 10; ++up) {
            const QRectF cell = ChartCellRect(box, GetParam().part, row, up);
            ASSERT_FALSE(cell.isEmpty()) << row << " " << up;
            const int expected = ChartCell(chart, GetParam().part, row, up);
            // A corner of the cell, clear of its letter and of the grid lines.
            const QPoint corner = (cell.topLeft() + QPointF(4, 4)).toPoint();
            EXPECT_EQ(image.pixelColor(corner), ChartCodeColour(expected))
                << "row " << row << " up card " << up;
        }
}

// How a page shows the cells of one colour: how many pixels have it, and whether some line of
// pixels crosses ten separate cells of it, as a row of a chart grid does (the pages that list a
// chart row by row draw one band a row).
struct Painted {
    long pixels = 0;
    bool grid = false;
};

Painted PaintedCells(const QImage& image, QRgb colour) {
    Painted painted;
    for (int y = 0; y < image.height(); ++y) {
        int cells = 0;
        int run = 0;
        for (int x = 0; x <= image.width(); ++x) {
            const bool coloured = x < image.width() && image.pixel(x, y) == colour;
            painted.pixels += coloured;
            if (!coloured && run >= 8) ++cells;
            run = coloured ? run + 1 : 0;
        }
        painted.grid = painted.grid || cells >= 10;
    }
    return painted;
}

// A mistake on the Record screen opens the page of "Basic Strategy" that BasicStrategyChartPage
// names for its part of the chart: the page that shows that part as a grid of cells, the largest.
TEST_P(ChartPicture, IsTheBasicStrategyPageTheRecordScreenOpens) {
    StrategyTable chart;
    const auto fill = [](auto& rows) {
        for (auto& row : rows) row.fill(kChartSplit);
    };
    if (GetParam().part == ChartPart::Hard) fill(chart.hard);
    if (GetParam().part == ChartPart::Soft) fill(chart.soft);
    if (GetParam().part == ChartPart::Pair) fill(chart.pair);
    int largestPage = 0;
    long largest = 0;
    for (const LecturePage& page : BasicStrategyPages(chart)) {
        const QImage image = DrawLecturePage(page.draw).convertToFormat(QImage::Format_RGB32);
        const Painted painted = PaintedCells(image, ChartCodeColour(kChartSplit).rgb());
        if (painted.grid && painted.pixels > largest)
            std::tie(largest, largestPage) = std::tuple(painted.pixels, page.page);
    }
    EXPECT_EQ(BasicStrategyChartPage(GetParam().cellPart), largestPage);
}

INSTANTIATE_TEST_SUITE_P(
    Parts, ChartPicture,
    testing::Values(
        PartCase{"Hard",
                 ChartPart::Hard,
                 {8, 9, 10, 11, 12, 13, 14, 15, 16, 17},
                 vantrel::ChartPart::Hard},
        PartCase{"Soft", ChartPart::Soft, {2, 3, 4, 5, 6, 7, 8}, vantrel::ChartPart::Soft},
        PartCase{
            "Pair", ChartPart::Pair, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, vantrel::ChartPart::Pair}),
    [](const auto& info) { return std::string(info.param.name); });

// Two actions of one colour could not be told apart on a chart picture.
TEST(ChartCodes, EveryActionHasItsOwnColour) {
    std::set<QRgb> colours;
    for (int code : {kChartHit, kChartStand, kChartDouble, kChartSplit, kChartDoubleElseStand})
        colours.insert(ChartCodeColour(code).rgb());
    EXPECT_EQ(colours.size(), 5u);
}

TEST(CourseBitmapList, NamesEveryFileOnce) {
    const std::vector<CourseBitmap> bitmaps = CourseBitmaps("/data", PatternChart());
    std::set<std::string> paths;
    for (const CourseBitmap& bitmap : bitmaps)
        EXPECT_TRUE(paths.insert(bitmap.path).second) << bitmap.path;
}

}  // namespace
}  // namespace vantrel::art
