#pragma once

#include <QPushButton>

namespace vantrel {

// A screen's button that the keyboard reaches as well as the mouse: Tab and the arrow keys bring
// it the focus in layout order, Enter or Space press it. Its focus frame shows only while the
// keyboard brought the focus there, so a screen played with the mouse looks as it always has.
class KeyButton : public QPushButton {
    Q_OBJECT
  public:
    KeyButton(const QString& text, QWidget* parent);

    bool showsKeyboardFocus() const { return keyboardFocus_; }

  protected:
    void initStyleOption(QStyleOptionButton* option) const override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    bool keyboardFocus_ = false;
};

}  // namespace vantrel
