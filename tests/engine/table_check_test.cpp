// The consistency check catches each kind of fault planted in a copy of a table mid-round.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/table_check.h"
#include "support/table_fixture.h"

namespace vantrel {
namespace {

struct Fault {
    const char* name;
    std::function<void(Table&, LessonSetup&)> plant;
    const char* message;  // a part of the message that names the fault
};

class TableCheckTest : public testing::TableTest, public ::testing::WithParamInterface<Fault> {
  protected:
    // A round after a split: hand 1 with its two cards, hand 2 with one, the dealer with two.
    void SetUp() override {
        Open(LessonMode::FreePlay, 1000);
        Play("S08 H08 D10 C07 S03", "p");
        ASSERT_EQ(table.state().handCount, 2);
        ASSERT_EQ(CheckTable(table), "");
    }
};

TEST_P(TableCheckTest, FindsThePlantedFault) {
    Table broken = table;
    ASSERT_EQ(CheckTable(broken), "") << "a copy of a sound table is sound";
    const int chips = lesson.chips;
    GetParam().plant(broken, lesson);
    const std::string fault = CheckTable(broken);
    lesson.chips = chips;
    EXPECT_NE(fault.find(GetParam().message), std::string::npos) << "got: \"" << fault << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Faults, TableCheckTest,
    ::testing::Values(
        Fault{"CurrentHandZero", [](Table& t, LessonSetup&) { t.state().currentHand = 0; },
              "hands out of bounds"},
        Fault{"MoreThanFourHands",
              [](Table& t, LessonSetup&) {
                  t.state().handCount = 5;
                  t.state().currentHand = 5;
              },
              "hands out of bounds"},
        Fault{"DealerNegativeCards", [](Table& t, LessonSetup&) { t.state().dealerCards = -1; },
              "dealer has a negative card count"},
        Fault{"DealerSlotEmptied", [](Table& t, LessonSetup&) { t.ClearCardSlot(DealerSlot(1)); },
              "dealer position 1"},
        Fault{"DealerTotalOff", [](Table& t, LessonSetup&) { t.state().dealerTotal += 1; },
              "dealer total"},
        Fault{"StrayCardInAHand",
              [](Table& t, LessonSetup&) { t.MoveCardSlot(PlayerSlot(1, 1), PlayerSlot(1, 5)); },
              "hand 1 position 5"},
        Fault{"HandTotalOff", [](Table& t, LessonSetup&) { t.state().handTotal[1] = 4; },
              "hand 1 total"},
        Fault{"NegativeBet", [](Table& t, LessonSetup&) { t.state().handBet[2] = -5; },
              "hand 2 has a negative bet"},
        Fault{"CardsBeyondHandCount", [](Table& t, LessonSetup&) { t.state().handCards[4] = 1; },
              "hand 4 is beyond the hand count"},
        Fault{"NegativeChips", [](Table&, LessonSetup& l) { l.chips = -1; }, "chips are negative"},
        Fault{"ShoeCellAboveDecks",
              [](Table& t, LessonSetup&) { t.shoe().SetCount(4, 1, t.shoe().decks() + 1); },
              "shoe count out of range for H01"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vantrel
