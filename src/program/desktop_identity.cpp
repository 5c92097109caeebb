#include "program/desktop_identity.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "icon_art.h"

namespace vantrel {
namespace {

// The sizes a window manager shows a window's icon at: title bar, task switcher.
constexpr int kWindowIconSizes[] = {16, 24, 32, 48, 64};

}  // namespace

void SetDesktopNames() {
    // The application name is the window class; the title stays the course's own.
    QCoreApplication::setApplicationName(QStringLiteral("vantrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(VANTREL_APP_ID));
}

void SetWindowIcon() {
    QIcon drawn;
    for (const int size : kWindowIconSizes)
        drawn.addPixmap(QPixmap::fromImage(art::IconImage(size)));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(VANTREL_APP_ID), drawn));
}

}  // namespace vantrel
