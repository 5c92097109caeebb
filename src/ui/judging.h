#pragma once

#include <future>
#include <optional>
#include <string>
#include <vector>

#include "coach/strategy_table.h"
#include "record/entries.h"

namespace vantrel {

struct Session;

// The chart the table judges by at a DECK setting (strategy::JudgingChartFor).
std::shared_future<StrategyTable> JudgingChartFor(Session& session, int deckSetting);

// The plays in which that chart differs from the lectures' chart, or nothing while it is still
// being worked out. Never waits.
std::optional<std::vector<record::ChartCell>> DifferingPlays(Session& session, int deckSetting);

// "2 decks", "1 deck"; a DECK setting the table plays otherwise says so: "DECK=0, played as 1
// deck".
std::string DecksText(int deckSetting);

// One sentence on what the student is judged by at a DECK setting and, when it is not the
// lectures' chart, which plays differ from it; "…" stands for what is still being worked out.
std::string JudgingText(Session& session, int deckSetting);

}  // namespace vantrel
