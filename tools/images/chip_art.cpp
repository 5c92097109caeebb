#include "chip_art.h"

#include <QPainter>

#include "art_style.h"

namespace vantrel::art {

namespace {

struct ChipColours {
    QColor body;
    QColor marks;
    QColor ink;
};

ChipColours ColoursOf(int value) {
    if (value >= 100)
        return {QColor(0x48, 0x48, 0x50), QColor(0xD8, 0xD8, 0xE0), QColor(0x20, 0x20, 0x28)};
    if (value >= 25)
        return {QColor(0x10, 0x8A, 0x2C), QColor(0xF4, 0xF4, 0xF4), QColor(0x00, 0x5A, 0x10)};
    return {QColor(0xA8, 0x14, 0x1C), QColor(0xF4, 0xF4, 0xF4), QColor(0x80, 0x00, 0x00)};
}

}  // namespace

void DrawChip(QPainter& painter, const QRectF& box, int value) {
    const ChipColours colours = ColoursOf(value);
    const QPointF c(kChipSize / 2.0, kChipSize / 2.0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / kChipSize, box.height() / kChipSize);

    painter.setPen(QPen(QColor(0x10, 0x10, 0x10), 1.5));
    painter.setBrush(colours.body);
    painter.drawEllipse(c, 30.5, 30.5);

    // The edge spots of a casino chip.
    painter.setPen(QPen(colours.marks, 6, Qt::SolidLine, Qt::FlatCap));
    const QRectF spots(c.x() - 27, c.y() - 27, 54, 54);
    for (int k = 0; k < 8; ++k) painter.drawArc(spots, (k * 45 - 8) * 16, 16 * 16);

    painter.setPen(QPen(colours.marks, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(c, 23, 23);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFA, 0xF6, 0xE8));
    painter.drawEllipse(c, 21.5, 21.5);

    DrawFittedText(painter, QRectF(c.x() - 19, c.y() - 16, 38, 32), QString::number(value),
                   PGothic(30, true), colours.ink);
    painter.restore();
}

QImage ChipImage(int value, qreal scale) {
    QImage image = Canvas(kChipSize, kChipSize, scale);
    image.fill(kTableTeal);  // chips lie on the table's colour
    QPainter painter(&image);
    DrawChip(painter, QRectF(0, 0, kChipSize, kChipSize), value);
    return image;
}

}  // namespace vantrel::art
