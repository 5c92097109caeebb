// The settings reader and writer on any bytes. The first part of the input is read as a settings
// file to give the values to save, the rest is the file they are saved into: whatever that file
// held, the saved values read back exactly, and saving them again changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\x1e');  // a record separator splits the two parts
    const std::string_view values = input.substr(0, split);
    const std::string_view file = split == std::string_view::npos ? "" : input.substr(split + 1);

    const vantrel::Settings settings = vantrel::ParseSettings(values);
    const std::string saved = vantrel::UpdateSettingsBytes(settings, std::string(file));
    if (!(vantrel::ParseSettings(saved) == settings)) std::abort();
    if (vantrel::UpdateSettingsBytes(settings, saved) != saved) std::abort();
    return 0;
}
