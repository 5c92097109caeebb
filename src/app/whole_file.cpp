#include "app/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>

namespace vantrel {
namespace {

// A file descriptor closed when it goes out of scope.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&&) = delete;
    ~FileDescriptor() { Close(); }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // close() may report a write error that only surfaced now.
    bool Close() {
        const bool closed = fd_ < 0 || close(fd_) == 0;
        fd_ = -1;
        return closed;
    }

  private:
    int fd_;
};

std::string LastError() {
    return std::strerror(errno);
}

bool ReadAll(int fd, std::string& bytes) {
    char buffer[65536];
    for (;;) {
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count == 0) return true;
        if (count > 0) {
            bytes.append(buffer, static_cast<std::size_t>(count));
        } else if (errno != EINTR) {
            return false;
        }
    }
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = write(fd, bytes.data(), bytes.size());
        if (count > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(count));
        } else if (count == 0 || errno != EINTR) {
            if (count == 0) errno = EIO;
            return false;
        }
    }
    return true;
}

// Reads through fd when it is a regular file; returns its permission bits.
std::optional<mode_t> ReadRegular(int fd, std::string& bytes) {
    struct stat status {};
    if (fstat(fd, &status) != 0) return std::nullopt;
    if (!S_ISREG(status.st_mode)) {
        errno = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
        return std::nullopt;
    }
    bytes.reserve(static_cast<std::size_t>(status.st_size));
    if (!ReadAll(fd, bytes)) return std::nullopt;
    return status.st_mode & 07777;
}

// A symbolic link stays a link: its target is the file that gets replaced.
std::string ResolvedPath(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A fresh file beside path that nobody else uses, for the user alone: a new file stays so, a
// replacing one takes the mode of the file it replaces.
std::pair<FileDescriptor, std::string> CreateTemporaryBeside(const std::string& path) {
    const std::string stem = path + "." + std::to_string(getpid()) + ".tmp";
    for (int attempt = 0;; ++attempt) {
        std::string name = attempt == 0 ? stem : stem + std::to_string(attempt);
        FileDescriptor fd(open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (fd.valid() || errno != EEXIST || attempt == 100) return {std::move(fd), name};
    }
}

// The rename is durable only once the folder itself is flushed; the new file is in place
// either way, so a failure here is not reported.
void SyncFolder(const std::string& folder) {
    FileDescriptor fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) fsync(fd.get());
}

std::string WriteThenRename(const std::string& path, std::string_view bytes,
                            std::optional<mode_t> mode) {
    auto [fd, temporary] = CreateTemporaryBeside(path);
    if (!fd.valid()) return LastError();
    const bool written = WriteAll(fd.get(), bytes) && (!mode || fchmod(fd.get(), *mode) == 0) &&
                         fsync(fd.get()) == 0;
    int error = errno;
    const bool closed = fd.Close();
    if (written && !closed) error = errno;
    if (written && closed) {
        if (rename(temporary.c_str(), path.c_str()) == 0) {
            SyncFolder(FolderOf(path));
            return {};
        }
        error = errno;
    }
    unlink(temporary.c_str());
    return std::strerror(error);
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
    // Non-blocking, so that a FIFO at the path cannot stall the program.
    FileDescriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) return std::nullopt;
    std::string bytes;
    if (!ReadRegular(fd.get(), bytes)) return std::nullopt;
    return bytes;
}

std::string ReplaceWholeFile(const std::string& path,
                             const std::function<std::string(std::string)>& edit) {
    const std::string target = ResolvedPath(path);
    std::string bytes;
    std::optional<mode_t> mode;
    // Opening for writing too proves up front that the user lets us change the file.
    FileDescriptor fd(open(target.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    if (fd.valid()) {
        mode = ReadRegular(fd.get(), bytes);
        if (!mode) return LastError();
        fd.Close();
    } else if (errno != ENOENT) {
        return LastError();
    }
    return WriteThenRename(target, edit(std::move(bytes)), mode);
}

}  // namespace vantrel
