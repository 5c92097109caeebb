// Which chart the table judges by: the chart file's range line, the chart worked out for decks
// outside it, and a chart file without that line used as it is.
#include <gtest/gtest.h>

#include "coach/chart_gate.h"
#include "coach/coach.h"
#include "record/record_text.h"
#include "strategy/chart_differences.h"
#include "strategy/judging_chart.h"
#include "support/table_fixture.h"

namespace vantrel::strategy {
namespace {

using record::CellLabel;
using record::ChartCell;
using record::ChartPart;
using strategy::CellList;
using strategy::DifferingCells;

const ChartFile& Shipped() {
    static const ChartFile file = LoadChartFile(VANTREL_SOURCE_DIR "/data/bs4bj.dat");
    return file;
}

// The first "# exact for" line names the decks; without it, or when it does not read so, the
// chart is the student's.
TEST(JudgingChart, TheRangeLineNamesTheDecksOrMakesTheChartTheStudents) {
    const std::pair<const char*, std::pair<int, int>> lines[] = {
        {"108011\n# exact for 3 to 8 decks, S17 DAS RSA, peek\n", {3, 8}},
        {"# exact for 1 deck\r\n108011\r\n", {1, 1}},
        {"# exact for 2 decks\n# exact for 3 to 8 decks\n", {2, 2}},
        {"# vantrel chart\n108011\n", {0, 0}},
        {"# exact for 8 to 3 decks\n", {0, 0}},
        {"# exact for three decks\n", {0, 0}},
        {"# exact for 0 to 8 decks\n", {0, 0}},
        {"# exact for 3 to 8 deckhands\n", {0, 0}},
        {"# exact for 3 to 99999999999 decks\n", {0, 0}}};
    for (const auto& [bytes, decks] : lines) {
        const std::optional<DeckRange> range = ExactDecks(bytes);
        EXPECT_EQ(range ? std::pair(range->first, range->last) : std::pair(0, 0), decks) << bytes;
    }
}

// A malformed line, or none, leaves the chart as the student's: judged as it is, at once, at any
// DECK, including those the table plays otherwise.
TEST(JudgingChart, AChartWithoutItsRangeIsUsedAsItIsForAnyDeck) {
    DeckFigures figures;
    for (const char* line : {"", "# exact for 3 to 8 dekcs\n"}) {
        const ChartFile file = ParseChartFile(std::string(line) + "108011\n111103\n307102\n");
        for (int deck : {1, 2, 6, 0, -3, 100000}) {
            const std::shared_future<StrategyTable> chart = JudgingChartFor(file, deck, figures);
            ASSERT_EQ(chart.wait_for(std::chrono::seconds(0)), std::future_status::ready);
            EXPECT_TRUE(DifferingCells(chart.get(), file.chart).empty()) << line << deck;
        }
    }
}

class JudgingAtTheTable : public testing::TableTest {
  protected:
    void SetUp() override {
        table.SetCoaching(&gate);
        Open(LessonMode::DecisionQuota, 10000, 100);
    }
    DeckFigures figures;
    StrategyTable chart;
    Coach coach{table, chart};
    ChartGate gate{table, coach, chart};
};

// Two cards of the cell's hand, the hole card and the up card, a two to draw.
std::string CellHand(const ChartCell& cell) {
    const auto code = [](const char* suit, int value) {
        return suit + (value < 10 ? "0" + std::to_string(value) : std::string("13"));
    };
    const int first = cell.part == ChartPart::Hard   ? std::min(10, cell.row - 2)
                      : cell.part == ChartPart::Soft ? 1
                                                     : cell.row;
    const int second = cell.part == ChartPart::Hard ? cell.row - first : cell.row;
    return code("S", first) + " " + code("H", second) + " C07 " + code("D", cell.column) + " D02";
}

// The shipped chart hits in each of these cells; worked out for one deck, they double, split or
// stand, and the first decision of the visit waits for that chart.
TEST_F(JudgingAtTheTable, OneDeckJudgesEachDifferingCellByTheComputedChart) {
    gate.StartVisit(JudgingChartFor(Shipped(), 1, figures));
    const StrategyTable oneDeck = figures.BestChart(1).get();
    const std::vector<ChartCell> cells = DifferingCells(Shipped().chart, oneDeck);
    EXPECT_EQ(CellList(cells),
              "Hard 9 vs 2, Hard 11 vs A, Soft 13 vs 4, Soft 14 vs 4, Soft 17 vs 2, Soft 18 vs A, "
              "Pair of 3s vs 8, Pair of 4s vs 4, Pair of 6s vs 7, Pair of 7s vs 8, "
              "Pair of 7s vs 10");
    for (const ChartCell& cell : cells) {
        view.playerBalloons.clear();
        Play(CellHand(cell), "hs");
        ASSERT_FALSE(view.playerBalloons.empty()) << CellLabel(cell);
        const int code = ChartCode(oneDeck, cell);
        EXPECT_EQ(view.playerBalloons.front().first,
                  "Incorrect!(" +
                      std::string(ActionName(code == kChartDoubleElseStand ? kChartDouble : code)) +
                      ")")
            << CellLabel(cell);
    }
}

}  // namespace
}  // namespace vantrel::strategy
