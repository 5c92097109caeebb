#include "card_art.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <vector>

#include "art_style.h"
#include "court_art.h"
#include "suit_shapes.h"

namespace vantrel::art {

namespace {

constexpr qreal kLeft = 40, kMiddle = 48.5, kRight = 57;  // pip columns, clear of the indices
constexpr qreal kTop = 20, kBottom = 108, kCentre = 64;   // pip rows

QString RankText(int rank) {
    static const std::array<const char*, 14> kTexts = {"",  "A", "2", "3",  "4", "5", "6",
                                                       "7", "8", "9", "10", "J", "Q", "K"};
    return QString::fromLatin1(kTexts.at(rank));
}

// Centres of the pips of a number card, in the usual arrangements.
std::vector<QPointF> PipCentres(int rank) {
    const qreal third = (kBottom - kTop) / 3;
    const qreal upper = kTop + third, lower = kBottom - third;
    std::vector<QPointF> pips;
    auto pair = [&](qreal y) {
        pips.emplace_back(kLeft, y);
        pips.emplace_back(kRight, y);
    };
    switch (rank) {
        case 2:
            pips = {{kMiddle, kTop}, {kMiddle, kBottom}};
            break;
        case 3:
            pips = {{kMiddle, kTop}, {kMiddle, kCentre}, {kMiddle, kBottom}};
            break;
        case 4:
        case 5:
            pair(kTop);
            pair(kBottom);
            if (rank == 5) pips.emplace_back(kMiddle, kCentre);
            break;
        case 6:
        case 7:
        case 8:
            pair(kTop);
            pair(kCentre);
            pair(kBottom);
            if (rank >= 7) pips.emplace_back(kMiddle, (kTop + kCentre) / 2);
            if (rank == 8) pips.emplace_back(kMiddle, (kCentre + kBottom) / 2);
            break;
        case 9:
        case 10:
            pair(kTop);
            pair(upper);
            pair(lower);
            pair(kBottom);
            if (rank == 9) pips.emplace_back(kMiddle, kCentre);
            if (rank == 10) {
                pips.emplace_back(kMiddle, (kTop + upper) / 2);
                pips.emplace_back(kMiddle, (lower + kBottom) / 2);
            }
            break;
        default:
            break;
    }
    return pips;
}

void DrawBlank(QPainter& painter) {
    painter.setPen(QPen(QColor(0x50, 0x50, 0x50), 2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(1, 1, kCardWidth - 2, kCardHeight - 2), 7, 7);
}

// Rank over suit in the top-left corner; the same turned about the card's centre below.
void DrawIndices(QPainter& painter, const Card& card) {
    const QColor ink = SuitColour(card.suit);
    for (int corner = 0; corner < 2; ++corner) {
        painter.save();
        if (corner == 1) {
            painter.translate(kCardWidth / 2.0, kCardHeight / 2.0);
            painter.rotate(180);
            painter.translate(-kCardWidth / 2.0, -kCardHeight / 2.0);
        }
        DrawFittedText(painter, QRectF(2, 2, 27, 38), RankText(card.rank), PGothic(38, true), ink);
        DrawSuit(painter, card.suit, QRectF(6, 41, 19, 20));
        painter.restore();
    }
}

void DrawPips(QPainter& painter, const Card& card) {
    if (card.rank == 1) {
        const QRectF big = card.suit == 1 ? QRectF(24, 38, 48, 52) : QRectF(28, 42, 40, 44);
        DrawSuit(painter, card.suit, big);
        return;
    }
    const QSizeF pip = card.rank >= 9 ? QSizeF(12.5, 14) : QSizeF(14.5, 16);
    for (const QPointF& centre : PipCentres(card.rank)) {
        const QRectF box(centre.x() - pip.width() / 2, centre.y() - pip.height() / 2, pip.width(),
                         pip.height());
        DrawSuit(painter, card.suit, box, centre.y() > kCentre);
    }
}

// Maps the design grid onto box.
void BeginCard(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / kCardWidth, box.height() / kCardHeight);
}

}  // namespace

void DrawCardFace(QPainter& painter, const QRectF& box, const Card& card) {
    BeginCard(painter, box);
    DrawBlank(painter);
    if (card.rank >= 11)
        DrawCourtPanel(painter, QRectF(30, 6, 36, 116), card.suit, card.rank);
    else
        DrawPips(painter, card);
    DrawIndices(painter, card);
    painter.restore();
}

void DrawCardBack(QPainter& painter, const QRectF& box) {
    BeginCard(painter, box);
    DrawBlank(painter);
    const QRectF inner(7, 7, kCardWidth - 14, kCardHeight - 14);
    QPainterPath innerPath;
    innerPath.addRoundedRect(inner, 4, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1E, 0x3C, 0x8C));
    painter.drawPath(innerPath);

    painter.setClipPath(innerPath);
    painter.setPen(QPen(QColor(0x6C, 0x8A, 0xD8), 1.6));
    for (int d = -kCardHeight; d < kCardWidth + kCardHeight; d += 9) {
        painter.drawLine(QPointF(d, 0), QPointF(d + kCardHeight, kCardHeight));
        painter.drawLine(QPointF(d, 0), QPointF(d - kCardHeight, kCardHeight));
    }
    painter.setClipping(false);

    // A medallion in the middle, so the back reads as a back even at 48 x 64.
    const QRectF medallion(26, 42, 44, 44);
    painter.setPen(QPen(Qt::white, 3));
    painter.setBrush(QColor(0x8C, 0x14, 0x1E));
    painter.drawEllipse(medallion);
    DrawText(painter, medallion.adjusted(0, -2, 0, 0), QStringLiteral("V"), PGothic(32, true),
             Qt::white);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(inner, 4, 4);
    painter.restore();
}

void DrawCard(QPainter& painter, const QRectF& box, const Card& card) {
    if (card.empty())
        DrawCardBack(painter, box);
    else
        DrawCardFace(painter, box, card);
}

namespace {
template <typename Draw>
QImage CardImage(qreal scale, Draw draw) {
    QImage image = Canvas(kCardWidth, kCardHeight, scale);
    image.fill(kTableTeal);  // the rounded corners blend with the table
    QPainter painter(&image);
    draw(painter, QRectF(0, 0, kCardWidth, kCardHeight));
    return image;
}
}  // namespace

QImage CardFaceImage(const Card& card, qreal scale) {
    return CardImage(scale, [&](QPainter& p, const QRectF& box) { DrawCardFace(p, box, card); });
}

QImage CardBackImage(qreal scale) {
    return CardImage(scale, [](QPainter& p, const QRectF& box) { DrawCardBack(p, box); });
}

}  // namespace vantrel::art
