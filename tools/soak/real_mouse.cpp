#include "real_mouse.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

namespace vantrel::soak {

namespace {

QWindow* WindowOf(QWidget* widget) {
    return widget->window()->windowHandle();
}

// The window's own coordinates. QTest reads the point (0, 0) as "the middle of the window", so
// the corner pixel is never used.
QPoint InWindow(QWidget* widget, QPoint at) {
    const QPoint point = WindowOf(widget)->mapFromGlobal(widget->mapToGlobal(at));
    return point.isNull() ? QPoint(1, 1) : point;
}

}  // namespace

void ClickAt(QWidget* widget, QPoint at, Qt::MouseButton button) {
    if (!WindowOf(widget)) return;
    QTest::mouseClick(WindowOf(widget), button, {}, InWindow(widget, at));
}

void DoubleClickAt(QWidget* widget, QPoint at) {
    if (!WindowOf(widget)) return;
    QTest::mouseDClick(WindowOf(widget), Qt::LeftButton, {}, InWindow(widget, at));
}

void DragAt(QWidget* widget, QPoint from, const std::vector<QPoint>& via, QPoint to,
            Qt::MouseButton button) {
    QWindow* window = WindowOf(widget);
    if (!window) return;
    QTest::mousePress(window, button, {}, InWindow(widget, from));
    for (const QPoint& point : via) QTest::mouseMove(window, InWindow(widget, point));
    QTest::mouseRelease(window, button, {}, InWindow(widget, to));
}

void PressKey(QWidget* widget, Qt::Key key) {
    if (!WindowOf(widget)) return;
    QTest::keyClick(WindowOf(widget), key);
}

}  // namespace vantrel::soak
