#pragma once

namespace vantrel {

// Ties the windows to the desktop entry: its name for docks and Wayland compositors, the same
// window class as the entry's StartupWMClass, and the entry's icon on every window. Called
// before the application object is made (the name) and after (the icon).
void SetDesktopNames();
void SetWindowIcon();

}  // namespace vantrel
