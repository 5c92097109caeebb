// The drawing code of the course bitmaps, where a slip would teach the wrong thing.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
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

TEST_P(ChartPicture, ShowsEveryRowTheTableReads) {
    std::vector<int> rows = ChartRows(GetParam().part);
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, GetParam().rowsTheTableReads);
}

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

// A mistake on the Record screen opens the page of "Basic Strategy" that BasicStrategyChartPage
// names for its part of the chart: the page that shows that part, and it alone, the largest.
TEST_P(ChartPicture, IsTheBasicStrategyPageTheRecordScreenOpens) {
    StrategyTable chart;
    const auto fill = [](auto& rows) {
        for (auto& row : rows) row.fill(kChartSplit);
    };
    if (GetParam().part == ChartPart::Hard) fill(chart.hard);
    if (GetParam().part == ChartPart::Soft) fill(chart.soft);
    if (GetParam().part == ChartPart::Pair) fill(chart.pair);
    const QRgb painted = ChartCodeColour(kChartSplit).rgb();
    int largestPage = 0;
    long largest = 0;
    for (const LecturePage& page : BasicStrategyPages(chart)) {
        const QImage image = DrawLecturePage(page.draw).convertToFormat(QImage::Format_RGB32);
        long cells = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) cells += image.pixel(x, y) == painted;
        if (cells > largest) std::tie(largest, largestPage) = std::tuple(cells, page.page);
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

TEST(ChartCodes, EveryActionHasItsOwnLetterAndColour) {
    const std::vector<int> codes = {kChartHit, kChartStand, kChartDouble, kChartSplit,
                                    kChartDoubleElseStand};
    std::set<QString> letters;
    std::set<QRgb> colours;
    for (int code : codes) {
        letters.insert(ChartCodeText(code));
        colours.insert(ChartCodeColour(code).rgb());
    }
    EXPECT_EQ(letters, (std::set<QString>{"H", "S", "D", "P", "Ds"}));
    EXPECT_EQ(colours.size(), codes.size());
    EXPECT_EQ(ChartCodeText(0), QString());
}

TEST(CourseBitmapList, NamesEveryFileOnce) {
    const std::vector<CourseBitmap> bitmaps = CourseBitmaps("/data", PatternChart());
    std::set<std::string> paths;
    for (const CourseBitmap& bitmap : bitmaps)
        EXPECT_TRUE(paths.insert(bitmap.path).second) << bitmap.path;
}

}  // namespace
}  // namespace vantrel::art
