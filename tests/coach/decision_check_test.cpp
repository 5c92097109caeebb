#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "coach/coach.h"
#include "support/recording_events.h"
#include "support/table_fixture.h"

namespace vantrel {
namespace {

using testing::ChartOf;
using testing::RecordingEvents;
using testing::TableTest;
using Texts = std::vector<std::string>;

class DecisionCheck : public TableTest {
  protected:
    void SetUp() override {
        table.SetCoaching(&coach);
        table.SetEvents(&events);
        Open(LessonMode::DecisionQuota, 10000, 100);
    }
    StrategyTable chart = ChartOf(kChartHit);
    Coach coach{table, chart};
    RecordingEvents events;
};

struct Verdict {
    const char* name;
    int fill;           // the code of every cell
    const char* cell;   // one cell set apart, e.g. "s8v6=2": soft row 8 against a 6 stands
    const char* cards;  // player, player, hole, up, draws
    const char* actions;
    const char* balloons;
};

class Verdicts : public DecisionCheck, public ::testing::WithParamInterface<Verdict> {};

// A right decision shows "OK!" for half a second, a wrong one names the right action for one. The
// hand's cards alone, judged away from the table, get the same cell and advice.
TEST_P(Verdicts, JudgeByTheCellOfTheHand) {
    const Verdict& c = GetParam();
    chart = ChartOf(c.fill);
    char kind = 0;
    int row = 0, up = 0, code = 0;
    if (std::sscanf(c.cell, "%c%dv%d=%d", &kind, &row, &up, &code) == 4)
        (kind == 'h'   ? chart.hard[row]
         : kind == 's' ? chart.soft[row]
                       : chart.pair[row])[up] = code;
    Play(c.cards, c.actions);
    std::string shown;
    for (const auto& [text, ms] : view.playerBalloons) {
        shown += (shown.empty() ? "" : " ") + text;
        EXPECT_EQ(ms, text == "OK!" ? 500 : 1000);
    }
    EXPECT_EQ(shown, c.balloons);
    for (const Decision& told : events.decisions) {
        const Judgement alone =
            Judge(chart, HandOfCards({told.cards.data(), static_cast<size_t>(told.cardCount)},
                                     told.upCard, told.hand < 4));
        EXPECT_EQ(alone.cell, told.cell);
        EXPECT_EQ(alone.advice, told.advice);
    }
}

// The rows that read one cell say stand there and hit everywhere else, and the hand stands.
INSTANTIATE_TEST_SUITE_P(
    Hands, Verdicts,
    ::testing::Values(
        Verdict{"AceNineSoftRow8", 1, "s8v6=2", "S01 H09 S10 C06", "s", "OK!"},
        Verdict{"AceTwoThreeSoftRow5", 1, "s5v6=2", "S01 H02 S10 C06 D03", "hs", "OK! OK!"},
        Verdict{"HardFiveUsesRow8", 1, "h8v5=2", "S02 H03 S10 C05", "s", "OK!"},
        Verdict{"KingQueenIsHard20", 1, "h17v9=2", "S13 H12 S10 C09", "s", "OK!"},
        Verdict{"TwoKingsArePair10", 1, "p10v9=2", "S13 H13 S10 C09", "s", "OK!"},
        Verdict{"TwoAcesArePair1", 1, "p1v2=2", "S01 H01 S10 C02", "s", "OK!"},
        Verdict{"AceAceSixIsSoft18", 1, "s7v9=2", "S01 H01 S10 C09 D06", "hs", "OK! OK!"},
        Verdict{"AceAceTenIsHard12", 1, "h12v4=2", "S01 H01 S10 C04 D10", "hs", "OK! OK!"},
        Verdict{"ThreeCardDoubleIsHit", 1, "h10v6=3", "S02 H03 D10 C06 D05", "hs",
                "OK! Incorrect!(HIT)"},
        Verdict{"DoubleElseStandOnTwo", 1, "s7v4=5", "S01 H07 D10 C04", "s", "Incorrect!(DOUBLE)"},
        Verdict{"DoubleElseStandOnThree", 1, "s7v4=5", "S01 H04 D10 C04 D03", "hh",
                "OK! Incorrect!(STAND)"},
        Verdict{"CodeNineAcceptsEveryAction", 9, "", "S09 H02 D10 C07 D05", "d", "OK!"},
        Verdict{"AnEmptyChartNamesNoAction", 0, "", "S09 H02 D10 C07", "s", "Incorrect!()"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DecisionCheck, APairInHandFourIsJudgedByItsTotal) {
    chart = ChartOf(kChartStand);
    for (auto& row : chart.pair) row.fill(kChartSplit);
    // Three splits leave hand 1 with 8,3 and hands 2 to 4 to stand on 8,2, 8,2 and 8,8, which is
    // read as hard 16: stand.
    Play("S08 H08 D10 C07 D08 C08 S03 H02 D02 C08", "pppssss");
    EXPECT_EQ(view.PlayerBalloonTexts(), Texts(7, "OK!"));
}

TEST_F(DecisionCheck, TheQuotaMovesBothWaysAndShowsOnceTheRoundIsSettled) {
    chart.hard[17][7] = kChartStand;
    Play("S10 H02 D10 C07 D05 H04", "h");  // 12: hit is right
    EXPECT_EQ(table.state().quotaLeft, 99);
    EXPECT_EQ(view.Text(Control::l_norm), "100 times to go");
    table.bbtn_hitClick();  // 17: hit is wrong; the four makes 21 and ends the round
    EXPECT_EQ(view.PlayerBalloonTexts(), (Texts{"OK!", "Incorrect!(STAND)"}));
    EXPECT_EQ(view.Text(Control::l_norm), "100 times to go");
    EXPECT_FALSE(table.state().roundActive);
    // Ten more wrong decisions raise the quota by ten.
    chart = ChartOf(kChartStand);
    for (int round = 0; round < 10; ++round) Play("S10 H02 D10 C07 D09", "h");  // 21 ends it
    EXPECT_EQ(view.Text(Control::l_norm), "110 times to go");
}

TEST_F(DecisionCheck, ARefusedActionIsNotJudgedAndTheVerdictComesBeforeTheCard) {
    Play("S10 H13 D10 C07 D05", "p");  // ten and king: refused
    EXPECT_EQ(table.state().quotaLeft, 100);
    table.bbtn_hitClick();
    EXPECT_TRUE(view.Logged({"text l_pmsg OK!", "face 9 D05"}));
}

TEST_F(DecisionCheck, EachDecisionIsToldWithItsCellBeforeTheVerdict) {
    chart.hard[16][10] = kChartHit;
    view.DuringWaitOf(1000, [&] { EXPECT_EQ(events.decisions.size(), 1u); });
    Play("S10 H06 D10 C10", "ps");  // the split is refused: nothing to judge
    EXPECT_EQ(events.Lines("decision"),
              Texts{"decision hand 1 S10 H06 vs C10 hard 16/10 STAND advice 1 wrong stake 5"});
    EXPECT_EQ(view.PlayerBalloonTexts().back(), "Incorrect!(HIT)");
}

class QuietJudging : public DecisionCheck, public ::testing::WithParamInterface<LessonMode> {};

// Outside the strategy practice every decision is judged for the record, and the student sees
// and waits for nothing: no balloon, no quota change, no extra wait.
TEST_P(QuietJudging, TellsTheDecisionsAndShowsNothing) {
    chart = ChartOf(kChartStand);
    Open(GetParam(), 1000, 7, 200);
    view.log.clear();
    Play("S10 H02 D10 C10 D05", "hs");  // 12, then 17 against the dealer's 20
    EXPECT_EQ(
        events.Lines("decision"),
        (Texts{"decision hand 1 S10 H02 vs C10 hard 12/10 HIT advice 2 wrong stake 5",
               "decision hand 1 S10 H02 D05 vs C10 hard 17/10 STAND advice 2 right stake 5"}));
    EXPECT_TRUE(view.playerBalloons.empty());
    EXPECT_EQ(table.state().quotaLeft, GetParam() == LessonMode::WinningsQuota ? 12 : 7);
    for (const char* verdictWait : {"delay 500", "delay 1000"})
        EXPECT_EQ(std::count(view.log.begin(), view.log.end(), verdictWait), 0);
}

INSTANTIATE_TEST_SUITE_P(Lessons, QuietJudging,
                         ::testing::Values(LessonMode::FreePlay, LessonMode::WinQuota,
                                           LessonMode::CountQuota, LessonMode::WinningsQuota));

}  // namespace
}  // namespace vantrel
