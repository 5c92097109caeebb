#include "ui/mdi.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QScreen>
#include <QStackedWidget>

#include "ui/accessibility.h"
#include "ui/cpin.h"
#include "ui/fonts.h"
#include "ui/menu.h"
#include "ui/message_box.h"
#include "ui/quitting.h"
#include "ui/screen.h"
#include "ui/session.h"

namespace vantrel {

namespace {
constexpr int kClientWidth = 632;
constexpr int kClientHeight = 453;
}  // namespace

Tf_mdi::Tf_mdi(Session& session) : session_(session), stack_(new QStackedWidget(this)) {
    setObjectName("Tf_mdi");
    setWindowTitle(kApplicationTitle);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(PGothicFont(12));
    setCentralWidget(stack_);
    setFixedSize(kClientWidth, kClientHeight);
    session_.appState = AppState::Starting;

    // Whoever ends the event loop, waits must not hold the program up afterwards.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            [] { MarkApplicationQuitting(); });
}

void Tf_mdi::AddScreen(ScreenId id, Screen* screen) {
    screens_[id] = screen;
    NameControls(screen);
    stack_->addWidget(screen);
}

void Tf_mdi::SetCountDialog(Tf_cpin* dialog) {
    countDialog_ = dialog;
    NameControls(dialog);
}

void Tf_mdi::ShowScreen(ScreenId id) {
    Screen* screen = screens_.at(id);
    stack_->setCurrentWidget(screen);
    // The screen itself holds the focus until Tab or an arrow key picks one of its controls: no
    // button is pressed by Enter or Space unseen.
    screen->setFocus();
    screen->FormShow();
}

Screen* Tf_mdi::CurrentScreen() const {
    return static_cast<Screen*>(stack_->currentWidget());
}

void Tf_mdi::QuitApplication() {
    if (session_.appState == AppState::Quitting) return;
    session_.appState = AppState::Quitting;
    MarkApplicationQuitting();
    for (const auto& [id, screen] : screens_) screen->ApplicationQuitting();
    // exit() rather than quit(): it ends the nested loops of waits and dialogs as well. It only
    // reaches loops that run now, so a quit during start-up, before the program's own loop has
    // begun, also leaves an exit for that loop to find.
    QCoreApplication::exit(0);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

Tf_cpin& Tf_mdi::CountDialog() {
    return *countDialog_;
}

Tf_menu& Tf_mdi::GeneralMenu() {
    return *static_cast<Tf_menu*>(screens_.at(ScreenId::Menu));
}

void Tf_mdi::CenterOnScreen() {
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}

void Tf_mdi::closeEvent(QCloseEvent* event) {
    QuitApplication();
    event->accept();
}

}  // namespace vantrel
