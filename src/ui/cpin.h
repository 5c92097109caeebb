#pragma once

#include <QDialog>

class QLineEdit;

namespace vantrel {

// The count-point dialog: a keypad that asks for the running count and cannot be left without
// a number.
class Tf_cpin : public QDialog {
    Q_OBJECT
  public:
    // No number entered yet.
    static constexpr int kNoNumber = -9999;

    explicit Tf_cpin(QWidget* frame);

    // Shows the dialog modally and returns the number entered; kNoNumber only when the
    // application quit while it was open.
    int Ask();
    // The same with a "Back" button beside OK, the one way out without a number: kNoNumber when
    // the student takes it (or the application quits).
    int AskOrBack();
    // The same keypad asking for the true count (Master Course).
    int AskTrueCount();

    int enteredCount() const { return enteredCount_; }

    // Each showing starts empty, with the keyboard in the entry.
    void FormShow();

    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void AppendDigit(QChar digit);
    void ToggleMinus();
    void DeleteLastCharacter();
    void bbtn_okClick();
    void bbtn_backClick();

    QLineEdit* e_cp_;
    int enteredCount_ = kNoNumber;
    bool backTaken_ = false;
};

}  // namespace vantrel
