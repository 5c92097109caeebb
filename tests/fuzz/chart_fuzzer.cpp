// The chart loader on any bytes: no crash, no access outside the sub-tables, every stored cell a
// one-digit action code, and the same chart whether the bytes come from memory or from a file.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "coach/strategy_table.h"

namespace {

template <typename Cells>
bool ActionCodesOnly(const Cells& cells) {
    for (const auto& row : cells)
        for (int cell : row)
            if (cell < 0 || cell > 9) return false;
    return true;
}

bool SameChart(const vantrel::StrategyTable& a, const vantrel::StrategyTable& b) {
    return a.hard == b.hard && a.soft == b.soft && a.pair == b.pair;
}

// The bytes as a file that needs no folder: an anonymous memory file, opened by its path.
vantrel::StrategyTable LoadedThroughAFile(std::string_view bytes) {
    vantrel::StrategyTable table;
    const int fd = memfd_create("chart", 0);
    if (fd < 0) std::abort();
    if (write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
    vantrel::LoadStrategyTable(table, "/proc/self/fd/" + std::to_string(fd));
    close(fd);
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vantrel::StrategyTable parsed;
    vantrel::ParseStrategyTable(parsed, bytes);
    if (!ActionCodesOnly(parsed.hard) || !ActionCodesOnly(parsed.soft) ||
        !ActionCodesOnly(parsed.pair))
        std::abort();
    if (!SameChart(parsed, LoadedThroughAFile(bytes))) std::abort();
    return 0;
}
