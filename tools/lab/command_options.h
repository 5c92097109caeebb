#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "app/settings.h"
#include "default_chart.h"
#include "sim/sim_report.h"
#include "strategy/judging_chart.h"

namespace vantrel::lab {

inline constexpr int kMaxThreads = 256;
inline constexpr int kMaxDecks = 64;

// The options of the commands that play the table engine.
struct PlayOptions {
    std::uint64_t seed = 1;
    int threads = 1;
    std::string chart = DefaultChartPath();
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
    command.add_option("--chart", options.chart, kChartOptionHelp)->option_text("FILE");
}

// --decks and --settings: the shoe of the table in force.
struct ShoeOptions {
    std::optional<int> decks;
    std::optional<std::string> settings;
};

inline void AddShoeOptions(CLI::App& command, ShoeOptions& options) {
    command.add_option("--decks", options.decks, "decks in the shoe, 1 to 64 (instead of DECK)")
        ->check(CLI::Range(1, kMaxDecks))
        ->option_text("N");
    command
        .add_option("--settings", options.settings,
                    "the settings file whose DECK and PLAYPER are in force (default: the "
                    "default settings, 6 decks cut at 60 per cent)")
        ->option_text("FILE");
}

// The decks the table deals from (DECK as the table plays it, unless --decks) and its cut.
struct ShoeInForce {
    int decks = 6;
    int penetration = 60;
};

inline ShoeInForce ReadShoeInForce(const ShoeOptions& options) {
    const Settings settings = options.settings ? LoadSettings(*options.settings) : Settings{};
    return {options.decks.value_or(strategy::TableDecks(settings.DECK)), settings.PLAYPER};
}

}  // namespace vantrel::lab
