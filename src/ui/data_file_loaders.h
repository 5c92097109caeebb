#pragma once

#include <QPixmap>
#include <QString>

class QLabel;
class QPlainTextEdit;

namespace vantrel {

enum class BitmapFit {
    Stretch,       // the picture fills the control
    SizeToBitmap,  // the control takes the picture's size
};

// The picture in a bitmap file, or a null pixmap when the file cannot be read, holds no picture
// or is cut short (a bitmap whose header promises more bytes than the file has).
QPixmap ReadBitmap(const QString& path);

// The picture of a bitmap file for a screen of device pixel ratio `ratio`. Above 1 it is the
// file's double-size copy (DoubleSizePath), brought smoothly to that ratio when it is not 2, so
// that it paints at the file's own size in the screen's pixels; without a readable copy, and at 1,
// it is the file itself. Null when the picture chosen cannot be read.
QPixmap ReadPicture(const QString& path, qreal ratio);

// The size a picture takes on screen, in the screen's logical pixels.
QSize ShownSize(const QPixmap& picture);

// Shows the bitmap file in an image control, as ReadPicture chooses it for the control's screen. A
// missing or unreadable file is reported by name in a message box and leaves the control empty;
// returns whether the picture was shown.
bool LoadBitmap(QLabel* image, const QString& path, BitmapFit fit);

// Replaces the text of a memo with the lines of a plain 8-bit text file. A file that cannot be
// read is reported by name in a message box and the memo keeps its lines.
bool LoadTextLines(QPlainTextEdit* memo, const QString& path);

}  // namespace vantrel
