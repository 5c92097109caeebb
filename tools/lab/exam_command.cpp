// vantrel-lab exam: how often a student who plays basic strategy perfectly passes a graduation
// exam, played on the table engine to its quota or to ruin.

#include <cstdio>
#include <iostream>
#include <memory>
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

constexpr std::string_view kAbout =
    R"help(Sits a graduation exam many times at the trainer's own table engine, as the
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

Prints the exam and the bet, the exams played with the average number of
rounds an exam took, and the pass rate with its 95 per cent interval
(Wilson's), as "pass rate: X.X% (95% interval L.L% to H.H%)".)help";

struct ExamOptions {
    std::string code;
    const LessonInfo* exam = nullptr;
    int bet = 0;  // 0: the exam's table maximum
    long long trials = 10'000;
    PlayOptions play;
};

// The exam named on the command line, as its lesson; an empty text when it is one.
std::string ExamLesson(std::string& code) {
    const LessonInfo* lesson = FindLesson(code);
    if (lesson && lesson->mode == LessonMode::WinningsQuota) return {};
    return "the exam is NL6 or PL3, not '" + code + "'";
}

// Bets are made of $5, $25 and $100 chips, up to the table maximum.
std::string CheckBet(const ExamOptions& options) {
    const int most = options.exam->maxBet;
    if (options.bet == 0 || (options.bet >= 5 && options.bet <= most && options.bet % 5 == 0))
        return {};
    return "--bet needs a multiple of 5 from 5 to " + std::to_string(most) + ", not '" +
           std::to_string(options.bet) + "'";
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

int RunExam(ExamOptions options) {
    options.exam = FindLesson(options.code);
    if (const std::string error = CheckBet(options); !error.empty())
        return UsageError("exam", error);
    if (options.bet == 0) options.bet = options.exam->maxBet;
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

}  // namespace

CommandRun AddExam(CLI::App& lab) {
    auto options = std::make_shared<ExamOptions>();
    CLI::App* exam =
        lab.add_subcommand("exam", "how often basic strategy passes a graduation exam");
    exam->footer(std::string(kAbout));
    exam->add_option("exam", options->code, "the exam: NL6 or PL3")
        ->required()
        ->check(CLI::Validator(ExamLesson, "NL6|PL3", "exam"));
    exam->add_option("--bet", options->bet,
                     "dollars bet a round: a multiple of 5 from 5 to the table maximum (default: "
                     "the maximum, 200)")
        ->option_text("N");
    exam->add_option("--trials", options->trials, "exams to play, 1 to 10^8 (default 10000)")
        ->option_text("T")
        ->check(CLI::Range(1LL, kMaxTrials));
    AddPlayOptions(*exam, options->play,
                   "exam i is seeded from S and i, so the figures do not depend on the number of "
                   "threads",
                   "exams");
    return [options] { return RunExam(*options); };
}

}  // namespace vantrel::lab
