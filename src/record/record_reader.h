#pragma once

#include <stdexcept>
#include <string>

struct sqlite3;

namespace vantrel::record {

// A query that failed on a record that opened well (a damaged page, a disk error): the queries
// never answer with what they read up to the failure. The message names the file.
class RecordReadError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A record opened for reading only: the Record screen's and the lab's view of it. Opening
// never creates, changes or moves a file; a file that is missing, is not a database, or holds
// no record is refused with a message naming it. It may stay open while the trainer writes.
class RecordReader {
  public:
    explicit RecordReader(const std::string& path);
    ~RecordReader();
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    bool ok() const { return db_ != nullptr; }
    // Why the record could not be read, naming the file; empty when ok().
    const std::string& error() const { return error_; }

    sqlite3* db() const { return db_; }
    const std::string& path() const { return path_; }
    // The schema version the record has reached; the drills' tables come with version 2.
    int version() const { return version_; }

  private:
    std::string path_;
    sqlite3* db_ = nullptr;
    int version_ = 0;
    std::string error_;
};

}  // namespace vantrel::record
