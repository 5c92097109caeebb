#pragma once

#include <string>
#include <string_view>

#include "coach/chart_cells.h"
#include "record/entries.h"
#include "record/record_queries.h"

namespace vantrel::record {

// A recorded lesson's name: "Practice 2 (Strategy)", "All Night Play Room" for "P".
std::string LessonName(std::string_view lessonCode);

using vantrel::CellLabel;

// "Hard 16 vs 10: you STAND, right HIT, 7 times, 0.6 % of the bet each, $4.20 in all"; a
// deviation names its true count: "Hard 16 vs 10 at true +2: you HIT, right STAND, ..."; an
// insurance choice, which has no cost, reads "Insurance vs A at true +1: you TOOK, right NO, 2
// times".
std::string MistakeText(const Mistake& mistake);

// Dollars with cents: "$4.20", "-$0.35".
std::string DollarText(double dollars);

}  // namespace vantrel::record
