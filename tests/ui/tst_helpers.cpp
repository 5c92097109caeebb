// The shared helpers: Delay, the message box, the count-point dialog (its keypad, what counts as
// a number, and that it cannot be left without one), and quitting, which releases them all.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/app_fixture.h"
#include "ui/cpin.h"
#include "ui/cursor.h"
#include "ui/delay.h"
#include "ui/main.h"
#include "ui/message_box.h"

using namespace vantrel;
using vantrel::test::Click;
using vantrel::test::ModalCloser;
using vantrel::test::TestWorld;

class HelpersTest : public QObject {
    Q_OBJECT
  private slots:
    void delayNeverReturnsEarly_data();
    void delayNeverReturnsEarly();
    void delayHandlesAClickWhileWaiting();
    void delayInsideADelayKeepsBothTimes();
    void delayOfNothingHandlesNoEvents();
    void messageBoxStyleFollowsThePunctuation_data();
    void messageBoxStyleFollowsThePunctuation();
    void cleanup() { frame_.reset(); }
    void keypadEditsTheEntry_data();
    void keypadEditsTheEntry();
    void okTakesOnlyANumber_data();
    void okTakesOnlyANumber();
    void closingWithoutANumberIsRefused();
    void askReturnsTheNumberAndStartsEmpty();
    void quittingReleasesWaitsAndDialogs();

  private:
    // The count-point dialog over a frame of the program's size.
    void ShowDialog();
    void Press(const QString& key);
    QLineEdit* Entry() const { return dialog_->findChild<QLineEdit*>("e_cp"); }

    std::unique_ptr<QWidget> frame_;
    Tf_cpin* dialog_ = nullptr;
};

void HelpersTest::ShowDialog() {
    frame_ = std::make_unique<QWidget>();
    frame_->resize(632, 453);
    frame_->show();
    dialog_ = new Tf_cpin(frame_.get());
    dialog_->show();
}

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

void HelpersTest::Press(const QString& key) {
    const QString name = key == "-" ? "bbtn_minus" : "bbtn_" + key.toLower();
    auto* button = dialog_->findChild<QPushButton*>(name);
    QVERIFY2(button, qPrintable(name));
    button->click();
}

void HelpersTest::keypadEditsTheEntry_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("entry");
    QTest::newRow("digits append") << QStringList{"1", "2", "0"} << "120";
    QTest::newRow("minus after the digits") << QStringList{"3", "-"} << "-3";
    QTest::newRow("minus twice") << QStringList{"3", "-", "-"} << "3";
    QTest::newRow("minus first") << QStringList{"-", "4", "5"} << "-45";
    QTest::newRow("backspace") << QStringList{"7", "8", "bs"} << "7";
    QTest::newRow("backspace on empty") << QStringList{"bs"} << "";
    QTest::newRow("backspace takes the minus") << QStringList{"-", "bs", "bs"} << "";
}

void HelpersTest::keypadEditsTheEntry() {
    ShowDialog();
    QFETCH(QStringList, keys);
    QFETCH(QString, entry);
    for (const QString& key : keys) Press(key);
    QCOMPARE(Entry()->text(), entry);
}

void HelpersTest::okTakesOnlyANumber_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("count");  // kNoNumber: refused
    const auto row = [](const char* name, const QString& typed, int count) {
        QTest::newRow(name) << typed << count;
    };
    row("positive", "7", 7);
    row("negative", "-3", -3);
    row("zero", "0", 0);
    row("plus sign", "+4", 4);
    row("blanks around", "  12 ", 12);
    row("leading zeros", "-007", -7);
    row("largest", "2147483647", 2147483647);
    row("smallest", "-2147483648", int(-2147483648LL));
    row("next to the marker", "-9998", -9998);
    const int refused = Tf_cpin::kNoNumber;
    row("empty", "", refused);
    row("minus alone", "-", refused);
    row("letters", "abc", refused);
    row("digits and letters", "1a", refused);
    row("two signs", "--1", refused);
    row("inner blank", "1 2", refused);
    row("decimal point", "1.5", refused);
    row("the marker itself", "-9999", refused);
    row("above 32 bits", "2147483648", refused);
    row("below 32 bits", "-2147483649", refused);
    row("very long", QString(40, '9'), refused);
    row("non-ASCII digits", "\u0663", refused);
}

void HelpersTest::okTakesOnlyANumber() {
    ShowDialog();
    QFETCH(QString, typed);
    QFETCH(int, count);
    const bool refused = count == Tf_cpin::kNoNumber;
    ModalCloser closer;
    Entry()->setText(typed);
    Press("ok");
    QCOMPARE(dialog_->enteredCount(), count);
    QCOMPARE(dialog_->isVisible(), refused);
    QCOMPARE(closer.texts(),
             refused ? QStringList{"Enter numbers for Counting Point!"} : QStringList());
    if (refused) QCOMPARE(Entry()->text(), typed);  // kept for correction
}

void HelpersTest::closingWithoutANumberIsRefused() {
    ShowDialog();
    ModalCloser closer;
    dialog_->close();
    QTest::keyClick(dialog_, Qt::Key_Escape);
    dialog_->reject();
    QCOMPARE(closer.texts(), QStringList(3, "Enter Counting Point and click \"OK\"."));
    QVERIFY(dialog_->isVisible());

    Press("5");
    Press("ok");
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(dialog_->enteredCount(), 5);
}

void HelpersTest::askReturnsTheNumberAndStartsEmpty() {
    ShowDialog();
    Press("9");
    Press("ok");
    QVERIFY(!dialog_->isVisible());

    QString entryWhenShown = "unset";
    QTimer::singleShot(20, this, [&] {
        entryWhenShown = Entry()->text();
        QCOMPARE(dialog_->enteredCount(), Tf_cpin::kNoNumber);
        QCOMPARE(dialog_->focusWidget(), Entry());
        for (const char* key : {"1", "2", "-", "ok"}) Press(key);
    });
    QCOMPARE(dialog_->Ask(), -12);
    QCOMPARE(entryWhenShown, "");
}

// Quitting ends the application's event loops for good, so this runs last.
void HelpersTest::quittingReleasesWaitsAndDialogs() {
    TestWorld world;
    world.Start();
    QTimer::singleShot(50, this, [&] { QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodbye")); });

    QElapsedTimer clock;
    clock.start();
    const int count = world.frame().CountDialog().Ask();  // the student quits while it is up
    QCOMPARE(count, Tf_cpin::kNoNumber);
    QVERIFY(!world.frame().CountDialog().isVisible());
    QCOMPARE(world.session.appState, AppState::Quitting);

    Delay(5000);
    QCOMPARE(ShowMessageBox("Shown after quitting?"), kMessageCancel);
    QVERIFY(clock.elapsed() < 2000);
    QVERIFY(world.boxes.texts().isEmpty());

    TestWorld closed;
    closed.Start();
    QVERIFY(closed.frame().close());
    QCOMPARE(closed.session.appState, AppState::Quitting);
    QVERIFY(closed.ReadSettings().isEmpty());  // nothing saved
}

QTEST_MAIN(HelpersTest)
#include "tst_helpers.moc"
