#include "ui/menu.h"

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
constexpr std::array<ControlSpec, 11> kLayout = {{
    {Button, "bbtn_rules", {312, 12, 93, 29}, "Rules", 16},
    {Button, "bbtn_record", {412, 12, 93, 29}, "Record", 16},
    {Button, "bbtn_web", {512, 12, 93, 29}, "Web Site", 16},
    {Button, "bbtn_l1", {64, 60, 505, 37}, "Lesson1.Black Jack           ", 20},
    {Button, "bbtn_l2", {64, 108, 505, 37}, "Lesson2.Game Rules           ", 20},
    {Button, "bbtn_l3", {64, 156, 505, 37}, "Lesson3.Practice 1 (Rules)   ", 20},
    {Button, "bbtn_l4", {64, 204, 505, 37}, "Lesson4.Basic Strategy       ", 20},
    {Button, "bbtn_l5", {64, 252, 505, 37}, "Lesson5.Practice 2 (Strategy)", 20},
    {Button, "bbtn_l6", {64, 300, 505, 37}, "Lesson6.Graduation Exam      ", 20},
    {Button, "bbtn_pro", {64, 348, 505, 37}, "Professional Course", 20},
    {Button, "bbtn_goodbye", {64, 404, 505, 37}, "Good bye!", 20},
}};

struct LessonButton {
    const char* name;
    const char* code;
};

constexpr std::array<LessonButton, 6> kLessonButtons = {{
    {"bbtn_l1", "NL1"},
    {"bbtn_l2", "NL2"},
    {"bbtn_l3", "NL3"},
    {"bbtn_l4", "NL4"},
    {"bbtn_l5", "NL5"},
    {"bbtn_l6", "NL6"},
}};

}  // namespace

Tf_menu::Tf_menu(Session& session, Tf_mdi& mdi)
    : Screen(session, mdi, "General Course", QColor(128, 255, 128)) {
    setObjectName("Tf_menu");
    BuildControls(this, kLayout);

    for (const LessonButton& lesson : kLessonButtons) {
        connect(FindControl<QPushButton>(this, lesson.name), &QPushButton::clicked, this,
                [this, code = lesson.code] { OpenLesson(this->session(), this->mdi(), code); });
    }
    bbtn_pro_ = FindControl<QPushButton>(this, "bbtn_pro");
    bbtn_pro_->hide();
    connect(bbtn_pro_, &QPushButton::clicked, this,
            [this] { this->mdi().ShowScreen(ScreenId::ProMenu); });
    connect(FindControl<QPushButton>(this, "bbtn_rules"), &QPushButton::clicked, this,
            [this] { this->mdi().ShowScreen(ScreenId::Rules); });
    connect(FindControl<QPushButton>(this, "bbtn_record"), &QPushButton::clicked, this,
            [this] { this->mdi().ShowScreen(ScreenId::Record); });
    connect(FindControl<QPushButton>(this, "bbtn_web"), &QPushButton::clicked, this,
            [] { OpenWebPage(kProductPageUrl); });
    connect(FindControl<QPushButton>(this, "bbtn_goodbye"), &QPushButton::clicked, this,
            [this] { this->mdi().QuitApplication(); });
}

void Tf_menu::FormShow() {
    if (!IsRunning()) return;
    TellRecordTrouble(session());
    session().returnMenu = 1;
}

void Tf_menu::ShowProButton() {
    bbtn_pro_->show();
}

}  // namespace vantrel
