// The Master Course's figures as the lab works them out: their shapes on a small run, and the
// ramp's and the risk's rules on figures made up to test them.
#include "sim/master_figures_lab.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <sstream>

#include <gtest/gtest.h>

#include "sim/sim_report.h"

namespace vantrel::lab {
namespace {

using strategy::CountShare;
using strategy::MasterFigures;

// A small run: a million rounds a simulation, and three decisions valued in two shoes a count.
MasterFiguresSettings SmallRun(int threads) {
    MasterFiguresSettings settings;
    settings.threads = threads;
    settings.seed = 3;
    settings.rounds = {1'000'000, 1'000'000, 2};
    std::erase_if(settings.candidates, [](const IndexCandidate& candidate) {
        const std::string name = candidate.HandName() + " " + candidate.UpName();
        return name != "16 10" && name != "12 4" && name != "any A";
    });
    return settings;
}

std::string Text(const MasterFigures& figures) {
    std::ostringstream out;
    WriteMasterFigures(out, figures);
    return out.str();
}

TEST(MasterFiguresLab, ASmallRunHasTheShapesTheCourseReadsAndNoThreadChangesThem) {
    const std::optional<StrategyTable> chart = ReadChartFile(VANTREL_SOURCE_DIR "/data/bs4bj.dat");
    ASSERT_TRUE(chart);
    const std::optional<MasterFigures> figures = ComputeMasterFigures(*chart, SmallRun(2));
    ASSERT_TRUE(figures);
    EXPECT_EQ(figures->chart, strategy::ChartFingerprint(*chart));

    ASSERT_EQ(figures->byCount.size(), std::size_t{kMasterHighestCount - kMasterLowestCount + 1});
    double shares = 0.0;
    for (const CountShare& row : figures->byCount) {
        shares += row.share;
        EXPECT_LE(row.edgeAsPaid, row.edgeAt3to2) << row.trueCount;  // $12 for a $5 blackjack
    }
    EXPECT_NEAR(shares, 1.0, 1e-9);
    EXPECT_EQ(figures->byCount.front().trueCount, kMasterLowestCount);
    const auto edgeAt = [&figures](int count) {
        return figures->byCount[count - kMasterLowestCount].edgeAt3to2;
    };
    EXPECT_LT(edgeAt(-4), edgeAt(0));
    EXPECT_LT(edgeAt(0), 0.0);
    EXPECT_LT(edgeAt(0), edgeAt(6));
    EXPECT_GT(edgeAt(6), 0.0);

    // The ramp: one unit below its first raise, which comes where the edge turns positive for good.
    ASSERT_FALSE(figures->ramp.empty());
    const int firstRaise = figures->ramp.front().first;
    EXPECT_GT(edgeAt(firstRaise), 0.0);
    EXPECT_LE(edgeAt(firstRaise - 1), 0.0);
    EXPECT_EQ(RampUnits(*figures, firstRaise - 1), 1);
    for (int count = firstRaise; count <= 10; ++count) {
        EXPECT_GE(RampUnits(*figures, count), std::max(2, RampUnits(*figures, count - 1)));
        EXPECT_LE(RampUnits(*figures, count), kRampMostUnits);
    }

    // Insurance and the two hands, the most valuable first.
    ASSERT_EQ(figures->indices.size(), 3u);
    EXPECT_TRUE(
        std::is_sorted(figures->indices.begin(), figures->indices.end(),
                       [](const auto& a, const auto& b) { return a.gainPer100 > b.gainPer100; }));
    const strategy::IndexNumber* insurance = FindIndexNumber(*figures, "any", 1);
    ASSERT_TRUE(insurance);
    EXPECT_EQ(insurance->play, 'I');
    const strategy::IndexNumber* sixteen = FindIndexNumber(*figures, "16", 10);
    ASSERT_TRUE(sixteen);
    EXPECT_EQ(std::pair(sixteen->basic, sixteen->play), std::pair('H', 'S'));

    EXPECT_GT(figures->indexGainPer100, 0.0);  // each play is made only where it gains
    EXPECT_GT(figures->averageBet, 5.0);
    EXPECT_GT(figures->sdPer100, 10.0 * figures->averageBet);
    ASSERT_FALSE(figures->riskOfRuin.empty());

    EXPECT_EQ(Text(*ComputeMasterFigures(*chart, SmallRun(1))), Text(*figures));
}

TEST(MasterFiguresLab, AStoppedRunGivesNothing) {
    const std::atomic<bool> stop = true;
    MasterFiguresSettings settings = SmallRun(2);
    settings.stop = &stop;
    EXPECT_FALSE(ComputeMasterFigures(StrategyTable{}, settings));
}

std::vector<CountShare> Edges(const std::vector<double>& atThreeToTwo) {
    std::vector<CountShare> rows;
    int count = kMasterLowestCount;
    for (double edge : atThreeToTwo) rows.push_back({count++, 0.0, edge - 0.004, edge});
    return rows;
}

TEST(MasterFiguresLab, TheRampRaisesEvenUnitsWithTheEdgeFromWhereItStaysPositive) {
    struct Case {
        const char* name;
        std::vector<double> edges;  // at 3 to 2, counts -4 .. +6
        std::vector<std::pair<int, int>> ramp;
    };
    const Case cases[] = {
        {"rising",
         {-0.03, -0.02, -0.015, -0.01, -0.003, 0.004, 0.009, 0.013, 0.018, 0.022, 0.025},
         {{1, 4}, {2, 8}, {3, 10}, {4, 14}, {5, 18}, {6, 20}}},
        {"a positive edge below a negative one is no place to raise",
         {-0.03, -0.02, 0.001, -0.01, -0.003, 0.001, 0.009, 0.013, 0.018, 0.022, 0.025},
         {{1, 2}, {2, 8}, {3, 10}, {4, 14}, {5, 18}, {6, 20}}},
        {"a dip keeps the units",
         {-0.03, -0.02, -0.015, -0.01, -0.003, 0.004, 0.015, 0.009, 0.018, 0.03, 0.05},
         {{1, 4}, {2, 12}, {4, 14}, {5, 20}}},
        {"never positive",
         {-0.03, -0.02, -0.015, -0.01, -0.009, -0.008, -0.007, -0.006, -0.005, -0.004, -0.001},
         {}},
    };
    for (const Case& c : cases) EXPECT_EQ(RampFor(Edges(c.edges)), c.ramp) << c.name;
}

TEST(MasterFiguresLab, RuinIsCertainWithoutAnEdgeAndFallsWithTheBankroll) {
    for (double mean : {0.0, -0.01})
        for (const auto& [units, risk] : RisksOfRuin(mean, 100.0, 5.0)) EXPECT_EQ(risk, 1.0);
    const auto risks = RisksOfRuin(0.2, 900.0, 5.0);
    ASSERT_EQ(risks.size(), std::size(kRuinBankrolls));
    for (std::size_t i = 1; i < risks.size(); ++i) EXPECT_LT(risks[i].second, risks[i - 1].second);
    // A bankroll four times as large is ruined only if four such bankrolls are lost in turn.
    EXPECT_EQ(risks[0].first * 4, risks[1].first);
    EXPECT_NEAR(risks[1].second, std::pow(risks[0].second, 4), 1e-12);
}

}  // namespace
}  // namespace vantrel::lab
