#pragma once

#include <string>
#include <string_view>

#include "record/entries.h"
#include "record/record_queries.h"

namespace vantrel::record {

// A recorded lesson's name: "Practice 2 (Strategy)", "All Night Play Room" for "P".
std::string LessonName(std::string_view lessonCode);

// The hand and up card of a chart cell as the student reads them: "Hard 16 vs 10",
// "Soft 18 vs A", "Pair of 8s vs 6". Rows that also stand for the hands beyond them say so:
// "Hard 8 or less", "Hard 17 or more", "Soft 19 or more".
std::string CellLabel(const ChartCell& cell);

// "Hard 16 vs 10: you STAND, right HIT, 7 times, 0.6 % of the bet each, $4.20 in all".
std::string MistakeText(const Mistake& mistake);

// Dollars with cents: "$4.20", "-$0.35".
std::string DollarText(double dollars);

}  // namespace vantrel::record
