#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

#include "default_chart.h"
#include "sim/sim_report.h"

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

// The value of the option at args[i], whose name is `name`: given as "--name=value", or as the
// next argument (then i moves on to it). Nothing when no value follows.
inline std::optional<std::string_view> OptionValue(std::span<const std::string_view> args,
                                                   std::size_t& i, std::string_view name) {
    if (name.size() < args[i].size()) return args[i].substr(name.size() + 1);
    if (i + 1 < args.size()) return args[++i];
    return {};
}

inline constexpr int kMaxThreads = 256;

// The options of the commands that play the table engine.
struct PlayOptions {
    std::uint64_t seed = 1;
    int threads = 1;
    std::string chart = DefaultChartPath();
};

inline bool IsPlayOption(std::string_view name) {
    return name == "--seed" || name == "--threads" || name == "--chart";
}

// Reads one of --seed, --threads and --chart; returns an error message, empty when it is good.
inline std::string ReadPlayOption(std::string_view name, std::string_view value,
                                  PlayOptions& options) {
    const std::string quoted = ", not '" + std::string(value) + "'";
    if (name == "--seed") {
        const auto seed = ParseNumber<std::uint64_t>(value, 0, UINT64_MAX);
        if (!seed) return "--seed needs a whole number from 0 to 2^64-1" + quoted;
        options.seed = *seed;
    } else if (name == "--threads") {
        const auto threads = ParseNumber<int>(value, 1, kMaxThreads);
        if (!threads)
            return "--threads needs a whole number from 1 to " + std::to_string(kMaxThreads) +
                   quoted;
        options.threads = *threads;
    } else {
        if (value.empty()) return "--chart needs a file name";
        options.chart = value;
    }
    return {};
}

}  // namespace vantrel::lab
