// The Master Course from the Professional Course menu: its menu, the discard tray, the true-count
// and betting practices, and the exam's closing page.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "ui/app_fixture.h"
#include "ui/cpin.h"
#include "ui/discard_tray.h"
#include "ui/mastermenu.h"
#include "ui/practical.h"
#include "ui/table_driver.h"

using namespace vantrel;
using vantrel::test::Click;
using vantrel::test::MemoText;
using vantrel::test::TableDriver;
using vantrel::test::TestWorld;
using vantrel::test::TextOf;

class MasterTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();

    void menuPathReachesEveryLessonAndBack();
    void trueCountPracticeJudgesAtTheTrayHeight();
    void bettingPracticeJudgesTheBetAtAScriptedCount();
    void examClosingPageShowsItsFigures();

  private:
    // Starts at the Professional Course with the Master Course's pages on disk.
    void Start(bool withFigures = true);
    // From the Professional Course menu to a Master lesson's table.
    void OpenTable(const char* button);
    // Answers the keypad's next questions with `answer`, keeping the question it showed.
    void AnswerTrueCount(int answer);
    // A picture of the frame, the keypad drawn over it when it is up, for the notes.
    // `balloon`: with the player's balloon shown as its last text, which a wait hides again.
    void Shot(const QString& name, bool balloon = false) const;
    QString Text(const char* name) const { return TextOf(&driver_->screen(), name); }

    std::unique_ptr<TestWorld> world_;
    std::unique_ptr<TableDriver> driver_;
    QString question_;
};

namespace {

// Figures filled by hand: one unit below true +2, then 2, 4 and 8 units of $5.
std::shared_ptr<strategy::MasterFigures> ScriptedFigures() {
    auto figures = std::make_shared<strategy::MasterFigures>();
    figures->ramp = {{2, 2}, {3, 4}, {4, 8}};
    figures->byCount = {{-1, 0.3, -0.01, -0.008}, {0, 0.5, -0.005, -0.004}, {2, 0.2, 0.01, 0.01}};
    return figures;
}

}  // namespace

void MasterTest::cleanup() {
    driver_.reset();
    world_.reset();
}

void MasterTest::Start(bool withFigures) {
    world_ = std::make_unique<TestWorld>();
    TableDriver::WriteTableData(*world_);
    for (const char* page : {"ML101", "ML102", "ML201", "ML299", "ML301", "ML399", "ML401", "ML501",
                             "ML599", "ML601", "ML699"})
        world_->WritePage(page);
    if (!qgetenv("VANTREL_SHOTS").isEmpty()) {
        // Pictures for the notes: the built course's bitmaps, where they are.
        const QDir data(VANTREL_DATA_DIR);
        for (const QString& file : QDir(data.filePath("img")).entryList({"*.bmp"}, QDir::Files))
            world_->WriteFile("img/" + file,
                              vantrel::test::ReadBytes(data.filePath("img/" + file)));
    }
    if (withFigures) world_->session.masterFigures = ScriptedFigures();
    world_->StartAt("PL1");
    driver_ = std::make_unique<TableDriver>(*world_);
    QCOMPARE(world_->CurrentScreenName(), "Tf_promenu");
}

void MasterTest::OpenTable(const char* button) {
    QVERIFY(Click(world_->frame().CurrentScreen(), "bbtn_master"));
    vantrel::test::EnterTable(*world_, button);
    driver_->screen().masterCoach().SetChance([](double chance) { return chance > 0.0; });
}

void MasterTest::AnswerTrueCount(int answer) {
    auto* poll = new QTimer(&driver_->screen());
    QObject::connect(poll, &QTimer::timeout, [this, answer] {
        auto* dialog = qobject_cast<Tf_cpin*>(QApplication::activeModalWidget());
        if (!dialog) return;
        question_ = dialog->findChild<QLabel*>("l_msg")->text();
        dialog->findChild<QLineEdit*>("e_cp")->setText(QString::number(answer));
        Shot("master_ml2_question");
        dialog->findChild<QPushButton*>("bbtn_ok")->click();
    });
    poll->start(5);
}

void MasterTest::Shot(const QString& name, bool balloon) const {
    const QByteArray folder = qgetenv("VANTREL_SHOTS");
    if (folder.isEmpty()) return;
    if (balloon)
        for (const char* part : {"s_pmsg", "l_pmsg"})
            driver_->screen().findChild<QWidget*>(part)->show();
    QPixmap shot = world_->frame().grab();
    if (auto* dialog = qobject_cast<QWidget*>(QApplication::activeModalWidget())) {
        QPainter painter(&shot);
        painter.drawPixmap((shot.width() - dialog->width()) / 2,
                           (shot.height() - dialog->height()) / 2, dialog->grab());
    }
    shot.save(QString::fromUtf8(folder) + "/" + name + ".png");
    if (balloon)
        for (const char* part : {"s_pmsg", "l_pmsg"})
            driver_->screen().findChild<QWidget*>(part)->hide();
}

// Every lesson opens from the Master Course menu, and every way back leads to it: a lecture's
// "Menu", the table's "Menu", the Record screen. The lessons wait for the figures.
void MasterTest::menuPathReachesEveryLessonAndBack() {
    Start(false);
    const QWidget* professional = world_->frame().CurrentScreen();
    QCOMPARE(professional->findChild<QPushButton*>("bbtn_master")->geometry(),
             QRect(64, 252, 505, 37));
    QCOMPARE(TextOf(professional, "bbtn_master"), "Master Course");
    QVERIFY(Click(professional, "bbtn_master"));
    QCOMPARE(world_->CurrentScreenName(), "Tf_mastermenu");
    const QWidget* menu = world_->frame().CurrentScreen();
    QCOMPARE(world_->session.returnMenu, 4);
    QCOMPARE(TextOf(menu, "l_title"), "Master Course");
    int top = 60;
    for (const char* name :
         {"bbtn_l1", "bbtn_l2", "bbtn_l3", "bbtn_l4", "bbtn_l5", "bbtn_l6", "bbtn_pro"}) {
        QCOMPARE(menu->findChild<QPushButton*>(name)->geometry(), QRect(64, top, 505, 37));
        top += 48;
    }
    QVERIFY(!Click(menu, "bbtn_l1"));
    QVERIFY(TextOf(menu, "l_figures").startsWith("Working out the figures"));
    world_->session.masterFigures = ScriptedFigures();
    QTRY_VERIFY(menu->findChild<QPushButton*>("bbtn_l6")->isEnabled());
    QCOMPARE(TextOf(menu, "l_figures"), "");
    Shot("master_menu");

    const struct {
        const char* button;
        const char* page;
        bool table;
    } lessons[] = {{"bbtn_l1", "ML101", false}, {"bbtn_l2", "ML201", true},
                   {"bbtn_l3", "ML301", true},  {"bbtn_l4", "ML401", false},
                   {"bbtn_l5", "ML501", true},  {"bbtn_l6", "ML601", true}};
    for (const auto& lesson : lessons) {
        QVERIFY(Click(world_->frame().CurrentScreen(), lesson.button));
        QCOMPARE(world_->CurrentScreenName(), "Tf_lecture");
        QCOMPARE(MemoText(world_->frame().CurrentScreen(), "m_lecture"),
                 QString("Text of ") + lesson.page);
        QVERIFY(Click(world_->frame().CurrentScreen(), "bbtn_menu"));
        if (lesson.table) {
            QCOMPARE(world_->CurrentScreenName(), "Tf_practical");
            QVERIFY(driver_->screen().findChild<DiscardTray*>("img_tray")->isVisible());
            QVERIFY(Click(world_->frame().CurrentScreen(), "bbtn_menu"));  // OK to the question
        }
        QCOMPARE(world_->CurrentScreenName(), "Tf_mastermenu");
    }
    QVERIFY(Click(world_->frame().CurrentScreen(), "bbtn_record"));
    QVERIFY(Click(world_->frame().CurrentScreen(), "bbtn_menu"));
    QCOMPARE(world_->CurrentScreenName(), "Tf_mastermenu");
    QVERIFY(Click(world_->frame().CurrentScreen(), "bbtn_pro"));
    QCOMPARE(world_->CurrentScreenName(), "Tf_promenu");
    QCOMPARE(world_->session.returnMenu, 2);

    // The other courses' tables have no tray.
    vantrel::test::EnterTable(*world_, "bbtn_l6");
    QVERIFY(!driver_->screen().findChild<DiscardTray*>("img_tray")->isVisible());
    QCOMPARE(world_->boxes.texts(),
             QStringList({"You want to go back to Menu?", "You want to go back to Menu?",
                          "You want to go back to Menu?", "You want to go back to Menu?"}));
}

// A shoe short of a deck and a half and one round: the tray stands at 82 cards of 312, between
// the marks for 4 and 4.5 decks left. +17 reads +3 at 4.5 decks and +4 at 4: both are right.
void MasterTest::trueCountPracticeJudgesAtTheTrayHeight() {
    Start();
    OpenTable("bbtn_l2");
    Table& table = driver_->table();
    for (int rank = 1; rank <= 13; ++rank) table.shoe().SetCount(1, rank, 0);  // 78 spades gone
    table.shoe().runningCount = 20;
    AnswerTrueCount(4);
    driver_->StackDeal("H10", "D10", "C10", "H09");
    QVERIFY(driver_->BetAndDeal({5}));
    QVERIFY(driver_->Press("bbtn_stand"));
    QVERIFY(driver_->WaitUntilSettled());
    Shot("master_tray");
    Shot("master_ml2_verdict", true);
    QCOMPARE(question_, "What is the true count now?");
    const auto* tray = driver_->screen().findChild<DiscardTray*>("img_tray");
    QCOMPARE(tray->cardsDealt(), 82);
    QCOMPARE(tray->StackHeight(), 90 * 82 / 312);
    QCOMPARE(Text("l_pmsg"), "OK!\nrunning +17\n4.5 decks: true +3");
    QCOMPARE(Text("l_norm"), "9 times to go");
    QVERIFY(world_->boxes.texts().isEmpty());
}

// Six decks untouched and +14: true +2, where the ramp bets two units.
void MasterTest::bettingPracticeJudgesTheBetAtAScriptedCount() {
    Start();
    OpenTable("bbtn_l3");
    driver_->table().shoe().runningCount = 14;
    driver_->StackDeal("S10", "H10", "D10", "C09");
    QVERIFY(driver_->BetAndDeal({5}));
    QCOMPARE(Text("l_pmsg"), "Incorrect!($10)");
    Shot("master_ml3_verdict", true);
    QVERIFY(driver_->Press("bbtn_stand"));
    QVERIFY(driver_->WaitUntilSettled());
    QCOMPARE(Text("l_norm"), "51 times to go");
    // -3 in that round: +11 reads +1 at 6 decks, or +2 at 5.5; $5 and $10 both follow the ramp.
    driver_->StackDeal("S10", "H10", "D10", "C09");
    QVERIFY(driver_->BetAndDeal({5, 5}));
    QCOMPARE(Text("l_pmsg"), "OK!");
    QVERIFY(driver_->Press("bbtn_stand"));
    QVERIFY(driver_->WaitUntilSettled());
    QCOMPARE(Text("l_norm"), "50 times to go");
}

// The exam's last shoe ends after this round: its closing page tells each share, the EV and
// the luck.
void MasterTest::examClosingPageShowsItsFigures() {
    Start();
    OpenTable("bbtn_l6");
    QCOMPARE(Text("l_norm"), "4 shoes to go");
    driver_->screen().masterCoach().SetChance([](double) { return false; });
    driver_->table().state().quotaLeft = 1;
    driver_->table().shoe().cardsToCut = 2;
    driver_->StackDeal("S10", "H10", "D10", "C09");
    QVERIFY(driver_->BetAndDeal({5}));
    QVERIFY(driver_->Press("bbtn_stand"));
    QTRY_COMPARE(world_->CurrentScreenName(), "Tf_lecture");
    // As a screen reader reads the picture.
    const auto* picture = world_->frame().CurrentScreen()->findChild<QLabel*>("img_lecture");
    const QString page = picture->accessibleName() + " " + picture->accessibleDescription();
    QVERIFY2(page.contains("Master Exam passed! Decisions right: 100.0% (1 of 1"),
             qPrintable(page));
    QVERIFY(page.contains("Bets on the ramp: 100.0% (1 of 1"));
    QVERIFY(page.contains("Net result: +$5.00; of it luck: +$5.0"));
    Shot("master_ml6_closing");
    QVERIFY(Click(world_->frame().CurrentScreen(), "bbtn_menu"));
    QCOMPARE(world_->CurrentScreenName(), "Tf_mastermenu");
}

QTEST_MAIN(MasterTest)
#include "tst_master.moc"
