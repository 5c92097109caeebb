// Times the trainer's start: from the moment the program is executed to the moment its window is
// visible with the start screen drawn, with a record of 100,000 decisions beside the settings
// file (and, for comparison, with none). Each run is a new process that starts as the program's
// main() does: frame and screens, then the recorder, which opens and checks the record on its
// own thread. Prints the median and the fastest of the runs, and the processor time the start
// took, which a busy machine does not change.
//
//   cd build/data && xvfb-run -a ../vantrel-startbench [--runs N]
#include <sys/resource.h>

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "app/progress_paths.h"
#include "app/settings.h"
#include "record/record_store.h"
#include "ui/mdi.h"
#include "ui/recording.h"
#include "ui/session.h"
#include "ui/startup.h"
#include "ui/termination_signals.h"

namespace {

using namespace vantrel;
using Clock = std::chrono::steady_clock;

constexpr int kDecisions = 100'000;
constexpr char kChildFlag[] = "--child";

long long CpuMicroseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto micro = [](const timeval& t) { return t.tv_sec * 1000000LL + t.tv_usec; };
    return micro(usage.ru_utime) + micro(usage.ru_stime);
}

long long Now() {
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now().time_since_epoch())
        .count();
}

// Rounds of one to three decisions, one in ten of them wrong, a visit every hundred rounds.
void FillRecord(const std::string& path) {
    record::RecordStore store;
    if (!store.Open(path)) {
        std::fprintf(stderr, "%s\n", store.TakeMessage().c_str());
        std::exit(2);
    }
    std::mt19937 random(20261207);
    int written = 0;
    for (int round = 0; written < kDecisions; ++round) {
        if (round % 100 == 0) {
            if (round > 0) store.EndVisit({record::VisitEnding::Menu, 10000, 40});
            store.BeginVisit({"NL5", LessonMode::DecisionQuota, 10000, 100, 6});
        }
        record::RoundEntry entry;
        entry.upCard = Card{1, 1 + static_cast<int>(random() % 13)};
        entry.dealerLabel = "19";
        entry.hands.push_back({5, "17", "Lose", 0});
        for (int i = 0; i < 1 + round % 3 && written < kDecisions; ++i, ++written) {
            record::DecisionEntry decision;
            decision.cards = {Card{1, 10}, Card{2, 2 + static_cast<int>(random() % 8)}};
            decision.upCard = entry.upCard;
            decision.cell = {ChartPart::Hard, 12 + static_cast<int>(random() % 6),
                             std::min(entry.upCard.rank, 10)};
            decision.right = random() % 10 != 0;
            decision.action = decision.right ? Action::Stand : Action::Hit;
            decision.advice = 2;
            decision.evTaken = decision.right ? -0.2 : -0.25;
            decision.evBest = -0.2;
            decision.stake = 5;
            entry.decisions.push_back(decision);
        }
        store.AddRound(entry);
    }
    store.EndVisit({record::VisitEnding::Menu, 10000, 40});
}

// The program's start, ending once the window has been shown and drawn: prints the time then.
int RunChild(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QuitOnTerminationSignals();
    Session session;
    session.installation.progress = ProgressPathsAt(argv[2]);
    const std::unique_ptr<Tf_mdi> frame = StartUp(session);
    StartRecording(session);
    struct Shown : QObject {
        bool eventFilter(QObject* window, QEvent* event) override {
            if (event->type() == QEvent::Expose && static_cast<QWindow*>(window)->isExposed()) {
                window->removeEventFilter(this);
                // Once the exposure has been handled the start screen is drawn.
                QTimer::singleShot(0, [] {
                    std::printf("shown %lld %lld\n", Now(), CpuMicroseconds());
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                });
            }
            return false;
        }
    } shown;
    frame->windowHandle()->installEventFilter(&shown);
    return QApplication::exec();
}

// Milliseconds from exec to the window shown, on the clock and of the child's processor time.
std::pair<double, double> RunOnce(const QString& settingsPath) {
    QProcess child;
    const long long started = Now();
    child.start(QCoreApplication::applicationFilePath(), {kChildFlag, settingsPath});
    if (!child.waitForFinished(60000)) return {-1, -1};
    const QList<QByteArray> shown = child.readAllStandardOutput().trimmed().split(' ');
    if (shown.size() != 3 || shown[0] != "shown") return {-1, -1};
    return {(shown[1].toLongLong() - started) / 1000.0, shown[2].toLongLong() / 1000.0};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Report(const char* what, const QString& settingsPath, int runs) {
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int run = 0; run < runs; ++run) {
        const auto [ms, cpuMs] = RunOnce(settingsPath);
        wall.push_back(ms);
        cpu.push_back(cpuMs);
    }
    std::printf("%-26s median %6.1f ms, fastest %6.1f ms, of it %5.1f ms of processor time\n", what,
                Median(wall), *std::min_element(wall.begin(), wall.end()), Median(cpu));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::string(argv[1]) == kChildFlag) return RunChild(argc, argv);
    int runs = 9;
    if (argc == 3 && std::string(argv[1]) == "--runs") runs = std::max(1, std::atoi(argv[2]));
    QCoreApplication app(argc, argv);

    QTemporaryDir empty;
    QTemporaryDir full;
    Settings settings;
    settings.LV = "N1";
    for (const QTemporaryDir* folder : {&empty, &full})
        SaveSettings(settings, folder->filePath("vantrel.INI").toStdString());
    const auto start = Clock::now();
    FillRecord(full.filePath("vantrel.sqlite").toStdString());
    std::printf("record of %d decisions filled in %.1f s\n", kDecisions,
                std::chrono::duration<double>(Clock::now() - start).count());

    Report("no record:", empty.filePath("vantrel.INI"), runs);
    Report("100,000-decision record:", full.filePath("vantrel.INI"), runs);
    return 0;
}
