#include "framework/db/QueryResult.h"

#include <cstring>

char* QueryResult::reserveBytes(size_t size) {
    if (size > chunkSize / 4) {  // a large value (a photo) gets memory of its own
        largeValues_.push_back(std::make_unique<char[]>(size));
        return largeValues_.back().get();
    }
    if (chunkUsed_ + size > chunkSize) {
        chunks_.push_back(std::make_unique<char[]>(chunkSize));
        chunkUsed_ = 0;
    }
    char* at = chunks_.back().get() + chunkUsed_;
    chunkUsed_ += size;
    return at;
}

QueryResult::Cell QueryResult::bytesCell(SQLType type, const char* data, size_t size) {
    char* copy = size > 0 ? reserveBytes(size) : nullptr;
    if (size > 0) std::memcpy(copy, data, size);
    return Cell{type, static_cast<uint32_t>(size), {.bytes = copy}};
}

void QueryResult::appendBytes(SQLType type, const char* data, size_t size) {
    cells_.push_back(bytesCell(type, data, size));
}

SQLRef QueryResult::at(size_t row, size_t column) const {
    const Cell& cell = cells_[row * columns.size() + column];
    switch (cell.type) {
    case SQLType::Integer: return {SQLType::Integer, cell.integer, 0, {}};
    case SQLType::Real: return {SQLType::Real, 0, cell.real, {}};
    case SQLType::Text:
    case SQLType::Blob: return {cell.type, 0, 0, std::string_view(cell.bytes, cell.length)};
    case SQLType::Null: break;
    }
    return {};
}

void QueryResult::replace(size_t row, size_t column, const SQLValue& value) {
    Cell& cell = cells_[row * columns.size() + column];
    const SQLRef ref = sqlRef(value);
    switch (ref.type) {
    case SQLType::Integer: cell = {SQLType::Integer, 0, {.integer = ref.integer}}; break;
    case SQLType::Real: cell = {SQLType::Real, 0, {.real = ref.real}}; break;
    case SQLType::Text:
    case SQLType::Blob: cell = bytesCell(ref.type, ref.bytes.data(), ref.bytes.size()); break;
    case SQLType::Null: cell = {SQLType::Null, 0, {0}}; break;
    }
}

void QueryResult::clearRows() {
    cells_.clear();
    rowIDs.clear();
    rowCount = 0;
    largeValues_.clear();
    if (chunks_.size() > 1) chunks_.resize(1);
    chunkUsed_ = chunks_.empty() ? chunkSize : 0;
}
