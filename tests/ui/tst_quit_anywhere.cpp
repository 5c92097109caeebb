// Quitting at any moment ends the program at once, with status 0, no sanitizer report and the
// settings file as it was. Each case runs this executable again as the program, or the real one.
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "ui/app_fixture.h"
#include "ui/cpin.h"
#include "ui/delay.h"
#include "ui/main.h"
#include "ui/mdi.h"
#include "ui/practical.h"
#include "ui/session.h"
#include "ui/startup.h"
#include "ui/termination_signals.h"

using namespace vantrel;
using vantrel::test::ReadBytes;
using vantrel::test::WriteBytes;

namespace {

constexpr char kChildFlag[] = "--quit-child";

// ---- The child: plays up to a moment, then quits there or waits for a signal. ----

// Moments, named as the rows name them.
bool AtMoment(const QString& moment, Tf_mdi* frame) {
    QWidget* modal = QApplication::activeModalWidget();
    if (moment == "message box") return qobject_cast<QMessageBox*>(modal) != nullptr;
    if (moment == "count-point dialog") return qobject_cast<Tf_cpin*>(modal) != nullptr;
    if (!frame || frame->CurrentScreen() != frame->findChild<Tf_practical*>()) return false;
    auto* table = frame->findChild<Tf_practical*>();
    const TableState& state = table->table().state();
    const auto shown = [table](const char* name) {
        return !table->findChild<QWidget*>(name)->isHidden();
    };
    if (moment == "balloon") return shown("l_dmsg");
    if (moment == "countdown") return table->table().startTimerRunning();
    if (moment == "dealing")
        return state.roundActive && state.dealerCards + state.handCards[1] < 4 &&
               !shown("l_p1rslt");
    if (moment == "settlement pause") return shown("l_p1rslt");
    return false;
}

Tf_mdi* FindFrame() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* frame = qobject_cast<Tf_mdi*>(window)) return frame;
    return nullptr;
}

void Say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

// Plays the way to the moment as a student would, one click at a time. Clicks are posted rather
// than made inside the poll: a click's own waits must let the poll run, and Qt does not run a
// timer's slot again while it is still running.
class Driver : public QObject {
  public:
    Driver(QString moment, QString how) : moment_(std::move(moment)), how_(std::move(how)) {
        connect(&poll_, &QTimer::timeout, this, &Driver::Poll);
        poll_.start(1);
        QTimer::singleShot(30000, this, [] {
            Say("NEVER REACHED");
            std::_Exit(3);
        });
    }

  private:
    void Poll() {
        if (done_) return;
        Tf_mdi* frame = FindFrame();
        if (AtMoment(moment_, frame)) {
            done_ = true;
            Quit(frame);
        } else if (frame && !pending_ && !QApplication::activeModalWidget()) {
            DriveOn(*frame);
        }
    }

    void Quit(Tf_mdi* frame) {
        if (how_ == "signal") {
            Say("READY");
            return;
        }
        Say("QUIT");
        if (how_ == "close box")
            frame->close();
        else  // the same handler the student reaches on the start screen and the menus
            frame->findChild<Tf_main*>()->findChild<QPushButton*>("bbtn_goodbye")->click();
    }

    void DriveOn(Tf_mdi& frame) {
        QWidget* screen = frame.CurrentScreen();
        const QString name = screen->objectName();
        if (name == "Tf_main") return Post(screen, "bbtn_goodluck");
        if (name == "Tf_menu") return Post(screen, "bbtn_l3");
        if (name == "Tf_promenu") return Post(screen, "bbtn_l2");
        if (name == "Tf_lecture") return Post(screen, "bbtn_menu");
        if (name != "Tf_practical") return;
        auto* table = static_cast<Tf_practical*>(screen);
        const bool idle = !table->table().state().roundActive &&
                          !table->table().startTimerRunning() &&
                          table->findChild<QWidget*>("l_dmsg")->isHidden();
        if (idle && moment_ == "message box") return Post(screen, "bbtn_menu");
        Post(screen, idle ? "l_bet005" : "bbtn_stand");
    }

    // A click on a button or a chip's label, if it takes one now.
    void Post(QWidget* screen, const char* name) {
        auto* control = screen->findChild<QWidget*>(name);
        if (!control || !control->isEnabled()) return;
        pending_ = true;
        QTimer::singleShot(0, control, [this, control] {
            pending_ = false;
            if (auto* button = qobject_cast<QPushButton*>(control))
                button->click();
            else
                QTest::mouseClick(control, Qt::LeftButton);
        });
    }

    QString moment_;
    QString how_;
    QTimer poll_;
    bool done_ = false;
    bool pending_ = false;
};

// The program as vantrel's main() builds it, with the settings file given and short waits.
int RunChild(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QuitOnTerminationSignals();
    SetDelayTimeScale(0.05);
    Session session;
    session.installation.progress = ProgressPathsAt(argv[4]);
    Driver driver(argv[2], argv[3]);
    const std::unique_ptr<Tf_mdi> frame = StartUp(session);
    return QApplication::exec();
}

// ---- The parent: starts a program, quits it, and looks at what is left. ----

const QByteArray kGeneralSettings =
    "; my notes\r\n[GAME]\r\nLV=N1\r\nRANK=7A\r\nGAMESPEED=1\r\n[Other]\r\nkeep=\xff\xfe\r\n";
// One deck dealt to its first card: the count is asked after the first round.
const QByteArray kCountingSettings =
    "[GAME]\nLV=PL1\nDECK=1\nPLAYPER=1\nGAMESPEED=1\n# the end, without a line end";

// What /proc says of a process: whether it sleeps, and the processor time it has used so far.
struct ProcessStat {
    bool sleeping = false;
    long long ticks = -1;
};

ProcessStat StatOf(qint64 pid) {
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return {};
    const QByteArray line = stat.readAll();
    // Fields after the command name, which may hold blanks: state, ppid, ... utime, stime.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13) return {};
    return {fields[0] == "S", fields[11].toLongLong() + fields[12].toLongLong()};
}

// A program that shows nothing offscreen is waiting for the student once it has slept without
// using any processor time for half a second.
bool WaitUntilIdle(QProcess& process, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    long long lastTicks = -1;
    int quietPolls = 0;
    while (clock.elapsed() < timeoutMs && process.state() == QProcess::Running) {
        const ProcessStat stat = StatOf(process.processId());
        quietPolls = stat.sleeping && stat.ticks == lastTicks ? quietPolls + 1 : 0;
        lastTicks = stat.ticks;
        if (quietPolls >= 10) return true;
        process.waitForFinished(50);
    }
    return false;
}

bool WaitForLine(QProcess& process, const QByteArray& line, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        while (process.canReadLine())
            if (process.readLine().trimmed() == line) return true;
        if (process.state() != QProcess::Running) return false;
        process.waitForReadyRead(100);
    }
    return false;
}

QProcessEnvironment OffscreenEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    return environment;
}

}  // namespace

class QuitAnywhereTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void quitsAtOnce_data();
    void quitsAtOnce();
    void realProgramEndsOnSignalDuringStartUpBox_data();
    void realProgramEndsOnSignalDuringStartUpBox();

  private:
    // Waits for the program to end after it was told to quit, and checks how it ended.
    void ExpectPromptCleanExit(QProcess& program, const QString& settingsPath,
                               const QByteArray& settingsBefore);

    QTemporaryDir data_;   // the assembled data directory, copied
    QTemporaryDir empty_;  // a data directory without a single file
};

void QuitAnywhereTest::initTestCase() {
    QVERIFY(QFileInfo(VANTREL_DATA_DIR "/img/prm_title.bmp").exists());
    std::error_code error;
    std::filesystem::copy(VANTREL_DATA_DIR, data_.path().toStdString(),
                          std::filesystem::copy_options::recursive, error);
    QVERIFY2(!error, error.message().c_str());
}

void QuitAnywhereTest::quitsAtOnce_data() {
    QTest::addColumn<QString>("moment");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("signal");
    for (const char* moment : {"dealing", "balloon", "settlement pause", "countdown"}) {
        for (const char* how : {"close box", "good bye"})
            QTest::addRow("%s, %s", how, moment) << moment << how << 0;
    }
    for (const char* moment : {"count-point dialog", "message box"}) {
        QTest::addRow("SIGTERM, %s", moment) << moment << "signal" << SIGTERM;
        QTest::addRow("SIGINT, %s", moment) << moment << "signal" << SIGINT;
    }
}

void QuitAnywhereTest::quitsAtOnce() {
    QFETCH(QString, moment);
    QFETCH(QString, how);
    QFETCH(int, signal);

    QTemporaryDir programDir;
    const QString settingsPath = programDir.filePath("vantrel.INI");
    const QByteArray settings =
        moment == "count-point dialog" ? kCountingSettings : kGeneralSettings;
    QVERIFY(WriteBytes(settingsPath, settings));

    QProcess program;
    program.setProcessEnvironment(OffscreenEnvironment());
    program.setWorkingDirectory(data_.path());
    program.start(QCoreApplication::applicationFilePath(), {kChildFlag, moment, how, settingsPath});
    QVERIFY(program.waitForStarted());
    const QByteArray line = how == "signal" ? "READY" : "QUIT";
    QVERIFY2(WaitForLine(program, line, 60000), program.readAllStandardError().constData());
    if (signal) QCOMPARE(kill(static_cast<pid_t>(program.processId()), signal), 0);
    ExpectPromptCleanExit(program, settingsPath, settings);
}

void QuitAnywhereTest::realProgramEndsOnSignalDuringStartUpBox_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
}

// Without a title bitmap the program reports it in a box before its event loop has started; a
// signal then must end the real program, as its main() sets it up.
void QuitAnywhereTest::realProgramEndsOnSignalDuringStartUpBox() {
    QFETCH(int, signal);
    const QString built = QDir(VANTREL_DATA_DIR "/..").filePath("vantrel");
    QVERIFY(QFileInfo(built).isExecutable());

    // The settings file lies beside the executable, so the program gets a folder of its own.
    QTemporaryDir programDir;
    const QString executable = programDir.filePath("vantrel");
    if (link(built.toLocal8Bit().constData(), executable.toLocal8Bit().constData()) != 0)
        QVERIFY(QFile::copy(built, executable));
    const QString settingsPath = programDir.filePath("vantrel.INI");
    QVERIFY(WriteBytes(settingsPath, kGeneralSettings));

    QProcess program;
    program.setProcessEnvironment(OffscreenEnvironment());
    program.setWorkingDirectory(empty_.path());
    program.start(executable, {});
    QVERIFY(program.waitForStarted());
    QVERIFY2(WaitUntilIdle(program, 60000), program.readAllStandardError().constData());
    QCOMPARE(kill(static_cast<pid_t>(program.processId()), signal), 0);
    ExpectPromptCleanExit(program, settingsPath, kGeneralSettings);
}

void QuitAnywhereTest::ExpectPromptCleanExit(QProcess& program, const QString& settingsPath,
                                             const QByteArray& settingsBefore) {
    QElapsedTimer clock;
    clock.start();
    const bool ended = program.waitForFinished(20000);
    const QByteArray errors = program.readAllStandardError();
    if (!ended) program.kill();
    QVERIFY2(ended, errors.constData());
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString("took %1 ms").arg(clock.elapsed())));
    QVERIFY2(program.exitStatus() == QProcess::NormalExit, errors.constData());
    QVERIFY2(program.exitCode() == 0, errors.constData());
    QVERIFY2(!errors.contains("Sanitizer") && !errors.contains("runtime error"),
             errors.constData());
    QCOMPARE(ReadBytes(settingsPath), settingsBefore);
}

int main(int argc, char* argv[]) {
    if (argc == 5 && qstrcmp(argv[1], kChildFlag) == 0) return RunChild(argc, argv);
    QApplication app(argc, argv);
    QuitAnywhereTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_quit_anywhere.moc"
