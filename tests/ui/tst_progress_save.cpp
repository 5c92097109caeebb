// The two saves of the student's progress, "I agree and enter." and finishing the General Course
// exam, under every way a save can fail: the old file stays byte for byte, the screen stays with
// the error shown, and a later try saves the progress without losing anything else in the file.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QtTest>
#include <memory>

#include "app/settings.h"
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

namespace {

// Makes saving fail in the way named while it lives. Permission bits are tried as an
// unprivileged user, since root passes them; a full disk is a file size limit, which stops root.
class SaveBlocker {
  public:
    SaveBlocker(const QString& failure, const QString& settingsPath)
        : failure_(failure),
          file_(settingsPath.toStdString()),
          folder_(QFileInfo(settingsPath).path().toStdString()) {
        if (failure_ == "disk full") {
            getrlimit(RLIMIT_FSIZE, &oldLimit_);
            rlimit small = oldLimit_;
            small.rlim_cur = 16;
            oldHandler_ = signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &small);
            return;
        }
        for (const std::string& entry : {folder_, file_})
            if (chown(entry.c_str(), AsUnprivilegedUser::User(), AsUnprivilegedUser::Group()) != 0)
                qWarning("cannot hand %s over", entry.c_str());
        chmod(file_.c_str(), failure_ == "read-only file" ? 0444 : 0644);
        chmod(folder_.c_str(), failure_ == "read-only folder" ? 0555 : 0700);
        user_ = std::make_unique<AsUnprivilegedUser>();
    }
    ~SaveBlocker() {
        if (failure_ == "disk full") {
            setrlimit(RLIMIT_FSIZE, &oldLimit_);
            signal(SIGXFSZ, oldHandler_);
            return;
        }
        user_.reset();
        chmod(folder_.c_str(), 0700);
        chmod(file_.c_str(), 0600);
    }

  private:
    QString failure_;
    std::string file_;
    std::string folder_;
    rlimit oldLimit_{};
    sighandler_t oldHandler_ = SIG_DFL;
    std::unique_ptr<AsUnprivilegedUser> user_;
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
    void failedSaveIsAnErrorWhateverTheFolderIsCalled_data();
    void failedSaveIsAnErrorWhateverTheFolderIsCalled();
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
    const QString settingsPath = world.settingsPath();
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
    QCOMPARE(world.CurrentScreenName(), screenName);
    QCOMPARE(world.ReadSettings(), before);
    QCOMPARE(FolderEntries(settingsPath), QStringList{"vantrel.INI"});
    QVERIFY(world.screen<Tf_menu>()->findChild<QWidget*>("bbtn_pro")->isHidden());

    // Once saving works again, the same button saves the progress and keeps everything else.
    QVERIFY(Click(screen, saveButton));
    QCOMPARE(world.CurrentScreenName(), exam ? "Tf_promenu" : "Tf_menu");
    QCOMPARE(world.ReadSettings(),
             SettingsWith(exam ? "PL1" : "N1",
                          "DECK=6\r\nSOFT17=1\r\nINSURANCE=0\r\nEVENMONEY=0\r\nSURRENDER=0\r\n"
                          "PLAYPER=60\r\nMAXHAND=4\r\n"));
}

// The message box picks its icon from the text's punctuation; a failure must not, since its text
// holds a folder name that may have any.
void ProgressSaveTest::failedSaveIsAnErrorWhateverTheFolderIsCalled_data() {
    QTest::addColumn<QString>("folder");
    for (const char* folder : {"why?", "stop!", "Thank you!"})
        QTest::addRow("%s", folder) << QString::fromUtf8(folder);
}

void ProgressSaveTest::failedSaveIsAnErrorWhateverTheFolderIsCalled() {
    QFETCH(QString, folder);
    TestWorld world;
    const QString settingsPath = world.dataDir() + "/" + folder + "/vantrel.INI";
    world.session.installation.progress = ProgressPathsAt(settingsPath.toStdString());
    world.BlockSettingsFile();
    world.Start();
    QVERIFY(Click(world.screen<Tf_main>(), "bbtn_goodluck"));
    QVERIFY(Click(world.screen<Tf_first>(), "bbtn_ok"));

    QCOMPARE(world.boxes.boxes().size(), 1);
    const auto& box = world.boxes.boxes().first();
    QVERIFY(box.text.contains(settingsPath));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QMessageBox::Ok);
    QCOMPARE(world.CurrentScreenName(), "Tf_first");
}

QTEST_MAIN(ProgressSaveTest)
#include "tst_progress_save.moc"
