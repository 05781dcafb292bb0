#include "platform/dao/DelimitedText.h"

#include "platform/core/NumberText.h"
#include "platform/dao/CodePage.h"
#include "platform/dao/JetError.h"
#include "platform/dao/TextCodec.h"
#include "platform/core/TextFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>

namespace delimited
{
std::vector<Record> Parse(std::string_view text, std::string_view separator)
{
    std::vector<Record> records;
    if (separator.empty())
        separator = ";";
    Record record;
    std::string field;
    bool quoted = false;
    bool fieldStarted = false;
    std::size_t i = 0;
    auto endRecord = [&] {
        if (fieldStarted || !record.empty())
            record.push_back(field);
        records.push_back(std::move(record));
        record.clear();
        field.clear();
        fieldStarted = false;
    };
    while (i < text.size())
    {
        const char c = text[i];
        if (quoted)
        {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
            {
                field += '"';
                i += 2;
            }
            else if (c == '"')
            {
                quoted = false;
                ++i;
            }
            else
            {
                field += c;
                ++i;
            }
            continue;
        }
        if (c == '"' && field.empty())
        {
            quoted = true;
            fieldStarted = true;
            ++i;
        }
        else if (text.substr(i, separator.size()) == separator)
        {
            record.push_back(field);
            field.clear();
            fieldStarted = true;
            i += separator.size();
        }
        else if (c == '\r' || c == '\n')
        {
            endRecord();
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        }
        else
        {
            field += c;
            fieldStarted = true;
            ++i;
        }
    }
    if (fieldStarted || !record.empty())
        endRecord();
    return records;
}

std::string GuessSeparator(std::string_view headerLine)
{
    const std::string_view line = headerLine.substr(0, headerLine.find('\n'));
    return line.find('\t') != std::string_view::npos && line.find(';') == std::string_view::npos ? "\t" : ";";
}

std::string DecodeText(std::string_view bytes, TextProblem& problem)
{
    problem = TextProblem();
    std::string text;
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
    {
        std::optional<std::string> decoded = TextFile::Utf16ToUtf8(bytes.substr(2), bytes[0] == '\xFE');
        if (!decoded)
        {
            problem.kind = TextProblem::BrokenUtf16;
            return std::string();
        }
        text = std::move(*decoded);
    }
    else
    {
        if (bytes.starts_with("\xEF\xBB\xBF"))
            bytes.remove_prefix(3);
        text = CodePage::Utf8OrCp1250(bytes);
    }
    if (const int line = TextFile::LineWithNul(text))
    {
        problem.kind = TextProblem::Nul;
        problem.line = line;
        return std::string();
    }
    return text;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw jet::JetError(jet::kErrFileNotFound, "Soubor „" + path + "“ nelze otevřít.");
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string ReadText(const std::string& path)
{
    TextProblem problem;
    std::string text = DecodeText(ReadBytes(path), problem);
    if (problem.kind == TextProblem::BrokenUtf16)
        throw jet::JetError(jet::kErrUnrecognizedFormat,
                            "Soubor „" + path + "“ začíná značkou UTF-16, ale jeho text není platný UTF-16.");
    if (problem.kind == TextProblem::Nul)
        throw jet::JetError(jet::kErrUnrecognizedFormat, "Soubor „" + path + "“ není text: řádek " +
                                                             std::to_string(problem.line) + " obsahuje znak NUL.");
    return text;
}

Table ReadTable(const std::string& path) { return TableOf(ReadText(path)); }

Table TableOf(std::string_view text)
{
    const std::vector<Record> records = Parse(text, GuessSeparator(text));
    Table table;
    if (records.empty())
        return table;
    for (const std::string& name : records[0])
    {
        jet::Field field;
        field.name = name;
        table.fields.push_back(field);
    }
    const std::size_t columns = table.fields.size();
    for (std::size_t c = 0; c < columns; ++c)
    {
        bool numbers = false, texts = false;
        std::size_t longest = 0;
        for (std::size_t r = 1; r < records.size(); ++r)
        {
            const std::string value = c < records[r].size() ? records[r][c] : std::string();
            longest = std::max(longest, workbook::CharacterCount(value));
            if (r > 8 || value.empty())
                continue;
            double number = 0;
            (NumberText::Parse(value, number) ? numbers : texts) = true;
        }
        jet::Field& field = table.fields[c];
        field.type = numbers && !texts ? jet::kDouble : longest > 255 ? jet::kMemo : jet::kText;
        field.size = jet::DefaultFieldSize(field.type);
    }
    for (std::size_t r = 1; r < records.size(); ++r)
    {
        if (records[r].empty())
            continue;
        std::vector<jet::Value> row;
        for (std::size_t c = 0; c < columns; ++c)
        {
            const std::string value = c < records[r].size() ? records[r][c] : std::string();
            double number = 0;
            if (value.empty())
                row.push_back(jet::Value::Null());
            else if (table.fields[c].type == jet::kDouble && NumberText::Parse(value, number))
                row.push_back(jet::Value::Number(number));
            else
                row.push_back(jet::Value::Text(value));
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}
} // namespace delimited
