#include "app/progress_paths.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/settings.h"
#include "support/temp_folder.h"
#include "support/unprivileged_user.h"

namespace vantrel {
namespace {

using testing::AsUnprivilegedUser;

// A copy of the program, laid out in a temporary folder.
struct LayoutCase {
    const char* name;
    bool installedLayout;    // usr/bin/vantrel beside usr/share/vantrel, or build/vantrel
    bool readOnlyFolder;     // the program's folder, for an unprivileged user
    bool fileBeside;         // a vantrel.INI beside the program
    bool fileOfUser;         // a vantrel.INI in the per-user folder
    const char* configHome;  // "/x" is x under the temporary folder
    const char* home;
    const char* read;  // expected, under the temporary folder
    const char* saved;
};

class LocateInstallationTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LocateInstallationTest, DecidesWhereProgressIsKept) {
    const LayoutCase& row = GetParam();
    TempFolder folder;
    chmod(folder.path().c_str(), 0755);  // an unprivileged user must be able to look in
    const std::string programDir = folder / (row.installedLayout ? "usr/bin" : "build");
    std::filesystem::create_directories(programDir);
    if (row.installedLayout) std::filesystem::create_directories(folder / "usr/share/vantrel");
    if (row.fileBeside) WriteBytes(programDir + "/vantrel.INI", "[GAME]\nLV=N1\n");
    if (row.fileOfUser) {
        std::filesystem::create_directories(folder / "config/vantrel");
        WriteBytes(folder / "config/vantrel/vantrel.INI", "[GAME]\nLV=PL1\n");
    }
    const auto inFolder = [&](const std::string& path) {
        return path.starts_with('/') ? folder.path() + path : path;
    };

    Installation installation;
    {
        if (row.readOnlyFolder) chmod(programDir.c_str(), 0555);
        const auto user = row.readOnlyFolder ? std::make_unique<AsUnprivilegedUser>() : nullptr;
        installation = LocateInstallation(programDir + "/vantrel",
                                          {inFolder(row.configHome), inFolder(row.home)});
    }

    EXPECT_EQ(installation.progress.settingsToRead, folder / row.read);
    EXPECT_EQ(installation.progress.settingsToSave, folder / row.saved);
    EXPECT_EQ(installation.progress.record,
              std::filesystem::path(folder / row.saved).replace_extension(".sqlite").string());
    EXPECT_EQ(installation.dataDir, row.installedLayout ? folder / "usr/share/vantrel" : "");
}

constexpr char kUserFile[] = "config/vantrel/vantrel.INI";

INSTANTIATE_TEST_SUITE_P(
    Copies, LocateInstallationTest,
    ::testing::Values(LayoutCase{"BuildTree", false, false, true, true, "/config", "/home",
                                 "build/vantrel.INI", "build/vantrel.INI"},
                      LayoutCase{"Installed", true, false, false, false, "/config", "/home",
                                 kUserFile, kUserFile},
                      LayoutCase{"InstalledReadsAnOldFileUntilItSaves", true, false, true, false,
                                 "/config", "/home", "usr/bin/vantrel.INI", kUserFile},
                      LayoutCase{"InstalledWithItsOwnFile", true, false, true, true, "/config",
                                 "/home", kUserFile, kUserFile},
                      LayoutCase{"FolderTheUserCannotWrite", false, true, false, false, "/config",
                                 "/home", kUserFile, kUserFile},
                      LayoutCase{"RelativeConfigHome", true, false, false, false, "config", "/home",
                                 "home/.config/vantrel/vantrel.INI",
                                 "home/.config/vantrel/vantrel.INI"},
                      LayoutCase{"NoHomeAtAll", true, false, false, false, "", "",
                                 "usr/bin/vantrel.INI", "usr/bin/vantrel.INI"}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

// An installed copy started where there is no course uses its installed data directory.
TEST(DataDirectory, IsTheCurrentDirectoryUnlessAnInstalledCopyFindsNoCourseThere) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "here");
    Installation installation;
    installation.dataDir = folder / "usr/share/vantrel";
    EXPECT_EQ(DataDirectoryFor(folder / "here", installation), installation.dataDir);
    WriteBytes(folder / "here/bs4bj.dat", "");
    EXPECT_EQ(DataDirectoryFor(folder / "here", installation), folder / "here");
}

// The per-user folder does not exist before the first save; the older file's other sections
// come along, and the older file stays as it was.
TEST(SaveProgress, FirstSaveMakesThePerUserFolderAndCarriesTheOldFileOver) {
    TempFolder folder;
    const std::string old = "; mine\n[GAME]\nLV=00\nRANK=7A\n[Other]\nkeep=this\n";
    WriteBytes(folder / "vantrel.INI", old);
    const ProgressPaths paths{folder / "vantrel.INI", folder / "config/vantrel/vantrel.INI",
                              folder / "config/vantrel/vantrel.sqlite"};
    Settings settings = LoadSettings(paths.settingsToRead);
    settings.LV = "N1";

    ASSERT_EQ(SaveProgress(settings, paths), "");
    EXPECT_EQ(ReadBytes(paths.settingsToSave),
              "; mine\n[GAME]\nLV=N1\nRANK=7A\nDECK=6\nSOFT17=1\nINSURANCE=0\nEVENMONEY=0\n"
              "SURRENDER=0\nPLAYPER=60\nMAXHAND=4\nGAMESPEED=3\n[Other]\nkeep=this\n");
    EXPECT_EQ(ReadBytes(paths.settingsToRead), old);
    struct stat info {};
    ASSERT_EQ(stat((folder / "config/vantrel").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

// A file where the folder should be stops root too.
TEST(SaveProgress, AFolderThatCannotBeMadeFailsTheSave) {
    TempFolder folder;
    WriteBytes(folder / "config", "not a folder");
    const ProgressPaths paths = ProgressPathsAt(folder / "config/vantrel/vantrel.INI");
    EXPECT_EQ(SaveProgress(Settings{}, paths),
              "Cannot save your progress to " + paths.settingsToSave + ": Not a directory");
    EXPECT_EQ(ReadBytes(folder / "config"), "not a folder");
}

TEST(SettingsPath, ReplacesTheExtensionOfTheFileName) {
    const std::pair<const char*, const char*> paths[] = {{"/a/b/vantrel", "/a/b/vantrel.INI"},
                                                         {"/a/b.c/vantrel", "/a/b.c/vantrel.INI"},
                                                         {"/a/x.exe", "/a/x.INI"},
                                                         {"/a/x.tar.gz", "/a/x.tar.INI"},
                                                         {"/a/x.", "/a/x.INI"},
                                                         {"vantrel", "vantrel.INI"}};
    for (const auto& [executable, settings] : paths)
        EXPECT_EQ(SettingsPathFor(executable), settings);
}

}  // namespace
}  // namespace vantrel
