#pragma once

#include <optional>

namespace vantrel {

// Answers --help and --version, and refuses what the program does not know, before anything
// needs a display. Returns the exit status when the program has nothing more to do.
std::optional<int> AnswerCommandLine(int argc, char* argv[]);

}  // namespace vantrel
