// Saves that permission bits forbid, run as an unprivileged user even when the tests run as
// root: the old file stays byte for byte, no temporary file is left, and the reason is given.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "app/settings.h"
#include "app/temp_folder.h"
#include "support/unprivileged_user.h"

namespace vantrel {
namespace {

using testing::AsUnprivilegedUser;
using namespace std::string_literals;

const std::string kOldBytes = "; mine\r\n[GAME]\r\nLV=N1\r\nRANK=7A\r\n[Other]\r\nkeep=\xff\0\r\n"s;

struct PermissionCase {
    const char* name;
    mode_t folderMode;
    mode_t fileMode;
    bool readable;  // whether loading still sees the file's values
    friend std::ostream& operator<<(std::ostream& out, const PermissionCase& c) {
        return out << c.name;
    }
};

class SavePermissionTest : public ::testing::TestWithParam<PermissionCase> {
  protected:
    void SetUp() override {
        WriteBytes(path_, kOldBytes);
        for (const std::string& entry : {folder_.path(), path_})
            ASSERT_EQ(chown(entry.c_str(), AsUnprivilegedUser::User(), AsUnprivilegedUser::Group()),
                      0);
        ASSERT_EQ(chmod(path_.c_str(), GetParam().fileMode), 0);
        ASSERT_EQ(chmod(folder_.path().c_str(), GetParam().folderMode), 0);
    }
    void TearDown() override {
        chmod(folder_.path().c_str(), 0700);
        chmod(path_.c_str(), 0600);
    }

    TempFolder folder_;
    const std::string path_ = folder_ / "vantrel.INI";
};

TEST_P(SavePermissionTest, FailsKeepingTheOldFile) {
    Settings settings;
    settings.LV = "PL1";
    std::string message;
    Settings loaded;
    {
        AsUnprivilegedUser user;
        loaded = LoadSettings(path_);
        message = SaveSettings(settings, path_);
    }
    EXPECT_EQ(message, "Cannot save your progress to " + path_ + ": Permission denied");
    EXPECT_EQ(loaded.LV, GetParam().readable ? "N1" : "00");
    chmod(folder_.path().c_str(), 0700);
    chmod(path_.c_str(), 0600);
    EXPECT_EQ(ReadBytes(path_), kOldBytes);
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
