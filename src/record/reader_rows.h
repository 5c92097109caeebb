#pragma once

#include <string>

#include "record/record_reader.h"
#include "record/statement.h"

namespace vantrel::record {

// Runs a query for its rows. A failure part-way throws RecordReadError: a partial answer would
// read as a record with less in it. Nothing is asked of a reader that did not open.
template <class Row>
void ForEachRow(const RecordReader& reader, const std::string& sql, Row&& row) {
    if (!reader.ok()) return;
    try {
        Statement statement(reader.db(), sql);
        while (statement.Step()) row(statement);
    } catch (const SqlError& error) {
        throw RecordReadError("The record " + reader.path() + " cannot be read (" + error.message +
                              ").");
    }
}

// True when the record holds the drills' tables; one written before them has no drill yet.
inline bool HoldsDrills(const RecordReader& reader) {
    return reader.version() >= 2;
}

// True when the record holds the insurance choices and the index drill's answers.
inline bool HoldsMasterAnswers(const RecordReader& reader) {
    return reader.version() >= 5;
}

inline int Int(const Statement& statement, int column) {
    return static_cast<int>(statement.Integer(column));
}

}  // namespace vantrel::record
