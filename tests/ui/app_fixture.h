#pragma once

#include <QByteArray>
#include <QDir>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "ui/mdi.h"
#include "ui/modal_closer.h"
#include "ui/session.h"

class QWidget;

namespace vantrel::test {

// One run of the program in a data directory of its own: the data directory is the current
// directory, the settings file lies in another directory, as beside an executable. The title
// bitmap and the introduction text are there from the start; tests add or remove files.
class TestWorld {
  public:
    TestWorld();
    ~TestWorld();

    void WriteFile(const QString& relativePath, const QByteArray& bytes);
    void WriteBitmap(const QString& relativePath, QSize size = {8, 8});
    // A lecture page ("NL102"): its text "Text of NL102" and its picture.
    void WritePage(const QString& page, QSize size = {40, 30});
    void RemoveFile(const QString& relativePath);
    void WriteSettings(const QByteArray& bytes);
    QByteArray ReadSettings() const;
    // Puts a directory where the settings file should be, so that saving it fails.
    void BlockSettingsFile();

    QString dataDir() const { return data_.path(); }
    QString settingsPath() const;

    // Runs the program's start-up; boxes shown on the way are answered and recorded.
    void Start();
    // Starts at a level (more settings lines may follow) and clicks "Good luck!".
    void StartAt(const QByteArray& level, const QByteArray& moreSettings = {});
    // What the table does when a lesson's quota is met: the closing page comes up.
    void ShowClosingPage();
    Tf_mdi& frame() { return *frame_; }
    // The screen in front, by its class name ("Tf_menu").
    QString CurrentScreenName() const;

    template <typename T>
    T* screen() const {
        return frame_->findChild<T*>();
    }

    Session session;
    ModalCloser boxes;

  private:
    QString savedCurrentDir_;
    QTemporaryDir data_;
    QTemporaryDir programDir_;
    std::unique_ptr<Tf_mdi> frame_;
};

// Clicks a button of a screen as the student would: only when it is visible and enabled.
bool Click(const QWidget* screen, const char* name);

// The text of a named button or label of a screen.
QString TextOf(const QWidget* screen, const char* name);
// The text of a named text box of a screen.
QString MemoText(const QWidget* screen, const char* name);

QByteArray ReadBytes(const QString& path);  // "(unreadable)" when it cannot be read
bool WriteBytes(const QString& path, const QByteArray& bytes);

}  // namespace vantrel::test
