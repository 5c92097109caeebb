#pragma once

#include <QPoint>
#include <QString>
#include <string>
#include <vector>

#include "engine/table.h"
#include "ui/app_fixture.h"

namespace vantrel {
class Tf_practical;
}

namespace vantrel::test {

// Plays the table screen of a started TestWorld as a student would: chips and buttons clicked
// with the mouse, waits shortened by a time scale so a round takes a fraction of a second.
class TableDriver {
  public:
    explicit TableDriver(TestWorld& world);
    ~TableDriver();

    // The chip and card pictures, the chart and the pages of every lesson with a table.
    static void WriteTableData(TestWorld& world);

    Tf_practical& screen() const;
    Table& table() const;

    // The next cards out of the shoe: the player's two, the hole card, the up card, then more.
    void StackDeal(const char* player1, const char* player2, const char* hole, const char* up,
                   const std::vector<std::string>& more = {});
    // Clicks chips (5, 25, 100) on the chip pictures and waits until the round is dealt and
    // either waits for the student or, after a blackjack, has been settled.
    bool BetAndDeal(const std::vector<int>& chips);
    // Clicks a button of the table (e.g. "bbtn_hit"); returns when the action is over.
    bool Press(const char* name);
    bool WaitUntilSettled();
    // Answers the count-point dialog with the true running count plus `offset`.
    void AnswerCountQuestions(int offset = 0);

    int rounds() const { return rounds_; }

  private:
    TestWorld& world_;
    int rounds_ = 0;
};

// From the menu in front: the lesson button, then "Start", the only button of the lesson's first
// page, if it has one; the table is then up, with no hourglass left on.
void EnterTable(TestWorld& world, const char* lessonButton);

}  // namespace vantrel::test
