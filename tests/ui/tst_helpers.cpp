// The shared helpers: Delay and the message box.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPushButton>
#include <QtTest>

#include "ui/cursor.h"
#include "ui/delay.h"
#include "ui/message_box.h"
#include "ui/modal_closer.h"

using namespace vantrel;
using vantrel::test::ModalCloser;

class HelpersTest : public QObject {
    Q_OBJECT
  private slots:
    void delayNeverReturnsEarly_data();
    void delayNeverReturnsEarly();
    void delayHandlesAClickWhileWaiting();
    void delayInsideADelayKeepsBothTimes();
    void delayOfNothingHandlesNoEvents_data();
    void delayOfNothingHandlesNoEvents();
    void messageBoxStyleFollowsThePunctuation_data();
    void messageBoxStyleFollowsThePunctuation();
    void messageBoxReturnsTheButtonPressed_data();
    void messageBoxReturnsTheButtonPressed();
};

void HelpersTest::delayNeverReturnsEarly_data() {
    QTest::addColumn<int>("ms");
    for (int ms : {1, 2, 15, 120, 400}) QTest::addRow("%d ms", ms) << ms;
}

void HelpersTest::delayNeverReturnsEarly() {
    QFETCH(int, ms);
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer clock;
        clock.start();
        Delay(ms);
        const qint64 waited = clock.nsecsElapsed();
        QVERIFY2(waited >= qint64(ms) * 1000000, qPrintable(QString::number(waited)));
        QVERIFY2(waited < qint64(ms + 200) * 1000000, qPrintable(QString::number(waited)));
    }
}

void HelpersTest::delayHandlesAClickWhileWaiting() {
    QPushButton button("Hit");
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QElapsedTimer clickedAt;
    connect(&button, &QPushButton::clicked, this, [&] { clickedAt.start(); });
    QTimer::singleShot(30, &button, [&] { QTest::mouseClick(&button, Qt::LeftButton); });

    QElapsedTimer clock;
    clock.start();
    Delay(200);
    QVERIFY(clock.elapsed() >= 200);
    QVERIFY(clickedAt.isValid());
    QVERIFY(clickedAt.elapsed() < clock.elapsed());  // handled during the wait, not after it
}

void HelpersTest::delayInsideADelayKeepsBothTimes() {
    QElapsedTimer inner;
    QTimer::singleShot(20, this, [&] {
        QElapsedTimer clock;
        clock.start();
        Delay(60);
        QVERIFY(clock.elapsed() >= 60);
        inner = clock;
    });
    QElapsedTimer outer;
    outer.start();
    Delay(200);
    QVERIFY(outer.elapsed() >= 200);
    QVERIFY(inner.isValid());
}

void HelpersTest::delayOfNothingHandlesNoEvents_data() {
    QTest::addColumn<int>("ms");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -5;
}

void HelpersTest::delayOfNothingHandlesNoEvents() {
    QFETCH(int, ms);
    bool fired = false;
    QTimer::singleShot(0, this, [&] { fired = true; });
    Delay(ms);
    QVERIFY(!fired);
    QTRY_VERIFY(fired);
}

void HelpersTest::messageBoxStyleFollowsThePunctuation_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<QMessageBox::StandardButton>("defaultButton");

    const QMessageBox::StandardButtons ok = QMessageBox::Ok;
    const QMessageBox::StandardButtons okCancel = QMessageBox::Ok | QMessageBox::Cancel;
    QTest::newRow("question") << "You want to go back to Menu?" << QMessageBox::Question << okCancel
                              << QMessageBox::Cancel;
    QTest::newRow("question and exclamation")
        << "Ready? Go!" << QMessageBox::Question << okCancel << QMessageBox::Cancel;
    QTest::newRow("full-width question")
        << "Menu\uFF1F" << QMessageBox::Question << okCancel << QMessageBox::Cancel;
    QTest::newRow("exclamation") << "You have no chips. Start again!" << QMessageBox::Warning << ok
                                 << QMessageBox::Ok;
    QTest::newRow("full-width exclamation")
        << "Start again\uFF01" << QMessageBox::Warning << ok << QMessageBox::Ok;
    QTest::newRow("thanks") << "Thank you for playing!" << QMessageBox::Information << ok
                            << QMessageBox::Ok;
    QTest::newRow("thanks in lower case")
        << "thank you for playing!" << QMessageBox::Warning << ok << QMessageBox::Ok;
    QTest::newRow("plain") << "Page cannot be displayed." << QMessageBox::Information << ok
                           << QMessageBox::Ok;
    QTest::newRow("quoted OK") << "Enter Counting Point and click \"OK\"."
                               << QMessageBox::Information << ok << QMessageBox::Ok;
    QTest::newRow("other full-width text")
        << "\u30D2\u30F3\u30C8" << QMessageBox::Information << ok << QMessageBox::Ok;
}

void HelpersTest::messageBoxStyleFollowsThePunctuation() {
    QFETCH(QString, text);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(QMessageBox::StandardButton, defaultButton);

    ModalCloser closer;
    SetHourglassCursor();  // left on by a caller
    ShowMessageBox(text);
    QCOMPARE(closer.boxes().size(), 1);
    const ModalCloser::Box& box = closer.boxes().first();
    QCOMPARE(box.title, "KDX-ZORUVIRID");
    QCOMPARE(box.text, text);
    QCOMPARE(box.icon, icon);
    QCOMPARE(box.buttons, buttons);
    QCOMPARE(box.defaultButton, defaultButton);
    QVERIFY(box.cursorWasArrow);
}

void HelpersTest::messageBoxReturnsTheButtonPressed_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<int>("result");
    QTest::newRow("OK to a question") << "Leave?" << QMessageBox::Ok << 1;
    QTest::newRow("Cancel to a question") << "Leave?" << QMessageBox::Cancel << 2;
    QTest::newRow("OK to a notice") << "Done." << QMessageBox::Ok << 1;
}

void HelpersTest::messageBoxReturnsTheButtonPressed() {
    QFETCH(QString, text);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(int, result);
    ModalCloser closer;
    closer.AnswerNext(answer);
    QCOMPARE(ShowMessageBox(text), result);
}

QTEST_MAIN(HelpersTest)
#include "tst_helpers.moc"
