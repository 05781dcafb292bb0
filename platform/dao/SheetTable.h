#pragma once

#include "platform/dao/JetField.h"
#include "platform/dao/JetValue.h"
#include "platform/dao/Workbook.h"

#include <vector>

namespace jet
{

// The cells of a table: a sheet's used range, or the range of a defined name.
struct TableRange
{
    int firstRow = 0;
    int rowEnd = 0;
    int firstCol = 0;
    int colEnd = 0;
};

// A range of a sheet seen as a table, as the Excel driver of Jet sees it: the first row names
// the fields, every further row is a record (empty rows too). Field types are guessed from the
// first 8 records unless the table was created with declared types in this session.
class SheetTable
{
public:
    static constexpr int kRowsScanned = 8;

    // A whole sheet (name -1) or the range of the defined name with that index.
    SheetTable(workbook::Workbook& book, int sheet, int name, const std::vector<Field>* declared);

    const std::vector<Field>& Fields() const { return fields_; }
    int RecordCount() const;
    // The range as it is now (rows added through any table of the workbook count).
    TableRange Range() const;
    static TableRange RangeOf(const workbook::Workbook& book, int sheet, int name);
    int FieldIndex(std::string_view name) const;

    // The value of a record's field, converted to the field's type where that loses nothing,
    // else NULL.
    Value Get(int record, int field) const;
    // Stores a value coerced to the field's type; a value that cannot be coerced is stored as
    // it is. NULL and an empty text leave the cell empty.
    void Set(int record, int field, const Value& value);
    // The cell as it is stored: text, number (date, currency by its format), Boolean or NULL.
    Value GetStored(int record, int field) const;
    // Stores a value as it is, without coercion to the field's type.
    void SetStored(int record, int field, const Value& value);
    // Adds an empty record after the last row of the range; returns its index.
    int AppendRecord();

    // The field names of a header row (the rules of the Excel driver).
    static std::vector<std::string> HeaderNames(const workbook::Worksheet& sheet, const TableRange& range);
    // The heading cells' texts as they stand.
    static std::vector<std::string> HeaderTexts(const workbook::Worksheet& sheet, const TableRange& range);

private:
    void GuessTypes();
    int SheetRow(int record) const { return Range().firstRow + 1 + record; }
    int SheetColumn(int field) const { return Range().firstCol + field; }

    workbook::Workbook& book_;
    workbook::Worksheet& sheet_;
    int name_;
    std::vector<Field> fields_;
};

} // namespace jet
