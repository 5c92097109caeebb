#include "recorder/recorder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <tuple>
#include <vector>

#include "coach/coach.h"
#include "record/record_queries.h"
#include "record/record_reader.h"
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
        EXPECT_TRUE(
            record::ForEachDecision(record::RecordReader(path),
                                    [&](const record::DecisionRow& row) { rows.push_back(row); }));
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

}  // namespace
}  // namespace vantrel
