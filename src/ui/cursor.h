#pragma once

namespace vantrel {

// The hourglass while a screen is being opened.
void SetHourglassCursor();

// Back to the default arrow, whatever was left on.
void SetArrowCursor();

}  // namespace vantrel
