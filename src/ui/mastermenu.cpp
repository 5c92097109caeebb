#include "ui/mastermenu.h"

#include <QLabel>
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
constexpr std::array<ControlSpec, 12> kLayout = {{
    {Button, "bbtn_rules", {312, 12, 93, 29}, "Rules", 16},
    {Button, "bbtn_record", {412, 12, 93, 29}, "Record", 16},
    {Button, "bbtn_web", {512, 12, 93, 29}, "Web Site", 16},
    {Button, "bbtn_l1", {64, 60, 505, 37}, "Lesson1.True Count && Betting  ", 20},
    {Button, "bbtn_l2", {64, 108, 505, 37}, "Lesson2.Practice (True Count) ", 20},
    {Button, "bbtn_l3", {64, 156, 505, 37}, "Lesson3.Practice (Betting)    ", 20},
    {Button, "bbtn_l4", {64, 204, 505, 37}, "Lesson4.Index Plays           ", 20},
    {Button, "bbtn_l5", {64, 252, 505, 37}, "Lesson5.Practice (Index Plays)", 20},
    {Button, "bbtn_l6", {64, 300, 505, 37}, "Lesson6.Master Exam           ", 20},
    {Button, "bbtn_pro", {64, 348, 505, 37}, "Professional Course", 20},
    {BoldLabel, "l_figures", {64, 386, 505, 18}, "", 12, Qt::AlignCenter},
    {Button, "bbtn_goodbye", {64, 404, 505, 37}, "Good bye!", 20},
}};

struct LessonButton {
    const char* name;
    const char* code;
};

constexpr std::array<LessonButton, 6> kLessonButtons = {{
    {"bbtn_l1", "ML1"},
    {"bbtn_l2", "ML2"},
    {"bbtn_l3", "ML3"},
    {"bbtn_l4", "ML4"},
    {"bbtn_l5", "ML5"},
    {"bbtn_l6", "ML6"},
}};

constexpr char kWorkingOut[] = "Working out the figures for the rules in force ...";
constexpr int kPollMs = 200;

}  // namespace

Tf_mastermenu::Tf_mastermenu(Session& session, Tf_mdi& mdi)
    : Screen(session, mdi, "Master Course", QColor(255, 192, 128)) {
    setObjectName("Tf_mastermenu");
    BuildControls(this, kLayout);
    l_figures_ = FindControl<QLabel>(this, "l_figures");

    for (const LessonButton& lesson : kLessonButtons) {
        connect(FindControl<QPushButton>(this, lesson.name), &QPushButton::clicked, this,
                [this, code = lesson.code] { OpenLesson(this->session(), this->mdi(), code); });
    }
    connect(FindControl<QPushButton>(this, "bbtn_pro"), &QPushButton::clicked, this,
            [this] { this->mdi().ShowScreen(ScreenId::ProMenu); });
    connect(FindControl<QPushButton>(this, "bbtn_rules"), &QPushButton::clicked, this,
            [this] { this->mdi().ShowScreen(ScreenId::Rules); });
    connect(FindControl<QPushButton>(this, "bbtn_record"), &QPushButton::clicked, this,
            [this] { this->mdi().ShowScreen(ScreenId::Record); });
    connect(FindControl<QPushButton>(this, "bbtn_web"), &QPushButton::clicked, this,
            [] { OpenWebPage(kProductPageUrl); });
    connect(FindControl<QPushButton>(this, "bbtn_goodbye"), &QPushButton::clicked, this,
            [this] { this->mdi().QuitApplication(); });
    connect(&figuresPoll_, &QTimer::timeout, this, &Tf_mastermenu::ShowFiguresState);
}

void Tf_mastermenu::FormShow() {
    if (!IsRunning()) return;
    TellRecordTrouble(session());
    session().returnMenu = kMasterMenu;
    ShowFiguresState();
}

void Tf_mastermenu::ShowFiguresState() {
    const bool known = session().masterFigures != nullptr;
    for (const LessonButton& lesson : kLessonButtons)
        FindControl<QPushButton>(this, lesson.name)->setEnabled(known);
    l_figures_->setText(known ? QString() : QString(kWorkingOut));
    if (known)
        figuresPoll_.stop();
    else if (!figuresPoll_.isActive())
        figuresPoll_.start(kPollMs);
}

}  // namespace vantrel
