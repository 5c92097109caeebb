#include <gtest/gtest.h>

#include <algorithm>

#include "support/table_fixture.h"

namespace vantrel {
namespace {

using testing::TableTest;
using Codes = std::vector<std::string>;

class Actions : public TableTest {
  protected:
    void SetUp() override { Open(LessonMode::FreePlay, 10000); }
};

TEST_F(Actions, SplitAcesGetOneCardEachThenTheDealerPlays) {
    StackDeal("S01", "H01", "D10", "C07", {"D05", "C09"});
    BetAndDeal();
    table.bbtn_splitClick();
    // Ace + 5 is finished at once, the second ace gets the 9 and is finished too.
    EXPECT_FALSE(table.state().roundActive);
    EXPECT_EQ(view.Text(Control::l_p1hand), "16");
    EXPECT_EQ(view.Text(Control::l_p2hand), "20");
    EXPECT_EQ(view.Text(Control::l_p1rslt), "Lose");
    EXPECT_EQ(view.Text(Control::l_p2rslt), "Win");
    EXPECT_EQ(lesson.chips, 10000);
}

TEST_F(Actions, ASecondAceMayBeResplitOrStoodOnButNotHitOrDoubled) {
    StackDeal("S01", "H01", "D10", "C07", {"D01"});
    BetAndDeal();
    table.bbtn_splitClick();
    ASSERT_TRUE(view.actionsEnabled) << "ace + ace waits for the student";
    EXPECT_EQ(table.state().handTotal[1], 202);
    table.bbtn_hitClick();
    table.bbtn_doubleClick();
    EXPECT_EQ(view.PlayerBalloonTexts(),
              (Codes{"You can't hit when you split a pair of Aces!",
                     "You can't double down when you split a pair of Aces!"}));
    EXPECT_EQ(table.state().handCards[1], 2);

    Stack({"C05", "S09", "H08"});
    table.bbtn_splitClick();  // hand 1: A,5 done; hand 2: A,9 done; hand 3: A,8 done
    EXPECT_FALSE(table.state().roundActive);
    EXPECT_EQ(view.Text(Control::l_p3hand), "19");
}

TEST_F(Actions, AnAceHandReachedThroughAStandStillGetsOnlyOneCard) {
    StackDeal("S01", "H01", "D10", "C07", {"D01"});
    BetAndDeal();
    table.bbtn_splitClick();  // hand 1: A,A again
    Stack({"C02", "H10"});
    table.bbtn_standClick();  // hand 2 gets its 2: soft 13, finished all the same
    EXPECT_FALSE(table.state().roundActive);
    EXPECT_TRUE(table.shoe().HasStackedCards()) << "the dealer stood on 17; the ten is left";
}

TEST_F(Actions, FourHandsRefuseTheSplitBeforeThePairTest) {
    StackDeal("S08", "H08", "D10", "C07", {"D08", "C08", "S08", "H03"});
    BetAndDeal();
    table.bbtn_splitClick();  // hand 1: 8,8 again (hand 2 waits with one 8)
    table.bbtn_splitClick();  // hand 1: 8,8 again, three hands
    table.bbtn_splitClick();  // hand 1: 8,3, four hands
    EXPECT_EQ(table.state().handCount, 4);
    table.bbtn_splitClick();
    EXPECT_EQ(view.PlayerBalloonTexts().back(), "You can't split any more.");
    EXPECT_EQ(view.Text(Control::l_bet), "$20");
}

TEST_F(Actions, TenAndKingAreNoPair) {
    StackDeal("S10", "H13", "D10", "C07");
    BetAndDeal();
    table.bbtn_splitClick();
    EXPECT_EQ(view.PlayerBalloonTexts(), Codes{"Only when you have a matching pair!"});
    EXPECT_TRUE(view.actionsEnabled) << "the student may choose again";
    EXPECT_EQ(table.state().handCount, 1);
}

TEST_F(Actions, OnlyTwoCardsMayBeDoubled) {
    StackDeal("S02", "H03", "D10", "C07", {"D04"});
    BetAndDeal();
    table.bbtn_hitClick();
    table.bbtn_doubleClick();
    EXPECT_EQ(view.PlayerBalloonTexts(), Codes{"Only when you have two cards!"});
    EXPECT_EQ(table.state().handBet[1], 5);
}

struct ChipsCase {
    const char* name;
    bool split;  // else double
    int chipsLeft;
    bool allowed;
    friend std::ostream& operator<<(std::ostream& out, const ChipsCase& c) { return out << c.name; }
};

class ChipsForTheStake : public TableTest, public ::testing::WithParamInterface<ChipsCase> {};

TEST_P(ChipsForTheStake, AllowedWhenTheChipsCoverTheStake) {
    const ChipsCase& c = GetParam();
    Open(LessonMode::FreePlay, 100 + c.chipsLeft);
    StackDeal("S08", "H08", "D10", "C07", {"D02", "C03"});
    BetAndDeal({100});
    if (c.split)
        table.bbtn_splitClick();
    else
        table.bbtn_doubleClick();
    if (c.allowed) {
        EXPECT_TRUE(view.PlayerBalloonTexts().empty());
        EXPECT_NE(std::find(view.log.begin(), view.log.end(), "text l_bet $200"), view.log.end());
        EXPECT_GE(lesson.chips, 0);
    } else {
        EXPECT_EQ(view.PlayerBalloonTexts(), Codes{"You don't have enough chips!"});
        EXPECT_EQ(lesson.chips, c.chipsLeft);
    }
}

INSTANTIATE_TEST_SUITE_P(Stakes, ChipsForTheStake,
                         ::testing::Values(ChipsCase{"DoubleWithExactChips", false, 100, true},
                                           ChipsCase{"DoubleOneShort", false, 99, false},
                                           ChipsCase{"SplitWithExactChips", true, 100, true},
                                           ChipsCase{"SplitOneShort", true, 99, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Actions, DoubleOnHandTwoOfThreeMovesToHandThree) {
    StackDeal("S08", "H08", "D10", "C07", {"D08", "C10", "S02", "H09", "D03"});
    BetAndDeal();
    table.bbtn_splitClick();  // hand 1: 8,8
    table.bbtn_splitClick();  // hand 1: 8,10; hands 2 and 3 hold one 8
    table.bbtn_standClick();  // hand 2 gets the 2
    EXPECT_EQ(table.state().currentHand, 2);
    table.bbtn_doubleClick();  // 8,2 doubled with the 9: 19; hand 3 gets the 3
    EXPECT_EQ(table.state().currentHand, 3);
    EXPECT_EQ(table.state().handCards[3], 2);
    EXPECT_EQ(table.state().handBet[2], 10);
    EXPECT_EQ(view.Text(Control::l_bet), "$20");
}

TEST_F(Actions, APairOfAcesBeforeASplitMayBeHitOrDoubled) {
    StackDeal("S01", "H01", "D10", "C07", {"D05"});
    BetAndDeal();
    table.bbtn_doubleClick();
    EXPECT_TRUE(view.PlayerBalloonTexts().empty());
    EXPECT_EQ(view.Text(Control::l_p1hand), "17") << "ace, ace, five";
}

TEST_F(Actions, AClickDuringAnActionIsIgnored) {
    StackDeal("S02", "H03", "D10", "C07", {"D04", "C05"});
    BetAndDeal();
    // While the hit's card is on its way, the student clicks hit again and drags to stand.
    view.DuringWaitOf(300, [&] {
        table.bbtn_hitClick();
        table.FormMouseDown(0, 0);
        table.FormMouseUp(100, 0);
    });
    table.bbtn_hitClick();
    EXPECT_EQ(table.state().handCards[1], 3);
    EXPECT_TRUE(table.state().roundActive);
    EXPECT_TRUE(view.actionsEnabled);
}

TEST_F(Actions, ActionsNeedARound) {
    table.bbtn_hitClick();
    table.FormDblClick();
    EXPECT_TRUE(view.PlayerBalloonTexts().empty());
    EXPECT_EQ(table.state().handCards[1], 0);
}

struct Gesture {
    const char* name;
    int dx;
    int dy;
    const char* action;  // "hit", "stand", "split" or "" for nothing
    friend std::ostream& operator<<(std::ostream& out, const Gesture& g) { return out << g.name; }
};

class Gestures : public TableTest, public ::testing::WithParamInterface<Gesture> {};

TEST_P(Gestures, DragsOfMoreThan70PixelsAct) {
    const Gesture& g = GetParam();
    Open();
    StackDeal("S08", "H08", "D10", "C07", {"D02", "C03", "S04"});
    BetAndDeal();
    table.FormMouseDown(300, 250);
    table.FormMouseUp(300 + g.dx, 250 + g.dy);
    const TableState& state = table.state();
    std::string acted;
    if (state.handCount == 2)
        acted = "split";
    else if (!state.roundActive)
        acted = "stand";
    else if (state.handCards[1] == 3)
        acted = "hit";
    EXPECT_EQ(acted, g.action);
}

INSTANTIATE_TEST_SUITE_P(
    Drags, Gestures,
    ::testing::Values(Gesture{"Right70", 70, 0, ""}, Gesture{"Right71", 71, 0, "stand"},
                      Gesture{"Down70", 0, 70, ""}, Gesture{"Down71", 0, 71, "hit"},
                      Gesture{"RightDown71", 71, 71, "split"},
                      Gesture{"Right200Down60", 200, 60, "stand"},
                      Gesture{"Right60Down200", 60, 200, "hit"}, Gesture{"Left100", -100, 0, ""},
                      Gesture{"Up100", 0, -100, ""}, Gesture{"Left100Down100", -100, 100, "hit"},
                      Gesture{"Right100Up100", 100, -100, "stand"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Actions, DoubleClickDoublesAndAReleaseWithoutPressDoesNothing) {
    StackDeal("S05", "H06", "D10", "C07", {"D09"});
    BetAndDeal();
    table.FormMouseUp(500, 500);
    EXPECT_TRUE(table.state().roundActive);
    table.FormDblClick();
    EXPECT_FALSE(table.state().roundActive);
    EXPECT_EQ(lesson.chips, 10000 + 10) << "doubled 20 beats 17";
}

TEST_F(Actions, AShuffleDisarmsAPendingGesture) {
    table.FormMouseDown(0, 0);
    Open();
    StackDeal("S05", "H06", "D10", "C07");
    BetAndDeal();
    table.FormMouseUp(100, 0);
    EXPECT_TRUE(table.state().roundActive) << "no stand from a press made before the shuffle";
}

}  // namespace
}  // namespace vantrel
