#include "ui/practical.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <iterator>

#include "app/data_paths.h"
#include "engine/table_check.h"
#include "recorder/recorder.h"
#include "ui/cpin.h"
#include "ui/delay.h"
#include "ui/discard_tray.h"
#include "ui/judging.h"
#include "ui/mdi.h"
#include "ui/message_box.h"
#include "ui/practical_layout.h"
#include "ui/recording.h"
#include "ui/session.h"

namespace vantrel {

namespace {

// The table's keys: each works one button or chip, and its tooltip names the key. A chip's
// "BET" label bets as the chip does, so it shows the same tooltip.
struct TableKey {
    Qt::Key key;
    const char* control;
    const char* tip;
    const char* betLabel = nullptr;
};

constexpr TableKey kKeys[] = {
    {Qt::Key_H, "bbtn_hit", "Hit (H)"},
    {Qt::Key_S, "bbtn_stand", "Stand (S)"},
    {Qt::Key_D, "bbtn_double", "Double down (D)"},
    {Qt::Key_P, "bbtn_split", "Split (P)"},
    {Qt::Key_1, "img_chip005", "Bet $5 (1)", "l_bet005"},
    {Qt::Key_2, "img_chip025", "Bet $25 (2)", "l_bet025"},
    {Qt::Key_3, "img_chip100", "Bet $100 (3)", "l_bet100"},
    {Qt::Key_M, "bbtn_menu", "Menu (M)"},
    {Qt::Key_I, "bbtn_insurance", "Insurance (I)"},
};

// How often the screen looks whether the values after a deviation are ready.
constexpr int kEvPollMs = 40;

}  // namespace

Tf_practical::Tf_practical(Session& session, Tf_mdi& mdi)
    : Screen(session, mdi, "Practice"),
      pictures_(session, *this),
      table_(*this, session.lesson),
      coach_(table_, judgingChart_),
      chartGate_(table_, coach_, judgingChart_),
      masterCoach_(table_) {
    setObjectName("Tf_practical");
    // The table has no title band.
    for (const char* name : {"s_title", "l_title"}) Find<QWidget>(name)->hide();
    BuildLayout();
    ConnectControls();
    table_.SetCoaching(&chartGate_);
    table_.SetMasterChecks(&masterCoach_);
#ifndef NDEBUG
    table_.SetStepObserver([](const Table& table) {
        const std::string fault = CheckTable(table);
        Q_ASSERT_X(fault.empty(), "table", fault.c_str());
    });
#endif
}

void Tf_practical::BuildLayout() {
    BuildTableLayout(this);
    // Left of the dealer's cards, clear of the dealer's balloon.
    tray_ = new DiscardTray(this);
    tray_->setObjectName("img_tray");
    tray_->setGeometry(60, 26, 88, 94);
    for (int i = 0; i < static_cast<int>(Control::Count); ++i) {
        const QString name = QString::fromUtf8(ControlName(static_cast<Control>(i)).data(),
                                               ControlName(static_cast<Control>(i)).size());
        controls_[i] = Find<QWidget>(name);
    }
    for (int slot = 0; slot < kSlotCount; ++slot) slots_[slot] = Find<QLabel>(SlotName(slot));
    int i = 0;
    for (const char* name : {"bbtn_hit", "bbtn_stand", "bbtn_double", "bbtn_split"})
        actions_[i++] = Find<QPushButton>(name);
    for (QPushButton* action : actions_) action->setEnabled(false);
    for (const TableKey& key : kKeys) {
        Find<QWidget>(key.control)->setToolTip(key.tip);
        if (key.betLabel) Find<QWidget>(key.betLabel)->setToolTip(key.tip);
    }
}

void Tf_practical::ConnectControls() {
    connect(actions_[0], &QPushButton::clicked, this, [this] { table_.bbtn_hitClick(); });
    connect(actions_[1], &QPushButton::clicked, this, [this] { table_.bbtn_standClick(); });
    connect(actions_[2], &QPushButton::clicked, this, [this] { table_.bbtn_doubleClick(); });
    connect(actions_[3], &QPushButton::clicked, this, [this] { table_.bbtn_splitClick(); });
    connect(static_cast<QPushButton*>(controls_[static_cast<int>(Control::bbtn_menu)]),
            &QPushButton::clicked, this, [this] { table_.bbtn_menuClick(); });
    connect(&tm_start_, &QTimer::timeout, this, [this] { table_.tm_startTimer(); });
    connect(Find<QPushButton>("bbtn_insurance"), &QPushButton::clicked, this,
            [this] { table_.bbtn_insuranceClick(); });
    evPoll_.setInterval(kEvPollMs);
    connect(&evPoll_, &QTimer::timeout, this, [this] {
        if (!pendingEv_.valid() ||
            pendingEv_.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            return;
        evPoll_.stop();
        std::string line;
        try {
            line = pendingEv_.get();
        } catch (...) {
            // Only when memory ran out working the values out: nothing to show.
        }
        pendingEv_ = {};
        auto* label = Find<QLabel>("l_ev");
        label->setText(QString::fromStdString(line));
        label->setVisible(!line.empty());
    });
    // A chip and its "BET" label both bet; QLabel has no click of its own.
    for (Control chip : {Control::img_chip005, Control::img_chip025, Control::img_chip100,
                         Control::l_bet005, Control::l_bet025, Control::l_bet100})
        controls_[static_cast<int>(chip)]->setCursor(Qt::PointingHandCursor);
    // A press on any control is not the table's: it ends a pending gesture, so that the release
    // that follows it cannot act.
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->installEventFilter(this);
}

bool Tf_practical::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) table_.DisarmGesture();
    if (event->type() != QEvent::MouseButtonRelease) return Screen::eventFilter(watched, event);
    const ChipHandler bet = ChipClick(watched);
    if (!bet) return Screen::eventFilter(watched, event);
    const auto* release = static_cast<QMouseEvent*>(event);
    if (release->button() == Qt::LeftButton &&
        static_cast<QWidget*>(watched)->rect().contains(release->position().toPoint()))
        (table_.*bet)();
    return true;
}

Tf_practical::ChipHandler Tf_practical::ChipClick(const QObject* control) const {
    const auto is = [&](Control a, Control b) {
        return control == controls_[static_cast<int>(a)] ||
               control == controls_[static_cast<int>(b)];
    };
    if (is(Control::img_chip005, Control::l_bet005)) return &Table::l_bet005Click;
    if (is(Control::img_chip025, Control::l_bet025)) return &Table::l_bet025Click;
    if (is(Control::img_chip100, Control::l_bet100)) return &Table::l_bet100Click;
    return nullptr;
}

void Tf_practical::FormShow() {
    setFocus();  // the table's keys come to the screen
    if (!IsRunning()) return;
    // Before the table is set up: nothing at the table waits yet.
    TellRecordTrouble(session());
    if (session().lesson.IsMaster()) {
        // The Master Course's coach hears the table first and tells the record after it.
        visitFigures_ = session().masterFigures;
        masterCoach_.StartVisit(visitFigures_.get(), session().recorder.get());
        table_.SetEvents(&masterCoach_);
    } else {
        table_.SetEvents(session().recorder.get());
    }
    const Settings& settings = session().settings;
    table_.rules = {settings.DECK, settings.PLAYPER, settings.GAMESPEED};
    judgingChart_ = session().chartFile.chart;
    coach_.index().SetFigures(session().masterFigures);
    OfferInsurance(false);
    ShowEvLine({});
    chartGate_.StartVisit(JudgingChartFor(session(), settings.DECK));
    table_.FormShow();
}

void Tf_practical::ApplicationQuitting() {
    table_.EndVisit(VisitEnd::Quit);
}

bool Tf_practical::OnSurface(const QMouseEvent* event) const {
    // A press on a card, label, shape or button belongs to that control, not to the table.
    return childAt(event->position().toPoint()) == nullptr;
}

void Tf_practical::mousePressEvent(QMouseEvent* event) {
    if (!OnSurface(event)) return;
    const QPoint at = event->position().toPoint();
    table_.FormMouseDown(at.x(), at.y());
}

void Tf_practical::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    table_.FormMouseUp(at.x(), at.y());
}

void Tf_practical::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && OnSurface(event)) table_.FormDblClick();
}

void Tf_practical::keyPressEvent(QKeyEvent* event) {
    const auto key = std::find_if(std::begin(kKeys), std::end(kKeys),
                                  [event](const TableKey& k) { return k.key == event->key(); });
    if (key == std::end(kKeys)) return Screen::keyPressEvent(event);
    // One press, one action: the repeats of a held key do nothing. A key pressed while the table
    // waits (a deal, a balloon, the pause after settlement) reaches this handler from inside the
    // wait and is dropped here, not kept for after it.
    if (event->isAutoRepeat() || waitsRunning_ > 0) return;
    QWidget* control = Find<QWidget>(key->control);
    if (!control->isVisible() || !control->isEnabled()) return;
    if (auto* button = qobject_cast<QPushButton*>(control))
        button->click();
    else
        (table_.*ChipClick(control))();
}

void Tf_practical::Delay(int ms) {
    ++waitsRunning_;
    vantrel::Delay(ms);
    --waitsRunning_;
}

void Tf_practical::SetText(Control control, std::string_view text) {
    if (auto* label = qobject_cast<QLabel*>(controls_[static_cast<int>(control)]))
        label->setText(QString::fromLatin1(text.data(), static_cast<int>(text.size())));
}

void Tf_practical::SetVisible(Control control, bool visible) {
    controls_[static_cast<int>(control)]->setVisible(visible);
}

void Tf_practical::SetEnabled(Control control, bool enabled) {
    controls_[static_cast<int>(control)]->setEnabled(enabled);
}

void Tf_practical::EnableActions(bool on) {
    for (QPushButton* action : actions_) action->setEnabled(on);
}

void Tf_practical::ShowCardFace(int slot, const Card& card) {
    slots_[slot]->setPixmap(pictures_.Face(card));
}

void Tf_practical::ShowCardBack(int slot) {
    slots_[slot]->setPixmap(pictures_.Back());
}

void Tf_practical::SetSlotVisible(int slot, bool visible) {
    slots_[slot]->setVisible(visible);
}

void Tf_practical::LoadChipBitmaps() {
    const std::string& appDir = session().appDir;
    const std::pair<int, std::array<Control, 2>> chips[] = {
        {5, {Control::img_chip005, Control::img_bet005}},
        {25, {Control::img_chip025, Control::img_bet025}},
        {100, {Control::img_chip100, Control::img_bet100}}};
    for (const auto& [value, images] : chips)
        for (Control image : images)
            static_cast<QLabel*>(controls_[static_cast<int>(image)])
                ->setPixmap(pictures_.Picture(ChipBitmapPath(appDir, value)));
    // Not in the middle of a deal.
    pictures_.ReadCards();
    pictures_.ReportMissing();
}

void Tf_practical::SetStartTimer(bool running) {
    if (running)
        tm_start_.start(ScaledMs(1000));
    else
        tm_start_.stop();
}

int Tf_practical::ShowMessageBox(std::string_view text) {
    return vantrel::ShowMessageBox(QString::fromLatin1(text.data(), static_cast<int>(text.size())));
}

int Tf_practical::AskCountPoint() {
    return mdi().CountDialog().Ask();
}

void Tf_practical::ShowClosingPage() {
    if (session().lesson.lessonMode == LessonMode::MasterExam)
        session().closingReport = masterCoach_.ExamReportText();
    mdi().ShowScreen(ScreenId::Lecture);
}

void Tf_practical::ShowCourseMenu(Course course) {
    const ScreenId menus[] = {ScreenId::Menu, ScreenId::ProMenu, ScreenId::MasterMenu};
    mdi().ShowScreen(menus[static_cast<int>(course)]);
}

void Tf_practical::ShowDiscardTray(bool shown, int cardsDealt, int decks) {
    tray_->SetCards(cardsDealt, decks);
    tray_->setVisible(shown);
}

int Tf_practical::AskTrueCount() {
    return mdi().CountDialog().AskTrueCount();
}

void Tf_practical::OfferInsurance(bool offered) {
    Find<QWidget>("bbtn_insurance")->setVisible(offered);
}

void Tf_practical::ShowEvLine(std::shared_future<std::string> line) {
    // A line asked for earlier, for an older hand, is dropped with its future.
    pendingEv_ = std::move(line);
    Find<QWidget>("l_ev")->hide();
    if (pendingEv_.valid())
        evPoll_.start();
    else
        evPoll_.stop();
}

}  // namespace vantrel
