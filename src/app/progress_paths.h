#pragma once

#include <string>

namespace vantrel {

// Where the student's progress is kept; all empty when it cannot be kept anywhere.
struct ProgressPaths {
    std::string settings;  // read once, at start-up; every save goes here
    std::string record;    // the student's record, beside the settings, named after it
};

// The user's folders as the environment names them.
struct UserFolders {
    std::string configHome;  // $XDG_CONFIG_HOME
    std::string home;        // $HOME, or the account's home folder when $HOME is unset or relative
};
UserFolders UserFoldersFromEnvironment();

// How this copy of the program is laid out.
struct Installation {
    std::string dataDir;  // the installed data directory; empty for a portable copy
    ProgressPaths progress;
};

// The one place that decides where the program keeps progress, given its own path.
//
// A portable copy (the build tree, a copied folder) keeps the settings file beside the
// executable, as "vantrel.INI" for "vantrel". An installed copy keeps it per user, in
// $XDG_CONFIG_HOME/vantrel/vantrel.INI (~/.config/vantrel/ by default). A copy is installed when
// it lies in the installed layout, <prefix>/bin/vantrel beside <prefix>/share/vantrel, or when the
// user cannot write its folder. The layout decides for root too, who may write anywhere.
//
// An installed copy never reads or writes beside the executable, where every user would share
// one file. With no home folder known at all, its progress paths are empty: nothing is kept.
Installation LocateInstallation(const std::string& executablePath, const UserFolders& user);

// The settings file and the record beside it.
ProgressPaths ProgressPathsAt(const std::string& settingsFile);

// The settings file beside an executable: its path with the extension replaced by ".INI".
std::string SettingsPathFor(const std::string& executablePath);

// Where an installed program's data directory lies, whether or not it exists: for
// <prefix>/bin/vantrel, <prefix>/share/vantrel.
std::string InstalledDataDirFor(const std::string& executablePath);

// The data directory is the current directory. An installed copy started elsewhere, where there
// is no course (no strategy chart), uses its installed data directory instead.
std::string DataDirectoryFor(const std::string& currentDir, const Installation& installation);

}  // namespace vantrel
