#include <QApplication>

#include "app/progress_paths.h"
#include "ui/recording.h"
#include "ui/session.h"
#include "ui/startup.h"
#include "ui/termination_signals.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vantrel::QuitOnTerminationSignals();
    vantrel::Session session;
    session.installation =
        vantrel::LocateInstallation(QCoreApplication::applicationFilePath().toStdString(),
                                    vantrel::UserFoldersFromEnvironment());
    const std::unique_ptr<vantrel::Tf_mdi> frame = vantrel::StartUp(session);
    // The record is opened and checked on a thread of its own once the window is up.
    vantrel::StartRecording(session);
    return QApplication::exec();
}
