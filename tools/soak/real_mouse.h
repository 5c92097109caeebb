#pragma once

#include <QPoint>
#include <Qt>
#include <vector>

class QWidget;

namespace vantrel::soak {

// Mouse input through the window system, as a student's hand gives it: the window routes each
// event to the control under the pointer, keeps the pointer grabbed from press to release, turns
// two quick clicks into a double-click and drops input to a window that a modal box blocks.
// Points are in the coordinates of `widget`; each call returns after the events were handled.
void ClickAt(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void DoubleClickAt(QWidget* widget, QPoint at);
// Press at `from`, move through `via`, release at `to`.
void DragAt(QWidget* widget, QPoint from, const std::vector<QPoint>& via, QPoint to,
            Qt::MouseButton button);
// A key to the widget's window, as the keyboard gives it: to the window's focus widget.
void PressKey(QWidget* widget, Qt::Key key);

}  // namespace vantrel::soak
