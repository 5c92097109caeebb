#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "app/progress_paths.h"

namespace vantrel {

// The student's progress and the table rules, one field per key of section GAME.
struct Settings {
    std::string LV = "00";
    std::string RANK = "00";
    int DECK = 6;
    int SOFT17 = 1;
    int INSURANCE = 0;
    int EVENMONEY = 0;
    int SURRENDER = 0;
    int PLAYPER = 60;
    int MAXHAND = 4;
    int GAMESPEED = 3;

    bool operator==(const Settings&) const = default;
};

// Reads section GAME; missing file, section or key give the defaults, a value that is no
// integer gives 0. Texts lose surrounding blanks and then one pair of matching quotes, as the
// platform's private-profile reader returns them.
Settings LoadSettings(const std::string& path);

// Writes all ten keys in place, keeping every other section, key and comment. The file is
// replaced whole or not at all. Returns an empty string on success, otherwise an error message
// that names the file.
std::string SaveSettings(const Settings& settings, const std::string& path);

inline constexpr char kProgressNotKept[] =
    "No home folder was found, so your progress cannot be kept. Your lessons go on.";

// Saves where an installed or portable copy keeps progress. The per-user folder is made here, at
// the first save, for the user alone; a new settings file is the user's alone too.
// Returns kProgressNotKept when there is nowhere to keep progress.
std::string SaveProgress(const Settings& settings, const ProgressPaths& paths);

// The same for any edit of the settings file's bytes.
std::string UpdateProgressFile(const ProgressPaths& paths,
                               const std::function<std::string(std::string)>& edit);

// The settings that the bytes of a settings file hold; any bytes give some settings.
Settings ParseSettings(std::string_view bytes);

// The bytes of a settings file after writing all ten fields into the file that held bytes.
std::string UpdateSettingsBytes(const Settings& settings, std::string bytes);

// Progress levels at or above "P1" (byte-wise) open the Professional Course.
inline bool IsProfessionalLevel(const std::string& level) {
    return level >= "P1";
}

}  // namespace vantrel
