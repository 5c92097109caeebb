// The course menus: what each button selects, the free-play room, switching courses, the web
// page.
#include <QDesktopServices>
#include <QGuiApplication>
#include <QtTest>

#include "coach/lessons.h"
#include "ui/app_fixture.h"
#include "ui/main.h"
#include "ui/menu.h"
#include "ui/promenu.h"

using namespace vantrel;
using vantrel::test::Click;
using vantrel::test::TestWorld;

Q_DECLARE_METATYPE(vantrel::LessonMode)

// Stands in for the browser.
class BrowserStandIn : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> opened;
  public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class MenusTest : public QObject {
    Q_OBJECT
  private slots:
    void lessonButtonSetsTheLesson_data();
    void lessonButtonSetsTheLesson();
    void playRoomOpensTheTable();
    void switchesBetweenTheCourses();
    void webButtonsOpenTheProductPage_data();
    void webButtonsOpenTheProductPage();
    void unopenedWebPageIsTold();
};

namespace {

void StartAtMenu(TestWorld& world, const QByteArray& level) {
    world.WriteSettings("[GAME]\nLV=" + level + "\n");
    world.Start();
    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
}

}  // namespace

void MenusTest::lessonButtonSetsTheLesson_data() {
    QTest::addColumn<QByteArray>("level");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("hasTable");
    QTest::addColumn<int>("chips");
    QTest::addColumn<LessonMode>("mode");
    QTest::addColumn<int>("quota");
    QTest::addColumn<int>("maxBet");

    // Lecture-only lessons leave the table values as they were (-1 here).
    const auto unchanged = LessonMode::CountQuota;
    QTest::newRow("NL1") << QByteArray("N1") << QByteArray("bbtn_l1") << "NL1" << false << -1
                         << unchanged << -1 << -1;
    QTest::newRow("NL2") << QByteArray("N1") << QByteArray("bbtn_l2") << "NL2" << false << -1
                         << unchanged << -1 << -1;
    QTest::newRow("NL3") << QByteArray("N1") << QByteArray("bbtn_l3") << "NL3" << true << 10000
                         << LessonMode::WinQuota << 10 << 100;
    QTest::newRow("NL4") << QByteArray("N1") << QByteArray("bbtn_l4") << "NL4" << false << -1
                         << unchanged << -1 << -1;
    QTest::newRow("NL5") << QByteArray("N1") << QByteArray("bbtn_l5") << "NL5" << true << 10000
                         << LessonMode::DecisionQuota << 100 << 100;
    QTest::newRow("NL6 at level N1") << QByteArray("N1") << QByteArray("bbtn_l6") << "NL6" << true
                                     << 1000 << LessonMode::WinningsQuota << 1000 << 200;
    QTest::newRow("PL1") << QByteArray("PL1") << QByteArray("bbtn_l1") << "PL1" << false << -1
                         << unchanged << -1 << -1;
    QTest::newRow("PL2") << QByteArray("PL1") << QByteArray("bbtn_l2") << "PL2" << true << 10000
                         << LessonMode::CountQuota << 10 << 100;
    QTest::newRow("PL3") << QByteArray("PL1") << QByteArray("bbtn_l3") << "PL3" << true << 1000
                         << LessonMode::WinningsQuota << 2000 << 200;
}

void MenusTest::lessonButtonSetsTheLesson() {
    QFETCH(QByteArray, level);
    QFETCH(QByteArray, button);
    QFETCH(QString, code);
    QFETCH(bool, hasTable);
    QFETCH(int, chips);
    QFETCH(LessonMode, mode);
    QFETCH(int, quota);
    QFETCH(int, maxBet);

    TestWorld world;
    world.WriteFile("doc/" + code + "01.txt", "Page 1\n");
    world.WriteBitmap("img/" + code + "01.bmp");
    StartAtMenu(world, level);
    LessonSetup& lesson = world.session.lesson;
    lesson = {"NL9", 7, !hasTable, -1, LessonMode::CountQuota, -1, -1};

    QVERIFY(Click(world.frame().CurrentScreen(), button.constData()));
    QCOMPARE(world.CurrentScreenName(), "Tf_lecture");
    QCOMPARE(QString::fromStdString(lesson.lessonCode), code);
    QCOMPARE(lesson.lecturePage, 1);
    QCOMPARE(lesson.lessonHasTable, hasTable);
    QCOMPARE(lesson.chips, chips);
    QCOMPARE(lesson.lessonMode, mode);
    QCOMPARE(lesson.quota, quota);
    QCOMPARE(lesson.maxBetSetting, maxBet);
    QVERIFY(world.boxes.texts().isEmpty());
}

void MenusTest::playRoomOpensTheTable() {
    TestWorld world;
    StartAtMenu(world, "PL1");
    QVERIFY(Click(world.screen<Tf_promenu>(), "bbtn_l6"));
    QCOMPARE(world.CurrentScreenName(), "Tf_practical");
    const LessonSetup& lesson = world.session.lesson;
    QCOMPARE(lesson.lessonCode, "P");
    QCOMPARE(lesson.lecturePage, 1);
    QVERIFY(lesson.lessonHasTable);
    QCOMPARE(lesson.chips, 1000);
    QCOMPARE(lesson.lessonMode, LessonMode::FreePlay);
    QCOMPARE(lesson.quota, 1);
    QCOMPARE(lesson.maxBetSetting, 200);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void MenusTest::switchesBetweenTheCourses() {
    TestWorld world;
    StartAtMenu(world, "N1");
    QVERIFY(!Click(world.screen<Tf_menu>(), "bbtn_pro"));  // hidden below the Professional level
    world.screen<Tf_menu>()->ShowProButton();
    QVERIFY(Click(world.screen<Tf_menu>(), "bbtn_pro"));
    QCOMPARE(world.CurrentScreenName(), "Tf_promenu");
    QCOMPARE(world.session.returnMenu, 2);
    QVERIFY(Click(world.screen<Tf_promenu>(), "bbtn_normal"));
    QCOMPARE(world.CurrentScreenName(), "Tf_menu");
    QCOMPARE(world.session.returnMenu, 1);
}

void MenusTest::webButtonsOpenTheProductPage_data() {
    QTest::addColumn<QByteArray>("level");
    QTest::newRow("General Course") << QByteArray("N1");
    QTest::newRow("Professional Course") << QByteArray("PL1");
}

void MenusTest::webButtonsOpenTheProductPage() {
    QFETCH(QByteArray, level);
    BrowserStandIn browser;
    QDesktopServices::setUrlHandler("https", &browser, "open");
    TestWorld world;
    StartAtMenu(world, level);
    QVERIFY(Click(world.frame().CurrentScreen(), "bbtn_web"));
    QDesktopServices::unsetUrlHandler("https");

    QCOMPARE(browser.opened.size(), 1);
    QVERIFY(browser.opened.first().host().endsWith("example.com"));
    QCOMPARE(browser.opened.first().path(), "/e/products/kdx_blackjack/");
    QVERIFY(world.boxes.texts().isEmpty());
}

void MenusTest::unopenedWebPageIsTold() {
    // The offscreen platform has no browser to hand the page to.
    TestWorld world;
    StartAtMenu(world, "N1");
    QVERIFY(Click(world.screen<Tf_menu>(), "bbtn_web"));
    QCOMPARE(world.boxes.texts(), QStringList{"Page cannot be displayed."});
    QCOMPARE(world.CurrentScreenName(), "Tf_menu");
}

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
