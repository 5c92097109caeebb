#include "ui/data_file_loaders.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>

#include "app/data_paths.h"
#include "ui/message_box.h"

namespace vantrel {

namespace {

void ReportUnreadable(const QString& path) {
    const QString text = QFileInfo::exists(path) ? QString("Cannot read file \"%1\".")
                                                 : QString("Cannot open file \"%1\".");
    ShowMessageBox(text.arg(path));
}

// Lines may end in CR LF, LF or CR; a line break after the last line starts no new line.
QString LinesOf(const QByteArray& bytes) {
    QString text = QString::fromLatin1(bytes);
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    if (text.endsWith('\n')) text.chop(1);
    return text;
}

// A bitmap file starts with "BM" and a little-endian 32-bit file size. Qt loads a file cut short
// in its pixels without complaint, so the size is checked here.
bool CutShort(const QByteArray& bytes) {
    if (!bytes.startsWith("BM") || bytes.size() < 6) return false;
    quint32 declared = 0;
    for (int i = 5; i >= 2; --i) declared = declared << 8 | static_cast<quint8>(bytes[i]);
    return declared > static_cast<quint32>(bytes.size());
}

}  // namespace

QPixmap ReadBitmap(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    QPixmap picture;
    if (file.error() != QFileDevice::NoError || CutShort(bytes)) return picture;
    if (!picture.loadFromData(bytes, "BMP")) picture.loadFromData(bytes);
    return picture;
}

QPixmap ReadPicture(const QString& path, qreal ratio) {
    if (ratio > 1) {
        QPixmap twice = ReadBitmap(QString::fromStdString(DoubleSizePath(path.toStdString())));
        if (!twice.isNull()) {
            if (!qFuzzyCompare(ratio, 2.0))
                twice = twice.scaled((QSizeF(twice.size()) * ratio / 2).toSize(),
                                     Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            twice.setDevicePixelRatio(ratio);
            return twice;
        }
    }
    return ReadBitmap(path);
}

QSize ShownSize(const QPixmap& picture) {
    return picture.deviceIndependentSize().toSize();
}

bool LoadBitmap(QLabel* image, const QString& path, BitmapFit fit) {
    const QPixmap picture = ReadPicture(path, image->devicePixelRatioF());
    if (picture.isNull()) {
        image->clear();
        ReportUnreadable(path);
        return false;
    }
    image->setScaledContents(fit == BitmapFit::Stretch);
    image->setPixmap(picture);
    if (fit == BitmapFit::SizeToBitmap) image->resize(ShownSize(picture));
    return true;
}

bool LoadTextLines(QPlainTextEdit* memo, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ReportUnreadable(path);
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ReportUnreadable(path);
        return false;
    }
    memo->setPlainText(LinesOf(bytes));
    return true;
}

}  // namespace vantrel
