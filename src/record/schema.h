#pragma once

#include <span>
#include <string_view>

#include <sqlite3.h>

namespace vantrel::record {

// The steps that build a record's schema: step n (counting from 1) takes a record from schema
// version n - 1 to n, and PRAGMA user_version holds the version a record has reached. Steps are
// only ever added at the end; a released step never changes.
std::span<const std::string_view> SchemaSteps();

inline int LatestSchemaVersion() {
    return static_cast<int>(SchemaSteps().size());
}

// The record's schema version; throws SqlError (SQLITE_NOTADB for a file that is no database).
int SchemaVersion(sqlite3* db);

// True when the record holds every table and column that `version` steps give it: a file that
// claims a version it does not have is no record of the trainer.
bool HoldsSchemaOf(sqlite3* db, int version);

// Applies the steps a record lacks, each with its new version number in one transaction of its
// own, so that a record is always at some whole version. Throws SqlError.
void Migrate(sqlite3* db);

}  // namespace vantrel::record
