#include "ui/fonts.h"

#include <QStringList>

namespace vantrel {

namespace {

QFont FontOf(const QStringList& families, int pixelSize, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace

QFont GothicFont(int pixelSize, bool bold) {
    QFont font = FontOf({"ＭＳ ゴシック", "MS Gothic", "IPAGothic"}, pixelSize, bold);
    font.setFixedPitch(true);
    font.setStyleHint(QFont::Monospace);
    return font;
}

QFont PGothicFont(int pixelSize, bool bold) {
    return FontOf({"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic"}, pixelSize, bold);
}

}  // namespace vantrel
