#include "ui/delay.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "ui/quitting.h"

namespace vantrel {

void Delay(int ms) {
    if (ms <= 0 || IsApplicationQuitting()) return;
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
