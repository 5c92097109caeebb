#include <QApplication>

#include "ui/mdi.h"
#include "ui/session.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("KDX-ZORUVIRID");
    vantrel::Session session;
    vantrel::Tf_mdi frame(session);
    frame.show();
    return QApplication::exec();
}
