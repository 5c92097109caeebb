#pragma once

#include <QMainWindow>

class QStackedWidget;

namespace vantrel {

struct Session;

// The frame window: a fixed 632 x 453 client area hosting one full-size screen at a time.
class Tf_mdi : public QMainWindow {
    Q_OBJECT
public:
    explicit Tf_mdi(Session& session);

private:
    Session& session_;
    QStackedWidget* stack_;
};

}  // namespace vantrel
