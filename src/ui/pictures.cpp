#include "ui/pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QWidget>

#include "app/data_paths.h"
#include "ui/data_file_loaders.h"
#include "ui/fonts.h"
#include "ui/message_box.h"
#include "ui/session.h"

namespace vantrel {

namespace {

// A stand-in for a card or chip picture that cannot be read: a white card with its name.
QPixmap StandInPicture(const QString& name, qreal ratio) {
    QPixmap picture(QSize(48, 64) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 47, 63);
    painter.setFont(GothicFont(12, true));
    painter.drawText(QRect(0, 0, 48, 64), Qt::AlignCenter, name);
    return picture;
}

}  // namespace

QPixmap Pictures::Picture(const std::string& path) {
    const qreal ratio = screen_.devicePixelRatioF();
    const auto known = pictures_.find({path, ratio});
    if (known != pictures_.end()) return known->second;
    QPixmap picture = ReadPicture(QString::fromStdString(path), ratio);
    if (picture.isNull()) {
        const QString name = QFileInfo(QString::fromStdString(path)).completeBaseName();
        missing_.append(QDir(QString::fromStdString(session_.appDir))
                            .relativeFilePath(QString::fromStdString(path)));
        picture = StandInPicture(name, ratio);
    }
    pictures_.emplace(std::pair(path, ratio), picture);
    return picture;
}

QPixmap Pictures::Face(const Card& card) {
    return Picture(CardFacePath(session_.appDir, card.code()));
}

QPixmap Pictures::Back() {
    return Picture(CardBackPath(session_.appDir));
}

void Pictures::ReadCards() {
    Back();
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank) Face(Card{suit, rank});
}

void Pictures::ReportMissing() {
    if (missing_.isEmpty()) return;
    QStringList shown = missing_.mid(0, 6);
    if (missing_.size() > shown.size())
        shown.append(QString("and %1 more").arg(missing_.size() - shown.size()));
    missing_.clear();
    ShowMessageBox(
        "Cannot read these pictures; plain cards stand in for them: " + shown.join(", ") + ".");
}

}  // namespace vantrel
