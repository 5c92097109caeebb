#include "ui/table_driver.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "ui/cpin.h"
#include "ui/delay.h"
#include "ui/practical.h"

namespace vantrel::test {

TableDriver::TableDriver(TestWorld& world) : world_(world) {
    SetDelayTimeScale(0.01);
}

TableDriver::~TableDriver() {
    SetDelayTimeScale(1.0);
}

void TableDriver::WriteTableData(TestWorld& world) {
    for (const char* chip : {"chip005", "chip025", "chip100"})
        world.WriteBitmap(QString("img/%1.bmp").arg(chip), {32, 32});
    world.WriteBitmap("img/back.bmp", {48, 64});
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank)
            world.WriteBitmap(
                QString("img/%1.bmp").arg(QString::fromStdString(Card{suit, rank}.code())),
                {48, 64});
    QFile chart(VANTREL_SOURCE_DIR "/data/bs4bj.dat");
    if (!chart.open(QIODevice::ReadOnly)) qFatal("no chart in the source tree");
    world.WriteFile("bs4bj.dat", chart.readAll());
    for (const char* code : {"NL3", "NL5", "NL6", "PL2", "PL3"})
        for (const char* page : {"01", "99"}) world.WritePage(QString(code) + page);
}

Tf_practical& TableDriver::screen() const {
    return *world_.screen<Tf_practical>();
}

Table& TableDriver::table() const {
    return screen().table();
}

void TableDriver::StackDeal(const char* player1, const char* player2, const char* hole,
                            const char* up, const std::vector<std::string>& more) {
    std::vector<Card> cards;
    for (const char* code : {player1, hole, player2, up}) cards.push_back(Card::FromCode(code));
    for (const std::string& code : more) cards.push_back(Card::FromCode(code));
    table().shoe().StackCards(cards);
}

bool TableDriver::BetAndDeal(const std::vector<int>& chips) {
    for (int chip : chips) {
        const QString name = QString("img_chip%1").arg(chip, 3, 10, QChar('0'));
        auto* picture = screen().findChild<QLabel*>(name);
        if (!picture || !picture->isVisible()) return false;
        QTest::mouseClick(picture, Qt::LeftButton);
    }
    const int before = table().shoe().roundsSinceShuffle;
    // Dealt: the round waits for the student, or it was settled at once.
    const bool dealt = QTest::qWaitFor(
        [&] {
            return table().shoe().roundsSinceShuffle != before &&
                   (table().actionsEnabled() || !table().state().roundActive);
        },
        10000);
    if (dealt) ++rounds_;
    return dealt;
}

bool TableDriver::Press(const char* name) {
    auto* button = screen().findChild<QPushButton*>(name);
    if (!button || !button->isEnabled() || !button->isVisible()) return false;
    button->click();
    return true;
}

bool TableDriver::WaitUntilSettled() {
    return QTest::qWaitFor([&] { return !table().state().roundActive; }, 10000);
}

void TableDriver::AnswerCountQuestions(int offset) {
    auto* poll = new QTimer(&screen());
    QObject::connect(poll, &QTimer::timeout, [this, offset] {
        auto* dialog = qobject_cast<Tf_cpin*>(QApplication::activeModalWidget());
        if (!dialog) return;
        dialog->findChild<QLineEdit*>("e_cp")->setText(
            QString::number(table().shoe().runningCount + offset));
        dialog->findChild<QPushButton*>("bbtn_ok")->click();
    });
    poll->start(5);
}

void EnterTable(TestWorld& world, const char* lessonButton) {
    QVERIFY(Click(world.frame().CurrentScreen(), lessonButton));
    if (world.CurrentScreenName() == "Tf_lecture") {
        const QWidget* lecture = world.frame().CurrentScreen();
        QCOMPARE(TextOf(lecture, "bbtn_menu"), "Start");
        QCOMPARE(TextOf(lecture, "l_no"), "");
        QVERIFY(!Click(lecture, "bbtn_back"));
        QVERIFY(!Click(lecture, "bbtn_next"));
        QVERIFY(Click(lecture, "bbtn_menu"));
    }
    QCOMPARE(world.CurrentScreenName(), "Tf_practical");
    QVERIFY(!QGuiApplication::overrideCursor());
}

}  // namespace vantrel::test
