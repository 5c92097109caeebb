#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "support/table_fixture.h"

namespace vantrel {
namespace {

using testing::TableTest;

struct Offer {
    int chips;
    bool chip5;
    bool chip25;
    bool chip100;
};

class ChipOffer : public TableTest, public ::testing::WithParamInterface<Offer> {};

TEST_P(ChipOffer, OffersAChipOnlyWithTheSmallerChipsBesideIt) {
    const Offer& offer = GetParam();
    Open(LessonMode::FreePlay, offer.chips);
    for (auto [image, label, shown] :
         {std::tuple{Control::img_chip005, Control::l_bet005, offer.chip5},
          std::tuple{Control::img_chip025, Control::l_bet025, offer.chip25},
          std::tuple{Control::img_chip100, Control::l_bet100, offer.chip100}}) {
        EXPECT_EQ(view.Visible(image), shown);
        EXPECT_EQ(view.Visible(label), shown);
    }
    EXPECT_EQ(view.Text(Control::l_chip), "$" + std::to_string(offer.chips));
    // A click on a chip that is not offered places nothing.
    table.l_bet100Click();
    EXPECT_EQ(lesson.chips, offer.chip100 ? offer.chips - 100 : offer.chips);
}

INSTANTIATE_TEST_SUITE_P(
    Thresholds, ChipOffer,
    ::testing::Values(Offer{4, false, false, false}, Offer{5, true, false, false},
                      Offer{29, true, false, false}, Offer{30, true, true, false},
                      Offer{129, true, true, false}, Offer{130, true, true, true},
                      Offer{10000, true, true, true}),
    [](const auto& info) { return std::to_string(info.param.chips); });

class Betting : public TableTest {};

TEST_F(Betting, TheTableMaximumRefusesAFurtherChip) {
    Open(LessonMode::FreePlay, 10000, 1, 100);
    EXPECT_EQ(view.Text(Control::l_maxbet), "$100");
    table.l_bet100Click();
    table.l_bet005Click();
    EXPECT_EQ(view.dealerBalloons.back(),
              (std::pair<std::string, int>{"You can't bet any more chips!", 2000}));
    EXPECT_EQ(view.Text(Control::l_bet), "$100");
    EXPECT_EQ(lesson.chips, 9900);
    EXPECT_FALSE(view.Visible(Control::img_bet005));
    EXPECT_TRUE(view.startTimerRunning) << "the countdown runs on";
    // Two hundred takes exactly two $100 chips.
    Open(LessonMode::FreePlay, 1000, 1, 200);
    for (int chip = 0; chip < 3; ++chip) table.l_bet100Click();
    EXPECT_EQ(view.Text(Control::l_bet), "$200");
    EXPECT_EQ(lesson.chips, 800);
}

struct Countdown {
    int gamespeed;
    std::vector<std::string> shown;  // the numbers on the disc before the deal
};

class BettingCountdown : public TableTest, public ::testing::WithParamInterface<Countdown> {};

TEST_P(BettingCountdown, ShowsTheSecondsLeftThenDeals) {
    const Countdown& c = GetParam();
    table.rules.gamespeed = c.gamespeed;
    Open();
    table.l_bet005Click();
    std::vector<std::string> shown;
    int ticks = 0;
    while (table.state().handCards[1] == 0 && ticks < 20) {
        table.tm_startTimer();
        ++ticks;
        if (view.Visible(Control::l_timeout)) shown.push_back(view.Text(Control::l_timeout));
    }
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(ticks, std::max(c.gamespeed + 1, 1));
    EXPECT_FALSE(view.Visible(Control::s_timeout));
    EXPECT_EQ(table.state().countdown, c.gamespeed + 1) << "ready for the next round";
}

INSTANTIATE_TEST_SUITE_P(Speeds, BettingCountdown,
                         ::testing::Values(Countdown{3, {"3", "2", "1"}}, Countdown{1, {"1"}},
                                           Countdown{0, {}}, Countdown{-2, {}}),
                         [](const auto& info) {
                             return "Gamespeed" + std::to_string(info.param.gamespeed + 10);
                         });

TEST_F(Betting, ChipsAddedDuringTheCountdownJoinTheBetWithoutDelayingTheDeal) {
    Open();
    table.l_bet005Click();
    Tick();
    table.l_bet025Click();
    Tick(2);
    EXPECT_EQ(table.state().handCards[1], 0);
    Tick();
    EXPECT_EQ(table.state().handCards[1], 2);
    EXPECT_EQ(table.state().handBet[1], 30);
}

TEST_F(Betting, NoDealBeforeTheShoeIsFilledWhateverTheGameSpeed) {
    table.rules.gamespeed = 0;
    // The student bets during the first balloon of the table's opening shuffle, and the
    // countdown's only tick comes before the shoe has been filled.
    view.DuringWaitOf(2000, [&] {
        table.l_bet005Click();
        table.tm_startTimer();
    });
    Open();
    EXPECT_EQ(table.state().handCards[1], 0) << "no deal from an empty shoe";
    EXPECT_TRUE(view.startTimerRunning);
    table.tm_startTimer();
    EXPECT_EQ(table.state().handCards[1], 2);
    EXPECT_EQ(table.shoe().CardsLeft(), 6 * 52 - 4);
}

}  // namespace
}  // namespace vantrel
