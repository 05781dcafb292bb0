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
// What keeps a file's bytes from being read as text.
struct TextProblem
{
    enum Kind
    {
        None,
        BrokenUtf16, // a UTF-16 byte-order mark, and the rest is not UTF-16
        Nul          // a NUL character, in line `line` (1-based)
    };
    Kind kind = None;
    int line = 0;
};

// The bytes of a file as UTF-8 text; problem tells why they are no text (the text is then empty).
std::string DecodeText(std::string_view bytes, TextProblem& problem);
// The file's text as UTF-8; throws jet::JetError when it does not open or is no text (the
// message names the problem and the line of a NUL).
std::string ReadText(const std::string& path);
// The file's bytes; throws jet::JetError when it does not open.
std::string ReadBytes(const std::string& path);

struct Table
{
    std::vector<jet::Field> fields;
    std::vector<std::vector<jet::Value>> rows;
};

// A table file: header row, fields typed over the first 8 rows (numbers Double, else text;
// memo for texts over 255 characters).
Table ReadTable(const std::string& path);
// The same table from a file's text.
Table TableOf(std::string_view text);
} // namespace delimited
