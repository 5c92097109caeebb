#pragma once

namespace vantrel {

// Waits at least ms milliseconds while the program keeps repainting and handling input. It
// sleeps in a nested event loop rather than polling. Returns at once, without handling events,
// for ms <= 0; returns early only once the application is quitting.
void Delay(int ms);

}  // namespace vantrel
