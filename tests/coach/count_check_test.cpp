#include <gtest/gtest.h>

#include <chrono>

#include "coach/coach.h"
#include "support/recording_events.h"
#include "support/table_fixture.h"

namespace vantrel {
namespace {

using testing::TableTest;
using Texts = std::vector<std::string>;

class CountCheck : public TableTest {
  protected:
    void SetUp() override {
        table.SetCoaching(&coach);
        lesson.lessonCode = "PL2";
        Open(LessonMode::CountQuota, 10000, 10);
    }
    // A quick round: the player stands on 19 against the dealer's 18.
    void PlayRound() { Play("S10 H09 D10 C08", "s"); }
    StrategyTable chart;
    Coach coach{table, chart};
};

TEST_F(CountCheck, AsksAfterTheTenthAndTwentiethRoundOfAShoe) {
    std::vector<int> askedAfter;
    for (int round = 1; round <= 20; ++round) {
        const int before = view.countQuestions;
        PlayRound();
        if (view.countQuestions > before) askedAfter.push_back(round);
    }
    EXPECT_EQ(askedAfter, (std::vector<int>{10, 20}));
    // Two seconds pass before each question.
    for (auto entry = view.log.begin() + 1; entry != view.log.end(); ++entry)
        if (*entry == "ask count") {
            EXPECT_EQ(*(entry - 1), "delay 2000");
        }
}

TEST_F(CountCheck, TheRoundThatPassesTheCutAsksOnceBeforeTheReshuffle) {
    table.shoe().roundsSinceShuffle = 9;  // the coming round is the tenth as well
    table.shoe().cardsToCut = 2;
    view.countAnswers.push_back(-2);  // 10, 9, 10, 8 dealt
    PlayRound();
    EXPECT_EQ(view.countQuestions, 1);
    EXPECT_TRUE(view.Logged({"ask count", "text l_dmsg Shuffling..."}))
        << "the reshuffle comes after the answer";
    EXPECT_EQ(view.PlayerBalloonTexts(), Texts{"OK!"});
    EXPECT_EQ(table.shoe().runningCount, 0);
}

TEST_F(CountCheck, TheHoleCardCountsInTheExpectedAnswer) {
    table.shoe().roundsSinceShuffle = 9;
    view.countAnswers.push_back(-1);
    // Ace, five for the player; king in the hole, six up; the dealer draws an ace to 17.
    Play("S01 H05 D13 C06 H01", "s");
    EXPECT_EQ(view.PlayerBalloonTexts(), Texts{"OK!"});
    EXPECT_EQ(view.playerBalloons[0].second, 500);
    EXPECT_EQ(table.state().quotaLeft, 9);
}

TEST_F(CountCheck, AWrongAnswerRevealsTheRunningCountAndRaisesTheQuota) {
    table.shoe().roundsSinceShuffle = 9;
    view.countAnswers.push_back(4);
    Play("S10 H13 D12 C01");  // dealer blackjack: -4
    EXPECT_EQ(view.PlayerBalloonTexts(), Texts{"Incorrect!(-4)"});
    EXPECT_EQ(view.playerBalloons[0].second, 1000);
    EXPECT_EQ(view.Text(Control::l_norm), "11 times to go");
}

TEST_F(CountCheck, TheAnswerIsToldWithTheTimeTheStudentTookToGiveIt) {
    testing::RecordingEvents events;
    table.SetEvents(&events);
    std::chrono::steady_clock::time_point now{};
    coach.SetClock([&] { return now; });
    view.DuringWaitOf(2000, [&] { now += std::chrono::seconds(9); });  // before the question
    view.DuringCountQuestion([&] { now += std::chrono::milliseconds(4500); });
    table.shoe().roundsSinceShuffle = 9;
    view.countAnswers.push_back(4);
    Play("S10 H13 D12 C01");
    EXPECT_EQ(events.Lines("count"), Texts{"count -4 answer 4 wrong 4.5s"});
}

TEST_F(CountCheck, MenuAndActionsAreIgnoredWhileTheQuestionIsUp) {
    table.shoe().roundsSinceShuffle = 9;
    view.DuringCountQuestion([&] {
        EXPECT_TRUE(table.state().countCheckActive);
        table.bbtn_menuClick();
        table.bbtn_hitClick();
        table.l_bet005Click();
    });
    PlayRound();
    EXPECT_TRUE(view.messageBoxes.empty());
    EXPECT_TRUE(view.navigation.empty());
    EXPECT_FALSE(table.state().countCheckActive);
    EXPECT_EQ(lesson.chips, 10005);
}

TEST_F(CountCheck, TheQuestionDisarmsAPendingGesture) {
    table.shoe().roundsSinceShuffle = 9;
    // A press while the table waits to ask; its release is lost to the dialog.
    view.DuringWaitOf(2000, [&] { table.FormMouseDown(300, 250); });
    PlayRound();
    ASSERT_EQ(view.countQuestions, 1);
    Play("S05 H06 D10 C07 D09");
    table.FormMouseUp(300, 400);
    EXPECT_EQ(table.state().handCards[1], 2) << "no hit from a press made before the question";
}

TEST_F(CountCheck, OtherLessonsNeverAsk) {
    Open(LessonMode::DecisionQuota, 10000, 100);
    table.shoe().roundsSinceShuffle = 9;
    PlayRound();
    EXPECT_EQ(view.countQuestions, 0);
}

}  // namespace
}  // namespace vantrel
