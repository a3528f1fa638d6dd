#pragma once
// One column of the current row of a RecordSet. A field is a small view:
// it reads the record set's row at the moment of the call, so it must not
// outlive its record set. NULL reads as "" and 0. Setting a value needs the
// record set's Edit first; the value is written by Update.
#include <cstdint>
#include <memory>
#include <string>

#include "framework/data/Variant.h"

class Picture;
class RecordSet;

class DatabaseField {
public:
    DatabaseField(RecordSet& owner, int32_t column) : owner_(&owner), column_(column) {}

    std::string Name() const;
    bool IsNull() const;
    std::string StringValue() const;
    int32_t IntegerValue() const;  // wraps to 32 bits as the old framework did
    int64_t Int64Value() const;
    double DoubleValue() const;
    bool BooleanValue() const;
    // The bytes of a blob (or of any value's text), untouched.
    std::string BlobValue() const;
    Variant Value() const;
    // The column's JPEG blob as a picture; nullptr for NULL, an empty blob or
    // bytes that are no readable picture.
    std::shared_ptr<Picture> JPEGValue() const;

    void SetStringValue(const std::string& v);
    void SetIntegerValue(int32_t v);
    void SetInt64Value(int64_t v);
    void SetDoubleValue(double v);
    void SetBooleanValue(bool v);
    void SetBlobValue(const std::string& bytes);
    void SetNull();
    // Stores the picture as JPEG; nullptr stores NULL. A picture that cannot
    // be encoded sets the database's error and changes nothing.
    void SetJPEGValue(const std::shared_ptr<Picture>& picture);
    // Stores any Variant a database can hold; other kinds set the
    // database's error and change nothing.
    void SetValue(const Variant& v);

private:
    RecordSet* owner_;
    int32_t column_;  // 0-based
};
