#include "exam_figures.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "app/progress_paths.h"
#include "app/whole_file.h"
#include "sim/master_figures_lab.h"
#include "sim/sim_report.h"
#include "strategy/judging_chart.h"

namespace vantrel::lab {

namespace {

// Where a figures file for the shoe may lie, in the order they are tried.
std::vector<std::filesystem::path> FiguresPlaces(const std::string& chartPath,
                                                 const std::string& name) {
    std::vector<std::filesystem::path> places = {std::filesystem::path(chartPath).parent_path() /
                                                 name};
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        places.push_back(program.parent_path() / "data" / name);
        places.push_back(std::filesystem::path(InstalledDataDirFor(program.string())) / name);
    }
    return places;
}

}  // namespace

std::optional<strategy::MasterFigures> DefaultExamFigures(const std::string& chartPath, int decks,
                                                          int penetration, int threads,
                                                          std::string& said) {
    const std::optional<std::string> bytes = ReadWholeFile(chartPath);
    if (!bytes || !ReadChartFile(chartPath)) return std::nullopt;
    const StrategyTable chart = strategy::JudgingChart(strategy::ParseChartFile(*bytes), decks);
    const std::uint64_t fingerprint = strategy::ChartFingerprint(chart);
    const std::string name =
        "master-" + std::to_string(decks) + "-" + std::to_string(penetration) + ".txt";
    for (const std::filesystem::path& place : FiguresPlaces(chartPath, name)) {
        if (auto figures =
                strategy::ReadMasterFiguresFile(place.string(), decks, penetration, fingerprint)) {
            said = "figures: " + place.string();
            return figures;
        }
    }
    MasterFiguresSettings settings;
    settings.decks = decks;
    settings.penetration = penetration;
    settings.threads = threads;
    said = "figures: worked out (no " + name + " for this chart)";
    return ComputeMasterFigures(chart, settings);
}

}  // namespace vantrel::lab
