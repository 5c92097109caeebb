// The count-point dialog: its keypad, what counts as a number, and that it cannot be left
// without one.
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/cpin.h"
#include "ui/modal_closer.h"

using namespace vantrel;
using vantrel::test::ModalCloser;

class CpinTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup() { frame_.reset(); }
    void keypadEditsTheEntry_data();
    void keypadEditsTheEntry();
    void okTakesOnlyANumber_data();
    void okTakesOnlyANumber();
    void closingWithoutANumberIsRefused();
    void askReturnsTheNumberAndStartsEmpty();

  private:
    void Press(const QString& key);
    QLineEdit* Entry() const { return dialog_->findChild<QLineEdit*>("e_cp"); }

    std::unique_ptr<QWidget> frame_;  // of the program's size, under the dialog
    Tf_cpin* dialog_ = nullptr;
};

void CpinTest::init() {
    frame_ = std::make_unique<QWidget>();
    frame_->resize(632, 453);
    frame_->show();
    dialog_ = new Tf_cpin(frame_.get());
    dialog_->show();
}

void CpinTest::Press(const QString& key) {
    const QString name = key == "-" ? "bbtn_minus" : "bbtn_" + key.toLower();
    auto* button = dialog_->findChild<QPushButton*>(name);
    QVERIFY2(button, qPrintable(name));
    button->click();
}

void CpinTest::keypadEditsTheEntry_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("entry");
    QTest::newRow("digits append") << QStringList{"1", "2", "0"} << "120";
    QTest::newRow("minus after the digits") << QStringList{"3", "-"} << "-3";
    QTest::newRow("minus twice") << QStringList{"3", "-", "-"} << "3";
    QTest::newRow("minus first") << QStringList{"-", "4", "5"} << "-45";
    QTest::newRow("backspace") << QStringList{"7", "8", "bs"} << "7";
    QTest::newRow("backspace takes the minus") << QStringList{"-", "bs", "bs"} << "";
}

void CpinTest::keypadEditsTheEntry() {
    QFETCH(QStringList, keys);
    QFETCH(QString, entry);
    for (const QString& key : keys) Press(key);
    QCOMPARE(Entry()->text(), entry);
}

void CpinTest::okTakesOnlyANumber_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("count");  // kNoNumber: refused
    const auto row = [](const char* name, const QString& typed, int count) {
        QTest::newRow(name) << typed << count;
    };
    row("positive", "7", 7);
    row("negative", "-3", -3);
    row("plus sign", "+4", 4);
    row("blanks around", "  12 ", 12);
    row("leading zeros", "-007", -7);
    row("largest", "2147483647", 2147483647);
    row("smallest", "-2147483648", int(-2147483648LL));
    row("next to the marker", "-9998", -9998);
    const int refused = Tf_cpin::kNoNumber;
    row("empty", "", refused);
    row("minus alone", "-", refused);
    row("digits and letters", "1a", refused);
    row("two signs", "--1", refused);
    row("inner blank", "1 2", refused);
    row("decimal point", "1.5", refused);
    row("the marker itself", "-9999", refused);
    row("above 32 bits", "2147483648", refused);
    row("below 32 bits", "-2147483649", refused);
    row("non-ASCII digits", "\u0663", refused);
}

void CpinTest::okTakesOnlyANumber() {
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

void CpinTest::closingWithoutANumberIsRefused() {
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

void CpinTest::askReturnsTheNumberAndStartsEmpty() {
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

QTEST_MAIN(CpinTest)
#include "tst_cpin.moc"
