#include "app/view_scale.h"

#include <string>

#include "app/ini_file.h"
#include "app/whole_file.h"

namespace vantrel {
namespace {

constexpr std::string_view kSection = "VIEW";
constexpr std::string_view kKey = "SCALE";

// Blanks around the number do not count, as for the other keys of the file.
std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

ViewScale ParseViewScale(std::string_view bytes) {
    const std::optional<std::string> value = IniFile{std::string(bytes)}.Value(kSection, kKey);
    if (!value) return ViewScale::Desktop;
    const std::string_view text = Trimmed(*value);
    for (ViewScale scale : {ViewScale::Single, ViewScale::OneAndAHalf, ViewScale::Double})
        if (text == std::to_string(static_cast<int>(scale))) return scale;
    return ViewScale::Desktop;
}

ViewScale LoadViewScale(const std::string& settingsPath) {
    if (settingsPath.empty()) return ViewScale::Desktop;
    return ParseViewScale(ReadWholeFile(settingsPath).value_or(std::string()));
}

std::string UpdateViewScaleBytes(ViewScale scale, std::string bytes) {
    IniFile file(std::move(bytes));
    file.SetValue(kSection, kKey, std::to_string(static_cast<int>(scale)));
    return file.Bytes();
}

double ScaleFactor(ViewScale scale) {
    return static_cast<int>(scale) / 100.0;
}

}  // namespace vantrel
