#include "engine/settlement.h"

#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace vantrel {
namespace {

using testing::TableTest;

struct PayoutRow {
    const char* name;
    HandLabel player;
    HandLabel dealer;
    int bet;
    const char* result;
    int payout;
};

class PayoutTable : public ::testing::TestWithParam<PayoutRow> {};

TEST_P(PayoutTable, PaysEachOutcome) {
    const PayoutRow& row = GetParam();
    const HandResult result = SettleHand(row.player, row.dealer, row.bet);
    EXPECT_EQ(result.text, row.result);
    EXPECT_EQ(result.payout, row.payout);
}

const HandLabel kBlackjack(111, 2, 1);
const HandLabel kBusted(26, 3, 1);
HandLabel Total(int total) {
    return HandLabel(total, 3, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PayoutTable,
    ::testing::Values(
        PayoutRow{"BlackjackAgainstBlackjackPushes", kBlackjack, kBlackjack, 5, "Push", 5},
        PayoutRow{"Blackjack5Returns12", kBlackjack, Total(20), 5, "Win", 12},
        PayoutRow{"Blackjack15Returns37", kBlackjack, Total(20), 15, "Win", 37},
        PayoutRow{"BustLosesEvenWhenDealerBusts", kBusted, kBusted, 10, "Lose", 0},
        PayoutRow{"NumberLosesToDealerBlackjack", Total(21), kBlackjack, 10, "Lose", 0},
        PayoutRow{"SplitAceTenLosesToDealerBlackjack", HandLabel(111, 2, 2), kBlackjack, 10, "Lose",
                  0},
        PayoutRow{"SplitAceTenPushesThreeCard21", HandLabel(111, 2, 2), Total(21), 10, "Push", 10},
        PayoutRow{"SplitAceTenBeats20OneToOne", HandLabel(111, 2, 2), Total(20), 10, "Win", 20},
        PayoutRow{"NumberBeatsDealerBust", Total(12), kBusted, 10, "Win", 20},
        PayoutRow{"HigherNumberWins", Total(19), Total(18), 10, "Win", 20},
        PayoutRow{"EqualNumbersPush", Total(18), HandLabel(108, 2, 1), 10, "Push", 10},
        PayoutRow{"LowerNumberLoses", Total(17), Total(18), 10, "Lose", 0}),
    [](const auto& info) { return std::string(info.param.name); });

class Settlement : public TableTest {};

TEST_F(Settlement, EveryWinningHandCountsInAWinQuotaLesson) {
    Open(LessonMode::WinQuota, 10000, 10);
    Play("S08 H08 D10 C07 D10 C11", "pss");  // 8,10; 8,J
    EXPECT_EQ(view.PlayerBalloonTexts(), (std::vector<std::string>{"OK!", "OK!"}));
    EXPECT_EQ(view.playerBalloons[0].second, 1000);
    EXPECT_EQ(view.Text(Control::l_norm), "8 wins to go");
    Play("S10 H08 D10 C08", "s");  // a push counts no win
    EXPECT_EQ(view.PlayerBalloonTexts().size(), 2u);
    EXPECT_EQ(view.Text(Control::l_norm), "8 wins to go");
}

TEST_F(Settlement, FreePlayNeverEndsByQuota) {
    Open(LessonMode::FreePlay, 1000, 1, 200);
    EXPECT_EQ(view.Text(Control::l_norm), "ALL-NIGHT");
    Play("S10 H09 D10 C08", "s");
    EXPECT_EQ(view.Text(Control::l_norm), "ALL-NIGHT");
    EXPECT_TRUE(view.navigation.empty());
}

TEST_F(Settlement, MeetingTheQuotaShowsTheClosingPage) {
    Open(LessonMode::WinQuota, 10000, 1);
    Play("S10 H09 D10 C08", "s");
    EXPECT_EQ(view.navigation, std::vector<std::string>{"closing page"});
    EXPECT_EQ(lesson.lecturePage, 99);
    EXPECT_FALSE(view.startTimerRunning);
}

constexpr const char* kNoChipsInLessons =
    "You have no chips. You can't play any more without chips even in lessons. Start again!";

struct NoChipsCase {
    const char* name;
    LessonMode mode;
    const char* code;
    int chips;  // before a lost $5 round
    const char* message;
    const char* menu;
};

class RunningOutOfChips : public TableTest, public ::testing::WithParamInterface<NoChipsCase> {};

TEST_P(RunningOutOfChips, EndsTheLessonBelowFiveDollars) {
    const NoChipsCase& c = GetParam();
    Open(c.mode, c.chips, 1000, 200);
    lesson.lessonCode = c.code;
    Play("S10 H07 D10 C08", "s");
    if (c.message[0] == '\0') {
        EXPECT_TRUE(view.messageBoxes.empty());
        EXPECT_TRUE(view.navigation.empty());
        return;
    }
    EXPECT_EQ(view.messageBoxes, std::vector<std::string>{c.message});
    EXPECT_EQ(view.navigation, std::vector<std::string>{c.menu});
}

INSTANTIATE_TEST_SUITE_P(
    Lessons, RunningOutOfChips,
    ::testing::Values(NoChipsCase{"FiveLeftPlaysOn", LessonMode::WinningsQuota, "NL6", 10, "", ""},
                      NoChipsCase{"ExamEndsWithTheLessonMessage", LessonMode::WinningsQuota, "NL6",
                                  9, kNoChipsInLessons, "general menu"},
                      NoChipsCase{"ProfessionalExamReturnsToItsMenu", LessonMode::WinningsQuota,
                                  "PL3", 9, kNoChipsInLessons, "professional menu"},
                      NoChipsCase{"FreePlayHasItsOwnMessage", LessonMode::FreePlay, "P", 5,
                                  "You have no chips. Start again!", "professional menu"}),
    [](const auto& info) { return std::string(info.param.name); });

// Counts every decision as right, as the strategy check would for a right one.
struct AlwaysRight : Coaching {
    explicit AlwaysRight(Table& table) : table(table) {}
    void CheckDecision(Action) override { --table.state().quotaLeft; }
    void CountCheck() override {}
    Table& table;
};

TEST_F(Settlement, PassingWithTheLastChipsLostShowsThePageThenTheMessageThenTheMenu) {
    AlwaysRight coaching(table);
    table.SetCoaching(&coaching);
    Open(LessonMode::DecisionQuota, 5, 1);
    Play("S10 H07 D10 C08", "s");  // right, but 17 loses to 18
    EXPECT_EQ(view.navigation, (std::vector<std::string>{"closing page", "general menu"}));
    EXPECT_TRUE(view.Logged({"closing page", std::string("box ") + kNoChipsInLessons}));
}

TEST_F(Settlement, PassingTheCutReshufflesAfterThePause) {
    Open();
    table.shoe().cardsToCut = 2;
    Play("S10 H09 D10 C08", "s");
    EXPECT_TRUE(view.Logged({"delay 3000", "text l_dmsg Shuffling..."}));
    EXPECT_EQ(table.shoe().cardsToCut, 187);
}

}  // namespace
}  // namespace vantrel
