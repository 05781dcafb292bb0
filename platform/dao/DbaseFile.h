#pragma once
// dBASE III tables (.dbf with an optional .dbt memo file): the header's layout, the records as
// engine values, and the language-driver byte that names the code page of the texts.

#include "platform/dao/JetField.h"
#include "platform/dao/JetValue.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dbase
{

struct FieldLayout
{
    std::string name;
    char type = 'C';  // C N F D L M
    int offset = 0;   // within a record, after the deletion flag
    int length = 0;
    int decimals = 0;
};

struct Layout
{
    int version = 3;
    std::uint32_t recordCount = 0;
    int headerLength = 0;
    int recordLength = 0;
    std::uint8_t languageDriver = 0;
    std::vector<FieldLayout> fields;
};

// The header of a table file; throws jet::JetError (3274) when the bytes are no dBASE table.
Layout ParseLayout(std::string_view bytes);

// The code page a language-driver byte names ("CP852", ...); fallback for 0 and unknown bytes.
const char* CodePageOf(std::uint8_t languageDriver, const char* fallback);
// The language-driver byte of a code page (0 when it has none).
std::uint8_t LanguageDriverOf(const char* codePage);

// The text of a memo block of a dBASE III memo file (up to its end marker), raw bytes.
std::string MemoText(std::string_view memo, std::uint32_t block);

struct Table
{
    std::vector<jet::Field> fields;
    std::vector<std::vector<jet::Value>> rows;
};

// Reads a table with its memo file ("<name>.dbt" beside it); deleted records are left out;
// texts decoded by the language-driver byte (CP1250 when it is 0). Throws jet::JetError.
Table ReadTable(const std::string& path);
// The same from the bytes of the table file and of its memo file (empty when it has none).
Table TableOf(std::string_view bytes, std::string_view memo);

} // namespace dbase
