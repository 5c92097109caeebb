#pragma once

#include <string>

namespace vantrel {

// What the table coaches and counts in the current lesson.
enum class LessonMode {
    FreePlay = 0,
    WinQuota = 1,
    DecisionQuota = 2,
    CountQuota = 3,
    WinningsQuota = 9,
    // The Master Course's.
    TrueCountQuota = 10,
    BetQuota = 11,
    IndexQuota = 12,
    MasterExam = 13
};

// The course a lesson belongs to, and whose menu the table returns to.
enum class Course { General, Professional, Master };

// The current lesson, set by a course-menu button and shared by the menus, the lecture viewer
// and the table.
struct LessonSetup {
    std::string
        lessonCode;  // "NL1".."NL6", "PL1".."PL3", "ML1".."ML6", "P" for the All Night Play Room
    int lecturePage = 1;
    bool lessonHasTable = false;

    int chips = 0;  // the student's chips, in whole dollars
    LessonMode lessonMode = LessonMode::FreePlay;
    int quota = 1;
    int maxBetSetting = 100;

    // Lessons whose code starts with "P" belong to the Professional Course.
    bool IsProfessional() const { return !lessonCode.empty() && lessonCode[0] == 'P'; }
    // Lessons whose code starts with "M" belong to the Master Course.
    bool IsMaster() const { return !lessonCode.empty() && lessonCode[0] == 'M'; }
    Course course() const {
        return IsMaster()         ? Course::Master
               : IsProfessional() ? Course::Professional
                                  : Course::General;
    }
};

}  // namespace vantrel
