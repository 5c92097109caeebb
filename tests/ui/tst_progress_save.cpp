// A failed save of progress ("I agree and enter.", the exam's "Finish") keeps the old file and the
// screen, shows the error, and a later try saves without losing anything else in the file.
#include <sys/stat.h>

#include <QDir>
#include <QtTest>
#include <optional>

#include "app/settings.h"
#include "support/file_size_limit.h"
#include "support/unprivileged_user.h"
#include "ui/app_fixture.h"
#include "ui/first.h"
#include "ui/lecture.h"
#include "ui/main.h"
#include "ui/menu.h"

using namespace vantrel;
using vantrel::test::Click;
using vantrel::test::TestWorld;
using vantrel::testing::AsUnprivilegedUser;
using vantrel::testing::FileSizeLimit;

namespace {

// Makes saving fail in the way named while it lives. Permission bits are tried as an
// unprivileged user, since root passes them; a full disk is a file size limit, which stops root.
class SaveBlocker {
  public:
    SaveBlocker(const QString& failure, const QString& settingsPath)
        : file_(settingsPath.toStdString()), folder_(QFileInfo(settingsPath).path().toStdString()) {
        if (failure == "disk full") {
            diskFull_.emplace(16);
            return;
        }
        AsUnprivilegedUser::HandOver(folder_, failure == "read-only folder" ? 0555 : 0700);
        AsUnprivilegedUser::HandOver(file_, failure == "read-only file" ? 0444 : 0644);
        user_.emplace();
    }
    ~SaveBlocker() {
        user_.reset();
        chmod(folder_.c_str(), 0700);
        chmod(file_.c_str(), 0600);
    }

  private:
    std::string file_;
    std::string folder_;
    std::optional<FileSizeLimit> diskFull_;
    std::optional<AsUnprivilegedUser> user_;
};

// A settings file with comments, another section and bytes that are no text; keys the program
// adds to it go after the last key of its section.
QByteArray SettingsWith(const QByteArray& level, const QByteArray& addedKeys = {}) {
    return "; my progress\r\n[GAME]\r\nLV=" + level + "\r\nRANK=7A\r\nGAMESPEED=0\r\n" + addedKeys +
           "[Other]\r\nkeep=\xff\xfe\r\n";
}

QStringList FolderEntries(const QString& settingsPath) {
    return QDir(QFileInfo(settingsPath).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

}  // namespace

class ProgressSaveTest : public QObject {
    Q_OBJECT
  private slots:
    void failedSaveKeepsFileAndScreen_data();
    void failedSaveKeepsFileAndScreen();
    void nowhereToKeepProgressTellsAndGoesOn();
};

void ProgressSaveTest::failedSaveKeepsFileAndScreen_data() {
    QTest::addColumn<QString>("save");
    QTest::addColumn<QString>("failure");
    for (const char* save : {"introduction", "exam"})
        for (const char* failure : {"disk full", "read-only file", "read-only folder"})
            QTest::addRow("%s, %s", save, failure) << save << failure;
}

void ProgressSaveTest::failedSaveKeepsFileAndScreen() {
    QFETCH(QString, save);
    QFETCH(QString, failure);
    const bool exam = save == "exam";
    TestWorld world;
    // The message box would pick its icon from the punctuation of the text, which holds the path.
    const QString settingsPath = QFileInfo(world.settingsPath()).path() + "/why?.INI";
    world.session.installation.progress = ProgressPathsAt(settingsPath.toStdString());
    const QByteArray before = SettingsWith(exam ? "N1" : "00");
    world.WriteSettings(before);
    world.WriteFile("doc/NL601.txt", "The exam.\n");
    world.WriteFile("doc/NL699.txt", "Passed.\n");
    world.Start();
    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
    QWidget* screen = world.screen<Tf_first>();
    const char* saveButton = "bbtn_ok";
    if (exam) {
        QVERIFY(Click(world.screen<Tf_menu>(), "bbtn_l6"));
        world.ShowClosingPage();
        screen = world.screen<Tf_lecture>();
        saveButton = "bbtn_menu";
    }
    const QString screenName = world.CurrentScreenName();
    world.boxes.Clear();

    {
        SaveBlocker blocker(failure, settingsPath);
        QVERIFY(Click(screen, saveButton));
    }
    QCOMPARE(world.boxes.texts().size(), 1);
    QVERIFY(world.boxes.texts().first().startsWith("Cannot save your progress to " + settingsPath));
    QCOMPARE(world.boxes.boxes().first().icon, QMessageBox::Critical);
    QCOMPARE(world.boxes.boxes().first().buttons, QMessageBox::Ok);
    QCOMPARE(world.CurrentScreenName(), screenName);
    QCOMPARE(world.ReadSettings(), before);
    QCOMPARE(FolderEntries(settingsPath), QStringList{"why?.INI"});
    QVERIFY(world.screen<Tf_menu>()->findChild<QWidget*>("bbtn_pro")->isHidden());

    // Once saving works again, the same button saves the progress and keeps everything else.
    QVERIFY(Click(screen, saveButton));
    QCOMPARE(world.CurrentScreenName(), exam ? "Tf_promenu" : "Tf_menu");
    QCOMPARE(world.ReadSettings(),
             SettingsWith(exam ? "PL1" : "N1",
                          "DECK=6\r\nSOFT17=1\r\nINSURANCE=0\r\nEVENMONEY=0\r\nSURRENDER=0\r\n"
                          "PLAYPER=60\r\nMAXHAND=4\r\n"));
}

// With no home folder at all there is nowhere to keep progress: the student is told, and enters.
void ProgressSaveTest::nowhereToKeepProgressTellsAndGoesOn() {
    TestWorld world;
    world.session.installation.progress = {};
    world.Start();
    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
    world.boxes.Clear();
    QVERIFY(Click(world.screen<Tf_first>(), "bbtn_ok"));
    QCOMPARE(world.boxes.texts(), QStringList{kProgressNotKept});
    QCOMPARE(world.CurrentScreenName(), "Tf_menu");
    QVERIFY(!world.session.recorder);
}

QTEST_MAIN(ProgressSaveTest)
#include "tst_progress_save.moc"
