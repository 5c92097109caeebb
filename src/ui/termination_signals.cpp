#include "ui/termination_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>

#include "ui/mdi.h"
#include "ui/quitting.h"

namespace vantrel {

namespace {

int pipeEnds[2] = {-1, -1};

// Runs in signal context: write(2) is async-signal-safe, and a full pipe already says "quit".
void OnSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(pipeEnds[1], &byte, 1);
    errno = savedErrno;
}

void DrainPipe() {
    char bytes[64];
    while (read(pipeEnds[0], bytes, sizeof bytes) > 0) {
    }
}

// The frame quits as its close box does; a signal before the frame exists ends the program
// all the same.
void QuitFromSignal() {
    DrainPipe();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* frame = qobject_cast<Tf_mdi*>(window)) {
            frame->QuitApplication();
            return;
        }
    }
    MarkApplicationQuitting();
    QCoreApplication::exit(0);
}

}  // namespace

void QuitOnTerminationSignals() {
    if (pipeEnds[0] >= 0) return;
    if (pipe2(pipeEnds, O_NONBLOCK | O_CLOEXEC) != 0) {
        qWarning("termination signals: no pipe, signals end the program at once");
        return;
    }
    auto* notifier =
        new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] { QuitFromSignal(); });

    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

}  // namespace vantrel
