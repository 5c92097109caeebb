#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <sqlite3.h>

namespace vantrel::record {

// A failed SQLite call inside the record library. It never leaves the library: the store turns
// it into its failure message, a query into an empty answer.
struct SqlError {
    int code = SQLITE_ERROR;
    std::string message;
};

// The last error on the connection as a sentence's part: SQLite's message, with the operating
// system's reason where that is what failed ("unable to open database file: Permission denied").
std::string ErrorText(sqlite3* db);

// Runs statements that return no rows; throws SqlError.
void Execute(sqlite3* db, const char* sql);

// A prepared statement, reset and bound afresh for each use. Every call throws SqlError on
// failure.
class Statement {
  public:
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Positions count from 1, as in the SQL's "?" parameters.
    Statement& Bind(int position, std::int64_t value);
    Statement& Bind(int position, int value) { return Bind(position, std::int64_t{value}); }
    Statement& Bind(int position, double value);
    Statement& Bind(int position, std::string_view text);
    Statement& Bind(int position, std::optional<double> value);
    Statement& Bind(int position, std::optional<int> value);
    Statement& BindNull(int position);

    // Steps once: true when a row is ready, false when done.
    bool Step();
    // Steps a statement that returns no rows, then resets it for the next use.
    void Run();
    void Reset();

    std::int64_t Integer(int column) const;
    double Real(int column) const;
    std::optional<double> OptionalReal(int column) const;
    std::optional<int> OptionalInteger(int column) const;
    std::string Text(int column) const;

  private:
    [[noreturn]] void Throw() const;

    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

}  // namespace vantrel::record
