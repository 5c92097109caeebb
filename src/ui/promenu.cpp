#include "ui/promenu.h"

#include <QPushButton>
#include <array>

#include "ui/controls.h"
#include "ui/course_menu.h"
#include "ui/mdi.h"
#include "ui/recording.h"
#include "ui/session.h"
#include "ui/web_page.h"

namespace vantrel {

namespace {

using enum ControlKind;

// Blank-padded captions: in the fixed-pitch font the lesson names line up.
constexpr std::array<ControlSpec, 10> kLayout = {{
    {Button, "bbtn_rules", {312, 12, 93, 29}, "Rules", 16},
    {Button, "bbtn_record", {412, 12, 93, 29}, "Record", 16},
    {Button, "bbtn_web", {512, 12, 93, 29}, "Web Site", 16},
    {Button, "bbtn_l1", {64, 60, 505, 37}, "Lesson1.Counting           ", 20},
    {Button, "bbtn_l2", {64, 108, 505, 37}, "Lesson2.Practice (Counting)", 20},
    {Button, "bbtn_l3", {64, 156, 505, 37}, "Lesson3.Graduation Exam    ", 20},
    {Button, "bbtn_master", {64, 252, 505, 37}, "Master Course", 20},
    {Button, "bbtn_l6", {64, 300, 505, 37}, "All Night Play Room", 20},
    {Button, "bbtn_normal", {64, 348, 505, 37}, "General Course", 20},
    {Button, "bbtn_goodbye", {64, 404, 505, 37}, "Good bye!", 20},
}};

struct LessonButton {
    const char* name;
    const char* code;
};

constexpr std::array<LessonButton, 3> kLessonButtons = {{
    {"bbtn_l1", "PL1"},
    {"bbtn_l2", "PL2"},
    {"bbtn_l3", "PL3"},
}};

}  // namespace

Tf_promenu::Tf_promenu(Session& session, Tf_mdi& mdi)
    : Screen(session, mdi, "Professional Course", QColor(192, 192, 255)) {
    setObjectName("Tf_promenu");
    BuildControls(this, kLayout);

    for (const LessonButton& lesson : kLessonButtons) {
        connect(FindControl<QPushButton>(this, lesson.name), &QPushButton::clicked, this,
                [this, code = lesson.code] { OpenLesson(this->session(), this->mdi(), code); });
    }
    connect(FindControl<QPushButton>(this, "bbtn_l6"), &QPushButton::clicked, this,
            [this] { OpenPlayRoom(this->session(), this->mdi()); });
    connect(FindControl<QPushButton>(this, "bbtn_master"), &QPushButton::clicked, this,
            [this] { this->mdi().ShowScreen(ScreenId::MasterMenu); });
    connect(FindControl<QPushButton>(this, "bbtn_normal"), &QPushButton::clicked, this,
            [this] { this->mdi().ShowScreen(ScreenId::Menu); });
    connect(FindControl<QPushButton>(this, "bbtn_rules"), &QPushButton::clicked, this,
            [this] { this->mdi().ShowScreen(ScreenId::Rules); });
    connect(FindControl<QPushButton>(this, "bbtn_record"), &QPushButton::clicked, this,
            [this] { this->mdi().ShowScreen(ScreenId::Record); });
    connect(FindControl<QPushButton>(this, "bbtn_web"), &QPushButton::clicked, this,
            [] { OpenWebPage(kProductPageUrl); });
    connect(FindControl<QPushButton>(this, "bbtn_goodbye"), &QPushButton::clicked, this,
            [this] { this->mdi().QuitApplication(); });
}

void Tf_promenu::FormShow() {
    if (!IsRunning()) return;
    TellRecordTrouble(session());
    session().returnMenu = 2;
}

}  // namespace vantrel
