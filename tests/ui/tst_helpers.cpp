// The shared helpers: Delay and the message box.
#include <QElapsedTimer>
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
    void delayInsideADelayKeepsBothTimes();
    void delayOfNothingHandlesNoEvents();
    void messageBoxStyleFollowsThePunctuation_data();
    void messageBoxStyleFollowsThePunctuation();
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
    }
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

void HelpersTest::delayOfNothingHandlesNoEvents() {
    for (int ms : {0, -5}) {
        bool fired = false;
        QTimer::singleShot(0, this, [&] { fired = true; });
        Delay(ms);
        QVERIFY(!fired);
        QTRY_VERIFY(fired);
    }
}

void HelpersTest::messageBoxStyleFollowsThePunctuation_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QMessageBox::Icon>("icon");
    // A question offers OK and Cancel, Cancel the default; any other box offers OK alone.
    const auto row = [](const char* name, const QString& text, QMessageBox::Icon icon) {
        QTest::newRow(name) << text << icon;
    };
    row("question", "You want to go back to Menu?", QMessageBox::Question);
    row("question and exclamation", "Ready? Go!", QMessageBox::Question);
    row("full-width question", "Menu\uFF1F", QMessageBox::Question);
    row("exclamation", "You have no chips. Start again!", QMessageBox::Warning);
    row("full-width exclamation", "Start again\uFF01", QMessageBox::Warning);
    row("thanks", "Thank you for playing!", QMessageBox::Information);
    row("thanks in lower case", "thank you for playing!", QMessageBox::Warning);
    row("plain", "Page cannot be displayed.", QMessageBox::Information);
    row("quoted OK", "Enter Counting Point and click \"OK\".", QMessageBox::Information);
    row("other full-width text", "\u30D2\u30F3\u30C8", QMessageBox::Information);
}

void HelpersTest::messageBoxStyleFollowsThePunctuation() {
    QFETCH(QString, text);
    QFETCH(QMessageBox::Icon, icon);
    const bool question = icon == QMessageBox::Question;

    ModalCloser closer;
    SetHourglassCursor();  // left on by a caller
    closer.AnswerNext(question ? QMessageBox::Cancel : QMessageBox::Ok);
    QCOMPARE(ShowMessageBox(text), question ? 2 : 1);
    QCOMPARE(closer.boxes().size(), 1);
    const ModalCloser::Box& box = closer.boxes().first();
    QCOMPARE(box.title, "KDX-ZORUVIRID");
    QCOMPARE(box.text, text);
    QCOMPARE(box.icon, icon);
    QCOMPARE(box.buttons, question ? QMessageBox::Ok | QMessageBox::Cancel
                                   : QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.defaultButton, question ? QMessageBox::Cancel : QMessageBox::Ok);
    QVERIFY(box.cursorWasArrow);
    QCOMPARE(ShowMessageBox(text), 1);  // OK, the closer's answer when none is queued
}

QTEST_MAIN(HelpersTest)
#include "tst_helpers.moc"
