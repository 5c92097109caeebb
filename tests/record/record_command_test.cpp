// vantrel-lab record: the record as text and as CSV, read without touching the file.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

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

// A record of many pages with the first page of one table or index overwritten.
std::function<void(const std::string&)> RecordWithADamagedPage(const char* damaged) {
    return [damaged](const std::string& path) {
        {
            RecordStore store;
            ASSERT_TRUE(store.Open(path));
            store.BeginVisit({"NL5", LessonMode::DecisionQuota, 10000, 100, 6});
            for (int round = 0; round < 400; ++round)
                store.AddRound(OneHandRound(10, 20, {StandOnSixteenAgainstTen(10)}));
        }
        const std::size_t page = std::stoul(QueryText(
            path, ("SELECT rootpage FROM sqlite_schema WHERE name = '" + std::string(damaged) + "'")
                      .c_str()));
        std::string bytes = ReadBytes(path);
        constexpr std::size_t kPage = 4096;
        bytes.replace((page - 1) * kPage, kPage, kPage, '\x55');
        WriteBytes(path, bytes);
    };
}

// No file, a text file, another program's database, a record that cannot be read through, as
// text and as CSV: status 2, and nothing touched.
TEST(RecordCommand, RefusesWhatIsNoRecordWithStatusTwo) {
    const std::tuple<std::function<void(const std::string&)>, const char*, const char*> cases[] = {
        {[](const std::string&) {}, "", "."},
        {[](const std::string& path) { WriteBytes(path, std::string(2000, 'x')); }, "",
         " is not a record of the trainer"},
        {MakeOtherDatabase, "", " is not a record of the trainer."},
        {RecordWithADamagedPage("mistakes_by_cell"), "",
         " cannot be read (database disk image is malformed)."},
        {RecordWithADamagedPage("decisions"), " --csv",
         " cannot be read (database disk image is malformed)."}};
    for (const auto& [make, option, message] : cases) {
        TempFolder folder;
        const std::string path = folder / "vantrel.sqlite";
        make(path);
        const std::vector<std::string> entries = folder.Entries();
        const std::string bytes = ReadBytes(path);

        const CommandRun run = RunRecordCommand("'" + path + "'" + option);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.output.find(path + message), std::string::npos) << run.output;
        EXPECT_EQ(folder.Entries(), entries);
        EXPECT_EQ(ReadBytes(path), bytes);
    }
}

}  // namespace
}  // namespace vantrel::record
