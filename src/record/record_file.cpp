#include "record/record_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

#include "record/schema.h"
#include "record/set_aside.h"
#include "record/statement.h"

namespace vantrel::record {

namespace {

// What a first look at the file found.
enum class Verdict { Usable, Damaged, Unusable };

struct Attempt {
    Verdict verdict = Verdict::Unusable;
    sqlite3* db = nullptr;
    std::string reason;
    bool mayPass = false;
};

bool MeansDamaged(int code) {
    const int primary = code & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

std::string FirstAnswer(sqlite3* db, const char* sql) {
    Statement statement(db, sql);
    return statement.Step() ? statement.Text(0) : std::string();
}

bool HoldsTables(sqlite3* db) {
    Statement tables(db, "SELECT count(*) FROM sqlite_schema");
    return tables.Step() && tables.Integer(0) > 0;
}

// Opens the file and prepares it for writing, or says why it cannot be used.
Verdict Prepare(sqlite3* db, int busyTimeoutMs, std::string& reason) {
    sqlite3_busy_timeout(db, busyTimeoutMs);
    if (sqlite3_db_readonly(db, "main") == 1) {
        reason = "the file is read-only";
        return Verdict::Unusable;
    }
    // Reading the version is the first look into the file: it tells a database from any other
    // file before anything is written.
    const int version = SchemaVersion(db);
    if (version == 0 && HoldsTables(db)) {
        reason = "it holds another program's database";
        return Verdict::Damaged;
    }
    if (version > LatestSchemaVersion()) {
        reason = "it was written by a newer version of the trainer";
        return Verdict::Unusable;
    }
    // Nothing is written to a file that is not the record it claims to be: not even the log.
    if (version < 0 || !HoldsSchemaOf(db, version)) {
        reason = "it is not a record of version " + std::to_string(version);
        return Verdict::Damaged;
    }
    const std::string check = FirstAnswer(db, "PRAGMA integrity_check(1)");
    if (check != "ok") {
        reason = "its integrity check failed: " + check;
        return Verdict::Damaged;
    }
    // Committed rounds must survive the process being killed: in WAL mode a commit is in the
    // log, in the operating system's hands, before it returns, with synchronous=NORMAL as much
    // as with FULL. FULL would add a disk flush to every round only to guard against a power
    // cut, which could cost the last rounds but never the file's consistency.
    if (FirstAnswer(db, "PRAGMA journal_mode = WAL") != "wal") {
        reason = "it cannot keep a write-ahead log";
        return Verdict::Unusable;
    }
    Execute(db, "PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON");
    Migrate(db);
    return Verdict::Usable;
}

// SQLite would make a new record readable by everyone; its log files take the record's mode.
void CreateForTheUserAlone(const std::string& path) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd >= 0) close(fd);
}

Attempt TryOpen(const std::string& path, int busyTimeoutMs) {
    Attempt attempt;
    CreateForTheUserAlone(path);
    const int code = sqlite3_open_v2(path.c_str(), &attempt.db,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    try {
        if (code != SQLITE_OK) throw SqlError{code, ErrorText(attempt.db)};
        attempt.verdict = Prepare(attempt.db, busyTimeoutMs, attempt.reason);
    } catch (const SqlError& error) {
        attempt.verdict = MeansDamaged(error.code) ? Verdict::Damaged : Verdict::Unusable;
        attempt.reason = error.message;
        attempt.mayPass = MayPass(error.code);
    }
    if (attempt.verdict != Verdict::Usable) {
        sqlite3_close(attempt.db);
        attempt.db = nullptr;
    }
    return attempt;
}

// SQLite's reasons for a folder the student cannot write to are roundabout ("attempt to write a
// readonly database"): name the folder instead.
std::string FolderReason(const std::string& path, const std::string& reason) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    if (faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0) return reason;
    return "its folder cannot be written: " + std::string(std::strerror(errno));
}

}  // namespace

bool MayPass(int code) {
    const int primary = code & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED || primary == SQLITE_FULL ||
           primary == SQLITE_IOERR;
}

std::string CannotOpenMessage(const std::string& path, const std::string& reason) {
    return "The record " + path + " cannot be opened (" + reason +
           "). Your lessons go on, but this run is not recorded.";
}

std::string CannotWriteMessage(const std::string& path, const std::string& reason) {
    return "The record " + path + " cannot be written (" + reason +
           "). Your lessons go on, but they are no longer recorded in this run.";
}

std::string CannotWriteNowMessage(const std::string& path, const std::string& reason) {
    return "The record " + path + " cannot be written just now (" + reason +
           "). Your lessons go on, and what you play is kept until the record can be written "
           "again.";
}

WritableRecord OpenWritableRecord(const std::string& path, int busyTimeoutMs) {
    WritableRecord record;
    if (path.empty()) {
        // SQLite would take an empty name for a temporary file, gone at the end of the run.
        record.error = CannotOpenMessage("(no name)", "no file was named");
        return record;
    }
    Attempt attempt = TryOpen(path, busyTimeoutMs);
    if (attempt.verdict == Verdict::Damaged) {
        record.setAside = SetAside(path, std::time(nullptr));
        if (record.setAside.empty()) {
            record.error = CannotOpenMessage(path, attempt.reason + ", and it cannot be set aside");
            return record;
        }
        attempt = TryOpen(path, busyTimeoutMs);
    }
    if (attempt.verdict == Verdict::Usable) {
        record.db = attempt.db;
    } else if (attempt.mayPass) {
        record.mayPass = true;
        record.error = CannotWriteNowMessage(path, attempt.reason);
    } else {
        record.error = CannotOpenMessage(path, FolderReason(path, attempt.reason));
    }
    return record;
}

}  // namespace vantrel::record
