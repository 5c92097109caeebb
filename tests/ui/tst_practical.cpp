// The table screen: its layout, a round played with the mouse, and gestures that belong to the
// table's surface only.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "coach/lessons.h"
#include "ui/app_fixture.h"
#include "ui/practical.h"
#include "ui/table_driver.h"

using namespace vantrel;
using vantrel::test::TableDriver;
using vantrel::test::TestWorld;
using vantrel::test::TextOf;

class PracticalTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void controlsStandWhereTheLayoutSays_data();
    void controlsStandWhereTheLayoutSays();
    void opensWithItsLessonAndNothingShowing();
    void playsARoundWithTheMouse();
    void gesturesActOnTheSurfaceOnly_data();
    void gesturesActOnTheSurfaceOnly();
    void doubleClickOnTheSurfaceDoublesDown();
    void closingTheMenuQuestionDoesNotSetTheTableUpAgain();

  private:
    // Opens the table of the rules practice, as the lecture's "Start" does.
    void OpenTable();
    QWidget* Widget(const char* name) const { return driver_->screen().findChild<QWidget*>(name); }

    std::unique_ptr<TestWorld> world_;
    std::unique_ptr<TableDriver> driver_;
};

void PracticalTest::init() {
    world_ = std::make_unique<TestWorld>();
    TableDriver::WriteTableData(*world_);
    world_->WriteSettings("[GAME]\nLV=N1\n");
    world_->Start();
    driver_ = std::make_unique<TableDriver>(*world_);
}

void PracticalTest::cleanup() {
    driver_.reset();
    world_.reset();
}

void PracticalTest::OpenTable() {
    Session& session = world_->session;
    session.lesson.lessonCode = "NL3";
    session.lesson.lecturePage = 1;
    session.lesson.lessonHasTable = true;
    SetTableValues(session.lesson, *FindLesson("NL3"));
    world_->frame().ShowScreen(ScreenId::Practical);
}

void PracticalTest::controlsStandWhereTheLayoutSays_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("text");
    const QString none;
    QTest::newRow("hole card") << "img_d1" << QRect(184, 32, 48, 64) << none;
    QTest::newRow("up card") << "img_d2" << QRect(220, 48, 48, 64) << none;
    QTest::newRow("dealer's seventh") << "img_d7" << QRect(400, 32, 48, 64) << none;
    QTest::newRow("hand 1 first, wider") << "img_p1_1" << QRect(148, 192, 49, 64) << none;
    QTest::newRow("hand 2 second") << "img_p2_2" << QRect(260, 212, 48, 64) << none;
    QTest::newRow("hand 3 fifth") << "img_p3_5" << QRect(324, 288, 48, 64) << none;
    QTest::newRow("hand 4 first, wider") << "img_p4_1" << QRect(412, 192, 49, 64) << none;
    QTest::newRow("hand 4 seventh") << "img_p4_7" << QRect(412, 336, 48, 64) << none;
    QTest::newRow("hand 3 total") << "l_p3hand" << QRect(320, 168, 81, 20) << none;
    QTest::newRow("hand 2 result") << "l_p2rslt" << QRect(236, 376, 73, 21) << none;
    QTest::newRow("rule line") << "l_tblmsg" << QRect(16, 124, 601, 20)
                               << "Dealer must hit to 16,and stand on all 17's";
    QTest::newRow("minimum") << "l_minbet" << QRect(552, 12, 57, 20) << "$5";
    QTest::newRow("bet box") << "Shape5" << QRect(16, 184, 89, 105) << none;
    QTest::newRow("$25 BET") << "l_bet025" << QRect(48, 332, 57, 32) << "BET";
    QTest::newRow("$100 chip") << "img_chip100" << QRect(16, 368, 32, 32) << none;
    QTest::newRow("bet stack 5") << "img_bet005" << QRect(44, 192, 32, 32) << none;
    QTest::newRow("chips") << "l_chip" << QRect(20, 412, 221, 24) << none;
    QTest::newRow("quota") << "l_norm" << QRect(392, 412, 221, 24) << none;
    QTest::newRow("menu") << "bbtn_menu" << QRect(256, 412, 121, 25) << "Menu";
    QTest::newRow("double") << "bbtn_double" << QRect(496, 264, 121, 25) << "DOUBLE DOWN";
    QTest::newRow("split") << "bbtn_split" << QRect(496, 300, 121, 25) << "SPLIT";
    QTest::newRow("dealer balloon") << "s_dmsg" << QRect(152, 44, 329, 53) << none;
    QTest::newRow("player balloon text") << "l_pmsg" << QRect(396, 328, 213, 77) << none;
    QTest::newRow("countdown disc") << "s_timeout" << QRect(291, 202, 49, 49) << none;
    QTest::newRow("countdown") << "l_timeout" << QRect(296, 212, 41, 33) << none;
}

void PracticalTest::controlsStandWhereTheLayoutSays() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QFETCH(QString, text);
    QWidget* control = Widget(name.toLatin1().constData());
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->geometry(), rect);
    if (!text.isEmpty()) QCOMPARE(TextOf(&driver_->screen(), name.toLatin1().constData()), text);
}

void PracticalTest::opensWithItsLessonAndNothingShowing() {
    OpenTable();
    QCOMPARE(TextOf(&driver_->screen(), "l_chip"), QString("$10000"));
    QCOMPARE(TextOf(&driver_->screen(), "l_maxbet"), QString("$100"));
    QCOMPARE(TextOf(&driver_->screen(), "l_norm"), QString("10 wins to go"));
    for (const char* name : {"img_d1", "img_p1_1", "s_dmsg", "s_pmsg", "s_timeout", "l_p1rslt",
                             "l_dhand", "img_bet005"})
        QVERIFY2(!Widget(name)->isVisible(), name);
    for (const char* name : {"bbtn_hit", "bbtn_stand", "bbtn_double", "bbtn_split"})
        QVERIFY2(!Widget(name)->isEnabled(), name);
    QVERIFY(Widget("bbtn_menu")->isEnabled());
}

void PracticalTest::playsARoundWithTheMouse() {
    OpenTable();
    driver_->StackDeal("S10", "H05", "D10", "C07", {"D03", "C02"});
    // A chip picture and a "BET" label both bet.
    QTest::mouseClick(Widget("l_bet025"), Qt::LeftButton);
    QCOMPARE(TextOf(&driver_->screen(), "l_bet"), QString("$25"));
    QVERIFY(Widget("img_bet025")->isVisible());
    QVERIFY(driver_->BetAndDeal({5}));
    QCOMPARE(TextOf(&driver_->screen(), "l_bet"), QString("$30"));
    QCOMPARE(TextOf(&driver_->screen(), "l_chip"), QString("$9970"));
    for (const char* name : {"img_p1_1", "img_p1_2", "img_d1", "img_d2"})
        QVERIFY2(Widget(name)->isVisible(), name);
    QVERIFY(Widget("bbtn_hit")->isEnabled());
    QVERIFY(driver_->Press("bbtn_hit"));  // 18
    QVERIFY(Widget("img_p1_3")->isVisible());
    QVERIFY(driver_->Press("bbtn_stand"));  // the dealer's 17 draws nothing
    QCOMPARE(TextOf(&driver_->screen(), "l_p1rslt"), QString("Win"));
    QCOMPARE(TextOf(&driver_->screen(), "l_chip"), QString("$10030"));
    QCOMPARE(TextOf(&driver_->screen(), "l_norm"), QString("9 wins to go"));
    // After the pause the table is clear for the next bet.
    QVERIFY(!Widget("img_p1_1")->isVisible());
    QVERIFY(!Widget("l_p1rslt")->isVisible());
    QCOMPARE(TextOf(&driver_->screen(), "l_bet"), QString());
}

void PracticalTest::gesturesActOnTheSurfaceOnly_data() {
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<int>("cardsAfter");
    QTest::addColumn<bool>("roundOver");
    // (440, 100) is bare table; (160, 200) lies on the first player card.
    QTest::newRow("drag down on the surface hits")
        << QPoint(440, 60) << QPoint(440, 140) << 3 << false;
    QTest::newRow("drag right on the surface stands")
        << QPoint(300, 100) << QPoint(420, 100) << 2 << true;
    QTest::newRow("drag of 70 does nothing") << QPoint(300, 100) << QPoint(370, 170) << 2 << false;
    QTest::newRow("drag from a card does nothing")
        << QPoint(160, 200) << QPoint(160, 300) << 2 << false;
}

void PracticalTest::gesturesActOnTheSurfaceOnly() {
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(int, cardsAfter);
    QFETCH(bool, roundOver);
    OpenTable();
    driver_->StackDeal("S10", "H02", "D10", "C07", {"D03", "C02"});
    QVERIFY(driver_->BetAndDeal({5}));
    QTest::mousePress(&driver_->screen(), Qt::LeftButton, {}, from);
    QTest::mouseRelease(&driver_->screen(), Qt::LeftButton, {}, to);
    if (roundOver) {
        QVERIFY(!driver_->table().state().roundActive);
    } else {
        QCOMPARE(driver_->table().state().handCards[1], cardsAfter);
        QVERIFY(driver_->table().state().roundActive);
    }
}

void PracticalTest::doubleClickOnTheSurfaceDoublesDown() {
    OpenTable();
    driver_->StackDeal("S05", "H06", "D10", "C07", {"D09"});
    QVERIFY(driver_->BetAndDeal({5}));
    QTest::mouseDClick(Widget("l_tblmsg"), Qt::LeftButton);  // on a label: nothing
    QVERIFY(driver_->table().state().roundActive);
    QTest::mouseDClick(&driver_->screen(), Qt::LeftButton, {}, QPoint(440, 100));
    QVERIFY(!driver_->table().state().roundActive);
    QCOMPARE(TextOf(&driver_->screen(), "l_chip"), QString("$10010"));
}

void PracticalTest::closingTheMenuQuestionDoesNotSetTheTableUpAgain() {
    OpenTable();
    driver_->StackDeal("S10", "H08", "D10", "C07");
    QVERIFY(driver_->BetAndDeal({5}));
    QVERIFY(driver_->Press("bbtn_stand"));
    QCOMPARE(TextOf(&driver_->screen(), "l_norm"), QString("9 wins to go"));
    world_->boxes.AnswerNext(QMessageBox::Cancel);
    QVERIFY(driver_->Press("bbtn_menu"));
    QCOMPARE(world_->boxes.texts(), QStringList{"You want to go back to Menu?"});
    QCOMPARE(world_->CurrentScreenName(), QString("Tf_practical"));
    QCOMPARE(TextOf(&driver_->screen(), "l_norm"), QString("9 wins to go"));
    QCOMPARE(TextOf(&driver_->screen(), "l_chip"), QString("$10005"));
    // OK leaves; coming back starts the quota again with the chips kept.
    world_->boxes.AnswerNext(QMessageBox::Ok);
    QVERIFY(driver_->Press("bbtn_menu"));
    QCOMPARE(world_->CurrentScreenName(), QString("Tf_menu"));
    world_->frame().ShowScreen(ScreenId::Practical);
    QCOMPARE(TextOf(&driver_->screen(), "l_norm"), QString("10 wins to go"));
    QCOMPARE(TextOf(&driver_->screen(), "l_chip"), QString("$10005"));
}

QTEST_MAIN(PracticalTest)
#include "tst_practical.moc"
