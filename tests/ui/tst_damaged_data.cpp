// A damaged data file is named in a message box, and the program stays usable: the start screen
// routes, lectures page on, and a round is played at the table. A picture's double-size copy is
// shown on dense screens, and without it the bitmap is.
#include <unistd.h>

#include <QLabel>
#include <QtTest>
#include <memory>

#include "app/data_paths.h"
#include "ui/app_fixture.h"
#include "ui/data_file_loaders.h"
#include "ui/first.h"
#include "ui/lecture.h"
#include "ui/main.h"
#include "ui/menu.h"
#include "ui/practical.h"
#include "ui/table_driver.h"

using namespace vantrel;
using vantrel::test::Click;
using vantrel::test::EnterTable;
using vantrel::test::MemoText;
using vantrel::test::TableDriver;
using vantrel::test::TestWorld;
using vantrel::test::TextOf;

class DamagedDataTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void damagedTableBitmap_data();
    void damagedTableBitmap();
    void damagedStartUpFile_data();
    void damagedStartUpFile();
    void damagedLecturePage_data();
    void damagedLecturePage();
    void emptyChart();
    void pictureForTheScreenDensity_data();
    void pictureForTheScreenDensity();

  private:
    // Starts the program and goes from the start screen through the menu and the lesson's first
    // page to its table, as the student does.
    void OpenTableOf(const char* lessonButton);
    // Plays one round, standing on the deal; true when it was dealt and settled.
    bool PlayARound();
    bool BoxNamed(const QString& file) const;

    std::unique_ptr<TestWorld> world_;
    std::unique_ptr<TableDriver> driver_;
};

namespace {

void AddDamageRows(const QString& file) {
    for (const char* damage : {"missing", "empty", "truncated", "cut in the pixels", "not a bitmap",
                               "directory", "unreadable"})
        QTest::addRow("%s %s", qPrintable(file), damage) << file << damage;
}

// Root reads through permission bits; the directory rows stand in for unreadable files there.
#define SKIP_UNREADABLE_AS_ROOT(damage) \
    if ((damage) == "unreadable" && geteuid() == 0) QSKIP("permission bits do not stop root")

// Spoils a file of the data directory in the way named.
void Damage(TestWorld& world, const QString& file, const QString& damage) {
    const QString path = world.dataDir() + "/" + file;
    QFile original(path);
    const QByteArray bytes = original.open(QIODevice::ReadOnly) ? original.readAll() : QByteArray();
    original.close();
    if (damage == "unreadable") {
        QVERIFY(QFile::setPermissions(path, {}));
        return;
    }
    QVERIFY(QFile::remove(path) || !QFileInfo::exists(path));
    if (damage == "missing") return;
    if (damage == "directory") {
        QVERIFY(QDir().mkpath(path));
        return;
    }
    QByteArray damaged;
    if (damage == "truncated") damaged = bytes.left(30);  // ends inside the header
    if (damage == "cut in the pixels") damaged = bytes.left(bytes.size() / 2);
    if (damage == "not a bitmap") damaged = "This is no picture.\n";
    world.WriteFile(file, damaged);
}

}  // namespace

void DamagedDataTest::init() {
    world_ = std::make_unique<TestWorld>();
    TableDriver::WriteTableData(*world_);
}

void DamagedDataTest::cleanup() {
    driver_.reset();
    world_.reset();
}

void DamagedDataTest::OpenTableOf(const char* lessonButton) {
    world_->StartAt("N1", "GAMESPEED=1\n");
    driver_ = std::make_unique<TableDriver>(*world_);
    EnterTable(*world_, lessonButton);
}

bool DamagedDataTest::PlayARound() {
    driver_->StackDeal("S01", "H09", "D10", "C07");
    if (!driver_->BetAndDeal({5}) || !driver_->Press("bbtn_stand")) return false;
    if (!driver_->WaitUntilSettled()) return false;
    return driver_->rounds() == 1 && world_->CurrentScreenName() == "Tf_practical" &&
           TextOf(&driver_->screen(), "l_chip") == "$10005";
}

bool DamagedDataTest::BoxNamed(const QString& file) const {
    return world_->boxes.texts().join('\n').contains(file);
}

void DamagedDataTest::damagedTableBitmap_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("damage");
    for (const char* file : {"img/S01.bmp", "img/back.bmp", "img/chip005.bmp"}) AddDamageRows(file);
}

void DamagedDataTest::damagedTableBitmap() {
    QFETCH(QString, file);
    QFETCH(QString, damage);
    SKIP_UNREADABLE_AS_ROOT(damage);
    Damage(*world_, file, damage);
    OpenTableOf("bbtn_l3");
    QVERIFY2(BoxNamed(file), qPrintable(world_->boxes.texts().join(" | ")));
    QCOMPARE(world_->boxes.texts().size(), 1);  // reported once, not at every card
    QVERIFY(PlayARound());
    QVERIFY(!driver_->screen().findChild<QLabel*>("img_p1_1")->pixmap().isNull());
}

void DamagedDataTest::damagedStartUpFile_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("damage");
    AddDamageRows("img/prm_title.bmp");
    for (const char* damage : {"directory", "unreadable"})
        QTest::addRow("doc/first.txt %s", damage) << "doc/first.txt" << damage;
}

// The title is read at start-up, the introduction at "Good luck!": either is reported once, and
// the student enters all the same with the settings kept.
void DamagedDataTest::damagedStartUpFile() {
    QFETCH(QString, file);
    QFETCH(QString, damage);
    SKIP_UNREADABLE_AS_ROOT(damage);
    Damage(*world_, file, damage);
    world_->WriteSettings("[GAME]\nRANK=7A\n");
    world_->Start();
    QCOMPARE(world_->session.appState, AppState::Running);
    QVERIFY(Click(world_->screen<Tf_main>(), "bbtn_goodluck"));
    QCOMPARE(world_->CurrentScreenName(), "Tf_first");
    QCOMPARE(world_->boxes.texts().size(), 1);
    QVERIFY(BoxNamed("/" + file));
    QCOMPARE(MemoText(world_->screen<Tf_first>(), "m_first"),
             file == "doc/first.txt" ? "" : "Welcome to the course.\nPlay fair.");
    QVERIFY(Click(world_->screen<Tf_first>(), "bbtn_ok"));
    QCOMPARE(world_->CurrentScreenName(), "Tf_menu");
    QVERIFY(world_->ReadSettings().contains("LV=N1"));
    QVERIFY(world_->ReadSettings().contains("RANK=7A"));  // loaded despite the damage
}

void DamagedDataTest::damagedLecturePage_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("damage");
    for (const char* damage : {"missing", "empty", "not a bitmap", "directory", "unreadable"})
        QTest::addRow("picture, %s", damage) << "img/NL102.bmp" << damage;
    for (const char* damage : {"directory", "unreadable"})
        QTest::addRow("text, %s", damage) << "doc/NL102.txt" << damage;
}

// The middle page of three is damaged: it is reported, and the student goes on to page 3.
void DamagedDataTest::damagedLecturePage() {
    QFETCH(QString, file);
    QFETCH(QString, damage);
    for (const char* page : {"NL101", "NL102", "NL103"}) world_->WritePage(page);
    SKIP_UNREADABLE_AS_ROOT(damage);
    Damage(*world_, file, damage);
    world_->StartAt("N1", "GAMESPEED=1\n");
    QVERIFY(Click(world_->screen<Tf_menu>(), "bbtn_l1"));
    const Tf_lecture* lecture = world_->screen<Tf_lecture>();

    QVERIFY(Click(lecture, "bbtn_next"));
    QCOMPARE(TextOf(lecture, "l_no"), "2");
    QCOMPARE(world_->boxes.texts().size(), 1);
    QVERIFY(BoxNamed("/" + file));
    // Nothing of the page before stays in place of what is damaged.
    if (file.startsWith("doc/")) QCOMPARE(MemoText(lecture, "m_lecture"), "");
    if (file.startsWith("img/"))
        QVERIFY(lecture->findChild<QLabel*>("img_lecture")->pixmap().isNull());

    QCOMPARE(TextOf(lecture, "bbtn_next"), "Next ->");
    QVERIFY(Click(lecture, "bbtn_next"));
    QCOMPARE(TextOf(lecture, "l_no"), "3");
    QCOMPARE(MemoText(lecture, "m_lecture"), "Text of NL103");
    QVERIFY(Click(lecture, "bbtn_next"));  // "Finish"
    QCOMPARE(world_->CurrentScreenName(), "Tf_menu");
    QCOMPARE(world_->boxes.texts().size(), 1);
}

// An empty chart is no error: nothing is reported, and in the strategy lesson no decision is
// judged right, but the lesson plays on.
void DamagedDataTest::emptyChart() {
    world_->WriteFile("bs4bj.dat", "");
    OpenTableOf("bbtn_l5");
    QVERIFY(world_->boxes.texts().isEmpty());
    const StrategyTable& chart = world_->session.chartFile.chart;
    QVERIFY(chart.hard == StrategyTable{}.hard && chart.soft == StrategyTable{}.soft &&
            chart.pair == StrategyTable{}.pair);
    QVERIFY(PlayARound());
    QCOMPARE(TextOf(&driver_->screen(), "l_norm"), QString("101 times to go"));
}

void DamagedDataTest::pictureForTheScreenDensity_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<bool>("copyThere");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QColor>("colour");  // dark red the bitmap, blue its copy
    QTest::addRow("1x: the bitmap") << 1.0 << true << QSize(40, 30) << QColor(Qt::darkRed);
    QTest::addRow("2x: the copy") << 2.0 << true << QSize(80, 60) << QColor(Qt::blue);
    QTest::addRow("1.5x: the copy, brought down")
        << 1.5 << true << QSize(60, 45) << QColor(Qt::blue);
    QTest::addRow("2x without a copy: the bitmap")
        << 2.0 << false << QSize(40, 30) << QColor(Qt::darkRed);
}

// Whichever file is shown, the picture takes the bitmap's size on screen.
void DamagedDataTest::pictureForTheScreenDensity() {
    QFETCH(qreal, ratio);
    QFETCH(bool, copyThere);
    QFETCH(QSize, pixels);
    QFETCH(QColor, colour);
    world_->WriteBitmap("img/NL101.bmp", {40, 30});
    const QString path = world_->dataDir() + "/img/NL101.bmp";
    QImage copy(80, 60, QImage::Format_RGB32);
    copy.fill(Qt::blue);
    if (copyThere) QVERIFY(copy.save(QString::fromStdString(DoubleSizePath(path.toStdString()))));
    const QPixmap picture = ReadPicture(path, ratio);
    QCOMPARE(picture.size(), pixels);
    QCOMPARE(ShownSize(picture), QSize(40, 30));
    QCOMPARE(picture.toImage().pixelColor(pixels.width() / 2, pixels.height() / 2), colour);
}

QTEST_MAIN(DamagedDataTest)
#include "tst_damaged_data.moc"
