// The screens before the table: start-up and routing, the introduction, the course menus and the
// lecture viewer.
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "ui/app_fixture.h"
#include "ui/first.h"
#include "ui/lecture.h"
#include "ui/main.h"
#include "ui/menu.h"
#include "ui/message_box.h"
#include "ui/promenu.h"

using namespace vantrel;
using vantrel::test::Click;
using vantrel::test::MemoText;
using vantrel::test::TestWorld;
using vantrel::test::TextOf;

// Stands in for the browser.
class BrowserStandIn : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> opened;
  public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class ScreensTest : public QObject {
    Q_OBJECT
  private slots:
    void firstStartLeadsThroughTheIntroduction();
    void goodLuckRoutesByLevel_data();
    void goodLuckRoutesByLevel();
    void introductionIsReadAtEachVisit();
    void webButtonsOpenTheProductPage_data();
    void webButtonsOpenTheProductPage();

    void pagesThroughALecture();
    void lecturesReturnToTheMenuThatOpenedThem();
};

namespace {

QString Introduction(const TestWorld& world) {
    return MemoText(world.screen<Tf_first>(), "m_first");
}

QString PageText(const TestWorld& world) {
    return MemoText(world.screen<Tf_lecture>(), "m_lecture");
}

const QLabel* Picture(const TestWorld& world) {
    return world.screen<Tf_lecture>()->findChild<QLabel*>("img_lecture");
}

}  // namespace

void ScreensTest::firstStartLeadsThroughTheIntroduction() {
    TestWorld world;
    world.Start();
    QCOMPARE(world.session.appState, AppState::Running);
    QCOMPARE(world.CurrentScreenName(), "Tf_main");
    QCOMPARE(world.session.appDir, world.dataDir().toStdString());
    // The introduction was shown while starting, before the settings were loaded: no text yet.
    QVERIFY(Introduction(world).isEmpty());

    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
    QCOMPARE(world.CurrentScreenName(), "Tf_first");
    QCOMPARE(Introduction(world), "Welcome to the course.\nPlay fair.");

    QVERIFY(Click(world.screen<Tf_first>(), "bbtn_ok"));
    QCOMPARE(world.CurrentScreenName(), "Tf_menu");
    QCOMPARE(world.session.settings.LV, "N1");
    // The whole new file is checked by the settings and the installed-package tests.
    QVERIFY(world.ReadSettings().startsWith("[GAME]\nLV=N1\nRANK=00\n"));
    QVERIFY(world.boxes.texts().isEmpty());
}

void ScreensTest::goodLuckRoutesByLevel_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("proButton");
    // "p1" sorts above upper case; blanks and one pair of quotes around the level do not count.
    for (const char* line :
         {"LV=PL1", "LV=P1", "LV=PZ", "LV=Q", "LV=p1", "LV = PL1", "LV=\"PL1\"", "LV=\t'P1' "})
        QTest::addRow("%s", line) << "[GAME]\n" + QByteArray(line) + "\n"
                                  << "Tf_promenu" << true;
    for (const char* line : {"LV=N1", "LV=NL6", "LV=01", "LV=P0", "LV=", "LV=\" PL1\""})
        QTest::addRow("%s", line) << "[GAME]\n" + QByteArray(line) + "\n"
                                  << "Tf_menu" << false;
    for (const char* line : {"LV=00", "LV = '00'"})
        QTest::addRow("%s", line) << "[GAME]\n" + QByteArray(line) + "\n"
                                  << "Tf_first" << false;
    QTest::newRow("no file") << QByteArray() << "Tf_first" << false;
}

void ScreensTest::goodLuckRoutesByLevel() {
    QFETCH(QByteArray, settings);
    QFETCH(QString, screen);
    QFETCH(bool, proButton);

    TestWorld world;
    if (!settings.isEmpty()) world.WriteSettings(settings);
    world.Start();
    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
    QCOMPARE(world.CurrentScreenName(), screen);
    QCOMPARE(!world.screen<Tf_menu>()->findChild<QPushButton*>("bbtn_pro")->isHidden(), proButton);
}

void ScreensTest::introductionIsReadAtEachVisit() {
    TestWorld world;
    world.Start();
    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
    QCOMPARE(Introduction(world), "Welcome to the course.\nPlay fair.");
    // A message box closing over it does not activate it again.
    world.WriteFile("doc/first.txt", "Revised terms.\r\nSecond line.\r\n");
    ShowMessageBox("A notice over the introduction.");
    QCOMPARE(world.boxes.texts().size(), 1);
    QCOMPARE(Introduction(world), "Welcome to the course.\nPlay fair.");

    // "I don' t agree." saves nothing; the next visit reads the file again.
    QVERIFY(Click(world.screen<Tf_first>(), "bbtn_cancel"));
    QCOMPARE(world.CurrentScreenName(), "Tf_main");
    QCOMPARE(world.session.settings.LV, "00");
    QVERIFY(world.ReadSettings().isEmpty());
    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
    QCOMPARE(world.CurrentScreenName(), "Tf_first");
    QCOMPARE(Introduction(world), "Revised terms.\nSecond line.");

    // A missing file is reported and the text shown before stays.
    QVERIFY(Click(world.screen<Tf_first>(), "bbtn_cancel"));
    world.RemoveFile("doc/first.txt");
    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
    QCOMPARE(world.boxes.texts().size(), 2);
    QVERIFY(world.boxes.texts().last().contains("/doc/first.txt"));
    QCOMPARE(Introduction(world), "Revised terms.\nSecond line.");
    QVERIFY(Click(world.screen<Tf_first>(), "bbtn_ok"));
    QCOMPARE(world.CurrentScreenName(), "Tf_menu");
}

void ScreensTest::webButtonsOpenTheProductPage_data() {
    QTest::addColumn<QByteArray>("level");
    QTest::addColumn<bool>("browser");
    QTest::newRow("General Course") << QByteArray("N1") << true;
    QTest::newRow("Professional Course") << QByteArray("PL1") << true;
    // The offscreen platform has no browser of its own to hand the page to.
    QTest::newRow("no browser") << QByteArray("N1") << false;
}

void ScreensTest::webButtonsOpenTheProductPage() {
    QFETCH(QByteArray, level);
    QFETCH(bool, browser);
    BrowserStandIn standIn;
    if (browser) QDesktopServices::setUrlHandler("https", &standIn, "open");
    TestWorld world;
    world.StartAt(level);
    const QString menu = world.CurrentScreenName();
    QVERIFY(Click(world.frame().CurrentScreen(), "bbtn_web"));
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(world.CurrentScreenName(), menu);
    if (!browser) {
        QCOMPARE(world.boxes.texts(), QStringList{"Page cannot be displayed."});
        return;
    }
    QCOMPARE(standIn.opened.size(), 1);
    QVERIFY(standIn.opened.first().host().endsWith("example.com"));
    QCOMPARE(standIn.opened.first().path(), "/e/products/kdx_blackjack/");
    QVERIFY(world.boxes.texts().isEmpty());
}

void ScreensTest::pagesThroughALecture() {
    TestWorld world;
    world.WritePage("NL101");
    world.WritePage("NL102", {300, 120});
    world.WritePage("NL103");
    world.StartAt("N1");
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

    // Opened again it starts at page 1; "Finish" leads to the menu.
    QVERIFY(Click(world.screen<Tf_menu>(), "bbtn_l1"));
    QCOMPARE(TextOf(lecture, "l_no"), "1");
    for (int page = 1; page <= 3; ++page) QVERIFY(Click(lecture, "bbtn_next"));
    QCOMPARE(world.CurrentScreenName(), "Tf_menu");
    QVERIFY(world.boxes.texts().isEmpty());
}

// Each lecture opens at its first page with "Menu", which returns to the menu that opened it.
void ScreensTest::lecturesReturnToTheMenuThatOpenedThem() {
    TestWorld world;
    for (const char* page : {"NL101", "NL201", "NL401", "PL101"}) world.WritePage(page);
    world.StartAt("PL1");
    const struct {
        const char* menu;
        const char* button;
        const char* page;
        int returnMenu;
    } visits[] = {{"Tf_promenu", "bbtn_l1", "PL101", 2},
                  {"Tf_menu", "bbtn_l1", "NL101", 1},
                  {"Tf_menu", "bbtn_l2", "NL201", 1},
                  {"Tf_menu", "bbtn_l4", "NL401", 1}};
    for (const auto& visit : visits) {
        if (world.CurrentScreenName() != visit.menu)
            QVERIFY(Click(world.frame().CurrentScreen(), "bbtn_normal"));
        QVERIFY(Click(world.frame().CurrentScreen(), visit.button));
        QCOMPARE(PageText(world), QString("Text of ") + visit.page);
        QCOMPARE(TextOf(world.frame().CurrentScreen(), "bbtn_menu"), "Menu");
        QCOMPARE(world.session.returnMenu, visit.returnMenu);
        QVERIFY(Click(world.frame().CurrentScreen(), "bbtn_menu"));
        QCOMPARE(world.CurrentScreenName(), visit.menu);
    }
    // Shown once, the Professional Course button stays on the General Course menu.
    QVERIFY(Click(world.frame().CurrentScreen(), "bbtn_pro"));
    QCOMPARE(world.session.returnMenu, 2);
    QVERIFY(world.boxes.texts().isEmpty());
}

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
