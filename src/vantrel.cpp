#include <QApplication>
#include <optional>

#include "app/progress_paths.h"
#include "program/command_line.h"
#include "program/desktop_identity.h"
#include "program/view_scale_environment.h"
#include "ui/master_figures_request.h"
#include "ui/recording.h"
#include "ui/session.h"
#include "ui/startup.h"
#include "ui/termination_signals.h"

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = vantrel::AnswerCommandLine(argc, argv)) return *status;
    vantrel::SetDesktopNames();
    vantrel::ViewScaleEnvironment scaling(vantrel::ViewScaleOfThisCopy());
    QApplication app(argc, argv);
    scaling.Restore();
    vantrel::SetWindowIcon();
    vantrel::QuitOnTerminationSignals();
    vantrel::Session session;
    session.installation =
        vantrel::LocateInstallation(QCoreApplication::applicationFilePath().toStdString(),
                                    vantrel::UserFoldersFromEnvironment());
    const std::unique_ptr<vantrel::Tf_mdi> frame = vantrel::StartUp(session);
    // The record is opened and checked on a thread of its own once the window is up; a new
    // student's record waits for the first save, which makes the progress folder.
    vantrel::StartRecording(session);
    // The Master Course's figures are on their way long before the student opens it.
    vantrel::RequestMasterFigures(session);
    return QApplication::exec();
}
