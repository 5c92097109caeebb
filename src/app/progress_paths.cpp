#include "app/progress_paths.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "app/data_paths.h"

#ifndef VANTREL_INSTALLED_DATA_FROM_BIN
#define VANTREL_INSTALLED_DATA_FROM_BIN "../share/vantrel"
#endif

namespace vantrel {
namespace {

std::string ReplaceExtension(const std::string& path, const std::string& extension) {
    const std::size_t nameBegin = path.rfind('/') + 1;  // 0 when there is no folder
    const std::size_t dot = path.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot >= nameBegin;
    return path.substr(0, hasExtension ? dot : path.size()) + extension;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool Exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

// With the effective ids, as the program will open files.
bool UserMay(const std::string& path, int mode) {
    return faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0;
}

// The XDG rule: a variable that is unset, empty or not absolute does not count.
std::string PerUserSettingsFile(const UserFolders& user) {
    std::string configHome = user.configHome;
    if (!configHome.starts_with('/')) {
        if (!user.home.starts_with('/')) return {};
        configHome = user.home + "/.config";
    }
    return configHome + "/vantrel/vantrel.INI";
}

}  // namespace

std::string InstalledDataDirFor(const std::string& executablePath) {
    const std::filesystem::path dataDir =
        std::filesystem::path(FolderOf(executablePath)) / VANTREL_INSTALLED_DATA_FROM_BIN;
    return dataDir.lexically_normal().string();
}

UserFolders UserFoldersFromEnvironment() {
    UserFolders user;
    if (const char* value = std::getenv("XDG_CONFIG_HOME")) user.configHome = value;
    if (const char* value = std::getenv("HOME")) user.home = value;
    // As GLib and Qt do: a home that is not an absolute path is no home.
    if (!user.home.starts_with('/')) {
        user.home.clear();
        if (const passwd* account = getpwuid(geteuid()); account && account->pw_dir)
            user.home = account->pw_dir;
    }
    return user;
}

ProgressPaths ProgressPathsAt(const std::string& settingsFile) {
    return {settingsFile, ReplaceExtension(settingsFile, ".sqlite")};
}

std::string SettingsPathFor(const std::string& executablePath) {
    return ReplaceExtension(executablePath, ".INI");
}

Installation LocateInstallation(const std::string& executablePath, const UserFolders& user) {
    Installation installation;
    if (const std::string dataDir = InstalledDataDirFor(executablePath); IsFolder(dataDir))
        installation.dataDir = dataDir;
    const bool portable = installation.dataDir.empty() && UserMay(FolderOf(executablePath), W_OK);
    if (portable) {
        installation.progress = ProgressPathsAt(SettingsPathFor(executablePath));
    } else if (const std::string perUser = PerUserSettingsFile(user); !perUser.empty()) {
        installation.progress = ProgressPathsAt(perUser);
    }
    return installation;
}

std::string DataDirectoryFor(const std::string& currentDir, const Installation& installation) {
    if (installation.dataDir.empty() || Exists(StrategyChartPath(currentDir))) return currentDir;
    return installation.dataDir;
}

}  // namespace vantrel
