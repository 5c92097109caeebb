// vantrel-lab chart --judging: the chart the trainer judges by for a data directory and settings.

#include <iostream>

#include "app/settings.h"
#include "commands.h"
#include "record/record_text.h"
#include "strategy/chart_differences.h"
#include "strategy/chart_format.h"
#include "strategy/judging_chart.h"

namespace vantrel::lab {

namespace {

// Comment lines saying where the chart comes from, each short enough that the chart loader reads
// it in one piece: the output is itself a chart file the trainer reads the same way.
void WriteSource(std::ostream& out, const strategy::ChartFile& file, int deckSetting) {
    out << "# The chart vantrel judges by at DECK=" << deckSetting << ":\n";
    if (!file.exactFor) {
        out << "# the chart file as it is: it names no decks\n"
            << "# it is exact for.\n";
        return;
    }
    const int decks = strategy::TableDecks(deckSetting);
    if (!strategy::JudgesByComputedChart(file.exactFor, deckSetting)) {
        out << "# the chart file's own.\n" << strategy::ExactDecksLine(*file.exactFor) << '\n';
        return;
    }
    out << "# worked out for " << strategy::DeckCount(decks) << ", as the chart file\n"
        << "# is exact for " << strategy::RangeText(*file.exactFor) << " only.\n"
        << strategy::ExactDecksLine({decks, decks}) << '\n';
}

}  // namespace

int PrintJudgingChart(const std::string& dataDir, const std::optional<std::string>& settingsPath) {
    const Settings settings = settingsPath ? LoadSettings(*settingsPath) : Settings{};
    const strategy::ChartFile file = strategy::LoadChartFile(dataDir + "/bs4bj.dat");
    const StrategyTable chart = strategy::JudgingChart(file, settings.DECK);
    WriteSource(std::cout, file, settings.DECK);
    const std::vector<record::ChartCell> differing = strategy::DifferingCells(file.chart, chart);
    if (!differing.empty()) {
        std::cout << "# " << differing.size()
                  << (differing.size() == 1 ? " play differs" : " plays differ")
                  << " from the chart file:\n";
        for (const record::ChartCell& cell : differing)
            std::cout << "#   " << record::CellLabel(cell) << '\n';
    }
    strategy::WriteChartRecords(std::cout, chart);
    return std::cout.flush() ? 0 : 1;
}

}  // namespace vantrel::lab
