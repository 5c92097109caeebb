#include <gtest/gtest.h>

#include <algorithm>

#include "support/table_fixture.h"

namespace vantrel {
namespace {

using testing::TableTest;
using Codes = std::vector<std::string>;

class RoundFlow : public TableTest {
  protected:
    void SetUp() override { Open(); }
};

TEST_F(RoundFlow, DealsPlayerHoleCardPlayerUpCardAndWaitsForThePlayer) {
    StackDeal("H10", "S06", "D05", "C10");
    BetAndDeal();
    EXPECT_EQ(HandCodes(1), (Codes{"H10", "S06"}));
    EXPECT_EQ(DealerCodes(), (Codes{"back", "C10"}));
    EXPECT_EQ(table.state().dealerUpValue, 10);
    EXPECT_EQ(table.state().dealerTotal, 15);  // the hole card counts from the deal
    EXPECT_TRUE(view.actionsEnabled);
    EXPECT_TRUE(table.state().roundActive);
    // Hand labels are kept current but stay hidden during play.
    EXPECT_EQ(view.Text(Control::l_p1hand), "16");
    EXPECT_FALSE(view.Visible(Control::l_p1hand));
}

TEST_F(RoundFlow, TheHoleCardCountsWhenDealtNotWhenTurned) {
    StackDeal("H02", "S03", "D04", "C05", {"H10"});
    BetAndDeal();
    EXPECT_EQ(table.shoe().runningCount, 4);
    table.bbtn_standClick();  // the dealer turns the 4 up and draws the ten
    EXPECT_EQ(table.shoe().runningCount, 3);
}

struct DealtBlackjack {
    const char* name;
    const char* player1;
    const char* player2;
    const char* hole;
    const char* up;
    const char* result;
    int chipsAfter;  // from 1000 with a $5 bet
    friend std::ostream& operator<<(std::ostream& out, const DealtBlackjack& c) {
        return out << c.name;
    }
};

class BlackjackOnTheDeal : public TableTest,
                           public ::testing::WithParamInterface<DealtBlackjack> {};

TEST_P(BlackjackOnTheDeal, SettlesAtOnceWithoutActions) {
    const DealtBlackjack& c = GetParam();
    Open(LessonMode::FreePlay, 1000);
    StackDeal(c.player1, c.player2, c.hole, c.up);
    BetAndDeal();
    EXPECT_EQ(view.Text(Control::l_p1rslt), c.result);
    EXPECT_FALSE(view.Visible(Control::l_p1rslt)) << "cleared after the pause";
    for (const std::string& entry : view.log) EXPECT_NE(entry, "enable actions");
    EXPECT_NE(std::find(view.log.begin(), view.log.end(), std::string("face 0 ") + c.hole),
              view.log.end())
        << "the hole card is turned up";
    EXPECT_EQ(lesson.chips, c.chipsAfter);
    EXPECT_FALSE(table.state().roundActive);
}

INSTANTIATE_TEST_SUITE_P(
    Deals, BlackjackOnTheDeal,
    ::testing::Values(
        DealtBlackjack{"PlayerBlackjack", "S01", "H13", "D09", "C10", "Win", 1007},
        DealtBlackjack{"DealerBlackjackUnderTen", "S10", "H09", "D01", "C10", "Lose", 995},
        DealtBlackjack{"DealerBlackjackUnderAce", "S10", "H09", "D12", "C01", "Lose", 995},
        DealtBlackjack{"BothBlackjack", "S01", "H12", "D01", "C11", "Push", 1000}),
    [](const auto& info) { return info.param.name; });

TEST_F(RoundFlow, DealerStandsOnSoft17) {
    StackDeal("H10", "S08", "D06", "C01");
    BetAndDeal();
    table.bbtn_standClick();
    EXPECT_EQ(DealerCodes(), Codes{}) << "table cleared after settlement";
    EXPECT_EQ(lesson.chips, 10000 + 5);  // 18 beats soft 17
}

TEST_F(RoundFlow, DealerDrawsTo17) {
    StackDeal("H10", "S08", "D06", "C10", {"H02", "S03"});
    BetAndDeal();
    table.bbtn_standClick();
    // 16 + 2 = 18 and the dealer stops; the 3 stays in the shoe. 18 against 18 pushes.
    EXPECT_NE(std::find(view.log.begin(), view.log.end(), "face 2 H02"), view.log.end());
    EXPECT_TRUE(table.shoe().HasStackedCards());
    EXPECT_EQ(lesson.chips, 10000);
}

TEST_F(RoundFlow, AllHandsBustedDealerDrawsNothing) {
    StackDeal("H10", "S06", "D06", "C10", {"H09", "S02"});
    BetAndDeal();
    table.bbtn_hitClick();  // 25: busted
    EXPECT_TRUE(table.shoe().HasStackedCards()) << "the dealer's 2 was not drawn";
    EXPECT_EQ(lesson.chips, 10000 - 5);
}

TEST_F(RoundFlow, EighthCardReplacesTheSeventhPicture) {
    StackDeal("S01", "H01", "D09", "C10", {"D01", "C01", "S02", "H02", "D02", "C02"});
    BetAndDeal();
    for (int hit = 0; hit < 5; ++hit) table.bbtn_hitClick();
    EXPECT_EQ(table.state().handCards[1], 7);
    EXPECT_EQ(HandCodes(1).back(), "D02");
    table.bbtn_hitClick();
    // A,A,A,A,2,2,2,2 is 12 with eight cards; the eighth sits at position 7.
    EXPECT_EQ(table.state().handCards[1], 8);
    EXPECT_EQ(table.state().handTotal[1], 412);
    EXPECT_EQ(HandCodes(1).size(), 7u);
    EXPECT_EQ(HandCodes(1).back(), "C02");
}

TEST_F(RoundFlow, HittingTo21EndsTheHandWithoutAClick) {
    StackDeal("H10", "S06", "D10", "C07", {"H05"});
    BetAndDeal();
    table.bbtn_hitClick();
    EXPECT_FALSE(table.state().roundActive) << "21 played the dealer and settled";
    EXPECT_EQ(lesson.chips, 10000 + 5);
}

}  // namespace
}  // namespace vantrel
