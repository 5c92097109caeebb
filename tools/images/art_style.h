#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

namespace vantrel::art {

// The course's own fonts; Debian's IPA Gothic is installed by the set-up scripts, so the
// bitmaps look the same on every machine that builds them.
QFont Gothic(int pixelSize, bool bold = false);   // fixed pitch, as on the screens
QFont PGothic(int pixelSize, bool bold = false);  // proportional, for display text

// False when the IPA fonts are missing and Qt would substitute another family.
bool FontsAvailable();

// Colours shared with the screens, so an illustration looks like the program.
inline const QColor kTableTeal{0x00, 0x40, 0x40};
inline const QColor kFelt{0x0C, 0x5A, 0x4C};
inline const QColor kPaleYellow{0xFF, 0xFF, 0xC0};
inline const QColor kLightYellow{0xFF, 0xFF, 0x80};
inline const QColor kYellow{0xFF, 0xFF, 0x00};
inline const QColor kAqua{0x00, 0xFF, 0xFF};
inline const QColor kSalmon{0xFF, 0x80, 0x80};
inline const QColor kPalePink{0xFF, 0xC0, 0xFF};
inline const QColor kMaroon{0x80, 0x00, 0x00};
inline const QColor kGreen{0x00, 0x80, 0x00};
inline const QColor kGrey{0x80, 0x80, 0x80};

// A picture of width x height design pixels, drawn at scale device pixels to each (1 for the
// course's bitmaps, 2 for their double-size copies): a painter on it draws in design pixels.
QImage Canvas(int width, int height, qreal scale, QImage::Format format = QImage::Format_RGB32);

// Text in a box, with Qt alignment flags.
void DrawText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
              const QColor& colour, int flags = Qt::AlignCenter);

// Text squeezed horizontally when it is wider than the box, so a long word never spills.
void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                    const QColor& colour);

}  // namespace vantrel::art
