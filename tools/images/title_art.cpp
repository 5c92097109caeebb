#include "title_art.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include "art_style.h"
#include "card_art.h"
#include "chip_art.h"

namespace vantrel::art {

namespace {

const QColor kGold{0xF0, 0xC8, 0x50};

void DrawFelt(QPainter& painter) {
    QRadialGradient felt(QPointF(300, 200), 360);
    felt.setColorAt(0, QColor(0x16, 0x8A, 0x5E));
    felt.setColorAt(1, QColor(0x04, 0x34, 0x28));
    painter.fillRect(QRectF(0, 0, kTitleWidth, kTitleHeight), felt);
    painter.setPen(QPen(kGold, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(12, 18, kTitleWidth - 24, kTitleHeight - 30), 18, 18);
    painter.setPen(QPen(kGold, 1));
    painter.drawRoundedRect(QRectF(18, 24, kTitleWidth - 36, kTitleHeight - 42), 14, 14);
}

void DrawProductName(QPainter& painter) {
    const QFont font = PGothic(92, true);
    const QString name = QStringLiteral("Vantrel");
    const qreal width = QFontMetricsF(font).horizontalAdvance(name);
    QPainterPath text;
    text.addText(QPointF((kTitleWidth - width) / 2, 122), font, name);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 150));
    painter.drawPath(text.translated(4, 4));
    QLinearGradient gold(QPointF(0, 50), QPointF(0, 125));
    gold.setColorAt(0, QColor(0xFF, 0xF0, 0xB0));
    gold.setColorAt(0.5, kGold);
    gold.setColorAt(1, QColor(0xB0, 0x78, 0x18));
    painter.setPen(QPen(QColor(0x5A, 0x3A, 0x08), 2));
    painter.setBrush(gold);
    painter.drawPath(text);
}

// Printed on the felt along an arc, as on a casino table.
void DrawArcText(QPainter& painter, const QString& text, QPointF centre, qreal radius,
                 const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal total = metrics.horizontalAdvance(text);
    qreal angle = -qRadiansToDegrees(total / 2 / radius);
    painter.setFont(font);
    painter.setPen(kGold);
    for (const QChar ch : text) {
        const qreal advance = metrics.horizontalAdvance(ch);
        const qreal mid = angle + qRadiansToDegrees(advance / 2 / radius);
        painter.save();
        painter.translate(centre);
        painter.rotate(-mid);
        painter.translate(0, radius);
        painter.drawText(QPointF(-advance / 2, 0), QString(ch));
        painter.restore();
        angle += qRadiansToDegrees(advance / radius);
    }
}

void DrawCardPair(QPainter& painter) {
    const QSizeF size(kCardWidth * 0.92, kCardHeight * 0.92);
    const struct {
        Card card;
        QPointF centre;
        qreal angle;
    } cards[] = {{Card{1, 1}, QPointF(262, 282), -12}, {Card{4, 13}, QPointF(338, 282), 12}};
    for (const auto& c : cards) {
        painter.save();
        painter.translate(c.centre);
        painter.rotate(c.angle);
        painter.fillRect(QRectF(QPointF(-size.width() / 2 + 4, -size.height() / 2 + 5), size),
                         QColor(0, 0, 0, 90));
        DrawCardFace(painter, QRectF(QPointF(-size.width() / 2, -size.height() / 2), size), c.card);
        painter.restore();
    }
}

void DrawChipPiles(QPainter& painter) {
    const struct {
        int value;
        QPointF at;
    } chips[] = {{100, {58, 228}}, {25, {104, 250}}, {5, {66, 276}},
                 {5, {478, 228}},  {25, {430, 252}}, {100, {470, 276}}};
    for (const auto& chip : chips) DrawChip(painter, QRectF(chip.at, QSizeF(60, 60)), chip.value);
}

}  // namespace

QImage TitleImage(qreal scale) {
    QImage image = Canvas(kTitleWidth, kTitleHeight, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawFelt(painter);
    DrawProductName(painter);
    DrawText(painter, QRectF(0, 130, kTitleWidth, 36), QStringLiteral("the Blackjack Course"),
             PGothic(30, true), Qt::white);
    DrawArcText(painter, QStringLiteral("BLACKJACK PAYS 3 TO 2"), QPointF(300, -212), 408,
                Gothic(19, true));
    DrawChipPiles(painter);
    DrawCardPair(painter);
    return image;
}

}  // namespace vantrel::art
