#include <gtest/gtest.h>

#include "support/recording_events.h"
#include "support/table_fixture.h"

namespace vantrel {
namespace {

using testing::RecordingEvents;
using testing::TableTest;

class TableEventsTest : public TableTest {
  protected:
    TableEventsTest() { table.SetEvents(&events); }
    RecordingEvents events;
};

struct VisitCase {
    const char* name;
    LessonSetup lesson;   // code, page, table, chips, mode, quota
    const char* cards;    // player, player, hole, up, draws
    const char* actions;  // then 'm' leaves by the Menu button, 'q' quits
    const char* told;     // the lines told, separated by " | "
};

class Visits : public TableEventsTest, public ::testing::WithParamInterface<VisitCase> {};

// A visit is told as it opens, with the DECK in force, each paid round once, and its end once,
// with how it ended; the program quitting afterwards tells nothing more.
TEST_P(Visits, AreToldFromOpeningToLeaving) {
    const VisitCase& c = GetParam();
    lesson.lessonCode = c.lesson.lessonCode;
    table.rules.deck = 2;
    Open(c.lesson.lessonMode, c.lesson.chips, c.lesson.quota, 200);
    std::string actions = c.actions;
    const bool menu = !actions.empty() && actions.back() == 'm';
    const bool quit = !actions.empty() && actions.back() == 'q';
    if (menu || quit) actions.pop_back();
    Play(c.cards, actions);
    if (menu) table.bbtn_menuClick();
    table.EndVisit(VisitEnd::Quit);
    table.EndVisit(VisitEnd::Quit);
    std::string told;
    for (const std::string& line : events.lines) told += (told.empty() ? "" : " | ") + line;
    EXPECT_EQ(told, c.told);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, Visits,
    ::testing::Values(
        VisitCase{"PassedByTheLastWin",
                  {"NL3", 1, true, 10000, LessonMode::WinQuota, 1},
                  "S10 H09 D10 C08",
                  "s",
                  "visit NL3 mode 1 chips 10000 quota 1 decks 2 | "
                  "round staked 5 payout 10 up C08 dealer 18: 19 Win $5 | "
                  "end Passed chips 10005 quota 0"},
        VisitCase{"SplitHandsEachWithTheirResult",
                  {"P", 1, true, 1000, LessonMode::FreePlay, 1},
                  "S08 H08 D10 C08 D03 C10",
                  "pssq",
                  "visit P mode 0 chips 1000 quota 1 decks 2 | "
                  "round staked 10 payout 5 up C08 dealer 18: 11 Lose $5 18 Push $5 | "
                  "end Quit chips 995 quota 1"},
        VisitCase{"NoChipsLeft",
                  {"NL6", 1, true, 9, LessonMode::WinningsQuota, 1000},
                  "S10 H07 D10 C08",
                  "s",
                  "visit NL6 mode 9 chips 9 quota 1000 decks 2 | "
                  "round staked 5 payout 0 up C08 dealer 18: 17 Lose $5 | "
                  "end NoChips chips 4 quota 1005"},
        VisitCase{"MenuInARoundTellsNoSettlement",
                  {"NL3", 1, true, 10000, LessonMode::WinQuota, 10},
                  "S10 H02 D10 C08",
                  "m",
                  "visit NL3 mode 1 chips 10000 quota 10 decks 2 | end Menu chips 9995 quota 10"},
        VisitCase{"BlackjackSettledAtTheDeal",
                  {"P", 1, true, 1000, LessonMode::FreePlay, 1},
                  "S01 H13 D10 C08",
                  "m",
                  "visit P mode 0 chips 1000 quota 1 decks 2 | "
                  "round staked 5 payout 12 up C08 dealer 18: BJ! Win $5 | "
                  "end Menu chips 1007 quota 1"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantrel
