// Runs one 3000 ms Delay and prints the CPU time the process spent meanwhile and its share of
// the wait. A Delay that sleeps in its event loop stays far below 5 per cent; exits 1 above it.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "ui/delay.h"

namespace {

constexpr int kWaitMs = 3000;
constexpr double kMaxShare = 5.0;

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const double cpuBefore = CpuSeconds();
    QElapsedTimer clock;
    clock.start();
    vantrel::Delay(kWaitMs);
    const double waited = clock.nsecsElapsed() / 1e9;
    const double cpu = CpuSeconds() - cpuBefore;
    const double share = 100.0 * cpu / waited;

    std::printf("Delay(%d): waited %.3f s, CPU %.4f s, %.2f %% of the wait\n", kWaitMs, waited, cpu,
                share);
    return share < kMaxShare ? 0 : 1;
}
