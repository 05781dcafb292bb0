#include "dataeditor/prevod/DbaseRecoding.h"

#include "platform/dao/CodePage.h"
#include "platform/dao/DbaseFile.h"

namespace DbaseRecoding
{
namespace
{
// The same number of bytes in code page 1250.
std::string Recoded(std::string_view bytes, const char* from)
{
    std::string text = CodePage::FromUtf8(CodePage::ToUtf8(bytes, from), "CP1250");
    text.resize(bytes.size(), ' ');
    return text;
}

const char* SourceCodePage(const dbase::Layout& layout) { return dbase::CodePageOf(layout.languageDriver, "CP852"); }
} // namespace

std::string RecodedTable(std::string_view bytes)
{
    const dbase::Layout layout = dbase::ParseLayout(bytes);
    const char* from = SourceCodePage(layout);
    std::string table(bytes);
    for (std::uint32_t r = 0; r < layout.recordCount; ++r)
    {
        const std::size_t record = std::size_t(layout.headerLength) + std::size_t(r) * std::size_t(layout.recordLength);
        if (record + std::size_t(layout.recordLength) > table.size())
            break;
        for (const dbase::FieldLayout& field : layout.fields)
            if (field.type == 'C')
            {
                const std::size_t at = record + std::size_t(field.offset);
                table.replace(at, std::size_t(field.length),
                              Recoded(std::string_view(table).substr(at, std::size_t(field.length)), from));
            }
    }
    table[29] = char(dbase::LanguageDriverOf("CP1250"));
    return table;
}

std::string RecodedMemo(std::string_view table, std::string_view memo)
{
    // Block 0 is the memo file's header; every text ends at its 0x1A, which 1250 keeps.
    std::string recoded(memo);
    if (memo.size() > 512)
        recoded.replace(512, std::string::npos, Recoded(memo.substr(512), SourceCodePage(dbase::ParseLayout(table))));
    return recoded;
}
} // namespace DbaseRecoding
