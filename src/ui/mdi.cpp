#include "ui/mdi.h"

#include <QStackedWidget>

#include "ui/session.h"

namespace vantrel {

namespace {
constexpr int kClientWidth = 632;
constexpr int kClientHeight = 453;
}  // namespace

Tf_mdi::Tf_mdi(Session& session) : session_(session), stack_(new QStackedWidget(this)) {
    setObjectName("Tf_mdi");
    setWindowTitle("KDX-ZORUVIRID");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setCentralWidget(stack_);
    setFixedSize(kClientWidth, kClientHeight);
    session_.appState = AppState::Starting;
}

}  // namespace vantrel
