#include "ui/drill.h"

#include <QDateTime>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <chrono>
#include <utility>

#include "coach/coach.h"
#include "coach/judge.h"
#include "record/drill_queries.h"
#include "recorder/recorder.h"
#include "strategy/index_drill.h"
#include "strategy/master_text.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/delay.h"
#include "ui/judging.h"
#include "ui/mdi.h"
#include "ui/quitting.h"
#include "ui/session.h"
#include "ui/table_colours.h"

namespace vantrel {

namespace {

using enum ControlKind;

constexpr std::array<ControlSpec, 29> kLayout = {{
    {BoldLabel, "l_dealer", {16, 60, 101, 20}, "DEALER", 20},
    {Image, "img_d1", {160, 56, 72, 96}},
    {Image, "img_d2", {244, 56, 72, 96}},
    {Shape, "s_score", {464, 56, 153, 61}},
    {BoldLabel, "l_card", {472, 62, 137, 22}, "", 20},
    {BoldLabel, "l_right", {472, 88, 137, 22}, "", 20},
    {Shape, "Shape1", {0, 160, 632, 9}},
    {BoldLabel, "l_player", {16, 176, 101, 20}, "PLAYER", 20},
    {Image, "img_p1_1", {160, 176, 72, 96}},
    {Image, "img_p1_2", {244, 176, 72, 96}},
    {Button, "bbtn_hit", {496, 192, 121, 25}, "HIT", 16},
    {Button, "bbtn_stand", {496, 228, 121, 25}, "STAND", 16},
    {Button, "bbtn_double", {496, 264, 121, 25}, "DOUBLE DOWN", 16},
    {Button, "bbtn_split", {496, 300, 121, 25}, "SPLIT", 16},
    {Balloon, "s_pmsg", {144, 284, 337, 45}},
    {BoldLabel, "l_pmsg", {152, 284, 321, 45}, "", 20, Qt::AlignCenter},
    {BoldLabel, "l_evtitle", {16, 336, 121, 40}, "EV of a\n$1 bet", 16},
    {BoldLabel, "l_evhit", {144, 336, 168, 20}, "", 16},
    {BoldLabel, "l_evstand", {312, 336, 169, 20}, "", 16},
    {BoldLabel, "l_evdouble", {144, 356, 168, 20}, "", 16},
    {BoldLabel, "l_evsplit", {312, 356, 169, 20}, "", 16},
    {Label, "l_evnote", {16, 377, 601, 15}, "", 12, Qt::AlignCenter},
    {BoldLabel, "l_next", {16, 392, 601, 18}, "", 16, Qt::AlignCenter},
    {Button, "bbtn_back", {16, 412, 121, 25}, "<- Back", 16},
    {Shape, "Shape7", {388, 412, 229, 25}},
    {BoldLabel, "l_decks", {392, 412, 221, 24}, "", 20, Qt::AlignCenter},
    {Label, "l_keys", {144, 412, 237, 25}, "Keys: H S D P", 12, Qt::AlignCenter},
    // The index mode: its switch, and the true count each card is played at.
    {Button, "bbtn_index", {496, 124, 121, 25}, "INDEX", 16},
    {BoldLabel, "l_truecount", {324, 104, 136, 28}, "", 20, Qt::AlignCenter},
}};

constexpr char kStrategyTitle[] = "Strategy Drill";
constexpr char kIndexTitle[] = "Index Drill";

// The text colour of each label that is not white.
constexpr std::pair<const char*, QColor> kTextColours[] = {
    {"l_dealer", kLightYellow},  {"l_player", kLightYellow},
    {"l_card", kBlack},          {"l_right", kBlack},
    {"l_pmsg", kBlack},          {"l_evtitle", kLightYellow},
    {"l_evhit", kPaleYellow},    {"l_evstand", kPaleYellow},
    {"l_evdouble", kPaleYellow}, {"l_evsplit", kPaleYellow},
    {"l_evnote", kAqua},         {"l_next", kPalePink},
    {"l_decks", kPalePink},      {"l_truecount", kLightYellow},
};

// The answers: button, key and the action both take.
struct AnswerKey {
    const char* button;
    Qt::Key key;
    Action action;
    const char* valueLabel;
};
constexpr AnswerKey kAnswers[] = {
    {"bbtn_hit", Qt::Key_H, Action::Hit, "l_evhit"},
    {"bbtn_stand", Qt::Key_S, Action::Stand, "l_evstand"},
    {"bbtn_double", Qt::Key_D, Action::DoubleDown, "l_evdouble"},
    {"bbtn_split", Qt::Key_P, Action::Split, "l_evsplit"},
};

// How many hands of a cell are dealt, at most, in search of one whose own best play is the
// chart's.
constexpr int kHandDraws = 12;

// Two values worked out apart that differ by less are one.
constexpr double kSameValue = 1e-9;

Action ActionOfPlay(char play) {
    switch (play) {
        case 'S':
            return Action::Stand;
        case 'D':
            return Action::DoubleDown;
        case 'P':
            return Action::Split;
        default:
            return Action::Hit;
    }
}

// The two cards by value: "3-5", "A-7", "10-10".
QString CardValues(const DrillHand& hand) {
    const auto value = [](const Card& card) {
        return card.rank == 1 ? QString("A") : QString::number(std::min(card.rank, 10));
    };
    return value(hand.cards[0]) + "-" + value(hand.cards[1]);
}

// "45 s", "2 min 5 s".
QString DurationText(double seconds) {
    const int whole = static_cast<int>(seconds + 0.5);
    if (whole < 60) return QString("%1 s").arg(whole);
    return QString("%1 min %2 s").arg(whole / 60).arg(whole % 60);
}

}  // namespace

Tf_drill::Tf_drill(Session& session, Tf_mdi& mdi)
    : Screen(session, mdi, "Strategy Drill"), pictures_(session, *this) {
    setObjectName("Tf_drill");
    BuildControls(this, kLayout);
    for (const auto& [name, colour] : kTextColours)
        PaintText(FindControl<QWidget>(this, name), colour);
    PaintShape(FindControl<QFrame>(this, "s_score"), kPaleYellow, Qt::black);
    PaintShape(FindControl<QFrame>(this, "Shape1"), Qt::white, Qt::white);
    PaintShape(FindControl<QFrame>(this, "Shape7"), Qt::black, kPaleYellow);
    for (const char* image : {"img_d1", "img_d2", "img_p1_1", "img_p1_2"})
        FindControl<QLabel>(this, image)->setScaledContents(true);
    FindControl<QLabel>(this, "l_pmsg")->setWordWrap(true);
    for (const AnswerKey& answer : kAnswers) {
        auto* button = FindControl<QPushButton>(this, answer.button);
        button->setToolTip(QString("%1 (%2)").arg(button->text()).arg(QChar(answer.key)));
        connect(button, &QPushButton::clicked, this,
                [this, action = answer.action] { Answer(action); });
    }
    bbtn_split_ = FindControl<QPushButton>(this, "bbtn_split");
    connect(FindControl<QPushButton>(this, "bbtn_back"), &QPushButton::clicked, this,
            &Tf_drill::bbtn_backClick);
    bbtn_index_ = FindControl<QPushButton>(this, "bbtn_index");
    bbtn_index_->setCheckable(true);
    bbtn_index_->setToolTip("Drill the index plays at a true count");
    // Tab goes down the screen: the index switch above the answers, "Back" last.
    const char* tabOrder[] = {"bbtn_index",  "bbtn_hit",   "bbtn_stand",
                              "bbtn_double", "bbtn_split", "bbtn_back"};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(FindControl<QWidget>(this, tabOrder[i - 1]),
                    FindControl<QWidget>(this, tabOrder[i]));
    connect(bbtn_index_, &QPushButton::clicked, this, [this](bool checked) {
        if (phase_ == Phase::Preparing) return;
        indexMode_ = checked;
        StartSession();
    });
}

void Tf_drill::FormShow() {
    setFocus();  // the answer keys come to the screen
    if (!IsRunning()) return;
    pictures_.ReadCards();
    pictures_.ReportMissing();
    // The index mode needs the Master Course's figures for the rules in force.
    const bool indexFigures =
        session().masterFigures && !strategy::IndexDrillCells(*session().masterFigures).empty();
    bbtn_index_->setEnabled(indexFigures);
    indexMode_ = indexMode_ && indexFigures;
    bbtn_index_->setChecked(indexMode_);
    StartSession();
}

void Tf_drill::StartSession() {
    const int run = ++run_;
    phase_ = Phase::Preparing;
    for (const char* name : {"img_d1", "img_d2", "img_p1_1", "img_p1_2", "s_pmsg", "l_pmsg"})
        FindControl<QWidget>(this, name)->hide();
    for (const AnswerKey& answer : kAnswers) {
        FindControl<QWidget>(this, answer.button)->setEnabled(false);
        FindControl<QLabel>(this, answer.valueLabel)->clear();
    }
    FindControl<QLabel>(this, "l_evnote")->clear();
    FindControl<QLabel>(this, "l_next")->clear();
    FindControl<QLabel>(this, "l_truecount")->clear();
    titleLabel()->setText(indexMode_ ? kIndexTitle : kStrategyTitle);
    FindControl<QWidget>(this, "l_evtitle")->setVisible(!indexMode_);
    const int decks = session().settings.DECK;
    FindControl<QLabel>(this, "l_decks")->setText(QString::fromStdString(DecksText(decks)));

    record::DrillState state;
    record::IndexDrillState indexState;
    Recorder* recorder = session().recorder.get();
    if (recorder) recorder->WaitUntilWritten(std::chrono::milliseconds(1000));
    const std::string& path = session().installation.progress.record;
    try {
        if (QFileInfo::exists(QString::fromStdString(path))) {
            const record::RecordReader reader(path);
            if (indexMode_)
                indexState = record::LoadIndexDrillState(reader);
            else
                state = record::LoadDrillState(reader);
        }
    } catch (const record::RecordReadError&) {
        // A record that cannot be read through: the drill goes on as for a new student, and the
        // Record screen says what is wrong with the file.
    }
    random_.Seed(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    if (indexMode_) {
        // The index plays' own schedule: their progress is not the chart cells' progress.
        figures_ = session().masterFigures;
        indexSession_ = indexState.session;
        schedule_ = std::make_unique<DrillSchedule>(indexState.session, indexState.cells, random_,
                                                    strategy::IndexDrillCells(*figures_));
        unrecordedStart_.reset();
        cards_ = 0;
        right_ = 0;
        sessionClock_.start();
        return NextCard();
    }
    schedule_ = std::make_unique<DrillSchedule>(state.session, state.cells, random_);
    record::DrillStart start{decks, state.lastDecisionId, {}};
    for (const ChartCell& cell : state.missedAtTable) {
        schedule_->MissedAtTable(cell);
        start.cells.push_back(schedule_->ProgressOf(cell));
    }
    // A session is kept from its first answer on: one left before it never happened.
    unrecordedStart_ = std::move(start);

    if (!TakeJudgingChart(run)) return;
    cards_ = 0;
    right_ = 0;
    sessionClock_.start();
    NextCard();
}

bool Tf_drill::TakeJudgingChart(int run) {
    const int decks = session().settings.DECK;
    const std::shared_future<StrategyTable> chart = JudgingChartFor(session(), decks);
    if (chart.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        ShowBalloon(
            QString("Working out the chart for %1…")
                .arg(QString::fromStdString(strategy::DeckCount(strategy::TableDecks(decks)))));
    while (chart.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        Delay(10);
        if (run != run_ || IsApplicationQuitting()) return false;
    }
    try {
        chart_ = chart.get();
    } catch (...) {
        chart_ = session().chartFile.chart;  // memory ran out working it out
    }
    return true;
}

void Tf_drill::NextCard() {
    if (cards_ == DrillSchedule::kSessionCards) return ShowScore();
    ++cards_;
    if (indexMode_) {
        const ChartCell cell = schedule_->Next();
        indexPlay_ = strategy::IndexPlayOfCell(*figures_, cell);
        hand_ = HandForCell(cell, random_);
        trueCount_ = strategy::IndexDrillTrueCount(*indexPlay_, random_);
        FindControl<QLabel>(this, "l_truecount")
            ->setText(QString::fromStdString("TRUE " + strategy::SignedCount(trueCount_)));
    } else {
        hand_ = HandToAsk(schedule_->Next());
    }
    // The hole card is an empty card: its back.
    const std::pair<const char*, Card> shown[] = {{"img_d1", Card{}},
                                                  {"img_d2", hand_.up},
                                                  {"img_p1_1", hand_.cards[0]},
                                                  {"img_p1_2", hand_.cards[1]}};
    for (const auto& [name, card] : shown) {
        auto* image = FindControl<QLabel>(this, name);
        image->setPixmap(card.empty() ? pictures_.Back() : pictures_.Face(card));
        NameCard(image, card);
        image->show();
    }
    for (const char* name : {"s_pmsg", "l_pmsg"}) FindControl<QWidget>(this, name)->hide();
    for (const AnswerKey& answer : kAnswers) {
        FindControl<QWidget>(this, answer.button)->setEnabled(true);
        FindControl<QLabel>(this, answer.valueLabel)->clear();
    }
    FindControl<QLabel>(this, "l_evnote")->clear();
    // The table splits two cards of one rank only.
    bbtn_split_->setEnabled(hand_.cards[0].rank == hand_.cards[1].rank);
    FindControl<QLabel>(this, "l_next")->clear();
    FindControl<QLabel>(this, "l_card")
        ->setText(QString("CARD %1/%2").arg(cards_).arg(DrillSchedule::kSessionCards));
    FindControl<QLabel>(this, "l_right")->setText(QString("RIGHT %1").arg(right_));

    phase_ = Phase::Asking;
    cardClock_.start();
    if (indexMode_) return;  // the full shoe's values say nothing of a shoe at a true count
    // Worked out while the student thinks.
    shownValues_.reset();
    valuesKnown_ = false;
    values_.Ask({hand_.cards[0], hand_.cards[1]}, std::min(hand_.up.rank, 10),
                session().settings.DECK, [this](const std::optional<strategy::ActionValues>& v) {
                    shownValues_ = v;
                    valuesKnown_ = true;
                    if (phase_ == Phase::Holding || phase_ == Phase::MovingOn) ShowValues();
                });
}

void Tf_drill::Answer(Action action) {
    if (phase_ != Phase::Asking) return;
    const int run = run_;
    phase_ = Phase::Holding;
    // Any key now goes on to the next card; an answer button pressed from the keyboard would
    // otherwise hand its focus to "Back" as it greys out.
    setFocus();
    for (const AnswerKey& answer : kAnswers)
        FindControl<QWidget>(this, answer.button)->setEnabled(false);
    if (indexMode_) return AnswerIndexPlay(action, run);

    // The table's own judgement of these cards as its first hand.
    const Judgement judgement = JudgeDrillHand(chart_, hand_);
    const bool right = judgement.Accepts(action);
    right_ += right ? 1 : 0;
    ShowBalloon(QString::fromStdString(VerdictText(right, ActionName(judgement.advice))));
    ShowValues();
    FindControl<QLabel>(this, "l_right")->setText(QString("RIGHT %1").arg(right_));

    const CellProgress progress = schedule_->Answer(right);
    const bool last = cards_ == DrillSchedule::kSessionCards;
    if (Recorder* recorder = session().recorder.get()) {
        if (unrecordedStart_) recorder->DrillStarted(*std::exchange(unrecordedStart_, {}));
        Decision decision;
        decision.cards[0] = hand_.cards[0];
        decision.cards[1] = hand_.cards[1];
        decision.cardCount = 2;
        decision.upCard = hand_.up;
        decision.cell = judgement.cell;
        decision.action = action;
        decision.advice = judgement.advice;
        decision.right = right;
        recorder->DrillAnswered(decision, cardClock_.elapsed() / 1000.0, progress);
        if (last) recorder->DrillEnded({cards_, right_, sessionClock_.elapsed() / 1000.0});
    }
    if (last) sessionSeconds_ = sessionClock_.elapsed() / 1000.0;

    Delay(kVerdictHoldMs);
    if (run != run_ || IsApplicationQuitting()) return;
    phase_ = Phase::MovingOn;
    FindControl<QLabel>(this, "l_next")
        ->setText(last ? "Any key or click: your score" : "Any key or click: the next card");
}

// An index play is right by its index: the index play where the true count shown makes it apply,
// the chart's play where it does not.
void Tf_drill::AnswerIndexPlay(Action action, int run) {
    const strategy::IndexNumber& play = *indexPlay_;
    const char rightPlay = strategy::IndexDrillAnswer(play, trueCount_);
    const bool right = action == ActionOfPlay(rightPlay);
    right_ += right ? 1 : 0;
    const std::string correction =
        strategy::PlayWord(rightPlay) + ": true " + strategy::SignedCount(play.index);
    ShowBalloon(QString::fromStdString(VerdictText(right, correction)));
    FindControl<QLabel>(this, "l_evnote")
        ->setText(QString::fromStdString(
            strategy::IndexHand(play) + ": " + strategy::PlayWord(play.play) + " at " +
            strategy::IndexCondition(play) + ", else " + strategy::PlayWord(play.basic) + "."));
    FindControl<QLabel>(this, "l_right")->setText(QString("RIGHT %1").arg(right_));
    const CellProgress progress = schedule_->Answer(right);
    if (Recorder* recorder = session().recorder.get()) {
        recorder->IndexDrillAnswered({.session = indexSession_,
                                      .decks = session().settings.DECK,
                                      .cards = {hand_.cards[0], hand_.cards[1]},
                                      .upCard = hand_.up,
                                      .cell = progress.cell,
                                      .trueCount = trueCount_,
                                      .action = action,
                                      .advice = static_cast<int>(ActionOfPlay(rightPlay)),
                                      .right = right,
                                      .seconds = cardClock_.elapsed() / 1000.0,
                                      .progress = progress});
    }
    const bool last = cards_ == DrillSchedule::kSessionCards;
    if (last) sessionSeconds_ = sessionClock_.elapsed() / 1000.0;

    Delay(kVerdictHoldMs);
    if (run != run_ || IsApplicationQuitting()) return;
    phase_ = Phase::MovingOn;
    FindControl<QLabel>(this, "l_next")
        ->setText(last ? "Any key or click: your score" : "Any key or click: the next card");
}

DrillHand Tf_drill::HandToAsk(const ChartCell& cell) {
    DrillHand hand;
    for (int draw = 0; draw < kHandDraws; ++draw) {
        hand = HandForCell(cell, random_);
        const std::optional<Action> advice = JudgeDrillHand(chart_, hand).AdvisedAction();
        const auto values =
            ev_.Values(hand.cards, std::min(hand.up.rank, 10), session().settings.DECK);
        const std::optional<double> advised = advice && values ? values->Of(*advice) : std::nullopt;
        if (!advised || *advised >= values->Best() - kSameValue) break;
    }
    return hand;
}

void Tf_drill::ShowValues() {
    if (indexMode_) return;
    const bool pair = hand_.cards[0].rank == hand_.cards[1].rank;
    std::optional<double> best;
    if (shownValues_) best = shownValues_->Best();
    for (const AnswerKey& answer : kAnswers) {
        auto* label = FindControl<QLabel>(this, answer.valueLabel);
        if (answer.action == Action::Split && !pair) {
            label->clear();
            continue;
        }
        std::optional<double> value;
        if (shownValues_) value = shownValues_->Of(answer.action);
        QString figure = "-";
        if (!valuesKnown_)
            figure = QChar(0x2026);
        else if (value)
            figure = QString::asprintf("%+.3f", *value);
        label->setText(QString("%1 %2")
                           .arg(QString::fromUtf8(ActionName(static_cast<int>(answer.action))), -6)
                           .arg(figure));
        PaintText(label, value && value == best ? kAqua : kPaleYellow);
    }
    ShowChartNote(best);
}

void Tf_drill::ShowChartNote(std::optional<double> best) {
    auto* note = FindControl<QLabel>(this, "l_evnote");
    note->clear();
    const Judgement judgement = JudgeDrillHand(chart_, hand_);
    const std::optional<Action> advice = judgement.AdvisedAction();
    if (!advice || !shownValues_ || !best) return;
    const double advised = shownValues_->Of(*advice).value_or(*best);
    if (advised >= *best - kSameValue) return;
    for (const AnswerKey& answer : kAnswers) {
        if (shownValues_->Of(answer.action) != best) continue;
        note->setText(QString("The chart plays %1 by its total; for %2 exactly, %3 is worth "
                              "%4 more.")
                          .arg(QString::fromStdString(CellLabel(judgement.cell)).toLower(),
                               CardValues(hand_),
                               QString::fromUtf8(ActionName(static_cast<int>(answer.action))))
                          .arg(*best - advised, 0, 'f', 3));
        return;
    }
}

void Tf_drill::ShowScore() {
    phase_ = Phase::Finished;
    for (const AnswerKey& answer : kAnswers) FindControl<QLabel>(this, answer.valueLabel)->clear();
    FindControl<QLabel>(this, "l_evnote")->clear();
    ShowBalloon(
        QString("%1 of %2 right in %3").arg(right_).arg(cards_).arg(DurationText(sessionSeconds_)));
    FindControl<QLabel>(this, "l_next")
        ->setText(QString("Any key or click: %1 more cards").arg(DrillSchedule::kSessionCards));
}

void Tf_drill::MoveOn() {
    if (phase_ == Phase::MovingOn)
        NextCard();
    else if (phase_ == Phase::Finished)
        StartSession();
}

void Tf_drill::ShowBalloon(const QString& text) {
    FindControl<QLabel>(this, "l_pmsg")->setText(text);
    for (const char* name : {"s_pmsg", "l_pmsg"}) FindControl<QWidget>(this, name)->show();
}

void Tf_drill::keyPressEvent(QKeyEvent* event) {
    // One press, one answer: the repeats of a held key do nothing.
    if (event->isAutoRepeat()) return;
    if (phase_ == Phase::Asking) {
        for (const AnswerKey& answer : kAnswers) {
            auto* button = FindControl<QPushButton>(this, answer.button);
            if (event->key() == answer.key && button->isEnabled()) return button->click();
        }
        return Screen::keyPressEvent(event);
    }
    if (!IsModifierKey(event->key())) MoveOn();
}

void Tf_drill::mousePressEvent(QMouseEvent*) {
    // A click on the screen, its cards, labels or disabled buttons.
    MoveOn();
}

void Tf_drill::bbtn_backClick() {
    ++run_;
    phase_ = Phase::Preparing;
    mdi().ShowScreen(ScreenId::Record);
}

}  // namespace vantrel
