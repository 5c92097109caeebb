#include "ui/app_fixture.h"

#include <QAbstractButton>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

#include <QtTest>

#include "ui/main.h"
#include "ui/screen.h"
#include "ui/startup.h"

namespace vantrel::test {

TestWorld::TestWorld() : savedCurrentDir_(QDir::currentPath()) {
    QDir::setCurrent(data_.path());
    session.installation.progress =
        ProgressPathsAt((programDir_.path() + "/vantrel.INI").toStdString());
    WriteBitmap("img/prm_title.bmp", {600, 365});
    WriteFile("doc/first.txt", "Welcome to the course.\nPlay fair.\n");
}

TestWorld::~TestWorld() {
    frame_.reset();
    QDir::setCurrent(savedCurrentDir_);
}

void TestWorld::WriteFile(const QString& relativePath, const QByteArray& bytes) {
    const QString path = data_.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).path());
    if (!WriteBytes(path, bytes)) qFatal("cannot write %s", qPrintable(path));
}

void TestWorld::WriteBitmap(const QString& relativePath, QSize size) {
    const QString path = data_.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).path());
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    if (!image.save(path, "BMP")) qFatal("cannot write %s", qPrintable(path));
}

void TestWorld::WritePage(const QString& page, QSize size) {
    WriteFile("doc/" + page + ".txt", "Text of " + page.toLatin1() + "\n");
    WriteBitmap("img/" + page + ".bmp", size);
}

void TestWorld::RemoveFile(const QString& relativePath) {
    QFile::remove(data_.filePath(relativePath));
}

void TestWorld::WriteSettings(const QByteArray& bytes) {
    if (!WriteBytes(settingsPath(), bytes)) qFatal("cannot write the settings file");
}

QByteArray TestWorld::ReadSettings() const {
    QFile file(settingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestWorld::BlockSettingsFile() {
    QDir().mkpath(settingsPath());
}

QString TestWorld::settingsPath() const {
    return QString::fromStdString(session.installation.progress.settings);
}

void TestWorld::Start() {
    frame_ = StartUp(session);
}

void TestWorld::StartAt(const QByteArray& level, const QByteArray& moreSettings) {
    WriteSettings("[GAME]\nLV=" + level + "\n" + moreSettings);
    Start();
    QVERIFY(Click(frame_->findChild<Tf_main*>(), "bbtn_goodluck"));
}

void TestWorld::ShowClosingPage() {
    session.lesson.lecturePage = 99;
    frame_->ShowScreen(ScreenId::Lecture);
}

QString TestWorld::CurrentScreenName() const {
    const Screen* current = frame_->CurrentScreen();
    return current ? current->objectName() : QString();
}

bool Click(const QWidget* screen, const char* name) {
    auto* button = screen->findChild<QAbstractButton*>(name, Qt::FindDirectChildrenOnly);
    if (!button) {
        qWarning("no button %s on %s", name, qPrintable(screen->objectName()));
        return false;
    }
    if (!button->isVisible() || !button->isEnabled()) return false;
    button->click();
    return true;
}

QString TextOf(const QWidget* screen, const char* name) {
    const QObject* control = screen->findChild<QObject*>(name, Qt::FindDirectChildrenOnly);
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    qWarning("no button or label %s on %s", name, qPrintable(screen->objectName()));
    return QString();
}

QString MemoText(const QWidget* screen, const char* name) {
    return screen->findChild<QPlainTextEdit*>(name)->toPlainText();
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace vantrel::test
