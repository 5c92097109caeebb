#pragma once

#include <cstdint>

namespace vantrel::soak {

struct SoakOptions {
    double minutes = 1;
    std::uint32_t seed = 1;
    double timeScale = 0.01;
};

// Plays for the given minutes in child processes of about a minute each, so that a crash or a
// hang ends one chunk and is counted rather than ending the run. Prints the seed first, a line
// per chunk, the first faults found and, last, "soak: rounds=N crashes=C violations=V".
// Returns non-zero when anything crashed or any fault was found.
int RunSoak(const SoakOptions& options);

}  // namespace vantrel::soak
