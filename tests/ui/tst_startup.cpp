// Start-up, the start screen's routing and the introduction.
#include <QDate>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/app_fixture.h"
#include "ui/first.h"
#include "ui/main.h"
#include "ui/menu.h"
#include "ui/message_box.h"
#include "ui/promenu.h"

using namespace vantrel;
using vantrel::test::Click;
using vantrel::test::TestWorld;
using vantrel::test::TextOf;

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void firstStartLeadsThroughTheIntroduction();
    void startUpReadsNoScreenData();
    void missingTitleIsReportedAndStartUpGoesOn();
    void startScreenShowsVersionAndYear();
    void goodLuckRoutesByLevel_data();
    void goodLuckRoutesByLevel();
    void proButtonStaysOnceShown();
    void disagreeingThenReturningReloadsTheIntroduction();
    void missingIntroductionKeepsTheText();
    void messageBoxClosingDoesNotReactivate();
    void failedSaveKeepsTheIntroduction();
};

namespace {
QString MemoText(const TestWorld& world) {
    return world.screen<Tf_first>()->findChild<QPlainTextEdit*>("m_first")->toPlainText();
}
}  // namespace

void StartupTest::firstStartLeadsThroughTheIntroduction() {
    TestWorld world;
    world.Start();
    QCOMPARE(world.session.appState, AppState::Running);
    QCOMPARE(world.CurrentScreenName(), "Tf_main");

    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
    QCOMPARE(world.CurrentScreenName(), "Tf_first");
    QCOMPARE(MemoText(world), "Welcome to the course.\nPlay fair.");

    QVERIFY(Click(world.screen<Tf_first>(), "bbtn_ok"));
    QCOMPARE(world.CurrentScreenName(), "Tf_menu");
    QCOMPARE(world.session.settings.LV, "N1");
    const QStringList lines = QString(world.ReadSettings()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines,
             QStringList({"[GAME]", "LV=N1", "RANK=00", "DECK=6", "SOFT17=1", "INSURANCE=0",
                          "EVENMONEY=0", "SURRENDER=0", "PLAYPER=60", "MAXHAND=4", "GAMESPEED=3"}));
    QVERIFY(world.boxes.texts().isEmpty());
}

void StartupTest::startUpReadsNoScreenData() {
    TestWorld world;
    world.Start();
    // The introduction was shown and activated while starting, before the settings were loaded.
    QVERIFY(MemoText(world).isEmpty());
    QCOMPARE(world.session.appDir, world.dataDir().toStdString());
}

void StartupTest::missingTitleIsReportedAndStartUpGoesOn() {
    TestWorld world;
    world.RemoveFile("img/prm_title.bmp");
    world.WriteSettings("[GAME]\nLV=PL1\nDECK=2\n");
    world.WriteFile("bs4bj.dat", "108021\n");
    world.Start();

    QCOMPARE(world.boxes.texts().size(), 1);
    QVERIFY(world.boxes.texts().first().contains("/img/prm_title.bmp"));
    QCOMPARE(world.session.settings.LV, "PL1");
    QCOMPARE(world.session.settings.DECK, 2);
    QCOMPARE(world.session.chart.hard[8][2], 1);
    QCOMPARE(world.session.appState, AppState::Running);
    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
    QCOMPARE(world.CurrentScreenName(), "Tf_promenu");
}

void StartupTest::startScreenShowsVersionAndYear() {
    TestWorld world;
    world.Start();
    const Tf_main* start = world.screen<Tf_main>();
    QCOMPARE(TextOf(start, "l_version"), "v1.1");
    QVERIFY(TextOf(start, "l_copyright").contains(QString::number(QDate::currentDate().year())));
    QCOMPARE(TextOf(start, "Label1"), "Vantrel \"the Blackjack Course\"");
}

void StartupTest::goodLuckRoutesByLevel_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("proButton");

    QTest::newRow("PL1") << QByteArray("[GAME]\nLV=PL1\n") << "Tf_promenu" << true;
    QTest::newRow("P1") << QByteArray("[GAME]\nLV=P1\n") << "Tf_promenu" << true;
    QTest::newRow("PZ") << QByteArray("[GAME]\nLV=PZ\n") << "Tf_promenu" << true;
    QTest::newRow("Q") << QByteArray("[GAME]\nLV=Q\n") << "Tf_promenu" << true;
    QTest::newRow("p1 sorts above upper case")
        << QByteArray("[GAME]\nLV=p1\n") << "Tf_promenu" << true;
    QTest::newRow("N1") << QByteArray("[GAME]\nLV=N1\n") << "Tf_menu" << false;
    QTest::newRow("NL6") << QByteArray("[GAME]\nLV=NL6\n") << "Tf_menu" << false;
    QTest::newRow("01") << QByteArray("[GAME]\nLV=01\n") << "Tf_menu" << false;
    QTest::newRow("P0") << QByteArray("[GAME]\nLV=P0\n") << "Tf_menu" << false;
    QTest::newRow("empty") << QByteArray("[GAME]\nLV=\n") << "Tf_menu" << false;
    QTest::newRow("00") << QByteArray("[GAME]\nLV=00\n") << "Tf_first" << false;
    QTest::newRow("no file") << QByteArray() << "Tf_first" << false;
}

void StartupTest::goodLuckRoutesByLevel() {
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

void StartupTest::proButtonStaysOnceShown() {
    TestWorld world;
    world.WriteSettings("[GAME]\nLV=PL1\n");
    world.Start();
    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
    for (int visit = 0; visit < 2; ++visit) {
        QVERIFY(Click(world.screen<Tf_promenu>(), "bbtn_normal"));
        QCOMPARE(world.CurrentScreenName(), "Tf_menu");
        QVERIFY(Click(world.screen<Tf_menu>(), "bbtn_pro"));
        QCOMPARE(world.CurrentScreenName(), "Tf_promenu");
    }
}

void StartupTest::disagreeingThenReturningReloadsTheIntroduction() {
    TestWorld world;
    world.Start();
    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
    QCOMPARE(MemoText(world), "Welcome to the course.\nPlay fair.");

    world.WriteFile("doc/first.txt", "Revised terms.\r\nSecond line.\r\n");
    QVERIFY(Click(world.screen<Tf_first>(), "bbtn_cancel"));
    QCOMPARE(world.CurrentScreenName(), "Tf_main");
    QCOMPARE(world.session.settings.LV, "00");
    QVERIFY(world.ReadSettings().isEmpty());

    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
    QCOMPARE(world.CurrentScreenName(), "Tf_first");
    QCOMPARE(MemoText(world), "Revised terms.\nSecond line.");
}

void StartupTest::missingIntroductionKeepsTheText() {
    TestWorld world;
    world.Start();
    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
    QVERIFY(Click(world.screen<Tf_first>(), "bbtn_cancel"));
    world.RemoveFile("doc/first.txt");

    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
    QCOMPARE(world.boxes.texts().size(), 1);
    QVERIFY(world.boxes.texts().first().contains("/doc/first.txt"));
    QCOMPARE(MemoText(world), "Welcome to the course.\nPlay fair.");
    QVERIFY(Click(world.screen<Tf_first>(), "bbtn_ok"));
    QCOMPARE(world.CurrentScreenName(), "Tf_menu");
}

void StartupTest::messageBoxClosingDoesNotReactivate() {
    TestWorld world;
    world.Start();
    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
    world.WriteFile("doc/first.txt", "Changed meanwhile.\n");
    ShowMessageBox("A notice over the introduction.");
    QCOMPARE(world.boxes.texts().size(), 1);
    QCOMPARE(MemoText(world), "Welcome to the course.\nPlay fair.");
}

void StartupTest::failedSaveKeepsTheIntroduction() {
    TestWorld world;
    world.BlockSettingsFile();
    world.Start();
    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
    QVERIFY(Click(world.screen<Tf_first>(), "bbtn_ok"));

    QCOMPARE(world.boxes.texts().size(), 1);
    QVERIFY(!world.boxes.texts().first().isEmpty());
    QCOMPARE(world.CurrentScreenName(), "Tf_first");
    QCOMPARE(world.session.settings.LV, "N1");  // kept in memory until the program ends
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
