#include "platform/dao/WorkbookSession.h"

#include "platform/dao/JetError.h"
#include "platform/dao/SqlTranslator.h"

#include <algorithm>

namespace jet
{

std::optional<WorkbookSession::TableRef> WorkbookSession::Resolve(const std::string& written) const
{
    std::string name = written;
    if (name.size() >= 2 && name.front() == '\'')
    {
        const std::size_t close = name.rfind('\'');
        if (close > 0)
            name = name.substr(1, close - 1) + name.substr(close + 1);
    }
    const workbook::Workbook& book = document_->Book();
    if (!name.empty() && name.back() == '$')
    {
        const int sheet = book.SheetIndex(std::string_view(name).substr(0, name.size() - 1));
        if (sheet < 0)
            return std::nullopt;
        return TableRef{sheet, -1, book.Sheet(sheet).Name() + "$"};
    }
    const int index = book.NameIndex(name);
    if (index < 0)
        return std::nullopt;
    const workbook::DefinedName& defined = book.Names()[index];
    return TableRef{defined.sheet, index, defined.name};
}

WorkbookSession::TableRef WorkbookSession::ResolveOrThrow(const std::string& written) const
{
    if (auto ref = Resolve(written))
        return *ref;
    throw JetError(kErrObjectNotFound, "Tabulka nebo objekt „" + written + "“ nebyl nalezen.");
}

SheetTable WorkbookSession::TableOf(const TableRef& ref)
{
    workbook::Workbook& book = document_->Book();
    const bool wholeSheet = ref.name < 0 || book.Names()[ref.name].followsSheet;
    const std::vector<Field>* declared = wholeSheet ? document_->DeclaredFields(book.Sheet(ref.sheet).Name()) : nullptr;
    return SheetTable(book, ref.sheet, ref.name, declared);
}

std::string WorkbookSession::Translate(const std::string& sql, std::vector<TableRef>& tables)
{
    const SqlTranslator translator(sql);
    std::vector<SheetTable> sheets;
    for (const std::string& written : translator.Tables())
    {
        const TableRef ref = ResolveOrThrow(written);
        tables.push_back(ref);
        sheets.push_back(TableOf(ref));
        mirror_.Mirror(ref.canonical, sheets.back(), document_->Revision());
    }
    const auto resolve = [&](const std::string& written) { return ResolveOrThrow(written).canonical; };
    const auto fieldType = [&](const std::string& field) {
        for (const SheetTable& table : sheets)
            if (const int index = table.FieldIndex(field); index >= 0)
                return table.Fields()[index].type;
        return -1;
    };
    return translator.Translate(resolve, fieldType, true);
}

WorkbookSession::QueryRows WorkbookSession::Run(const std::string& sql)
{
    QueryRows rows;
    const SqlTranslator translator(sql);
    if (translator.IsWholeTable())
    {
        rows.table = ResolveOrThrow(translator.Tables().front());
        const SheetTable table = TableOf(rows.table);
        for (int r = 0; r < table.RecordCount(); ++r)
            rows.records.push_back(r);
        for (int f = 0; f < static_cast<int>(table.Fields().size()); ++f)
            rows.fields.push_back(f);
        return rows;
    }
    std::vector<TableRef> tables;
    const std::string translated = Translate(sql, tables);
    rows.table = tables.front();
    std::vector<std::string> columns;
    rows.records = mirror_.Records(translated, &columns);
    const SheetTable table = TableOf(rows.table);
    for (const std::string& column : columns)
    {
        const int index = table.FieldIndex(column);
        if (index < 0)
            throw JetError(kErrSyntax, "Dotaz smí vybírat jen sloupce tabulky „" + rows.table.canonical +
                                           "“; sloupec „" + column + "“ v ní není.");
        rows.fields.push_back(index);
    }
    return rows;
}

std::vector<int> WorkbookSession::Matching(const TableRef& table, const std::string& criteria)
{
    std::vector<TableRef> tables;
    std::string sql = "SELECT * FROM " + BracketedName(table.canonical) + " WHERE " + criteria;
    const std::string translated = Translate(sql, tables);
    std::vector<int> records = mirror_.Records(translated, nullptr);
    std::sort(records.begin(), records.end());
    return records;
}

} // namespace jet
