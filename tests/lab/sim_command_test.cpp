#include <array>
#include <cstdio>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace {

constexpr const char* kChart = " --chart " VANTREL_SOURCE_DIR "/data/bs4bj.dat";

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
    while (std::size_t read = std::fread(buffer.data(), 1, buffer.size(), pipe))
        run.output.append(buffer.data(), read);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// The report without its speed, which no two runs share.
std::string WithoutSpeed(const std::string& report) {
    std::istringstream lines(report);
    std::string kept;
    for (std::string line; std::getline(lines, line);)
        if (!line.starts_with("rounds per second:")) kept += line + '\n';
    return kept;
}

TEST(SimCommand, TheSameSeedAndThreadsGiveTheSameReport) {
    const std::string arguments = std::string("sim --rounds 20000 --seed 7 --threads 2") + kChart;
    const LabRun first = RunLab(arguments);
    const LabRun second = RunLab(arguments);
    ASSERT_EQ(first.status, 0) << first.output;
    EXPECT_NE(first.output.find("rounds: 20000\nhouse edge: "), std::string::npos) << first.output;
    EXPECT_EQ(WithoutSpeed(first.output), WithoutSpeed(second.output));
    const LabRun otherSeed =
        RunLab(std::string("sim --rounds 20000 --seed 8 --threads 2") + kChart);
    EXPECT_NE(WithoutSpeed(first.output), WithoutSpeed(otherSeed.output));
}

TEST(SimCommand, ReportsEveryFigure) {
    const LabRun run = RunLab(std::string("sim --rounds=5000 --threads=3") + kChart);
    ASSERT_EQ(run.status, 0) << run.output;
    for (const char* figure : {"rounds: 5000\n", "house edge: ", "% \u00b1 ", "rounds per second: ",
                               "blackjacks: ", "busts: ", "splits: ", "doubles: "})
        EXPECT_NE(run.output.find(figure), std::string::npos) << figure;
    EXPECT_EQ(run.output.find("refused"), std::string::npos) << run.output;
}

TEST(SimCommand, HelpNamesEveryOption) {
    const LabRun sim = RunLab("sim --help");
    EXPECT_EQ(sim.status, 0);
    for (const char* option : {"--rounds", "--seed", "--threads", "--chart", "--help"})
        EXPECT_NE(sim.output.find(option), std::string::npos) << option;
    const LabRun top = RunLab("--help");
    for (const char* command : {"sim", "bench"})
        EXPECT_NE(top.output.find(command), std::string::npos) << command;
}

struct RefusedCase {
    const char* name;
    const char* arguments;
    const char* message;
};

class RefusedSimArguments : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedSimArguments, ExitWithStatusTwoAndSayWhy) {
    const LabRun run = RunLab(GetParam().arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.output.find(GetParam().message), std::string::npos) << run.output;
}

INSTANTIATE_TEST_SUITE_P(
    Lab, RefusedSimArguments,
    testing::Values(
        RefusedCase{"UnknownOption", "sim --fast", "unknown option '--fast'"},
        RefusedCase{"RoundsMissing", "sim --rounds", "--rounds needs a value"},
        RefusedCase{"RoundsNotANumber", "sim --rounds many", "not 'many'"},
        RefusedCase{"RoundsZero", "sim --rounds 0", "not '0'"},
        RefusedCase{"RoundsNegative", "sim --rounds=-5", "not '-5'"},
        RefusedCase{"RoundsWithTrailingText", "sim --rounds 10k", "not '10k'"},
        RefusedCase{"RoundsTooMany", "sim --rounds 1000000000001", "not '1000000000001'"},
        RefusedCase{"SeedNegative", "sim --seed -1", "not '-1'"},
        RefusedCase{"SeedTooLarge", "sim --seed 18446744073709551616", "--seed needs"},
        RefusedCase{"ThreadsZero", "sim --threads 0", "not '0'"},
        RefusedCase{"ThreadsAbsurd", "sim --threads 100000", "not '100000'"},
        RefusedCase{"ChartMissing", "sim --chart /no/such/chart.dat", "cannot read a chart"},
        RefusedCase{"ChartWithoutRecords", "sim --chart /dev/null", "cannot read a chart from"},
        RefusedCase{"BenchUnknownOption", "bench --rounds 5", "unknown option '--rounds'"},
        RefusedCase{"BenchChartMissing", "bench --chart", "--chart needs a file name"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

}  // namespace
