#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace vantrel {
namespace {

using testing::TableTest;
using Codes = std::vector<std::string>;

class Actions : public TableTest {
  protected:
    void SetUp() override { Open(); }
};

TEST_F(Actions, SplitAcesGetOneCardEachThenTheDealerPlays) {
    Play("S01 H01 D10 C07 D05 C09", "p");
    EXPECT_FALSE(table.state().roundActive);
    EXPECT_EQ(view.Text(Control::l_p1hand), "16");
    EXPECT_EQ(view.Text(Control::l_p2hand), "20");
    EXPECT_EQ(view.Text(Control::l_p1rslt), "Lose");
    EXPECT_EQ(view.Text(Control::l_p2rslt), "Win");
}

TEST_F(Actions, ASecondAceMayBeResplit) {
    Play("S01 H01 D10 C07 D01 C05 S09 H08", "p");
    ASSERT_TRUE(view.actionsEnabled) << "ace + ace waits for the student";
    table.bbtn_splitClick();  // hand 1: A,5 done; hand 2: A,9 done; hand 3: A,8 done
    EXPECT_FALSE(table.state().roundActive);
    EXPECT_EQ(view.Text(Control::l_p3hand), "19");
}

TEST_F(Actions, AnAceHandReachedThroughAStandStillGetsOnlyOneCard) {
    // Hand 1: A,A stood on; hand 2 gets its 2: soft 13, finished all the same.
    Play("S01 H01 D10 C07 D01 C02 H10", "ps");
    EXPECT_FALSE(table.state().roundActive);
    EXPECT_TRUE(table.shoe().HasStackedCards()) << "the dealer stood on 17; the ten is left";
}

struct Refusal {
    const char* name;
    const char* cards;    // player, player, hole, up, draws
    const char* actions;  // the last one is refused
    const char* balloon;
};

class Refusals : public TableTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Refusals, SayWhyAndChangeNothing) {
    const Refusal& c = GetParam();
    const std::string actions = c.actions;
    Open();
    Play(c.cards, actions.substr(0, actions.size() - 1));
    const TableState before = table.state();
    const std::string bet = view.Text(Control::l_bet);
    Press(actions.substr(actions.size() - 1));
    ASSERT_FALSE(view.PlayerBalloonTexts().empty());
    EXPECT_EQ(view.PlayerBalloonTexts().back(), c.balloon);
    EXPECT_TRUE(view.actionsEnabled) << "the student may choose again";
    EXPECT_EQ(view.Text(Control::l_bet), bet);
    EXPECT_EQ(table.state().handCount, before.handCount);
    EXPECT_EQ(table.state().handCards, before.handCards);
    EXPECT_EQ(table.state().handBet, before.handBet);
}

// Four hands are refused before the pair test: hand 1 then holds 8,3.
INSTANTIATE_TEST_SUITE_P(
    Actions, Refusals,
    ::testing::Values(
        Refusal{"TenKingNoPair", "S10 H13 D10 C07", "p", "Only when you have a matching pair!"},
        Refusal{"DoubleOnThree", "S02 H03 D10 C07 D04", "hd", "Only when you have two cards!"},
        Refusal{"HitSplitAces", "S01 H01 D10 C07 D01", "ph",
                "You can't hit when you split a pair of Aces!"},
        Refusal{"DoubleSplitAces", "S01 H01 D10 C07 D01", "pd",
                "You can't double down when you split a pair of Aces!"},
        Refusal{"FifthHand", "S08 H08 D10 C07 D08 C08 S08 H03", "pppp",
                "You can't split any more."}),
    [](const auto& info) { return std::string(info.param.name); });

struct ChipsCase {
    const char* name;
    const char* action;
    int chipsLeft;  // after the $100 bet
    bool allowed;
};

class ChipsForTheStake : public TableTest, public ::testing::WithParamInterface<ChipsCase> {};

TEST_P(ChipsForTheStake, AllowedWhenTheChipsCoverTheStake) {
    const ChipsCase& c = GetParam();
    Open(LessonMode::FreePlay, 100 + c.chipsLeft);
    Play("S08 H08 D10 C07 D02 C03", c.action, {100});
    if (c.allowed) {
        EXPECT_TRUE(view.PlayerBalloonTexts().empty());
        EXPECT_TRUE(view.Logged({"text l_bet $200"}));
    } else {
        EXPECT_EQ(view.PlayerBalloonTexts(), Codes{"You don't have enough chips!"});
        EXPECT_EQ(lesson.chips, c.chipsLeft);
    }
}

INSTANTIATE_TEST_SUITE_P(Stakes, ChipsForTheStake,
                         ::testing::Values(ChipsCase{"DoubleWithExactChips", "d", 100, true},
                                           ChipsCase{"DoubleOneShort", "d", 99, false},
                                           ChipsCase{"SplitWithExactChips", "p", 100, true},
                                           ChipsCase{"SplitOneShort", "p", 99, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Actions, DoubleOnHandTwoOfThreeMovesToHandThree) {
    Play("S08 H08 D10 C07 D08 C10 S02 H09 D03", "pps");  // hand 1: 8,10; hand 2 gets the 2
    EXPECT_EQ(table.state().currentHand, 2);
    table.bbtn_doubleClick();  // 8,2 doubled with the 9: 19; hand 3 gets the 3
    EXPECT_EQ(table.state().currentHand, 3);
    EXPECT_EQ(table.state().handCards[3], 2);
    EXPECT_EQ(table.state().handBet[2], 10);
    EXPECT_EQ(view.Text(Control::l_bet), "$20");
}

TEST_F(Actions, APairOfAcesBeforeASplitMayBeDoubled) {
    Play("S01 H01 D10 C07 D05", "d");
    EXPECT_TRUE(view.PlayerBalloonTexts().empty());
    EXPECT_EQ(view.Text(Control::l_p1hand), "17") << "ace, ace, five";
}

TEST_F(Actions, AClickDuringAnActionIsIgnored) {
    Play("S02 H03 D10 C07 D04 C05");
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
};

class Gestures : public TableTest, public ::testing::WithParamInterface<Gesture> {};

TEST_P(Gestures, DragsOfMoreThan70PixelsAct) {
    const Gesture& g = GetParam();
    Open();
    Play("S08 H08 D10 C07 D02 C03 S04");
    table.FormMouseDown(300, 250);
    table.FormMouseUp(300 + g.dx, 250 + g.dy);
    const TableState& state = table.state();
    const std::string acted = state.handCount == 2      ? "split"
                              : !state.roundActive      ? "stand"
                              : state.handCards[1] == 3 ? "hit"
                                                        : "";
    EXPECT_EQ(acted, g.action);
}

INSTANTIATE_TEST_SUITE_P(
    Drags, Gestures,
    ::testing::Values(Gesture{"Right70", 70, 0, ""}, Gesture{"Right71", 71, 0, "stand"},
                      Gesture{"Down70", 0, 70, ""}, Gesture{"Down71", 0, 71, "hit"},
                      Gesture{"RightDown71", 71, 71, "split"},
                      Gesture{"Right200Down60", 200, 60, "stand"}, Gesture{"Up100", 0, -100, ""},
                      Gesture{"Left100Down100", -100, 100, "hit"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Actions, DoubleClickDoublesAndAReleaseWithoutPressDoesNothing) {
    Play("S05 H06 D10 C07 D09");
    table.FormMouseUp(500, 500);
    EXPECT_TRUE(table.state().roundActive);
    table.FormDblClick();
    EXPECT_EQ(lesson.chips, 10000 + 10) << "doubled 20 beats 17";
}

TEST_F(Actions, AShuffleDisarmsAPendingGesture) {
    table.FormMouseDown(0, 0);
    Open();
    Play("S05 H06 D10 C07");
    table.FormMouseUp(100, 0);
    EXPECT_TRUE(table.state().roundActive) << "no stand from a press made before the shuffle";
}

}  // namespace
}  // namespace vantrel
