// The Master Course's figures reaching the screens: from a file kept beside the settings or
// shipped with the data, for the settings in force only, and again when the Rules screen changes
// them; otherwise worked out while the screens go on.
#include <QtTest>
#include <sstream>

#include "strategy/judging_chart.h"
#include "strategy/master_figures.h"
#include "ui/app_fixture.h"
#include "ui/master_figures_request.h"
#include "ui/rules.h"

using namespace vantrel;
using vantrel::test::Click;
using vantrel::test::TestWorld;

namespace {

// Figures as the lab would write them for the chart the table judges by.
QByteArray FiguresFile(const TestWorld& world, int decks, int penetration, double winPer100) {
    strategy::MasterFigures figures;
    figures.decks = decks;
    figures.penetration = penetration;
    figures.chart =
        strategy::ChartFingerprint(strategy::JudgingChart(world.session.chartFile, decks));
    figures.byCount = {{0, 1.0, -0.005, 0.0}};
    figures.winPer100 = winPer100;
    std::ostringstream text;
    strategy::WriteMasterFigures(text, figures);
    return QByteArray::fromStdString(text.str());
}

QString KeptPath(const TestWorld& world, int decks, int penetration) {
    return QString::fromStdString(
        KeptMasterFiguresPath(world.settingsPath().toStdString(), decks, penetration));
}

double WinPer100(const TestWorld& world) {
    return world.session.masterFigures ? world.session.masterFigures->winPer100 : -1.0;
}

}  // namespace

class MasterFiguresTest : public QObject {
    Q_OBJECT
  private slots:
    void keptFiguresComeBeforeShippedOnes();
    void theRulesScreenAsksForTheNewSettingsFigures();
    void figuresForAnotherChartAreWorkedOutAfresh();
};

void MasterFiguresTest::keptFiguresComeBeforeShippedOnes() {
    TestWorld world;
    world.StartAt("N1", "DECK=2\nPLAYPER=75\n");
    world.WriteFile(QString::fromStdString(MasterFiguresFileName(2, 75)),
                    FiguresFile(world, 2, 75, 1.0));
    RequestMasterFigures(world.session);
    QTRY_VERIFY(MasterFiguresReady(world.session));
    QCOMPARE(WinPer100(world), 1.0);
    QVERIFY(MasterFiguresWaitText(world.session).empty());

    // Asked again at other settings: the figures in hand are dropped, those kept are read.
    QVERIFY(test::WriteBytes(KeptPath(world, 2, 80), FiguresFile(world, 2, 80, 2.0)));
    world.WriteFile(QString::fromStdString(MasterFiguresFileName(2, 80)),
                    FiguresFile(world, 2, 80, 3.0));
    world.session.settings.PLAYPER = 80;
    RequestMasterFigures(world.session);
    QVERIFY(!world.session.masterFigures);
    QTRY_VERIFY(MasterFiguresReady(world.session));
    QCOMPARE(WinPer100(world), 2.0);
}

void MasterFiguresTest::theRulesScreenAsksForTheNewSettingsFigures() {
    TestWorld world;
    world.StartAt("N1", "DECK=6\nPLAYPER=75\n");
    QVERIFY(test::WriteBytes(KeptPath(world, 2, 75), FiguresFile(world, 2, 75, 4.0)));
    QVERIFY(Click(world.frame().CurrentScreen(), "bbtn_rules"));
    Tf_rules* rules = world.screen<Tf_rules>();
    QVERIFY(Click(rules, "bbtn_deck2"));
    QVERIFY(!MasterFiguresReady(world.session));
    QVERIFY(Click(rules, "bbtn_save"));
    QTRY_VERIFY(MasterFiguresReady(world.session));
    QCOMPARE(WinPer100(world), 4.0);
}

// A chart of the student's own makes the figures kept for the shipped one wrong. The work on them
// goes on behind a waiting screen, and stops when the program ends.
void MasterFiguresTest::figuresForAnotherChartAreWorkedOutAfresh() {
    TestWorld world;
    world.StartAt("N1", "DECK=2\nPLAYPER=75\n");
    QByteArray otherChart = FiguresFile(world, 2, 75, 5.0);
    otherChart.replace("\nchart ", "\nchart 1");
    QVERIFY(test::WriteBytes(KeptPath(world, 2, 75), otherChart));
    RequestMasterFigures(world.session);
    QTRY_VERIFY(MasterFiguresWaitText(world.session).starts_with("Working out the figures\u2026 "));
    QTest::qWait(300);
    QVERIFY(!world.session.masterFigures);
    QVERIFY(!MasterFiguresReady(world.session));
}

QTEST_MAIN(MasterFiguresTest)
#include "tst_master_figures.moc"
