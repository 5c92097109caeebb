#pragma once

#include <iostream>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantrel::lab {

// A sub-command of vantrel-lab. `run` gets the arguments after the command's name and returns
// the exit status: 0 done, 1 failed, 2 a usage error.
struct Command {
    std::string_view name;
    std::string_view summary;
    int (*run)(std::span<const std::string_view> args);
};

inline constexpr int kExitUsage = 2;

// Says what is wrong with a command's arguments and where its help is; returns kExitUsage.
inline int UsageError(std::string_view command, std::string_view message) {
    std::cerr << "vantrel-lab " << command << ": " << message << "\nTry 'vantrel-lab " << command
              << " --help'.\n";
    return kExitUsage;
}

// Each command lives in a file of its own and is listed in main.cpp.
int RunChart(std::span<const std::string_view> args);
int RunSim(std::span<const std::string_view> args);
int RunBench(std::span<const std::string_view> args);
int RunRecord(std::span<const std::string_view> args);
// The record store's speed, run by `bench --record`.
int RunRecordBench(std::span<const std::string_view> args);
int RunExam(std::span<const std::string_view> args);

// chart --judging: the chart the trainer judges by with the chart file of dataDir and the
// settings file (the default settings without one), in the chart file's format.
int PrintJudgingChart(const std::string& dataDir, const std::optional<std::string>& settingsPath);

}  // namespace vantrel::lab
