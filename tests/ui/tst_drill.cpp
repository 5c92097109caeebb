// The drills as the student uses them from the Record screen: a strategy session of 20 cards
// answered by keys alone, and a count-down played to its end, then left by the keypad's "Back".
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <chrono>

#include "record/drill_queries.h"
#include "recorder/recorder.h"
#include "strategy/index_drill.h"
#include "strategy/master_text.h"
#include "support/sample_master_figures.h"
#include "ui/countdown.h"
#include "ui/cpin.h"
#include "ui/drill.h"
#include "ui/recording.h"
#include "ui/table_driver.h"

using namespace vantrel;
using namespace vantrel::test;

class DrillTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world_;

    QWidget* Screen() const { return world_->frame().CurrentScreen(); }
    void Key(int key) { QTest::keyClick(world_->frame().windowHandle(), key); }
    record::RecordReader Record() const {
        world_->session.recorder->WaitUntilWritten(std::chrono::seconds(5));
        return record::RecordReader(world_->session.installation.progress.record);
    }
    // The next time the keypad opens, `answer` works it.
    void OnKeypad(std::function<void(Tf_cpin&)> answer) {
        auto* poll = new QTimer(Screen());
        connect(poll, &QTimer::timeout, [poll, answer] {
            auto* keypad = qobject_cast<Tf_cpin*>(QApplication::activeModalWidget());
            if (!keypad) return;
            poll->deleteLater();
            answer(*keypad);
        });
        poll->start(5);
    }

  private slots:
    void init() {
        world_ = std::make_unique<TestWorld>();
        TableDriver::WriteTableData(*world_);
        StartRecording(world_->session);
        world_->StartAt("N1");
        QVERIFY(Click(Screen(), "bbtn_record"));
    }
    void cleanup() { world_.reset(); }
    void strategySessionByKeys();
    void countDownToTheEndAndBack();
    void indexModeJudgesByTheTrueCountShown();
};

// The index mode asks the index plays' hands at a true count; the right play is the index play
// where that count makes it apply, the chart's play where not. Its answers keep a schedule of
// their own, apart from the chart cells'.
void DrillTest::indexModeJudgesByTheTrueCountShown() {
    QVERIFY(Click(Screen(), "bbtn_drill"));
    QWidget* drill = Screen();
    auto* index = drill->findChild<QPushButton*>("bbtn_index");
    QVERIFY(!index->isEnabled());  // no figures yet
    QVERIFY(Click(drill, "bbtn_back"));
    const auto figures =
        std::make_shared<strategy::MasterFigures>(testing_support::SampleMasterFigures());
    world_->session.masterFigures = figures;
    QVERIFY(Click(Screen(), "bbtn_drill"));
    QTRY_VERIFY(index->isEnabled());
    QTRY_VERIFY(drill->findChild<QPushButton*>("bbtn_stand")->isEnabled());
    index->click();
    QCOMPARE(TextOf(drill, "l_title"), "Index Drill");
    const QRegularExpression shown(R"(^TRUE ([+-]?\d+)$)");
    const char* buttons[] = {"", "bbtn_hit", "bbtn_stand", "bbtn_double", "bbtn_split"};
    bool sawApplied = false, sawNotApplied = false;
    for (int card = 1; card <= 20; ++card) {
        QTRY_VERIFY(drill->findChild<QPushButton*>("bbtn_stand")->isEnabled());
        const QRegularExpressionMatch count = shown.match(TextOf(drill, "l_truecount"));
        QVERIFY2(count.hasMatch(), qPrintable(TextOf(drill, "l_truecount")));
        const int trueCount = count.captured(1).toInt();
        const auto* tf = qobject_cast<Tf_drill*>(drill);
        QVERIFY(tf);
        const strategy::IndexNumber& play = *tf->AskedIndexPlay();
        (play.Applies(trueCount) ? sawApplied : sawNotApplied) = true;
        const char right = strategy::IndexDrillAnswer(play, trueCount);
        const char wrong = right == play.play ? play.basic : play.play;
        const bool answerRight = card % 2 == 1;
        const char answer = answerRight ? right : wrong;
        const int button = answer == 'H' ? 1 : answer == 'S' ? 2 : answer == 'D' ? 3 : 4;
        QVERIFY(Click(drill, buttons[button]));
        const QString verdict = TextOf(drill, "l_pmsg");
        if (answerRight)
            QCOMPARE(verdict, "OK!");
        else
            QVERIFY2(verdict.startsWith("Incorrect!(") &&
                         verdict.endsWith(
                             QString(": true %1)")
                                 .arg(QString::fromStdString(strategy::SignedCount(play.index)))),
                     qPrintable(verdict));
        QTRY_VERIFY(!TextOf(drill, "l_next").isEmpty());
        Key(Qt::Key_Space);
    }
    QVERIFY(sawApplied && sawNotApplied);
    QCOMPARE(TextOf(drill, "l_pmsg").left(14), "10 of 20 right");
    QCOMPARE(record::StrategyDrillSummary(Record()).answers, 0);
    // The index plays' schedule is in the record: the next index session is the second, and
    // every cell asked waits for it or a later one.
    const record::IndexDrillState state = record::LoadIndexDrillState(Record());
    QCOMPARE(state.session, 2);
    QVERIFY(!state.cells.empty());
    for (const CellProgress& cell : state.cells) QVERIFY(cell.box > 0 && cell.dueSession >= 2);
}

void DrillTest::strategySessionByKeys() {
    // Two sessions left by "Back" before their first answer do not move the schedule.
    for (int left = 0; left < 2; ++left) {
        QVERIFY(Click(Screen(), "bbtn_drill"));
        QTRY_VERIFY(Screen()->findChild<QPushButton*>("bbtn_stand")->isEnabled());
        QVERIFY(Click(Screen(), "bbtn_back"));
    }
    QCOMPARE(record::LoadDrillState(Record()).session, 1);

    QVERIFY(Click(Screen(), "bbtn_drill"));
    QWidget* drill = Screen();
    QCOMPARE(drill->objectName(), "Tf_drill");
    const QRegularExpression verdict(R"(^(OK!|Incorrect!\((HIT|STAND|DOUBLE|SPLIT)\))$)");
    for (int card = 1; card <= 20; ++card) {
        QTRY_VERIFY(drill->findChild<QPushButton*>("bbtn_stand")->isEnabled());
        QCOMPARE(TextOf(drill, "l_card"), QString("CARD %1/20").arg(card));
        // The verdict stands a moment; a key pressed meanwhile is dropped, not kept for the next
        // card.
        QTimer::singleShot(50, this, [this] { Key(Qt::Key_H); });
        Key(Qt::Key_S);
        QVERIFY2(verdict.match(TextOf(drill, "l_pmsg")).hasMatch(),
                 qPrintable(TextOf(drill, "l_pmsg")));
        QCOMPARE(TextOf(drill, "l_card"), QString("CARD %1/20").arg(card));
        QTRY_VERIFY(!TextOf(drill, "l_next").isEmpty());
        QTRY_VERIFY(!TextOf(drill, "l_evstand").contains(QChar(0x2026)));
        Key(Qt::Key_Space);
    }
    const QRegularExpression score(R"(^(\d+) of 20 right in \d+ s$)");
    const QRegularExpressionMatch match = score.match(TextOf(drill, "l_pmsg"));
    QVERIFY2(match.hasMatch(), qPrintable(TextOf(drill, "l_pmsg")));

    const record::DrillSummary kept = record::StrategyDrillSummary(Record());
    QCOMPARE(kept.sessions, 1);
    QCOMPARE(kept.answers, 20);
    QCOMPARE(kept.right, match.captured(1).toInt());
    QCOMPARE(record::LoadDrillState(Record()).session, 2);
    QVERIFY(Click(drill, "bbtn_back"));
    QCOMPARE(Screen()->objectName(), "Tf_record");
    // Drills alone are a record: the screen shows it, not the sentence for an empty one.
    QVERIFY(!Screen()->findChild<QLabel*>("l_empty")->isVisible());
    QVERIFY(TextOf(Screen(), "l_drills").startsWith(QString("Drill: %1/20 right").arg(kept.right)));
}

void DrillTest::countDownToTheEndAndBack() {
    QVERIFY(Click(Screen(), "bbtn_countdown"));
    auto* countdown = qobject_cast<Tf_countdown*>(Screen());
    QVERIFY(countdown);
    // At a set pace keys do not deal; "Back" leaves and keeps nothing.
    QVERIFY(Click(countdown, "bbtn_pace10"));
    QVERIFY(Click(countdown, "bbtn_start"));
    for (int i = 0; i < 5; ++i) Key(Qt::Key_N);
    QCOMPARE(TextOf(countdown, "l_dealt"), "1/52");
    QVERIFY(Click(countdown, "bbtn_back"));
    QVERIFY(Click(Screen(), "bbtn_countdown"));

    // Half a deck at the student's pace, counted right.
    QVERIFY(Click(countdown, "bbtn_halfdeck"));
    QVERIFY(Click(countdown, "bbtn_mypace"));
    QVERIFY(Click(countdown, "bbtn_start"));
    for (int card = 2; card <= 26; ++card) Key(Qt::Key_N);
    QCOMPARE(TextOf(countdown, "l_dealt"), "26/26");
    OnKeypad([countdown](Tf_cpin& keypad) {
        keypad.findChild<QLineEdit*>("e_cp")->setText(
            QString::number(countdown->shoe().runningCount));
        keypad.findChild<QPushButton*>("bbtn_ok")->click();
    });
    Key(Qt::Key_N);
    QVERIFY(
        TextOf(countdown, "l_result").startsWith("Right! The running count (Counting Point) is "));
    QVERIFY(TextOf(countdown, "l_result").contains(" for 26 cards; the target is 15 s."));

    // Another, left on the keypad: nothing of it is kept.
    QVERIFY(Click(countdown, "bbtn_start"));
    for (int card = 2; card <= 27; ++card) {
        if (card == 27)
            OnKeypad([](Tf_cpin& keypad) { keypad.findChild<QPushButton*>("bbtn_back")->click(); });
        Key(Qt::Key_N);
    }
    QCOMPARE(Screen()->objectName(), "Tf_record");
    const record::CountDownSummary kept = record::CountDowns(Record());
    QCOMPARE(kept.attempts, 1);
    QCOMPARE(kept.right, 1);
    QVERIFY(kept.bestHalfDeck.has_value());
    QVERIFY(!kept.bestDeck.has_value());
}

QTEST_MAIN(DrillTest)
#include "tst_drill.moc"
