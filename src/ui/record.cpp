#include "ui/record.h"

#include <QDateTime>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>

#include "coach/lessons.h"
#include "record/drill_queries.h"
#include "record/record_queries.h"
#include "record/record_reader.h"
#include "record/record_text.h"
#include "recorder/recorder.h"
#include "ui/controls.h"
#include "ui/course_menu.h"
#include "ui/fonts.h"
#include "ui/judging.h"
#include "ui/mdi.h"
#include "ui/progress_plot.h"
#include "ui/recording.h"
#include "ui/session.h"

namespace vantrel {

namespace {

using enum ControlKind;

constexpr char kMistakesHeading[] =
    "Mistakes by chart cell, costliest first: choose one to see its chart";

// Two pages: the lessons and the mistakes, then the exams and the progress plot. The lessons
// list has room for nine lessons, its column heading above it.
constexpr std::array<ControlSpec, 16> kLayout = {{
    {Button, "bbtn_lessons", {16, 54, 189, 22}, "Lessons", 16},
    {Button, "bbtn_progress", {212, 54, 189, 22}, "Exams, progress", 16},
    {Label, "l_lessons", {19, 82, 598, 16}, "", 12},
    {List, "lst_lessons", {16, 98, 601, 123}, "", 12},
    {Label, "l_judging", {16, 223, 601, 34}, "", 12, Qt::AlignLeft | Qt::AlignVCenter},
    {BoldLabel, "l_mistakes", {16, 259, 601, 18}, kMistakesHeading, 14},
    {List, "lst_mistakes", {16, 277, 601, 125}, "", 12},
    {BoldLabel, "l_progress", {16, 82, 601, 18}, "", 14},
    {Image, "img_progress", {16, 100, 601, 150}},
    {BoldLabel, "l_exams", {16, 256, 601, 18}, "Exams: net = luck - mistakes", 14},
    {List, "lst_exams", {16, 274, 601, 128}, "", 12},
    {Label, "l_empty", {64, 140, 505, 140}, "", 16, Qt::AlignCenter},
    {Button, "bbtn_drill", {16, 412, 121, 25}, "Drill", 16},
    {Button, "bbtn_countdown", {144, 412, 121, 25}, "Count-down", 16},
    {Label, "l_drills", {272, 404, 217, 45}, "", 12, Qt::AlignLeft | Qt::AlignVCenter},
    {Button, "bbtn_menu", {496, 412, 121, 25}, "Menu", 16},
}};

// What each page shows of a record; hidden while there is none.
constexpr std::array<const char*, 5> kLessonsPage = {"l_lessons", "lst_lessons", "l_judging",
                                                     "l_mistakes", "lst_mistakes"};
constexpr std::array<const char*, 4> kProgressPage = {"l_progress", "img_progress", "l_exams",
                                                      "lst_exams"};
constexpr std::array<const char*, 2> kPageButtons = {"bbtn_lessons", "bbtn_progress"};

constexpr char kNothingYet[] =
    "Nothing is recorded yet. Play at any practice table and this page will show how each "
    "lesson went, which decisions you got wrong and what they cost, your exams, and how you "
    "improve from visit to visit.";

// A row of fixed-width columns in the fixed-pitch font.
QString Columns(std::initializer_list<std::pair<QString, int>> cells) {
    QString row;
    for (const auto& [text, width] : cells)
        row += width < 0 ? text.leftJustified(-width) : text.rightJustified(width);
    return row;
}

// "69/203 34.0%", rounded as the lab rounds.
QString RightOfAll(int right, int all) {
    if (all == 0) return "-";
    return QString("%1/%2 %3%").arg(right).arg(all).arg(100.0 * right / all, 5, 'f', 1);
}

// Whole dollars, as the table shows them: "$120", "-$35".
QString Dollars(int dollars) {
    return (dollars < 0 ? "-$" : "$") + QString::number(std::abs(static_cast<long long>(dollars)));
}

// A lesson's name as the student reads it here. The two exams share their title; each says its
// course.
QString LessonTitle(const std::string& code) {
    QString title = QString::fromStdString(record::LessonName(code));
    if (std::ranges::find(record::kExamLessons, code) != record::kExamLessons.end())
        title += code.starts_with('P') ? " (Professional)" : " (General)";
    return title;
}

// The lessons' columns, for the heading and the rows alike.
constexpr int kLessonColumns[] = {-30, 7, 7, 7, 16, 14, 15};

QString LessonColumns(const std::array<QString, 7>& texts) {
    QString row;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const int width = kLessonColumns[i];
        row += width < 0 ? texts[i].leftJustified(-width) : texts[i].rightJustified(width);
    }
    return row;
}

QString LessonRow(const record::LessonSummary& lesson) {
    QString exam;
    if (lesson.bestNet && lesson.lastNet)
        exam = Dollars(*lesson.bestNet) + "/" + Dollars(*lesson.lastNet);
    return LessonColumns({LessonTitle(lesson.lessonCode), QString::number(lesson.visits),
                          QString::number(lesson.passes), QString::number(lesson.rounds),
                          RightOfAll(lesson.rightDecisions, lesson.decisions),
                          RightOfAll(lesson.rightCountAnswers, lesson.countAnswers), exam});
}

QString ExamRow(const record::ExamAttempt& attempt) {
    const QString when = QDateTime::fromMSecsSinceEpoch(attempt.startedAt).toString("MM-dd hh:mm");
    return Columns({{LessonTitle(attempt.lessonCode), -31},
                    {when, -12},
                    {Dollars(attempt.net), 7},
                    {QString::fromStdString(record::DollarText(attempt.luck())), 11},
                    {QString::fromStdString(record::DollarText(attempt.givenUp)), 10}});
}

// The first row of a list names its columns; it cannot be chosen.
void AddHeading(QListWidget* list, const QString& text) {
    auto* heading = new QListWidgetItem(text, list);
    heading->setFlags(Qt::ItemIsEnabled);
    heading->setBackground(QColor(224, 224, 224));
}

// "28.1 s", or "-" for a size never counted down right.
QString BestTime(const std::optional<double>& seconds) {
    return seconds ? QString("%1 s").arg(*seconds, 0, 'f', 1) : QString("-");
}

QString DrillsText(const record::RecordReader& reader) {
    const record::DrillSummary drill = record::StrategyDrillSummary(reader);
    const record::CountDownSummary countDowns = record::CountDowns(reader);
    const int due = record::CellsDue(record::LoadDrillState(reader));
    const QString dueText = QString("%1 cell%2 due").arg(due).arg(due == 1 ? "" : "s");
    if (drill.answers == 0 && countDowns.attempts == 0) return "No drill yet; " + dueText + ".";
    return QString("Drill: %1/%2 right, %3\nCount-down: %4/%5 right\nBest: deck %6, half deck %7")
        .arg(drill.right)
        .arg(drill.answers)
        .arg(dueText)
        .arg(countDowns.right)
        .arg(countDowns.attempts)
        .arg(BestTime(countDowns.bestDeck), BestTime(countDowns.bestHalfDeck));
}

// The shares of one kind of answer, visit by visit.
VisitSeries Shares(const std::vector<record::VisitProgress>& visits,
                   std::optional<record::VisitShare> record::VisitProgress::*kind) {
    VisitSeries shares;
    for (const record::VisitProgress& visit : visits) {
        const std::optional<record::VisitShare>& share = visit.*kind;
        shares.push_back(share ? std::optional(share->share()) : std::nullopt);
    }
    return shares;
}

}  // namespace

Tf_record::Tf_record(Session& session, Tf_mdi& mdi) : Screen(session, mdi, "Record") {
    setObjectName("Tf_record");
    BuildControls(this, kLayout);

    l_empty_ = FindControl<QLabel>(this, "l_empty");
    l_empty_->setWordWrap(true);
    lst_lessons_ = FindControl<QListWidget>(this, "lst_lessons");
    lst_mistakes_ = FindControl<QListWidget>(this, "lst_mistakes");
    lst_exams_ = FindControl<QListWidget>(this, "lst_exams");
    img_progress_ = FindControl<QLabel>(this, "img_progress");
    l_judging_ = FindControl<QLabel>(this, "l_judging");
    l_drills_ = FindControl<QLabel>(this, "l_drills");
    for (QLabel* label : {l_judging_, l_drills_}) {
        label->setFont(PGothicFont(12));  // proportional: more words to the line
        label->setWordWrap(true);
    }
    for (QListWidget* list : {lst_lessons_, lst_exams_})
        list->setSelectionMode(QListWidget::NoSelection);
    FindControl<QLabel>(this, "l_lessons")
        ->setText(LessonColumns({"Lesson", "Visits", "Passed", "Rounds", "Decisions right",
                                 "Counts right", "Exam best/last"}));
    FindControl<QLabel>(this, "l_progress")
        ->setText(QString("Right per visit, last %1").arg(record::kProgressVisits));
    for (std::size_t i = 0; i < kPageButtons.size(); ++i) {
        auto* button = FindControl<QPushButton>(this, kPageButtons[i]);
        button->setCheckable(true);
        connect(button, &QPushButton::clicked, this,
                [this, page = static_cast<int>(i) + 1] { ShowPage(page); });
    }
    lst_mistakes_->setCursor(Qt::PointingHandCursor);
    connect(lst_mistakes_, &QListWidget::itemClicked, this, &Tf_record::lst_mistakesClick);
    lst_mistakes_->installEventFilter(this);  // Enter chooses the row the arrows came to
    connect(FindControl<QPushButton>(this, "bbtn_menu"), &QPushButton::clicked, this,
            &Tf_record::bbtn_menuClick);
    connect(FindControl<QPushButton>(this, "bbtn_drill"), &QPushButton::clicked, this,
            [this] { this->mdi().ShowScreen(ScreenId::Drill); });
    connect(FindControl<QPushButton>(this, "bbtn_countdown"), &QPushButton::clicked, this,
            [this] { this->mdi().ShowScreen(ScreenId::CountDown); });
}

void Tf_record::FormShow() {
    if (!IsRunning()) return;
    if (session().returnMenu != 3) returnMenu_ = session().returnMenu;
    // What was played a moment ago is normally written by now; a record still being opened
    // is not waited for long.
    if (Recorder* recorder = session().recorder.get())
        recorder->WaitUntilWritten(std::chrono::milliseconds(1000));
    TellRecordTrouble(session());

    const std::string& path = session().installation.progress.record;
    l_drills_->clear();
    if (!QFileInfo::exists(QString::fromStdString(path))) return ShowSentence(kNothingYet);
    const record::RecordReader reader(path);
    if (!reader.ok()) return ShowSentence(QString::fromStdString(reader.error()));
    try {
        if (record::IsEmpty(reader)) return ShowSentence(kNothingYet);
        ShowRecord(reader);
        l_drills_->setText(DrillsText(reader));
    } catch (const record::RecordReadError& error) {
        l_drills_->clear();
        ShowSentence(QString::fromUtf8(error.what()));
    }
}

void Tf_record::ShowSentence(const QString& sentence) {
    ShowPage(0);
    l_empty_->setText(sentence);
    l_empty_->show();
}

void Tf_record::ShowPage(int page) {
    page_ = page;
    for (const char* name : kLessonsPage) FindControl<QWidget>(this, name)->setVisible(page == 1);
    for (const char* name : kProgressPage) FindControl<QWidget>(this, name)->setVisible(page == 2);
    for (std::size_t i = 0; i < kPageButtons.size(); ++i) {
        auto* button = FindControl<QPushButton>(this, kPageButtons[i]);
        button->setVisible(page > 0);
        button->setChecked(page == static_cast<int>(i) + 1);
    }
}

void Tf_record::ShowRecord(const record::RecordReader& reader) {
    l_empty_->hide();
    ShowPage(page_ > 0 ? page_ : 1);
    ShowLessons(reader);
    ShowJudging();
    ShowMistakes(reader);
    ShowExams(reader);
    ShowProgress(reader);
}

void Tf_record::ShowLessons(const record::RecordReader& reader) {
    lst_lessons_->clear();
    for (const record::LessonSummary& lesson : record::LessonSummaries(reader))
        lst_lessons_->addItem(LessonRow(lesson));
}

void Tf_record::ShowJudging() {
    const std::string text = JudgingText(session(), session().settings.DECK);
    l_judging_->setText(QString::fromStdString(text));
    // A chart still being worked out: look again shortly, while the screen is shown.
    if (text.ends_with("…"))
        QTimer::singleShot(100, this, [this] {
            if (isVisible()) ShowJudging();
        });
}

void Tf_record::ShowMistakes(const record::RecordReader& reader) {
    lst_mistakes_->clear();
    mistakeParts_.clear();
    for (const record::Mistake& mistake : record::MistakesByCell(reader)) {
        lst_mistakes_->addItem(QString::fromStdString(record::MistakeText(mistake)));
        mistakeParts_.push_back(mistake.insuranceTaken ? std::nullopt
                                                       : std::optional(mistake.cell.part));
    }
    if (mistakeParts_.empty()) {
        lst_mistakes_->addItem("No wrong decision so far.");
        lst_mistakes_->item(0)->setFlags(Qt::NoItemFlags);
    }
}

void Tf_record::ShowExams(const record::RecordReader& reader) {
    lst_exams_->clear();
    AddHeading(lst_exams_,
               Columns({{"Exam", -31}, {"Date", -12}, {"Net", 7}, {"Luck", 11}, {"Mistakes", 10}}));
    for (const record::ExamAttempt& attempt : record::ExamAttempts(reader))
        lst_exams_->addItem(ExamRow(attempt));
}

void Tf_record::ShowProgress(const record::RecordReader& reader) {
    const std::vector<record::VisitProgress> visits = record::ProgressOfLastVisits(reader);
    img_progress_->setPixmap(
        DrawProgressPlot(img_progress_->size(), img_progress_->devicePixelRatioF(),
                         Shares(visits, &record::VisitProgress::decisions),
                         Shares(visits, &record::VisitProgress::countAnswers)));
}

void Tf_record::lst_mistakesClick(QListWidgetItem* item) {
    const int row = lst_mistakes_->row(item);
    if (row < 0 || row >= static_cast<int>(mistakeParts_.size()) || !mistakeParts_[row]) return;
    session().returnMenu = 3;
    SelectLesson(session(), mdi(), "NL4", false, BasicStrategyChartPage(*mistakeParts_[row]));
}

bool Tf_record::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lst_mistakes_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && lst_mistakes_->currentItem()) {
            lst_mistakesClick(lst_mistakes_->currentItem());
            return true;
        }
    }
    return Screen::eventFilter(watched, event);
}

void Tf_record::bbtn_menuClick() {
    mdi().ShowScreen(CourseMenuScreen(returnMenu_));
}

}  // namespace vantrel
