#include <gtest/gtest.h>

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
    Play("H10 S06 D05 C10");
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

struct PlayedRound {
    const char* name;
    const char* cards;  // player, player, hole, up, draws
    const char* actions;
    const char* result;
    int won;
    bool cardsLeft;  // whether the dealer left stacked cards in the shoe
};

class Rounds : public TableTest, public ::testing::WithParamInterface<PlayedRound> {};

// A blackjack on the deal settles at once: the buttons are never enabled.
TEST_P(Rounds, TurnTheHoleCardAndSettle) {
    const PlayedRound& c = GetParam();
    Open();
    Play(c.cards, c.actions);
    EXPECT_FALSE(table.state().roundActive);
    EXPECT_TRUE(view.Logged({"face 0 " + std::string(c.cards).substr(8, 3)}));
    EXPECT_EQ(view.Text(Control::l_p1rslt), c.result);
    EXPECT_FALSE(view.Visible(Control::l_p1rslt)) << "cleared after the pause";
    EXPECT_EQ(DealerCodes(), Codes{});
    EXPECT_EQ(lesson.chips, 10000 + c.won);
    EXPECT_EQ(table.shoe().HasStackedCards(), c.cardsLeft);
    EXPECT_EQ(view.Logged({"enable actions"}), c.actions[0] != '\0');
}

INSTANTIATE_TEST_SUITE_P(
    Deals, Rounds,
    ::testing::Values(
        PlayedRound{"PlayerBlackjack", "S01 H13 D09 C10", "", "Win", 7, false},
        PlayedRound{"DealerBlackjackUnderTen", "S10 H09 D01 C10", "", "Lose", -5, false},
        PlayedRound{"DealerBlackjackUnderAce", "S10 H09 D12 C01", "", "Lose", -5, false},
        PlayedRound{"BothBlackjack", "S01 H12 D01 C11", "", "Push", 0, false},
        PlayedRound{"DealerStandsOnSoft17", "H10 S08 D06 C01", "s", "Win", 5, false},
        PlayedRound{"DealerDrawsTo17", "H10 S08 D06 C10 H02 S03", "s", "Push", 0, true},
        PlayedRound{"AllHandsBustedDealerDrawsNothing", "H10 S06 D06 C10 H09 S02", "h", "Lose", -5,
                    true},
        PlayedRound{"HittingTo21EndsTheHand", "H10 S06 D10 C07 H05", "h", "Win", 5, false}),
    [](const auto& info) { return info.param.name; });

TEST_F(RoundFlow, EighthCardReplacesTheSeventhPicture) {
    Play("S01 H01 D09 C10 D01 C01 S02 H02 D02 C02", "hhhhh");
    EXPECT_EQ(table.state().handCards[1], 7);
    EXPECT_EQ(HandCodes(1).back(), "D02");
    table.bbtn_hitClick();
    // A,A,A,A,2,2,2,2 is 12 with eight cards; the eighth sits at position 7.
    EXPECT_EQ(table.state().handCards[1], 8);
    EXPECT_EQ(table.state().handTotal[1], 412);
    EXPECT_EQ(HandCodes(1).size(), 7u);
    EXPECT_EQ(HandCodes(1).back(), "C02");
}

}  // namespace
}  // namespace vantrel
