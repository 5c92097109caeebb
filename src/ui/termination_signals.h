#pragma once

namespace vantrel {

// From now on SIGTERM, SIGINT and SIGHUP end the program the way its close box does: through the
// frame's QuitApplication, without saving, even while a wait, a message box or the count-point
// dialog is open. The handler only writes a byte to a pipe; the event loop does the rest.
// Call once, after the application object exists; further calls do nothing.
void QuitOnTerminationSignals();

}  // namespace vantrel
