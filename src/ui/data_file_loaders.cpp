#include "ui/data_file_loaders.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>

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

}  // namespace

bool LoadBitmap(QLabel* image, const QString& path, BitmapFit fit) {
    QPixmap picture;
    if (!picture.load(path, "BMP") && !picture.load(path)) {
        image->clear();
        ReportUnreadable(path);
        return false;
    }
    image->setScaledContents(fit == BitmapFit::Stretch);
    image->setPixmap(picture);
    if (fit == BitmapFit::SizeToBitmap) image->resize(picture.size());
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
