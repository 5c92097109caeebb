// vantrel-lab exam: how often a student who plays basic strategy perfectly passes a graduation
// exam, played on the table engine to its quota or to ruin.

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>

#include "coach/lessons.h"
#include "command_options.h"
#include "commands.h"
#include "sim/exam_sim.h"
#include "sim/sim_report.h"

namespace vantrel::lab {

namespace {

constexpr long long kMaxTrials = 100'000'000;

constexpr std::string_view kHelp =
    R"help(Usage: vantrel-lab exam NL6|PL3 [--bet N] [--trials T] [--seed S] [--threads T]
                         [--chart FILE]

Sits a graduation exam many times at the trainer's own table engine, as the
lesson's menu button sets it up: NL6 (the General Course) asks for $1000 net,
PL3 (the Professional Course) for $2000, each from $1000 in chips with a table
maximum of $200. An exam is passed when the quota is met at the end of a round
and failed when fewer than $5 in chips are left.

The player bets the same amount every round (every chip left, in $5 steps,
when that is less), follows the chart exactly as `vantrel-lab sim` does, and
where the table refuses a double or a split for want of chips takes the
chart's next-best action: a double falls back to hit (D) or stand (Ds), a
pair is played by its total. The table: the settings' defaults, 6 decks
reshuffled after 60 per cent of the shoe.

Options:
  --bet N       dollars bet a round: a multiple of 5 from 5 to the table
                maximum (default: the maximum, 200)
  --trials T    exams to play, 1 to 10^8 (default 10000)
  --seed S      seed, 0 to 2^64-1 (default 1); exam i is seeded from S and i,
                so the figures do not depend on the number of threads
  --threads T   exams played side by side, 1 to 256 (default 1)
  --chart FILE  the chart file to follow (default data/bs4bj.dat)
  -h, --help    show this help

Prints the exam and the bet, the exams played with the average number of
rounds an exam took, and the pass rate with its 95 per cent interval
(Wilson's), as "pass rate: X.X% (95% interval L.L% to H.H%)".
)help";

struct ExamOptions {
    const LessonInfo* exam = nullptr;
    int bet = 0;  // 0: the exam's table maximum
    long long trials = 10'000;
    PlayOptions play;
    bool help = false;
};

// Fills `options`; returns an error message, empty when the arguments are good.
std::string ParseOptions(std::span<const std::string_view> args, ExamOptions& options) {
    std::string_view betText;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        if (!arg.starts_with("-")) {
            if (options.exam) return "one exam only, not also '" + std::string(arg) + "'";
            options.exam = FindLesson(arg);
            if (!options.exam || options.exam->mode != LessonMode::WinningsQuota)
                return "the exam is NL6 or PL3, not '" + std::string(arg) + "'";
            continue;
        }
        const std::string_view name = arg.substr(0, arg.find('='));
        if (name != "--bet" && name != "--trials" && !IsPlayOption(name))
            return "unknown option '" + std::string(arg) + "'";
        const std::optional<std::string_view> value = OptionValue(args, i, name);
        if (!value) return std::string(name) + " needs a value";
        if (name == "--bet") {
            betText = *value;
        } else if (name == "--trials") {
            const auto trials = ParseNumber<long long>(*value, 1, kMaxTrials);
            if (!trials)
                return "--trials needs a whole number from 1 to 10^8, not '" + std::string(*value) +
                       "'";
            options.trials = *trials;
        } else if (std::string error = ReadPlayOption(name, *value, options.play); !error.empty()) {
            return error;
        }
    }
    if (options.help) return {};
    if (!options.exam) return "name the exam: NL6 or PL3";
    options.bet = options.exam->maxBet;
    if (!betText.empty()) {
        // Bets are made of $5, $25 and $100 chips, up to the table maximum.
        const auto bet = ParseNumber<int>(betText, 5, options.exam->maxBet);
        if (!bet || *bet % 5 != 0)
            return "--bet needs a multiple of 5 from 5 to " + std::to_string(options.exam->maxBet) +
                   ", not '" + std::string(betText) + "'";
        options.bet = *bet;
    }
    return {};
}

std::string Percent(double fraction) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f%%", fraction * 100.0);
    return text;
}

void WriteExamReport(std::ostream& out, const ExamOptions& options, const ExamTally& tally) {
    const LessonInfo& exam = *options.exam;
    const PassRate pass = EstimatePassRate(tally);
    char average[32];
    std::snprintf(average, sizeof average, "%.1f",
                  static_cast<double>(tally.rounds) / static_cast<double>(tally.exams));
    out << "exam: " << exam.code << ", win $" << exam.quota << " net from $" << exam.chips
        << " in chips, table maximum $" << exam.maxBet << '\n'
        << "player: bets $" << options.bet << " a round, plays by the chart\n"
        << "exams: " << tally.exams << ", " << average << " rounds each on average\n"
        << "pass rate: " << Percent(pass.rate) << " (95% interval " << Percent(pass.low) << " to "
        << Percent(pass.high) << ")\n";
}

}  // namespace

int RunExam(std::span<const std::string_view> args) {
    ExamOptions options;
    if (const std::string error = ParseOptions(args, options); !error.empty())
        return UsageError("exam", error);
    if (options.help) {
        std::cout << kHelp;
        return 0;
    }
    const std::optional<StrategyTable> chart = ReadChartFile(options.play.chart);
    if (!chart) return UsageError("exam", "cannot read a chart from '" + options.play.chart + "'");

    ExamTally tally;
    try {
        tally = SimulateExams(*chart, *options.exam, options.bet, options.trials, options.play.seed,
                              options.play.threads);
    } catch (const std::system_error& error) {
        std::cerr << "vantrel-lab exam: cannot start " << options.play.threads
                  << " threads: " << error.what() << '\n';
        return 1;
    }
    WriteExamReport(std::cout, options, tally);
    return std::cout.flush() ? 0 : 1;
}

}  // namespace vantrel::lab
