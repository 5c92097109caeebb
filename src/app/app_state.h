#pragma once

namespace vantrel {

// The application's phase: screens do their activation work only while Running.
enum class AppState { Starting = 1, Running = 5, Quitting = 9 };

}  // namespace vantrel
