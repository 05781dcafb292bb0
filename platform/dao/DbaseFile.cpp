#include "platform/dao/DbaseFile.h"

#include "platform/dao/CodePage.h"
#include "platform/dao/JetError.h"
#include "platform/core/NumberText.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace dbase
{
namespace
{
struct Driver
{
    std::uint8_t id;
    const char* codePage;
};

// The language-driver bytes of the dBASE family and their code pages (the first entry of a
// code page is the one written).
const Driver kDrivers[] = {
    {0xC8, "CP1250"}, {0x64, "CP852"}, {0x01, "CP437"}, {0x02, "CP850"}, {0x03, "CP1252"},
    {0x08, "CP865"}, {0x09, "CP437"}, {0x0A, "CP850"}, {0x0B, "CP437"}, {0x0D, "CP437"},
    {0x0E, "CP850"}, {0x0F, "CP437"}, {0x10, "CP850"}, {0x11, "CP437"}, {0x12, "CP850"},
    {0x13, "CP932"}, {0x14, "CP850"}, {0x15, "CP437"}, {0x16, "CP850"}, {0x17, "CP865"},
    {0x18, "CP437"}, {0x19, "CP437"}, {0x1A, "CP850"}, {0x1B, "CP437"}, {0x1C, "CP863"},
    {0x1D, "CP850"}, {0x1F, "CP852"}, {0x22, "CP852"}, {0x23, "CP852"}, {0x24, "CP860"},
    {0x25, "CP850"}, {0x26, "CP866"}, {0x37, "CP850"}, {0x40, "CP852"}, {0x4D, "CP936"},
    {0x4E, "CP949"}, {0x4F, "CP950"}, {0x50, "CP874"}, {0x57, "CP1252"}, {0x58, "CP1252"},
    {0x59, "CP1252"}, {0x65, "CP866"}, {0x66, "CP865"}, {0x67, "CP861"}, {0x6A, "CP737"},
    {0x6B, "CP857"}, {0x78, "CP950"}, {0x79, "CP949"}, {0x7A, "CP936"}, {0x7B, "CP932"},
    {0x7C, "CP874"}, {0x86, "CP737"}, {0x87, "CP852"}, {0x88, "CP857"}, {0xC9, "CP1251"},
    {0xCA, "CP1254"}, {0xCB, "CP1253"}, {0xCC, "CP1257"}};

std::uint32_t Le32(std::string_view b, std::size_t at)
{
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 16 | std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

int Le16(std::string_view b, std::size_t at) { return std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8; }

std::string Trimmed(std::string_view text)
{
    std::size_t start = 0, end = text.size();
    while (start < end && (text[start] == ' ' || text[start] == '\0'))
        ++start;
    while (end > start && (text[end - 1] == ' ' || text[end - 1] == '\0'))
        --end;
    return std::string(text.substr(start, end - start));
}

std::string RightTrimmed(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\0'))
        --end;
    return std::string(text.substr(0, end));
}

std::string ReadFile(const std::string& path, bool mustExist)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        if (mustExist)
            throw jet::JetError(jet::kErrFileNotFound, "Soubor „" + path + "“ nelze otevřít.");
        return std::string();
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Days from 1899-12-30 to a civil date.
double OleDate(int year, int month, int day)
{
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long days = long(era) * 146097 + doe - 719468; // days since 1970-01-01
    return double(days + 25569);
}

jet::Field FieldOf(const FieldLayout& layout)
{
    jet::Field field;
    field.name = layout.name;
    switch (layout.type)
    {
    case 'N':
        field.type = layout.decimals == 0 && layout.length <= 9 ? jet::kLong : jet::kDouble;
        break;
    case 'F': field.type = jet::kDouble; break;
    case 'D': field.type = jet::kDate; break;
    case 'L': field.type = jet::kBoolean; break;
    case 'M': field.type = jet::kMemo; break;
    default: field.type = jet::kText; break;
    }
    field.size = field.type == jet::kText ? layout.length : jet::DefaultFieldSize(field.type);
    return field;
}

jet::Value ValueOf(const FieldLayout& layout, std::string_view raw, std::string_view memo, const char* codePage)
{
    switch (layout.type)
    {
    case 'C':
    {
        const std::string text = RightTrimmed(raw);
        return text.empty() ? jet::Value::Null() : jet::Value::Text(CodePage::ToUtf8(text, codePage));
    }
    case 'N':
    case 'F':
    {
        const std::string text = Trimmed(raw);
        if (text.empty() || text.find_first_of("0123456789") == std::string::npos)
            return jet::Value::Null();
        return jet::Value::Number(NumberText::ToDoubleC(text));
    }
    case 'D':
    {
        const std::string text = Trimmed(raw);
        if (text.size() != 8 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return jet::Value::Null();
        return jet::Value::Date(OleDate(std::atoi(text.substr(0, 4).c_str()), std::atoi(text.substr(4, 2).c_str()),
                                        std::atoi(text.substr(6, 2).c_str())));
    }
    case 'L':
    {
        const char c = raw.empty() ? ' ' : raw[0];
        if (std::strchr("TtYy", c))
            return jet::Value::Boolean(true);
        if (std::strchr("FfNn", c))
            return jet::Value::Boolean(false);
        return jet::Value::Null();
    }
    case 'M':
    {
        const std::string number = Trimmed(raw);
        if (number.empty() || memo.empty())
            return jet::Value::Null();
        const std::string text = MemoText(memo, std::uint32_t(std::strtoul(number.c_str(), nullptr, 10)));
        return text.empty() ? jet::Value::Null() : jet::Value::Text(CodePage::ToUtf8(text, codePage));
    }
    default: return jet::Value::Text(CodePage::ToUtf8(RightTrimmed(raw), codePage));
    }
}
} // namespace

Layout ParseLayout(std::string_view bytes)
{
    const auto bad = [] { return jet::JetError(jet::kErrUnrecognizedFormat, "Soubor není tabulka dBASE."); };
    if (bytes.size() < 33)
        throw bad();
    Layout layout;
    layout.version = std::uint8_t(bytes[0]) & 0x07;
    if (layout.version != 3)
        throw bad();
    layout.recordCount = Le32(bytes, 4);
    layout.headerLength = Le16(bytes, 8);
    layout.recordLength = Le16(bytes, 10);
    layout.languageDriver = std::uint8_t(bytes[29]);
    int offset = 1;
    for (std::size_t at = 32; at + 32 <= bytes.size() && bytes[at] != '\x0D'; at += 32)
    {
        FieldLayout field;
        const std::string_view name = bytes.substr(at, 11);
        field.name = std::string(name.substr(0, std::min(name.find('\0'), name.size())));
        field.type = char(std::toupper(std::uint8_t(bytes[at + 11])));
        field.length = std::uint8_t(bytes[at + 16]);
        field.decimals = std::uint8_t(bytes[at + 17]);
        field.offset = offset;
        offset += field.length;
        layout.fields.push_back(field);
    }
    if (layout.fields.empty() || offset > layout.recordLength || layout.headerLength > int(bytes.size()))
        throw bad();
    return layout;
}

const char* CodePageOf(std::uint8_t languageDriver, const char* fallback)
{
    for (const Driver& driver : kDrivers)
        if (driver.id == languageDriver)
            return driver.codePage;
    return fallback;
}

std::uint8_t LanguageDriverOf(const char* codePage)
{
    for (const Driver& driver : kDrivers)
        if (std::string_view(driver.codePage) == codePage)
            return driver.id;
    return 0;
}

std::string MemoText(std::string_view memo, std::uint32_t block)
{
    const std::size_t start = std::size_t(block) * 512;
    if (block == 0 || start >= memo.size())
        return std::string();
    const std::size_t end = memo.find('\x1A', start);
    return std::string(memo.substr(start, (end == std::string_view::npos ? memo.size() : end) - start));
}

Table ReadTable(const std::string& path)
{
    const std::string bytes = ReadFile(path, true);
    const std::string base = path.substr(0, path.find_last_of('.'));
    std::string memo = ReadFile(base + ".dbt", false);
    if (memo.empty())
        memo = ReadFile(base + ".DBT", false);
    return TableOf(bytes, memo);
}

Table TableOf(std::string_view bytes, std::string_view memo)
{
    const Layout layout = ParseLayout(bytes);
    const char* codePage = CodePageOf(layout.languageDriver, "CP1250");
    Table table;
    for (const FieldLayout& field : layout.fields)
        table.fields.push_back(FieldOf(field));
    for (std::uint32_t r = 0; r < layout.recordCount; ++r)
    {
        const std::size_t at = std::size_t(layout.headerLength) + std::size_t(r) * std::size_t(layout.recordLength);
        if (at + std::size_t(layout.recordLength) > bytes.size())
            break;
        const std::string_view record(bytes.data() + at, std::size_t(layout.recordLength));
        if (record[0] == '*')
            continue;
        std::vector<jet::Value> row;
        for (const FieldLayout& field : layout.fields)
            row.push_back(ValueOf(field, record.substr(std::size_t(field.offset), std::size_t(field.length)), memo,
                                  codePage));
        table.rows.push_back(std::move(row));
    }
    return table;
}

} // namespace dbase
