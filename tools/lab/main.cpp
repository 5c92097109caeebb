// vantrel-lab: the strategy lab's command line. Each sub-command lives in a file of its own;
// adding one means declaring it in commands.h and listing it below.

#include <algorithm>
#include <iostream>
#include <memory>
#include <sstream>
#include <utility>
#include <vector>

#include "commands.h"

namespace {

using vantrel::lab::CommandRun;

constexpr CommandRun (*kCommands[])(CLI::App&) = {
    vantrel::lab::AddChart,  vantrel::lab::AddSim,     vantrel::lab::AddBench,
    vantrel::lab::AddRecord, vantrel::lab::AddExam,    vantrel::lab::AddDealer,
    vantrel::lab::AddEv,     vantrel::lab::AddIndices, vantrel::lab::AddMaster,
};

constexpr std::size_t kHelpWidth = 80;

// Option descriptions wrapped to the terminal's usual width beside the option column.
class WrappingFormatter : public CLI::Formatter {
  public:
    std::string make_option_desc(const CLI::Option* option) const override {
        const std::size_t width = kHelpWidth - get_column_width();
        std::string wrapped;
        std::size_t lineStart = 0;
        std::istringstream words(option->get_description());
        for (std::string word; words >> word;) {
            if (wrapped.size() > lineStart &&
                wrapped.size() - lineStart + 1 + word.size() > width) {
                wrapped += '\n';
                lineStart = wrapped.size();
            } else if (wrapped.size() > lineStart) {
                wrapped += ' ';
            }
            wrapped += word;
        }
        return wrapped;
    }
};

int UsageError(const CLI::App& lab, const std::string& message) {
    for (const CLI::App* command : lab.get_subcommands())
        return vantrel::lab::UsageError(command->get_name(), message);
    std::cerr << "vantrel-lab: " << message << "\nTry 'vantrel-lab --help'.\n";
    return vantrel::lab::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App lab("The trainer's strategy lab.", "vantrel-lab");
    lab.formatter(std::make_shared<WrappingFormatter>());
    lab.require_subcommand(1);
    lab.set_help_all_flag("--help-all", "show every command with its options");
    lab.footer("Run 'vantrel-lab COMMAND --help' for a command's options.");
    std::vector<std::pair<CLI::App*, CommandRun>> commands;
    for (const auto add : kCommands) {
        CommandRun run = add(lab);
        commands.emplace_back(lab.get_subcommands({}).back(), std::move(run));
    }
    if (argc < 2) {
        std::cerr << lab.help();
        return vantrel::lab::kExitUsage;
    }
    const std::string first = argv[1];
    const auto named = [&first](const auto& command) { return command.first->check_name(first); };
    if (!first.starts_with('-') && std::none_of(commands.begin(), commands.end(), named))
        return UsageError(lab, "unknown command '" + first + "'");
    try {
        lab.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return lab.exit(help);
    } catch (const CLI::CallForAllHelp& help) {
        return lab.exit(help);
    } catch (const CLI::ParseError& error) {
        return UsageError(lab, error.what());
    }
    for (const auto& [command, run] : commands)
        if (command->parsed()) return run();
    return vantrel::lab::kExitUsage;
}
