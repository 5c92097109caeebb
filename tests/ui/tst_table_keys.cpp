// The table played from the keyboard: each key works its button or chip under the same guards,
// its tooltip names it, and keys pressed while the table waits are dropped.
#include <QApplication>
#include <QKeyEvent>
#include <QtTest>

#include "ui/practical.h"
#include "ui/table_driver.h"

using namespace vantrel::test;

class TableKeysTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world_;
    std::unique_ptr<TableDriver> driver_;

    // Through the window, as the keyboard gives them; capitals with Shift.
    void Type(const QString& keys) {
        for (const QChar key : keys)
            QTest::keyClick(world_->frame().windowHandle(), key.toLatin1(),
                            key.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
    }
    // "bet $5, chips $9995, cards 2", then the texts of the boxes shown.
    QString Outcome() const {
        const vantrel::TableState& state = driver_->table().state();
        return (QStringList{QString("bet %1, chips %2, cards %3")
                                .arg(TextOf(&driver_->screen(), "l_bet"),
                                     TextOf(&driver_->screen(), "l_chip"))
                                .arg(state.handCards[1])} +
                world_->boxes.texts())
            .join(", ");
    }

  private slots:
    void init() {
        world_ = std::make_unique<TestWorld>();
        TableDriver::WriteTableData(*world_);
        world_->StartAt("N1");
        driver_ = std::make_unique<TableDriver>(*world_);
        EnterTable(*world_, "bbtn_l3");                 // $10000, at most $100 a hand
        world_->boxes.AnswerNext(QMessageBox::Cancel);  // the Menu question: stay
    }
    void cleanup() {
        driver_.reset();
        world_.reset();
    }
    void keysWorkTheirControls_data();
    void keysWorkTheirControls();
    void keysDuringAWaitAreDropped();
};

void TableKeysTest::keysWorkTheirControls_data() {
    QTest::addColumn<QString>("table");  // "betting", "11 v 17", "8s v 17", "$129"
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("repeats");      // auto-repeats of the last key, as when it is held
    QTest::addColumn<QString>("control");  // the first key's, whose tooltip names it
    QTest::addColumn<QString>("outcome");
    const auto row = [](const char* name, const char* table, const char* keys, int repeats,
                        const char* control, const char* outcome) {
        QTest::newRow(name) << QString(table) << QString(keys) << repeats << QString(control)
                            << QString(outcome);
    };
    row("1 bets $5", "betting", "1", 0, "img_chip005", "bet $5, chips $9995, cards 0");
    row("2 bets $25", "betting", "2", 0, "l_bet025", "bet $25, chips $9975, cards 0");
    row("3 bets $100", "betting", "3", 0, "img_chip100", "bet $100, chips $9900, cards 0");
    row("H hits", "11 v 17", "H", 0, "bbtn_hit", "bet $5, chips $9995, cards 3");
    row("s stands, loses", "11 v 17", "s", 0, "bbtn_stand", "bet , chips $9995, cards 0");
    row("D doubles, wins", "11 v 17", "D", 0, "bbtn_double", "bet , chips $10010, cards 0");
    row("p splits", "8s v 17", "p", 0, "bbtn_split", "bet $10, chips $9990, cards 2");
    row("m asks, keys work after", "11 v 17", "mh", 0, "bbtn_menu",
        "bet $5, chips $9995, cards 3, You want to go back to Menu?");
    row("a held h hits once", "11 v 17", "h", 3, "bbtn_hit", "bet $5, chips $9995, cards 3");
    row("no action before the deal", "betting", "hsdp", 0, "bbtn_hit",
        "bet , chips $10000, cards 0");
    row("no chip in a round", "11 v 17", "123", 0, "img_chip005", "bet $5, chips $9995, cards 2");
    row("no hidden chip", "$129", "3", 0, "img_chip100", "bet , chips $129, cards 0");
}

void TableKeysTest::keysWorkTheirControls() {
    QFETCH(QString, table);
    QFETCH(QString, keys);
    QFETCH(int, repeats);
    QFETCH(QString, control);
    QFETCH(QString, outcome);
    if (table == "$129") {
        world_->session.lesson.chips = 129;
        driver_->table().ShowChips();
    } else if (table != "betting") {
        driver_->StackDeal("S08", table.startsWith("8s") ? "H08" : "H03", "D10", "C07", {"D09"});
        QVERIFY(driver_->BetAndDeal({5}));
    }
    Type(keys);
    const auto held = static_cast<Qt::Key>(keys.back().toUpper().unicode());  // 'H' is Key_H
    for (int repeat = 0; repeat < repeats; ++repeat) {
        QKeyEvent press(QEvent::KeyPress, held, Qt::NoModifier, keys.back(), true);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
    QCOMPARE(Outcome(), outcome);
    const QString tip = driver_->screen().findChild<QWidget*>(control)->toolTip();
    QVERIFY2(tip.endsWith(QString("(%1)").arg(keys.front().toUpper())), qPrintable(tip));
}

void TableKeysTest::keysDuringAWaitAreDropped() {
    driver_->StackDeal("S08", "H03", "D10", "C07");
    QVERIFY(driver_->BetAndDeal({5}));
    // Menu and a chip, pressed in the pause after settlement while the result is up.
    QTimer probe;
    bool pressed = false;
    connect(&probe, &QTimer::timeout, this, [&] {
        if (pressed || !driver_->screen().findChild<QWidget*>("l_p1rslt")->isVisible()) return;
        pressed = true;
        Type("m1");
    });
    probe.start(1);
    Type("s");
    QVERIFY(pressed);
    QTest::qWait(50);  // nothing comes out of them later either
    QCOMPARE(Outcome(), "bet , chips $9995, cards 0");
}

QTEST_MAIN(TableKeysTest)
#include "tst_table_keys.moc"
