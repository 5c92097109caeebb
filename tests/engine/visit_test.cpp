#include <gtest/gtest.h>

#include <algorithm>

#include "support/table_fixture.h"

namespace vantrel {
namespace {

using testing::TableTest;

class LeavingTheTable : public TableTest {};

TEST_F(LeavingTheTable, MenuAsksFirstAndStopsTheCountdown) {
    lesson.lessonCode = "P";
    Open(LessonMode::FreePlay, 1000, 1, 200);
    table.l_bet025Click();
    view.boxAnswers.push_back(2);  // cancel changes nothing
    table.bbtn_menuClick();
    EXPECT_EQ(view.messageBoxes, std::vector<std::string>{"You want to go back to Menu?"});
    EXPECT_TRUE(view.navigation.empty());
    EXPECT_EQ(table.state().handBet[1], 25);
    EXPECT_TRUE(view.startTimerRunning);
    table.bbtn_menuClick();
    EXPECT_EQ(view.navigation, std::vector<std::string>{"professional menu"});
    EXPECT_FALSE(view.startTimerRunning);
}

TEST_F(LeavingTheTable, WhileCardsAreDealtStopsTheDeal) {
    Open();
    view.DuringWaitOf(300, [&] { table.EndVisit(VisitEnd::Quit); });
    Play("S10 H09 D10 C08");
    EXPECT_EQ(table.state().handCards[1], 0) << "the first card's wait ended the flow";
    EXPECT_EQ(table.state().dealerCards, 0);
    EXPECT_FALSE(view.actionsEnabled);
}

// The quota was met and the cut passed, but the student left during the settlement pause and
// came straight back: no closing page, no shuffle, and the new visit's table stays as it is.
TEST_F(LeavingTheTable, AnEarlierVisitsFlowLeavesTheNextVisitAlone) {
    Open(LessonMode::WinQuota, 10000, 1);
    table.shoe().cardsToCut = 1;
    Play("S10 H09 D10 C08");
    view.DuringWaitOf(3000, [&] {
        view.boxAnswers.push_back(1);
        table.bbtn_menuClick();
        table.FormShow();
    });
    table.bbtn_standClick();
    EXPECT_EQ(view.navigation, std::vector<std::string>{"general menu"});
    EXPECT_EQ(std::count(view.log.begin(), view.log.end(), "text l_dmsg Shuffling..."), 2)
        << "only the opening shuffles of both visits";
    EXPECT_EQ(view.Text(Control::l_norm), "1 wins to go") << "the new visit's quota stands";
    EXPECT_FALSE(table.state().roundActive);
    EXPECT_EQ(table.state().handCards[1], 0);
}

TEST_F(LeavingTheTable, TheMenuIsDisabledWhileTheTableIsSetUp) {
    view.DuringWaitOf(2000, [&] { table.bbtn_menuClick(); });
    Open();
    EXPECT_TRUE(view.messageBoxes.empty());
    EXPECT_TRUE(table.menuEnabled());
}

}  // namespace
}  // namespace vantrel
