// vantrel-lab bench --record: the record store's speed on a record of 100,000 decisions.

#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <iostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "coach/strategy_table.h"
#include "commands.h"
#include "record/record_queries.h"
#include "record/record_reader.h"
#include "record/record_store.h"

namespace vantrel::lab {

namespace {

using namespace vantrel::record;
using Clock = std::chrono::steady_clock;

constexpr int kBenchDecisions = 100'000;
constexpr int kRoundsPerVisit = 100;
constexpr std::uint32_t kBenchSeed = 20261206;

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const std::size_t index = static_cast<std::size_t>(fraction * (values.size() - 1) + 0.5);
    return values[index];
}

// A round of one to three decisions, one in ten of them wrong, with EVs as the trainer would
// record them.
RoundEntry MakeRound(std::mt19937& random, int decisions) {
    RoundEntry round;
    round.upCard = Card{1 + static_cast<int>(random() % 4), 1 + static_cast<int>(random() % 13)};
    round.dealerLabel = std::to_string(17 + random() % 5);
    round.hands.push_back({.bet = 25, .label = "18", .result = "Win", .payout = 50});
    for (int i = 0; i < decisions; ++i) {
        DecisionEntry decision;
        decision.cards = {Card{1, 10}, Card{2, 6}};
        decision.upCard = round.upCard;
        decision.cell = {ChartPart::Hard, 8 + static_cast<int>(random() % 10),
                         1 + static_cast<int>(random() % 10)};
        decision.advice = kChartHit;
        decision.right = random() % 10 != 0;
        decision.action = decision.right ? Action::Hit : Action::Stand;
        decision.evBest = -0.5;
        decision.evTaken = decision.right ? -0.5 : -0.54;
        decision.stake = 25;
        round.decisions.push_back(decision);
    }
    return round;
}

// Writes the record; returns each round's write time in milliseconds.
std::vector<double> FillRecord(RecordStore& store) {
    constexpr std::string_view kLessons[] = {"NL3", "NL5", "NL6", "PL2", "PL3", "P"};
    std::mt19937 random(kBenchSeed);
    std::vector<double> writes;
    int written = 0;
    for (int round = 0; written < kBenchDecisions; ++round) {
        const std::string_view lesson = kLessons[(round / kRoundsPerVisit) % std::size(kLessons)];
        if (round % kRoundsPerVisit == 0) {
            if (round > 0) store.EndVisit({VisitEnding::Menu, 10000, 50});
            store.BeginVisit({std::string(lesson), LessonMode::FreePlay, 10000, 100, 6});
        }
        const int decisions = std::min(1 + round % 3, kBenchDecisions - written);
        const RoundEntry entry = MakeRound(random, decisions);
        const Clock::time_point start = Clock::now();
        store.AddRound(entry);
        writes.push_back(Milliseconds(Clock::now() - start));
        written += decisions;
        if (lesson == "PL2" && round % 10 == 9) store.AddCountAnswer({3, 3 - round % 2, 4.5});
    }
    store.EndVisit({VisitEnding::Menu, 10000, 50});
    return writes;
}

// The Record screen's queries one by one.
std::vector<std::pair<const char*, std::function<void(const RecordReader&)>>> QueryParts() {
    return {{"  summary per lesson:", [](const RecordReader& r) { LessonSummaries(r); }},
            {"  mistakes by chart cell:", [](const RecordReader& r) { MistakesByCell(r); }},
            {"  exams, skill beside luck:", [](const RecordReader& r) { ExamAttempts(r); }},
            {"  progress of the last 30 visits:",
             [](const RecordReader& r) { ProgressOfLastVisits(r); }}};
}

void PrintFigure(const char* what, double ms) {
    char line[128];
    std::snprintf(line, sizeof line, "%-40s %9.3f ms\n", what, ms);
    std::cout << line;
}

// Times `work` on the clock and in processor time: other programs sharing the machine lengthen
// the first, hardly the second.
template <class Work>
void PrintTimed(const char* what, Work&& work) {
    const Clock::time_point start = Clock::now();
    const std::clock_t startCpu = std::clock();
    work();
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - startCpu) / CLOCKS_PER_SEC;
    char line[128];
    std::snprintf(line, sizeof line, "%-40s %9.3f ms (%.1f ms of processor time)\n", what,
                  Milliseconds(Clock::now() - start), cpuMs);
    std::cout << line;
}

}  // namespace

int RunRecordBench(const std::string& folder) {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = (folder.empty() ? std::string(base && *base ? base : "/tmp") : folder) +
                          "/vantrel-record-bench-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        std::cerr << "vantrel-lab bench --record: cannot make a folder " << pattern << '\n';
        return 1;
    }
    const std::string path = pattern + "/bench.sqlite";
    int status = 0;
    {
        RecordStore store;
        if (!store.Open(path)) {
            std::cerr << "vantrel-lab bench --record: " << store.TakeMessage() << '\n';
            status = 1;
        } else {
            const std::vector<double> writes = FillRecord(store);
            store.Close();
            std::error_code ignored;
            std::cout << "record: " << kBenchDecisions << " decisions in " << writes.size()
                      << " rounds, " << std::filesystem::file_size(path, ignored) / 1024
                      << " KiB\n";
            PrintFigure("one round's write, median:", Percentile(writes, 0.5));
            PrintFigure("one round's write, 99th percentile:", Percentile(writes, 0.99));

            bool opened = false;
            PrintTimed("open with integrity check:", [&] { opened = store.Open(path); });
            store.Close();

            bool empty = true;
            std::size_t rows = 0;
            PrintTimed("Record screen's queries:", [&] {
                const RecordReader reader(path);
                empty = IsEmpty(reader);
                rows = LessonSummaries(reader).size() + MistakesByCell(reader).size() +
                       ExamAttempts(reader).size() + ProgressOfLastVisits(reader).decisions.size();
            });
            const RecordReader reader(path);
            for (const auto& [what, query] : QueryParts()) PrintTimed(what, [&] { query(reader); });
            if (!opened || !reader.ok() || empty || rows == 0) {
                std::cerr << "vantrel-lab bench --record: the record did not read back\n";
                status = 1;
            }
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(pattern, ignored);
    return status == 0 && std::cout.flush() ? 0 : 1;
}

}  // namespace vantrel::lab
