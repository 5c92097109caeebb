#include "icon_art.h"

#include <QPainter>
#include <QRadialGradient>

#include "card_art.h"
#include "chip_art.h"

namespace vantrel::art {

namespace {

constexpr qreal kGrid = 256;
const QColor kGold{0xF0, 0xC8, 0x50};

void DrawFeltTile(QPainter& painter) {
    QRadialGradient felt(QPointF(128, 110), 180);
    felt.setColorAt(0, QColor(0x16, 0x8A, 0x5E));
    felt.setColorAt(1, QColor(0x04, 0x34, 0x28));
    painter.setPen(QPen(kGold, 6));
    painter.setBrush(felt);
    painter.drawRoundedRect(QRectF(8, 8, kGrid - 16, kGrid - 16), 40, 40);
}

void DrawFannedCards(QPainter& painter) {
    const QSizeF size(kCardWidth * 1.18, kCardHeight * 1.18);
    const struct {
        Card card;
        QPointF centre;
        qreal angle;
    } cards[] = {{Card{1, 1}, QPointF(100, 118), -14}, {Card{4, 13}, QPointF(152, 118), 12}};
    for (const auto& c : cards) {
        painter.save();
        painter.translate(c.centre);
        painter.rotate(c.angle);
        const QRectF box(QPointF(-size.width() / 2, -size.height() / 2), size);
        painter.fillRect(box.translated(5, 6), QColor(0, 0, 0, 90));
        DrawCardFace(painter, box, c.card);
        painter.restore();
    }
}

}  // namespace

void PaintIcon(QPainter& painter, int size) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size / kGrid, size / kGrid);
    DrawFeltTile(painter);
    DrawFannedCards(painter);
    DrawChip(painter, QRectF(150, 160, 84, 84), 100);
}

QImage IconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintIcon(painter, size);
    return image;
}

}  // namespace vantrel::art
