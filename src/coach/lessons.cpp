#include "coach/lessons.h"

#include <array>

namespace vantrel {

namespace {
constexpr std::array<LessonInfo, 16> kLessons = {{
    {"NL1", "Black Jack", false, 0, LessonMode::FreePlay, 0, 0},
    {"NL2", "Game Rules", false, 0, LessonMode::FreePlay, 0, 0},
    {"NL3", "Practice 1 (Rules)", true, 10000, LessonMode::WinQuota, 10, 100},
    {"NL4", "Basic Strategy", false, 0, LessonMode::FreePlay, 0, 0},
    {"NL5", "Practice 2 (Strategy)", true, 10000, LessonMode::DecisionQuota, 100, 100},
    {"NL6", "Graduation Exam", true, 1000, LessonMode::WinningsQuota, 1000, 200},
    {"PL1", "Counting", false, 0, LessonMode::FreePlay, 0, 0},
    {"PL2", "Practice (Counting)", true, 10000, LessonMode::CountQuota, 10, 100},
    {"PL3", "Graduation Exam", true, 1000, LessonMode::WinningsQuota, 2000, 200},
    {"ML1", "True Count & Betting", false, 0, LessonMode::FreePlay, 0, 0},
    {"ML2", "Practice (True Count)", true, 10000, LessonMode::TrueCountQuota, 10, 100},
    {"ML3", "Practice (Betting)", true, 10000, LessonMode::BetQuota, 50, 100},
    {"ML4", "Index Plays", false, 0, LessonMode::FreePlay, 0, 0},
    {"ML5", "Practice (Index Plays)", true, 10000, LessonMode::IndexQuota, 100, 100},
    {"ML6", "Master Exam", true, 10000, LessonMode::MasterExam, 4, 100},
    {"P", "", true, 1000, LessonMode::FreePlay, 1, 200},
}};
}  // namespace

const LessonInfo* FindLesson(std::string_view code) {
    for (const LessonInfo& lesson : kLessons)
        if (lesson.code == code) return &lesson;
    return nullptr;
}

int BasicStrategyChartPage(ChartPart part) {
    switch (part) {
        case ChartPart::Soft:
            return 5;
        case ChartPart::Pair:
            return 7;
        case ChartPart::Hard:
            break;
    }
    return 4;
}

void SetTableValues(LessonSetup& setup, const LessonInfo& lesson) {
    setup.chips = lesson.chips;
    setup.lessonMode = lesson.mode;
    setup.quota = lesson.quota;
    setup.maxBetSetting = lesson.maxBet;
}

}  // namespace vantrel
