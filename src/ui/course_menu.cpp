#include "ui/course_menu.h"

#include "coach/lessons.h"
#include "ui/cursor.h"
#include "ui/mdi.h"
#include "ui/session.h"

namespace vantrel {

ScreenId CourseMenuScreen(int returnMenu) {
    if (returnMenu == kProfessionalMenu) return ScreenId::ProMenu;
    if (returnMenu == kMasterMenu) return ScreenId::MasterMenu;
    return ScreenId::Menu;
}

void SelectLesson(Session& session, Tf_mdi& mdi, const std::string& code, bool hasTable, int page) {
    session.lesson.lessonCode = code;
    session.lesson.lecturePage = page;
    session.lesson.lessonHasTable = hasTable;
    session.closingReport.clear();
    mdi.ShowScreen(ScreenId::Lecture);
}

void OpenLesson(Session& session, Tf_mdi& mdi, const std::string& code) {
    const LessonInfo* lesson = FindLesson(code);
    const bool hasTable = lesson && lesson->hasTable;
    SelectLesson(session, mdi, code, hasTable);
    if (hasTable) SetTableValues(session.lesson, *lesson);
}

void OpenPlayRoom(Session& session, Tf_mdi& mdi) {
    SetHourglassCursor();
    const LessonInfo& room = *FindLesson("P");
    session.lesson.lessonCode = std::string(room.code);
    session.lesson.lecturePage = 1;
    session.lesson.lessonHasTable = true;
    SetTableValues(session.lesson, room);
    mdi.ShowScreen(ScreenId::Practical);
    SetArrowCursor();
}

}  // namespace vantrel
