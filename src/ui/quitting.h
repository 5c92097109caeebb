#pragma once

namespace vantrel {

// Set once when the student quits. From then on waits end at once, no message box opens and the
// count-point dialog lets itself be closed, so that no nested loop can hold the program up.
void MarkApplicationQuitting();
bool IsApplicationQuitting();

}  // namespace vantrel
