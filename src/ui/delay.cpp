#include "ui/delay.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "ui/quitting.h"

namespace vantrel {

namespace {
double timeScale = 1.0;
}  // namespace

void SetDelayTimeScale(double scale) {
    timeScale = scale;
}

int ScaledMs(int ms) {
    if (ms <= 0) return ms;
    return std::max(1, static_cast<int>(std::ceil(ms * timeScale)));
}

void Delay(int ms) {
    if (ms <= 0 || IsApplicationQuitting()) return;
    ms = ScaledMs(ms);
    QElapsedTimer clock;
    clock.start();

    QEventLoop loop;
    QTimer wakeUp;
    wakeUp.setSingleShot(true);
    wakeUp.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wakeUp, &QTimer::timeout, &loop, &QEventLoop::quit);

    // The loop may be woken before its time (a quit of an outer loop, a timer firing a little
    // early): wait again for what is left.
    for (qint64 left = ms; left > 0 && !IsApplicationQuitting(); left = ms - clock.elapsed()) {
        wakeUp.start(static_cast<int>(left));
        loop.exec();
    }
}

}  // namespace vantrel
