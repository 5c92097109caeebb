#pragma once

#include <string>

struct sqlite3;

namespace vantrel::record {

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

  private:
    sqlite3* db_ = nullptr;
    std::string error_;
};

}  // namespace vantrel::record
