#include <gtest/gtest.h>

#include "master/master_coach.h"
#include "master/tray_reading.h"
#include "support/recording_events.h"
#include "support/table_fixture.h"

namespace vantrel {
namespace {

// Either half-deck mark beside the cards really left is a fair reading of the tray; nothing
// further off is, and a shoe is never read as empty.
TEST(TrayReading, AcceptsTheMarksEitherSideOfTheDecksLeft) {
    const struct {
        const char* name;
        int runningCount, cardsLeft;
        int halfDecks, otherHalfDecks, trueCount, otherTrueCount;
    } rows[] = {
        {"on a mark", 7, 182, 7, 7, 2, 2},
        {"nearer the mark above", 10, 170, 7, 6, 2, 3},
        {"nearer the mark below", 10, 160, 6, 7, 3, 2},
        {"halfway reads the mark above", 10, 169, 7, 6, 2, 3},
        {"negative counts truncate toward zero", -10, 170, 7, 6, -2, -3},
        {"under half a deck reads half a deck", 3, 10, 1, 1, 6, 6},
        {"an empty shoe reads half a deck", 3, 0, 1, 1, 6, 6},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const TrayReading reading = ReadTray(row.runningCount, row.cardsLeft);
        EXPECT_EQ(reading.halfDecks, row.halfDecks);
        EXPECT_EQ(reading.otherHalfDecks, row.otherHalfDecks);
        EXPECT_EQ(reading.trueCount, row.trueCount);
        EXPECT_EQ(reading.otherTrueCount, row.otherTrueCount);
        EXPECT_TRUE(reading.Accepts(row.trueCount));
        EXPECT_TRUE(reading.Accepts(row.otherTrueCount));
        EXPECT_FALSE(reading.Accepts(std::max(row.trueCount, row.otherTrueCount) + 1));
    }
    EXPECT_EQ(HalfDecksText(7), "3.5");
    EXPECT_EQ(HalfDecksText(12), "6");
    EXPECT_EQ(SignedText(2), "+2");
    EXPECT_EQ(SignedText(-3), "-3");
}

// Figures filled by hand: one unit below true +2, then 2, 4 and 8 units of $5.
std::shared_ptr<strategy::MasterFigures> ScriptedFigures() {
    auto figures = std::make_shared<strategy::MasterFigures>();
    figures->ramp = {{2, 2}, {3, 4}, {4, 8}};
    figures->unitDollars = 5;
    figures->byCount = {{-1, 0.3, -0.01, -0.008}, {0, 0.4, -0.005, -0.004}, {2, 0.2, 0.01, 0.012}};
    return figures;
}

class MasterTable : public testing::TableTest {
  protected:
    void OpenLesson(const char* code, LessonMode mode, int quota, TableEvents* next = nullptr) {
        lesson.lessonCode = code;
        table.SetCoaching(nullptr);
        table.SetMasterChecks(&coach);
        coach.StartVisit(figures.get(), next);
        table.SetEvents(&coach);
        coach.SetChance([this](double) { return ask; });
        Open(mode, 10000, quota);
    }

    std::shared_ptr<strategy::MasterFigures> figures = ScriptedFigures();
    MasterCoach coach{table};
    bool ask = false;
};

// The bet is judged by the ramp at the true count as the deal starts, before any card of it.
TEST_F(MasterTable, BettingPracticeJudgesTheBetAsTheDealStarts) {
    OpenLesson("ML3", LessonMode::BetQuota, 50);
    // Six decks untouched: +14 reads true +2 (14 x 52 / 312), a bet of two units.
    table.shoe().runningCount = 14;
    Play("S10 H10 D10 C09", "s", {5});
    EXPECT_EQ(view.PlayerBalloonTexts().back(), "Incorrect!($10)");
    EXPECT_EQ(table.state().quotaLeft, 51);
    // The round's four cards counted -3: +11 over 308 cards, read at six decks, is +1 still.
    Play("S10 H10 D10 C09", "s", {5});
    EXPECT_EQ(view.PlayerBalloonTexts().back(), "OK!");
    EXPECT_EQ(table.state().quotaLeft, 50);
}

// The question comes once the round's cards are in the tray, and either fair reading is right.
TEST_F(MasterTable, TrueCountPracticeAcceptsEitherFairReading) {
    OpenLesson("ML2", LessonMode::TrueCountQuota, 10);
    table.shoe().runningCount = 20;
    ask = true;
    view.countAnswers = {4, 3};
    // After the round: +17 with 308 cards left, nearer 6 decks (+2) than 5.5 (+3).
    Play("S10 H10 D10 C09", "s");
    EXPECT_EQ(view.PlayerBalloonTexts().back(), "Incorrect!(+2)\nrunning +17\n6 decks: true +2");
    EXPECT_EQ(table.state().quotaLeft, 11);
    // 2 and 3 against a soft 17 the dealer stands on: +2 more, +19 over 304 cards.
    Play("S02 H03 D01 C06", "s");
    EXPECT_EQ(view.PlayerBalloonTexts().back(), "OK!\nrunning +19\n6 decks: true +3");
    EXPECT_EQ(table.state().quotaLeft, 10);
    ask = false;
    Play("S10 H10 D10 C09", "s");
    EXPECT_EQ(view.countAnswers.size(), 0u);
    EXPECT_EQ(table.state().quotaLeft, 10);
}

// The exam shows no verdicts; it tallies, and its bets earn the edge of their true counts.
TEST_F(MasterTable, ExamTalliesSilently) {
    OpenLesson("ML6", LessonMode::MasterExam, 4);
    table.shoe().runningCount = 14;
    Play("S10 H10 D10 C09", "s", {5, 5});
    EXPECT_TRUE(view.PlayerBalloonTexts().empty());
    EXPECT_EQ(coach.exam().bets, 1);
    EXPECT_EQ(coach.exam().rightBets, 1);
    EXPECT_DOUBLE_EQ(coach.exam().betValue, 10 * 0.01);
    EXPECT_EQ(coach.exam().net, 10);
}

// Every insurance offer answered at a Master Course table goes on to the record, judged by the
// insurance index at the true count the student saw, with the hand and the bet insured.
TEST_F(MasterTable, InsuranceChoicesGoOnJudged) {
    strategy::IndexNumber insurance;
    insurance.hand = "any";
    insurance.up = 1;
    insurance.basic = '-';
    insurance.play = 'I';
    insurance.index = 3;
    figures->indices = {insurance};
    testing::RecordingEvents events;
    OpenLesson("ML2", LessonMode::TrueCountQuota, 10, &events);
    // +40 less the -2 of the three cards shown, over the 309 unseen: true +6.
    table.shoe().runningCount = 40;
    Play("S10 H08 D07 C01", "", {5, 5});
    table.bbtn_insuranceClick();
    Press("s");
    table.shoe().runningCount = 40;
    Play("S10 H08 D07 C01", "s", {5});  // declined by standing
    table.shoe().runningCount = 0;
    Play("S10 H08 D07 C01", "s", {5});
    EXPECT_EQ(events.Lines("insurance"),
              (std::vector<std::string>{"insurance S10 H08 true 6 taken right stake 10",
                                        "insurance S10 H08 true 6 declined wrong stake 5",
                                        "insurance S10 H08 true 0 declined right stake 5"}));
}

TEST(MasterExam, PassesOnlyAtEveryShare) {
    const auto tally = [](int decisions, int bets, int counts) {
        ExamTally exam;
        exam.decisions = exam.bets = exam.countAnswers = 100;
        exam.rightDecisions = decisions;
        exam.rightBets = bets;
        exam.rightCountAnswers = counts;
        return exam;
    };
    EXPECT_TRUE(ExamPassed(tally(95, 90, 90)));
    EXPECT_FALSE(ExamPassed(tally(94, 100, 100)));
    EXPECT_FALSE(ExamPassed(tally(100, 89, 100)));
    EXPECT_FALSE(ExamPassed(tally(100, 100, 89)));
    ExamTally lucky = tally(100, 100, 100);
    lucky.betValue = 12.5;
    lucky.net = 40;
    EXPECT_EQ(ExamReport(lucky, 2.5),
              "Master Exam passed!\n"
              "Decisions right: 100.0% (100 of 100; 95% to pass)\n"
              "Bets on the ramp: 100.0% (100 of 100; 90% to pass)\n"
              "True counts right: 100.0% (100 of 100; 90% to pass)\n"
              "EV your play and bets earned: +$10.00 (bets +$12.50, mistakes cost $2.50)\n"
              "Net result: +$40.00; of it luck: +$30.00");
}

}  // namespace
}  // namespace vantrel
