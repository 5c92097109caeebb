#pragma once

#include <QString>

namespace vantrel {

inline constexpr int kMessageOk = 1;
inline constexpr int kMessageCancel = 2;

// The caption of every message box.
inline constexpr char kApplicationTitle[] = "KDX-ZORUVIRID";

// A modal box whose icon and buttons follow the text's punctuation: OK and Cancel (Cancel the
// default) for a question, otherwise OK alone. Returns kMessageOk or kMessageCancel; once the
// application is quitting it shows nothing and returns kMessageCancel.
int ShowMessageBox(const QString& text);

// A modal box with the error icon and an OK button, whatever the text holds: a failure's text
// may carry a file name with any punctuation in it.
void ShowErrorBox(const QString& text);

}  // namespace vantrel
