// Spot checks of the layout of every screen and the table: names, places, captions and the
// common look.
#include <QDate>
#include <QFrame>
#include <QPushButton>
#include <QtTest>

#include "ui/app_fixture.h"
#include "ui/cpin.h"
#include "ui/screen.h"

using namespace vantrel;
using vantrel::test::TestWorld;

class LayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();

    void controlsStandWhereTheyBelong_data();
    void controlsStandWhereTheyBelong();
    void buttonsShareOneLook();
    void titleBandsCarryTheScreensColour();
    void frameAndDialogHaveTheirFixedSizes();

  private:
    const QWidget* Window(const QString& name) const;
    std::unique_ptr<TestWorld> world_;
};

void LayoutTest::initTestCase() {
    world_ = std::make_unique<TestWorld>();
    world_->Start();
}

void LayoutTest::cleanupTestCase() {
    world_.reset();
}

const QWidget* LayoutTest::Window(const QString& name) const {
    if (name == "Tf_cpin") return &world_->frame().CountDialog();
    return world_->frame().findChild<Screen*>(name);
}

void LayoutTest::controlsStandWhereTheyBelong_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("text");  // a null text is not checked

    const auto row = [](const char* window, const char* control, QRect rect, QString text) {
        QTest::addRow("%s %s", window, control) << window << control << rect << text;
    };
    row("Tf_main", "Label1", {28, 16, 577, 28}, "Vantrel \"the Blackjack Course\"");
    row("Tf_main", "l_version", {580, 32, 24, 12}, "v1.1");
    row("Tf_main", "bbtn_goodluck", {92, 408, 149, 25}, "Good luck!");
    row("Tf_main", "bbtn_goodbye", {392, 408, 149, 25}, "Good bye!");

    row("Tf_first", "l_title", {28, 16, 577, 28}, "Introduction");
    row("Tf_first", "bbtn_ok", {16, 412, 193, 25}, "I agree and enter.");
    row("Tf_first", "bbtn_cancel", {424, 412, 193, 25}, "I don' t agree.");

    row("Tf_menu", "l_title", {28, 16, 577, 28}, "General Course");
    row("Tf_menu", "bbtn_rules", {312, 12, 93, 29}, "Rules");
    row("Tf_menu", "bbtn_web", {512, 12, 93, 29}, "Web Site");
    row("Tf_menu", "bbtn_record", {412, 12, 93, 29}, "Record");
    row("Tf_menu", "bbtn_l1", {64, 60, 505, 37}, "Lesson1.Black Jack           ");
    row("Tf_menu", "bbtn_pro", {64, 348, 505, 37}, "Professional Course");
    row("Tf_menu", "bbtn_goodbye", {64, 404, 505, 37}, "Good bye!");

    row("Tf_promenu", "l_title", {28, 16, 577, 28}, "Professional Course");
    row("Tf_promenu", "bbtn_record", {412, 12, 93, 29}, "Record");
    row("Tf_promenu", "bbtn_l1", {64, 60, 505, 37}, "Lesson1.Counting           ");
    row("Tf_promenu", "bbtn_l6", {64, 300, 505, 37}, "All Night Play Room");
    row("Tf_promenu", "bbtn_normal", {64, 348, 505, 37}, "General Course");

    row("Tf_lecture", "img_lecture", {16, 60, 600, 248}, {});
    row("Tf_lecture", "bbtn_back", {16, 412, 121, 25}, "<- Back");

    row("Tf_rules", "l_title", {28, 16, 577, 28}, "Rules");
    row("Tf_rules", "bbtn_deck8", {544, 64, 73, 29}, "8");
    row("Tf_rules", "bbtn_speedmore", {384, 184, 33, 29}, "+");
    row("Tf_rules", "m_rules", {16, 236, 601, 161}, {});
    row("Tf_rules", "bbtn_save", {496, 412, 121, 25}, "Save");
    row("Tf_record", "l_title", {28, 16, 577, 28}, "Record");
    row("Tf_record", "bbtn_drill", {16, 412, 121, 25}, "Drill");
    row("Tf_record", "bbtn_menu", {496, 412, 121, 25}, "Menu");
    row("Tf_drill", "l_title", {28, 16, 577, 28}, "Strategy Drill");
    row("Tf_drill", "bbtn_double", {496, 264, 121, 25}, "DOUBLE DOWN");
    row("Tf_countdown", "l_title", {28, 16, 577, 28}, "Count-down Drill");
    row("Tf_countdown", "bbtn_mypace", {464, 108, 113, 29}, "My pace");

    row("Tf_cpin", "l_msg", {16, 4, 337, 49}, "How much is your current Counting Point?");
    row("Tf_cpin", "bbtn_bs", {252, 192, 105, 25}, "BS");
    row("Tf_cpin", "bbtn_ok", {124, 228, 121, 25}, "OK");

    row("Tf_practical", "img_p1_1", {148, 192, 49, 64}, {});  // first cards are wider
    row("Tf_practical", "l_tblmsg", {16, 124, 601, 20},
        "Dealer must hit to 16,and stand on all 17's");
    row("Tf_practical", "l_bet025", {48, 332, 57, 32}, "BET");
    row("Tf_practical", "bbtn_menu", {256, 412, 121, 25}, "Menu");
    row("Tf_practical", "bbtn_split", {496, 300, 121, 25}, "SPLIT");
    row("Tf_practical", "l_timeout", {296, 212, 41, 33}, {});
}

void LayoutTest::controlsStandWhereTheyBelong() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QRect, rect);
    QFETCH(QString, text);

    const QWidget* parent = Window(window);
    QVERIFY(parent);
    const auto* widget = parent->findChild<QWidget*>(control, Qt::FindDirectChildrenOnly);
    QVERIFY2(widget, qPrintable(control));
    QCOMPARE(widget->geometry(), rect);
    if (!text.isNull()) QCOMPARE(vantrel::test::TextOf(parent, qPrintable(control)), text);
}

void LayoutTest::buttonsShareOneLook() {
    for (const char* name : {"Tf_main", "Tf_first", "Tf_menu", "Tf_promenu", "Tf_lecture",
                             "Tf_rules", "Tf_record", "Tf_drill", "Tf_countdown", "Tf_cpin"}) {
        const QWidget* window = Window(name);
        const auto buttons = window->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
        QVERIFY(!buttons.isEmpty());
        for (const QPushButton* button : buttons) {
            const QString where = window->objectName() + " " + button->objectName();
            QVERIFY2(button->cursor().shape() == Qt::PointingHandCursor, qPrintable(where));
            // A click never takes the focus: mouse play shows no focus frame.
            QVERIFY2(!(button->focusPolicy() & Qt::ClickFocus), qPrintable(where));
            QVERIFY2(button->font().bold(), qPrintable(where));
            QVERIFY2(button->font().families().first() == "ＭＳ ゴシック", qPrintable(where));
            const int size = button->font().pixelSize();
            QVERIFY2(size == 16 || size == 20, qPrintable(where));
        }
    }
}

void LayoutTest::titleBandsCarryTheScreensColour() {
    const std::pair<const char*, QColor> outlines[] = {{"Tf_main", Qt::white},
                                                       {"Tf_menu", QColor(128, 255, 128)},
                                                       {"Tf_promenu", QColor(192, 192, 255)}};
    for (const auto& [screen, outline] : outlines) {
        const QWidget* window = Window(screen);
        QCOMPARE(window->palette().color(QPalette::Window), QColor(0, 64, 64));
        const auto* band = window->findChild<QFrame*>("s_title", Qt::FindDirectChildrenOnly);
        QVERIFY2(band, screen);
        QCOMPARE(band->geometry(), QRect(16, 4, 601, 45));
        QCOMPARE(band->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(band->palette().color(QPalette::WindowText), outline);
    }
}

void LayoutTest::frameAndDialogHaveTheirFixedSizes() {
    const Tf_mdi& frame = world_->frame();
    QCOMPARE(frame.windowTitle(), "KDX-ZORUVIRID");
    QCOMPARE(frame.centralWidget()->size(), QSize(632, 453));
    QVERIFY(!(frame.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(frame.minimumSize(), frame.maximumSize());
    const QString attribution = vantrel::test::TextOf(Window("Tf_main"), "l_copyright");
    QVERIFY2(attribution.endsWith(" " + QDate::currentDate().toString("yyyy")),
             qPrintable(attribution));

    const Tf_cpin& dialog = world_->frame().CountDialog();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.windowTitle(), "VEDevoDURIDOZIZ");
    QCOMPARE(dialog.size(), QSize(369, 265));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
