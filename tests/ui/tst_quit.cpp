// Quitting ends every wait and dialog at once. The application's event loops stay ended for the
// rest of the process, so this case lives in an executable of its own.
#include <QElapsedTimer>
#include <QtTest>

#include "ui/app_fixture.h"
#include "ui/cpin.h"
#include "ui/delay.h"
#include "ui/main.h"
#include "ui/message_box.h"

using namespace vantrel;
using vantrel::test::Click;
using vantrel::test::TestWorld;

class QuitTest : public QObject {
    Q_OBJECT
  private slots:
    void quittingReleasesWaitsAndDialogs();
};

void QuitTest::quittingReleasesWaitsAndDialogs() {
    TestWorld world;
    world.Start();
    QTimer::singleShot(50, this, [&] { QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodbye")); });

    QElapsedTimer clock;
    clock.start();
    const int count = world.frame().CountDialog().Ask();  // the student quits while it is up
    QCOMPARE(count, Tf_cpin::kNoNumber);
    QVERIFY(!world.frame().CountDialog().isVisible());
    QCOMPARE(world.session.appState, AppState::Quitting);

    Delay(60000);
    QCOMPARE(ShowMessageBox("Shown after quitting?"), kMessageCancel);
    QVERIFY(clock.elapsed() < 30000);  // not the minute asked for
    QVERIFY(world.boxes.texts().isEmpty());

    TestWorld closed;
    closed.Start();
    QVERIFY(closed.frame().close());
    QCOMPARE(closed.session.appState, AppState::Quitting);
    QVERIFY(closed.ReadSettings().isEmpty());  // nothing saved
}

QTEST_MAIN(QuitTest)
#include "tst_quit.moc"
