#include "program/view_scale_environment.h"

#include "app/progress_paths.h"

#include <QtGlobal>
#include <filesystem>
#include <system_error>

namespace vantrel {

ViewScale ViewScaleOfThisCopy() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::canonical("/proc/self/exe", error);
    if (error) return ViewScale::Desktop;
    return LoadViewScale(
        LocateInstallation(program.string(), UserFoldersFromEnvironment()).progress.settings);
}

ViewScaleEnvironment::ViewScaleEnvironment(ViewScale scale) {
    if (scale == ViewScale::Desktop) return;
    // Qt's own scaling by the desktop off, its global factor on, and no factors per screen.
    Set("QT_ENABLE_HIGHDPI_SCALING", "0");
    Set("QT_SCALE_FACTOR", QByteArray::number(ScaleFactor(scale)));
    Set("QT_SCREEN_SCALE_FACTORS", std::nullopt);
}

ViewScaleEnvironment::~ViewScaleEnvironment() {
    Restore();
}

void ViewScaleEnvironment::Set(const char* name, std::optional<QByteArray> value) {
    std::optional<QByteArray> before;
    if (qEnvironmentVariableIsSet(name)) before = qgetenv(name);
    saved_.emplace_back(name, std::move(before));
    if (value)
        qputenv(name, *value);
    else
        qunsetenv(name);
}

void ViewScaleEnvironment::Restore() {
    for (const auto& [name, before] : saved_) {
        if (before)
            qputenv(name, *before);
        else
            qunsetenv(name);
    }
    saved_.clear();
}

}  // namespace vantrel
