// What a screen reader finds: every control of every screen named, the cards of a round named
// as cards, its verdicts and results announced, and a lecture picture read as what it shows.
#include <QAccessible>
#include <QLabel>
#include <QtTest>

#include "engine/card_name.h"
#include "ui/app_fixture.h"
#include "ui/cpin.h"
#include "ui/practical.h"
#include "ui/practical_layout.h"
#include "ui/table_driver.h"

using namespace vantrel;
using vantrel::test::Click;
using vantrel::test::TableDriver;
using vantrel::test::TestWorld;

class AccessibilityTest : public QObject {
    Q_OBJECT
  private slots:
    void everyControlHasAName_data();
    void everyControlHasAName();
    void aRoundReadsItsCardsAndAnnouncesItsVerdicts();
    void aLecturePictureReadsAsWhatItShows();
};

namespace {

// The roles of what a student works or reads as a thing of its own; a label reads as its text.
constexpr QAccessible::Role kNamedRoles[] = {
    QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton,
    QAccessible::ComboBox,   QAccessible::List,         QAccessible::EditableText,
    QAccessible::Graphic,    QAccessible::Notification, QAccessible::Slider};

// The controls shown under iface that a screen reader would find without a name.
QStringList Unnamed(QAccessibleInterface* iface) {
    QStringList unnamed;
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (!child || child->state().invisible) continue;
        const bool needsName = std::find(std::begin(kNamedRoles), std::end(kNamedRoles),
                                         child->role()) != std::end(kNamedRoles);
        if (needsName && child->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.append(child->object() ? child->object()->objectName() : "?");
        unnamed += Unnamed(child);
    }
    return unnamed;
}

QStringList UnnamedOn(QWidget* screen) {
    return Unnamed(QAccessible::queryAccessibleInterface(screen));
}

// What a screen reader announces: a notification as it shows. (Offscreen, Qt sends no
// accessibility events, so the showing itself is watched.)
class Announcements : public QObject {
  public:
    explicit Announcements(const QWidget* screen) {
        for (QWidget* control : screen->findChildren<QWidget*>())
            if (QAccessible::queryAccessibleInterface(control)->role() == QAccessible::Notification)
                control->installEventFilter(this);
    }
    QStringList said;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            said.append(QAccessible::queryAccessibleInterface(watched)->text(QAccessible::Name));
        return false;
    }
};

}  // namespace

void AccessibilityTest::everyControlHasAName_data() {
    QTest::addColumn<QByteArray>("level");  // "-": the start screen; empty: a first start
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("screen");
    QTest::newRow("start") << QByteArray("-") << QStringList{} << "Tf_main";
    QTest::newRow("introduction") << QByteArray() << QStringList{} << "Tf_first";
    QTest::newRow("general menu") << QByteArray("N1") << QStringList{} << "Tf_menu";
    QTest::newRow("lecture") << QByteArray("N1") << QStringList{"bbtn_l1"} << "Tf_lecture";
    QTest::newRow("rules") << QByteArray("N1") << QStringList{"bbtn_rules"} << "Tf_rules";
    QTest::newRow("record") << QByteArray("N1") << QStringList{"bbtn_record"} << "Tf_record";
    QTest::newRow("drill") << QByteArray("N1") << QStringList{"bbtn_record", "bbtn_drill"}
                           << "Tf_drill";
    QTest::newRow("count-down") << QByteArray("N1") << QStringList{"bbtn_record", "bbtn_countdown"}
                                << "Tf_countdown";
    QTest::newRow("professional menu") << QByteArray("PL1") << QStringList{} << "Tf_promenu";
    QTest::newRow("count keypad") << QByteArray("N1") << QStringList{} << "Tf_cpin";
    QTest::newRow("master menu") << QByteArray("PL1") << QStringList{"bbtn_master"}
                                 << "Tf_mastermenu";
}

void AccessibilityTest::everyControlHasAName() {
    QFETCH(QByteArray, level);
    QFETCH(QStringList, clicks);
    QFETCH(QString, screen);
    TestWorld world;
    TableDriver::WriteTableData(world);
    world.WritePage("NL101");
    if (level == "-")
        world.Start();
    else if (level.isEmpty()) {
        world.Start();
        QVERIFY(Click(world.frame().CurrentScreen(), "bbtn_goodluck"));
    } else {
        world.StartAt(level);
    }
    for (const QString& button : clicks)
        QVERIFY2(Click(world.frame().CurrentScreen(), button.toLatin1().constData()),
                 qPrintable(button));
    QWidget* shown = world.frame().CurrentScreen();
    if (screen == "Tf_cpin") {
        shown = &world.frame().CountDialog();
        shown->show();
    }
    QCOMPARE(shown->objectName(), screen);
    QCOMPARE(UnnamedOn(shown).join(", "), QString());
}

void AccessibilityTest::aRoundReadsItsCardsAndAnnouncesItsVerdicts() {
    TestWorld world;
    TableDriver::WriteTableData(world);
    world.StartAt("N1");
    TableDriver driver(world);
    vantrel::test::EnterTable(world, "bbtn_l5");
    driver.StackDeal("S10", "H06", "D09", "C10", {"S05"});
    QVERIFY(driver.BetAndDeal({5}));

    Tf_practical& table = driver.screen();
    QCOMPARE(UnnamedOn(&table).join(", "), QString());
    // Every card on the table reads as itself, the hole card as a card face down.
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const CardSlot& dealt = driver.table().slot(slot);
        if (!dealt.visible) continue;
        const Card shown = dealt.picture == CardSlot::Picture::Face ? dealt.pictureCard : Card{};
        QCOMPARE(table.findChild<QLabel*>(SlotName(slot))->accessibleName(),
                 QString::fromStdString(CardName(shown)));
    }
    QCOMPARE(table.findChild<QLabel*>(SlotName(DealerSlot(1)))->accessibleName(), "Face down card");
    QCOMPARE(table.findChild<QLabel*>(SlotName(PlayerSlot(1, 2)))->accessibleDescription(),
             "Hand 1, card 2, bet $5");
    QCOMPARE(table.findChild<QLabel*>("l_p1hand")->accessibleName(), "Player hand 1: 16, bet $5");

    // Hard 16 against a 10 hits: standing is a mistake, and is said to be one.
    const Announcements announced(&table);
    QVERIFY(driver.Press("bbtn_stand"));
    QVERIFY(driver.WaitUntilSettled());
    QVERIFY2(announced.said.contains("Incorrect!(HIT)"), qPrintable(announced.said.join(" | ")));
    QVERIFY2(announced.said.contains("Hand 1: Lose"), qPrintable(announced.said.join(" | ")));
}

void AccessibilityTest::aLecturePictureReadsAsWhatItShows() {
    TestWorld world;
    world.WritePage("NL101");
    world.WriteFile("img/NL101.txt", "The heading\nCards: Ace of spades\nBJ!\n");
    world.StartAt("N1");
    QVERIFY(Click(world.frame().CurrentScreen(), "bbtn_l1"));
    const auto* picture = world.frame().CurrentScreen()->findChild<QLabel*>("img_lecture");
    QCOMPARE(picture->accessibleName(), "Picture: The heading");
    QCOMPARE(picture->accessibleDescription(), "Cards: Ace of spades. BJ!");
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
