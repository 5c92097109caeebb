// Lesson 4, "Basic Strategy", its last page: why perfect play still fails an exam about half the
// time at the exam's large bets.

#include "art_style.h"
#include "lecture_canvas.h"
#include "lecture_pages.h"

namespace vantrel::art {

namespace {

// What one round of perfect basic strategy does to the stock, in initial bets: its standard
// deviation as `vantrel-lab sim` prints it, and the house edge with blackjack paid a full 3 to 2,
// as at $200 bets, as `vantrel-lab chart --edge` prints it.
constexpr char kHandSpread[] = "1.15";
constexpr char kHouseEdge[] = "0.34%";
// The General Course exam at flat $200 bets, as `vantrel-lab exam NL6 --trials 100000` prints it.
constexpr char kExamRounds[] = "20.5";
constexpr char kExamPassRate[] = "47.3%";

// The exam as a walk between two walls: $1000 in chips is five $200 bets from either end.
void LuckAndTheExam(QPainter& p) {
    Heading(p, QStringLiteral("Luck: why perfect play fails half the exams"));
    const QRectF left(14, 40, 250, 198);
    p.setPen(QPen(kPaleYellow, 1.5));
    p.setBrush(kTableTeal);
    p.drawRoundedRect(left, 8, 8);
    Caption(p, QRectF(left.left(), 46, left.width(), 20), QStringLiteral("One hand swings by"), 15,
            kLightYellow);
    DrawText(p, QRectF(left.left(), 68, left.width(), 44),
             QStringLiteral("\u00b1%1 bets").arg(QLatin1String(kHandSpread)), PGothic(32, true),
             kAqua);
    Caption(p, QRectF(left.left() + 8, 112, left.width() - 16, 40),
            QStringLiteral("(its standard deviation:\ndoubles, splits, blackjacks)"), 13);
    Caption(p, QRectF(left.left(), 158, left.width(), 20), QStringLiteral("The house keeps"), 15,
            kLightYellow);
    DrawText(p, QRectF(left.left(), 180, left.width(), 40),
             QStringLiteral("%1 of a bet").arg(QLatin1String(kHouseEdge)), PGothic(26, true),
             kSalmon);

    // Five bets up passes, five bets down fails; the zigzag is one possible exam.
    const QRectF walk(300, 52, 286, 120);
    const qreal step = walk.height() / 10;
    p.setPen(QPen(kAqua, 2));
    p.drawLine(walk.topLeft(), walk.topRight());
    p.setPen(QPen(kSalmon, 2));
    p.drawLine(walk.bottomLeft(), walk.bottomRight());
    Caption(p, QRectF(walk.left(), walk.top() - 18, walk.width(), 16),
            QStringLiteral("$2000: passed (5 bets up)"), 13, kAqua);
    Caption(p, QRectF(walk.left(), walk.bottom() + 2, walk.width(), 16),
            QStringLiteral("$0: failed (5 bets down)"), 13, kSalmon);
    const int moves[] = {1, -1, -1, 1, -1, -1, 1, 1, 1, -1, 1, 1, 1, -1, 1, 1, 1};
    QPointF at(walk.left() + 40, walk.center().y());
    Caption(p, QRectF(walk.left(), at.y() - 10, 40, 20), QStringLiteral("$1000"), 12);
    p.setPen(QPen(kLightYellow, 2));
    for (int move : moves) {
        const QPointF next = at + QPointF(14, -move * step);
        p.drawLine(at, next);
        at = next;
    }
    Caption(p, QRectF(272, 196, 318, 44),
            QStringLiteral("At $200 an exam lasts %1 rounds on average;\nperfect play passes %2 "
                           "of exams.")
                .arg(QLatin1String(kExamRounds), QLatin1String(kExamPassRate)),
            13, kPaleYellow);
}

}  // namespace

std::vector<LecturePage> LuckPages() {
    return {{"NL4", 13, LuckAndTheExam}};
}

}  // namespace vantrel::art
