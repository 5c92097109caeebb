#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "app/settings.h"
#include "app/temp_folder.h"

namespace vantrel {
namespace {

const std::string kOldBytes = "; mine\n[GAME]\nLV=N1\nRANK=7A\n[Other]\nkeep=this\n";

Settings Graduated() {
    Settings settings;
    settings.LV = "PL1";
    return settings;
}

// A save that fails must leave the old file and nothing else, and say which file it was.
class FailedSaveTest : public testing::Test {
  protected:
    void SetUp() override { WriteBytes(path_, kOldBytes); }

    void ExpectFailureKeepingOldFile(const std::string& reason) {
        const std::string message = SaveSettings(Graduated(), path_);
        EXPECT_EQ(message, "Cannot save your progress to " + path_ + ": " + reason);
        chmod(path_.c_str(), 0600);
        EXPECT_EQ(ReadBytes(path_), kOldBytes);
        EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"vantrel.INI"});
    }

    TempFolder folder_;
    const std::string path_ = folder_ / "vantrel.INI";
};

TEST_F(FailedSaveTest, ReadOnlyFile) {
    SKIP_WHEN_ROOT();
    chmod(path_.c_str(), 0444);
    ExpectFailureKeepingOldFile("Permission denied");
}

TEST_F(FailedSaveTest, UnreadableFileIsNotOverwritten) {
    SKIP_WHEN_ROOT();
    chmod(path_.c_str(), 0200);
    ExpectFailureKeepingOldFile("Permission denied");
}

TEST_F(FailedSaveTest, ReadOnlyFolder) {
    SKIP_WHEN_ROOT();
    chmod(folder_.path().c_str(), 0555);
    ExpectFailureKeepingOldFile("Permission denied");
    chmod(folder_.path().c_str(), 0700);
}

// Disk full, simulated with a file size limit that stops root too.
TEST_F(FailedSaveTest, NoRoomForTheNewFile) {
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 16;
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string message = SaveSettings(Graduated(), path_);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(message, "Cannot save your progress to " + path_ + ": File too large");
    EXPECT_EQ(ReadBytes(path_), kOldBytes);
    EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"vantrel.INI"});
}

TEST(SaveSettings, PathThatIsAFolderFails) {
    TempFolder folder;
    const std::string path = folder / "vantrel.INI";
    ASSERT_EQ(mkdir(path.c_str(), 0700), 0);
    WriteBytes(path + "/inside", "x");
    EXPECT_EQ(SaveSettings(Graduated(), path),
              "Cannot save your progress to " + path + ": Is a directory");
    EXPECT_EQ(ReadBytes(path + "/inside"), "x");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"vantrel.INI"});
}

TEST(SaveSettings, MissingFolderFails) {
    TempFolder folder;
    const std::string path = folder / "gone/vantrel.INI";
    EXPECT_EQ(SaveSettings(Graduated(), path),
              "Cannot save your progress to " + path + ": No such file or directory");
}

TEST(SaveSettings, KeepsPermissionBits) {
    TempFolder folder;
    const std::string path = folder / "vantrel.INI";
    WriteBytes(path, kOldBytes);
    chmod(path.c_str(), 0640);
    ASSERT_EQ(SaveSettings(Graduated(), path), "");
    struct stat status {};
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST(SaveSettings, WritesThroughASymbolicLink) {
    TempFolder folder;
    WriteBytes(folder / "real.INI", kOldBytes);
    ASSERT_EQ(symlink("real.INI", (folder / "vantrel.INI").c_str()), 0);
    ASSERT_EQ(SaveSettings(Graduated(), folder / "vantrel.INI"), "");
    struct stat status {};
    ASSERT_EQ(lstat((folder / "vantrel.INI").c_str(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode));
    EXPECT_EQ(LoadSettings(folder / "real.INI").LV, "PL1");
}

}  // namespace
}  // namespace vantrel
