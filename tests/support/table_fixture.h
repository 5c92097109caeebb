#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "coach/strategy_table.h"
#include "engine/table.h"
#include "support/recording_view.h"

namespace vantrel::testing {

// A chart with every cell set to one code.
StrategyTable ChartOf(int code);

// A table on a recording view with a fixed seed. After every engine step it checks the table's
// consistency and the chips ledger: during a round, chips plus stakes stay what the student had
// before betting; at settlement, chips rise by exactly what the shown results pay.
class TableTest : public ::testing::Test {
  protected:
    TableTest();

    // Sets the lesson's values and opens the table (set-up, shuffle balloons).
    void Open(LessonMode mode = LessonMode::FreePlay, int chips = 10000, int quota = 1,
              int maxBet = 100);
    // The next cards out of the shoe, by code: "S01 H13".
    void Stack(std::string_view codes);
    // Stacks a round's cards (player, player, hole card, up card, then the draws), bets the chips,
    // lets the countdown run out, which deals, and presses the actions: h hit, s stand,
    // d double, p split.
    void Play(std::string_view cards, std::string_view actions = {},
              std::initializer_list<int> chips = {5});
    // Presses the actions named by letters, as above.
    void Press(std::string_view actions);
    void Tick(int times = 1);

    // Card codes of a player hand's visible slots, and of the dealer's.
    std::vector<std::string> HandCodes(int hand) const;
    std::vector<std::string> DealerCodes() const;

    RecordingView view;
    LessonSetup lesson;
    Table table{view, lesson};

  private:
    void CheckLedger(const Table& table);
    int chipsBeforeRound_ = -1;
    int insuredThisRound_ = 0;  // the insurance stake of the round in play
};

}  // namespace vantrel::testing
