#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace vantrel::testing {

struct CommandRun {
    int status = -1;     // the exit status, or -1 when the command did not exit by itself
    std::string output;  // what it wrote where the command line sends it
};

// Runs a shell command line ("vantrel-lab chart 2>&1") and takes everything it prints.
inline CommandRun RunCommand(const std::string& commandLine) {
    CommandRun run;
    FILE* pipe = popen(commandLine.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer;
    while (std::size_t read = std::fread(buffer.data(), 1, buffer.size(), pipe))
        run.output.append(buffer.data(), read);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace vantrel::testing
