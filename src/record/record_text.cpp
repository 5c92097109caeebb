#include "record/record_text.h"

#include <cmath>
#include <cstdio>

#include "coach/coach.h"
#include "coach/lessons.h"

namespace vantrel::record {

namespace {

std::string UpCardText(int column) {
    return column == 1 ? "A" : std::to_string(column);
}

std::string HandText(const ChartCell& cell) {
    switch (cell.part) {
        case ChartPart::Hard:
            if (cell.row <= 8) return "Hard 8 or less";
            if (cell.row >= 17) return "Hard 17 or more";
            return "Hard " + std::to_string(cell.row);
        case ChartPart::Soft:
            // The row is the card beside the ace, which counts 11.
            if (cell.row >= 8) return "Soft 19 or more";
            return "Soft " + std::to_string(cell.row + 11);
        case ChartPart::Pair:
            if (cell.row == 1) return "Pair of aces";
            return "Pair of " + std::to_string(cell.row) + "s";
    }
    return "Hand";
}

std::string ActionText(int code) {
    const std::string_view name = ActionName(code);
    return name.empty() ? "none" : std::string(name);
}

}  // namespace

std::string LessonName(std::string_view lessonCode) {
    const LessonInfo* lesson = FindLesson(lessonCode);
    if (!lesson) return std::string(lessonCode);
    return lesson->title.empty() ? "All Night Play Room" : std::string(lesson->title);
}

std::string CellLabel(const ChartCell& cell) {
    return HandText(cell) + " vs " + UpCardText(cell.column);
}

std::string MistakeText(const Mistake& mistake) {
    char each[32];
    std::snprintf(each, sizeof each, "%.1f", mistake.averageCostPercent);
    return CellLabel(mistake.cell) + ": you " + ActionText(static_cast<int>(mistake.taken)) +
           ", right " + ActionText(mistake.advice) + ", " + std::to_string(mistake.count) +
           (mistake.count == 1 ? " time, " : " times, ") + each + " % of the bet each, " +
           DollarText(mistake.totalCost) + " in all";
}

std::string DollarText(double dollars) {
    const long long cents = std::llround(dollars * 100);
    char text[40];
    std::snprintf(text, sizeof text, "%s$%lld.%02lld", cents < 0 ? "-" : "",
                  std::llabs(cents) / 100, std::llabs(cents) % 100);
    return text;
}

}  // namespace vantrel::record
