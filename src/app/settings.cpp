#include "app/settings.h"

#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>

#include "app/ini_file.h"
#include "app/whole_file.h"

namespace vantrel {
namespace {

constexpr std::string_view kSection = "GAME";

struct TextKey {
    std::string_view name;
    std::string Settings::*field;
};

struct IntegerKey {
    std::string_view name;
    int Settings::*field;
};

// The file's order: the two texts first, then the integers.
constexpr TextKey kTextKeys[] = {{"LV", &Settings::LV}, {"RANK", &Settings::RANK}};
constexpr IntegerKey kIntegerKeys[] = {
    {"DECK", &Settings::DECK},           {"SOFT17", &Settings::SOFT17},
    {"INSURANCE", &Settings::INSURANCE}, {"EVENMONEY", &Settings::EVENMONEY},
    {"SURRENDER", &Settings::SURRENDER}, {"PLAYPER", &Settings::PLAYPER},
    {"MAXHAND", &Settings::MAXHAND},     {"GAMESPEED", &Settings::GAMESPEED},
};

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A value as the platform's private-profile reader returns it: without the blanks around it,
// and then without one pair of matching quotes around it.
std::string_view ProfileText(std::string_view value) {
    value = TrimBlanks(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

// What to write so that the reader returns text unchanged: quoted when blanks or quotes around it
// would otherwise be lost.
std::string ProfileValue(const std::string& text) {
    return ProfileText(text) == text ? text : '"' + text + '"';
}

// A decimal integer with an optional sign; anything else, or a number beyond 32 bits, is 0.
int ToInteger(std::string_view text) {
    if (text.empty()) return 0;
    if (text.front() == '+') {
        text.remove_prefix(1);
        if (text.starts_with('-')) return 0;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return 0;
    return value;
}

// Creates folder and the folders above it that are missing, for the user alone, as the XDG rules
// ask. Returns the reason it could not, or an empty string.
std::string CreateFolders(const std::filesystem::path& folder) {
    std::error_code ignored;
    if (folder.empty() || std::filesystem::is_directory(folder, ignored)) return {};
    if (folder.has_parent_path() && folder.parent_path() != folder) {
        if (std::string error = CreateFolders(folder.parent_path()); !error.empty()) return error;
    }
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return std::strerror(errno);
    return {};
}

std::string SaveFailure(const std::string& path, const std::string& reason) {
    return "Cannot save your progress to " + path + ": " + reason;
}

}  // namespace

Settings ParseSettings(std::string_view bytes) {
    const IniFile file{std::string(bytes)};
    Settings settings;
    for (const TextKey& key : kTextKeys) {
        if (auto value = file.Value(kSection, key.name)) settings.*key.field = ProfileText(*value);
    }
    for (const IntegerKey& key : kIntegerKeys) {
        if (auto value = file.Value(kSection, key.name))
            settings.*key.field = ToInteger(ProfileText(*value));
    }
    return settings;
}

std::string UpdateSettingsBytes(const Settings& settings, std::string bytes) {
    IniFile file(std::move(bytes));
    for (const TextKey& key : kTextKeys)
        file.SetValue(kSection, key.name, ProfileValue(settings.*key.field));
    for (const IntegerKey& key : kIntegerKeys) {
        file.SetValue(kSection, key.name, std::to_string(settings.*key.field));
    }
    return file.Bytes();
}

Settings LoadSettings(const std::string& path) {
    return ParseSettings(ReadWholeFile(path).value_or(std::string()));
}

std::string SaveSettings(const Settings& settings, const std::string& path) {
    const std::string error = ReplaceWholeFile(
        path, [&](std::string bytes) { return UpdateSettingsBytes(settings, std::move(bytes)); });
    return error.empty() ? error : SaveFailure(path, error);
}

std::string UpdateProgressFile(const ProgressPaths& paths,
                               const std::function<std::string(std::string)>& edit) {
    if (paths.settings.empty()) return kProgressNotKept;
    if (const std::string error =
            CreateFolders(std::filesystem::path(paths.settings).parent_path());
        !error.empty())
        return SaveFailure(paths.settings, error);
    const std::string error = ReplaceWholeFile(paths.settings, edit);
    return error.empty() ? error : SaveFailure(paths.settings, error);
}

std::string SaveProgress(const Settings& settings, const ProgressPaths& paths) {
    return UpdateProgressFile(
        paths, [&](std::string bytes) { return UpdateSettingsBytes(settings, std::move(bytes)); });
}

}  // namespace vantrel
