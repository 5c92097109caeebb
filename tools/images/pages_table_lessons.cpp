// The lessons played at the table have two pages: page 1 says what the lesson asks before
// "Start", page 99 congratulates when its quota is met and says what comes next.

#include "art_style.h"
#include "card_art.h"
#include "chip_art.h"
#include "lecture_canvas.h"
#include "lecture_pages.h"
#include "table_sketch.h"

namespace vantrel::art {

namespace {

// What a lesson asks, as the panel beside the table picture shows it.
struct Goal {
    const char* title;
    const char* goal;
    const char* chips;
    const char* maxBet;
};

void GoalPanel(QPainter& p, const Goal& goal) {
    const QRectF panel(352, 12, 236, 224);
    p.setPen(QPen(kPaleYellow, 1.5));
    p.setBrush(kTableTeal);
    p.drawRoundedRect(panel, 8, 8);
    Caption(p, QRectF(panel.left(), 18, panel.width(), 24), QString::fromLatin1(goal.title), 17,
            kLightYellow);
    Caption(p, QRectF(panel.left() + 8, 44, panel.width() - 16, 66), QString::fromLatin1(goal.goal),
            15, kAqua);
    const struct {
        const char* label;
        const char* value;
    } facts[] = {{"Chips", goal.chips}, {"Table max", goal.maxBet}, {"Table min", "$5"}};
    for (int i = 0; i < 3; ++i) {
        const qreal top = 114 + i * 24;
        Caption(p, QRectF(panel.left() + 14, top, 110, 22), QString::fromLatin1(facts[i].label), 14,
                Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
        DrawText(p, QRectF(panel.left() + 110, top, 110, 22), QString::fromLatin1(facts[i].value),
                 Gothic(18, true), kSalmon, Qt::AlignRight | Qt::AlignVCenter);
    }
    Caption(p, QRectF(panel.left() + 8, 186, panel.width() - 16, 20),
            QStringLiteral("Under $5 in chips: lesson over"), 12, kPaleYellow);
    Button(p, QRectF(panel.center().x() - 50, 208, 100, 22), QStringLiteral("Start"));
}

void LessonPage(QPainter& p, const TableScene& scene, const Goal& goal) {
    DrawTableSketch(p, QPointF(12, 12), 0.515, scene);
    GoalPanel(p, goal);
}

TableScene SettledScene(const char* quota, const char* chips, const char* maxBet) {
    TableScene scene;
    scene.dealer = Cards({"S10", "H08"});
    scene.hands = {Cards({"D09", "C13"})};
    scene.dealerLabel = HandLabelText(scene.dealer);
    scene.handLabels = {HandLabelText(scene.hands[0])};
    scene.results = {QStringLiteral("Win")};
    scene.bet = QStringLiteral("$25");
    scene.betChips = {25};
    scene.quota = QString::fromLatin1(quota);
    scene.chips = QString::fromLatin1(chips);
    scene.maxBet = QString::fromLatin1(maxBet);
    scene.actionsEnabled = false;
    return scene;
}

void RulesPractice(QPainter& p) {
    TableScene scene = SettledScene("10 wins to go", "$9975", "$100");
    scene.playerBalloon = QStringLiteral("OK!");
    LessonPage(p, scene,
               {"Practice 1", "Win 10 hands.\nEvery winning hand\ncounts one.", "$10000", "$100"});
}

void StrategyPractice(QPainter& p) {
    TableScene scene;
    scene.dealer = Cards({"back", "D13"});
    scene.hands = {Cards({"S10", "H06"})};
    scene.bet = QStringLiteral("$25");
    scene.betChips = {25};
    scene.quota = QStringLiteral("100 times to go");
    scene.chips = QStringLiteral("$9975");
    scene.playerBalloon = QStringLiteral("OK!");
    scene.actionsEnabled = false;
    LessonPage(p, scene,
               {"Practice 2", "100 decisions to go:\n\"OK!\" one less,\na wrong one one more.",
                "$10000", "$100"});
}

void CountingPractice(QPainter& p) {
    TableScene scene = SettledScene("10 times to go", "$10025", "$100");
    scene.playerBalloon = QStringLiteral("Incorrect!(-2)");
    LessonPage(p, scene,
               {"Counting practice", "Give the running\ncount right 10 times.", "$10000", "$100"});
}

void Exam(QPainter& p, const char* quota, const char* goal) {
    TableScene scene = SettledScene(quota, "$975", "$200");
    LessonPage(p, scene, {"Graduation Exam", goal, "$1000", "$200"});
}

// The closing page: a winning hand, chips, and what comes next.
void Congratulations(QPainter& p, const QString& title, const QString& next) {
    DrawText(p, QRectF(0, 14, kPageWidth, 50), title, PGothic(40, true), kLightYellow);
    const struct {
        Card card;
        qreal x;
        qreal angle;
    } cards[] = {{Card{1, 1}, 250, -10}, {Card{4, 13}, 318, 10}};
    for (const auto& c : cards) {
        p.save();
        p.translate(c.x, 130);
        p.rotate(c.angle);
        DrawCardFace(p, QRectF(-36, -48, 72, 96), c.card);
        p.restore();
    }
    DrawChip(p, QRectF(120, 96, 56, 56), 100);
    DrawChip(p, QRectF(150, 118, 56, 56), 25);
    DrawChip(p, QRectF(404, 96, 56, 56), 5);
    DrawChip(p, QRectF(426, 120, 56, 56), 100);
    p.setPen(QPen(kPaleYellow, 1.5));
    p.setBrush(kTableTeal);
    p.drawRoundedRect(QRectF(40, 190, 520, 46), 8, 8);
    Caption(p, QRectF(48, 190, 504, 46), next, 16, Qt::white);
}

}  // namespace

std::vector<LecturePage> TableLessonPages(const StrategyTable&) {
    const QString passed = QStringLiteral("Lesson passed!");
    return {
        {"NL3", 1, RulesPractice},
        {"NL3", 99,
         [=](QPainter& p) {
             Congratulations(p, passed, QStringLiteral("Next: Lesson 4, Basic Strategy"));
         }},
        {"NL5", 1, StrategyPractice},
        {"NL5", 99,
         [=](QPainter& p) {
             Congratulations(p, passed, QStringLiteral("Next: Lesson 6, Graduation Exam"));
         }},
        {"NL6", 1,
         [](QPainter& p) {
             Exam(p, "$1000 to go", "Win $1000 net.\nLosses add to\nwhat is to go.");
         }},
        {"NL6", 99,
         [](QPainter& p) {
             Congratulations(
                 p, QStringLiteral("Congratulations!"),
                 QStringLiteral("General Course passed.\nThe Professional Course is open."));
         }},
        {"PL2", 1, CountingPractice},
        {"PL2", 99,
         [=](QPainter& p) {
             Congratulations(p, passed, QStringLiteral("Next: Lesson 3, Graduation Exam"));
         }},
        {"PL3", 1,
         [](QPainter& p) {
             Exam(p, "$2000 to go", "Win $2000 net.\nLosses add to\nwhat is to go.");
         }},
        {"PL3", 99,
         [](QPainter& p) {
             Congratulations(
                 p, QStringLiteral("Congratulations!"),
                 QStringLiteral("Professional Course passed.\nThe All Night Play Room is yours."));
         }},
    };
}

}  // namespace vantrel::art
