#include "app/text_helpers.h"

namespace vantrel {

std::string ZeroPad(int value, int width) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), '0');
    return text;
}

MessageStyle MessageStyleFor(std::string_view text) {
    // The full-width marks as Shift-JIS bytes; a plain substring test never matches inside a
    // double-byte character for these two.
    const auto contains = [text](std::string_view part) {
        return text.find(part) != std::string_view::npos;
    };
    if (contains("?") || contains("\x81\x48")) return MessageStyle::Question;
    if (contains("!") || contains("\x81\x49"))
        return contains("Thank you") ? MessageStyle::Information : MessageStyle::Exclamation;
    return MessageStyle::Information;
}

}  // namespace vantrel
