// A known mistake in the strategy practice, its row on the Record screen and the chart page it
// opens; and a record that cannot be kept.
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QtTest>
#include <chrono>

#include "coach/lessons.h"
#include "coach/strategy_table.h"
#include "record/record_store.h"
#include "recorder/recorder.h"
#include "strategy/hand_ev.h"
#include "support/unprivileged_user.h"
#include "ui/app_fixture.h"
#include "ui/practical.h"
#include "ui/recording.h"
#include "ui/screen.h"
#include "ui/table_driver.h"

using namespace vantrel;
using vantrel::test::Click;
using vantrel::test::TableDriver;
using vantrel::test::TestWorld;
using vantrel::test::TextOf;

class RecordTest : public QObject {
    Q_OBJECT
  private slots:
    void aMistakeLeadsToItsChartAndBack();
    void aRecordThatCannotBeKeptIsToldOnceAndTheTableGoesOn();
    void theMasterLessonsAndTheirDeviationsAreListed();

  private:
    // Plays one round of the strategy practice: stand on S10 H06 against the dealer's 10.
    static void StandOnHard16AgainstATen(TableDriver& driver);
};

void RecordTest::StandOnHard16AgainstATen(TableDriver& driver) {
    driver.StackDeal("S10", "H06", "D10", "C10");
    QVERIFY(driver.BetAndDeal({5}));
    QVERIFY(driver.Press("bbtn_stand"));
    QVERIFY(driver.WaitUntilSettled());
}

void RecordTest::aMistakeLeadsToItsChartAndBack() {
    TestWorld world;
    TableDriver::WriteTableData(world);
    const int hardTotals = BasicStrategyChartPage(ChartPart::Hard);
    for (int page = 1; page <= hardTotals + 1; ++page)
        world.WritePage(QString("NL4%1").arg(page, 2, 10, QChar('0')));
    StartRecording(world.session);
    world.StartAt("N1");

    // Nothing played yet: one sentence says what will appear.
    QVERIFY(Click(world.frame().CurrentScreen(), "bbtn_record"));
    QWidget* record = world.frame().CurrentScreen();
    QCOMPARE(record->objectName(), "Tf_record");
    QVERIFY(TextOf(record, "l_empty").startsWith("Nothing is recorded yet."));
    auto* mistakes = record->findChild<QListWidget*>("lst_mistakes");
    QVERIFY(!mistakes->isVisible());
    QVERIFY(Click(record, "bbtn_menu"));

    TableDriver driver(world);
    vantrel::test::EnterTable(world, "bbtn_l5");
    StandOnHard16AgainstATen(driver);
    QVERIFY(driver.Press("bbtn_menu"));  // answered OK
    QCOMPARE(world.CurrentScreenName(), "Tf_menu");

    // The mistake costs what hitting would have been worth beyond standing, on the $5 bet.
    strategy::HandEv ev;
    const auto values = ev.Values(std::vector{Card{1, 10}, Card{4, 6}}, 10, 6);
    QVERIFY(values && values->hit > values->stand);
    const double each = values->hit - values->stand;
    QVERIFY(Click(world.frame().CurrentScreen(), "bbtn_record"));
    QVERIFY(!record->findChild<QLabel*>("l_empty")->isVisible());
    // Nine lessons fit their list without scrolling, under a heading that stays.
    const auto* lessons = record->findChild<QListWidget*>("lst_lessons");
    QVERIFY(lessons->height() >= 9 * lessons->sizeHintForRow(0) + 2 * lessons->frameWidth());
    QVERIFY(TextOf(record, "l_lessons").startsWith("Lesson"));
    QVERIFY(lessons->item(1)->text().startsWith("Practice 2 (Strategy)"));
    QCOMPARE(mistakes->count(), 1);
    QCOMPARE(
        mistakes->item(0)->text(),
        QString("Hard 16 vs 10: you STAND, right HIT, 1 time, %1 % of the bet each, $%2 in all")
            .arg(100 * each, 0, 'f', 1)
            .arg(5 * each, 0, 'f', 2));

    // Choosing it opens the hard totals of "Basic Strategy"; that lecture comes back here, and
    // the Record screen still returns to the menu it came from.
    const QRect row = mistakes->visualItemRect(mistakes->item(0));
    QTest::mouseClick(mistakes->viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(world.CurrentScreenName(), "Tf_lecture");
    const QWidget* lecture = world.frame().CurrentScreen();
    QCOMPARE(TextOf(lecture, "l_lecture"), "Basic Strategy");
    QCOMPARE(TextOf(lecture, "l_no"), QString::number(hardTotals));
    QCOMPARE(vantrel::test::MemoText(lecture, "m_lecture").trimmed(),
             QString("Text of NL4%1").arg(hardTotals, 2, 10, QChar('0')));
    QVERIFY(Click(lecture, "bbtn_menu"));
    QCOMPARE(world.CurrentScreenName(), "Tf_record");
    QVERIFY(Click(record, "bbtn_menu"));
    QCOMPARE(world.CurrentScreenName(), "Tf_menu");
}

// The Master Course's lessons follow the two courses' in the lessons list, which scrolls to them;
// a missed index play and a wrong insurance choice read with the true count they were made at.
void RecordTest::theMasterLessonsAndTheirDeviationsAreListed() {
    TestWorld world;
    TableDriver::WriteTableData(world);
    {
        record::RecordStore store;
        QVERIFY(store.Open(world.session.installation.progress.record));
        record::DecisionEntry hit{.hand = 1,
                                  .cards = {Card{1, 10}, Card{2, 6}},
                                  .upCard = Card{3, 13},
                                  .cell = {ChartPart::Hard, 16, 10},
                                  .action = Action::Hit,
                                  .advice = kChartStand,
                                  .right = false,
                                  .evTaken = -0.50,
                                  .evBest = -0.50,
                                  .evAdvice = -0.54,
                                  .stake = 10,
                                  .trueCount = 2,
                                  .deviation = true};
        record::RoundEntry round{.upCard = Card{3, 13},
                                 .dealerLabel = "20",
                                 .hands = {{10, "16", "Lose", 0}},
                                 .decisions = {hit}};
        store.BeginVisit({"NL5", LessonMode::DecisionQuota, 10000, 100, 6});
        store.AddRound(round);
        store.EndVisit({record::VisitEnding::Menu, 9990, 100});
        store.BeginVisit({"ML5", LessonMode::IndexQuota, 10000, 100, 6});
        store.AddRound(round);
        store.AddInsuranceChoice({{Card{1, 10}, Card{2, 6}}, 1, true, false, 10});
        store.EndVisit({record::VisitEnding::Menu, 9990, 100});
    }
    world.StartAt("N1");
    QVERIFY(Click(world.frame().CurrentScreen(), "bbtn_record"));
    QWidget* record = world.frame().CurrentScreen();
    auto* lessons = record->findChild<QListWidget*>("lst_lessons");
    QCOMPARE(lessons->count(), 10);
    QVERIFY(lessons->item(1)->text().startsWith("Practice 2 (Strategy)"));
    QVERIFY(lessons->item(8)->text().startsWith("Practice (Index Plays)"));
    QVERIFY(lessons->item(9)->text().startsWith("Master Exam"));
    lessons->scrollToBottom();
    const auto* mistakes = record->findChild<QListWidget*>("lst_mistakes");
    QCOMPARE(mistakes->count(), 2);
    QVERIFY(mistakes->item(0)->text().startsWith(
        "Hard 16 vs 10 at true +2: you HIT, right STAND, 2 times, "));
    QCOMPARE(mistakes->item(1)->text(), "Insurance vs A at true +1: you TOOK, right NO, 1 time");
    if (const QString folder = qEnvironmentVariable("VANTREL_SHOTS"); !folder.isEmpty())
        record->window()->grab().save(folder + "/master-record-deviation.png");
}

void RecordTest::aRecordThatCannotBeKeptIsToldOnceAndTheTableGoesOn() {
    TestWorld world;
    TableDriver::WriteTableData(world);
    const std::string folder = QFileInfo(world.settingsPath()).path().toStdString();
    // The folder of the settings file cannot be written by the student.
    using vantrel::testing::AsUnprivilegedUser;
    QCOMPARE(chown(folder.c_str(), AsUnprivilegedUser::User(), AsUnprivilegedUser::Group()), 0);
    QCOMPARE(chmod(folder.c_str(), 0555), 0);
    {
        const AsUnprivilegedUser student;
        StartRecording(world.session);
        QVERIFY(world.session.recorder->WaitUntilWritten(std::chrono::seconds(10)));
    }
    world.StartAt("N1");
    TableDriver driver(world);
    for (int visit = 0; visit < 2; ++visit) {
        vantrel::test::EnterTable(world, "bbtn_l5");
        StandOnHard16AgainstATen(driver);
        QCOMPARE(TextOf(&driver.screen(), "l_norm"), "101 times to go");
        QVERIFY(driver.Press("bbtn_menu"));
    }
    QVERIFY(Click(world.frame().CurrentScreen(), "bbtn_record"));

    const QString recordPath = QString::fromStdString(world.session.installation.progress.record);
    QStringList told;
    for (const QString& text : world.boxes.texts())
        if (text.contains("record")) told.append(text);
    QCOMPARE(told.size(), 1);
    QVERIFY2(told.first().contains(recordPath), qPrintable(told.first()));
    QVERIFY(!QFileInfo::exists(recordPath));
    chmod(folder.c_str(), 0700);
}

QTEST_MAIN(RecordTest)
#include "tst_record.moc"
