#include "framework/db/DatabaseField.h"

#include <sqlite3.h>

#include "framework/db/RecordSet.h"
#include "framework/graphics/Picture.h"

std::string DatabaseField::Name() const { return owner_->rows_.columns[static_cast<size_t>(column_)]; }
bool DatabaseField::IsNull() const { return owner_->cell(column_).type == SQLType::Null; }
std::string DatabaseField::StringValue() const { return sqlValueString(owner_->cell(column_)); }
int32_t DatabaseField::IntegerValue() const {
    return static_cast<int32_t>(static_cast<uint32_t>(sqlValueInt64(owner_->cell(column_))));
}
int64_t DatabaseField::Int64Value() const { return sqlValueInt64(owner_->cell(column_)); }
double DatabaseField::DoubleValue() const { return sqlValueDouble(owner_->cell(column_)); }
bool DatabaseField::BooleanValue() const { return sqlValueBoolean(owner_->cell(column_)); }
std::string DatabaseField::BlobValue() const { return sqlValueString(owner_->cell(column_)); }
Variant DatabaseField::Value() const { return sqlValueToVariant(owner_->cell(column_)); }

void DatabaseField::SetStringValue(const std::string& v) { owner_->set(column_, SQLValue(v)); }
void DatabaseField::SetIntegerValue(int32_t v) { owner_->set(column_, SQLValue(int64_t(v))); }
void DatabaseField::SetInt64Value(int64_t v) { owner_->set(column_, SQLValue(v)); }
void DatabaseField::SetDoubleValue(double v) { owner_->set(column_, SQLValue(v)); }
void DatabaseField::SetBooleanValue(bool v) { owner_->set(column_, SQLValue(int64_t(v ? 1 : 0))); }
void DatabaseField::SetBlobValue(const std::string& bytes) { owner_->set(column_, SQLValue(SQLBlob{bytes})); }
void DatabaseField::SetNull() { owner_->set(column_, SQLValue()); }

std::shared_ptr<Picture> DatabaseField::JPEGValue() const {
    const SQLRef value = owner_->cell(column_);
    if (value.type == SQLType::Null) return nullptr;
    const std::string bytes = sqlValueString(value);
    return bytes.empty() ? nullptr : Picture::fromData(bytes);
}

void DatabaseField::SetJPEGValue(const std::shared_ptr<Picture>& picture) {
    if (!picture) return SetNull();
    std::string jpeg = picture->toJPEG();
    if (jpeg.empty()) {
        owner_->connection_->setError(SQLITE_ERROR, "The picture could not be stored as JPEG.");
        return;
    }
    owner_->set(column_, SQLValue(SQLBlob{std::move(jpeg)}));
}

void DatabaseField::SetValue(const Variant& v) {
    if (std::optional<SQLValue> value = sqlValueFromVariant(v)) {
        owner_->set(column_, std::move(*value));
        return;
    }
    owner_->connection_->setError(SQLITE_MISMATCH, "A value of this kind cannot be stored in a database.");
}
