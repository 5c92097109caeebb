#include "ui/lecture.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <array>

#include "app/data_paths.h"
#include "coach/lessons.h"
#include "master_pages.h"
#include "strategy/master_text.h"
#include "ui/accessibility.h"
#include "ui/closing_report.h"
#include "ui/controls.h"
#include "ui/course_menu.h"
#include "ui/cursor.h"
#include "ui/data_file_loaders.h"
#include "ui/mdi.h"
#include "ui/menu.h"
#include "ui/picture_words.h"
#include "ui/session.h"

namespace vantrel {

namespace {

using enum ControlKind;

constexpr char kMenu[] = "Menu";
constexpr char kStart[] = "Start";
constexpr char kFinish[] = "Finish";
constexpr char kNext[] = "Next ->";
constexpr char kFiguresBeingWorkedOut[] =
    "The figures for the rules on this table are being\n"
    "worked out; this page fills in when they are ready.";
// How often a page waiting for the Master Course's figures looks whether they have come.
constexpr int kFiguresPollMs = 500;

ScreenId ReturnScreen(int returnMenu) {
    if (returnMenu == kRecordScreen) return ScreenId::Record;
    return CourseMenuScreen(returnMenu);
}

constexpr std::array<ControlSpec, 6> kLayout = {{
    {BoldLabel, "l_no", {548, 16, 57, 28}, "", 20, Qt::AlignRight | Qt::AlignVCenter},
    {Image, "img_lecture", {16, 60, 600, 248}},
    {Memo, "m_lecture", {16, 308, 601, 93}, "", 20},
    {Button, "bbtn_back", {16, 412, 121, 25}, "<- Back", 16},
    {Button, "bbtn_menu", {256, 412, 121, 25}, kMenu, 16},
    {Button, "bbtn_next", {496, 412, 121, 25}, kNext, 16},
}};

}  // namespace

Tf_lecture::Tf_lecture(Session& session, Tf_mdi& mdi) : Screen(session, mdi, "Lecture") {
    setObjectName("Tf_lecture");
    titleLabel()->setObjectName("l_lecture");
    BuildControls(this, kLayout);

    l_no_ = FindControl<QLabel>(this, "l_no");
    img_lecture_ = FindControl<QLabel>(this, "img_lecture");
    m_lecture_ = FindControl<QPlainTextEdit>(this, "m_lecture");
    bbtn_back_ = FindControl<QPushButton>(this, "bbtn_back");
    bbtn_menu_ = FindControl<QPushButton>(this, "bbtn_menu");
    bbtn_next_ = FindControl<QPushButton>(this, "bbtn_next");
    connect(bbtn_back_, &QPushButton::clicked, this, &Tf_lecture::bbtn_backClick);
    connect(bbtn_next_, &QPushButton::clicked, this, &Tf_lecture::bbtn_nextClick);
    connect(bbtn_menu_, &QPushButton::clicked, this, &Tf_lecture::bbtn_menuClick);
    // The page keys work wherever the focus is: the text takes none, and a focused button hands
    // them on instead of moving the focus with the arrows.
    m_lecture_->setFocusPolicy(Qt::NoFocus);
    for (QPushButton* button : {bbtn_back_, bbtn_menu_, bbtn_next_})
        button->installEventFilter(this);
    figuresWait_ = new QTimer(this);
    figuresWait_->setInterval(kFiguresPollMs);
    connect(figuresWait_, &QTimer::timeout, this, [this] {
        if (!isVisible() || !this->session().masterFigures) return;
        figuresWait_->stop();
        ShowLecturePage(this->session().lesson.lessonCode, this->session().lesson.lecturePage);
    });
}

void Tf_lecture::FormShow() {
    if (!IsRunning()) return;
    const LessonSetup& lesson = session().lesson;
    if (const LessonInfo* info = FindLesson(lesson.lessonCode))
        titleLabel()->setText(QString::fromUtf8(info->title.data(), info->title.size()));

    bbtn_back_->setVisible(!lesson.lessonHasTable);
    bbtn_next_->setVisible(!lesson.lessonHasTable);
    if (lesson.lessonHasTable)
        bbtn_menu_->setText(lesson.lecturePage == 1 ? kStart : kFinish);
    else
        bbtn_menu_->setText(kMenu);
    ShowLecturePage(lesson.lessonCode, lesson.lecturePage);
}

void Tf_lecture::ShowLecturePage(const std::string& code, int page) {
    const std::string& dir = session().appDir;
    l_no_->setText(session().lesson.lessonHasTable ? QString() : QString::number(page));
    const strategy::MasterFigures* figures = session().masterFigures.get();
    bool waitsForFigures = false;
    QString pictureWords;
    if (art::IsMasterFigurePage(code, page) && figures) {
        const QImage drawn =
            art::MasterFigurePage(code, page, *figures, img_lecture_->devicePixelRatioF());
        const QPixmap picture = QPixmap::fromImage(drawn);
        img_lecture_->setPixmap(picture);
        img_lecture_->resize(ShownSize(picture));
        pictureWords = PictureWordsOf(drawn);
    } else {
        LoadBitmap(img_lecture_, QString::fromStdString(LectureBitmapPath(dir, code, page)),
                   BitmapFit::SizeToBitmap);
        waitsForFigures = art::IsMasterFigurePage(code, page);
        pictureWords = ReadPictureWords(LectureBitmapPath(dir, code, page));
    }
    // A page without its text shows none rather than the text of the page before.
    if (!LoadTextLines(m_lecture_, QString::fromStdString(LectureTextPath(dir, code, page))))
        m_lecture_->clear();
    // A closing page may show what the lesson came to.
    if (page == 99 && !session().closingReport.empty()) {
        const QString report = QString::fromStdString(session().closingReport);
        DrawClosingReport(img_lecture_, report);
        pictureWords += '\n' + report;
    }
    DescribePicture(img_lecture_, pictureWords);
    ShowFigures(figures, waitsForFigures);
    const bool nextPageExists =
        QFileInfo::exists(QString::fromStdString(LectureTextPath(dir, code, page + 1)));
    bbtn_next_->setText(nextPageExists ? kNext : kFinish);
    SpeakCaption(bbtn_next_);
}

// The Master Course's texts name their figures, which are filled in for the rules in force; until
// the figures are known the page says so and looks again now and then.
void Tf_lecture::ShowFigures(const strategy::MasterFigures* figures, bool waitsForFigures) {
    const std::string text = m_lecture_->toPlainText().toStdString();
    if (strategy::HasPlaceholders(text)) {
        if (figures)
            m_lecture_->setPlainText(
                QString::fromStdString(strategy::FillMasterText(text, *figures)));
        else {
            m_lecture_->setPlainText(kFiguresBeingWorkedOut);
            waitsForFigures = true;
        }
    }
    if (waitsForFigures)
        figuresWait_->start();
    else
        figuresWait_->stop();
}

// Page Down or Right: the next page; Page Up or Left: the page before; Home: the first page;
// Escape: the menu button. The page keys stay within the lecture: "Finish" and a "Back" that
// leaves are pressed as buttons, or left by Escape.
bool Tf_lecture::PageKey(const QKeyEvent& key) {
    const int page = session().lesson.lecturePage;
    const bool paged = bbtn_next_->isVisible();  // a lesson that ends at the table has one page
    switch (key.key()) {
        case Qt::Key_PageDown:
        case Qt::Key_Right:
            if (paged && bbtn_next_->text() != kFinish) bbtn_nextClick();
            return true;
        case Qt::Key_PageUp:
        case Qt::Key_Left:
            if (paged && page > 1) bbtn_backClick();
            return true;
        case Qt::Key_Home:
            if (paged && page > 1) {
                session().lesson.lecturePage = 1;
                ShowLecturePage(session().lesson.lessonCode, 1);
            }
            return true;
        case Qt::Key_Escape:
            if (!key.isAutoRepeat()) bbtn_menuClick();
            return true;
        default:
            return false;
    }
}

void Tf_lecture::keyPressEvent(QKeyEvent* event) {
    if (!PageKey(*event)) Screen::keyPressEvent(event);
}

bool Tf_lecture::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && PageKey(*static_cast<QKeyEvent*>(event))) return true;
    return Screen::eventFilter(watched, event);
}

void Tf_lecture::bbtn_backClick() {
    LessonSetup& lesson = session().lesson;
    if (lesson.lecturePage == 1) {
        bbtn_menuClick();
        return;
    }
    --lesson.lecturePage;
    ShowLecturePage(lesson.lessonCode, lesson.lecturePage);
}

void Tf_lecture::bbtn_nextClick() {
    if (bbtn_next_->text() == kFinish) {
        bbtn_menuClick();
        return;
    }
    LessonSetup& lesson = session().lesson;
    ++lesson.lecturePage;
    ShowLecturePage(lesson.lessonCode, lesson.lecturePage);
}

void Tf_lecture::bbtn_menuClick() {
    if (bbtn_menu_->text() == kStart) {
        SetHourglassCursor();
        mdi().ShowScreen(ScreenId::Practical);
        SetArrowCursor();
        return;
    }
    if (bbtn_menu_->text() == kFinish && session().lesson.lessonCode == "NL6" &&
        !OpenProfessionalCourse())
        return;
    mdi().ShowScreen(ReturnScreen(session().returnMenu));
}

// Passing the General Course exam: the new level is saved before the Professional Course opens.
// A failed save leaves the student on the closing page.
bool Tf_lecture::OpenProfessionalCourse() {
    session().settings.LV = "PL1";
    if (!SaveProgressOrShowError()) return false;
    mdi().GeneralMenu().ShowProButton();
    session().returnMenu = 2;
    return true;
}

}  // namespace vantrel
