#pragma once

#include <string>

namespace vantrel {

// Where the student's progress is kept.
struct ProgressPaths {
    std::string settingsToRead;  // read once, at start-up
    std::string settingsToSave;  // every save goes here
    std::string record;          // the student's record, beside the saved settings, named after it
};

// The user's folders as the environment names them.
struct UserFolders {
    std::string configHome;  // $XDG_CONFIG_HOME
    std::string home;        // $HOME, or the home folder of the user's account when it is unset
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
// Until an installed copy has saved once, it reads a readable settings file beside the executable,
// so progress kept there by an older copy carries over. With no home folder known at all, it
// keeps the settings beside the executable.
Installation LocateInstallation(const std::string& executablePath, const UserFolders& user);

// Settings read from and saved to one file, the record beside it.
ProgressPaths ProgressPathsAt(const std::string& settingsFile);

// The settings file beside an executable: its path with the extension replaced by ".INI".
std::string SettingsPathFor(const std::string& executablePath);

// The data directory is the current directory. An installed copy started elsewhere, where there
// is no course (no strategy chart), uses its installed data directory instead.
std::string DataDirectoryFor(const std::string& currentDir, const Installation& installation);

}  // namespace vantrel
