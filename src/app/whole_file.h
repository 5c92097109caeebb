#pragma once

#include <functional>
#include <optional>
#include <string>

namespace vantrel {

// The bytes of the regular file at path, or nothing when it is missing, is no regular file or
// cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the file at path with edit(its current bytes), whole or not at all: the new bytes go
// to a temporary file in the same folder, are flushed to disk and then renamed over the old
// file, which keeps its permission bits. A missing file counts as empty and is created for the user
// alone (0600). An existing file must be readable and writable: a file the user made read-only is
// not replaced. On failure the old file is left as it was, no temporary file remains, and the
// reason is returned; on success the result is empty.
std::string ReplaceWholeFile(const std::string& path,
                             const std::function<std::string(std::string)>& edit);

}  // namespace vantrel
