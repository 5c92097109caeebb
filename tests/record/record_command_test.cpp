// vantrel-lab record: the record as text and as CSV, read without touching the file.
#include <sys/wait.h>

#include <array>
#include <cstdio>

#include <gtest/gtest.h>

#include "record/record_store.h"
#include "record_samples.h"
#include "support/temp_folder.h"

namespace vantrel::record {
namespace {

struct LabRun {
    int status = -1;
    std::string output;
};

LabRun RunLab(const std::string& arguments, const char* streams = " 2>&1") {
    LabRun run;
    FILE* pipe = popen((std::string(VANTREL_LAB) + " record " + arguments + streams).c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer;
    while (std::size_t read = std::fread(buffer.data(), 1, buffer.size(), pipe))
        run.output.append(buffer.data(), read);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class RecordCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        RecordStore store;
        ASSERT_TRUE(store.Open(path_));
        store.BeginVisit({"NL5", LessonMode::DecisionQuota, 10000, 100, 6});
        store.AddRound(OneHandRound(10, 0, {RightHit(10), StandOnSixteenAgainstTen(10)}));
        store.EndVisit({VisitEnding::Menu, 9990, 100});
        store.BeginVisit({"N,\"L\"", LessonMode::FreePlay, 0, 0, 6});
        store.AddRound(OneHandRound(10, 0, {RightHit(10)}));
    }

    TempFolder folder_;
    std::string path_ = folder_ / "vantrel.sqlite";
};

TEST_F(RecordCommand, PrintsTheSummaryAndTheCostliestMistakes) {
    const LabRun run = RunLab(path_);
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(
        run.output.find(
            "NL5  Practice 2 (Strategy)       1      0      1  1 of 2 (50.0 %)           -\n"),
        std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("\n  Hard 16 vs 10: you STAND, right HIT, 1 time, 4.0 % of the bet "
                              "each, $0.40 in all\n"),
              std::string::npos)
        << run.output;
    EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"vantrel.sqlite"});
}

TEST_F(RecordCommand, WritesEveryDecisionAsCsv) {
    const LabRun run = RunLab(path_ + " --csv", "");
    EXPECT_EQ(run.status, 0);
    const std::string expected[] = {
        "time,lesson,decks,hand,cards,up_card,chart,row,column,cell,action,advice,right,"
        "ev_taken,ev_best,stake\n",
        "Z,NL5,6,1,S10 D06,C13,hard,16,10,Hard 16 vs 10,STAND,HIT,0,-0.540000,-0.500000,10\n",
        "Z,\"N,\"\"L\"\"\",6,1,S10 D06,C13,hard,16,10,Hard 16 vs 10,HIT,HIT,1,-0.500000,"
        "-0.500000,10\n"};
    EXPECT_TRUE(run.output.starts_with(expected[0])) << run.output;
    for (const std::string& line : expected) {
        EXPECT_NE(run.output.find(line), std::string::npos) << run.output;
    }
}

struct RefusedCase {
    const char* name;
    void (*make)(const std::string& path);
    const char* message;
};

class RecordCommandRefuses : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RecordCommandRefuses, WhatIsNoRecordWithStatusTwo) {
    TempFolder folder;
    const std::string path = folder / "vantrel.sqlite";
    GetParam().make(path);
    const std::vector<std::string> entries = folder.Entries();
    const std::string bytes = ReadBytes(path);

    const LabRun run = RunLab("'" + path + "'");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.output.find(path + GetParam().message), std::string::npos) << run.output;
    EXPECT_EQ(folder.Entries(), entries);
    EXPECT_EQ(ReadBytes(path), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Record, RecordCommandRefuses,
    ::testing::Values(RefusedCase{"MissingFile", [](const std::string&) {}, "."},
                      RefusedCase{
                          "TextFile",
                          [](const std::string& path) { WriteBytes(path, std::string(2000, 'x')); },
                          " is not a record of the trainer"},
                      RefusedCase{"AnotherProgramsDatabase", MakeOtherDatabase,
                                  " is not a record of the trainer."}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vantrel::record
