#include "ui/closing_report.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "ui/fonts.h"
#include "ui/table_colours.h"

namespace vantrel {

namespace {
constexpr QSize kPage{600, 248};
// Below the closing page's heading.
constexpr QRect kPanel{24, 70, 552, 170};
}  // namespace

void DrawClosingReport(QLabel* picture, const QString& report) {
    const qreal ratio = picture->devicePixelRatioF();
    QPixmap page(kPage * ratio);
    page.setDevicePixelRatio(ratio);
    page.fill(kTeal);
    QPainter painter(&page);
    painter.drawPixmap(0, 0, picture->pixmap());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kPaleYellow, 1.5));
    painter.setBrush(kTeal);
    painter.drawRoundedRect(kPanel, 8, 8);
    painter.setFont(PGothicFont(15, true));
    painter.setPen(Qt::white);
    painter.drawText(kPanel.adjusted(12, 8, -12, -8), Qt::AlignLeft | Qt::AlignVCenter, report);
    painter.end();
    picture->setPixmap(page);
    picture->resize(kPage);
    picture->setAccessibleDescription(report);
}

}  // namespace vantrel
