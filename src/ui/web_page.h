#pragma once

#include <QString>

namespace vantrel {

// Opens the address in the user's browser; a failure is told in a message box.
void OpenWebPage(const QString& url);

}  // namespace vantrel
