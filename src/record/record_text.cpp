#include "record/record_text.h"

#include <cmath>
#include <cstdio>

#include "coach/coach.h"
#include "coach/lessons.h"

namespace vantrel::record {

namespace {

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

std::string MistakeText(const Mistake& mistake) {
    std::string at;
    if ((mistake.deviation || mistake.insuranceTaken) && mistake.trueCount)
        at = std::string(" at true ") + (*mistake.trueCount >= 0 ? "+" : "") +
             std::to_string(*mistake.trueCount);
    std::string text;
    if (mistake.insuranceTaken) {
        text = "Insurance vs A" + at +
               (*mistake.insuranceTaken ? ": you TOOK, right NO" : ": you DECLINED, right TAKE");
    } else {
        text = CellLabel(mistake.cell) + at + ": you " +
               ActionText(static_cast<int>(mistake.taken)) + ", right " +
               ActionText(mistake.advice);
    }
    text += ", " + std::to_string(mistake.count) + (mistake.count == 1 ? " time" : " times");
    if (!mistake.priced) return text;
    char each[32];
    std::snprintf(each, sizeof each, "%.1f", mistake.averageCostPercent);
    return text + ", " + each + " % of the bet each, " + DollarText(mistake.totalCost) + " in all";
}

std::string DollarText(double dollars) {
    const long long cents = std::llround(dollars * 100);
    char text[40];
    std::snprintf(text, sizeof text, "%s$%lld.%02lld", cents < 0 ? "-" : "",
                  std::llabs(cents) / 100, std::llabs(cents) % 100);
    return text;
}

}  // namespace vantrel::record
