// The lecture viewer: paging, the table lessons' first and closing pages, and the pass of the
// General Course exam.
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/app_fixture.h"
#include "ui/lecture.h"
#include "ui/main.h"
#include "ui/menu.h"
#include "ui/promenu.h"

using namespace vantrel;
using vantrel::test::Click;
using vantrel::test::TestWorld;
using vantrel::test::TextOf;

class LectureTest : public QObject {
    Q_OBJECT
  private slots:
    void pagesThroughALecture();
    void lectureOfOnePageOffersFinish();
    void lectureReturnsToTheMenuThatOpenedIt_data();
    void lectureReturnsToTheMenuThatOpenedIt();
    void tableLessonStartsAndFinishes();
    void finishingTheGeneralExamOpensTheProfessionalCourse();
    void failedSaveKeepsTheClosingPage();
    void missingPageFilesAreReported();
};

namespace {

// Starts at the given level and opens the menu that level leads to.
void StartAtMenu(TestWorld& world, const QByteArray& level) {
    world.WriteSettings("[GAME]\nLV=" + level + "\n");
    world.Start();
    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
}

void WritePage(TestWorld& world, const QString& page, QSize size = {40, 30}) {
    world.WriteFile("doc/" + page + ".txt", "Text of " + page.toLatin1() + "\n");
    world.WriteBitmap("img/" + page + ".bmp", size);
}

QString PageText(const TestWorld& world) {
    return world.screen<Tf_lecture>()->findChild<QPlainTextEdit*>("m_lecture")->toPlainText();
}

// What the table does when the lesson's quota is met: the closing page comes up.
void PassAtTheTable(TestWorld& world) {
    world.session.lesson.lecturePage = 99;
    world.frame().ShowScreen(ScreenId::Lecture);
}

const QLabel* Picture(const TestWorld& world) {
    return world.screen<Tf_lecture>()->findChild<QLabel*>("img_lecture");
}

}  // namespace

void LectureTest::pagesThroughALecture() {
    TestWorld world;
    WritePage(world, "NL101");
    WritePage(world, "NL102", {300, 120});
    WritePage(world, "NL103");
    StartAtMenu(world, "N1");
    QVERIFY(Click(world.screen<Tf_menu>(), "bbtn_l1"));

    const Tf_lecture* lecture = world.screen<Tf_lecture>();
    QCOMPARE(world.CurrentScreenName(), "Tf_lecture");
    QCOMPARE(TextOf(lecture, "l_lecture"), "Black Jack");
    QCOMPARE(TextOf(lecture, "l_no"), "1");
    QCOMPARE(TextOf(lecture, "bbtn_menu"), "Menu");
    QCOMPARE(TextOf(lecture, "bbtn_next"), "Next ->");
    QCOMPARE(PageText(world), "Text of NL101");

    QVERIFY(Click(lecture, "bbtn_next"));
    QCOMPARE(TextOf(lecture, "l_no"), "2");
    QCOMPARE(PageText(world), "Text of NL102");
    QCOMPARE(Picture(world)->size(), QSize(300, 120));  // the picture sizes itself

    QVERIFY(Click(lecture, "bbtn_next"));
    QCOMPARE(TextOf(lecture, "l_no"), "3");
    QCOMPARE(TextOf(lecture, "bbtn_next"), "Finish");

    QVERIFY(Click(lecture, "bbtn_back"));
    QCOMPARE(TextOf(lecture, "l_no"), "2");
    QCOMPARE(TextOf(lecture, "bbtn_next"), "Next ->");
    QVERIFY(Click(lecture, "bbtn_back"));
    QCOMPARE(world.session.lesson.lecturePage, 1);
    QVERIFY(Click(lecture, "bbtn_back"));  // on page 1 it leads back to the menu
    QCOMPARE(world.CurrentScreenName(), "Tf_menu");
    QVERIFY(world.boxes.texts().isEmpty());
}

void LectureTest::lectureOfOnePageOffersFinish() {
    TestWorld world;
    WritePage(world, "NL201");
    StartAtMenu(world, "N1");
    QVERIFY(Click(world.screen<Tf_menu>(), "bbtn_l2"));
    QCOMPARE(TextOf(world.screen<Tf_lecture>(), "bbtn_next"), "Finish");
    QVERIFY(Click(world.screen<Tf_lecture>(), "bbtn_next"));
    QCOMPARE(world.CurrentScreenName(), "Tf_menu");
}

void LectureTest::lectureReturnsToTheMenuThatOpenedIt_data() {
    QTest::addColumn<QByteArray>("level");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("returnMenu");
    QTest::newRow("NL4 from the General Course") << QByteArray("N1") << "NL401"
                                                 << "Tf_menu" << 1;
    QTest::newRow("PL1 from the Professional Course") << QByteArray("PL1") << "PL101"
                                                      << "Tf_promenu" << 2;
}

void LectureTest::lectureReturnsToTheMenuThatOpenedIt() {
    QFETCH(QByteArray, level);
    QFETCH(QString, page);
    QFETCH(QString, menu);
    QFETCH(int, returnMenu);

    TestWorld world;
    WritePage(world, page);
    StartAtMenu(world, level);
    const QWidget* opener = world.frame().CurrentScreen();
    QVERIFY(Click(opener, page.startsWith("NL") ? "bbtn_l4" : "bbtn_l1"));
    QCOMPARE(world.session.returnMenu, returnMenu);
    QVERIFY(Click(world.screen<Tf_lecture>(), "bbtn_menu"));
    QCOMPARE(world.CurrentScreenName(), menu);
}

void LectureTest::tableLessonStartsAndFinishes() {
    TestWorld world;
    WritePage(world, "NL301");
    WritePage(world, "NL399");
    StartAtMenu(world, "N1");
    QVERIFY(Click(world.screen<Tf_menu>(), "bbtn_l3"));

    const Tf_lecture* lecture = world.screen<Tf_lecture>();
    QCOMPARE(TextOf(lecture, "bbtn_menu"), "Start");
    QCOMPARE(TextOf(lecture, "l_no"), "");
    QVERIFY(!Click(lecture, "bbtn_back"));
    QVERIFY(!Click(lecture, "bbtn_next"));
    QVERIFY(Click(lecture, "bbtn_menu"));
    QCOMPARE(world.CurrentScreenName(), "Tf_practical");
    QVERIFY(!QGuiApplication::overrideCursor());

    world.boxes.Clear();  // whatever the table had to say
    PassAtTheTable(world);
    QCOMPARE(TextOf(lecture, "bbtn_menu"), "Finish");
    QCOMPARE(PageText(world), "Text of NL399");
    QVERIFY(Click(lecture, "bbtn_menu"));
    QCOMPARE(world.CurrentScreenName(), "Tf_menu");
    QCOMPARE(world.session.settings.LV, "N1");
    QCOMPARE(world.ReadSettings(), QByteArray("[GAME]\nLV=N1\n"));

    // Opening it again starts again at its first page.
    QVERIFY(Click(world.screen<Tf_menu>(), "bbtn_l3"));
    QCOMPARE(TextOf(lecture, "bbtn_menu"), "Start");
    QCOMPARE(PageText(world), "Text of NL301");
}

void LectureTest::finishingTheGeneralExamOpensTheProfessionalCourse() {
    TestWorld world;
    WritePage(world, "NL601");
    WritePage(world, "NL699");
    StartAtMenu(world, "N1");
    QVERIFY(Click(world.screen<Tf_menu>(), "bbtn_l6"));
    PassAtTheTable(world);

    QVERIFY(Click(world.screen<Tf_lecture>(), "bbtn_menu"));
    QCOMPARE(world.CurrentScreenName(), "Tf_promenu");
    QCOMPARE(world.session.settings.LV, "PL1");
    QVERIFY(world.ReadSettings().contains("LV=PL1\n"));
    QVERIFY(Click(world.screen<Tf_promenu>(), "bbtn_normal"));
    QVERIFY(Click(world.screen<Tf_menu>(), "bbtn_pro"));
    QVERIFY(world.boxes.texts().isEmpty());
}

void LectureTest::failedSaveKeepsTheClosingPage() {
    TestWorld world;
    WritePage(world, "NL601");
    WritePage(world, "NL699");
    world.BlockSettingsFile();
    world.Start();
    world.session.settings.LV = "N1";
    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
    QVERIFY(Click(world.screen<Tf_menu>(), "bbtn_l6"));
    PassAtTheTable(world);

    QVERIFY(Click(world.screen<Tf_lecture>(), "bbtn_menu"));
    QCOMPARE(world.boxes.texts().size(), 1);
    QCOMPARE(world.CurrentScreenName(), "Tf_lecture");
    QCOMPARE(TextOf(world.screen<Tf_lecture>(), "bbtn_menu"), "Finish");
    QCOMPARE(world.session.settings.LV, "PL1");
    QCOMPARE(world.session.returnMenu, 1);
    QVERIFY(world.screen<Tf_menu>()->findChild<QPushButton*>("bbtn_pro")->isHidden());
}

void LectureTest::missingPageFilesAreReported() {
    TestWorld world;
    WritePage(world, "NL401");
    world.WriteFile("doc/NL402.txt", "Text without a picture\n");
    world.WriteBitmap("img/NL101.bmp");
    StartAtMenu(world, "N1");
    QVERIFY(Click(world.screen<Tf_menu>(), "bbtn_l4"));
    QVERIFY(!Picture(world)->pixmap().isNull());

    QVERIFY(Click(world.screen<Tf_lecture>(), "bbtn_next"));
    QCOMPARE(world.boxes.texts().size(), 1);
    QVERIFY(world.boxes.texts().last().contains("/img/NL402.bmp"));
    QVERIFY(Picture(world)->pixmap().isNull());  // not the picture of the page before
    QCOMPARE(PageText(world), "Text without a picture");

    QVERIFY(Click(world.screen<Tf_lecture>(), "bbtn_next"));
    QVERIFY(Click(world.screen<Tf_menu>(), "bbtn_l1"));
    QCOMPARE(world.boxes.texts().size(), 2);
    QVERIFY(world.boxes.texts().last().contains("/doc/NL101.txt"));
    QCOMPARE(PageText(world), "");  // not the text of the lecture before
    QVERIFY(!Picture(world)->pixmap().isNull());
    QVERIFY(Click(world.screen<Tf_lecture>(), "bbtn_menu"));
}

QTEST_MAIN(LectureTest)
#include "tst_lecture.moc"
