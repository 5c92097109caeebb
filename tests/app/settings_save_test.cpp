#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "app/settings.h"
#include "support/temp_folder.h"
#include "support/unprivileged_user.h"

namespace vantrel {
namespace {

using testing::AsUnprivilegedUser;
using namespace std::string_literals;

const std::string kOldBytes = "; mine\n[GAME]\nLV=N1\nRANK=7A\n[Other]\nkeep=this\n";

Settings Graduated() {
    Settings settings;
    settings.LV = "PL1";
    return settings;
}

TEST(SaveSettings, PathThatIsAFolderLoadsDefaultsAndFailsToSave) {
    TempFolder folder;
    const std::string path = folder / "vantrel.INI";
    ASSERT_EQ(mkdir(path.c_str(), 0700), 0);
    WriteBytes(path + "/inside", "x");
    EXPECT_EQ(LoadSettings(path), Settings{});
    EXPECT_EQ(SaveSettings(Graduated(), path),
              "Cannot save your progress to " + path + ": Is a directory");
    EXPECT_EQ(ReadBytes(path + "/inside"), "x");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"vantrel.INI"});
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

// Saves that permission bits forbid, run as an unprivileged user even when the tests run as
// root: the old file stays byte for byte, no temporary file is left, and the reason is given.
const std::string kProtectedBytes =
    "; mine\r\n[GAME]\r\nLV=N1\r\nRANK=7A\r\n[Other]\r\nkeep=\xff\0\r\n"s;

struct PermissionCase {
    const char* name;
    mode_t folderMode;
    mode_t fileMode;
    bool readable;  // whether loading still sees the file's values
};

class SavePermissionTest : public ::testing::TestWithParam<PermissionCase> {
  protected:
    void SetUp() override {
        WriteBytes(path_, kProtectedBytes);
        ASSERT_TRUE(AsUnprivilegedUser::HandOver(path_, GetParam().fileMode));
        ASSERT_TRUE(AsUnprivilegedUser::HandOver(folder_.path(), GetParam().folderMode));
    }

    TempFolder folder_;
    const std::string path_ = folder_ / "vantrel.INI";
};

TEST_P(SavePermissionTest, FailsKeepingTheOldFile) {
    std::string message;
    Settings loaded;
    {
        AsUnprivilegedUser user;
        loaded = LoadSettings(path_);
        message = SaveSettings(Graduated(), path_);
    }
    EXPECT_EQ(message, "Cannot save your progress to " + path_ + ": Permission denied");
    EXPECT_EQ(loaded.LV, GetParam().readable ? "N1" : "00");
    chmod(folder_.path().c_str(), 0700);
    chmod(path_.c_str(), 0600);
    EXPECT_EQ(ReadBytes(path_), kProtectedBytes);
    EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"vantrel.INI"});
}

INSTANTIATE_TEST_SUITE_P(Bits, SavePermissionTest,
                         ::testing::Values(PermissionCase{"ReadOnlyFile", 0700, 0444, true},
                                           PermissionCase{"ReadOnlyFolder", 0555, 0644, true},
                                           PermissionCase{"UnreadableFile", 0700, 0200, false},
                                           PermissionCase{"NoAccessAtAll", 0700, 0000, false}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vantrel
