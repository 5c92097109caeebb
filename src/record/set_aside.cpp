#include "record/set_aside.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <string_view>

namespace vantrel::record {

namespace {

constexpr int kAttempts = 100;

bool Exists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

// Renames without ever replacing an existing file, also when another program creates one at
// the same moment; file systems without that kind of rename get a check before the rename.
bool RenameWithoutReplacing(const std::string& from, const std::string& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) return false;
    if (Exists(to)) {
        errno = EEXIST;
        return false;
    }
    return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace

std::string SetAsideName(const std::string& path, std::time_t when, int attempt) {
    const std::size_t nameBegin = path.rfind('/') + 1;
    const std::size_t dot = path.rfind('.');
    const std::size_t stemEnd = dot != std::string::npos && dot > nameBegin ? dot : path.size();
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, ".damaged-%Y%m%d-%H%M%S", &local);
    std::string name = path.substr(0, stemEnd) + stamp;
    if (attempt > 1) name += "-" + std::to_string(attempt);
    return name + path.substr(stemEnd);
}

std::string SetAside(const std::string& path, std::time_t when) {
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        const std::string aside = SetAsideName(path, when, attempt);
        // The log and index belong to the damaged file: left behind, the log would be played
        // into the new record of the same name.
        if (Exists(aside + "-wal") || Exists(aside + "-shm")) continue;
        if (!RenameWithoutReplacing(path, aside)) {
            if (errno == EEXIST) continue;
            return {};
        }
        for (const std::string_view suffix : {"-wal", "-shm"}) {
            const std::string companion = path + std::string(suffix);
            if (Exists(companion) &&
                !RenameWithoutReplacing(companion, aside + std::string(suffix))) {
                return {};
            }
        }
        return aside;
    }
    return {};
}

}  // namespace vantrel::record
