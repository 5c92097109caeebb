// Every lesson with a table played from its menu button to its end: the lecture's "Start", the
// table with the lesson's chips, maximum and quota, and the closing page or the no-chips box.
#include <QLabel>
#include <QtTest>

#include "ui/app_fixture.h"
#include "ui/lecture.h"
#include "ui/main.h"
#include "ui/menu.h"
#include "ui/practical.h"
#include "ui/promenu.h"
#include "ui/table_driver.h"

using namespace vantrel;
using vantrel::test::Click;
using vantrel::test::TableDriver;
using vantrel::test::TestWorld;
using vantrel::test::TextOf;

class LessonsTest : public QObject {
    Q_OBJECT
  private slots:
    void rulesPracticeNeedsTenWins();
    void strategyPracticeNeedsAHundredRightDecisions();
    void generalExamOpensTheProfessionalCourse();
    void examEndsWhenTheChipsRunOut();
    void countingPracticeNeedsTenRightCounts();
    void professionalExamNeedsTwoThousandDollars();
    void playRoomNeverEndsByQuota();
};

namespace {

// Starts at a level, takes the menu it leads to and presses a lesson button; a lesson with a
// lecture is then started from its first page.
void OpenLesson(TestWorld& world, const QByteArray& level, const char* button) {
    TableDriver::WriteTableData(world);
    world.WriteSettings("[GAME]\nLV=" + level + "\n");
    world.Start();
    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
    QWidget* menu = level == "N1" ? static_cast<QWidget*>(world.screen<Tf_menu>())
                                  : static_cast<QWidget*>(world.screen<Tf_promenu>());
    QVERIFY(Click(menu, button));
    if (world.CurrentScreenName() == "Tf_lecture") {
        QCOMPARE(TextOf(world.screen<Tf_lecture>(), "bbtn_menu"), QString("Start"));
        QVERIFY(Click(world.screen<Tf_lecture>(), "bbtn_menu"));
    }
    QCOMPARE(world.CurrentScreenName(), QString("Tf_practical"));
}

QString Quota(const TableDriver& driver) {
    return TextOf(&driver.screen(), "l_norm");
}

// Loses hands of the largest stake the chips on offer allow, until no chip is offered.
void LoseEverything(TableDriver& driver) {
    while (driver.table().lesson().chips >= 5) {
        std::vector<int> bet;
        int chips = driver.table().lesson().chips;
        int staked = 0;
        // The $25 chip needs $30 beside it and the $100 chip $130, as the table offers them.
        for (int chip : {100, 25, 5})
            while (staked + chip <= 200 && chips >= (chip == 5 ? 5 : chip == 25 ? 30 : 130)) {
                bet.push_back(chip);
                staked += chip;
                chips -= chip;
            }
        driver.StackDeal("S10", "H07", "D10", "C08");
        QVERIFY(driver.BetAndDeal(bet));
        QVERIFY(driver.Press("bbtn_stand"));
    }
}

// The closing page is up; "Finish" goes back to a menu.
void FinishAt(TestWorld& world, const QString& menu) {
    QCOMPARE(world.CurrentScreenName(), QString("Tf_lecture"));
    QCOMPARE(TextOf(world.screen<Tf_lecture>(), "bbtn_menu"), QString("Finish"));
    QVERIFY(Click(world.screen<Tf_lecture>(), "bbtn_menu"));
    QCOMPARE(world.CurrentScreenName(), menu);
}

}  // namespace

void LessonsTest::rulesPracticeNeedsTenWins() {
    TestWorld world;
    OpenLesson(world, "N1", "bbtn_l3");
    TableDriver driver(world);
    QCOMPARE(TextOf(&driver.screen(), "l_chip"), QString("$10000"));
    QCOMPARE(TextOf(&driver.screen(), "l_maxbet"), QString("$100"));
    QCOMPARE(Quota(driver), QString("10 wins to go"));
    // A push counts nothing; each winning hand of a split counts one.
    driver.StackDeal("S10", "H08", "D10", "C08");
    QVERIFY(driver.BetAndDeal({5}));
    QVERIFY(driver.Press("bbtn_stand"));
    QCOMPARE(Quota(driver), QString("10 wins to go"));
    driver.StackDeal("S08", "H08", "D10", "C07", {"D10", "C11"});
    QVERIFY(driver.BetAndDeal({5}));
    QVERIFY(driver.Press("bbtn_split"));
    QVERIFY(driver.Press("bbtn_stand"));
    QVERIFY(driver.Press("bbtn_stand"));
    QCOMPARE(Quota(driver), QString("8 wins to go"));
    for (int win = 0; win < 8; ++win) {
        QCOMPARE(world.CurrentScreenName(), QString("Tf_practical"));
        driver.StackDeal("S01", "H13", "D10", "C07");  // blackjack
        QVERIFY(driver.BetAndDeal({5}));
        QVERIFY(driver.WaitUntilSettled());
    }
    FinishAt(world, "Tf_menu");
    QVERIFY(world.boxes.texts().isEmpty());
}

void LessonsTest::strategyPracticeNeedsAHundredRightDecisions() {
    TestWorld world;
    OpenLesson(world, "N1", "bbtn_l5");
    TableDriver driver(world);
    QCOMPARE(Quota(driver), QString("100 times to go"));
    // One wrong decision first: hitting a hard 17 against a 7.
    driver.StackDeal("S10", "H07", "D10", "C07", {"D04"});
    QVERIFY(driver.BetAndDeal({5}));
    QVERIFY(driver.Press("bbtn_hit"));
    QCOMPARE(Quota(driver), QString("101 times to go"));
    // Ace and two against a 7: hit soft 13 to soft 17 with aces, stand on soft 18: six right
    // decisions a round.
    int decisions = 0;
    while (world.CurrentScreenName() == "Tf_practical" && decisions < 120) {
        driver.StackDeal("S01", "H02", "D10", "C07", {"D01", "C01", "H01", "S01", "D01"});
        QVERIFY(driver.BetAndDeal({5}));
        for (int hit = 0; hit < 5; ++hit) QVERIFY(driver.Press("bbtn_hit"));
        QVERIFY(driver.Press("bbtn_stand"));
        decisions += 6;
    }
    QCOMPARE(decisions, 102);  // 101 to go: passed in the round that took it below 1
    FinishAt(world, "Tf_menu");
}

void LessonsTest::generalExamOpensTheProfessionalCourse() {
    TestWorld world;
    OpenLesson(world, "N1", "bbtn_l6");
    TableDriver driver(world);
    QCOMPARE(TextOf(&driver.screen(), "l_chip"), QString("$1000"));
    QCOMPARE(TextOf(&driver.screen(), "l_maxbet"), QString("$200"));
    QCOMPARE(Quota(driver), QString("$1000 to go"));
    for (int round = 0; round < 4; ++round) {  // blackjacks of $200 win $300 each
        driver.StackDeal("S01", "H13", "D10", "C07");
        QVERIFY(driver.BetAndDeal({100, 100}));
        QVERIFY(driver.WaitUntilSettled());
    }
    QCOMPARE(Quota(driver), QString("$-200 to go"));
    FinishAt(world, "Tf_promenu");
    QVERIFY(world.ReadSettings().contains("LV=PL1\n"));
    QVERIFY(world.screen<Tf_menu>()
                ->findChild<QWidget*>("bbtn_pro")
                ->isVisibleTo(world.screen<Tf_menu>()));
}

void LessonsTest::examEndsWhenTheChipsRunOut() {
    TestWorld world;
    OpenLesson(world, "N1", "bbtn_l6");
    TableDriver driver(world);
    LoseEverything(driver);
    QCOMPARE(world.boxes.texts(),
             QStringList{"You have no chips. You can't play any more without chips even in "
                         "lessons. Start again!"});
    QCOMPARE(world.CurrentScreenName(), QString("Tf_menu"));
    QVERIFY(world.ReadSettings().contains("LV=N1\n"));
}

void LessonsTest::countingPracticeNeedsTenRightCounts() {
    TestWorld world;
    OpenLesson(world, "PL1", "bbtn_l2");
    TableDriver driver(world);
    QCOMPARE(Quota(driver), QString("10 times to go"));
    driver.AnswerCountQuestions();
    for (int round = 0; round < 10; ++round) {
        QCOMPARE(world.CurrentScreenName(), QString("Tf_practical"));
        driver.table().shoe().roundsSinceShuffle = 9;  // every round is a tenth round
        driver.StackDeal("S05", "H06", "D13", "C06", {"H01"});
        QVERIFY(driver.BetAndDeal({5}));
        QVERIFY(driver.Press("bbtn_stand"));
    }
    FinishAt(world, "Tf_promenu");
}

void LessonsTest::professionalExamNeedsTwoThousandDollars() {
    TestWorld world;
    OpenLesson(world, "PL1", "bbtn_l3");
    TableDriver driver(world);
    QCOMPARE(Quota(driver), QString("$2000 to go"));
    for (int round = 0; round < 7; ++round) {
        driver.StackDeal("S01", "H13", "D10", "C07");
        QVERIFY(driver.BetAndDeal({100, 100}));
        QVERIFY(driver.WaitUntilSettled());
    }
    FinishAt(world, "Tf_promenu");
    QVERIFY(world.ReadSettings().contains("LV=PL1\n"));
}

void LessonsTest::playRoomNeverEndsByQuota() {
    TestWorld world;
    OpenLesson(world, "PL1", "bbtn_l6");
    TableDriver driver(world);
    QCOMPARE(Quota(driver), QString("ALL-NIGHT"));
    QCOMPARE(TextOf(&driver.screen(), "l_maxbet"), QString("$200"));
    driver.StackDeal("S01", "H13", "D10", "C07");
    QVERIFY(driver.BetAndDeal({100, 100}));
    QVERIFY(driver.WaitUntilSettled());
    QCOMPARE(Quota(driver), QString("ALL-NIGHT"));
    QCOMPARE(world.CurrentScreenName(), QString("Tf_practical"));
    LoseEverything(driver);
    QCOMPARE(world.boxes.texts(), QStringList{"You have no chips. Start again!"});
    QCOMPARE(world.CurrentScreenName(), QString("Tf_promenu"));
}

QTEST_MAIN(LessonsTest)
#include "tst_lessons.moc"
