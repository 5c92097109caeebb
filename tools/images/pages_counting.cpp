// Professional lesson 1, "Counting": the Hi-Lo values, the running count and the true count.
// Every value and count shown is worked out with the table's own counting rule.

#include <algorithm>
#include <iterator>

#include "art_style.h"
#include "lecture_canvas.h"
#include "lecture_pages.h"
#include "table_sketch.h"

namespace vantrel::art {

namespace {

void WhyCount(QPainter& p) {
    Heading(p, QStringLiteral("The cards left in the shoe matter"));
    DrawHand(p, QPointF(30, 50), Cards({"S10", "H01", "D13", "C12", "S01", "H11"}), 54, 26);
    Caption(p, QRectF(14, 128, 270, 60),
            QStringLiteral(
                "Many 10s and aces left:\nmore blackjacks, and the\ndealer busts more often"),
            14);
    TotalBadge(p, QRectF(14, 196, 270, 24), QStringLiteral("good for you"));
    DrawHand(p, QPointF(330, 50), Cards({"D02", "C03", "H04", "S05", "D06", "C04"}), 54, 26);
    Caption(p, QRectF(314, 128, 270, 60),
            QStringLiteral("Many small cards left:\nthe dealer busts less often"), 14);
    DrawText(p, QRectF(314, 196, 270, 24), QStringLiteral("good for the dealer"), Gothic(20, true),
             kSalmon);
}

void HiLoValues(QPainter& p) {
    Heading(p, QStringLiteral("Hi-Lo: a value for every card"));
    const struct {
        std::vector<Card> cards;
        const char* ranks;
    } groups[] = {
        {Cards({"S02", "H03", "D04", "C05", "S06"}), "2 to 6"},
        {Cards({"H07", "C08", "D09"}), "7 to 9"},
        {Cards({"S10", "D11", "C12", "H13", "S01"}), "10, J, Q, K, A"},
    };
    const qreal lefts[] = {16, 232, 370};
    for (int i = 0; i < 3; ++i) {
        const QRectF area = DrawHand(p, QPointF(lefts[i], 50), groups[i].cards, 48, 30);
        Caption(p, QRectF(area.left() - 10, 118, area.width() + 20, 20),
                QString::fromLatin1(groups[i].ranks), 14);
        DrawText(p, QRectF(area.left() - 10, 142, area.width() + 20, 50),
                 Signed(HiLoValue(groups[i].cards.front().rank)), PGothic(44, true), kAqua);
    }
    Caption(p, QRectF(10, 204, 580, 36),
            QStringLiteral("A whole deck adds up to 0: twenty +1s, twenty -1s, twelve 0s."), 14,
            kPaleYellow);
}

// Cards in the order they are seen, with each card's value and the count after it.
void CountRow(QPainter& p, qreal top, const std::vector<Card>& cards, int start) {
    Caption(p, QRectF(8, top + 66, 70, 22), QStringLiteral("value"), 14, kPaleYellow,
            Qt::AlignLeft | Qt::AlignVCenter);
    Caption(p, QRectF(8, top + 90, 70, 22), QStringLiteral("count"), 14, kPaleYellow,
            Qt::AlignLeft | Qt::AlignVCenter);
    int count = start;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const qreal left = 80 + i * 64;
        DrawHand(p, QPointF(left, top), {cards[i]}, 46);
        count += HiLoValue(cards[i].rank);
        DrawText(p, QRectF(left - 8, top + 66, 62, 22), Signed(HiLoValue(cards[i].rank)),
                 Gothic(18, true), Qt::white);
        DrawText(p, QRectF(left - 8, top + 90, 62, 22), Signed(count), Gothic(20, true), kAqua);
    }
}

void RunningCount(QPainter& p) {
    Heading(p, QStringLiteral("The running count: add as you see"));
    CountRow(p, 44, Cards({"H05", "S13", "D04", "C03", "S01", "H09", "D06", "C10"}), 0);
    Caption(p, QRectF(10, 164, 580, 70),
            QStringLiteral("Start at 0 after the shuffle. Count your cards, the dealer's cards\n"
                           "and the hole card when it is turned up."),
            14, kPaleYellow);
}

void ThroughTheShoe(QPainter& p) {
    Heading(p, QStringLiteral("Keep the count from round to round"));
    const std::vector<std::vector<Card>> rounds = {Cards({"D02", "S13", "H06", "C05"}),
                                                   Cards({"S03", "D09", "H01", "C04", "S06"}),
                                                   Cards({"H12", "C10", "D07", "S11"})};
    int count = 0;
    for (std::size_t r = 0; r < rounds.size(); ++r) {
        const qreal left = 12 + r * 150;
        p.setPen(QPen(kPaleYellow, 1.2));
        p.setBrush(kTableTeal);
        p.drawRoundedRect(QRectF(left, 40, 136, 150), 8, 8);
        Caption(p, QRectF(left, 44, 136, 20), QStringLiteral("Round %1").arg(r + 1), 14,
                kLightYellow);
        DrawHand(p, QPointF(left + 8, 70), rounds[r], 40, 88.0 / (rounds[r].size() - 1));
        count += CountOf(rounds[r]);
        Caption(p, QRectF(left, 128, 136, 20), QStringLiteral("count after it"), 12);
        DrawText(p, QRectF(left, 150, 136, 32), Signed(count), PGothic(26, true), kAqua);
        Arrow(p, QPointF(left + 137, 115), QPointF(left + 149, 115), kLightYellow, 2);
    }
    Balloon(p, QRectF(462, 62, 126, 48), QStringLiteral("Shuffling..."), 16);
    Caption(p, QRectF(462, 118, 126, 20), QStringLiteral("count again from"), 12);
    DrawText(p, QRectF(462, 140, 126, 40), QStringLiteral("0"), PGothic(30, true), kAqua);
    Caption(p, QRectF(10, 200, 580, 40),
            QStringLiteral("Every card counts once: split hands, busted hands, the hole card."), 14,
            kPaleYellow);
}

void TrueCount(QPainter& p) {
    Heading(p, QStringLiteral("The true count: running count per deck left"));
    Caption(p, QRectF(10, 44, 60, 50), QStringLiteral("dealt"), 15, kLightYellow);
    for (int i = 0; i < 2; ++i) DrawDeck(p, QPointF(70 + i * 44, 44));
    Caption(p, QRectF(160, 44, 110, 50), QStringLiteral("104 cards:\n2 decks"), 14);
    Caption(p, QRectF(10, 112, 60, 50), QStringLiteral("left"), 15, kLightYellow);
    for (int i = 0; i < 4; ++i) DrawDeck(p, QPointF(70 + i * 44, 112));
    Caption(p, QRectF(248, 112, 90, 50), QStringLiteral("208 cards:\n4 decks"), 14);

    const struct {
        qreal left;
        const char* value;
        const char* name;
        QColor colour;
    } terms[] = {{340, "+6", "running\ncount", kAqua},
                 {416, "\u00f7 4", "decks\nleft", Qt::white},
                 {494, "= +1.5", "true\ncount", kYellow}};
    for (const auto& term : terms) {
        DrawText(p, QRectF(term.left, 52, 96, 44), QString::fromUtf8(term.value), PGothic(26, true),
                 term.colour);
        Caption(p, QRectF(term.left, 98, 96, 40), QString::fromLatin1(term.name), 13);
    }
    Caption(p, QRectF(10, 182, 580, 56),
            QStringLiteral("Judge the decks left from the cards dealt (52 to a deck).\n"
                           "Early in the six-deck shoe, running +6 is about true +1."),
            14, kPaleYellow);
}

// The player's edge by true count (truncated toward zero, flat bets by the chart, the table as it
// comes), in per cent of the bet, with blackjack paid a full 3 to 2 and as this table pays $5
// bets, as `vantrel-lab sim --by-count --rounds 100000000 --threads 2` prints it.
const struct {
    int trueCount;
    double fullPayout;
    double asPaid;
} kEdgeByCount[] = {{-1, -1.07, -1.49}, {0, -0.31, -0.76}, {1, 0.44, -0.05}, {2, 0.93, 0.43},
                    {3, 1.28, 0.76},    {4, 1.80, 1.25},   {5, 2.20, 1.63}};

// The common ramp: one unit up to true +1, then one unit more for each true count above +1.
int RampUnits(int trueCount) {
    return std::max(1, trueCount);
}

void WhatItSays(QPainter& p) {
    Heading(p, QStringLiteral("What the true count is worth"));
    const char* rows[] = {"true count", "edge at 3 to 2", "as paid at $5", "bet (units)"};
    for (int row = 0; row < 4; ++row)
        Caption(p, QRectF(14, 40 + row * 30, 150, 26), QString::fromLatin1(rows[row]), 14,
                row == 0 ? kLightYellow : Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    const auto edgeColour = [](double edge) -> QColor {
        return edge >= 0.1 ? kAqua : edge <= -0.1 ? kSalmon : QColor(Qt::white);
    };
    const auto edgeText = [](double edge) {
        return (edge > 0 ? QStringLiteral("+") : QString()) + QString::number(edge, 'f', 2) + '%';
    };
    for (std::size_t i = 0; i < std::size(kEdgeByCount); ++i) {
        const auto& column = kEdgeByCount[i];
        const qreal left = 160 + i * 61;
        DrawText(p, QRectF(left, 40, 60, 26), Signed(column.trueCount), Gothic(18, true),
                 kLightYellow);
        DrawText(p, QRectF(left, 70, 60, 26), edgeText(column.fullPayout), PGothic(14, true),
                 edgeColour(column.fullPayout));
        DrawText(p, QRectF(left, 100, 60, 26), edgeText(column.asPaid), PGothic(14, true),
                 edgeColour(column.asPaid));
        DrawText(p, QRectF(left, 130, 60, 26), QString::number(RampUnits(column.trueCount)),
                 Gothic(18, true), kYellow);
    }
    p.setPen(QPen(kPaleYellow, 1));
    p.drawLine(QPointF(14, 67), QPointF(586, 67));
    p.drawLine(QPointF(14, 127), QPointF(586, 127));
    Caption(p, QRectF(10, 160, 580, 40),
            QStringLiteral("True +1 means +1 up to +2. At $5 a blackjack wins $7, not $7.50,\n"
                           "so true +1 is still about even: raise the bet from true +2."),
            13, Qt::white);
    Caption(p, QRectF(10, 202, 580, 38),
            QStringLiteral("In this course, play every hand by basic strategy. Counters also "
                           "change\na few plays at high or low counts (index plays): the next "
                           "course."),
            13, kPaleYellow);
}

void TheQuestion(QPainter& p) {
    Heading(p, QStringLiteral("The table asks for the count"));
    // The count-point keypad at a little less than its real size.
    const QPointF origin(20, 36);
    constexpr qreal scale = 0.76;
    p.save();
    p.translate(origin);
    p.scale(scale, scale);
    DrawCountDialog(p, QStringLiteral("-3"));
    p.restore();
    p.setPen(QPen(kPaleYellow, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(origin, QSizeF(369, 265) * scale));
    Caption(p, QRectF(320, 40, 270, 200),
            QStringLiteral("Asked after every 10th round of a shoe and after the round "
                           "that passes the cut.\n\n\"-\" switches the sign, \"BS\" deletes the "
                           "last character.\n\nGive the running count, not the true count. "
                           "Wrong? The balloon shows the right running count."),
            14, Qt::white, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
}

}  // namespace

std::vector<LecturePage> CountingPages() {
    return {{"PL1", 1, WhyCount},       {"PL1", 2, HiLoValues}, {"PL1", 3, RunningCount},
            {"PL1", 4, ThroughTheShoe}, {"PL1", 5, TrueCount},  {"PL1", 7, WhatItSays},
            {"PL1", 9, TheQuestion}};
}

}  // namespace vantrel::art
