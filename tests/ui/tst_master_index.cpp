// The index practice at the table screen: a deviation judged at the true count with the values of
// the actions shown, and the insurance offer, which only the Master Course's tables make.
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "coach/lessons.h"
#include "record/record_queries.h"
#include "record/record_text.h"
#include "recorder/recorder.h"
#include "strategy/true_count.h"
#include "ui/app_fixture.h"
#include "ui/delay.h"
#include "ui/practical.h"
#include "ui/recording.h"
#include "ui/table_driver.h"

using namespace vantrel;
using vantrel::test::ReadBytes;
using vantrel::test::TableDriver;
using vantrel::test::TestWorld;
using vantrel::test::TextOf;

namespace {

strategy::IndexNumber Index(const char* hand, int up, char basic, char play, int index) {
    strategy::IndexNumber number;
    number.hand = hand;
    number.up = up;
    number.basic = basic;
    number.play = play;
    number.index = index;
    return number;
}

// Saves what the screen shows when the shots folder is named, for people to look at.
QString ShotFolder() {
    return qEnvironmentVariable("VANTREL_SHOT_DIR");
}
void Shot(QWidget& screen, const char* name) {
    if (!ShotFolder().isEmpty()) screen.grab().save(ShotFolder() + "/" + name + ".png");
}

}  // namespace

class MasterIndexTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();
    void judgesSixteenAgainstTenAtTrueOneAsStand();
    void offersInsuranceAgainstAnAce();
    void offersNoInsuranceElsewhere_data();
    void offersNoInsuranceElsewhere();

  private:
    void Enter(const char* code, bool recording = false);
    QWidget* Widget(const char* name) const { return driver_->screen().findChild<QWidget*>(name); }
    // A running count that reads `trueCount` once the player's cards and the up card, whose
    // Hi-Lo count is `shown`, are out.
    void CountBeforeDeal(int trueCount, int shown);

    std::unique_ptr<TestWorld> world_;
    std::unique_ptr<TableDriver> driver_;
};

void MasterIndexTest::cleanup() {
    driver_.reset();
    world_.reset();
}

void MasterIndexTest::Enter(const char* code, bool recording) {
    world_ = std::make_unique<TestWorld>();
    TableDriver::WriteTableData(*world_);
    if (recording) StartRecording(world_->session);
    // For people to look at, the pictures the build drew, where it has drawn them.
    if (!ShotFolder().isEmpty())
        for (const QFileInfo& picture : QDir(VANTREL_DATA_DIR "/img").entryInfoList({"*.bmp"}))
            world_->WriteFile("img/" + picture.fileName(), ReadBytes(picture.filePath()));
    world_->StartAt("N1");
    auto figures = std::make_shared<strategy::MasterFigures>();
    figures->indices = {Index("16", 10, 'H', 'S', 0), Index("any", 1, '-', 'I', 3)};
    world_->session.masterFigures = figures;
    driver_ = std::make_unique<TableDriver>(*world_);
    Session& session = world_->session;
    session.lesson.lessonCode = code;
    session.lesson.lessonHasTable = true;
    SetTableValues(session.lesson, *FindLesson(code));
    world_->frame().ShowScreen(ScreenId::Practical);
    QCOMPARE(world_->CurrentScreenName(), "Tf_practical");
}

void MasterIndexTest::CountBeforeDeal(int trueCount, int shown) {
    Shoe& shoe = driver_->table().shoe();
    const int unseen = shoe.CardsLeft() - 3;
    const int magnitude = std::abs(trueCount) * unseen / 52 + (trueCount != 0);
    shoe.runningCount = (trueCount < 0 ? -magnitude : magnitude) - shown;
    QCOMPARE(strategy::TrueCount(shoe.runningCount + shown, unseen), trueCount);
}

void MasterIndexTest::judgesSixteenAgainstTenAtTrueOneAsStand() {
    Enter("ML5");
    // Real waits: the balloon stays up long enough to be seen beside the values.
    SetDelayTimeScale(1.0);
    QTRY_VERIFY_WITH_TIMEOUT(Widget("img_chip005")->isVisible(), 20000);
    CountBeforeDeal(1, -1);
    driver_->StackDeal("S10", "H06", "D05", "C10", {"D03"});
    QVERIFY(driver_->BetAndDeal({5}));
    QVERIFY(!Widget("bbtn_insurance")->isVisible());
    QString balloon;
    bool shot = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (Widget("l_pmsg")->isVisible()) balloon = TextOf(&driver_->screen(), "l_pmsg");
        if (!shot && Widget("l_pmsg")->isVisible() && Widget("l_ev")->isVisible()) {
            Shot(driver_->screen(), "master_index_verdict");
            shot = true;
        }
    });
    watch.start(5);
    QVERIFY(driver_->Press("bbtn_hit"));
    QCOMPARE(balloon, "Incorrect!(STAND: true +0)");
    QTRY_VERIFY_WITH_TIMEOUT(Widget("l_ev")->isVisible(), 10000);
    const QString values = TextOf(&driver_->screen(), "l_ev");
    QVERIFY2(values.startsWith("EV for this shoe\nH -0.") && values.contains(" S -0."),
             qPrintable(values));
    QCOMPARE(driver_->table().state().quotaLeft, 101);
}

void MasterIndexTest::offersInsuranceAgainstAnAce() {
    Enter("ML5", true);
    QTRY_VERIFY_WITH_TIMEOUT(Widget("img_chip005")->isVisible(), 20000);
    driver_->StackDeal("S10", "H08", "D07", "C01");
    QVERIFY(driver_->BetAndDeal({5, 5}));
    auto* insurance = static_cast<QPushButton*>(Widget("bbtn_insurance"));
    QVERIFY(insurance->isVisible());
    QCOMPARE(insurance->text(), "Insurance");
    QCOMPARE(insurance->geometry(), QRect(496, 160, 121, 25));
    Shot(driver_->screen(), "master_insurance_offer");
    const int chips = driver_->table().lesson().chips;
    QTest::keyClick(&driver_->screen(), Qt::Key_I);
    QTRY_VERIFY(!insurance->isVisible());
    QCOMPARE(driver_->table().lesson().chips, chips - 5);
    // Taken at a count near zero against an index of +3: wrong, and so kept in the record.
    QTRY_COMPARE(driver_->table().state().quotaLeft, 101);
    QVERIFY(world_->session.recorder->WaitUntilWritten(std::chrono::seconds(10)));
    const std::vector<record::Mistake> mistakes =
        record::MistakesByCell(record::RecordReader(world_->session.installation.progress.record));
    QCOMPARE(mistakes.size(), std::size_t{1});
    QCOMPARE(record::MistakeText(mistakes[0]),
             "Insurance vs A at true +0: you TOOK, right NO, 1 time");
}

void MasterIndexTest::offersNoInsuranceElsewhere_data() {
    QTest::addColumn<QString>("lesson");
    for (const char* code : {"NL3", "NL5", "NL6", "PL2", "PL3"})
        QTest::newRow(code) << QString(code);
}

void MasterIndexTest::offersNoInsuranceElsewhere() {
    QFETCH(QString, lesson);
    Enter(lesson.toLatin1().constData());
    QTRY_VERIFY_WITH_TIMEOUT(Widget("img_chip005")->isVisible(), 20000);
    driver_->StackDeal("S10", "H08", "D07", "C01");
    QVERIFY(driver_->BetAndDeal({5}));
    QVERIFY(!Widget("bbtn_insurance")->isVisible());
    const int chips = driver_->table().lesson().chips;
    QTest::keyClick(&driver_->screen(), Qt::Key_I);
    QCOMPARE(driver_->table().lesson().chips, chips);
    QVERIFY(driver_->table().state().roundActive);
    QVERIFY(!Widget("l_ev")->isVisible());
}

QTEST_MAIN(MasterIndexTest)
#include "tst_master_index.moc"
