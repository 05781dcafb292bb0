#include "data/generator/DataSheetFile.h"

#include <charconv>
#include <fstream>
#include <stdexcept>

namespace datagen
{

namespace
{
std::runtime_error FileError(const std::string& path, int line, const std::string& what)
{
    return std::runtime_error(path + ":" + std::to_string(line) + ": " + what);
}

ColumnType ParseColumnType(const std::string& word, const std::string& path)
{
    if (word == "text")
        return ColumnType::Text;
    if (word == "number")
        return ColumnType::Number;
    throw FileError(path, 2, "unknown column type \"" + word + "\" (text or number)");
}

bool ReadLine(std::istream& in, std::string& line)
{
    if (!std::getline(in, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}
} // namespace

std::vector<std::string> SplitAtTabs(const std::string& line)
{
    std::vector<std::string> fields;
    std::string::size_type start = 0;
    for (;;)
    {
        const std::string::size_type tab = line.find('\t', start);
        if (tab == std::string::npos)
        {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

double DataSheetFile::ParseNumber(const std::string& text)
{
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty())
        throw std::runtime_error("\"" + text + "\" is not a number");
    return value;
}

DataSheetFile DataSheetFile::Load(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error(path + ": cannot be opened");
    DataSheetFile sheet;
    std::string line;
    if (!ReadLine(in, line) || line.empty())
        throw FileError(path, 1, "no field names");
    sheet.fieldNames_ = SplitAtTabs(line);
    if (!ReadLine(in, line))
        throw FileError(path, 2, "no column types");
    const std::vector<std::string> typeWords = SplitAtTabs(line);
    if (typeWords.size() != sheet.fieldNames_.size())
        throw FileError(path, 2, "column types do not match the field names");
    for (const std::string& word : typeWords)
        sheet.columnTypes_.push_back(ParseColumnType(word, path));

    int lineNumber = 2;
    while (ReadLine(in, line))
    {
        ++lineNumber;
        std::vector<std::string> fields = SplitAtTabs(line);
        if (fields.size() != sheet.fieldNames_.size())
            throw FileError(path, lineNumber,
                            "expected " + std::to_string(sheet.fieldNames_.size()) + " fields, found " +
                                std::to_string(fields.size()));
        for (std::size_t c = 0; c < fields.size(); ++c)
        {
            if (sheet.columnTypes_[c] != ColumnType::Number || fields[c].empty())
                continue;
            try
            {
                ParseNumber(fields[c]);
            }
            catch (const std::runtime_error& error)
            {
                throw FileError(path, lineNumber, sheet.fieldNames_[c] + ": " + error.what());
            }
        }
        sheet.rows_.push_back(std::move(fields));
    }
    return sheet;
}

} // namespace datagen
