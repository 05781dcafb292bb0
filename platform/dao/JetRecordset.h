#pragma once

#include "platform/dao/JetField.h"
#include "platform/dao/JetValue.h"

#include <string>
#include <vector>

namespace jet
{

// The rows of an opened query as a dynaset: membership and order are fixed when it opens;
// rows are addressed by position 0..Count()-1; values are read and written through to the table.
class Recordset
{
public:
    virtual ~Recordset() = default;
    virtual const std::vector<Field>& Fields() const = 0;
    virtual int Count() const = 0;
    virtual bool IsUpdatable() const = 0;
    virtual Value Get(int position, int field) = 0;
    virtual void Set(int position, int field, const Value& value) = 0;
    // The value as the file holds it, whatever the field's type (a text in a number column
    // stays a text), and writing such a value back without coercion: a copy made of these
    // keeps every value as it was.
    virtual Value GetStored(int position, int field) = 0;
    virtual void SetStored(int position, int field, const Value& value) = 0;
    // Adds an empty row to the table and to the end of the set; returns its position.
    virtual int Append() = 0;
    // Positions of the rows that meet an SQL condition, in ascending order.
    virtual std::vector<int> Matching(const std::string& criteria) = 0;
    // A value that names a row for as long as the set is open (its bookmark).
    virtual int BookmarkOf(int position) const { return position; }
    virtual int PositionOf(int bookmark) const { return bookmark; }
};

} // namespace jet
