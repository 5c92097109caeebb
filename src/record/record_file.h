#pragma once

#include <string>

#include <sqlite3.h>

namespace vantrel::record {

// How long a write waits for another copy of the trainer to finish its own transaction.
inline constexpr int kBusyTimeoutMs = 2000;

// A record opened for writing, or why it could not be.
struct WritableRecord {
    sqlite3* db = nullptr;  // owned by the caller; null on failure
    std::string error;      // a sentence naming the file, on failure
    std::string setAside;   // where a damaged file was moved, if one was
};

// What the student is told when the record cannot be opened, or written, for `reason`.
std::string CannotOpenMessage(const std::string& path, const std::string& reason);
std::string CannotWriteMessage(const std::string& path, const std::string& reason);

// Opens the record at `path` for writing: creates it when missing, checks its integrity, sets
// a damaged file aside and starts a new one, and brings the schema up to date.
WritableRecord OpenWritableRecord(const std::string& path);

}  // namespace vantrel::record
