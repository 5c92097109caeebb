#pragma once

#include <QByteArray>
#include <optional>
#include <utility>
#include <vector>

#include "app/view_scale.h"

namespace vantrel {

// Scales the window as the settings file asks, through the environment that Qt reads when the
// application object is made: a chosen scale is the scale of the window in device pixels, whatever
// the desktop's (1x on a desktop of scale 2 shows the course at 640 x 480 device pixels); the
// desktop's leaves the environment alone. Made before the application object; Restore, called once
// it exists, puts the environment back, so that programs started from here (a browser for the
// web site) scale as the desktop says.
//
// The scale is that of the settings file this copy keeps progress in (LocateInstallation), found
// by the program's own path, as the application object would give it.
ViewScale ViewScaleOfThisCopy();

class ViewScaleEnvironment {
  public:
    explicit ViewScaleEnvironment(ViewScale scale);
    ~ViewScaleEnvironment();
    ViewScaleEnvironment(const ViewScaleEnvironment&) = delete;
    ViewScaleEnvironment& operator=(const ViewScaleEnvironment&) = delete;

    void Restore();

  private:
    void Set(const char* name, std::optional<QByteArray> value);

    // Each variable changed and its value before.
    std::vector<std::pair<const char*, std::optional<QByteArray>>> saved_;
};

}  // namespace vantrel
