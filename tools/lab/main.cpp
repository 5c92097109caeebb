// vantrel-lab: the strategy lab's command line. Each sub-command lives in a file of its own;
// adding one means declaring it in commands.h and listing it below.

#include <iostream>
#include <string_view>
#include <vector>

#include "commands.h"

namespace {

using vantrel::lab::Command;

constexpr Command kCommands[] = {
    {"chart", "work out the basic-strategy chart by exact expected values", vantrel::lab::RunChart},
    {"sim", "play rounds on the table engine by the chart: house edge and speed",
     vantrel::lab::RunSim},
    {"bench", "the table engine's speed: 10 million rounds on one thread", vantrel::lab::RunBench},
    {"record", "a student's record: summary and costliest mistakes, or CSV",
     vantrel::lab::RunRecord},
    {"exam", "how often basic strategy passes a graduation exam", vantrel::lab::RunExam},
};

void PrintUsage(std::ostream& out) {
    out << "Usage: vantrel-lab COMMAND [OPTIONS]\n\n"
           "The trainer's strategy lab.\n\n"
           "Commands:\n";
    for (const Command& command : kCommands) {
        out << "  " << command.name << std::string(8 - command.name.size(), ' ') << command.summary
            << '\n';
    }
    out << "\nRun 'vantrel-lab COMMAND --help' for a command's options.\n";
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintUsage(std::cerr);
        return vantrel::lab::kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage(std::cout);
        return 0;
    }
    for (const Command& command : kCommands) {
        if (args[0] == command.name) return command.run(std::span(args).subspan(1));
    }
    std::cerr << "vantrel-lab: unknown command '" << args[0] << "'\n"
              << "Try 'vantrel-lab --help'.\n";
    return vantrel::lab::kExitUsage;
}
