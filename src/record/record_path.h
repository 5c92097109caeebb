#pragma once

#include <string>

namespace vantrel::record {

// The record beside the settings file, named after it: /home/ann/vantrel.INI gives
// /home/ann/vantrel.sqlite. The extension is what follows the last "." of the file name; a name
// without one gets ".sqlite" appended.
std::string RecordPathFor(const std::string& settingsPath);

}  // namespace vantrel::record
