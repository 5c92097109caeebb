// The vantrel-lab command line: help, refused arguments, and the chart and sim reports.
#include <cmath>
#include <fstream>
#include <numeric>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "strategy/master_figures.h"
#include "support/run_command.h"
#include "support/temp_folder.h"

namespace {

const std::string kChart = " --chart " VANTREL_SOURCE_DIR "/data/bs4bj.dat";

using LabRun = vantrel::testing::CommandRun;

// Standard output and standard error together.
LabRun RunLab(const std::string& arguments) {
    return vantrel::testing::RunCommand(VANTREL_LAB " " + arguments + " 2>&1");
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
    testing::Values(
        RefusedCase{"NoCommand", "", "Usage: vantrel-lab"},
        RefusedCase{"UnknownCommand", "charts", "unknown command 'charts'"},
        RefusedCase{"UnknownOption", "chart --fast", "not expected: --fast"},
        RefusedCase{"DecksNotANumber", "chart --decks six", "--decks: Value six"},
        RefusedCase{"DecksTooMany", "chart --decks=65", "Value 65 not in range"},
        RefusedCase{"DecksMissing", "chart --decks", "--decks: 1 required"},
        RefusedCase{"JudgingMissing", "chart --judging", "--judging: 1 required"},
        RefusedCase{"JudgingWithDecks", "chart --judging data --decks 2",
                    "--decks excludes --judging"},
        RefusedCase{"SettingsAlone", "chart --settings x.INI", "--settings requires --judging"},
        RefusedCase{"RoundsMissing", "sim --rounds", "--rounds: 1 required"},
        RefusedCase{"RoundsTooMany", "sim --rounds 1000000000001", "Value 1000000000001 not"},
        RefusedCase{"SeedNegative", "sim --seed -1", "not '-1'"},
        RefusedCase{"SeedTooLarge", "sim --seed 18446744073709551616", "--seed: needs"},
        RefusedCase{"ThreadsZero", "sim --threads 0", "Value 0 not in range 1 to 256"},
        RefusedCase{"ChartMissing", "sim --chart /no/such/chart.dat", "cannot read a chart"},
        RefusedCase{"ChartWithoutRecords", "sim --chart /dev/null", "cannot read a chart from"},
        RefusedCase{"BenchUnknownOption", "bench --rounds 5", "not expected: 5 --rounds"},
        RefusedCase{"BenchChartMissing", "bench --chart", "--chart: 1 required"},
        RefusedCase{"BenchEvWithOptions", "bench --ev --chart x", "--chart excludes --ev"},
        RefusedCase{"ExamNotNamed", "exam --trials 5", "exam is required"},
        RefusedCase{"ExamNotAnExam", "exam NL5", "not 'NL5'"},
        RefusedCase{"ExamBetNotInChips", "exam NL6 --bet 7", "not '7'"},
        RefusedCase{"ExamBetOverTheMaximum", "exam PL3 --bet 205", "not '205'"},
        RefusedCase{"ExamTrialsZero", "exam NL6 --trials 0", "Value 0 not in range"},
        RefusedCase{"EvShoeUnreadable", "ev --shoe A24 --hand T,6 --up T", "--shoe reads like"},
        RefusedCase{"EvShoeValueTwice", "ev --shoe A:4,A:4 --hand T,6 --up T", "--shoe reads"},
        RefusedCase{"EvHandUnreadable", "ev --hand T,X --up T", "--hand reads like"},
        RefusedCase{"RampOverTheMaximum",
                    "sim --ramp 2:30 --chart " VANTREL_SOURCE_DIR "/data/bs4bj.dat",
                    "over the table maximum of $100"},
        RefusedCase{"RampUnitNotInChips", "sim --ramp 2:2 --unit 7", "needs a multiple of 5"},
        RefusedCase{"RampIndicesUnreadable",
                    "sim --ramp 2:2 --indices /dev/null --chart " VANTREL_SOURCE_DIR
                    "/data/bs4bj.dat",
                    "cannot read index plays"},
        RefusedCase{"ExamRampOverTheMaximum", "exam PL3 --ramp 2:2 --bet 105", "over the table"},
        RefusedCase{"MasterCutTooDeep", "master --cut 95", "Value 95 not in range 50 to 90"},
        RefusedCase{"MasterQuickWithRounds", "master --quick --rounds 2000000",
                    "--quick excludes --rounds"},
        RefusedCase{"MasterFromNoFigures", "master --from /dev/null", "cannot read figures"},
        RefusedCase{"MasterChartMissing", "master --chart /no/such/chart.dat",
                    "cannot read a chart"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

TEST(LabCommand, HelpNamesEveryCommandAndOption) {
    const std::pair<const char*, std::vector<const char*>> helps[] = {
        {"--help", {"chart", "sim", "bench", "exam", "dealer", "ev", "indices", "master"}},
        {"--help-all", {"--decks", "--rounds", "--ev", "--record", "--dir", "--csv", "--trials"}},
        {"exam --help", {"--bet", "--trials", "--seed", "--threads", "--chart", "--help"}},
        {"chart --help", {"--decks", "--ev", "--edge", "--judging", "--settings", "--help"}},
        {"sim --help", {"--rounds", "--seed", "--threads", "--chart", "--help"}},
        {"master --help", {"--decks", "--cut", "--settings", "--quick", "--seed", "--out"}}};
    for (const auto& [arguments, names] : helps) {
        const LabRun run = RunLab(arguments);
        EXPECT_EQ(run.status, 0) << arguments;
        for (const char* name : names)
            EXPECT_NE(run.output.find(name), std::string::npos) << arguments << ": " << name;
    }
}

TEST(LabCommand, ChartPrintsRecordsValuesAndTheEdge) {
    const LabRun run = RunLab("chart --decks 0 --ev --edge");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("\n111103\n"), std::string::npos);  // hard 11 v ten doubles
    EXPECT_NE(run.output.find("\nhard 16   v T "), std::string::npos);
    EXPECT_NE(run.output.find("\nhouse edge: 0."), std::string::npos);
}

// Hard 11 against an ace: hit in the shipped chart, double in the chart worked out for one deck,
// which the trainer judges by at DECK=1 (and at 0, which the table plays as one deck).
TEST(LabCommand, JudgingChartFollowsTheSettings) {
    const vantrel::TempFolder folder;
    const std::string judging = "chart --judging " VANTREL_SOURCE_DIR "/data";
    for (const char* deck : {"1", "0"}) {
        vantrel::WriteBytes(folder / "vantrel.INI", std::string("[GAME]\nDECK=") + deck + "\n");
        const LabRun run = RunLab(judging + " --settings " + folder / "vantrel.INI");
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.output.find("# exact for 1 deck, S17 DAS RSA, peek\n"), std::string::npos);
        EXPECT_NE(run.output.find("# 11 plays differ from the chart file:\n"), std::string::npos);
        EXPECT_NE(run.output.find("\n111013\n"), std::string::npos) << run.output;
    }
    const LabRun sixDecks = RunLab(judging);
    EXPECT_NE(sixDecks.output.find("# the chart file's own.\n"), std::string::npos);
    EXPECT_NE(sixDecks.output.find("\n111011\n"), std::string::npos) << sixDecks.output;
}

// The report without its speed, which no two runs share.
std::string WithoutSpeed(const std::string& report) {
    std::istringstream lines(report);
    std::string kept;
    for (std::string line; std::getline(lines, line);)
        if (!line.starts_with("rounds per second:")) kept += line + '\n';
    return kept;
}

// Both spellings of an option give the same run, on any number of threads; the report has every
// figure.
TEST(SimCommand, TheSameSeedGivesTheSameReport) {
    const LabRun first = RunLab("sim --rounds 20000 --seed 7 --threads 2" + kChart);
    const LabRun second = RunLab("sim --rounds=20000 --seed=7 --threads=1" + kChart);
    ASSERT_EQ(first.status, 0) << first.output;
    EXPECT_EQ(WithoutSpeed(first.output), WithoutSpeed(second.output));
    const LabRun otherSeed = RunLab("sim --rounds 20000 --seed 8 --threads 2" + kChart);
    EXPECT_NE(WithoutSpeed(first.output), WithoutSpeed(otherSeed.output));
    for (const char* figure : {"rounds: 20000\nhouse edge: ", "% \u00b1 ", "rounds per second: ",
                               "standard deviation: 1.", " initial bets per round; cards: 5.",
                               "blackjacks: ", "busts: ", "splits: ", "doubles: "})
        EXPECT_NE(first.output.find(figure), std::string::npos) << figure;
    EXPECT_EQ(first.output.find("refused"), std::string::npos) << first.output;
}

// Exam i is seeded from the seed and i, so any number of threads plays the same exams.
TEST(ExamCommand, PlaysTheSameExamsOnAnyNumberOfThreads) {
    const LabRun one = RunLab("exam PL3 --bet 100 --trials 30 --seed 4 --threads 1" + kChart);
    const LabRun three = RunLab("exam PL3 --bet=100 --trials=30 --seed=4 --threads=3" + kChart);
    ASSERT_EQ(one.status, 0) << one.output;
    EXPECT_EQ(one.output, three.output);
    for (const char* figure : {"exam: PL3, win $2000 net from $1000 in chips, table maximum $200\n"
                               "player: bets $100 a round",
                               "exams: 30, ", "pass rate: ", "% (95% interval "})
        EXPECT_NE(one.output.find(figure), std::string::npos) << figure;
}

// The rows of a CSV report after its header, each split at the commas.
std::vector<std::vector<double>> CsvRows(const std::string& output, const std::string& header) {
    std::istringstream lines(output);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, header);
    std::vector<std::vector<double>> rows;
    while (std::getline(lines, line)) {
        std::vector<double> row;
        std::istringstream cells(line.substr(line.find(',') + 1));
        for (std::string cell; std::getline(cells, cell, ',');) row.push_back(std::stod(cell));
        rows.push_back(row);
    }
    return rows;
}

// Every round falls in one true count; a paid blackjack never pays more than 3 to 2 would.
TEST(SimCommand, ByCountSharesAddUpAndTheTablePaysNoMoreThanThreeToTwo) {
    const LabRun run = RunLab("sim --by-count --csv --rounds 20000 --threads 2" + kChart);
    ASSERT_EQ(run.status, 0) << run.output;
    const auto rows = CsvRows(run.output, "true_count,share,edge_full,edge_table,ci95");
    ASSERT_EQ(rows.size(), 15u);
    double shares = 0.0;
    for (const auto& row : rows) {
        shares += row[0];
        EXPECT_GE(row[1], row[2]);
    }
    EXPECT_NEAR(shares, 100.0, 0.05);
    const LabRun twoDecks = RunLab("sim --by-count --rounds 1000 --decks 2" + kChart);
    EXPECT_NE(twoDecks.output.find("2 decks cut at 60%\n"), std::string::npos) << twoDecks.output;
}

// Each up card's row holds every way the dealer's hand can end.
TEST(DealerCommand, EachUpCardsEndsAddUpToAll) {
    const LabRun run = RunLab("dealer --csv --decks 2");
    ASSERT_EQ(run.status, 0) << run.output;
    const auto rows = CsvRows(run.output, "up,17,18,19,20,21,blackjack,bust");
    ASSERT_EQ(rows.size(), 10u);
    for (const auto& row : rows)
        EXPECT_NEAR(std::accumulate(row.begin(), row.end(), 0.0), 100.0, 0.01);
}

// Sixteen against a ten: stand from about a true count of 0 in six decks. The quick run's sample
// is small, so only the neighbourhood is checked.
TEST(IndicesCommand, SixteenAgainstTenStandsFromAboutZero) {
    const LabRun run = vantrel::testing::RunCommand(
        VANTREL_LAB " indices --quick --hand 16 --up 10 --csv --threads 2" + kChart +
        " 2>/dev/null");
    ASSERT_EQ(run.status, 0) << run.output;
    const std::string row =
        "hand,up,basic,deviation,direction,index,se,gain_per_100\n16,10,H,S,>=,";
    ASSERT_TRUE(run.output.starts_with(row)) << run.output;
    EXPECT_LE(std::abs(std::stoi(run.output.substr(row.size()))), 2) << run.output;
}

// Insurance taken at every count loses: the same seed deals the same cards with and without it,
// so what the index plays add is the insurance bets' own result.
TEST(SimCommand, RampPlaysTheIndexFileAndInsuranceAlwaysLoses) {
    const vantrel::TempFolder folder;
    vantrel::WriteBytes(folder / "always.csv",
                        "hand,up,basic,deviation,direction,index,se,gain_per_100\n"
                        "any,A,-,I,>=,-99,0,0\n");
    const LabRun run =
        RunLab("sim --rounds 100000 --ramp 1:2 --indices " + folder / "always.csv" + kChart);
    ASSERT_EQ(run.status, 0) << run.output;
    for (const char* figure : {"average bet: ", "edge: ", "% of the average bet ± ",
                               "win: ", "standard deviation: ", "with the 1 index plays of "})
        EXPECT_NE(run.output.find(figure), std::string::npos) << figure;
    EXPECT_NE(run.output.find("index plays add: -0."), std::string::npos) << run.output;
}

// The figures file the trainer reads, for the shoe asked for; the Master Exam finds it beside the
// chart when no file is named.
TEST(MasterCommand, WritesAFiguresFileTheTrainerAndTheExamRead) {
    const vantrel::TempFolder folder;
    vantrel::WriteBytes(folder / "bs4bj.dat",
                        vantrel::ReadBytes(VANTREL_SOURCE_DIR "/data/bs4bj.dat"));
    const std::string chart = " --chart " + folder / "bs4bj.dat";
    const LabRun run = RunLab("master --decks 2 --cut 75 --shoes 1 --rounds 1000000 --out " +
                              folder / "master-2-75.txt" + chart);
    ASSERT_EQ(run.status, 0) << run.output;
    const LabRun exam = RunLab("exam ML6 --decks 2 --cut 75 --trials 2" + chart);
    ASSERT_EQ(exam.status, 0) << exam.output;
    for (const std::string& part : {"figures: " + folder / "master-2-75.txt",
                                    std::string("exam: ML6, 4 shoes of 2 decks cut at 75%")})
        EXPECT_NE(exam.output.find(part), std::string::npos) << exam.output;
    std::ifstream file(folder / "master-2-75.txt");
    const std::optional<vantrel::strategy::MasterFigures> figures =
        vantrel::strategy::ReadMasterFigures(file);
    ASSERT_TRUE(figures);
    EXPECT_EQ(std::pair(figures->decks, figures->penetration), std::pair(2, 75));
    EXPECT_GE(figures->indices.size(), 12u);  // the twelve most valuable, and insurance
    EXPECT_TRUE(vantrel::strategy::FindIndexNumber(*figures, "any", 1));
    const LabRun report = RunLab("master --from " + folder / "master-2-75.txt");
    EXPECT_EQ(report.status, 0);
    for (const char* part : {"2 decks cut at 75%", "Betting ramp", "Index plays", "Risk of ruin"})
        EXPECT_NE(report.output.find(part), std::string::npos) << part;
}

TEST(ExamCommand, RampBetsAUnitTheTableTakesAtTheTopCount) {
    const LabRun run = RunLab("exam PL3 --ramp 2:2,3:3,4:4,5:5,6:6 --trials 5" + kChart);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("bets $30 a unit by the ramp 2:2,3:3,4:4,5:5,6:6"), std::string::npos)
        << run.output;
}

}  // namespace
