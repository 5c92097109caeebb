#include "student.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <algorithm>
#include <cstdlib>

#include "engine/table.h"
#include "real_mouse.h"
#include "table_audit.h"
#include "ui/cpin.h"
#include "ui/mdi.h"
#include "ui/practical.h"
#include "ui/quitting.h"
#include "ui/screen.h"

namespace vantrel::soak {

namespace {

constexpr int kTickMs = 2;
// A student has one hand: more acts inside each other's waits would only pile up the stack.
constexpr int kMostActsInWaits = 3;
// Some visits are short, some long enough to meet a quota or lose every chip.
constexpr double kRestlessMenuChance = 0.003;
constexpr double kPatientMenuChance = 0.0005;
constexpr double kSplitPairChance = 0.5;
constexpr double kLeaveChance = 0.4;  // the Menu question answered with OK
constexpr double kWrongCountChance = 0.4;
constexpr double kRecordChance = 0.1;  // of a look at the Record screen between visits

// The lessons with a table, and the course-menu button that opens each.
struct LessonWay {
    const char* code;
    bool professional;
    const char* button;
};
constexpr LessonWay kTableLessons[] = {{"NL3", false, "bbtn_l3"}, {"NL5", false, "bbtn_l5"},
                                       {"NL6", false, "bbtn_l6"}, {"PL2", true, "bbtn_l2"},
                                       {"PL3", true, "bbtn_l3"},  {"P", true, "bbtn_l6"}};

constexpr const char* kChipControls[] = {"img_chip005", "img_chip025", "img_chip100",
                                         "l_bet005",    "l_bet025",    "l_bet100"};
constexpr const char* kActionButtons[] = {"bbtn_hit", "bbtn_stand", "bbtn_double", "bbtn_split"};
// The table's keys but M, which goes with the Menu button's own chance.
constexpr Qt::Key kTableKeys[] = {Qt::Key_H, Qt::Key_S, Qt::Key_D, Qt::Key_P,
                                  Qt::Key_1, Qt::Key_2, Qt::Key_3};

}  // namespace

Student::Student(Tf_mdi& frame, Tf_practical& table, TableAudit& audit, std::uint32_t seed)
    : frame_(frame), table_(table), audit_(audit), random_(seed) {
    ticks_.setInterval(kTickMs);
    ticks_.setTimerType(Qt::PreciseTimer);
    connect(&ticks_, &QTimer::timeout, this, &Student::Tick);
}

void Student::Start() {
    ticks_.start();
}

std::string Student::Summary() const {
    return "acts=" + std::to_string(played_.acts) +
           " in-waits=" + std::to_string(played_.actsInWaits) +
           " visits=" + std::to_string(played_.visits) +
           " menu-ok=" + std::to_string(played_.leaves) +
           " menu-cancel=" + std::to_string(played_.stays) +
           " count-answers=" + std::to_string(played_.countAnswers) +
           " wrong=" + std::to_string(played_.wrongCounts) +
           " no-chips=" + std::to_string(played_.noChips) +
           " passed=" + std::to_string(played_.passes) +
           " record-looks=" + std::to_string(played_.recordLooks) +
           " most-hands=" + std::to_string(played_.mostHands);
}

void Student::Tick() {
    audit_.AfterEvent();
    if (actPosted_) return;
    // A box or the count question waits for its answer however deep the acts below it are.
    if (actsRunning_ >= kMostActsInWaits && !QApplication::activeModalWidget()) return;
    actPosted_ = true;
    QTimer::singleShot(0, this, [this] {
        actPosted_ = false;
        Act();
    });
}

void Student::Act() {
    if (IsApplicationQuitting()) return;
    ++actsRunning_;
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        AnswerMessageBox(*box);
    } else if (auto* dialog = qobject_cast<Tf_cpin*>(modal)) {
        AnswerCountQuestion(*dialog);
    } else if (modal) {
        PressKey(modal, Qt::Key_Escape);
    } else {
        keypad_.clear();
        ++played_.acts;
        // A nested loop below this act is a wait of the table (a deal, a balloon, a pause).
        if (QThread::currentThread()->loopLevel() > 1) ++played_.actsInWaits;
        if (frame_.CurrentScreen() == &table_)
            PlayAtTable();
        else if (frame_.CurrentScreen())
            FindTheWayToTheTable(*frame_.CurrentScreen());
    }
    audit_.AfterEvent();
    --actsRunning_;
}

void Student::AnswerMessageBox(QMessageBox& box) {
    const bool question = box.text() == "You want to go back to Menu?";
    const bool leave = !question || Chance(kLeaveChance);
    if (question) ++(leave ? played_.leaves : played_.stays);
    if (box.text().contains("no chips")) ++played_.noChips;
    QAbstractButton* button = box.button(leave ? QMessageBox::Ok : QMessageBox::Cancel);
    if (!button) button = box.buttons().value(0);
    if (!button) {
        PressKey(&box, Qt::Key_Escape);
        return;
    }
    ClickAt(button, {1 + Below(button->width() - 2), 1 + Below(button->height() - 2)});
}

void Student::AnswerCountQuestion(Tf_cpin& dialog) {
    if (keypad_.isEmpty()) PlanCountAnswer();
    const QString key = keypad_.takeFirst();
    if (key == "escape")
        PressKey(&dialog, Qt::Key_Escape);
    else
        ClickControl(dialog, key.toLatin1().constData());
}

// The running count, or a number near it; now and then an OK without a number, an attempt to
// close the dialog, or a digit taken back.
void Student::PlanCountAnswer() {
    int answer = table_.table().shoe().runningCount;
    ++played_.countAnswers;
    if (Chance(kWrongCountChance)) {
        answer += (Chance(0.5) ? 1 : -1) * (1 + Below(3));
        ++played_.wrongCounts;
    }
    if (Chance(0.1)) keypad_ << "bbtn_ok";
    if (Chance(0.05)) keypad_ << "escape";
    if (answer < 0) keypad_ << "bbtn_minus";
    if (Chance(0.1)) keypad_ << QString("bbtn_%1").arg(Below(10)) << "bbtn_bs";
    for (const QChar digit : QString::number(std::abs(answer))) keypad_ << QString("bbtn_") + digit;
    keypad_ << "bbtn_ok";
}

void Student::FindTheWayToTheTable(QWidget& screen) {
    const QString name = screen.objectName();
    if (name == "Tf_main") {
        ClickControl(screen, "bbtn_goodluck");
    } else if (name == "Tf_first") {
        ClickControl(screen, "bbtn_ok");
    } else if (name == "Tf_lecture") {
        auto* button = screen.findChild<QAbstractButton*>("bbtn_menu");
        if (button && button->text() == "Finish") ++played_.passes;
        ClickControl(screen, "bbtn_menu");  // "Start" on a lesson's first page
    } else if (name == "Tf_record") {
        // A mistake's chart page now and then; its lecture comes back here.
        ClickControl(screen, Chance(0.5) ? "lst_mistakes" : "bbtn_menu");
    } else if (name == "Tf_menu" || name == "Tf_promenu") {
        if (lessonWanted_.empty() && Chance(kRecordChance)) {
            ClickControl(screen, "bbtn_record");
            ++played_.recordLooks;
            return;
        }
        const auto wanted =
            std::find_if(std::begin(kTableLessons), std::end(kTableLessons),
                         [this](const LessonWay& way) { return way.code == lessonWanted_; });
        const LessonWay& way = wanted != std::end(kTableLessons)
                                   ? *wanted
                                   : kTableLessons[Below(std::size(kTableLessons))];
        lessonWanted_ = way.code;
        const bool onProfessional = name == "Tf_promenu";
        if (way.professional == onProfessional)
            ClickControl(screen, way.button);
        else
            ClickControl(screen, onProfessional ? "bbtn_normal" : "bbtn_pro");
    }
}

void Student::PlayAtTable() {
    if (!lessonWanted_.empty()) {
        lessonWanted_.clear();  // a new visit
        ++played_.visits;
        menuChance_ = Chance(0.5) ? kRestlessMenuChance : kPatientMenuChance;
    }
    if (Chance(menuChance_)) {
        if (Chance(0.5))
            ClickControl(table_, "bbtn_menu");
        else
            PressKey(&table_, Qt::Key_M);
        return;
    }
    played_.mostHands = std::max(played_.mostHands, table_.table().state().handCount);
    // Pairs come seldom: a student who sees one likes to split it, to reach three and four hands.
    if (table_.table().actionsEnabled() && table_.table().IsMatchingPair() &&
        Chance(kSplitPairChance)) {
        ClickControl(table_, "bbtn_split");
        return;
    }
    const int pick = Below(100);
    if (pick < 22)
        ClickControl(table_, kChipControls[Below(std::size(kChipControls))]);
    else if (pick < 50)
        ClickControl(table_, kActionButtons[Below(std::size(kActionButtons))]);
    else if (pick < 64)
        Gesture();
    else if (pick < 69)
        DoubleClickAt(&table_, SurfacePoint());
    else if (pick < 73)
        ClickAt(&table_, {1 + Below(table_.width() - 2), 1 + Below(table_.height() - 2)});
    else if (pick < 80)
        PressKey(&table_, kTableKeys[Below(std::size(kTableKeys))]);
    // Otherwise the student watches.
}

// Clicks where the control lies, as a hand would: when it is hidden, whatever lies there gets
// the click.
void Student::ClickControl(QWidget& screen, const char* name) {
    auto* control = screen.findChild<QWidget*>(name);
    if (!control || !control->parentWidget()) return;
    const QRect area = control->geometry();
    ClickAt(control->parentWidget(),
            {area.left() + Below(area.width()), area.top() + Below(area.height())});
}

void Student::Gesture() {
    const int dx = Offset();
    const int dy = Offset();
    const QPoint from = SurfacePoint(dx, dy);
    const int steps = Below(4);
    std::vector<QPoint> via;
    for (int i = 1; i <= steps; ++i)
        via.push_back(from + QPoint(dx * i / (steps + 1), dy * i / (steps + 1)));
    const Qt::MouseButton button = Chance(0.85)  ? Qt::LeftButton
                                   : Chance(0.7) ? Qt::RightButton
                                                 : Qt::MiddleButton;
    DragAt(&table_, from, via, from + QPoint(dx, dy), button);
}

// A drag's rightward or downward part: about the 70-pixel threshold, a hand that barely moves,
// or anything from a long drag back to a long drag forward.
int Student::Offset() {
    switch (Below(3)) {
        case 0:
            return 67 + Below(7);
        case 1:
            return Below(11) - 5;
        default:
            return Below(401) - 150;
    }
}

// A point of the table's bare surface from which a move of (dx, dy) stays on the screen.
QPoint Student::SurfacePoint(int dx, int dy) {
    const int minX = std::max(1, 1 - dx);
    const int maxX = std::min(table_.width() - 2, table_.width() - 2 - dx);
    const int minY = std::max(1, 1 - dy);
    const int maxY = std::min(table_.height() - 2, table_.height() - 2 - dy);
    QPoint point(table_.width() / 2, table_.height() / 2);
    if (minX > maxX || minY > maxY) return point;
    for (int tries = 0; tries < 30; ++tries) {
        point = {minX + Below(maxX - minX + 1), minY + Below(maxY - minY + 1)};
        if (!table_.childAt(point)) break;
    }
    return point;
}

}  // namespace vantrel::soak
