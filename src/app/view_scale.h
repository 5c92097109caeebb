#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// How large the window shows: as the desktop scales its programs, or at a scale the student chose
// on the Rules screen, in device pixels to each of the course's pixels (percent). Kept in section
// VIEW of the settings file as SCALE=0, 100, 150 or 200.
enum class ViewScale { Desktop = 0, Single = 100, OneAndAHalf = 150, Double = 200 };

// The scale a settings file asks for; a file without it, or with a value it does not know, gets
// the desktop's.
ViewScale ParseViewScale(std::string_view bytes);
ViewScale LoadViewScale(const std::string& settingsPath);

// The bytes of a settings file after writing the scale into the file that held bytes. The section
// is written only when the student chooses a scale, so the file of one who never does has none.
std::string UpdateViewScaleBytes(ViewScale scale, std::string bytes);

// The scale as a factor (1.5), or 0 for the desktop's.
double ScaleFactor(ViewScale scale);

}  // namespace vantrel
