#include <array>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

namespace {

struct LabRun {
    int status = -1;
    std::string output;  // standard output and standard error together
};

LabRun RunLab(const std::string& arguments) {
    LabRun run;
    const std::string command = std::string(VANTREL_LAB) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer;
    while (std::size_t read = std::fread(buffer.data(), 1, buffer.size(), pipe)) {
        run.output.append(buffer.data(), read);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

struct RefusedCase {
    const char* name;
    const char* arguments;
    const char* message;
};

class RefusedArguments : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedArguments, ExitWithStatusTwoAndSayWhy) {
    const LabRun run = RunLab(GetParam().arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.output.find(GetParam().message), std::string::npos) << run.output;
}

INSTANTIATE_TEST_SUITE_P(
    Lab, RefusedArguments,
    testing::Values(RefusedCase{"NoCommand", "", "Usage: vantrel-lab"},
                    RefusedCase{"UnknownCommand", "charts", "unknown command 'charts'"},
                    RefusedCase{"UnknownOption", "chart --fast", "unknown option '--fast'"},
                    RefusedCase{"DecksNotANumber", "chart --decks six", "not 'six'"},
                    RefusedCase{"DecksNegative", "chart --decks -1", "not '-1'"},
                    RefusedCase{"DecksTooMany", "chart --decks=65", "not '65'"},
                    RefusedCase{"DecksMissing", "chart --decks", "--decks needs"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

TEST(LabCommand, HelpNamesEveryCommandAndOption) {
    const LabRun top = RunLab("--help");
    EXPECT_EQ(top.status, 0);
    EXPECT_NE(top.output.find("chart"), std::string::npos);
    const LabRun chart = RunLab("chart --help");
    EXPECT_EQ(chart.status, 0);
    for (const char* option : {"--decks", "--ev", "--edge", "--help"}) {
        EXPECT_NE(chart.output.find(option), std::string::npos) << option;
    }
}

TEST(LabCommand, ChartPrintsRecordsValuesAndTheEdge) {
    const LabRun run = RunLab("chart --decks 0 --ev --edge");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("\n111103\n"), std::string::npos);  // hard 11 v ten doubles
    EXPECT_NE(run.output.find("\nhard 16   v T "), std::string::npos);
    EXPECT_NE(run.output.find("\nhouse edge: 0."), std::string::npos);
}

}  // namespace
