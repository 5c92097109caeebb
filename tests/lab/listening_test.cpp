#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "coach/coach.h"
#include "sim/chart_player.h"
#include "sim/quiet_view.h"
#include "support/recording_events.h"
#include "support/recording_view.h"

namespace vantrel::lab {
namespace {

constexpr int kRounds = 10'000;

// A table in the All Night Play Room with a player who follows the chart. Whether it is seen, and
// whether anyone hears its events, is up to the test; the player and the seed are the same.
class PlayedTable {
  public:
    PlayedTable(const StrategyTable& chart, std::unique_ptr<TableView> view, bool heard)
        : chart_(chart), view_(std::move(view)), coach_(table_, chart) {
        table_.rules = {6, 60, 3};
        table_.SetSeedSource([] { return 20261206u; });
        if (heard) {
            table_.SetEvents(&events_);
            table_.SetCoaching(&coach_);
        }
        table_.FormShow();
    }

    // Plays the rounds and returns, line by line, the cards of every decision and the chips and
    // the shoe after every round.
    std::vector<std::string> Play() {
        std::vector<std::string> trace;
        for (int round = 0; round < kRounds; ++round) {
            table_.l_bet005Click();
            while (table_.startTimerRunning()) table_.tm_startTimer();
            while (table_.state().roundActive && table_.actionsEnabled()) {
                const Action action = ChartPlayerAction(chart_, table_);
                trace.push_back(HandCodes() + " " + std::to_string(static_cast<int>(action)));
                PressAction(table_, action);
            }
            trace.push_back("chips " + std::to_string(lesson_.chips) + " left " +
                            std::to_string(table_.shoe().CardsLeft()) + " count " +
                            std::to_string(table_.shoe().runningCount));
            if (auto* recording = dynamic_cast<testing::RecordingView*>(view_.get()))
                recording->log.clear();
        }
        return trace;
    }

    const testing::RecordingEvents& events() const { return events_; }

  private:
    std::string HandCodes() const {
        const int hand = table_.state().currentHand;
        std::string codes =
            "hand " + std::to_string(hand) + " vs " + table_.slot(DealerSlot(2)).code() + ":";
        for (int position = 1; position <= table_.state().handCards[hand]; ++position)
            codes += " " + table_.slot(PlayerSlot(hand, position)).code();
        return codes;
    }

    const StrategyTable& chart_;
    std::unique_ptr<TableView> view_;
    LessonSetup lesson_{.lessonCode = "P",
                        .lessonHasTable = true,
                        .chips = 100'000'000,
                        .lessonMode = LessonMode::FreePlay,
                        .quota = 1,
                        .maxBetSetting = 100};
    Table table_{*view_, lesson_};
    testing::RecordingEvents events_;
    Coach coach_;
};

// The lab's table (seen by no one, heard by no one) skips the screen, the events and the judging,
// and must deal the same cards, take the same decisions and pay the same results as the trainer's
// table, seen and heard; and a table heard but not seen tells its listener all the trainer's
// table tells, the decisions judged in free play included.
TEST(Listening, NeitherSeeingNorHearingChangesPlay) {
    StrategyTable chart;
    ASSERT_TRUE(LoadStrategyTable(chart, VANTREL_SOURCE_DIR "/data/bs4bj.dat"));
    PlayedTable lab(chart, std::make_unique<QuietView>(), false);
    PlayedTable trainer(chart, std::make_unique<testing::RecordingView>(), true);
    PlayedTable heardOnly(chart, std::make_unique<QuietView>(), true);

    const std::vector<std::string> played = lab.Play();
    EXPECT_EQ(trainer.Play(), played);
    EXPECT_EQ(heardOnly.Play(), played);

    EXPECT_EQ(heardOnly.events().lines, trainer.events().lines);
    const std::vector<std::string> rounds = trainer.events().Lines("round");
    const std::vector<std::string> decisions = trainer.events().Lines("decision");
    EXPECT_EQ(rounds.size(), static_cast<std::size_t>(kRounds));
    EXPECT_EQ(decisions.size(), played.size() - kRounds);
}

}  // namespace
}  // namespace vantrel::lab
