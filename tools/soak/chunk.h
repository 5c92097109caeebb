#pragma once

#include <cstdint>

namespace vantrel::soak {

struct ChunkOptions {
    std::uint32_t seed = 1;
    int seconds = 60;
    double timeScale = 0.01;
};

// Plays the program in this process for the given time: start-up, menus, lectures and the table,
// with the audit after every event. Prints each fault found (the first few) and, last,
// "chunk: rounds=N violations=V". Needs a QApplication and the data directory as the current
// directory. Returns 0 when the chunk ran to its end.
int RunChunk(const ChunkOptions& options);

}  // namespace vantrel::soak
