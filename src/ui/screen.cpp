#include "ui/screen.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <array>
#include <utility>

#include "app/settings.h"
#include "ui/controls.h"
#include "ui/message_box.h"
#include "ui/recording.h"
#include "ui/session.h"

namespace vantrel {

namespace {

constexpr QColor kBackground(0, 64, 64);

constexpr std::array<ControlSpec, 2> kLayout = {{
    {ControlKind::Shape, "s_title", {16, 4, 601, 45}},
    {ControlKind::BoldLabel, "l_title", {28, 16, 577, 28}, "", 20},
}};

}  // namespace

Screen::Screen(Session& session, Tf_mdi& mdi, const QString& caption, QColor outline)
    : session_(session), mdi_(mdi) {
    setWindowTitle(caption);
    setFixedSize(632, 453);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    setAutoFillBackground(true);

    BuildControls(this, kLayout);
    PaintShape(FindControl<QFrame>(this, "s_title"), Qt::black, outline);
    title_ = FindControl<QLabel>(this, "l_title");
    title_->setText(caption);
}

void Screen::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Down:
        case Qt::Key_Right:
            focusNextChild();
            return;
        case Qt::Key_Up:
        case Qt::Key_Left:
            focusPreviousChild();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

bool Screen::IsRunning() const {
    return session_.appState == AppState::Running;
}

bool Screen::SaveProgressOrShowError(std::optional<ViewScale> viewScale) {
    const std::string error =
        UpdateProgressFile(session_.installation.progress, [&](std::string bytes) {
            bytes = UpdateSettingsBytes(session_.settings, std::move(bytes));
            return viewScale ? UpdateViewScaleBytes(*viewScale, std::move(bytes)) : bytes;
        });
    if (error == kProgressNotKept) {
        // Said once; the lessons go on without progress.
        if (!std::exchange(session_.toldProgressNotKept, true))
            ShowMessageBox(QString::fromStdString(error));
        return true;
    }
    if (!error.empty()) {
        ShowErrorBox(QString::fromStdString(error));
        return false;
    }
    StartRecording(session_);
    return true;
}

bool IsModifierKey(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_CapsLock;
}

}  // namespace vantrel
