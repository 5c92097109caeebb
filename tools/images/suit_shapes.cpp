#include "suit_shapes.h"

#include <QColor>
#include <QPainter>
#include <QTransform>

namespace vantrel::art {

namespace {

// Every shape is drawn in a unit square, y growing downwards, then mapped onto its box.
QPainterPath Heart() {
    QPainterPath path;
    path.moveTo(0.5, 0.98);
    path.cubicTo(0.35, 0.80, 0.0, 0.62, 0.0, 0.32);
    path.cubicTo(0.0, 0.12, 0.14, 0.02, 0.28, 0.02);
    path.cubicTo(0.40, 0.02, 0.48, 0.10, 0.5, 0.22);
    path.cubicTo(0.52, 0.10, 0.60, 0.02, 0.72, 0.02);
    path.cubicTo(0.86, 0.02, 1.0, 0.12, 1.0, 0.32);
    path.cubicTo(1.0, 0.62, 0.65, 0.80, 0.5, 0.98);
    path.closeSubpath();
    return path;
}

QPainterPath Stem() {
    QPainterPath stem;
    stem.moveTo(0.5, 0.55);
    stem.quadTo(0.53, 0.88, 0.74, 1.0);
    stem.lineTo(0.26, 1.0);
    stem.quadTo(0.47, 0.88, 0.5, 0.55);
    stem.closeSubpath();
    return stem;
}

QPainterPath Spade() {
    QPainterPath body;
    body.moveTo(0.5, 0.0);
    body.cubicTo(0.65, 0.18, 1.0, 0.36, 1.0, 0.58);
    body.cubicTo(1.0, 0.74, 0.88, 0.82, 0.74, 0.82);
    body.cubicTo(0.62, 0.82, 0.54, 0.76, 0.5, 0.68);
    body.cubicTo(0.46, 0.76, 0.38, 0.82, 0.26, 0.82);
    body.cubicTo(0.12, 0.82, 0.0, 0.74, 0.0, 0.58);
    body.cubicTo(0.0, 0.36, 0.35, 0.18, 0.5, 0.0);
    body.closeSubpath();
    return body.united(Stem());
}

QPainterPath Diamond() {
    QPainterPath path;
    path.moveTo(0.5, 0.0);
    path.quadTo(0.64, 0.28, 0.9, 0.5);
    path.quadTo(0.64, 0.72, 0.5, 1.0);
    path.quadTo(0.36, 0.72, 0.1, 0.5);
    path.quadTo(0.36, 0.28, 0.5, 0.0);
    path.closeSubpath();
    return path;
}

QPainterPath Club() {
    QPainterPath leaves;
    constexpr qreal r = 0.225;
    leaves.addEllipse(QPointF(0.5, 0.25), r, r);
    leaves.addEllipse(QPointF(0.25, 0.58), r, r);
    leaves.addEllipse(QPointF(0.75, 0.58), r, r);
    leaves.addEllipse(QPointF(0.5, 0.5), 0.14, 0.14);
    leaves.setFillRule(Qt::WindingFill);
    return leaves.simplified().united(Stem());
}

QPainterPath UnitSuit(int suit) {
    switch (suit) {
        case 1:
            return Spade();
        case 2:
            return Diamond();
        case 3:
            return Club();
        default:
            return Heart();
    }
}

}  // namespace

QPainterPath SuitPath(int suit, const QRectF& box) {
    QTransform toBox;
    toBox.translate(box.left(), box.top());
    toBox.scale(box.width(), box.height());
    return toBox.map(UnitSuit(suit));
}

QColor SuitColour(int suit) {
    return IsRedSuit(suit) ? QColor(0xC8, 0x10, 0x2E) : QColor(0x14, 0x14, 0x14);
}

void DrawSuit(QPainter& painter, int suit, const QRectF& box, bool upsideDown) {
    painter.save();
    if (upsideDown) {
        painter.translate(box.center());
        painter.rotate(180);
        painter.translate(-box.center());
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(SuitColour(suit));
    painter.drawPath(SuitPath(suit, box));
    painter.restore();
}

}  // namespace vantrel::art
