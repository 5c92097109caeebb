#include "app/settings.h"

#include <charconv>

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

// A decimal integer with an optional sign; anything else, or a number beyond 32 bits, is 0.
// Blanks around the number are allowed, as the platform's reader strips them.
int ToInteger(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return 0;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (text.front() == '+') {
        text.remove_prefix(1);
        if (text.starts_with('-')) return 0;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return 0;
    return value;
}

}  // namespace

std::string SettingsPathFor(const std::string& executablePath) {
    const std::size_t nameBegin = executablePath.rfind('/') + 1;  // 0 when there is no folder
    const std::size_t dot = executablePath.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot >= nameBegin;
    return executablePath.substr(0, hasExtension ? dot : executablePath.size()) + ".INI";
}

Settings ParseSettings(std::string_view bytes) {
    const IniFile file{std::string(bytes)};
    Settings settings;
    for (const TextKey& key : kTextKeys) {
        if (auto value = file.Value(kSection, key.name)) settings.*key.field = std::move(*value);
    }
    for (const IntegerKey& key : kIntegerKeys) {
        if (auto value = file.Value(kSection, key.name)) settings.*key.field = ToInteger(*value);
    }
    return settings;
}

std::string UpdateSettingsBytes(const Settings& settings, std::string bytes) {
    IniFile file(std::move(bytes));
    for (const TextKey& key : kTextKeys) file.SetValue(kSection, key.name, settings.*key.field);
    for (const IntegerKey& key : kIntegerKeys) {
        file.SetValue(kSection, key.name, std::to_string(settings.*key.field));
    }
    return file.Bytes();
}

Settings LoadSettings(const std::string& path) {
    return ParseSettings(ReadWholeFile(path).value_or(std::string()));
}

std::string SaveSettings(const Settings& settings, const std::string& path) {
    const std::string error = ReplaceWholeFile(path, [&settings](std::string bytes) {
        return UpdateSettingsBytes(settings, std::move(bytes));
    });
    if (error.empty()) return {};
    return "Cannot save your progress to " + path + ": " + error;
}

}  // namespace vantrel
