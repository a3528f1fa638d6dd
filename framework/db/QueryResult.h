#pragma once
// The rows of a select, read completely before the select returns. Values
// are kept compactly: numbers in place, the bytes of texts and blobs packed
// into 64 KiB chunks that never move, so reading 100,000 names costs a few
// dozen allocations instead of 100,000 strings (and, chunks being small,
// the allocator reuses their memory from one select to the next).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/db/SQLValue.h"

class QueryResult {
public:
    std::vector<std::string> columns;
    std::vector<std::string> originColumns;  // table column each comes from, "" for expressions
    std::vector<std::string> originTables;
    std::vector<int64_t> rowIDs;  // only when the select carried a hidden rowid
    size_t rowCount = 0;

    // Reading rows: one append per column, left to right.
    void appendNull() { cells_.push_back({SQLType::Null, 0, {0}}); }
    void appendInteger(int64_t v) { cells_.push_back({SQLType::Integer, 0, {.integer = v}}); }
    void appendReal(double v) { cells_.push_back({SQLType::Real, 0, {.real = v}}); }
    void appendBytes(SQLType type, const char* data, size_t size);

    // The value at (row, column); valid until the result changes.
    SQLRef at(size_t row, size_t column) const;
    // Replaces the value at (row, column), after an update wrote it.
    void replace(size_t row, size_t column, const SQLValue& value);
    // Drops every row but keeps the columns, and one chunk to fill again:
    // a result read row by row reuses the same memory for each row.
    void clearRows();

private:
    struct Cell {
        SQLType type;
        uint32_t length;  // bytes of text or blob; SQLite's own limit keeps it below 2^31
        union {
            int64_t integer;
            double real;
            const char* bytes;  // text or blob, inside one of chunks_
        };
    };
    Cell bytesCell(SQLType type, const char* data, size_t size);
    char* reserveBytes(size_t size);

    static constexpr size_t chunkSize = 64 * 1024;
    std::vector<Cell> cells_;  // row-major, columns.size() per row
    std::vector<std::unique_ptr<char[]>> chunks_;
    std::vector<std::unique_ptr<char[]>> largeValues_;
    size_t chunkUsed_ = chunkSize;  // bytes used of the last chunk
};
