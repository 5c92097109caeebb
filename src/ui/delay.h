#pragma once

namespace vantrel {

// Waits at least ms milliseconds while the program keeps repainting and handling input. It
// sleeps in a nested event loop rather than polling. Returns at once, without handling events,
// for ms <= 0; returns early only once the application is quitting.
void Delay(int ms);

// Test and soak runs only: every wait of the program (Delay and the table's one-second
// countdown tick) lasts `scale` times as long. 1 in the program.
void SetDelayTimeScale(double scale);
// A wait of ms milliseconds under the current time scale; never 0 for a positive ms.
int ScaledMs(int ms);

}  // namespace vantrel
