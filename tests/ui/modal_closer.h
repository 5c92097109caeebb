#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

namespace vantrel::test {

// Answers the message boxes a test provokes. Every few milliseconds it looks at the active modal
// widget; a message box is recorded and answered with the next queued button (OK when none is
// queued). Other modal widgets are left to the test.
class ModalCloser : public QObject {
  public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
        bool cursorWasArrow;  // no override cursor was left on when it showed
    };

    ModalCloser();

    void AnswerNext(QMessageBox::StandardButton button) { answers_.append(button); }
    const QList<Box>& boxes() const { return boxes_; }
    QStringList texts() const;
    void Clear() { boxes_.clear(); }

  private:
    void Poll();

    QTimer timer_;
    QList<QMessageBox::StandardButton> answers_;
    QList<Box> boxes_;
};

}  // namespace vantrel::test
