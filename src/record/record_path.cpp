#include "record/record_path.h"

namespace vantrel::record {

std::string RecordPathFor(const std::string& settingsPath) {
    const std::size_t nameBegin = settingsPath.rfind('/') + 1;  // 0 when there is no folder
    const std::size_t dot = settingsPath.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot >= nameBegin;
    return settingsPath.substr(0, hasExtension ? dot : settingsPath.size()) + ".sqlite";
}

}  // namespace vantrel::record
