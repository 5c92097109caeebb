#include "ui/cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace vantrel {

void SetHourglassCursor() {
    // One override at most, so that a single SetArrowCursor undoes any number of these.
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void SetArrowCursor() {
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
}

}  // namespace vantrel
