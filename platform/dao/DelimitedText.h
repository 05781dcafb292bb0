#pragma once
// Delimited text: records of fields cut at a separator; a field in double quotes may hold the
// separator, line breaks and doubled quotes. The file is UTF-8, else CP1250.

#include "platform/dao/JetField.h"
#include "platform/dao/JetValue.h"

#include <string>
#include <string_view>
#include <vector>

namespace delimited
{
using Record = std::vector<std::string>;

// The records of a text (UTF-8); an empty line is a record without fields.
std::vector<Record> Parse(std::string_view text, std::string_view separator);
// ";" unless the header line has tabs and no ";" (then a tab).
std::string GuessSeparator(std::string_view headerLine);
// The file's text as UTF-8 (CP1250 when it is not valid UTF-8); throws jet::JetError.
std::string ReadText(const std::string& path);

struct Table
{
    std::vector<jet::Field> fields;
    std::vector<std::vector<jet::Value>> rows;
};

// A table file: header row, fields typed over the first 8 rows (numbers Double, else text;
// memo for texts over 255 characters).
Table ReadTable(const std::string& path);
} // namespace delimited
