#pragma once

#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

namespace vantrel::lab {

// A sub-command of vantrel-lab: its Add function puts it and its typed options on the lab's
// command line and returns what runs it once the line has been read. The run returns the exit
// status: 0 done, 1 failed, 2 a usage error.
using CommandRun = std::function<int()>;

inline constexpr int kExitUsage = 2;

// Says what is wrong with a command's arguments and where its help is; returns kExitUsage.
inline int UsageError(std::string_view command, std::string_view message) {
    std::cerr << "vantrel-lab " << command << ": " << message << "\nTry 'vantrel-lab " << command
              << " --help'.\n";
    return kExitUsage;
}

// Each command lives in a file of its own and is listed in main.cpp.
CommandRun AddChart(CLI::App& lab);
CommandRun AddSim(CLI::App& lab);
CommandRun AddBench(CLI::App& lab);
CommandRun AddRecord(CLI::App& lab);
CommandRun AddExam(CLI::App& lab);
CommandRun AddDealer(CLI::App& lab);
CommandRun AddEv(CLI::App& lab);
CommandRun AddIndices(CLI::App& lab);
CommandRun AddMaster(CLI::App& lab);

// The record store's speed, run by `bench --record`, with the record made under `folder` (a new
// folder under $TMPDIR or /tmp when empty).
int RunRecordBench(const std::string& folder);

// chart --judging: the chart the trainer judges by with the chart file of dataDir and the
// settings file (the default settings without one), in the chart file's format.
int PrintJudgingChart(const std::string& dataDir, const std::optional<std::string>& settingsPath);

}  // namespace vantrel::lab
