#pragma once

#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>

namespace vantrel::lab {

// A command-line number: the whole text in decimal, from least to most; nothing otherwise.
template <class Number>
std::optional<Number> ParseNumber(std::string_view text, Number least, Number most) {
    Number number{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
    if (number < least || number > most) return {};
    return number;
}

}  // namespace vantrel::lab
