#include "court_art.h"

#include <QPainter>
#include <QPainterPath>

#include "suit_shapes.h"

namespace vantrel::art {

namespace {

// The upper half of the panel is drawn on a 36 x 58 grid; the lower half is the same turned.
constexpr qreal kHalfWidth = 36, kHalfHeight = 58;

const QColor kGold{0xE8, 0xB8, 0x28};
const QColor kSkin{0xF6, 0xCE, 0xA6};
const QColor kOutline{0x30, 0x20, 0x10};

struct Dress {
    QColor robe;
    QColor trim;
};

Dress DressOf(int rank) {
    switch (rank) {
        case 13:
            return {QColor(0xB0, 0x20, 0x2A), kGold};
        case 12:
            return {QColor(0x28, 0x48, 0xA0), QColor(0xC0, 0x20, 0x30)};
        default:
            return {QColor(0x2E, 0x7D, 0x32), kGold};
    }
}

void Fill(QPainter& painter, const QPainterPath& path, const QColor& colour) {
    painter.setPen(QPen(kOutline, 0.8));
    painter.setBrush(colour);
    painter.drawPath(path);
}

void DrawRobe(QPainter& painter, const Dress& dress) {
    QPainterPath robe;
    robe.moveTo(3, kHalfHeight);
    robe.lineTo(5, 43);
    robe.quadTo(7, 36, 13, 35);
    robe.lineTo(23, 35);
    robe.quadTo(29, 36, 31, 43);
    robe.lineTo(33, kHalfHeight);
    robe.closeSubpath();
    Fill(painter, robe, dress.robe);
    QPainterPath band;
    band.addRect(16, 36, 4, kHalfHeight - 36);
    Fill(painter, band, dress.trim);
    QPainterPath collar;
    collar.moveTo(11, 35.5);
    collar.quadTo(18, 42, 25, 35.5);
    collar.quadTo(18, 39, 11, 35.5);
    Fill(painter, collar, dress.trim);
}

void DrawFace(QPainter& painter) {
    QPainterPath face;
    face.addEllipse(QPointF(18, 27), 6.5, 7.5);
    Fill(painter, face, kSkin);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kOutline);
    painter.drawEllipse(QPointF(15.6, 26), 0.9, 0.9);
    painter.drawEllipse(QPointF(20.4, 26), 0.9, 0.9);
    painter.setPen(QPen(QColor(0xA0, 0x30, 0x30), 0.9));
    painter.drawLine(QPointF(16.6, 31), QPointF(19.4, 31));
}

void DrawKing(QPainter& painter) {
    QPainterPath sword;
    sword.addRect(30.2, 14, 1.8, kHalfHeight - 14);
    Fill(painter, sword, QColor(0xC8, 0xC8, 0xD0));
    QPainterPath hilt;
    hilt.addRect(27.5, 30, 7, 2);
    Fill(painter, hilt, kGold);
    DrawFace(painter);
    QPainterPath beard;
    beard.moveTo(11.5, 27);
    beard.quadTo(12, 39, 18, 42);
    beard.quadTo(24, 39, 24.5, 27);
    beard.quadTo(22, 33, 18, 33);
    beard.quadTo(14, 33, 11.5, 27);
    Fill(painter, beard, QColor(0xE0, 0xE0, 0xE0));
    QPainterPath crown;
    crown.moveTo(10, 21);
    crown.lineTo(10, 10);
    crown.lineTo(14, 15);
    crown.lineTo(18, 6);
    crown.lineTo(22, 15);
    crown.lineTo(26, 10);
    crown.lineTo(26, 21);
    crown.closeSubpath();
    Fill(painter, crown, kGold);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC0, 0x10, 0x20));
    for (const QPointF tip : {QPointF(10, 10), QPointF(18, 6), QPointF(26, 10)})
        painter.drawEllipse(tip, 1.6, 1.6);
}

void DrawQueen(QPainter& painter) {
    QPainterPath hair;
    hair.moveTo(8, 40);
    hair.quadTo(6, 18, 18, 16);
    hair.quadTo(30, 18, 28, 40);
    hair.closeSubpath();
    Fill(painter, hair, QColor(0xC8, 0x8A, 0x2A));
    QPainterPath stem;
    stem.addRect(4.3, 38, 1.4, 20);
    Fill(painter, stem, QColor(0x2E, 0x7D, 0x32));
    painter.setPen(QPen(kOutline, 0.6));
    painter.setBrush(QColor(0xE0, 0x30, 0x50));
    for (const QPointF petal :
         {QPointF(5, 33), QPointF(2.5, 36), QPointF(7.5, 36), QPointF(3.5, 39), QPointF(6.5, 39)})
        painter.drawEllipse(petal, 2, 2);
    DrawFace(painter);
    QPainterPath tiara;
    tiara.moveTo(11, 20);
    tiara.cubicTo(11, 14, 13, 12, 14.5, 16);
    tiara.cubicTo(15.5, 10, 20.5, 10, 21.5, 16);
    tiara.cubicTo(23, 12, 25, 14, 25, 20);
    tiara.quadTo(18, 17.5, 11, 20);
    Fill(painter, tiara, kGold);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x30, 0x60, 0xD0));
    painter.drawEllipse(QPointF(18, 14.5), 1.5, 1.5);
}

void DrawJack(QPainter& painter) {
    QPainterPath staff;
    staff.addRect(3.6, 20, 1.6, kHalfHeight - 20);
    Fill(painter, staff, QColor(0x8A, 0x5A, 0x2A));
    QPainterPath blade;
    blade.moveTo(4.4, 10);
    blade.lineTo(7, 20);
    blade.lineTo(1.8, 20);
    blade.closeSubpath();
    Fill(painter, blade, QColor(0xC8, 0xC8, 0xD0));
    QPainterPath hair;
    hair.addEllipse(QPointF(18, 25), 8.5, 8);
    Fill(painter, hair, QColor(0x5A, 0x3A, 0x1A));
    DrawFace(painter);
    QPainterPath feather;
    feather.moveTo(22, 17);
    feather.quadTo(30, 14, 33, 4);
    feather.quadTo(29, 12, 22, 15);
    feather.closeSubpath();
    Fill(painter, feather, QColor(0xF4, 0xF0, 0xE0));
    QPainterPath cap;
    cap.addEllipse(QPointF(17, 18.5), 11, 4.5);
    Fill(painter, cap, QColor(0xB0, 0x20, 0x2A));
    QPainterPath capBand;
    capBand.addRect(9, 20, 17, 2.2);
    Fill(painter, capBand, kGold);
}

void DrawHalfFigure(QPainter& painter, int suit, int rank) {
    DrawRobe(painter, DressOf(rank));
    if (rank == 13)
        DrawKing(painter);
    else if (rank == 12)
        DrawQueen(painter);
    else
        DrawJack(painter);
    DrawSuit(painter, suit, QRectF(27.5, 1.5, 7, 7.5));
}

}  // namespace

void DrawCourtPanel(QPainter& painter, const QRectF& panel, int suit, int rank) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xF6, 0xDC));
    painter.drawRect(panel);

    painter.setClipRect(panel);
    for (int half = 0; half < 2; ++half) {
        painter.save();
        painter.translate(panel.center());
        painter.rotate(180.0 * half);
        painter.translate(-panel.width() / 2, -panel.height() / 2);
        painter.scale(panel.width() / kHalfWidth, panel.height() / 2 / kHalfHeight);
        DrawHalfFigure(painter, suit, rank);
        painter.restore();
    }
    painter.setClipping(false);

    painter.setPen(QPen(SuitColour(suit), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(panel);
    painter.drawLine(QPointF(panel.left(), panel.center().y()),
                     QPointF(panel.right(), panel.center().y()));
    painter.restore();
}

}  // namespace vantrel::art
