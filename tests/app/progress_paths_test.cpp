#include "app/progress_paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
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
    const char* settings;  // expected, under the temporary folder; "" for none at all
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

    const std::string settings = *row.settings ? folder / row.settings : "";
    EXPECT_EQ(installation.progress.settings, settings);
    EXPECT_EQ(
        installation.progress.record,
        *row.settings ? std::filesystem::path(settings).replace_extension(".sqlite").string() : "");
    EXPECT_EQ(installation.dataDir, row.installedLayout ? folder / "usr/share/vantrel" : "");
}

constexpr char kUserFile[] = "config/vantrel/vantrel.INI";

INSTANTIATE_TEST_SUITE_P(
    Copies, LocateInstallationTest,
    ::testing::Values(
        LayoutCase{"BuildTree", false, false, true, true, "/config", "/home", "build/vantrel.INI"},
        LayoutCase{"Installed", true, false, false, false, "/config", "/home", kUserFile},
        // Another user's progress beside the program is never read.
        LayoutCase{"InstalledIgnoresAFileBesideIt", true, false, true, false, "/config", "/home",
                   kUserFile},
        LayoutCase{"FolderTheUserCannotWrite", false, true, false, false, "/config", "/home",
                   kUserFile},
        LayoutCase{"RelativeConfigHome", true, false, false, false, "config", "/home",
                   "home/.config/vantrel/vantrel.INI"},
        LayoutCase{"NoHomeAtAll", true, false, true, false, "", "", ""}),
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

// However open the user's file-creation mask, the first save makes the folder and the file for
// the user alone.
TEST(SaveProgress, FirstSaveMakesTheFolderAndTheFileForTheUserAlone) {
    TempFolder folder;
    const ProgressPaths paths = ProgressPathsAt(folder / "config/vantrel/vantrel.INI");
    const mode_t mask = umask(0);
    const std::string error = SaveProgress(Settings{}, paths);
    umask(mask);

    ASSERT_EQ(error, "");
    for (const auto& [path, mode] :
         {std::pair{folder / "config/vantrel", 0700u}, std::pair{paths.settings, 0600u}}) {
        struct stat info {};
        ASSERT_EQ(stat(path.c_str(), &info), 0) << path;
        EXPECT_EQ(info.st_mode & 0777, mode) << path;
    }
}

// With no home at all, nothing is written anywhere, the current folder included.
TEST(SaveProgress, NowhereToKeepProgressWritesNothing) {
    TempFolder folder;
    const std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    const std::string error = SaveProgress(Settings{}, ProgressPaths{});
    std::filesystem::current_path(here);
    EXPECT_EQ(error, kProgressNotKept);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

// A home that is not an absolute path is no home: the account's home is used, as Qt does.
TEST(UserFolders, ARelativeHomeFallsBackToTheAccountsHome) {
    const char* before = std::getenv("HOME");
    const std::string saved = before ? before : "";
    setenv("HOME", "relhome", 1);
    const UserFolders user = UserFoldersFromEnvironment();
    before ? setenv("HOME", saved.c_str(), 1) : unsetenv("HOME");
    const passwd* account = getpwuid(geteuid());
    ASSERT_NE(account, nullptr);
    EXPECT_EQ(user.home, account->pw_dir);
}

// A file where the folder should be stops root too.
TEST(SaveProgress, AFolderThatCannotBeMadeFailsTheSave) {
    TempFolder folder;
    WriteBytes(folder / "config", "not a folder");
    const ProgressPaths paths = ProgressPathsAt(folder / "config/vantrel/vantrel.INI");
    EXPECT_EQ(SaveProgress(Settings{}, paths),
              "Cannot save your progress to " + paths.settings + ": Not a directory");
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
