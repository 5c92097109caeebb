#pragma once

#include <ctime>
#include <string>

namespace vantrel::record {

// The name a damaged record is kept under, with the local time it was found damaged:
// /home/ann/vantrel.sqlite at 14:05:09 on 31 January 2026 gives
// /home/ann/vantrel.damaged-20260131-140509.sqlite; attempt 2 and on add "-2", "-3" ...
std::string SetAsideName(const std::string& path, std::time_t when, int attempt);

// Renames the record at `path`, and its write-ahead log and shared-memory index when present,
// to the first SetAsideName that no file holds yet; never replaces a file. Returns the new name
// of the record, or an empty string when it could not be moved.
std::string SetAside(const std::string& path, std::time_t when);

}  // namespace vantrel::record
