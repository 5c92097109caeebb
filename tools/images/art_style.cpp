#include "art_style.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

namespace vantrel::art {

namespace {
QFont MakeFont(const char* family, int pixelSize, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
}  // namespace

QFont Gothic(int pixelSize, bool bold) {
    return MakeFont("IPAGothic", pixelSize, bold);
}

QFont PGothic(int pixelSize, bool bold) {
    return MakeFont("IPAPGothic", pixelSize, bold);
}

bool FontsAvailable() {
    return QFontInfo(Gothic(12)).family() == QLatin1String("IPAGothic") &&
           QFontInfo(PGothic(12)).family() == QLatin1String("IPAPGothic");
}

QImage Canvas(int width, int height, qreal scale, QImage::Format format) {
    QImage image(qRound(width * scale), qRound(height * scale), format);
    image.setDevicePixelRatio(scale);
    return image;
}

void DrawText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
              const QColor& colour, int flags) {
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, flags, text);
    painter.restore();
}

void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                    const QColor& colour) {
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    const qreal squeeze = width > box.width() ? box.width() / width : 1.0;
    painter.save();
    painter.translate(box.center());
    painter.scale(squeeze, 1.0);
    const QRectF unsqueezed(-box.width() / (2 * squeeze), -box.height() / 2, box.width() / squeeze,
                            box.height());
    DrawText(painter, unsqueezed, text, font, colour);
    painter.restore();
}

}  // namespace vantrel::art
