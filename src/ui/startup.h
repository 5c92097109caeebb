#pragma once

#include <memory>

#include "ui/mdi.h"

namespace vantrel {

struct Session;

// Builds the frame and its screens in their fixed order, shows the frame with the start screen
// in front, runs the start screen's set-up and creates the hidden count-point dialog. The
// program's event loop takes over from here.
std::unique_ptr<Tf_mdi> StartUp(Session& session);

}  // namespace vantrel
