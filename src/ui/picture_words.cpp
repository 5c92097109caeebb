#include "ui/picture_words.h"

#include <QFile>
#include <QImage>
#include <QWidget>

#include "app/data_paths.h"
#include "page_words.h"

namespace vantrel {

QString PictureWordsOf(const QImage& drawn) {
    return drawn.text(QString::fromLatin1(art::kPageWordsKey));
}

QString ReadPictureWords(const std::string& bitmapPath) {
    QFile file(QString::fromStdString(PictureWordsPath(bitmapPath)));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

void DescribePicture(QWidget* picture, const QString& words) {
    QStringList lines = words.split('\n', Qt::SkipEmptyParts);
    if (lines.isEmpty()) {
        picture->setAccessibleName("Lecture picture");
        picture->setAccessibleDescription("No description of this picture");
        return;
    }
    picture->setAccessibleName("Picture: " + lines.takeFirst());
    // A line a sentence, unless it ends in a stop of its own.
    QString description;
    for (const QString& line : lines) {
        if (!description.isEmpty()) description += description.back().isPunct() ? " " : ". ";
        description += line;
    }
    picture->setAccessibleDescription(description);
}

}  // namespace vantrel
