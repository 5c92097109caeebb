// The table played with the mouse, and every table lesson from its menu button to its end.
#include <QtTest>

#include "ui/app_fixture.h"
#include "ui/menu.h"
#include "ui/practical.h"
#include "ui/table_driver.h"

using namespace vantrel;
using vantrel::test::Click;
using vantrel::test::MemoText;
using vantrel::test::TableDriver;
using vantrel::test::TestWorld;
using vantrel::test::TextOf;

class TableTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();

    void playsARoundWithTheMouse();
    void gesturesActOnTheSurfaceOnly_data();
    void gesturesActOnTheSurfaceOnly();
    void closingTheMenuQuestionDoesNotSetTheTableUpAgain();

    void rulesPracticeNeedsTenWins();
    void strategyPracticeNeedsAHundredRightDecisions();
    void examNeedsItsWinnings_data();
    void examNeedsItsWinnings();
    void runningOutOfChipsEndsTheVisit_data();
    void runningOutOfChipsEndsTheVisit();
    void countingPracticeNeedsTenRightCounts();

  private:
    // Starts at a level and opens the table of a lesson from its menu button; `expected` is what
    // the chips, maximum and quota labels show: "$10000 $100 10 wins to go".
    void Open(const QByteArray& level, const char* button, const QString& expected);
    QWidget* Widget(const char* name) const { return driver_->screen().findChild<QWidget*>(name); }
    QString Text(const char* name) const { return TextOf(&driver_->screen(), name); }
    // Loses hands of the largest stake the chips on offer allow, until no chip is offered.
    void LoseEverything();
    // The closing page is up; "Finish" goes back to a menu.
    void FinishAt(const QString& menu);
    void PlayBlackjacks(int rounds, const std::vector<int>& bet);

    std::unique_ptr<TestWorld> world_;
    std::unique_ptr<TableDriver> driver_;
};

void TableTest::cleanup() {
    driver_.reset();
    world_.reset();
}

void TableTest::Open(const QByteArray& level, const char* button, const QString& expected) {
    world_ = std::make_unique<TestWorld>();
    TableDriver::WriteTableData(*world_);
    world_->StartAt(level);
    driver_ = std::make_unique<TableDriver>(*world_);
    vantrel::test::EnterTable(*world_, button);
    QCOMPARE(Text("l_chip") + " " + Text("l_maxbet") + " " + Text("l_norm"), expected);
}

void TableTest::LoseEverything() {
    while (driver_->table().lesson().chips >= 5) {
        std::vector<int> bet;
        int chips = driver_->table().lesson().chips;
        int staked = 0;
        // The $25 chip needs $30 beside it and the $100 chip $130, as the table offers them.
        for (int chip : {100, 25, 5})
            while (staked + chip <= 200 && chips >= (chip == 5 ? 5 : chip == 25 ? 30 : 130)) {
                bet.push_back(chip);
                staked += chip;
                chips -= chip;
            }
        driver_->StackDeal("S10", "H07", "D10", "C08");
        QVERIFY(driver_->BetAndDeal(bet));
        QVERIFY(driver_->Press("bbtn_stand"));
    }
}

void TableTest::FinishAt(const QString& menu) {
    const QString code = QString::fromStdString(world_->session.lesson.lessonCode);
    QWidget* lecture = world_->frame().CurrentScreen();
    QCOMPARE(lecture->objectName(), "Tf_lecture");
    QCOMPARE(MemoText(lecture, "m_lecture"), "Text of " + code + "99");
    QCOMPARE(TextOf(lecture, "bbtn_menu"), "Finish");
    QVERIFY(Click(lecture, "bbtn_menu"));
    QCOMPARE(world_->CurrentScreenName(), menu);
}

void TableTest::PlayBlackjacks(int rounds, const std::vector<int>& bet) {
    for (int round = 0; round < rounds; ++round) {
        QCOMPARE(world_->CurrentScreenName(), "Tf_practical");
        driver_->StackDeal("S01", "H13", "D10", "C07");
        QVERIFY(driver_->BetAndDeal(bet));
        QVERIFY(driver_->WaitUntilSettled());
    }
}

void TableTest::playsARoundWithTheMouse() {
    Open("N1", "bbtn_l3", "$10000 $100 10 wins to go");
    for (const char* name : {"img_d1", "img_p1_1", "s_dmsg", "s_pmsg", "s_timeout", "l_p1rslt",
                             "l_dhand", "img_bet005"})
        QVERIFY2(!Widget(name)->isVisible(), name);
    for (const char* name : {"bbtn_hit", "bbtn_stand", "bbtn_double", "bbtn_split"})
        QVERIFY2(!Widget(name)->isEnabled(), name);
    driver_->StackDeal("S10", "H05", "D10", "C07", {"D03", "C02"});
    // A chip picture and a "BET" label both bet.
    QTest::mouseClick(Widget("l_bet025"), Qt::LeftButton);
    QCOMPARE(Text("l_bet"), "$25");
    QVERIFY(Widget("img_bet025")->isVisible());
    QVERIFY(driver_->BetAndDeal({5}));
    QCOMPARE(Text("l_bet"), "$30");
    QCOMPARE(Text("l_chip"), "$9970");
    for (const char* name : {"img_p1_1", "img_p1_2", "img_d1", "img_d2"})
        QVERIFY2(Widget(name)->isVisible(), name);
    QVERIFY(driver_->Press("bbtn_hit"));  // 18
    QVERIFY(Widget("img_p1_3")->isVisible());
    QVERIFY(driver_->Press("bbtn_stand"));  // the dealer's 17 draws nothing
    QCOMPARE(Text("l_p1rslt"), "Win");
    QCOMPARE(Text("l_chip"), "$10030");
    QCOMPARE(Text("l_norm"), "9 wins to go");
    // After the pause the table is clear for the next bet.
    QVERIFY(!Widget("img_p1_1")->isVisible());
    QVERIFY(!Widget("l_p1rslt")->isVisible());
    QCOMPARE(Text("l_bet"), QString());
}

void TableTest::gesturesActOnTheSurfaceOnly_data() {
    QTest::addColumn<QString>("how");  // a double click, or a drag and what comes in between
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");  // unused by a double click
    QTest::addColumn<int>("cardsAfter");
    QTest::addColumn<bool>("roundOver");
    QTest::addColumn<QString>("chipsAfter");
    const auto row = [](const char* name, const char* how, QPoint from, QPoint to, int cards,
                        bool over, const char* chips) {
        QTest::newRow(name) << QString(how) << from << to << cards << over << QString(chips);
    };
    // (440, 100) is bare table; (160, 200) lies on the first player card, (300, 134) on a label.
    row("drag down on the surface hits", "drag", {440, 60}, {440, 140}, 3, false, "$9995");
    row("drag right on the surface stands", "drag", {300, 100}, {420, 100}, 2, true, "$9995");
    row("drag of 70 does nothing", "drag", {300, 100}, {370, 170}, 2, false, "$9995");
    row("drag from a card does nothing", "drag", {160, 200}, {160, 300}, 2, false, "$9995");
    row("a press on a card ends a drag", "drag, card pressed", {440, 60}, {440, 140}, 2, false,
        "$9995");
    row("the Menu question ends a drag", "drag, Menu question", {440, 60}, {440, 140}, 2, false,
        "$9995");
    row("double click on the surface doubles down", "double click", {440, 100}, {}, 3, true,
        "$10010");
    row("double click on a label does nothing", "double click", {300, 134}, {}, 2, false, "$9995");
    row("right double click does nothing", "right double click", {440, 100}, {}, 2, false, "$9995");
}

void TableTest::gesturesActOnTheSurfaceOnly() {
    QFETCH(QString, how);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(int, cardsAfter);
    QFETCH(bool, roundOver);
    QFETCH(QString, chipsAfter);
    Open("N1", "bbtn_l3", "$10000 $100 10 wins to go");
    driver_->StackDeal("S05", "H06", "D10", "C07", {"D09", "C02"});  // 11 against 17
    QVERIFY(driver_->BetAndDeal({5}));
    if (how.endsWith("double click")) {
        QTest::mouseDClick(&driver_->screen(),
                           how.startsWith("right") ? Qt::RightButton : Qt::LeftButton, {}, from);
    } else {
        QTest::mousePress(&driver_->screen(), Qt::LeftButton, {}, from);
        if (how.endsWith("card pressed")) QTest::mousePress(Widget("img_p1_1"), Qt::LeftButton);
        if (how.endsWith("Menu question")) {
            world_->boxes.AnswerNext(QMessageBox::Cancel);
            QVERIFY(driver_->Press("bbtn_menu"));
        }
        QTest::mouseRelease(&driver_->screen(), Qt::LeftButton, {}, to);
    }
    QCOMPARE(Text("l_chip"), chipsAfter);
    QCOMPARE(driver_->table().state().roundActive, !roundOver);
    if (!roundOver) QCOMPARE(driver_->table().state().handCards[1], cardsAfter);
}

void TableTest::closingTheMenuQuestionDoesNotSetTheTableUpAgain() {
    Open("N1", "bbtn_l3", "$10000 $100 10 wins to go");
    driver_->StackDeal("S10", "H08", "D10", "C07");
    QVERIFY(driver_->BetAndDeal({5}));
    QVERIFY(driver_->Press("bbtn_stand"));
    QCOMPARE(Text("l_norm"), "9 wins to go");
    world_->boxes.AnswerNext(QMessageBox::Cancel);
    QVERIFY(driver_->Press("bbtn_menu"));
    QCOMPARE(world_->boxes.texts(), QStringList{"You want to go back to Menu?"});
    QCOMPARE(world_->CurrentScreenName(), "Tf_practical");
    QCOMPARE(Text("l_norm"), "9 wins to go");
    QCOMPARE(Text("l_chip"), "$10005");
    // OK leaves; coming back starts the quota again with the chips kept.
    world_->boxes.AnswerNext(QMessageBox::Ok);
    QVERIFY(driver_->Press("bbtn_menu"));
    QCOMPARE(world_->CurrentScreenName(), "Tf_menu");
    world_->frame().ShowScreen(ScreenId::Practical);
    QCOMPARE(Text("l_norm"), "10 wins to go");
    QCOMPARE(Text("l_chip"), "$10005");
}

void TableTest::rulesPracticeNeedsTenWins() {
    Open("N1", "bbtn_l3", "$10000 $100 10 wins to go");
    PlayBlackjacks(9, {5});
    QCOMPARE(Text("l_norm"), "1 wins to go");
    PlayBlackjacks(1, {5});
    FinishAt("Tf_menu");
    QVERIFY(world_->boxes.texts().isEmpty());
    QCOMPARE(world_->ReadSettings(), QByteArray("[GAME]\nLV=N1\n"));  // only the exam saves
    // Opened again, the lesson starts at its first page.
    QVERIFY(Click(world_->frame().CurrentScreen(), "bbtn_l3"));
    QCOMPARE(MemoText(world_->frame().CurrentScreen(), "m_lecture"), "Text of NL301");
    QCOMPARE(TextOf(world_->frame().CurrentScreen(), "bbtn_menu"), "Start");
}

void TableTest::strategyPracticeNeedsAHundredRightDecisions() {
    Open("N1", "bbtn_l5", "$10000 $100 100 times to go");
    // One wrong decision first: hitting a hard 17 against a 7.
    driver_->StackDeal("S10", "H07", "D10", "C07", {"D04"});
    QVERIFY(driver_->BetAndDeal({5}));
    QVERIFY(driver_->Press("bbtn_hit"));
    QCOMPARE(Text("l_norm"), "101 times to go");
    // Ace and two against a 7: hit soft 13 to soft 17 with aces, stand on soft 18: six right
    // decisions a round.
    int decisions = 0;
    while (world_->CurrentScreenName() == "Tf_practical" && decisions < 120) {
        driver_->StackDeal("S01", "H02", "D10", "C07", {"D01", "C01", "H01", "S01", "D01"});
        QVERIFY(driver_->BetAndDeal({5}));
        for (int hit = 0; hit < 5; ++hit) QVERIFY(driver_->Press("bbtn_hit"));
        QVERIFY(driver_->Press("bbtn_stand"));
        decisions += 6;
    }
    QCOMPARE(decisions, 102);  // 101 to go: passed in the round that took it below 1
    FinishAt("Tf_menu");
}

void TableTest::examNeedsItsWinnings_data() {
    QTest::addColumn<QByteArray>("level");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("blackjacks");  // of $200, winning $300 each
    QTest::addColumn<QString>("leftBeforeTheLast");
    QTest::newRow("General Course") << QByteArray("N1") << QByteArray("bbtn_l6")
                                    << "$1000 $200 $1000 to go" << 4 << "$100 to go";
    QTest::newRow("Professional Course") << QByteArray("PL1") << QByteArray("bbtn_l3")
                                         << "$1000 $200 $2000 to go" << 7 << "$200 to go";
}

// Both exams lead to the Professional Course; passing the General Course exam opens it.
void TableTest::examNeedsItsWinnings() {
    QFETCH(QByteArray, level);
    QFETCH(QByteArray, button);
    QFETCH(QString, table);
    QFETCH(int, blackjacks);
    QFETCH(QString, leftBeforeTheLast);
    Open(level, button.constData(), table);
    PlayBlackjacks(blackjacks - 1, {100, 100});
    QCOMPARE(Text("l_norm"), leftBeforeTheLast);
    PlayBlackjacks(1, {100, 100});
    FinishAt("Tf_promenu");
    QVERIFY(world_->ReadSettings().contains("LV=PL1\n"));
    QVERIFY(world_->screen<Tf_menu>()
                ->findChild<QWidget*>("bbtn_pro")
                ->isVisibleTo(world_->screen<Tf_menu>()));
}

void TableTest::runningOutOfChipsEndsTheVisit_data() {
    QTest::addColumn<QByteArray>("level");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("menu");
    QTest::newRow("exam") << QByteArray("N1") << "$1000 $200 $1000 to go"
                          << "You have no chips. You can't play any more without chips even in "
                             "lessons. Start again!"
                          << "Tf_menu";
    QTest::newRow("play room") << QByteArray("PL1") << "$1000 $200 ALL-NIGHT"
                               << "You have no chips. Start again!"
                               << "Tf_promenu";
}

void TableTest::runningOutOfChipsEndsTheVisit() {
    QFETCH(QByteArray, level);
    QFETCH(QString, table);
    QFETCH(QString, message);
    QFETCH(QString, menu);
    Open(level, "bbtn_l6", table);
    LoseEverything();
    QCOMPARE(world_->boxes.texts(), QStringList{message});
    QCOMPARE(world_->CurrentScreenName(), menu);
    QCOMPARE(world_->ReadSettings().contains("LV=N1\n"), level == "N1");
}

// Every round is a tenth round, so each asks for the count.
void TableTest::countingPracticeNeedsTenRightCounts() {
    Open("PL1", "bbtn_l2", "$10000 $100 10 times to go");
    driver_->AnswerCountQuestions();
    for (int round = 0; round < 10; ++round) {
        QCOMPARE(world_->CurrentScreenName(), "Tf_practical");
        driver_->table().shoe().roundsSinceShuffle = 9;
        driver_->StackDeal("S05", "H06", "D13", "C06", {"H01"});
        QVERIFY(driver_->BetAndDeal({5}));
        QVERIFY(driver_->Press("bbtn_stand"));
        if (round == 0) QCOMPARE(Text("l_norm"), "9 times to go");
    }
    QVERIFY(world_->boxes.texts().isEmpty());
    FinishAt("Tf_promenu");
}

QTEST_MAIN(TableTest)
#include "tst_table.moc"
