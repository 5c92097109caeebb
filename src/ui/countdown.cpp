#include "ui/countdown.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "record/entries.h"
#include "recorder/recorder.h"
#include "ui/controls.h"
#include "ui/cpin.h"
#include "ui/delay.h"
#include "ui/mdi.h"
#include "ui/quitting.h"
#include "ui/session.h"
#include "ui/table_colours.h"

namespace vantrel {

namespace {

using enum ControlKind;

constexpr std::array<ControlSpec, 14> kLayout = {{
    {BoldLabel, "l_cards", {28, 64, 189, 29}, "Cards", 20},
    {Button, "bbtn_deck", {224, 64, 113, 29}, "1 deck", 16},
    {Button, "bbtn_halfdeck", {344, 64, 113, 29}, "1/2 deck", 16},
    {BoldLabel, "l_pace", {28, 108, 189, 29}, "Pace", 20},
    {Button, "bbtn_pace10", {224, 108, 73, 29}, "1.0 s", 16},
    {Button, "bbtn_pace05", {304, 108, 73, 29}, "0.5 s", 16},
    {Button, "bbtn_pace03", {384, 108, 73, 29}, "0.3 s", 16},
    {Button, "bbtn_mypace", {464, 108, 113, 29}, "My pace", 16},
    {Image, "img_card", {262, 156, 108, 144}},
    {BoldLabel, "l_dealt", {384, 276, 161, 24}, "", 20},
    {BoldLabel, "l_result", {16, 312, 601, 90}, "", 20, Qt::AlignCenter},
    {Button, "bbtn_back", {16, 412, 121, 25}, "<- Back", 16},
    {BoldLabel, "l_next", {144, 412, 345, 25}, "", 16, Qt::AlignCenter},
    {Button, "bbtn_start", {496, 412, 121, 25}, "Start", 16},
}};

struct Choice {
    const char* button;
    int value;
};
constexpr Choice kCardChoices[] = {{"bbtn_deck", 52}, {"bbtn_halfdeck", 26}};
constexpr Choice kPaceChoices[] = {
    {"bbtn_pace10", 1000}, {"bbtn_pace05", 500}, {"bbtn_pace03", 300}, {"bbtn_mypace", 0}};

QString Signed(int count) {
    return count > 0 ? QString("+%1").arg(count) : QString::number(count);
}

}  // namespace

Tf_countdown::Tf_countdown(Session& session, Tf_mdi& mdi)
    : Screen(session, mdi, "Count-down Drill"), pictures_(session, *this) {
    setObjectName("Tf_countdown");
    BuildControls(this, kLayout);
    FindControl<QLabel>(this, "img_card")->setScaledContents(true);
    PaintText(FindControl<QLabel>(this, "l_next"), kPalePink);

    const auto choose = [this](std::span<const Choice> choices, int& chosen) {
        for (const Choice& choice : choices) {
            auto* button = FindControl<QPushButton>(this, choice.button);
            button->setCheckable(true);
            connect(button, &QPushButton::clicked, this, [this, &chosen, value = choice.value] {
                chosen = value;
                ShowChoices();
            });
        }
    };
    choose(kCardChoices, cards_);
    choose(kPaceChoices, paceMs_);
    connect(FindControl<QPushButton>(this, "bbtn_start"), &QPushButton::clicked, this,
            &Tf_countdown::bbtn_startClick);
    connect(FindControl<QPushButton>(this, "bbtn_back"), &QPushButton::clicked, this,
            &Tf_countdown::bbtn_backClick);
    pace_.setSingleShot(true);
    connect(&pace_, &QTimer::timeout, this, &Tf_countdown::DealNext);
}

void Tf_countdown::FormShow() {
    setFocus();  // "my pace" keys come to the screen
    if (!IsRunning()) return;
    pictures_.ReadCards();
    pictures_.ReportMissing();
    FindControl<QLabel>(this, "img_card")->hide();
    FindControl<QLabel>(this, "l_dealt")->clear();
    FindControl<QLabel>(this, "l_result")
        ->setText(QString("Count the cards as they come; the target is %1 s a deck.")
                      .arg(kTargetSecondsPerDeck));
    ShowChoices();
}

void Tf_countdown::ShowChoices() {
    for (const auto& [choices, chosen] :
         {std::pair{std::span<const Choice>(kCardChoices), cards_},
          std::pair{std::span<const Choice>(kPaceChoices), paceMs_}}) {
        for (const Choice& choice : choices) {
            auto* button = FindControl<QPushButton>(this, choice.button);
            button->setChecked(choice.value == chosen);
            button->setEnabled(!dealing_);
        }
    }
    FindControl<QPushButton>(this, "bbtn_start")->setEnabled(!dealing_);
    FindControl<QLabel>(this, "l_next")
        ->setText(dealing_ && paceMs_ == 0 ? "Any key or click: the next card" : "");
}

void Tf_countdown::bbtn_startClick() {
    if (dealing_) return;
    random_.Seed(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    shoe_.Refill(1, 100);
    dealt_ = 0;
    dealing_ = true;
    ShowChoices();
    FindControl<QLabel>(this, "l_result")->clear();
    setFocus();
    clock_.start();
    DealNext();
}

void Tf_countdown::DealNext() {
    if (!dealing_) return;
    if (dealt_ == cards_) return AskTheCount(clock_.elapsed() / 1000.0);
    const Card card = shoe_.DrawCard(random_);
    shoe_.Count(card);
    ++dealt_;
    auto* image = FindControl<QLabel>(this, "img_card");
    image->setPixmap(pictures_.Face(card));
    image->show();
    FindControl<QLabel>(this, "l_dealt")->setText(QString("%1/%2").arg(dealt_).arg(cards_));
    if (paceMs_ > 0) pace_.start(ScaledMs(paceMs_));
}

void Tf_countdown::StopDealing() {
    pace_.stop();
    dealing_ = false;
}

void Tf_countdown::AskTheCount(double seconds) {
    StopDealing();
    FindControl<QLabel>(this, "img_card")->hide();
    ShowChoices();
    const int answer = mdi().CountDialog().AskOrBack();
    if (IsApplicationQuitting()) return;
    if (answer == Tf_cpin::kNoNumber) return bbtn_backClick();
    ShowResult(answer, seconds);
}

void Tf_countdown::ShowResult(int answer, double seconds) {
    const record::CountDownEntry result{cards_, paceMs_, shoe_.runningCount, answer, seconds};
    if (Recorder* recorder = session().recorder.get()) recorder->CountDownDone(result);
    // The keypad asks for the course's "Counting Point": say once that it is the running count.
    const QString verdict =
        result.right() ? QString("Right! The running count (Counting Point) is %1.")
                             .arg(Signed(result.runningCount))
                       : QString("Wrong: the running count (Counting Point) is %1, not %2.")
                             .arg(Signed(result.runningCount), Signed(answer));
    // At a set pace the time is the pace's: what counts is keeping up with it.
    const QString how =
        paceMs_ > 0
            ? QString("%1 cards at %2 s a card.").arg(cards_).arg(paceMs_ / 1000.0, 0, 'f', 1)
            : QString("%1 s for %2 cards; the target is %3 s.")
                  .arg(seconds, 0, 'f', 1)
                  .arg(cards_)
                  .arg(kTargetSecondsPerDeck * cards_ / 52);
    FindControl<QLabel>(this, "l_result")->setText(verdict + "\n" + how);
}

void Tf_countdown::keyPressEvent(QKeyEvent* event) {
    // At the student's pace each press is one card; at a set pace keys do nothing, and nothing
    // is kept for later.
    if (dealing_ && paceMs_ == 0 && !event->isAutoRepeat() && !IsModifierKey(event->key()))
        return DealNext();
    Screen::keyPressEvent(event);
}

void Tf_countdown::mousePressEvent(QMouseEvent*) {
    if (dealing_ && paceMs_ == 0) DealNext();
}

void Tf_countdown::bbtn_backClick() {
    StopDealing();
    mdi().ShowScreen(ScreenId::Record);
}

}  // namespace vantrel
