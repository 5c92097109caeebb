#include "course_bitmaps.h"

#include "app/data_paths.h"
#include "card_art.h"
#include "chip_art.h"
#include "lecture_canvas.h"
#include "lecture_pages.h"
#include "master_pages.h"
#include "title_art.h"

namespace vantrel::art {

namespace {

std::vector<LecturePage> AllLecturePages(const StrategyTable& chart) {
    std::vector<LecturePage> pages;
    for (auto&& set : {BlackJackPages(), GameRulesPages(), InsurancePages(), ShoeAndControlsPages(),
                       BasicStrategyPages(chart), LuckPages(), CountingPages(), ShoeDepthPages(),
                       TableLessonPages(chart), MasterTableLessonPages(), MasterPages()})
        pages.insert(pages.end(), set.begin(), set.end());
    return pages;
}

}  // namespace

std::vector<CourseBitmap> CourseBitmaps(const std::string& dataDir, const StrategyTable& chart) {
    std::vector<CourseBitmap> bitmaps;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank) {
            const Card card{suit, rank};
            bitmaps.push_back({CardFacePath(dataDir, card.code()),
                               [card](qreal scale) { return CardFaceImage(card, scale); }});
        }
    bitmaps.push_back({CardBackPath(dataDir), [](qreal scale) { return CardBackImage(scale); }});
    for (int value : {5, 25, 100})
        bitmaps.push_back({ChipBitmapPath(dataDir, value),
                           [value](qreal scale) { return ChipImage(value, scale); }});
    bitmaps.push_back({TitleBitmapPath(dataDir), [](qreal scale) { return TitleImage(scale); }});
    for (LecturePage& page : AllLecturePages(chart))
        bitmaps.push_back(
            {LectureBitmapPath(dataDir, page.code, page.page),
             [draw = page.draw](qreal scale) { return DrawLecturePage(draw, scale); }});
    return bitmaps;
}

}  // namespace vantrel::art
