#include "platform/dao/SqliteValue.h"

#include "platform/dao/JetConvert.h"
#include "platform/dao/JetField.h"

#include <sqlite3.h>

#include <cmath>

namespace jet
{

void BindValue(sqlite3_stmt* statement, int slot, const Value& value)
{
    switch (value.kind)
    {
    case Value::Kind::Null:
        sqlite3_bind_null(statement, slot);
        break;
    case Value::Kind::Text:
        sqlite3_bind_text(statement, slot, value.text.data(), static_cast<int>(value.text.size()), SQLITE_TRANSIENT);
        break;
    case Value::Kind::Number:
    case Value::Kind::Date:
        sqlite3_bind_double(statement, slot, value.number);
        break;
    case Value::Kind::Currency:
        sqlite3_bind_double(statement, slot, value.currency / 10000.0);
        break;
    case Value::Kind::Boolean:
        sqlite3_bind_int(statement, slot, value.boolean ? -1 : 0);
        break;
    }
}

Value ColumnValue(sqlite3_stmt* statement, int column, int fieldType)
{
    const int stored = sqlite3_column_type(statement, column);
    if (stored == SQLITE_NULL)
        return Value::Null();
    const auto text = [&] {
        const unsigned char* bytes = sqlite3_column_text(statement, column);
        return std::string(bytes ? reinterpret_cast<const char*>(bytes) : "",
                           static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
    };
    const bool isNumber = stored == SQLITE_INTEGER || stored == SQLITE_FLOAT;
    if (IsTextType(fieldType))
        return Value::Text(isNumber ? NumberToText(sqlite3_column_double(statement, column)) : text());
    std::optional<double> number;
    if (isNumber)
        number = sqlite3_column_double(statement, column);
    else if (stored == SQLITE_TEXT)
        number = fieldType == kDate ? TextToDate(text()) : TextToNumber(text());
    if (!number)
        return Value::Null();
    switch (fieldType)
    {
    case kBoolean:
        return Value::Boolean(*number != 0);
    case kDate:
        return Value::Date(*number);
    case kCurrency: {
        const std::optional<std::int64_t> units = CurrencyUnits(*number);
        return units ? Value::Currency(*units) : Value::Null();
    }
    default:
        return Value::Number(*number);
    }
}

} // namespace jet
