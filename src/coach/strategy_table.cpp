#include "coach/strategy_table.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace vantrel {

namespace {

// The file is read the way a C line reader reads it: pieces of at most 63 bytes into a zero-filled
// 64-byte buffer, each ending after a line feed when one comes first. A longer line therefore
// yields several pieces, and each is parsed as a record of its own.
constexpr std::size_t kPieceBuffer = 64;
constexpr std::size_t kRecordLength = 6;

// A field is a whole decimal number: an optional sign, then one or more digits and nothing else.
// Anything else (blanks, letters, a line end) counts as 0.
int FieldValue(std::string_view field) {
    if (field.empty()) return 0;
    std::size_t pos = 0;
    bool negative = false;
    if (field[0] == '+' || field[0] == '-') {
        negative = field[0] == '-';
        pos = 1;
    }
    if (pos == field.size()) return 0;
    int value = 0;
    for (; pos < field.size(); ++pos) {
        if (field[pos] < '0' || field[pos] > '9') return 0;
        value = value * 10 + (field[pos] - '0');
    }
    return negative ? -value : value;
}

template <std::size_t Rows, std::size_t Columns>
void Store(std::array<std::array<int, Columns>, Rows>& cells, int row, int column, int action) {
    // Records outside the sub-table are dropped rather than written past it.
    if (row < 0 || column < 0 || row >= static_cast<int>(Rows) ||
        column >= static_cast<int>(Columns)) {
        return;
    }
    cells[row][column] = action;
}

// One piece as read into the buffer; its text ends at the first NUL.
void ApplyPiece(StrategyTable& table, const char (&buffer)[kPieceBuffer]) {
    const std::string_view piece(buffer, strnlen(buffer, kPieceBuffer));
    if (piece.size() < kRecordLength) return;
    const int kind = FieldValue(piece.substr(0, 1));
    const int row = FieldValue(piece.substr(1, 2));
    const int column = FieldValue(piece.substr(3, 2));
    const int action = FieldValue(piece.substr(5, 1));
    switch (kind) {
        case 1:
            Store(table.hard, row, column, action);
            break;
        case 2:
            Store(table.soft, row, column, action);
            break;
        case 3:
            Store(table.pair, row, column, action);
            break;
        default:
            break;
    }
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool LoadStrategyTable(StrategyTable& table, const std::string& path) {
    table = StrategyTable{};
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return true;
    char buffer[kPieceBuffer];
    for (;;) {
        std::memset(buffer, 0, sizeof buffer);
        if (!std::fgets(buffer, sizeof buffer, file.get())) break;
        ApplyPiece(table, buffer);
    }
    return true;
}

void ParseStrategyTable(StrategyTable& table, std::string_view bytes) {
    table = StrategyTable{};
    char buffer[kPieceBuffer];
    while (!bytes.empty()) {
        std::size_t length = std::min(bytes.size(), kPieceBuffer - 1);
        const std::size_t lineFeed = bytes.substr(0, length).find('\n');
        if (lineFeed != std::string_view::npos) length = lineFeed + 1;
        std::memset(buffer, 0, sizeof buffer);
        std::memcpy(buffer, bytes.data(), length);
        ApplyPiece(table, buffer);
        bytes.remove_prefix(length);
    }
}

}  // namespace vantrel
