// vantrel-lab record: a student's record as text, or every decision as CSV.

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <string>

#include "coach/coach.h"
#include "commands.h"
#include "record/record_queries.h"
#include "record/record_reader.h"
#include "record/record_text.h"

namespace vantrel::lab {

namespace {

using namespace vantrel::record;

constexpr int kTopMistakes = 10;
constexpr std::size_t kLastExams = 10;

constexpr std::string_view kAbout =
    R"(Reads a student's record (the vantrel.sqlite beside the settings file) and
prints, per lesson, the visits, passes, rounds, right decisions and right
count answers, the exams' best and last net winnings, each exam attempt as
skill beside luck, and the costliest mistakes by chart cell. The file is only
read, never changed, also while the trainer is writing it.)";

std::string WholeDollars(int dollars) {
    return (dollars < 0 ? "-$" : "$") + std::to_string(dollars < 0 ? -dollars : dollars);
}

std::string RightOfAll(int right, int all) {
    if (all == 0) return "-";
    char text[48];
    std::snprintf(text, sizeof text, "%d of %d (%.1f %%)", right, all, 100.0 * right / all);
    return text;
}

std::string LocalTime(std::int64_t ms, const char* format) {
    const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, format, &local);
    return text;
}

void PrintSummary(const RecordReader& reader, std::ostream& out) {
    constexpr const char* kColumns = "%-27s %6s %6s %6s  %-25s %-25s %8s %9s";
    char line[200];
    std::snprintf(line, sizeof line, kColumns, "Lesson", "Visits", "Passes", "Rounds",
                  "Decisions right", "Count answers right", "Best net", "Last net");
    out << line << '\n';
    for (const LessonSummary& lesson : LessonSummaries(reader)) {
        const std::string name = lesson.lessonCode +
                                 std::string(5 - lesson.lessonCode.size(), ' ') +
                                 LessonName(lesson.lessonCode);
        std::snprintf(line, sizeof line, kColumns, name.c_str(),
                      std::to_string(lesson.visits).c_str(), std::to_string(lesson.passes).c_str(),
                      std::to_string(lesson.rounds).c_str(),
                      RightOfAll(lesson.rightDecisions, lesson.decisions).c_str(),
                      RightOfAll(lesson.rightCountAnswers, lesson.countAnswers).c_str(),
                      lesson.bestNet ? WholeDollars(*lesson.bestNet).c_str() : "",
                      lesson.lastNet ? WholeDollars(*lesson.lastNet).c_str() : "");
        std::string text = line;
        text.erase(text.find_last_not_of(' ') + 1);
        out << text << '\n';
    }
}

void PrintExams(const RecordReader& reader, std::ostream& out) {
    const std::vector<ExamAttempt> attempts = ExamAttempts(reader);
    if (attempts.empty()) return;
    out << "\nExams, skill beside luck (the last " << kLastExams << " attempts):\n";
    for (std::size_t i = attempts.size() - std::min(attempts.size(), kLastExams);
         i < attempts.size(); ++i) {
        const ExamAttempt& attempt = attempts[i];
        out << "  " << attempt.lessonCode << ' ' << LocalTime(attempt.startedAt, "%Y-%m-%d %H:%M")
            << "  net " << WholeDollars(attempt.net) << ", wrong decisions gave up "
            << DollarText(attempt.givenUp) << ", luck " << DollarText(attempt.luck()) << '\n';
    }
}

void PrintMistakes(const RecordReader& reader, std::ostream& out) {
    const std::vector<Mistake> mistakes = MistakesByCell(reader, kTopMistakes);
    out << "\nCostliest mistakes:\n";
    if (mistakes.empty()) out << "  none\n";
    for (const Mistake& mistake : mistakes) out << "  " << MistakeText(mistake) << '\n';
}

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

std::string CsvNumber(std::optional<double> value) {
    if (!value) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", *value);
    return text;
}

std::string AdviceName(int code) {
    if (code == kChartAnyAction) return "ANY";
    const std::string_view name = ActionName(code);
    return name.empty() ? "NONE" : std::string(name);
}

std::string_view PartName(ChartPart part) {
    return part == ChartPart::Soft ? "soft" : part == ChartPart::Pair ? "pair" : "hard";
}

std::string UtcTime(std::int64_t ms) {
    const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[40];
    const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &utc);
    std::snprintf(text + length, sizeof text - length, ".%03dZ", static_cast<int>(ms % 1000));
    return text;
}

bool WriteCsv(const RecordReader& reader, std::ostream& out) {
    out << "time,lesson,decks,hand,cards,up_card,chart,row,column,cell,action,advice,right,"
           "ev_taken,ev_best,stake\n";
    return ForEachDecision(reader, [&](const DecisionRow& row) {
        const std::string fields[] = {UtcTime(row.at),
                                      row.lessonCode,
                                      std::to_string(row.decks),
                                      std::to_string(row.hand),
                                      row.cards,
                                      row.upCard,
                                      std::string(PartName(row.cell.part)),
                                      std::to_string(row.cell.row),
                                      std::to_string(row.cell.column),
                                      CellLabel(row.cell),
                                      AdviceName(static_cast<int>(row.action)),
                                      AdviceName(row.advice),
                                      row.right ? "1" : "0",
                                      CsvNumber(row.evTaken),
                                      CsvNumber(row.evBest),
                                      std::to_string(row.stake)};
        const char* separator = "";
        for (const std::string& field : fields) {
            out << separator << CsvField(field);
            separator = ",";
        }
        out << '\n';
    });
}

int RunRecord(const std::string& path, bool csv) {
    const RecordReader reader(path);
    if (!reader.ok()) {
        std::cerr << "vantrel-lab record: " << reader.error() << '\n';
        return kExitUsage;
    }
    if (csv) {
        if (!WriteCsv(reader, std::cout)) {
            std::cerr << "vantrel-lab record: reading " << path << " failed part-way\n";
            return 1;
        }
        return std::cout.flush() ? 0 : 1;
    }
    std::cout << "Record " << path << "\n\n";
    if (IsEmpty(reader)) {
        std::cout << "No table visit is recorded yet.\n";
    } else {
        PrintSummary(reader, std::cout);
        PrintExams(reader, std::cout);
        PrintMistakes(reader, std::cout);
    }
    return std::cout.flush() ? 0 : 1;
}

}  // namespace

CommandRun AddRecord(CLI::App& lab) {
    auto path = std::make_shared<std::string>();
    auto csv = std::make_shared<bool>(false);
    CLI::App* record =
        lab.add_subcommand("record", "a student's record: summary and costliest mistakes, or CSV");
    record->footer(std::string(kAbout));
    record->add_option("FILE", *path, "the record to read")->required();
    record->add_flag("--csv", *csv, "write every decision as CSV to standard output instead");
    return [path, csv] { return RunRecord(*path, *csv); };
}

}  // namespace vantrel::lab
