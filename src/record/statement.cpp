#include "record/statement.h"

#include <cstring>

namespace vantrel::record {

std::string ErrorText(sqlite3* db) {
    std::string text = sqlite3_errmsg(db);
    const int primary = sqlite3_errcode(db) & 0xff;
    const int systemError = sqlite3_system_errno(db);
    if (systemError != 0 && (primary == SQLITE_CANTOPEN || primary == SQLITE_IOERR ||
                             primary == SQLITE_FULL || primary == SQLITE_PERM)) {
        text += ": ";
        text += std::strerror(systemError);
    }
    return text;
}

void Execute(sqlite3* db, const char* sql) {
    const int code = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) throw SqlError{code, ErrorText(db)};
}

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr) !=
        SQLITE_OK) {
        Throw();
    }
}

Statement::~Statement() {
    sqlite3_finalize(statement_);
}

Statement& Statement::Bind(int position, std::int64_t value) {
    if (sqlite3_bind_int64(statement_, position, value) != SQLITE_OK) Throw();
    return *this;
}

Statement& Statement::Bind(int position, double value) {
    if (sqlite3_bind_double(statement_, position, value) != SQLITE_OK) Throw();
    return *this;
}

Statement& Statement::Bind(int position, std::string_view text) {
    if (sqlite3_bind_text(statement_, position, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK) {
        Throw();
    }
    return *this;
}

Statement& Statement::Bind(int position, std::optional<double> value) {
    return value ? Bind(position, *value) : BindNull(position);
}

Statement& Statement::Bind(int position, std::optional<int> value) {
    return value ? Bind(position, *value) : BindNull(position);
}

Statement& Statement::BindNull(int position) {
    if (sqlite3_bind_null(statement_, position) != SQLITE_OK) Throw();
    return *this;
}

bool Statement::Step() {
    const int code = sqlite3_step(statement_);
    if (code == SQLITE_ROW) return true;
    if (code == SQLITE_DONE) return false;
    const SqlError error{code, ErrorText(db_)};
    sqlite3_reset(statement_);
    throw error;
}

void Statement::Run() {
    Step();
    Reset();
}

void Statement::Reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

std::int64_t Statement::Integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

double Statement::Real(int column) const {
    return sqlite3_column_double(statement_, column);
}

std::optional<int> Statement::OptionalInteger(int column) const {
    if (sqlite3_column_type(statement_, column) == SQLITE_NULL) return std::nullopt;
    return static_cast<int>(Integer(column));
}

std::optional<double> Statement::OptionalReal(int column) const {
    if (sqlite3_column_type(statement_, column) == SQLITE_NULL) return std::nullopt;
    return Real(column);
}

std::string Statement::Text(int column) const {
    const unsigned char* text = sqlite3_column_text(statement_, column);
    return text ? std::string(reinterpret_cast<const char*>(text),
                              static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
                : std::string();
}

void Statement::Throw() const {
    throw SqlError{sqlite3_errcode(db_), ErrorText(db_)};
}

}  // namespace vantrel::record
