// The Master Course's figures file: what is written reads back the same; anything else is refused.
#include "strategy/master_figures.h"

#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

namespace {

using vantrel::strategy::MasterFigures;

MasterFigures SomeFigures() {
    MasterFigures figures;
    figures.decks = 2;
    figures.penetration = 75;
    figures.chart = 0xfedcba9876543210ULL;
    figures.byCount = {
        {-4, 0.1, -0.031, -0.0275}, {0, 0.8, -0.0071, -0.0029}, {6, 0.1, 0.02, 1 / 3.0}};
    figures.indices = {{"any", 1, '-', 'I', true, 3, 0.0069},
                       {"16", 10, 'H', 'S', true, 0, 0.0051},
                       {"TT", 5, 'S', 'P', true, 5, 0.0002},
                       {"12", 4, 'S', 'H', false, -1, 0.0057}};
    figures.ramp = {{2, 4}, {3, 8}, {6, 20}};
    figures.averageBet = 8.123456789012345;
    figures.winPer100 = -0.5;
    figures.sdPer100 = 171.25;
    figures.indexGainPer100 = 0.75;
    figures.riskOfRuin = {{100, 0.95}, {5000, 0.001}};
    return figures;
}

std::string Written(const MasterFigures& figures) {
    std::ostringstream out;
    WriteMasterFigures(out, figures);
    return out.str();
}

std::optional<MasterFigures> Read(const std::string& text) {
    std::istringstream in(text);
    return vantrel::strategy::ReadMasterFigures(in);
}

TEST(MasterFiguresFile, ReadsBackEveryFigureExactly) {
    const MasterFigures written = SomeFigures();
    const std::optional<MasterFigures> read = Read(Written(written));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->decks, 2);
    EXPECT_EQ(read->penetration, 75);
    EXPECT_EQ(read->chart, written.chart);
    ASSERT_EQ(read->byCount.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(read->byCount[i].trueCount, written.byCount[i].trueCount);
        EXPECT_EQ(read->byCount[i].share, written.byCount[i].share);
        EXPECT_EQ(read->byCount[i].edgeAsPaid, written.byCount[i].edgeAsPaid);
        EXPECT_EQ(read->byCount[i].edgeAt3to2, written.byCount[i].edgeAt3to2);
    }
    ASSERT_EQ(read->indices.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& [a, b] = std::pair(read->indices[i], written.indices[i]);
        EXPECT_EQ(std::tie(a.hand, a.up, a.basic, a.play, a.atOrAbove, a.index, a.gainPer100),
                  std::tie(b.hand, b.up, b.basic, b.play, b.atOrAbove, b.index, b.gainPer100));
    }
    EXPECT_EQ(read->ramp, written.ramp);
    EXPECT_EQ(read->averageBet, written.averageBet);
    EXPECT_EQ(read->winPer100, written.winPer100);
    EXPECT_EQ(read->sdPer100, written.sdPer100);
    EXPECT_EQ(read->indexGainPer100, written.indexGainPer100);
    EXPECT_EQ(read->riskOfRuin, written.riskOfRuin);
    // What the course reads from them.
    EXPECT_EQ(RampUnits(*read, 1), 1);
    EXPECT_EQ(RampBet(*read, 9, 100), 100);
    EXPECT_EQ(FindIndexNumber(*read, "any", 7)->index, 3);
}

// Each row damages the file one way; none of them may be taken for figures.
TEST(MasterFiguresFile, RefusesADamagedFile) {
    const std::string good = Written(SomeFigures());
    const auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::pair<const char*, std::string> damaged[] = {
        {"empty", ""},
        {"another file", "[GAME]\nDECK=6\n"},
        {"cut short", good.substr(0, good.size() / 2)},
        {"cut in its last line", good.substr(0, good.rfind("ruin") + 6) + "\n"},
        {"no end", replaced("end\n", "")},
        {"after the end", good + "ramp 7 20\n"},
        {"unknown line", replaced("unit 5", "units 5")},
        {"field missing", replaced("ramp 3 8", "ramp 3")},
        {"field left over", replaced("ramp 3 8", "ramp 3 8 9")},
        {"not a number", replaced("decks 2", "decks two")},
        {"no direction", replaced(" >= 0 ", " => 0 ")},
        {"not a play", replaced(" H S ", " H X ")},
        {"up card beyond ten", replaced("16 10 ", "16 11 ")},
        {"share over one", replaced("count 0 0.8", "count 0 1.8")},
        {"counts falling", replaced("count 6 ", "count -6 ")},
        {"ramp falling", replaced("ramp 6 20", "ramp 2 20")},
        {"no units", replaced("ramp 3 8", "ramp 3 0")},
        {"a chance over one", replaced("ruin 100 0.", "ruin 100 1.")},
    };
    ASSERT_TRUE(Read(good));
    for (const auto& [name, text] : damaged) EXPECT_FALSE(Read(text)) << name;
}

TEST(MasterFiguresFile, TellsChartsApart) {
    vantrel::StrategyTable chart{};
    chart.hard[16][10] = 1;
    const auto hitting = vantrel::strategy::ChartFingerprint(chart);
    chart.hard[16][10] = 2;
    EXPECT_NE(vantrel::strategy::ChartFingerprint(chart), hitting);
    chart.hard[16][10] = 1;
    EXPECT_EQ(vantrel::strategy::ChartFingerprint(chart), hitting);
}

}  // namespace
