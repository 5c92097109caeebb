#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

namespace vantrel::test {

// Answers the message boxes a test provokes. Every few milliseconds it looks at the active modal
// widget; a message box is recorded and answered with the next queued button (OK when none is
// queued), or with the next queued keys typed into it. Other modal widgets are left to the test.
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

    void AnswerNext(QMessageBox::StandardButton button) { answers_.append(Answer{button, {}}); }
    void AnswerNextWithKeys(const QList<Qt::Key>& keys) {
        answers_.append(Answer{QMessageBox::Ok, keys});
    }
    const QList<Box>& boxes() const { return boxes_; }
    QStringList texts() const;
    void Clear() { boxes_.clear(); }

  private:
    void Poll();

    struct Answer {
        QMessageBox::StandardButton button;
        QList<Qt::Key> keys;  // typed instead of clicking the button, when there are any
    };

    QTimer timer_;
    QList<Answer> answers_;
    QList<Box> boxes_;
};

}  // namespace vantrel::test
