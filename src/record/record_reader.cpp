#include "record/record_reader.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>

#include <sqlite3.h>

#include "record/record_file.h"
#include "record/schema.h"
#include "record/statement.h"

namespace vantrel::record {

namespace {

bool Exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

// A file URI for the path: the characters a URI gives a meaning to are escaped.
std::string FileUri(const std::string& path, const char* query) {
    std::string uri = "file:";
    for (const unsigned char c : path) {
        if (c == '%' || c == '?' || c == '#' || c < 0x20 || c >= 0x7f) {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            uri += escaped;
        } else {
            uri += static_cast<char>(c);
        }
    }
    return uri + query;
}

}  // namespace

RecordReader::RecordReader(const std::string& path) : path_(path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        error_ = "There is no record at " + path + ".";
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        error_ = path + " is not a record: it is not a file.";
        return;
    }
    // Without a write-ahead log no copy of the trainer is writing, and the file alone is the
    // whole record: read it as unchanging, which needs no lock and no companion files. With a
    // log, read through it, as a reader beside the trainer.
    const char* query = Exists(path + "-wal") ? "?mode=ro" : "?immutable=1";
    int code = sqlite3_open_v2(FileUri(path, query).c_str(), &db_,
                               SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    try {
        if (code != SQLITE_OK) throw SqlError{code, ErrorText(db_)};
        sqlite3_busy_timeout(db_, kBusyTimeoutMs);
        version_ = SchemaVersion(db_);
        if (version_ < 1 || !HoldsSchemaOf(db_, std::min(version_, LatestSchemaVersion()))) {
            error_ = path + " is not a record of the trainer.";
        }
    } catch (const SqlError& error) {
        code = error.code & 0xff;
        error_ = code == SQLITE_NOTADB || code == SQLITE_CORRUPT
                     ? path + " is not a record of the trainer: " + error.message + "."
                     : "The record " + path + " cannot be read: " + error.message + ".";
    }
    if (!error_.empty()) {
        sqlite3_close(db_);
        db_ = nullptr;
    }
}

RecordReader::~RecordReader() {
    sqlite3_close(db_);
}

}  // namespace vantrel::record
