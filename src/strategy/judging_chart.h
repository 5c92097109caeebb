#pragma once

#include <future>
#include <optional>
#include <string>
#include <string_view>

#include "coach/strategy_table.h"
#include "strategy/deck_figures.h"

namespace vantrel::strategy {

// The decks a chart file says it is exact for.
struct DeckRange {
    int first = 0;
    int last = 0;

    bool Holds(int decks) const { return first <= decks && decks <= last; }
};

// A chart file as the trainer reads it: the chart, and the decks that its comment line
// "# exact for 3 to 8 decks, ..." (or "# exact for 1 deck, ...") names. A file without that
// line, or with one that does not read so, is a chart a student or a teacher made.
struct ChartFile {
    StrategyTable chart;
    std::optional<DeckRange> exactFor;
};

// The range the first "# exact for" line of the bytes names; nothing when there is no such line
// or the first one is malformed.
std::optional<DeckRange> ExactDecks(std::string_view bytes);

// "1 deck", "6 decks".
std::string DeckCount(int decks);
// "3 to 8 decks", "1 deck".
std::string RangeText(const DeckRange& range);

// The comment line that names the range, with the table's rules in short: "# exact for 3 to 8
// decks, S17 DAS RSA, peek" (the dealer stands on soft 17, double after split, re-split aces,
// the dealer checks for blackjack). Short enough that the loader reads it in one piece.
std::string ExactDecksLine(const DeckRange& range);

// The chart in the bytes of a chart file, as the chart loader reads it, and its range.
ChartFile ParseChartFile(std::string_view bytes);
// The same from the file; a missing or unreadable file gives a cleared chart and no range.
ChartFile LoadChartFile(const std::string& path);

// The decks the table deals from for a DECK setting: below 1 it plays one deck, and there is a
// ceiling far beyond any real shoe.
int TableDecks(int deckSetting);

// Whether the trainer judges by a chart of its own for this DECK setting: only when the chart file
// names the decks it is exact for and the table's shoe lies outside them. A chart without that
// line is always used exactly as it is.
bool JudgesByComputedChart(const std::optional<DeckRange>& exactFor, int deckSetting);

// The chart the trainer judges by: the file's own, or the best chart for the decks the table
// deals from (worked out here, in well under a second).
StrategyTable JudgingChart(const ChartFile& file, int deckSetting);

// The same without waiting: the file's chart is ready at once, a chart to work out comes from
// `figures`, on a thread of its own. Asking early starts the work early.
std::shared_future<StrategyTable> JudgingChartFor(const ChartFile& file, int deckSetting,
                                                  DeckFigures& figures);

}  // namespace vantrel::strategy
