// The strategy drill's logic: which cell comes next, the hand dealt for a cell, and the verdict,
// which must be the table's own.
#include <gtest/gtest.h>

#include <set>

#include "coach/chart_cells.h"
#include "coach/coach.h"
#include "coach/drill_schedule.h"
#include "engine/hand.h"
#include "support/table_fixture.h"

namespace vantrel {
namespace {

using testing::ChartOf;

int Index(const ChartCell& cell) {
    return CellIndex(cell);
}

TEST(DrillHands, EachCellDealsHandsTheTableJudgesOnIt) {
    Random random(7);
    const StrategyTable anyChart;
    for (const ChartCell& cell : JudgedCells()) {
        std::set<std::pair<int, int>> values;
        for (int draw = 0; draw < 40; ++draw) {
            const DrillHand hand = HandForCell(cell, random);
            const auto [first, second] = hand.cards;
            ASSERT_EQ(JudgeDrillHand(anyChart, hand).cell, cell) << first.code() << second.code();
            EXPECT_FALSE(first == second || first == hand.up || second == hand.up);
            EXPECT_EQ(first.rank == second.rank, cell.part == ChartPart::Pair) << Index(cell);
            EXPECT_NE(BestTotal(HandOfCards(hand.cards, hand.up, true).total), 21);
            values.insert(std::minmax(std::min(first.rank, 10), std::min(second.rank, 10)));
        }
        // Hard 12 against 2 is dealt as 10-2, 9-3, 8-4 and 7-5, never as the pair 6-6.
        if (cell == ChartCell{ChartPart::Hard, 12, 2}) {
            EXPECT_EQ(values, (std::set<std::pair<int, int>>{{2, 10}, {3, 9}, {4, 8}, {5, 7}}));
        }
    }
}

StrategyTable ShippedChart() {
    StrategyTable chart;
    EXPECT_TRUE(LoadStrategyTable(chart, VANTREL_SOURCE_DIR "/data/bs4bj.dat"));
    return chart;
}

// Each cell's hand played at the table with each action the table takes on it: the table's
// balloon and the drill's verdict are the same text. The charts include code 5 (double, else
// stand), 9 (anything goes) and 0, which names no action.
class DrillVerdict : public testing::TableTest, public ::testing::WithParamInterface<int> {};

TEST_P(DrillVerdict, IsTheTablesOwnForEveryCell) {
    const StrategyTable chart = GetParam() < 0 ? ShippedChart() : ChartOf(GetParam());
    Coach coach(table, chart);
    table.SetCoaching(&coach);
    Open(LessonMode::DecisionQuota, 1000000, 100000);
    Random random(3);
    for (const ChartCell& cell : JudgedCells()) {
        const DrillHand hand = HandForCell(cell, random);
        const std::string cards =
            hand.cards[0].code() + " " + hand.cards[1].code() + " S05 " + hand.up.code();
        const Judgement judgement = JudgeDrillHand(chart, hand);
        for (const auto& [key, action] : {std::pair{'h', Action::Hit},
                                          {'s', Action::Stand},
                                          {'d', Action::DoubleDown},
                                          {'p', Action::Split}}) {
            if (action == Action::Split && cell.part != ChartPart::Pair) continue;
            const size_t shown = view.PlayerBalloonTexts().size();
            Play(cards, std::string(1, key));
            for (int stands = 0; table.state().roundActive && stands < 4; ++stands) Press("s");
            ASSERT_FALSE(table.state().roundActive);
            ASSERT_GT(view.PlayerBalloonTexts().size(), shown) << cards << ' ' << key;
            EXPECT_EQ(view.PlayerBalloonTexts()[shown],
                      VerdictText(judgement.Accepts(action), ActionName(judgement.advice)))
                << cards << ' ' << key;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Charts, DrillVerdict,
                         ::testing::Values(-1, kChartDoubleElseStand, kChartAnyAction, 0));

// Asks the session's cards, answering each with `right(cell, card)`; returns the cells asked.
template <class Right>
std::vector<ChartCell> PlaySession(DrillSchedule& schedule, Right&& right) {
    std::vector<ChartCell> asked;
    for (int card = 1; card <= DrillSchedule::kSessionCards; ++card) {
        asked.push_back(schedule.Next());
        schedule.Answer(right(asked.back(), card));
    }
    return asked;
}

TEST(DrillSchedule, AMissedCellComesBackInTheSessionAndFirstInTheNext) {
    for (const int missedAt : {1, DrillSchedule::kSessionCards - 2}) {
        Random random(11);
        DrillSchedule schedule(1, {}, random);
        ChartCell missed;
        const std::vector<ChartCell> asked =
            PlaySession(schedule, [&](const ChartCell& cell, int card) {
                if (card == missedAt) missed = cell;
                return card != missedAt;
            });
        // After kAgainAfter other cards, or on the last card when the session ends sooner.
        const int again =
            std::min(missedAt + DrillSchedule::kAgainAfter + 1, DrillSchedule::kSessionCards);
        EXPECT_EQ(asked[again - 1], missed) << missedAt;
        EXPECT_EQ(std::count(asked.begin(), asked.end(), missed), 2);

        DrillSchedule next(2, {schedule.ProgressOf(missed)}, random);
        EXPECT_EQ(next.Next(), missed);
    }
}

// Ten cells missed in earlier drills are due, then two mistakes at the table, given the latest
// first: the table's mistakes take the first two cards.
TEST(DrillSchedule, TheTablesMistakesComeFirstTheLatestFirst) {
    Random random(5);
    std::vector<CellProgress> known;
    for (int i = 0; i < 10; ++i) known.push_back({JudgedCells()[i * 20], 1, 2 + i % 3});
    const ChartCell latest{ChartPart::Soft, 7, 9};
    const ChartCell earlier{ChartPart::Hard, 12, 4};
    DrillSchedule schedule(5, known, random);
    schedule.MissedAtTable(latest);
    schedule.MissedAtTable(earlier);
    const std::vector<ChartCell> asked =
        PlaySession(schedule, [](const ChartCell&, int) { return true; });
    EXPECT_EQ(asked[0], latest);
    EXPECT_EQ(asked[1], earlier);
}

// Right answers end a cell's turn for the session, and the wait before it comes back doubles with
// each right answer in a row: 2, 4, 8, 16 sessions.
TEST(DrillSchedule, RightAnswersInARowPutACellOffForLonger) {
    Random random(13);
    DrillSchedule first(1, {}, random);
    const std::vector<ChartCell> asked =
        PlaySession(first, [](const ChartCell&, int) { return true; });
    std::set<int> distinct;
    for (const ChartCell& cell : asked) distinct.insert(Index(cell));
    EXPECT_EQ(distinct.size(), asked.size());

    CellProgress progress = first.ProgressOf(asked.front());
    EXPECT_EQ(progress.dueSession, 1 + 2);
    for (const int wait : {4, 8, 16}) {
        DrillSchedule schedule(progress.dueSession, {progress}, random);
        EXPECT_EQ(schedule.Next(), progress.cell);
        const int session = schedule.session();
        progress = schedule.Answer(true);
        EXPECT_EQ(progress.dueSession - session, wait);
    }
    // Not due yet: the sessions before bring other cells.
    DrillSchedule early(progress.dueSession - 1, {progress}, random);
    const std::vector<ChartCell> others =
        PlaySession(early, [](const ChartCell&, int) { return true; });
    EXPECT_EQ(std::count(others.begin(), others.end(), progress.cell), 0);
}

// Fifty sessions at nine answers in ten right: new cells keep coming, and no cell is ever asked
// later than one whole wait after it fell due.
TEST(DrillSchedule, ReviewsNeverFallAWholeWaitBehind) {
    Random random(17);
    std::vector<CellProgress> known(kJudgedCellCount);
    std::vector<int> answeredIn(kJudgedCellCount, 0);
    for (const ChartCell& cell : JudgedCells()) known[Index(cell)].cell = cell;
    for (int session = 1; session <= 50; ++session) {
        for (int i = 0; i < kJudgedCellCount; ++i) {
            const CellProgress& progress = known[i];
            if (progress.box == 0) continue;
            const int wait = progress.dueSession - answeredIn[i];
            ASSERT_LE(session - progress.dueSession, wait)
                << "session " << session << ", box " << progress.box;
        }
        DrillSchedule schedule(session, known, random);
        for (int card = 1; card <= DrillSchedule::kSessionCards; ++card) {
            const int i = Index(schedule.Next());
            known[i] = schedule.Answer(random.RandomBelow(10) != 0);
            answeredIn[i] = session;
        }
    }
    const auto reached =
        std::count_if(known.begin(), known.end(), [](const CellProgress& p) { return p.box > 0; });
    EXPECT_GT(reached, 150);
}

}  // namespace
}  // namespace vantrel
