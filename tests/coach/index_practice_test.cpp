// The index practice at the table: verdicts at the true count, insurance, and the deal.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "coach/coach.h"
#include "coach/index_judge.h"
#include "strategy/true_count.h"
#include "support/recording_events.h"
#include "support/table_fixture.h"

namespace vantrel {
namespace {

using testing::ChartOf;
using testing::RecordingEvents;
using testing::TableTest;
using Texts = std::vector<std::string>;

strategy::IndexNumber Index(const char* hand, int up, char basic, char play, int index) {
    strategy::IndexNumber number;
    number.hand = hand;
    number.up = up;
    number.basic = basic;
    number.play = play;
    number.index = index;
    return number;
}

class IndexPractice : public TableTest {
  protected:
    void SetUp() override {
        auto figures = std::make_shared<strategy::MasterFigures>();
        figures->indices = {Index("16", 10, 'H', 'S', 0), Index("12", 3, 'H', 'S', 2),
                            Index("10", 10, 'H', 'D', 4), Index("13", 2, 'S', 'H', -1),
                            Index("any", 1, '-', 'I', 3)};
        figures->indices[3].atOrAbove = false;
        coach.index().SetFigures(figures);
        chart.hard[13][2] = kChartStand;
        table.SetCoaching(&coach);
        table.SetEvents(&events);
    }
    void OpenLesson(const char* code, LessonMode mode, int quota = 100) {
        lesson.lessonCode = code;
        Open(mode, 10000, quota);
    }
    // A running count that reads `trueCount` once a round's three cards are shown, `shown` being
    // their Hi-Lo count: the shoe is full but for them and the hole card.
    void CountBeforeDeal(int trueCount, int shown) {
        const int unseen = table.shoe().CardsLeft() - 3;
        const int magnitude = std::abs(trueCount) * unseen / 52 + (trueCount != 0);
        table.shoe().runningCount = (trueCount < 0 ? -magnitude : magnitude) - shown;
        ASSERT_EQ(strategy::TrueCount(table.shoe().runningCount + shown, unseen), trueCount);
    }

    StrategyTable chart = ChartOf(kChartHit);
    Coach coach{table, chart};
    RecordingEvents events;
};

TEST_F(IndexPractice, SixteenAgainstTenStandsAtTrueOne) {
    OpenLesson("ML5", LessonMode::IndexQuota);
    CountBeforeDeal(1, -1);
    Play("S10 H06 D05 C10 D03", "h");
    EXPECT_EQ(view.PlayerBalloonTexts(), Texts{"Incorrect!(STAND: true +0)"});
    EXPECT_EQ(table.state().quotaLeft, 101);
    ASSERT_EQ(events.decisions.size(), 1u);
    EXPECT_EQ(events.decisions[0].trueCount, 1);
    EXPECT_TRUE(events.decisions[0].deviation);
    EXPECT_EQ(events.decisions[0].advice, kChartStand);
    // The values of the actions for this shoe come after the verdict, worked out elsewhere.
    ASSERT_TRUE(view.evLine.valid());
    const std::string line = view.evLine.get();
    EXPECT_NE(line.find("H -0."), std::string::npos) << line;
    EXPECT_NE(line.find("S -0."), std::string::npos) << line;
}

TEST_F(IndexPractice, BelowTheIndexTheChartHoldsAndShowsNoValues) {
    OpenLesson("ML5", LessonMode::IndexQuota);
    CountBeforeDeal(-2, -1);
    Play("S10 H06 D05 C10 D03", "h");
    EXPECT_EQ(view.PlayerBalloonTexts(), Texts{"OK!"});
    EXPECT_FALSE(events.decisions[0].deviation);
    EXPECT_EQ(events.decisions[0].trueCount, -2);
    EXPECT_FALSE(view.evLine.valid());
}

TEST_F(IndexPractice, OtherMasterLessonsJudgeByIndicesSilently) {
    OpenLesson("ML2", LessonMode::TrueCountQuota);
    CountBeforeDeal(3, 2);
    Play("S09 H03 D05 C03", "s");
    EXPECT_TRUE(view.PlayerBalloonTexts().empty());
    ASSERT_EQ(events.decisions.size(), 1u);
    EXPECT_TRUE(events.decisions[0].right);
    EXPECT_TRUE(events.decisions[0].deviation);
}

TEST_F(IndexPractice, NoInsuranceOutsideTheMasterCourse) {
    OpenLesson("PL2", LessonMode::DecisionQuota);
    Play("S10 H07 D05 C01", "");
    EXPECT_FALSE(table.state().insuranceOpen);
    EXPECT_FALSE(view.insuranceOffered);
    // Elsewhere the dealer's blackjack still ends the round at the deal.
    Press("s");
    Play("S10 H07 D13 C01", "");
    EXPECT_FALSE(table.state().roundActive);
    EXPECT_EQ(view.Text(Control::l_p1rslt), "Lose");
}

TEST_F(IndexPractice, AnOfferLeftOpenIsGoneAtTheNextVisit) {
    OpenLesson("ML5", LessonMode::IndexQuota);
    Play("S10 H08 D07 C01", "");
    ASSERT_TRUE(view.insuranceOffered);
    table.EndVisit(VisitEnd::Menu);
    OpenLesson("ML5", LessonMode::IndexQuota);
    EXPECT_FALSE(table.state().insuranceOpen);
    EXPECT_FALSE(view.insuranceOffered);
    table.bbtn_insuranceClick();
    EXPECT_EQ(lesson.chips, 10000);
}

TEST_F(IndexPractice, InsuranceTakenPaysTwoToOneAgainstBlackjack) {
    OpenLesson("ML5", LessonMode::IndexQuota);
    CountBeforeDeal(4, -2);
    Play("S10 H07 D13 C01", "", {5, 5});
    table.bbtn_insuranceClick();
    EXPECT_EQ(view.PlayerBalloonTexts(), Texts{"OK!"});
    EXPECT_FALSE(table.state().roundActive);
    // $10 lost, $5 insured returns $15.
    EXPECT_EQ(lesson.chips, 10000 - 10 - 5 + 15);

    // Declined by standing at +4 against a dealer's blackjack: wrong, and the stand is not judged.
    CountBeforeDeal(4, -2);
    Play("S10 H07 D13 C01", "s", {5, 5});
    EXPECT_EQ(view.PlayerBalloonTexts().back(), "Incorrect!(INSURANCE: true +3)");
    EXPECT_TRUE(events.decisions.empty());
    EXPECT_EQ(lesson.chips, 10000 - 10 - 5 + 15 - 10);
}

TEST_F(IndexPractice, InsuranceTakenLosesItsStakeWhenTheDealerHasNoBlackjack) {
    OpenLesson("ML5", LessonMode::IndexQuota);
    CountBeforeDeal(0, -2);
    Play("S10 H08 D07 C01", "", {5});
    table.bbtn_insuranceClick();
    EXPECT_EQ(view.PlayerBalloonTexts(), Texts{"Incorrect!(NO INSURANCE: true +3)"});
    EXPECT_TRUE(table.state().roundActive);
    table.bbtn_insuranceClick();  // once only
    Press("s");                   // 18 against 18: a push
    EXPECT_EQ(lesson.chips, 10000 - 2);
}

// Placed deals: over many rounds at least one in three meets an index play at or near the count,
// and every card dealt was one the shoe held.
TEST_F(IndexPractice, IndexSituationsComeAtLeastOneRoundInThree) {
    OpenLesson("ML5", LessonMode::IndexQuota, 1000000);
    coach.index().SetValuesShown(false);
    int rounds = 0, situations = 0;
    for (; rounds < 600; ++rounds) {
        const Shoe::Counts before = table.shoe().counts();
        table.l_bet005Click();
        for (int tick = 0; tick < 100 && table.startTimerRunning(); ++tick) table.tm_startTimer();
        bool met = false;
        // A blackjack settles the round at the deal and clears its cards.
        for (int slot : {PlayerSlot(1, 1), PlayerSlot(1, 2), DealerSlot(1), DealerSlot(2)}) {
            const Card card = table.slot(slot).card;
            if (!table.state().roundActive) break;
            ASSERT_GT(before[card.suit][card.rank], 0) << card.code();
        }
        const int trueCount = SeenTrueCount(table);
        if (table.state().insuranceOpen)
            met |= NearIndex(*strategy::FindIndexNumber(*coach.index().figures(), "any", 1),
                             trueCount);
        while (table.state().roundActive) {
            const IndexJudgement judgement = JudgeTableHand(chart, coach.index().figures(), table);
            if (judgement.index && NearIndex(*judgement.index, SeenTrueCount(table))) met = true;
            Press(judgement.advice == kChartHit ? "h" : "s");
        }
        situations += met;
    }
    EXPECT_GE(3 * situations, rounds) << situations << " of " << rounds;
}

}  // namespace
}  // namespace vantrel
