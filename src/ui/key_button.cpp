#include "ui/key_button.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace vantrel {

namespace {

// The frame: the screens' dark teal, drawn inside the button's bevel around its caption.
constexpr QColor kFrameColour(0x00, 0x40, 0x40);
constexpr int kFrameInset = 3;
constexpr int kFrameWidth = 2;

bool ByKeyboard(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

}  // namespace

KeyButton::KeyButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    // Tab reaches it; a click does not move the focus, so mouse play leaves no frame behind.
    setFocusPolicy(Qt::TabFocus);
    setAutoDefault(false);
}

void KeyButton::initStyleOption(QStyleOptionButton* option) const {
    QPushButton::initStyleOption(option);
    // The style's own focus look would change the button whenever it holds the focus; the frame
    // below stands in for it.
    option->state &= ~QStyle::State_HasFocus;
}

void KeyButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!keyboardFocus_) return;
    QPainter painter(this);
    QPen pen(kFrameColour, kFrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const int half = kFrameWidth / 2;
    painter.drawRect(rect().adjusted(kFrameInset + half, kFrameInset + half, -kFrameInset - half,
                                     -kFrameInset - half));
}

void KeyButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        return;
    }
    // Left and Right move the focus in the base class; Up and Down do the same here.
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        focusNextPrevChild(key == Qt::Key_Down);
        return;
    }
    QPushButton::keyPressEvent(event);
}

void KeyButton::focusInEvent(QFocusEvent* event) {
    keyboardFocus_ = ByKeyboard(event->reason());
    QPushButton::focusInEvent(event);
}

void KeyButton::focusOutEvent(QFocusEvent* event) {
    keyboardFocus_ = false;
    QPushButton::focusOutEvent(event);
}

}  // namespace vantrel
