// The Rules screen: its choices, saving them, a failed save, values edited by hand, its figures,
// the table taking the new rules at its next visit, and the window's size.
#include <QFile>
#include <QPushButton>
#include <QtTest>

#include "ui/app_fixture.h"
#include "ui/practical.h"
#include "ui/rules.h"
#include "ui/table_driver.h"

using namespace vantrel;
using vantrel::test::Click;
using vantrel::test::MemoText;
using vantrel::test::TestWorld;
using vantrel::test::TextOf;

namespace {

// Opens the Rules screen from the menu in front.
Tf_rules* OpenRules(TestWorld& world) {
    if (!Click(world.frame().CurrentScreen(), "bbtn_rules")) return nullptr;
    return world.screen<Tf_rules>();
}

QString PressedWindowSize(const Tf_rules* rules) {
    for (const char* size : {"auto", "100", "150", "200"})
        if (rules->findChild<QPushButton*>(QString("bbtn_view") + size)->isChecked()) return size;
    return {};
}

bool SaysNextStart(const Tf_rules* rules) {
    return !rules->findChild<QWidget*>("l_viewnext")->isHidden();
}

QString PressedDecks(const Tf_rules* rules) {
    QString pressed;
    for (const char* decks : {"1", "2", "4", "6", "8"})
        if (rules->findChild<QPushButton*>(QString("bbtn_deck") + decks)->isChecked())
            pressed += decks;
    return pressed;
}

}  // namespace

class RulesTest : public QObject {
    Q_OBJECT
  private slots:
    void stepsStayWithinTheirChoices_data();
    void stepsStayWithinTheirChoices();
    void saveWritesTheRulesAndKeepsEverythingElse();
    void failedSaveKeepsTheScreenAndBackSavesNothing();
    void showsTheEdgeAndThePlaysJudgedForTheDecksOnScreen();
    void theTableJudgesByTheNewDecksFromItsNextVisit();
    void windowSizeIsWrittenOnlyOnceChosen();
};

void RulesTest::stepsStayWithinTheirChoices_data() {
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("shown");  // "l_playper=50 %": the label and its text
    const auto row = [](const char* name, const char* setting, const char* button, int clicks,
                        const char* shown) {
        QTest::addRow("%s", name) << QByteArray(setting) << button << clicks << shown;
    };
    row("reshuffle down to 50", "PLAYPER=60", "bbtn_perless", 3, "l_playper=50 %");
    row("hand-edited 97 stays", "PLAYPER=97", "bbtn_permore", 1, "l_playper=97 %");
    row("hand-edited 97 down", "PLAYPER=97", "bbtn_perless", 1, "l_playper=90 %");
    row("seconds up to 10", "GAMESPEED=9", "bbtn_speedmore", 2, "l_gamespeed=10 s");
    row("hand-edited 0 up", "GAMESPEED=0", "bbtn_speedmore", 1, "l_gamespeed=1 s");
}

void RulesTest::stepsStayWithinTheirChoices() {
    QFETCH(QByteArray, setting);
    QFETCH(QString, button);
    QFETCH(int, clicks);
    QFETCH(QString, shown);
    TestWorld world;
    world.StartAt("N1", setting + "\n");
    Tf_rules* rules = OpenRules(world);
    QVERIFY(rules);
    // A button whose way holds no more choices is disabled: the click does nothing.
    for (int click = 0; click < clicks; ++click) Click(rules, qPrintable(button));
    QCOMPARE(TextOf(rules, qPrintable(shown.section('=', 0, 0))), shown.section('=', 1));
}

void RulesTest::saveWritesTheRulesAndKeepsEverythingElse() {
    TestWorld world;
    world.WriteSettings(
        "; mine\r\n[GAME]\r\nLV=PL1\r\nRANK=7A\r\nDECK=3\r\nPLAYPER=97\r\n"
        "GAMESPEED=0\r\n[Other]\r\nkeep=\xff\r\n");
    world.Start();
    QVERIFY(Click(world.frame().CurrentScreen(), "bbtn_goodluck"));
    Tf_rules* rules = OpenRules(world);
    QVERIFY(rules);
    // Values edited by hand are shown as they are, and kept unless another is chosen.
    QCOMPARE(PressedDecks(rules), "");
    QVERIFY(MemoText(rules, "m_rules").contains("House edge, 3 decks: "));
    QCOMPARE(TextOf(rules, "l_gamespeed"), "0 s");
    QVERIFY(Click(rules, "bbtn_speedmore"));
    QVERIFY(Click(rules, "bbtn_save"));
    QCOMPARE(world.CurrentScreenName(), "Tf_promenu");
    QCOMPARE(world.ReadSettings(),
             "; mine\r\n[GAME]\r\nLV=PL1\r\nRANK=7A\r\nDECK=3\r\nPLAYPER=97\r\nGAMESPEED=1\r\n"
             "SOFT17=1\r\nINSURANCE=0\r\nEVENMONEY=0\r\nSURRENDER=0\r\nMAXHAND=4\r\n"
             "[Other]\r\nkeep=\xff\r\n");
    QCOMPARE(world.session.settings.GAMESPEED, 1);
    QVERIFY(world.boxes.texts().isEmpty());
}

void RulesTest::failedSaveKeepsTheScreenAndBackSavesNothing() {
    TestWorld world;
    world.StartAt("N1");
    Tf_rules* rules = OpenRules(world);
    QVERIFY(rules);
    QVERIFY(Click(rules, "bbtn_deck1"));
    QFile::remove(world.settingsPath());
    world.BlockSettingsFile();
    QVERIFY(Click(rules, "bbtn_save"));
    QCOMPARE(world.boxes.texts().size(), 1);
    QVERIFY(world.boxes.texts().first().startsWith("Cannot save"));
    QCOMPARE(world.CurrentScreenName(), "Tf_rules");
    QCOMPARE(PressedDecks(rules), "1");
    QCOMPARE(world.session.settings.DECK, 6);
    QVERIFY(Click(rules, "bbtn_back"));
    QCOMPARE(world.CurrentScreenName(), "Tf_menu");
    QCOMPARE(world.session.settings.DECK, 6);
}

void RulesTest::showsTheEdgeAndThePlaysJudgedForTheDecksOnScreen() {
    TestWorld world;
    vantrel::test::TableDriver::WriteTableData(world);
    world.StartAt("N1");
    Tf_rules* rules = OpenRules(world);
    QVERIFY(rules);
    QTRY_VERIFY_WITH_TIMEOUT(!MemoText(rules, "m_rules").contains(QChar(0x2026)), 20000);
    QVERIFY(MemoText(rules, "m_rules").endsWith("Judged by the lectures' chart (3 to 8 decks)."));
    QVERIFY(Click(rules, "bbtn_deck1"));
    QTRY_VERIFY_WITH_TIMEOUT(!MemoText(rules, "m_rules").contains(QChar(0x2026)), 20000);
    const QString text = MemoText(rules, "m_rules");
    QVERIFY2(text.contains("House edge, 1 deck: 0.296% at $5 flat bets, -0.169% at a full 3 to 2."),
             qPrintable(text));
    QVERIFY2(text.contains("Judged by the chart for 1 deck: 11 plays differ from the lectures' "
                           "chart (3 to 8 decks): Hard 9 vs 2, Hard 11 vs A, "),
             qPrintable(text));
}

// Hitting hard 11 against an ace: right by the chart for 6 decks, wrong by the chart for 1. The
// ten drawn makes 21, which ends the round.
void RulesTest::theTableJudgesByTheNewDecksFromItsNextVisit() {
    TestWorld world;
    vantrel::test::TableDriver::WriteTableData(world);
    world.StartAt("N1");
    vantrel::test::TableDriver driver(world);
    for (const char* expected : {"99 times to go", "101 times to go"}) {
        vantrel::test::EnterTable(world, "bbtn_l5");
        driver.StackDeal("S09", "H02", "C07", "D01", {"D10"});
        QVERIFY(driver.BetAndDeal({5}));
        QVERIFY(driver.Press("bbtn_hit"));
        QVERIFY(driver.WaitUntilSettled());
        QCOMPARE(TextOf(&driver.screen(), "l_norm"), expected);
        QVERIFY(Click(&driver.screen(), "bbtn_menu"));
        QCOMPARE(world.CurrentScreenName(), "Tf_menu");
        Tf_rules* rules = OpenRules(world);
        QVERIFY(rules);
        QVERIFY(Click(rules, "bbtn_deck1"));
        QVERIFY(Click(rules, "bbtn_save"));
    }
}

// A student who never chooses a size keeps the file as the course writes it; a size chosen and
// saved is written under its own section, and the window takes it at the next start.
void RulesTest::windowSizeIsWrittenOnlyOnceChosen() {
    TestWorld world;
    world.StartAt("N1");
    Tf_rules* rules = OpenRules(world);
    QVERIFY(rules);
    QCOMPARE(PressedWindowSize(rules), "auto");
    QVERIFY(!SaysNextStart(rules));
    QVERIFY(Click(rules, "bbtn_save"));
    const QByteArray course = world.ReadSettings();
    QVERIFY(!course.contains("VIEW"));

    QVERIFY(OpenRules(world));
    QVERIFY(Click(rules, "bbtn_view150"));
    QVERIFY(SaysNextStart(rules));
    QVERIFY(Click(rules, "bbtn_back"));
    QCOMPARE(world.ReadSettings(), course);

    QVERIFY(OpenRules(world));
    QCOMPARE(PressedWindowSize(rules), "auto");
    QVERIFY(Click(rules, "bbtn_view150"));
    QVERIFY(Click(rules, "bbtn_save"));
    QCOMPARE(world.ReadSettings(), course + "[VIEW]\nSCALE=150\n");
    QVERIFY(OpenRules(world));
    QCOMPARE(PressedWindowSize(rules), "150");
    QVERIFY(SaysNextStart(rules));
}

QTEST_MAIN(RulesTest)
#include "tst_rules.moc"
