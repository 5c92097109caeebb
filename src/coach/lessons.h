#pragma once

#include <string>
#include <string_view>

#include "engine/chart_cell.h"
#include "engine/lesson_setup.h"

namespace vantrel {

// One lesson of the course catalogue, with its table values when it ends at the table.
struct LessonInfo {
    std::string_view code;
    std::string_view title;  // empty for the All Night Play Room, which has no lecture
    bool hasTable;
    int chips;
    LessonMode mode;
    int quota;
    int maxBet;
};

// The lesson of this code, or nullptr.
const LessonInfo* FindLesson(std::string_view code);

// The page of lesson "NL4" ("Basic Strategy") that shows this part of the chart on its own.
int BasicStrategyChartPage(ChartPart part);

// Sets the table values (chips, mode, quota, maximum) of a lesson that ends at the table.
void SetTableValues(LessonSetup& setup, const LessonInfo& lesson);

}  // namespace vantrel
