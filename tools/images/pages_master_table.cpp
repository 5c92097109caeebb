// The opening and closing pages of the Master Course's lessons played at the table: what the
// lesson asks, drawn beside a sketch of the discard tray that it is read from.

#include "art_style.h"
#include "lecture_canvas.h"
#include "lecture_pages.h"

namespace vantrel::art {

namespace {

// A tray holding `dealtHalfDecks` half decks of a shoe of `decks`, marked every half deck.
void TraySketch(QPainter& p, const QRectF& tray, int decks, int dealtHalfDecks) {
    p.setPen(QPen(kPaleYellow, 1.5));
    p.setBrush(QColor(0, 40, 40));
    p.drawRect(tray);
    const qreal halfDeck = tray.height() / (2 * decks);
    const QRectF cards(tray.left() + 2, tray.bottom() - dealtHalfDecks * halfDeck, tray.width() - 4,
                       dealtHalfDecks * halfDeck);
    p.fillRect(cards, QColor(250, 246, 232));
    p.setPen(QColor(190, 184, 170));
    for (qreal y = cards.bottom() - 1; y > cards.top(); y -= 2)
        p.drawLine(QPointF(cards.left(), y), QPointF(cards.right(), y));
    for (int half = 1; half < 2 * decks; ++half) {
        const qreal y = tray.bottom() - half * halfDeck;
        const bool deck = half % 2 == 0;
        p.setPen(QPen(kLightYellow, 1.5));
        p.drawLine(QPointF(tray.left() - 4, y), QPointF(tray.left() + (deck ? 14 : 7), y));
        if (deck)
            Caption(p, QRectF(tray.left() - 30, y - 8, 22, 16), QString::number(half / 2), 12,
                    kLightYellow, Qt::AlignRight | Qt::AlignVCenter);
    }
}

// What the lesson asks, in a panel beside the tray.
void GoalPage(QPainter& p, const QString& title, const QString& goal, const QString& note) {
    constexpr int kDecks = 6;
    constexpr int kDealt = 5;  // two and a half decks dealt: three and a half left
    TraySketch(p, QRectF(70, 24, 60, 200), kDecks, kDealt);
    Caption(p, QRectF(150, 40, 180, 150), note, 14, kPaleYellow);
    const QRectF panel(352, 12, 236, 224);
    p.setPen(QPen(kPaleYellow, 1.5));
    p.setBrush(kTableTeal);
    p.drawRoundedRect(panel, 8, 8);
    Caption(p, QRectF(panel.left(), 18, panel.width(), 24), title, 17, kLightYellow);
    Caption(p, QRectF(panel.left() + 8, 50, panel.width() - 16, 140), goal, 15, kAqua);
    Button(p, QRectF(panel.center().x() - 50, 208, 100, 22), QStringLiteral("Start"));
}

void Closing(QPainter& p, const QString& title, const QString& next) {
    DrawText(p, QRectF(0, 14, kPageWidth, 50), title, PGothic(40, true), kLightYellow);
    TraySketch(p, QRectF(270, 70, 60, 110), 6, 0);
    p.setPen(QPen(kPaleYellow, 1.5));
    p.setBrush(kTableTeal);
    p.drawRoundedRect(QRectF(40, 190, 520, 46), 8, 8);
    Caption(p, QRectF(48, 190, 504, 46), next, 16, Qt::white);
}

const QString kTrayNote = QStringLiteral(
    "The tray beside the dealer: each mark a half deck. Here 2.5 decks are dealt, so 3.5 "
    "are left.");

}  // namespace

std::vector<LecturePage> MasterTableLessonPages() {
    return {
        {"ML2", 1,
         [](QPainter& p) {
             GoalPage(p, QStringLiteral("True count practice"),
                      QStringLiteral("Now and then after a round, give the true count.\n"
                                     "10 right to go; a wrong answer adds one."),
                      kTrayNote);
         }},
        {"ML2", 99,
         [](QPainter& p) {
             Closing(p, QStringLiteral("Lesson passed!"),
                     QStringLiteral("Next: Lesson 3, betting by the true count"));
         }},
        {"ML3", 1,
         [](QPainter& p) {
             GoalPage(p, QStringLiteral("Betting practice"),
                      QStringLiteral("Bet the ramp's bet for the true count before each round.\n"
                                     "50 to go; a wrong bet adds one."),
                      kTrayNote);
         }},
        {"ML3", 99,
         [](QPainter& p) {
             Closing(p, QStringLiteral("Lesson passed!"),
                     QStringLiteral("Next: Lesson 4, the index plays"));
         }},
        {"ML5", 1,
         [](QPainter& p) {
             GoalPage(p, QStringLiteral("Index play practice"),
                      QStringLiteral("Play by the chart and the index plays at the true count.\n"
                                     "100 to go; a wrong decision adds one."),
                      QStringLiteral("An ace up offers insurance: the Insurance button, or I. "
                                     "After an index decision each play's value for the cards "
                                     "left shows beside the limits."));
         }},
        {"ML5", 99,
         [](QPainter& p) {
             Closing(p, QStringLiteral("Lesson passed!"),
                     QStringLiteral("Next: Lesson 6, the Master Exam"));
         }},
        {"ML6", 1,
         [](QPainter& p) {
             GoalPage(p, QStringLiteral("Master Exam"),
                      QStringLiteral("Four shoes. Decisions 95% right, bets 90% on the ramp, "
                                     "true counts 90% right."),
                      QStringLiteral("Judged on skill, not on winnings: luck is told apart on "
                                     "the closing page."));
         }},
        // The exam's figures are written below the heading when the page is shown.
        {"ML6", 99,
         [](QPainter& p) {
             DrawText(p, QRectF(0, 14, kPageWidth, 50), QStringLiteral("Master Exam over"),
                      PGothic(40, true), kLightYellow);
         }},
    };
}

}  // namespace vantrel::art
