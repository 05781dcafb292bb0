#include "platform/dao/SheetTable.h"

#include "platform/dao/ExcelDate.h"
#include "platform/dao/JetConvert.h"
#include "platform/dao/JetError.h"
#include "platform/dao/TextCodec.h"

#include <QString>

#include <algorithm>
#include <set>
#include <array>
#include <cmath>

namespace jet
{

using workbook::Cell;
using workbook::CellKind;
using workbook::NumberFormatKind;

namespace
{

// The kinds a cell counts as when types are guessed, in the order that breaks ties.
enum GuessKind
{
    kGuessNumber,
    kGuessCurrency,
    kGuessDate,
    kGuessText,
    kGuessBoolean,
    kGuessKinds
};

int GuessKindOf(const Cell& cell)
{
    switch (cell.kind)
    {
    case CellKind::Number:
        return cell.format == NumberFormatKind::Date       ? kGuessDate
               : cell.format == NumberFormatKind::Currency ? kGuessCurrency
                                                           : kGuessNumber;
    case CellKind::Text:
        return kGuessText;
    case CellKind::Boolean:
        return kGuessBoolean;
    default:
        return -1;
    }
}

// A currency cell's amount, or its plain number when it lies beyond the currency's range.
Value CurrencyCell(double amount)
{
    const std::optional<std::int64_t> units = CurrencyUnits(amount);
    return units ? Value::Currency(*units) : Value::Number(amount);
}

// The most UTF-16 units a cell's text may have.
constexpr std::size_t kMaxCellText = 32767;

std::size_t Utf16Length(std::string_view text)
{
    std::size_t units = 0;
    for (const char c : text)
    {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80)
            units += byte >= 0xF0 ? 2 : 1;
    }
    return units;
}

// A name in the form that compares equal for every name that workbook::SameName takes as equal.
QString FoldedName(const std::string& name)
{
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toCaseFolded();
}

} // namespace

SheetTable::SheetTable(workbook::Workbook& book, int sheet, int name, const std::vector<Field>* declared)
    : book_(book), sheet_(book.Sheet(sheet)), name_(name)
{
    const std::vector<std::string> names = HeaderNames(sheet_, Range());
    if (declared && declared->size() == names.size())
        fields_ = *declared;
    else
    {
        const std::vector<std::string> heads = HeaderTexts(sheet_, Range());
        for (std::size_t i = 0; i < names.size(); ++i)
        {
            Field field{names[i], kText, 255, std::nullopt};
            if (heads[i] != names[i])
                field.head = heads[i];
            fields_.push_back(std::move(field));
        }
        GuessTypes();
    }
}

TableRange SheetTable::RangeOf(const workbook::Workbook& book, int sheet, int name)
{
    const workbook::Worksheet& ws = book.Sheet(sheet);
    if (name >= 0 && name < static_cast<int>(book.Names().size()) && !book.Names()[name].followsSheet)
    {
        const workbook::DefinedName& n = book.Names()[name];
        return TableRange{n.firstRow, n.lastRow + 1, n.firstCol, n.lastCol + 1};
    }
    if (ws.IsEmptyRange())
        return TableRange{};
    return TableRange{ws.FirstRow(), ws.RowEnd(), ws.FirstColumn(), ws.ColumnEnd()};
}

TableRange SheetTable::Range() const
{
    for (int i = 0; i < book_.SheetCount(); ++i)
        if (&book_.Sheet(i) == &sheet_)
            return RangeOf(book_, i, name_);
    return TableRange{};
}

int SheetTable::RecordCount() const
{
    const TableRange range = Range();
    return range.rowEnd - range.firstRow - 1 > 0 ? range.rowEnd - range.firstRow - 1 : 0;
}

std::vector<std::string> SheetTable::HeaderTexts(const workbook::Worksheet& sheet, const TableRange& range)
{
    std::vector<std::string> texts;
    if (range.rowEnd <= range.firstRow)
        return texts;
    for (int col = range.firstCol; col < range.colEnd; ++col)
    {
        const Cell& cell = sheet.At(range.firstRow, col);
        std::string text;
        if (cell.kind == CellKind::Text)
            text = std::string(sheet.TextOf(cell));
        else if (cell.kind == CellKind::Number)
            text = NumberToText(cell.number);
        else if (cell.kind == CellKind::Boolean)
            text = BooleanToText(cell.boolean);
        texts.push_back(std::move(text));
    }
    return texts;
}

std::vector<std::string> SheetTable::HeaderNames(const workbook::Worksheet& sheet, const TableRange& range)
{
    std::vector<std::string> names;
    std::set<QString> seen; // the names so far, case folded as field names compare
    const std::vector<std::string> texts = HeaderTexts(sheet, range);
    for (std::size_t i = 0; i < texts.size(); ++i)
    {
        const int col = range.firstCol + static_cast<int>(i);
        std::string name = texts[i];
        if (name.empty())
            name = "F" + std::to_string(col - range.firstCol + 1);
        for (char& c : name)
            if (c == '.' || c == '!' || c == '[' || c == ']' || c == '`')
                c = '#';
        // A repeated name would make the table unusable; it gets its position like an empty header.
        if (!seen.insert(FoldedName(name)).second)
        {
            name = "F" + std::to_string(col - range.firstCol + 1);
            seen.insert(FoldedName(name));
        }
        names.push_back(std::move(name));
    }
    return names;
}

int SheetTable::FieldIndex(std::string_view name) const
{
    for (int i = 0; i < static_cast<int>(fields_.size()); ++i)
        if (workbook::SameName(fields_[i].name, name))
            return i;
    return -1;
}

void SheetTable::GuessTypes()
{
    const int scanned = std::min(RecordCount(), kRowsScanned);
    for (int f = 0; f < static_cast<int>(fields_.size()); ++f)
    {
        std::array<int, kGuessKinds> counts{};
        bool longText = false;
        for (int r = 0; r < scanned; ++r)
        {
            const Cell& cell = sheet_.At(SheetRow(r), SheetColumn(f));
            const int kind = GuessKindOf(cell);
            if (kind < 0)
                continue;
            ++counts[kind];
            if (kind == kGuessText && workbook::CharacterCount(sheet_.TextOf(cell)) > 255)
                longText = true;
        }
        int best = kGuessText;
        int bestCount = 0;
        for (int kind = 0; kind < kGuessKinds; ++kind)
            if (counts[kind] > bestCount)
                best = kind, bestCount = counts[kind];
        Field& field = fields_[f];
        switch (best)
        {
        case kGuessNumber:
            field.type = kDouble;
            break;
        case kGuessCurrency:
            field.type = kCurrency;
            break;
        case kGuessDate:
            field.type = kDate;
            break;
        case kGuessBoolean:
            field.type = kBoolean;
            break;
        default:
            field.type = longText ? kMemo : kText;
            break;
        }
        field.size = DefaultFieldSize(field.type);
    }
}

Value SheetTable::Get(int record, int field) const
{
    if (record < 0 || record >= RecordCount() || field < 0 || field >= static_cast<int>(fields_.size()))
        throw JetError(kErrNoCurrentRecord, "Není vybrán žádný záznam.");
    const Cell& cell = sheet_.At(SheetRow(record), SheetColumn(field));
    const bool uses1904 = book_.Uses1904Dates();
    const int type = fields_[field].type;
    switch (cell.kind)
    {
    case CellKind::Text: {
        const std::string_view text = sheet_.TextOf(cell);
        if (IsTextType(type))
            return Value::Text(std::string(text));
        if (type == kDate)
        {
            const auto date = TextToDate(text);
            return date ? Value::Date(*date) : Value::Null();
        }
        if (type == kBoolean)
            return Value::Null();
        const auto number = TextToNumber(text);
        if (!number)
            return Value::Null();
        if (type != kCurrency)
            return Value::Number(*number);
        const Value amount = CurrencyCell(*number);
        return amount.kind == Value::Kind::Currency ? amount : Value::Null();
    }
    case CellKind::Number:
        if (IsTextType(type))
            return Value::Text(cell.format == NumberFormatKind::Date
                                   ? DateToText(SerialToOleDate(cell.number, uses1904))
                                   : NumberToText(cell.number));
        if (type == kDate)
            return Value::Date(SerialToOleDate(cell.number, uses1904));
        if (type == kCurrency)
        {
            const Value amount = CurrencyCell(cell.number);
            return amount.kind == Value::Kind::Currency ? amount : Value::Null();
        }
        if (type == kBoolean)
            return Value::Null();
        return Value::Number(cell.number);
    case CellKind::Boolean:
        if (type == kBoolean)
            return Value::Boolean(cell.boolean);
        if (IsTextType(type))
            return Value::Text(BooleanToText(cell.boolean));
        return Value::Null();
    default:
        return Value::Null();
    }
}

void SheetTable::Set(int record, int field, const Value& value)
{
    if (record < 0 || record >= RecordCount() || field < 0 || field >= static_cast<int>(fields_.size()))
        throw JetError(kErrNoCurrentRecord, "Není vybrán žádný záznam.");
    SetStored(record, field, CoerceValue(value, fields_[field].type));
}

Value SheetTable::GetStored(int record, int field) const
{
    if (record < 0 || record >= RecordCount() || field < 0 || field >= static_cast<int>(fields_.size()))
        throw JetError(kErrNoCurrentRecord, "Není vybrán žádný záznam.");
    const Cell& cell = sheet_.At(SheetRow(record), SheetColumn(field));
    switch (cell.kind)
    {
    case CellKind::Text:
        return Value::Text(std::string(sheet_.TextOf(cell)));
    case CellKind::Number:
        if (cell.format == NumberFormatKind::Date)
            return Value::Date(SerialToOleDate(cell.number, book_.Uses1904Dates()));
        if (cell.format == NumberFormatKind::Currency)
            return CurrencyCell(cell.number);
        return Value::Number(cell.number);
    case CellKind::Boolean:
        return Value::Boolean(cell.boolean);
    default:
        return Value::Null();
    }
}

void SheetTable::SetStored(int record, int field, const Value& value)
{
    if (record < 0 || record >= RecordCount() || field < 0 || field >= static_cast<int>(fields_.size()))
        throw JetError(kErrNoCurrentRecord, "Není vybrán žádný záznam.");
    RequireStorable(value);
    const int row = SheetRow(record);
    const int col = SheetColumn(field);
    switch (value.kind)
    {
    case Value::Kind::Null:
        sheet_.SetEmpty(row, col);
        break;
    case Value::Kind::Text:
        if (value.text.empty())
            sheet_.SetEmpty(row, col);
        else if (Utf16Length(value.text) > kMaxCellText)
            throw JetError(kErrFieldTooSmall, "Text o " + std::to_string(workbook::CharacterCount(value.text)) +
                                                  " znacích se do buňky sešitu nevejde (nejvýše 32767 znaků).");
        else
            sheet_.SetText(row, col, value.text);
        break;
    case Value::Kind::Number:
        sheet_.SetNumber(row, col, value.number);
        break;
    case Value::Kind::Date: {
        const std::optional<double> serial = OleDateToSerial(value.number, book_.Uses1904Dates());
        if (!serial)
            throw JetError(kErrOverflow, "Datum " + DateToText(value.number) +
                                             " nelze do sešitu uložit: sešit zná jen data od 31.12.1899" +
                                             (book_.Uses1904Dates() ? " (v kalendáři od roku 1904 od 1.1.1904)." : "."));
        sheet_.SetNumber(row, col, *serial, NumberFormatKind::Date);
        break;
    }
    case Value::Kind::Currency:
        sheet_.SetNumber(row, col, value.currency / 10000.0, NumberFormatKind::Currency);
        break;
    case Value::Kind::Boolean:
        sheet_.SetBoolean(row, col, value.boolean);
        break;
    }
}

int SheetTable::AppendRecord()
{
    // The range first: a table whose sheet was deleted meanwhile has none.
    const TableRange range = Range();
    if (range.rowEnd <= range.firstRow)
        throw JetError(kErrInvalidOperation, "Tabulka nemá řádek s názvy sloupců.");
    if (sheet_.RowEnd() >= workbook::Worksheet::kMaxRows)
        throw JetError(kErrInvalidOperation, "List je plný: sešit Excel 8.0 má nejvýše 65536 řádků.");
    const int row = range.rowEnd;
    // The record goes after the last row of the sheet, whatever range the table covers.
    const int sheetRow = std::max(row, sheet_.RowEnd());
    sheet_.ExtendUsedRange(sheetRow + 1, range.colEnd);
    if (name_ >= 0 && name_ < static_cast<int>(book_.Names().size()) && !book_.Names()[name_].followsSheet)
        book_.Names()[name_].lastRow = sheetRow;
    return sheetRow - range.firstRow - 1;
}

} // namespace jet
