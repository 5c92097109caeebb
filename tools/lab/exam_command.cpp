// vantrel-lab exam: how often a student who plays basic strategy perfectly passes a graduation
// exam, played on the table engine to its quota or to ruin.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "coach/lessons.h"
#include "command_options.h"
#include "commands.h"
#include "exam_figures.h"
#include "sim/bet_ramp.h"
#include "sim/exam_sim.h"
#include "sim/master_exam_sim.h"
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
(Wilson's), as "pass rate: X.X% (95% interval L.L% to H.H%)".

ML6 (the Master Course) is judged on skill: 4 shoes of the figures' decks and
cut, every decision judged, every bet against the ramp, and about 10 true
counts asked; it passes at 95% of decisions right, 90% of bets on the ramp and
90% of true counts right. Its figures (the ramp, the edge by true count) are
read from --figures, a file `vantrel-lab master` writes; without it, from the
figures the build keeps for the shoe (--decks and --cut, default 6 decks cut
at 60%: master-6-60.txt beside the chart or in the data folder beside the
program), or, where there are none for the chart, worked out as the trainer
works them out (about a minute of processor time). --player perfect
bets the ramp, answers the true count the tray reads, makes the index plays
and insures by the insurance index; --player basic plays the chart alone,
bets $5 flat, answers the running count and never insures.)help";

struct ExamOptions {
    std::string code;
    const LessonInfo* exam = nullptr;
    int bet = 0;  // 0: the exam's table maximum
    long long trials = 10'000;
    PlayOptions play;
    std::string rampText;
    std::optional<BetRamp> ramp;
    std::string player = "perfect";  // ML6 only
    std::string figures;             // ML6 only
    int decks = 6;                   // ML6 only, without --figures
    int cut = 60;                    // ML6 only, without --figures
};

// The exam named on the command line, as its lesson; an empty text when it is one.
std::string ExamLesson(std::string& code) {
    const LessonInfo* lesson = FindLesson(code);
    if (lesson &&
        (lesson->mode == LessonMode::WinningsQuota || lesson->mode == LessonMode::MasterExam))
        return {};
    return "the exam is NL6, PL3 or ML6, not '" + code + "'";
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
        << "player: bets $" << options.bet
        << (options.ramp ? " a unit by the ramp " + options.ramp->Text() : std::string(" a round"))
        << ", plays by the chart\n"
        << "exams: " << tally.exams << ", " << average << " rounds each on average\n"
        << "pass rate: " << Percent(pass.rate) << " (95% interval " << Percent(pass.low) << " to "
        << Percent(pass.high) << ")\n";
}

std::optional<strategy::MasterFigures> ReadFiguresOption(const std::string& path) {
    std::ifstream in(path);
    return in ? strategy::ReadMasterFigures(in) : std::nullopt;
}

int RunMasterExam(const ExamOptions& options) {
    std::string said;
    const std::optional<strategy::MasterFigures> figures =
        options.figures.empty() ? DefaultExamFigures(options.play.chart, options.decks, options.cut,
                                                     options.play.threads, said)
                                : ReadFiguresOption(options.figures);
    if (!figures && options.figures.empty())
        return UsageError("exam", "cannot read a chart from '" + options.play.chart + "'");
    if (!figures)
        return UsageError("exam", "cannot read the Master Course's figures from '" +
                                      options.figures + "' (--figures)");
    if (!said.empty()) std::cerr << said << '\n';
    const std::optional<StrategyTable> chart = ReadChartFile(options.play.chart);
    if (!chart) return UsageError("exam", "cannot read a chart from '" + options.play.chart + "'");
    const MasterPlayer player =
        options.player == "basic" ? MasterPlayer::Basic : MasterPlayer::Perfect;
    ExamTally tally;
    try {
        tally = SimulateMasterExams(*chart, *figures, player, options.trials, options.play.seed,
                                    options.play.threads);
    } catch (const std::system_error& error) {
        std::cerr << "vantrel-lab exam: cannot start " << options.play.threads
                  << " threads: " << error.what() << '\n';
        return 1;
    }
    const PassRate pass = EstimatePassRate(tally);
    char average[32];
    std::snprintf(average, sizeof average, "%.1f",
                  static_cast<double>(tally.rounds) / static_cast<double>(tally.exams));
    std::cout << "exam: ML6, 4 shoes of " << figures->decks << " decks cut at "
              << figures->penetration << "%, judged on skill\n"
              << "player: " << options.player << '\n'
              << "exams: " << tally.exams << ", " << average << " rounds each on average\n"
              << "pass rate: " << Percent(pass.rate) << " (95% interval " << Percent(pass.low)
              << " to " << Percent(pass.high) << ")\n";
    return std::cout.flush() ? 0 : 1;
}

int RunExam(ExamOptions options) {
    if (options.code == "ML6") return RunMasterExam(options);
    options.exam = FindLesson(options.code);
    if (const std::string error = CheckBet(options); !error.empty())
        return UsageError("exam", error);
    if (!options.rampText.empty()) {
        options.ramp = ParseRamp(options.rampText);
        if (!options.ramp) return UsageError("exam", RampError(options.rampText));
        // The unit: the largest in $5 steps whose top bet the table takes.
        const int topUnit = options.exam->maxBet / options.ramp->MostUnits() / 5 * 5;
        if (options.bet == 0) options.bet = topUnit;
        if (options.bet < 5 || options.bet > topUnit)
            return UsageError("exam", "the ramp's top bet is over the table maximum of $" +
                                          std::to_string(options.exam->maxBet));
    }
    if (options.bet == 0) options.bet = options.exam->maxBet;
    const std::optional<StrategyTable> chart = ReadChartFile(options.play.chart);
    if (!chart) return UsageError("exam", "cannot read a chart from '" + options.play.chart + "'");

    ExamTally tally;
    try {
        tally = SimulateExams(*chart, *options.exam, options.bet, options.trials, options.play.seed,
                              options.play.threads, options.ramp ? &*options.ramp : nullptr);
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
    exam->add_option("exam", options->code, "the exam: NL6, PL3 or ML6")
        ->required()
        ->check(CLI::Validator(ExamLesson, "NL6|PL3|ML6", "exam"));
    exam->add_option("--player", options->player, "ML6: perfect (default) or basic")
        ->check(CLI::IsMember({"perfect", "basic"}));
    exam->add_option("--figures", options->figures,
                     "ML6: the Master Course's figures, as `vantrel-lab master` writes them")
        ->option_text("FILE");
    exam->add_option("--decks", options->decks,
                     "ML6 without --figures: decks in the shoe, 1 to " + std::to_string(kMaxDecks) +
                         " (default 6)")
        ->check(CLI::Range(1, kMaxDecks))
        ->option_text("N");
    exam->add_option("--cut", options->cut,
                     "ML6 without --figures: per cent of the shoe dealt before the shuffle, 50 "
                     "to 90 (default 60)")
        ->check(CLI::Range(50, 90))
        ->option_text("P");
    exam->add_option("--bet", options->bet,
                     "dollars bet a round: a multiple of 5 from 5 to the table maximum (default: "
                     "the maximum, 200)")
        ->option_text("N");
    exam->add_option("--trials", options->trials, "exams to play, 1 to 10^8 (default 10000)")
        ->option_text("T")
        ->check(CLI::Range(1LL, kMaxTrials));
    exam->add_option("--ramp", options->rampText,
                     "bet by the true count at the start of each round, as `vantrel-lab sim "
                     "--ramp` does: COUNT:UNITS pairs, one unit below the first count; --bet is "
                     "then the unit (default: the largest whose top bet the table takes)")
        ->option_text("RAMP");
    AddPlayOptions(*exam, options->play,
                   "exam i is seeded from S and i, so the figures do not depend on the number of "
                   "threads",
                   "exams");
    return [options] { return RunExam(*options); };
}

}  // namespace vantrel::lab
