#pragma once

#include <string>
#include <vector>

namespace datagen
{

// The type of a column of a data file: the cells of a "text" column are stored as texts,
// those of a "number" column as numbers.
enum class ColumnType
{
    Text,
    Number
};

// One sheet as text: line 1 the stored field names, line 2 the column types, then the rows,
// all fields separated by tabs. An empty field is an empty cell.
class DataSheetFile
{
public:
    // Reads and checks the file; throws std::runtime_error naming the file and line.
    static DataSheetFile Load(const std::string& path);

    const std::vector<std::string>& FieldNames() const { return fieldNames_; }
    const std::vector<ColumnType>& ColumnTypes() const { return columnTypes_; }
    const std::vector<std::vector<std::string>>& Rows() const { return rows_; }

    // The value of a number field; throws when the text is not a whole decimal number.
    static double ParseNumber(const std::string& text);

private:
    std::vector<std::string> fieldNames_;
    std::vector<ColumnType> columnTypes_;
    std::vector<std::vector<std::string>> rows_;
};

// Splits a line at its tabs (an empty line gives one empty field).
std::vector<std::string> SplitAtTabs(const std::string& line);

} // namespace datagen
