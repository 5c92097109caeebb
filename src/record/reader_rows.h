#pragma once

#include <string>

#include "record/record_reader.h"
#include "record/statement.h"

namespace vantrel::record {

// Runs a query for its rows; a failure part-way leaves the rows read so far, as the screen
// should rather show a partial record than none. A record of an earlier schema, which lacks the
// tables asked for, gives no rows.
template <class Row>
void ForEachRow(const RecordReader& reader, const std::string& sql, Row&& row) {
    if (!reader.ok()) return;
    try {
        Statement statement(reader.db(), sql);
        while (statement.Step()) row(statement);
    } catch (const SqlError&) {
    }
}

inline int Int(const Statement& statement, int column) {
    return static_cast<int>(statement.Integer(column));
}

}  // namespace vantrel::record
