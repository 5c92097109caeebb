#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// The decimal text of value, left-padded with "0" to width characters; never cut.
std::string ZeroPad(int value, int width);

// How a message box looks, chosen from the punctuation of its text.
enum class MessageStyle {
    Question,     // "?": OK and Cancel, question icon, Cancel the default
    Exclamation,  // "!": OK, exclamation icon
    Information,  // otherwise, or "!" with "Thank you": OK, information icon
};
MessageStyle MessageStyleFor(std::string_view text);

}  // namespace vantrel
