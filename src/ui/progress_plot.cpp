#include "ui/progress_plot.h"

#include <QPainter>
#include <QPainterPath>

#include "record/record_queries.h"
#include "ui/fonts.h"

namespace vantrel {

namespace {

const QColor kDecisionColour(255, 255, 128);
const QColor kCountColour(128, 255, 255);
const QColor kGridColour(0, 112, 112);

// One series: a dot per visit that has one, joined to the dot of the visit before when that
// visit has one too; the latest visit at the right edge.
void DrawSeries(QPainter& painter, const QRectF& area, const VisitSeries& shares,
                const QColor& colour) {
    const double step = area.width() / (record::kProgressVisits - 1);
    const auto last = static_cast<int>(shares.size()) - 1;
    QPainterPath line;
    std::vector<QPointF> dots;
    for (int i = 0; i <= last; ++i) {
        if (!shares[i]) continue;
        const QPointF at(area.right() - (last - i) * step,
                         area.bottom() - *shares[i] * area.height());
        if (i > 0 && shares[i - 1])
            line.lineTo(at);
        else
            line.moveTo(at);
        dots.push_back(at);
    }
    painter.setPen(QPen(colour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
    painter.setBrush(colour);
    for (const QPointF& dot : dots) painter.drawEllipse(dot, 2.5, 2.5);
}

void DrawLegend(QPainter& painter, QPointF at, const QString& text, const QColor& colour) {
    painter.setPen(QPen(colour, 2));
    painter.drawLine(at, at + QPointF(14, 0));
    painter.drawText(QRectF(at.x() + 18, at.y() - 7, 150, 14), Qt::AlignLeft | Qt::AlignVCenter,
                     text);
}

}  // namespace

QPixmap DrawProgressPlot(QSize size, qreal ratio, const VisitSeries& decisions,
                         const VisitSeries& countAnswers) {
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(GothicFont(10));

    // The shares against 0 %, 50 % and 100 %, with room for their labels on the left and for
    // the legend at the bottom.
    const QRectF area(36, 8, size.width() - 44, size.height() - 30);
    for (int percent : {0, 50, 100}) {
        const double y = area.bottom() - percent / 100.0 * area.height();
        painter.setPen(QPen(kGridColour, 1, percent == 0 ? Qt::SolidLine : Qt::DotLine));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(Qt::white);
        painter.drawText(QRectF(0, y - 7, area.left() - 4, 14), Qt::AlignRight | Qt::AlignVCenter,
                         QString("%1%").arg(percent));
    }
    DrawSeries(painter, area, decisions, kDecisionColour);
    DrawSeries(painter, area, countAnswers, kCountColour);
    const double legend = size.height() - 9;
    DrawLegend(painter, QPointF(area.left(), legend), "decisions", kDecisionColour);
    DrawLegend(painter, QPointF(area.left() + 110, legend), "count answers", kCountColour);
    return picture;
}

}  // namespace vantrel
