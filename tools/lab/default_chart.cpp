#include "default_chart.h"

#include <filesystem>
#include <system_error>

#include "app/data_paths.h"
#include "app/progress_paths.h"
#include "sim/sim_report.h"

namespace vantrel::lab {

std::string DefaultChartPath() {
    std::error_code error;
    for (const std::string& path : {std::string(kDefaultChartPath), StrategyChartPath(".")}) {
        if (std::filesystem::is_regular_file(path, error)) return path;
    }
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return kDefaultChartPath;
    const std::string installed = StrategyChartPath(InstalledDataDirFor(program.string()));
    return std::filesystem::is_regular_file(installed, error) ? installed : kDefaultChartPath;
}

}  // namespace vantrel::lab
