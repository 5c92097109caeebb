// Lesson 1, "Black Jack": the game, the card values, the aim and the blackjack.

#include "art_style.h"
#include "chip_art.h"
#include "lecture_canvas.h"
#include "lecture_pages.h"

namespace vantrel::art {

namespace {

// A hand with its total above it, as the table shows totals after a round.
void LabelledHand(QPainter& painter, QPointF topLeft, const std::vector<Card>& cards,
                  qreal cardWidth, qreal step, const QString& title = {}) {
    const QRectF area = DrawHand(painter, topLeft + QPointF(0, 24), cards, cardWidth, step);
    TotalBadge(painter, QRectF(area.left() - 20, topLeft.y(), area.width() + 40, 22),
               HandLabelText(cards));
    if (!title.isEmpty())
        Caption(painter, QRectF(area.center().x() - 70, area.bottom() + 4, 140, 34), title, 14);
}

void TheGame(QPainter& p) {
    Heading(p, QStringLiteral("Closer to 21 than the dealer wins"));
    DrawText(p, QRectF(40, 44, 220, 22), QStringLiteral("DEALER"), Gothic(20, true), kLightYellow);
    DrawText(p, QRectF(340, 44, 220, 22), QStringLiteral("PLAYER"), Gothic(20, true), kLightYellow);
    LabelledHand(p, QPointF(100, 66), Cards({"S10", "H07"}), 66, 40);
    LabelledHand(p, QPointF(400, 66), Cards({"C09", "D13"}), 66, 40);
    DrawText(p, QRectF(260, 110, 80, 40), QStringLiteral("vs"), PGothic(28, true), Qt::white);
    ResultBadge(p, QRectF(113, 208, 80, 22), QStringLiteral("Lose"));
    ResultBadge(p, QRectF(413, 208, 80, 22), QStringLiteral("Win"));
}

void CardValues(QPainter& p) {
    Heading(p, QStringLiteral("What each card counts"));
    for (int rank = 2; rank <= 9; ++rank) {
        const qreal left = 24 + (rank - 2) * 58;
        DrawHand(p, QPointF(left, 40), {Card{1 + rank % 4, rank}}, 46);
        TotalBadge(p, QRectF(left - 5, 104, 56, 22), QString::number(rank));
    }
    Caption(p, QRectF(486, 50, 104, 60), QStringLiteral("2 to 9:\ntheir number"), 15);

    DrawHand(p, QPointF(24, 140), Cards({"D10", "C11", "H12", "S13"}), 46, 36);
    TotalBadge(p, QRectF(24, 204, 154, 22), QStringLiteral("10 each"));
    Caption(p, QRectF(186, 146, 150, 60), QStringLiteral("10, J, Q, K:\nall count 10"), 15);

    DrawHand(p, QPointF(370, 140), Cards({"S01"}), 46);
    TotalBadge(p, QRectF(340, 204, 110, 22), QStringLiteral("1 or 11"));
    Caption(p, QRectF(430, 146, 160, 60), QStringLiteral("Ace: 1 or 11,\nwhichever is better"), 15);
}

void SoftAndHard(QPainter& p) {
    Heading(p, QStringLiteral("Soft and hard hands"));
    struct Example {
        std::vector<Card> cards;
        const char* note;
    };
    const Example examples[] = {
        {Cards({"H01", "C06"}), "Soft 17:\nthe ace counts 11"},
        {Cards({"H01", "C06", "S10"}), "Hard 17:\nthe ace counts 1"},
        {Cards({"S01", "D01"}), "Two aces: 12\n(only one counts 11)"},
        {Cards({"C01", "D05", "H05"}), "Soft 21 in\nthree cards"},
    };
    for (int i = 0; i < 4; ++i)
        LabelledHand(p, QPointF(38 + i * 146, 48), examples[i].cards, 52, 24,
                     QString::fromLatin1(examples[i].note));
}

// A busted hand has lost before the dealer plays: shown with split 8s, one hand busted and one
// standing, so that the dealer still plays (with every hand busted the table draws nothing).
void Busting(QPainter& p) {
    Heading(p, QStringLiteral("Over 21: busted"));
    DrawText(p, QRectF(20, 36, 280, 22), QStringLiteral("YOU play first (split 8s)"),
             Gothic(18, true), kLightYellow);
    const std::vector<Card> hands[] = {Cards({"D08", "S05", "H10"}), Cards({"C08", "H13"})};
    const char* results[] = {"Lose", "Win"};
    for (int i = 0; i < 2; ++i) {
        const QRectF area = DrawHand(p, QPointF(30 + i * 140, 88), hands[i], 50, 26);
        TotalBadge(p, QRectF(area.left() - 14, 62, area.width() + 28, 22),
                   HandLabelText(hands[i], 2));
        ResultBadge(p, QRectF(area.left(), 160, 76, 22), QString::fromLatin1(results[i]));
    }
    Caption(p, QRectF(14, 186, 290, 24), QStringLiteral("8 + 5 + 10 = 23: lost at once"), 14);

    DrawText(p, QRectF(340, 36, 240, 22), QStringLiteral("DEALER plays after"), Gothic(18, true),
             kLightYellow);
    LabelledHand(p, QPointF(390, 62), Cards({"C13", "H06", "D08"}), 50, 30);
    Caption(p, QRectF(320, 158, 270, 50),
            QStringLiteral("The dealer busts: your 18 wins,\nbut your 23 has already lost."), 14);
    Arrow(p, QPointF(296, 120), QPointF(330, 120));
    Caption(p, QRectF(10, 212, 580, 28),
            QStringLiteral("If every hand of yours busts, the dealer draws no cards at all."), 14,
            kPaleYellow);
}

void Blackjack(QPainter& p) {
    Heading(p, QStringLiteral("Blackjack: an ace and a 10-card"));
    LabelledHand(p, QPointF(40, 44), Cards({"S01", "H13"}), 62, 36,
                 QStringLiteral("The best hand:\npays 3 to 2"));
    LabelledHand(p, QPointF(240, 44), Cards({"D07", "C07", "H07"}), 50, 24,
                 QStringLiteral("21 in three cards\nis not blackjack"));
    Caption(p, QRectF(410, 36, 180, 22), QStringLiteral("Both have blackjack:"), 14, kLightYellow);
    DrawHand(p, QPointF(420, 62), Cards({"H01", "D12"}), 40, 22);
    DrawHand(p, QPointF(510, 62), Cards({"C10", "S01"}), 40, 22);
    TotalBadge(p, QRectF(410, 122, 80, 22), QStringLiteral("BJ!"));
    TotalBadge(p, QRectF(500, 122, 80, 22), QStringLiteral("BJ!"));
    Caption(p, QRectF(410, 146, 80, 18), QStringLiteral("you"), 13);
    Caption(p, QRectF(500, 146, 80, 18), QStringLiteral("dealer"), 13);
    ResultBadge(p, QRectF(460, 172, 80, 22), QStringLiteral("Push"));
    Caption(p, QRectF(410, 198, 180, 40), QStringLiteral("a tie: your bet\ncomes back"), 14);
}

void ARound(QPainter& p) {
    Heading(p, QStringLiteral("How a round goes"));
    const char* titles[] = {"1. Bet", "2. Deal", "3. Your turn", "4. Dealer, settle"};
    for (int i = 0; i < 4; ++i) {
        const QRectF box(14 + i * 146, 40, 128, 196);
        p.setPen(QPen(kPaleYellow, 1.5));
        p.setBrush(kTableTeal);
        p.drawRoundedRect(box, 8, 8);
        Caption(p, QRectF(box.left(), box.top() + 4, box.width(), 22),
                QString::fromLatin1(titles[i]), 16, kLightYellow);
        if (i < 3)
            Arrow(p, QPointF(box.right() + 2, 138), QPointF(box.right() + 16, 138), kLightYellow,
                  2.5);
    }
    DrawChip(p, QRectF(40, 80, 44, 44), 25);
    DrawChip(p, QRectF(66, 110, 44, 44), 5);
    Caption(p, QRectF(14, 170, 128, 60), QStringLiteral("Click chips\nto bet"));

    DrawHand(p, QPointF(172, 70), Cards({"back", "S09"}), 40, 26);
    DrawHand(p, QPointF(172, 140), Cards({"D10", "C06"}), 40, 26);
    Caption(p, QRectF(160, 196, 128, 40), QStringLiteral("One dealer card\nface down"), 13);

    Button(p, QRectF(322, 84, 110, 24), QStringLiteral("HIT"));
    Button(p, QRectF(322, 118, 110, 24), QStringLiteral("STAND"));
    Caption(p, QRectF(306, 160, 128, 70), QStringLiteral("Draw cards\nor stop"));

    ResultBadge(p, QRectF(480, 78, 70, 22), QStringLiteral("Win"));
    ResultBadge(p, QRectF(480, 108, 70, 22), QStringLiteral("Lose"));
    ResultBadge(p, QRectF(480, 138, 70, 22), QStringLiteral("Push"));
    Caption(p, QRectF(452, 170, 128, 60),
            QStringLiteral("The dealer\nplays, then\neach hand settles"), 13);
}

}  // namespace

std::vector<LecturePage> BlackJackPages() {
    return {{"NL1", 1, TheGame}, {"NL1", 2, CardValues}, {"NL1", 3, SoftAndHard},
            {"NL1", 4, Busting}, {"NL1", 5, Blackjack},  {"NL1", 6, ARound}};
}

}  // namespace vantrel::art
