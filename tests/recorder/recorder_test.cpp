#include "recorder/recorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <tuple>
#include <vector>

#include "coach/coach.h"
#include "record/record_queries.h"
#include "record/record_reader.h"
#include "record/record_store.h"
#include "support/file_size_limit.h"
#include "support/run_command.h"
#include "support/table_fixture.h"
#include "support/temp_folder.h"

namespace vantrel {
namespace {

// The strategy practice on the shipped chart, its events heard by a recorder.
class RecorderTest : public testing::TableTest {
  protected:
    RecorderTest() {
        LoadStrategyTable(chart, VANTREL_SOURCE_DIR "/data/bs4bj.dat");
        table.SetCoaching(&coach);
        table.SetEvents(&recorder);
        lesson.lessonCode = "NL5";
    }

    // Every decision written so far, once the recorder has written what it heard.
    std::vector<record::DecisionRow> Decisions() {
        EXPECT_TRUE(recorder.WaitUntilWritten(std::chrono::seconds(60)));
        std::vector<record::DecisionRow> rows;
        record::ForEachDecision(record::RecordReader(path),
                                [&](const record::DecisionRow& row) { rows.push_back(row); });
        return rows;
    }

    TempFolder folder;
    std::string path = folder / "vantrel.sqlite";
    StrategyTable chart;
    Coach coach{table, chart};
    Recorder recorder{path};
};

// What `vantrel-lab chart --ev` prints for an action of one cell: "pair 8,8  v T ... S -0.5369".
double LabValue(int decks, const std::string& cell, char action) {
    const std::string output =
        testing::RunCommand(VANTREL_LAB " chart --ev --decks " + std::to_string(decks)).output;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(cell, 0) != 0) continue;
        const std::size_t at = line.find(std::string(" ") + action + " ");
        if (at != std::string::npos) return std::stod(line.substr(at + 3));
    }
    ADD_FAILURE() << "the lab prints no " << action << " for " << cell;
    return 0;
}

// A pair row holds its one pair alone, so the trainer's figures for standing on 8,8 against a
// ten, and for the split it should have made, are the lab's for that cell, for the DECK in force.
// A round the student then walks away from keeps the decision taken in it.
TEST_F(RecorderTest, ValuesEachDecisionAsTheLabValuesItsCellAndKeepsEveryOne) {
    table.rules.deck = 2;
    Open(LessonMode::DecisionQuota, 10000, 100);
    Play("S08 H08 D10 C13", "s");
    Play("S10 H02 D10 C08 D03", "h");  // 15: the round waits for the next decision
    view.boxAnswers.push_back(1);
    table.bbtn_menuClick();
    const std::vector<record::DecisionRow> rows = Decisions();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(std::tuple(rows[0].decks, rows[0].cell, rows[0].right),
              std::tuple(2, ChartCell{ChartPart::Pair, 8, 10}, false));
    ASSERT_TRUE(rows[0].evTaken && rows[0].evBest);
    EXPECT_NEAR(*rows[0].evTaken, LabValue(2, "pair 8,8  v T", 'S'), 0.00005);
    EXPECT_NEAR(*rows[0].evBest, LabValue(2, "pair 8,8  v T", 'P'), 0.00005);
    EXPECT_EQ(std::tuple(rows[1].cards, rows[1].action, rows[1].right),
              std::tuple("S10 H02", Action::Hit, true));
    const record::LessonSummary strategy = record::LessonSummaries(record::RecordReader(path))[1];
    EXPECT_EQ(std::tuple(strategy.lessonCode, strategy.rounds), std::tuple("NL5", 1));
}

// The chart hits hard 8 against a 6 by its total; at one deck, for 3-5 exactly, a double is
// worth more. Doubling is judged wrong, and the record keeps what it cost against the chart's
// advice, which judged it: less than nothing.
TEST_F(RecorderTest, AMistakeCostsWhatTheChartsAdviceWasWorthOverIt) {
    table.rules.deck = 1;
    Open(LessonMode::DecisionQuota, 10000, 100);
    Play("S03 H05 D10 C06 D02", "d");
    const std::vector<record::DecisionRow> rows = Decisions();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(std::tuple(rows[0].action, rows[0].advice, rows[0].right),
              std::tuple(Action::DoubleDown, kChartHit, false));
    const std::vector<record::Mistake> mistakes =
        record::MistakesByCell(record::RecordReader(path));
    ASSERT_EQ(mistakes.size(), 1u);
    EXPECT_LT(mistakes[0].totalCost, 0);
}

// A record that cannot be written for a while: locked by another program, or on a full disk,
// from the start or from the middle of a lesson. The writer tries again with growing pauses,
// kept on a virtual clock; when the trouble passes every round is in the file, and the student
// was told once. Past the rounds that may wait, the oldest are let go, and the student is told.
class HeldUpRecorderTest : public testing::TableTest {
  protected:
    enum class Trouble { Lock, FullDisk };

    HeldUpRecorderTest() { lesson.lessonCode = "NL3"; }

    // Starts the trouble, which passes once every round is played and the writer has paused
    // `lasting` in all.
    void Begin(Trouble trouble, std::chrono::milliseconds lasting) {
        lasting_ = lasting;
        if (trouble == Trouble::FullDisk) {
            fullDisk_.emplace(1024);
            return;
        }
        ASSERT_EQ(sqlite3_open(path.c_str(), &locker_), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(locker_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    }

    void StartRecorder(int maxWaiting = Recorder::kMaxWaiting) {
        const auto pause = [this](std::chrono::milliseconds pause) {
            paused_ += pause;
            if (played_ && paused_ >= lasting_) End();
        };
        recorder_ = std::make_unique<Recorder>(
            path, Recorder::Options{.busyTimeoutMs = 0, .pause = pause, .maxWaiting = maxWaiting});
        table.SetEvents(recorder_.get());
    }

    void End() {
        fullDisk_.reset();
        if (locker_) sqlite3_exec(locker_, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(locker_);
        locker_ = nullptr;
    }

    void PlayRounds(int rounds) {
        for (int round = 0; round < rounds; ++round) Play("S10 H07 D10 C08", "s");
    }

    ~HeldUpRecorderTest() override { End(); }

    TempFolder folder;
    std::string path = folder / "vantrel.sqlite";
    std::unique_ptr<Recorder> recorder_;
    std::chrono::milliseconds lasting_{0};
    std::chrono::milliseconds paused_{0};  // on the writer's thread until it has written all
    std::atomic<bool> played_{false};
    sqlite3* locker_ = nullptr;
    std::optional<testing::FileSizeLimit> fullDisk_;
};

TEST_F(HeldUpRecorderTest, KeepsEveryRoundUntilTheRecordCanBeWrittenAgain) {
    using namespace std::chrono_literals;
    constexpr int kAll = Recorder::kMaxWaiting;
    const struct {
        Trouble trouble;
        bool fromTheStart;
        std::chrono::milliseconds lasting;
        int maxWaiting = kAll;
        const char* letGo = "";
    } cases[] = {{Trouble::Lock, false, 3s},
                 {Trouble::Lock, true, 5s},
                 {Trouble::FullDisk, true, 2s},
                 {Trouble::Lock, true, 1s, 4, "written but the 6 oldest rounds and answers"}};
    for (const auto& c : cases) {
        std::filesystem::remove_all(folder.path());
        std::filesystem::create_directories(folder.path());
        { record::RecordStore().Open(path); }
        paused_ = 0ms;
        played_ = false;
        if (c.fromTheStart) Begin(c.trouble, c.lasting);
        StartRecorder(c.maxWaiting);
        Open(LessonMode::WinQuota, 10000, 1000);
        PlayRounds(3);
        if (!c.fromTheStart) {
            ASSERT_TRUE(recorder_->WaitUntilWritten(std::chrono::seconds(60)));
            Begin(c.trouble, c.lasting);
        }
        PlayRounds(7);
        played_ = true;
        ASSERT_TRUE(recorder_->WaitUntilWritten(std::chrono::seconds(60)));
        EXPECT_GE(paused_, c.lasting);
        const std::string told = recorder_->TakeMessage();
        EXPECT_NE(told.find("The record " + path + " cannot be written just now ("),
                  std::string::npos)
            << told;
        EXPECT_NE(told.find(c.letGo), std::string::npos) << told;
        EXPECT_EQ(recorder_->TakeMessage(), "");
        const int kept = std::min(10, c.maxWaiting);
        EXPECT_EQ(record::LessonSummaries(record::RecordReader(path))[0].rounds, kept);
        // The next run reads and writes as ever.
        recorder_.reset();
        StartRecorder();
        Open(LessonMode::WinQuota, 10000, 1000);
        PlayRounds(1);
        ASSERT_TRUE(recorder_->WaitUntilWritten(std::chrono::seconds(60)));
        EXPECT_EQ(record::LessonSummaries(record::RecordReader(path))[0].rounds, kept + 1);
        EXPECT_EQ(recorder_->TakeMessage(), "");
        recorder_.reset();
    }
}

}  // namespace
}  // namespace vantrel
