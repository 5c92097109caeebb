#include <gtest/gtest.h>

#include "coach/coach.h"
#include "support/table_fixture.h"

namespace vantrel {
namespace {

using testing::TableTest;
using Texts = std::vector<std::string>;

// Fills every cell the check can read with one code.
StrategyTable ChartOf(int code) {
    StrategyTable chart;
    for (auto& row : chart.hard) row.fill(code);
    for (auto& row : chart.soft) row.fill(code);
    for (auto& row : chart.pair) row.fill(code);
    return chart;
}

class DecisionCheck : public TableTest {
  protected:
    void SetUp() override {
        table.SetCoaching(&coach);
        Open(LessonMode::DecisionQuota, 10000, 100);
    }
    StrategyTable chart = ChartOf(kChartHit);
    Coach coach{table, chart};
};

struct RowCase {
    const char* name;
    std::vector<const char*> player;  // first two cards dealt, then hits
    const char* up;
    char table;  // 'h', 's' or 'p'
    int row;
    int column;
    friend std::ostream& operator<<(std::ostream& out, const RowCase& c) { return out << c.name; }
};

class ChartRow : public DecisionCheck, public ::testing::WithParamInterface<RowCase> {};

// Only the expected cell says stand; standing is judged right only if that cell was read.
TEST_P(ChartRow, ReadsTheCellOfTheHandAgainstTheUpCard) {
    const RowCase& c = GetParam();
    auto& cells = c.table == 'h'   ? chart.hard[c.row]
                  : c.table == 's' ? chart.soft[c.row]
                                   : chart.pair[c.row];
    cells[c.column] = kChartStand;
    StackDeal(c.player[0], c.player[1], "S10", c.up, {c.player.begin() + 2, c.player.end()});
    BetAndDeal();
    for (size_t hit = 2; hit < c.player.size(); ++hit) table.bbtn_hitClick();
    view.playerBalloons.clear();
    table.bbtn_standClick();
    EXPECT_EQ(view.PlayerBalloonTexts(), Texts{"OK!"});
}

INSTANTIATE_TEST_SUITE_P(
    Hands, ChartRow,
    ::testing::Values(RowCase{"AceNineSoftRow8", {"S01", "H09"}, "C06", 's', 8, 6},
                      RowCase{"AceTwoThreeSoftRow5", {"S01", "H02", "D03"}, "C06", 's', 5, 6},
                      RowCase{"HardFiveUsesRow8", {"S02", "H03"}, "C05", 'h', 8, 5},
                      RowCase{"HardNineteenUsesRow17", {"S10", "H09"}, "C08", 'h', 17, 8},
                      RowCase{"KingQueenIsHard20", {"S13", "H12"}, "C09", 'h', 17, 9},
                      RowCase{"TwoKingsArePair10", {"S13", "H13"}, "C09", 'p', 10, 9},
                      RowCase{"TwoAcesArePair1", {"S01", "H01"}, "C02", 'p', 1, 2},
                      RowCase{"AceAceSixIsSoft18", {"S01", "H01", "D06"}, "C09", 's', 7, 9},
                      RowCase{"AceAceTenIsHard12", {"S01", "H01", "D10"}, "C04", 'h', 12, 4},
                      RowCase{"AceFiveTenIsHard16", {"S01", "H05", "D10"}, "C10", 'h', 16, 10}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DecisionCheck, APairInHandFourIsJudgedByItsTotal) {
    chart = ChartOf(kChartStand);
    for (auto& row : chart.pair) row.fill(kChartSplit);
    StackDeal("S08", "H08", "D10", "C07", {"D08", "C08", "S03", "H02", "D02", "C08"});
    BetAndDeal();
    table.bbtn_splitClick();  // hand 1: 8,8 again
    table.bbtn_splitClick();  // hand 1: 8,8 again
    table.bbtn_splitClick();  // hand 1: 8,3; four hands
    table.bbtn_standClick();  // hand 2: 8,2
    table.bbtn_standClick();  // hand 3: 8,2
    table.bbtn_standClick();  // hand 4: 8,8, read as hard 16: stand
    table.bbtn_standClick();
    EXPECT_EQ(view.PlayerBalloonTexts(), Texts(7, "OK!"));
}

TEST_F(DecisionCheck, AThreeCardDoubleIsReadAsHit) {
    chart.hard[10][6] = kChartDouble;
    StackDeal("S02", "H03", "D10", "C06", {"D05"});
    BetAndDeal();
    table.bbtn_hitClick();  // 10 in three cards
    view.playerBalloons.clear();
    table.bbtn_standClick();
    EXPECT_EQ(view.PlayerBalloonTexts(), Texts{"Incorrect!(HIT)"});
    EXPECT_EQ(view.playerBalloons[0].second, 1000);
}

TEST_F(DecisionCheck, DoubleElseStandResolvesByTheCardsHeld) {
    chart.soft[7][4] = kChartDoubleElseStand;
    StackDeal("S01", "H07", "D10", "C04");
    BetAndDeal();
    table.bbtn_standClick();  // two cards: double was right
    EXPECT_EQ(view.PlayerBalloonTexts(), Texts{"Incorrect!(DOUBLE)"});

    view.playerBalloons.clear();
    StackDeal("S01", "H04", "D10", "C04", {"D03"});
    BetAndDeal();
    table.bbtn_hitClick();  // ace, four, three: soft 18 in three cards
    table.bbtn_hitClick();
    EXPECT_EQ(view.PlayerBalloonTexts().back(), "Incorrect!(STAND)");
}

TEST_F(DecisionCheck, CodeNineAcceptsEveryAction) {
    chart = ChartOf(kChartAnyAction);
    StackDeal("S09", "H02", "D10", "C07", {"D05"});
    BetAndDeal();
    table.bbtn_doubleClick();
    EXPECT_EQ(view.PlayerBalloonTexts(), Texts{"OK!"});
    EXPECT_EQ(view.playerBalloons[0].second, 500);
}

TEST_F(DecisionCheck, AnEmptyChartNamesNoAction) {
    chart = StrategyTable{};
    StackDeal("S09", "H02", "D10", "C07");
    BetAndDeal();
    table.bbtn_standClick();
    EXPECT_EQ(view.PlayerBalloonTexts(), Texts{"Incorrect!()"});
}

TEST_F(DecisionCheck, TheQuotaMovesBothWaysAndShowsOnceTheRoundIsSettled) {
    chart.hard[17][7] = kChartStand;
    StackDeal("S10", "H02", "D10", "C07", {"D05", "H04"});
    BetAndDeal();
    table.bbtn_hitClick();  // 12: hit is right
    EXPECT_EQ(table.state().quotaLeft, 99);
    EXPECT_EQ(view.Text(Control::l_norm), "100 times to go");
    table.bbtn_hitClick();  // 17: hit is wrong; the four makes 21 and ends the round
    EXPECT_EQ(view.PlayerBalloonTexts(), (Texts{"OK!", "Incorrect!(STAND)"}));
    EXPECT_EQ(view.Text(Control::l_norm), "100 times to go");
    EXPECT_FALSE(table.state().roundActive);
}

TEST_F(DecisionCheck, TenWrongDecisionsRaiseTheQuotaByTen) {
    chart = ChartOf(kChartStand);
    for (int round = 0; round < 10; ++round) {
        StackDeal("S10", "H02", "D10", "C07", {"D09"});
        BetAndDeal();
        table.bbtn_hitClick();  // 21 ends the hand
    }
    EXPECT_EQ(view.Text(Control::l_norm), "110 times to go");
}

TEST_F(DecisionCheck, ARefusedActionIsNotJudgedAndTheVerdictComesBeforeTheCard) {
    StackDeal("S10", "H13", "D10", "C07", {"D05"});
    BetAndDeal();
    table.bbtn_splitClick();  // ten and king: refused
    EXPECT_EQ(view.PlayerBalloonTexts(), Texts{"Only when you have a matching pair!"});
    EXPECT_EQ(table.state().quotaLeft, 100);
    table.bbtn_hitClick();
    const auto verdict = std::find(view.log.begin(), view.log.end(), "text l_pmsg OK!");
    const auto card = std::find(view.log.begin(), view.log.end(), "face 9 D05");
    EXPECT_LT(verdict, card);
}

TEST_F(DecisionCheck, OtherLessonsJudgeNothing) {
    Open(LessonMode::WinningsQuota, 1000, 1000, 200);
    StackDeal("S10", "H02", "D10", "C07", {"D05"});
    BetAndDeal();
    table.bbtn_hitClick();
    table.bbtn_standClick();
    EXPECT_TRUE(view.PlayerBalloonTexts().empty());
}

}  // namespace
}  // namespace vantrel
