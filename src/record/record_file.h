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
    bool mayPass = false;   // the failure may pass: a lock, a full disk, an I/O error
};

// True for the SQLite results that say the file cannot be written just now rather than never: a
// lock held too long, a full disk, an I/O error.
bool MayPass(int code);

// What the student is told when the record cannot be opened, or written, for `reason`; and when
// it cannot be written for now, for a reason that may pass.
std::string CannotOpenMessage(const std::string& path, const std::string& reason);
std::string CannotWriteMessage(const std::string& path, const std::string& reason);
std::string CannotWriteNowMessage(const std::string& path, const std::string& reason);

// Opens the record at `path` for writing: creates it when missing, checks its integrity, sets
// a damaged file aside and starts a new one, and brings the schema up to date.
// A write waits `busyTimeoutMs` for another connection's transaction before it gives up.
WritableRecord OpenWritableRecord(const std::string& path, int busyTimeoutMs = kBusyTimeoutMs);

}  // namespace vantrel::record
