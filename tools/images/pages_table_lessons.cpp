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

// How often a student who plays basic strategy perfectly passes each exam at flat bets of $200
// and of $5 at the table as it comes (six decks), as `vantrel-lab exam NL6|PL3 --trials 100000`
// and `vantrel-lab exam NL6|PL3 --bet 5` print it.
constexpr char kGeneralExamPassRates[] = "47.3% at $200 bets, 7.7% at $5";
constexpr char kProfessionalExamPassRates[] = "31.2% at $200 bets, 0.5% at $5";

// What a lesson asks, as the panel beside the table picture shows it. An exam's panel adds a note
// on how often perfect basic strategy passes it.
struct Goal {
    const char* title;
    const char* goal;
    const char* chips;
    const char* maxBet;
    QString note = {};
};

void GoalPanel(QPainter& p, const Goal& goal) {
    const QRectF panel(352, 12, 236, 224);
    p.setPen(QPen(kPaleYellow, 1.5));
    p.setBrush(kTableTeal);
    p.drawRoundedRect(panel, 8, 8);
    Caption(p, QRectF(panel.left(), 18, panel.width(), 24), QString::fromLatin1(goal.title), 17,
            kLightYellow);
    const bool noted = !goal.note.isEmpty();
    Caption(p, QRectF(panel.left() + 8, 44, panel.width() - 16, noted ? 42 : 66),
            QString::fromLatin1(goal.goal), 15, kAqua);
    const struct {
        const char* label;
        const char* value;
    } facts[] = {{"Chips", goal.chips}, {"Table max", goal.maxBet}, {"Table min", "$5"}};
    for (int i = 0; i < 3; ++i) {
        const qreal top = (noted ? 88 : 114) + i * (noted ? 21 : 24);
        Caption(p, QRectF(panel.left() + 14, top, 110, 22), QString::fromLatin1(facts[i].label), 14,
                Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
        DrawText(p, QRectF(panel.left() + 110, top, 110, 22), QString::fromLatin1(facts[i].value),
                 Gothic(18, true), kSalmon, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (noted)
        Caption(p, QRectF(panel.left() + 6, 152, panel.width() - 12, 54), goal.note, 12,
                kPaleYellow);
    else
        Caption(p, QRectF(panel.left() + 8, 186, panel.width() - 16, 20),
                QStringLiteral("Under $5 in chips: lesson over"), 12, kPaleYellow);
    Button(p, QRectF(panel.center().x() - 50, 208, 100, 22), QStringLiteral("Start"));
}

// The bet box and the cards, large enough to read every rank.
constexpr QRectF kBetAndCards{12, 0, 448, 305};

void LessonPage(QPainter& p, const TableScene& scene, const Goal& goal) {
    DrawTableCrop(p, kBetAndCards, QRectF(12, 12, 332, 224), scene);
    GoalPanel(p, goal);
}

// A round just settled and won against the dealer's 18; the page shows its cards and its bet.
TableScene WonScene(const std::vector<Card>& hand, int bet) {
    TableScene scene;
    scene.dealer = Cards({"S10", "H08"});
    scene.hands = {hand};
    scene.dealerLabel = HandLabelText(scene.dealer);
    scene.handLabels = {HandLabelText(hand)};
    scene.bet = QStringLiteral("$%1").arg(bet);
    for (int left = bet; left > 0;) {
        const int chip = left >= 100 ? 100 : left >= 25 ? 25 : 5;
        scene.betChips.push_back(chip);
        left -= chip;
    }
    scene.actionsEnabled = false;
    return scene;
}

void RulesPractice(QPainter& p) {
    LessonPage(p, WonScene(Cards({"D09", "C13"}), 25),
               {"Practice 1", "Win 10 hands.\nEvery winning hand\ncounts one.", "$10000", "$100"});
}

// A hit and a stand, both right.
void StrategyPractice(QPainter& p) {
    LessonPage(
        p, WonScene(Cards({"S10", "H06", "C03"}), 25),
        {"Practice 2", "100 decisions to go:\n\"OK!\" takes one off,\na wrong play adds one.",
         "$10000", "$100"});
}

// The tenth round of the shoe is settled and the table asks for the count: the answer takes in
// every card since the shuffle, not only the cards still on the table.
void CountingPractice(QPainter& p) {
    constexpr int kCountBefore = 5;  // after rounds 1 to 9
    const std::vector<Card> dealer = Cards({"S10", "H08"}), player = Cards({"D09", "C13"});
    const int thisRound = CountOf(dealer) + CountOf(player);
    const int answer = kCountBefore + thisRound;
    Caption(p, QRectF(12, 12, 332, 20), QStringLiteral("Round 10 of the shoe, just settled:"), 14,
            kLightYellow, Qt::AlignLeft | Qt::AlignVCenter);
    Caption(p, QRectF(14, 34, 70, 16), QStringLiteral("dealer"), 12);
    DrawHand(p, QPointF(16, 50), dealer, 38, 26);
    Caption(p, QRectF(100, 34, 70, 16), QStringLiteral("you"), 12);
    DrawHand(p, QPointF(102, 50), player, 38, 26);
    Caption(p, QRectF(186, 40, 158, 60),
            QStringLiteral("These four cards\ncount %1.").arg(Signed(thisRound)), 14);
    constexpr qreal kDialogScale = 0.5;
    p.save();
    p.translate(14, 108);
    p.scale(kDialogScale, kDialogScale);
    DrawCountDialog(p, QString::number(answer));
    p.restore();
    p.setPen(QPen(kPaleYellow, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(QPointF(14, 108), QSizeF(369, 265) * kDialogScale));
    Caption(p, QRectF(204, 108, 140, 132),
            QStringLiteral("The count runs on from the shuffle: it was %1 after round 9, so "
                           "the answer is %2.")
                .arg(Signed(kCountBefore), Signed(answer)),
            14, kPaleYellow);
    GoalPanel(p,
              {"Counting practice", "Give the right running\ncount 10 times.", "$10000", "$100"});
}

// A $200 hand won: $200 off what is still to go.
void Exam(QPainter& p, const char* goal, const QString& note) {
    LessonPage(p, WonScene(Cards({"D09", "C13"}), 200),
               {"Graduation Exam", goal, "$1000", "$200", note});
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
             Exam(p, "Win $1000 net; a loss\nraises the sum to go.",
                  QStringLiteral("Perfect basic strategy, six decks,\npasses %1.\n"
                                 "At $5 a blackjack wins $7, not $7.50.")
                      .arg(QLatin1String(kGeneralExamPassRates)));
         }},
        {"NL6", 99,
         [](QPainter& p) {
             Congratulations(p, QStringLiteral("Congratulations!"),
                             QStringLiteral("General Course passed. Open now: the Professional\n"
                                            "Course and the All Night Play Room."));
         }},
        {"PL2", 1, CountingPractice},
        {"PL2", 99,
         [=](QPainter& p) {
             Congratulations(p, passed, QStringLiteral("Next: Lesson 3, Graduation Exam"));
         }},
        {"PL3", 1,
         [](QPainter& p) {
             Exam(p, "Win $2000 net; a loss\nraises the sum to go.",
                  QStringLiteral("Flat bets by basic strategy, six decks,\npass %1.\n"
                                 "Raise the bet from a true count of +2.")
                      .arg(QLatin1String(kProfessionalExamPassRates)));
         }},
        {"PL3", 99,
         [](QPainter& p) {
             Congratulations(p, QStringLiteral("Congratulations!"),
                             QStringLiteral("Professional Course passed.\n"
                                            "Play on in the All Night Play Room."));
         }},
    };
}

}  // namespace vantrel::art
