// vantrel-lab record: the record as text and as CSV, read without touching the file.
#include <gtest/gtest.h>

#include <functional>

#include "record_samples.h"
#include "support/run_command.h"
#include "support/temp_folder.h"

namespace vantrel::record {
namespace {

using testing::CommandRun;

CommandRun RunRecordCommand(const std::string& arguments, const char* streams = " 2>&1") {
    return testing::RunCommand(VANTREL_LAB " record " + arguments + streams);
}

TEST(RecordCommand, PrintsTheSummaryAndTheCostliestMistakesOrEveryDecisionAsCsv) {
    TempFolder folder;
    const std::string path = folder / "vantrel.sqlite";
    {
        RecordStore store;
        ASSERT_TRUE(store.Open(path));
        WriteSampleRecord(store);
    }
    const CommandRun text = RunRecordCommand(path);
    EXPECT_EQ(text.status, 0) << text.output;
    for (const char* line :
         {"NL5  Practice 2 (Strategy)       1      1      2  1 of 3 (33.3 %)           -\n",
          "\n  Hard 16 vs 10: you STAND, right HIT, 3 times, 4.0 % of the bet each, $5.20 in "
          "all\n"})
        EXPECT_NE(text.output.find(line), std::string::npos) << text.output;

    const CommandRun csv = RunRecordCommand(path + " --csv", "");
    EXPECT_EQ(csv.status, 0);
    EXPECT_TRUE(
        csv.output.starts_with("time,lesson,decks,hand,cards,up_card,chart,row,column,cell,"
                               "action,advice,right,ev_taken,ev_best,stake\n"))
        << csv.output;
    EXPECT_NE(csv.output.find(",NL5,8,1,S10 D06,C13,hard,16,10,Hard 16 vs 10,STAND,HIT,0,"
                              "-0.540000,-0.500000,10\n"),
              std::string::npos)
        << csv.output;
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"vantrel.sqlite"});
}

// No file, a text file, another program's database: status 2, and nothing touched.
TEST(RecordCommand, RefusesWhatIsNoRecordWithStatusTwo) {
    const std::pair<std::function<void(const std::string&)>, const char*> cases[] = {
        {[](const std::string&) {}, "."},
        {[](const std::string& path) { WriteBytes(path, std::string(2000, 'x')); },
         " is not a record of the trainer"},
        {MakeOtherDatabase, " is not a record of the trainer."}};
    for (const auto& [make, message] : cases) {
        TempFolder folder;
        const std::string path = folder / "vantrel.sqlite";
        make(path);
        const std::vector<std::string> entries = folder.Entries();
        const std::string bytes = ReadBytes(path);

        const CommandRun run = RunRecordCommand("'" + path + "'");
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.output.find(path + message), std::string::npos) << run.output;
        EXPECT_EQ(folder.Entries(), entries);
        EXPECT_EQ(ReadBytes(path), bytes);
    }
}

}  // namespace
}  // namespace vantrel::record
