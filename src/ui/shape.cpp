#include "ui/shape.h"

#include <QPainter>

namespace vantrel {

Shape::Shape(QWidget* parent, Form form, QColor fill, QColor outline, int outlineWidth)
    : QWidget(parent), form_(form), fill_(fill), outline_(outline), outlineWidth_(outlineWidth) {}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, form_ != Form::Rectangle);
    if (outlineWidth_ > 0)
        painter.setPen(QPen(outline_, outlineWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    else
        painter.setPen(Qt::NoPen);
    painter.setBrush(fill_.isValid() ? QBrush(fill_) : QBrush(Qt::NoBrush));
    // Keep the whole outline inside the control.
    const qreal inset = outlineWidth_ / 2.0;
    const QRectF area = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    switch (form_) {
        case Form::Rectangle:
            painter.drawRect(area);
            break;
        case Form::RoundRect:
            painter.drawRoundedRect(area, 16, 16);
            break;
        case Form::Circle:
            painter.drawEllipse(area);
            break;
    }
}

}  // namespace vantrel
