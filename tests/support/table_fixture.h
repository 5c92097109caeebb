#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/table.h"
#include "support/recording_view.h"

namespace vantrel::testing {

// A table on a recording view with a fixed seed. After every engine step it checks the table's
// consistency and the chips ledger: during a round, chips plus stakes stay what the student had
// before betting; at settlement, chips rise by exactly what the shown results pay.
class TableTest : public ::testing::Test {
  protected:
    TableTest();

    // Sets the lesson's values and opens the table (set-up, shuffle balloons).
    void Open(LessonMode mode = LessonMode::FreePlay, int chips = 10000, int quota = 1,
              int maxBet = 100);
    // The next cards out of the shoe, by code ("S01", "H13").
    void Stack(const std::vector<std::string>& codes);
    // Stacks a deal: the player's two cards, the dealer's hole card and up card, then any
    // further cards in the order they will be drawn.
    void StackDeal(const char* player1, const char* player2, const char* hole, const char* up,
                   const std::vector<std::string>& more = {});
    // Bets with the chips given and lets the countdown run out, which deals the round.
    void BetAndDeal(std::initializer_list<int> chips = {5});
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
};

}  // namespace vantrel::testing
