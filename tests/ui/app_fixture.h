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
    void RemoveFile(const QString& relativePath);
    void WriteSettings(const QByteArray& bytes);
    QByteArray ReadSettings() const;
    // Puts a directory where the settings file should be, so that saving it fails.
    void BlockSettingsFile();

    QString dataDir() const { return data_.path(); }

    // Runs the program's start-up; boxes shown on the way are answered and recorded.
    void Start();
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

}  // namespace vantrel::test
