#include "ui/judging.h"

#include "strategy/chart_differences.h"
#include "ui/session.h"

namespace vantrel {

std::shared_future<StrategyTable> JudgingChartFor(Session& session, int deckSetting) {
    return strategy::JudgingChartFor(session.chartFile, deckSetting, session.deckFigures);
}

std::optional<std::vector<record::ChartCell>> DifferingPlays(Session& session, int deckSetting) {
    const std::shared_future<StrategyTable> chart = JudgingChartFor(session, deckSetting);
    if (chart.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return {};
    try {
        return strategy::DifferingCells(session.chartFile.chart, chart.get());
    } catch (...) {
        return {};  // not worked out: memory ran out
    }
}

std::string DecksText(int deckSetting) {
    const std::string decks = strategy::DeckCount(strategy::TableDecks(deckSetting));
    if (strategy::TableDecks(deckSetting) == deckSetting) return decks;
    return "DECK=" + std::to_string(deckSetting) + ", played as " + decks;
}

std::string JudgingText(Session& session, int deckSetting) {
    const std::optional<strategy::DeckRange>& range = session.chartFile.exactFor;
    if (!range) return "Judged by the chart file as it is: it names no decks it is exact for.";
    const std::string lectures = "the lectures' chart (" + strategy::RangeText(*range) + ")";
    if (!strategy::JudgesByComputedChart(range, deckSetting)) return "Judged by " + lectures + ".";
    const std::string judged =
        "Judged by the chart for " + strategy::DeckCount(strategy::TableDecks(deckSetting)) + ": ";
    const std::optional<std::vector<record::ChartCell>> differing =
        DifferingPlays(session, deckSetting);
    if (!differing) return judged + "…";
    if (differing->empty()) return judged + "the same plays as " + lectures + ".";
    const std::size_t count = differing->size();
    return judged + std::to_string(count) + (count == 1 ? " play differs" : " plays differ") +
           " from " + lectures + ": " + strategy::CellList(*differing) + ".";
}

}  // namespace vantrel
