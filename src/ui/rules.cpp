#include "ui/rules.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>
#include <cstdio>

#include "strategy/judging_chart.h"
#include "ui/controls.h"
#include "ui/course_menu.h"
#include "ui/judging.h"
#include "ui/master_figures_request.h"
#include "ui/mdi.h"
#include "ui/session.h"

namespace vantrel {

namespace {

using enum ControlKind;

constexpr std::array<ControlSpec, 23> kLayout = {{
    {BoldLabel, "Label1", {28, 64, 189, 29}, "Decks", 20},
    {BoldLabel, "Label2", {28, 124, 189, 29}, "Reshuffle at", 20},
    {BoldLabel, "Label3", {28, 184, 189, 29}, "Seconds to bet", 20},
    {Button, "bbtn_deck1", {224, 64, 73, 29}, "1", 16},
    {Button, "bbtn_deck2", {304, 64, 73, 29}, "2", 16},
    {Button, "bbtn_deck4", {384, 64, 73, 29}, "4", 16},
    {Button, "bbtn_deck6", {464, 64, 73, 29}, "6", 16},
    {Button, "bbtn_deck8", {544, 64, 73, 29}, "8", 16},
    {Button, "bbtn_perless", {224, 124, 33, 29}, "-", 16},
    {BoldLabel, "l_playper", {264, 124, 113, 29}, "", 20, Qt::AlignCenter},
    {Button, "bbtn_permore", {384, 124, 33, 29}, "+", 16},
    {Button, "bbtn_speedless", {224, 184, 33, 29}, "-", 16},
    {BoldLabel, "l_gamespeed", {264, 184, 113, 29}, "", 20, Qt::AlignCenter},
    {Button, "bbtn_speedmore", {384, 184, 33, 29}, "+", 16},
    {BoldLabel, "l_view", {432, 124, 185, 29}, "Window size", 20},
    {Label, "l_viewnext", {432, 155, 185, 24}, "Shown from the next start.", 12},
    {Button, "bbtn_viewauto", {432, 184, 44, 29}, "Auto", 16},
    {Button, "bbtn_view100", {479, 184, 44, 29}, "1x", 16},
    {Button, "bbtn_view150", {526, 184, 44, 29}, "1.5x", 16},
    {Button, "bbtn_view200", {573, 184, 44, 29}, "2x", 16},
    {Memo, "m_rules", {16, 236, 601, 161}, "", 16},
    {Button, "bbtn_back", {16, 412, 121, 25}, "<- Back", 16},
    {Button, "bbtn_save", {496, 412, 121, 25}, "Save", 16},
}};

constexpr std::array<int, 5> kDeckChoices = {1, 2, 4, 6, 8};

// The window's sizes, each with its button.
struct ViewChoice {
    ViewScale scale;
    const char* button;
};
constexpr std::array<ViewChoice, 4> kViewChoices = {{
    {ViewScale::Desktop, "bbtn_viewauto"},
    {ViewScale::Single, "bbtn_view100"},
    {ViewScale::OneAndAHalf, "bbtn_view150"},
    {ViewScale::Double, "bbtn_view200"},
}};

// The choices of a "-" / "+" pair: min, min + step, ... max.
struct Choices {
    int min;
    int max;
    int step;
};
constexpr Choices kPlayperChoices{50, 90, 5};
constexpr Choices kGamespeedChoices{1, 10, 1};

// The next choice below a value, or the value itself when there is none. A value between the
// choices, as a hand-edited file may hold, goes to the nearest choice in that direction.
int StepDown(int value, Choices choices) {
    if (value <= choices.min) return value;
    if (value > choices.max) return choices.max;
    const int offset = (value - choices.min) % choices.step;
    return value - (offset == 0 ? choices.step : offset);
}

int StepUp(int value, Choices choices) {
    if (value >= choices.max) return value;
    if (value < choices.min) return choices.min;
    return value + choices.step - (value - choices.min) % choices.step;
}

constexpr char kFixedRules[] =
    "Dealer stands on all 17s, checks for blackjack; blackjack pays 3 to 2, truncated; "
    "double on any two cards and after splits; up to four hands; one card to split aces; no "
    "even money or surrender. Insurance, paid 2 to 1, is offered against an ace in the Master "
    "Course's lessons only.";

std::string Percent(double edge) {
    char text[24];
    std::snprintf(text, sizeof text, "%.3f%%", edge * 100.0);
    return text;
}

void PaintWhiteOnBlack(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::black);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

}  // namespace

Tf_rules::Tf_rules(Session& session, Tf_mdi& mdi) : Screen(session, mdi, "Rules") {
    setObjectName("Tf_rules");
    BuildControls(this, kLayout);

    l_playper_ = FindControl<QLabel>(this, "l_playper");
    l_gamespeed_ = FindControl<QLabel>(this, "l_gamespeed");
    PaintWhiteOnBlack(l_playper_);
    PaintWhiteOnBlack(l_gamespeed_);
    m_rules_ = FindControl<QPlainTextEdit>(this, "m_rules");

    for (int decks : kDeckChoices) {
        auto* button =
            FindControl<QPushButton>(this, qPrintable(QString("bbtn_deck%1").arg(decks)));
        button->setCheckable(true);
        connect(button, &QPushButton::clicked, this, [this, decks] {
            deck_ = decks;
            ShowChoices();
        });
    }
    for (const ViewChoice& choice : kViewChoices) {
        auto* button = FindControl<QPushButton>(this, choice.button);
        button->setCheckable(true);
        connect(button, &QPushButton::clicked, this, [this, scale = choice.scale] {
            viewScale_ = scale;
            ShowChoices();
        });
    }
    l_viewnext_ = FindControl<QLabel>(this, "l_viewnext");
    const auto step = [this](const char* name, int& value, int (*move)(int, Choices),
                             Choices choices) {
        connect(FindControl<QPushButton>(this, name), &QPushButton::clicked, this,
                [this, &value, move, choices] {
                    value = move(value, choices);
                    ShowChoices();
                });
    };
    step("bbtn_perless", playper_, StepDown, kPlayperChoices);
    step("bbtn_permore", playper_, StepUp, kPlayperChoices);
    step("bbtn_speedless", gamespeed_, StepDown, kGamespeedChoices);
    step("bbtn_speedmore", gamespeed_, StepUp, kGamespeedChoices);
    connect(FindControl<QPushButton>(this, "bbtn_back"), &QPushButton::clicked, this,
            &Tf_rules::BackToMenu);
    connect(FindControl<QPushButton>(this, "bbtn_save"), &QPushButton::clicked, this,
            &Tf_rules::bbtn_saveClick);

    figuresPoll_.setInterval(50);
    connect(&figuresPoll_, &QTimer::timeout, this, &Tf_rules::ShowFigures);
}

void Tf_rules::FormShow() {
    if (!IsRunning()) return;
    const Settings& settings = session().settings;
    deck_ = settings.DECK;
    playper_ = settings.PLAYPER;
    gamespeed_ = settings.GAMESPEED;
    viewScale_ = session().viewScale;
    ShowChoices();
}

void Tf_rules::ShowChoices() {
    for (int decks : kDeckChoices) {
        FindControl<QPushButton>(this, qPrintable(QString("bbtn_deck%1").arg(decks)))
            ->setChecked(deck_ == decks);
    }
    for (const ViewChoice& choice : kViewChoices)
        FindControl<QPushButton>(this, choice.button)->setChecked(viewScale_ == choice.scale);
    // The window is made at its scale when the program starts.
    l_viewnext_->setVisible(viewScale_ != session().startViewScale);
    l_playper_->setText(QString("%1 %").arg(playper_));
    l_gamespeed_->setText(QString("%1 s").arg(gamespeed_));
    FindControl<QPushButton>(this, "bbtn_perless")->setEnabled(playper_ > kPlayperChoices.min);
    FindControl<QPushButton>(this, "bbtn_permore")->setEnabled(playper_ < kPlayperChoices.max);
    FindControl<QPushButton>(this, "bbtn_speedless")
        ->setEnabled(gamespeed_ > kGamespeedChoices.min);
    FindControl<QPushButton>(this, "bbtn_speedmore")
        ->setEnabled(gamespeed_ < kGamespeedChoices.max);
    ShowFigures();
}

void Tf_rules::ShowFigures() {
    const QString text = QString::fromStdString(RulesText());
    // Set only when it changes, so that the student's scrolling stays.
    if (m_rules_->toPlainText() != text) m_rules_->setPlainText(text);
    if (text.contains(QChar(0x2026)))
        figuresPoll_.start();
    else
        figuresPoll_.stop();
}

std::string Tf_rules::RulesText() {
    const std::shared_future<strategy::HouseEdges> edges =
        session().deckFigures.Edges(strategy::TableDecks(deck_));
    std::string edgeText = "…";
    if (edges.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        try {
            const strategy::HouseEdges known = edges.get();
            edgeText = Percent(known.atTableMinimum) + " at $" +
                       std::to_string(strategy::kTableMinimumBet) + " flat bets, " +
                       Percent(known.fullThreeToTwo) + " at a full 3 to 2";
        } catch (...) {
            edgeText = "not known (out of memory)";
        }
    }
    return std::string(kFixedRules) + "\nHouse edge, " + DecksText(deck_) + ": " + edgeText +
           ".\n" + JudgingText(session(), deck_);
}

void Tf_rules::bbtn_saveClick() {
    const Settings before = session().settings;
    session().settings.DECK = deck_;
    session().settings.PLAYPER = playper_;
    session().settings.GAMESPEED = gamespeed_;
    // The window's size is written only once the student chooses one.
    const std::optional<ViewScale> viewScale =
        viewScale_ != session().viewScale ? std::optional(viewScale_) : std::nullopt;
    if (!SaveProgressOrShowError(viewScale)) {
        session().settings = before;  // the rules in force stay those of the file
        return;
    }
    session().viewScale = viewScale_;
    // The table takes its rules at its next set-up; a chart for the new decks is started now.
    JudgingChartFor(session(), deck_);
    RequestMasterFigures(session());
    BackToMenu();
}

void Tf_rules::BackToMenu() {
    figuresPoll_.stop();
    mdi().ShowScreen(CourseMenuScreen(session().returnMenu));
}

}  // namespace vantrel
