#pragma once

#include <charconv>
#include <cstdint>
#include <string>

#include <CLI/CLI.hpp>

#include "sim/sim_report.h"

namespace vantrel::lab {

inline constexpr int kMaxThreads = 256;

// The options of the commands that play the table engine.
struct PlayOptions {
    std::uint64_t seed = 1;
    int threads = 1;
    std::string chart = kDefaultChartPath;
};

// The whole text in decimal, 0 to 2^64-1: a seed. (Left to itself the library would read "-1" or
// 2^64 as some other number.)
inline std::string CheckSeed(const std::string& text) {
    std::uint64_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (!text.empty() && error == std::errc() && end == text.data() + text.size()) return {};
    return "needs a whole number from 0 to 2^64-1, not '" + text + "'";
}

// --seed, --threads and --chart; `seeding` says how the seed is shared out, `unit` what the
// threads play side by side.
inline void AddPlayOptions(CLI::App& command, PlayOptions& options, const std::string& seeding,
                           const std::string& unit) {
    command.add_option("--seed", options.seed, "seed, 0 to 2^64-1 (default 1); " + seeding)
        ->option_text("S")
        ->check(CLI::Validator(CheckSeed, "", "seed"));
    command
        .add_option("--threads", options.threads,
                    unit + " played side by side, one thread each, 1 to " +
                        std::to_string(kMaxThreads) + " (default 1)")
        ->option_text("T")
        ->check(CLI::Range(1, kMaxThreads));
    command
        .add_option("--chart", options.chart,
                    std::string("the chart file to follow (default ") + kDefaultChartPath + ")")
        ->option_text("FILE");
}

}  // namespace vantrel::lab
