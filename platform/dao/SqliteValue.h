#pragma once

#include "platform/dao/JetValue.h"

struct sqlite3_stmt;

namespace jet
{

// A value into a statement parameter: texts as text, numbers and dates as reals,
// currency as its amount, Booleans as -1 or 0 (Jet's true and false).
void BindValue(sqlite3_stmt* statement, int slot, const Value& value);
// A result column as a value of a field of that DAO type (what cannot be one is NULL).
Value ColumnValue(sqlite3_stmt* statement, int column, int fieldType);

} // namespace jet
