// The strategy drill's index mode: which cells it drills, the true counts it shows and the play
// it takes as right on either side of an index.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>

#include "coach/drill_schedule.h"
#include "strategy/index_drill.h"
#include "support/sample_master_figures.h"

namespace vantrel::strategy {
namespace {

using testing_support::SampleMasterFigures;

TEST(IndexDrill, JudgesBothSidesOfAnIndex) {
    const IndexNumber standAtZero{"16", 10, 'H', 'S', true, 0, 0};
    const IndexNumber hitAtZeroOrLess{"12", 4, 'S', 'H', false, 0, 0};
    const IndexNumber splitAtFive{"TT", 5, 'S', 'P', true, 5, 0};
    const struct {
        const IndexNumber& play;
        int trueCount;
        char right;
    } cases[] = {
        {standAtZero, -1, 'H'},    {standAtZero, 0, 'S'},     {standAtZero, 3, 'S'},
        {hitAtZeroOrLess, 1, 'S'}, {hitAtZeroOrLess, 0, 'H'}, {hitAtZeroOrLess, -2, 'H'},
        {splitAtFive, 4, 'S'},     {splitAtFive, 5, 'P'},
    };
    for (const auto& row : cases)
        EXPECT_EQ(IndexDrillAnswer(row.play, row.trueCount), row.right)
            << row.play.hand << " v " << row.play.up << " at " << row.trueCount;
}

TEST(IndexDrill, ShowsCountsNearTheIndexOnBothSides) {
    Random random(7);
    for (const IndexNumber& play : SampleMasterFigures().indices) {
        std::map<bool, int> sides;
        for (int card = 0; card < 400; ++card) {
            const int count = IndexDrillTrueCount(play, random);
            EXPECT_LE(std::abs(count - play.index), kIndexDrillSpread) << play.hand;
            ++sides[play.Applies(count)];
        }
        EXPECT_GT(sides[true], 150) << play.hand << " v " << play.up;
        EXPECT_GT(sides[false], 150) << play.hand << " v " << play.up;
    }
}

TEST(IndexDrill, DrillsTheCellsTheTableJudgesTheIndexPlaysOn) {
    EXPECT_EQ(IndexPlayCell({"16", 10, 'H', 'S', true, 0, 0}),
              (ChartCell{ChartPart::Hard, 16, 10}));
    EXPECT_EQ(IndexPlayCell({"A7", 1, 'S', 'H', false, 0, 0}), (ChartCell{ChartPart::Soft, 7, 1}));
    EXPECT_EQ(IndexPlayCell({"TT", 6, 'S', 'P', true, 4, 0}), (ChartCell{ChartPart::Pair, 10, 6}));
    EXPECT_EQ(IndexPlayCell({"any", 1, '-', 'I', true, 3, 0}), std::nullopt);

    const MasterFigures figures = SampleMasterFigures();
    const std::vector<ChartCell> cells = IndexDrillCells(figures);
    EXPECT_EQ(cells.size(), figures.indices.size() - 1);  // all but insurance
    EXPECT_EQ(cells.front(), (ChartCell{ChartPart::Hard, 16, 10}));
    for (const ChartCell& cell : cells) {
        const IndexNumber* play = IndexPlayOfCell(figures, cell);
        ASSERT_NE(play, nullptr);
        EXPECT_EQ(IndexPlayCell(*play), cell);
    }
}

// The index cells go through the strategy drill's own schedule: only they are asked, and one
// missed comes back within the session.
TEST(IndexDrill, KeepsTheDrillsSchedule) {
    const std::vector<ChartCell> cells = IndexDrillCells(SampleMasterFigures());
    Random random(3);
    DrillSchedule schedule(1, {}, random, cells);
    const ChartCell first = schedule.Next();
    schedule.Answer(false);
    bool cameBack = false;
    for (int card = 2; card <= DrillSchedule::kSessionCards; ++card) {
        const ChartCell cell = schedule.Next();
        EXPECT_NE(std::find(cells.begin(), cells.end(), cell), cells.end());
        if (cell == first) cameBack = true;
        schedule.Answer(true);
    }
    EXPECT_TRUE(cameBack);
    EXPECT_EQ(schedule.ProgressOf(first).dueSession, 2);
}

}  // namespace
}  // namespace vantrel::strategy
