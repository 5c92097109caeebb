#pragma once

#include <cstdint>
#include <string>

namespace vantrel::soak {

struct ChunkOptions {
    std::uint32_t seed = 1;
    int seconds = 60;
    double timeScale = 0.01;
    std::string keepRecord;  // where to keep the chunk's record afterwards; empty: nowhere
};

// Plays the program in this process for the given time: start-up, menus, lectures and the table,
// with the audit after every event. Prints each fault found (the first few) and, last,
// "chunk: rounds=N violations=V". Needs a QApplication and the data directory as the current
// directory. The student's record is kept beside the chunk's own settings file, and copied to
// `keepRecord` at the end when that is set. Returns 0 when the chunk ran to its end.
int RunChunk(const ChunkOptions& options);

}  // namespace vantrel::soak
