#include "platform/dao/BiffWorkbookReader.h"

#include "platform/dao/BiffRecordCursor.h"
#include "platform/dao/BiffRecordReader.h"
#include "platform/dao/BiffRecordType.h"
#include "platform/dao/NumberFormatClassifier.h"
#include "platform/dao/WorkbookError.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace workbook
{

namespace
{

struct SheetEntry
{
    std::string name;
    std::uint32_t offset = 0;
    int type = 0;         // 0 worksheet, else chart, macro sheet ...
    int modelIndex = -1;  // index among the worksheets of the model
};

struct ExternRef
{
    int supBook = 0;
    int firstSheet = 0;
    int lastSheet = 0;
};

struct PendingName
{
    std::string name;
    std::vector<std::uint8_t> formula;
};

double DecodeRk(std::uint32_t rk)
{
    double value;
    if (rk & 0x02)
        value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
    else
    {
        const std::uint64_t bits = static_cast<std::uint64_t>(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return (rk & 0x01) ? value / 100.0 : value;
}

class Reader
{
public:
    Reader(const std::uint8_t* stream, std::size_t size) : records_(stream, size), size_(size) {}

    Workbook Run()
    {
        ReadGlobals();
        ReadSheets();
        ResolveNames();
        return std::move(book_);
    }

private:
    // The current record and the CONTINUE records after it.
    BiffRecordCursor ContinuedCursor()
    {
        BiffRecordCursor cursor(records_.Data(), records_.Length());
        while (records_.PeekType() == biff::kContinue && records_.Next())
            cursor.AddSegment(records_.Data(), records_.Length());
        return cursor;
    }

    void ExpectBof(std::uint16_t substream)
    {
        if (!records_.Next() || records_.Type() != biff::kBof)
            throw WorkbookError("Soubor není sešit aplikace Excel nebo je poškozen.");
        BiffRecordCursor cursor(records_.Data(), records_.Length());
        const std::uint16_t version = cursor.U16();
        const std::uint16_t type = cursor.U16();
        if (version != biff::kBiff8Version)
            throw WorkbookError("Sešit je uložen ve starším formátu, než je Excel 97 (Excel 8.0); "
                                "uložte jej v tomto formátu.");
        if (type != substream)
            throw WorkbookError("Sešit je poškozen: nečekaný začátek části souboru.");
    }

    void ReadGlobals()
    {
        ExpectBof(biff::kGlobalsSubstream);
        std::map<int, std::string> formats;
        std::vector<int> xfFormats;
        while (records_.Next())
        {
            const std::uint16_t type = records_.Type();
            if (type == biff::kEof)
                break;
            BiffRecordCursor cursor(records_.Data(), records_.Length());
            switch (type)
            {
            case biff::kFilePass:
                throw WorkbookError("Sešit je chráněn heslem; uložte jej bez hesla.");
            case biff::kDateMode:
                book_.SetUses1904Dates(cursor.U16() != 0);
                break;
            case biff::kFormat: {
                const int index = cursor.U16();
                formats[index] = cursor.String16();
                break;
            }
            case biff::kXf:
                cursor.Skip(2);
                xfFormats.push_back(cursor.U16());
                break;
            case biff::kBoundSheet: {
                SheetEntry entry;
                entry.offset = cursor.U32();
                cursor.Skip(1);
                entry.type = cursor.U8();
                entry.name = cursor.String8();
                sheets_.push_back(std::move(entry));
                break;
            }
            case biff::kSst:
                ReadSharedStrings();
                break;
            case biff::kSupBook:
                // An internal reference holds the sheet count and the marker 0x0401.
                supBookInternal_.push_back(records_.Length() == 4 && records_.Data()[2] == 0x01 &&
                                           records_.Data()[3] == 0x04);
                break;
            case biff::kExternSheet:
                ReadExternSheet();
                break;
            case biff::kName:
                ReadName();
                break;
            default:
                break;
            }
        }
        globalsEnd_ = records_.EndOffset();
        for (int format : xfFormats)
        {
            const auto custom = formats.find(format);
            xfKinds_.push_back(custom != formats.end() ? NumberFormatClassifier::FromCode(custom->second)
                                                       : NumberFormatClassifier::Builtin(format));
        }
    }

    void ReadSharedStrings()
    {
        BiffRecordCursor cursor = ContinuedCursor();
        cursor.Skip(4);
        const std::uint32_t unique = cursor.U32();
        // Each string takes three bytes at least: never trust the count for the reservation.
        sst_.reserve(std::min<std::size_t>(unique, cursor.Remaining() / 3));
        for (std::uint32_t i = 0; i < unique && !cursor.AtEnd(); ++i)
            sst_.push_back(cursor.RichExtendedString());
        sstHomes_.assign(sst_.size(), SstHome());
    }

    void ReadExternSheet()
    {
        BiffRecordCursor cursor = ContinuedCursor();
        const std::size_t count = cursor.U16();
        for (std::size_t i = 0; i < count; ++i)
        {
            ExternRef ref;
            ref.supBook = cursor.U16();
            ref.firstSheet = cursor.U16();
            ref.lastSheet = cursor.U16();
            externs_.push_back(ref);
        }
    }

    void ReadName()
    {
        BiffRecordCursor cursor = ContinuedCursor();
        const std::uint16_t options = cursor.U16();
        cursor.Skip(1);
        const std::size_t length = cursor.U8();
        const std::size_t formulaSize = cursor.U16();
        cursor.Skip(2);
        const std::uint16_t localSheet = cursor.U16();
        cursor.Skip(4);
        const std::uint8_t flags = cursor.U8();
        PendingName name;
        name.name = cursor.Characters(length, flags);
        if (cursor.Remaining() < formulaSize)
            throw WorkbookError("Sešit je poškozen: definice názvu je neúplná.");
        for (std::size_t i = 0; i < formulaSize; ++i)
            name.formula.push_back(cursor.U8());
        const bool hidden = options & 0x0001;
        const bool function = options & 0x0002;
        const bool builtin = options & 0x0020;
        if (!hidden && !function && !builtin && localSheet == 0)
            names_.push_back(std::move(name));
    }

    void ReadSheets()
    {
        std::vector<SheetEntry*> byOffset;
        for (SheetEntry& entry : sheets_)
        {
            if (entry.type != 0)
                continue;
            entry.modelIndex = book_.SheetCount();
            book_.AddSheet(entry.name);
            byOffset.push_back(&entry);
        }
        // Sheets are read in stream order and may not overlap: the work stays in proportion to the file.
        std::sort(byOffset.begin(), byOffset.end(),
                  [](const SheetEntry* a, const SheetEntry* b) { return a->offset < b->offset; });
        std::size_t end = globalsEnd_;
        for (SheetEntry* entry : byOffset)
        {
            if (entry->offset < end || entry->offset >= size_)
                throw WorkbookError("Sešit je poškozen: list „" + entry->name + "“ nelze najít.");
            ReadSheet(*entry, book_.Sheet(entry->modelIndex));
            end = records_.EndOffset();
        }
    }

    struct Extent
    {
        int firstRow = Worksheet::kMaxRows, rowEnd = 0, firstCol = Worksheet::kMaxColumns, colEnd = 0;
        void Cover(int row, int col)
        {
            firstRow = std::min(firstRow, row);
            rowEnd = std::max(rowEnd, row + 1);
            firstCol = std::min(firstCol, col);
            colEnd = std::max(colEnd, col + 1);
        }
        bool Empty() const { return rowEnd == 0; }
    };

    // A shared string for a sheet: the first sheet that uses it takes it over, later ones copy
    // it from there.
    std::string SharedString(std::uint32_t index, int sheet)
    {
        SstHome& home = sstHomes_[index];
        if (home.sheet >= 0)
            return book_.Sheet(home.sheet).Strings()[home.local];
        home.sheet = sheet;
        home.local = static_cast<std::uint32_t>(book_.Sheet(sheet).Strings().size());
        return std::move(sst_[index]);
    }

    NumberFormatKind FormatOf(std::uint16_t xf) const
    {
        return xf < xfKinds_.size() ? xfKinds_[xf] : NumberFormatKind::General;
    }

    void ReadSheet(const SheetEntry& entry, Worksheet& sheet)
    {
        records_.Seek(entry.offset);
        ExpectBof(biff::kWorksheetSubstream);
        const std::size_t sheetBytes = size_ - entry.offset;
        std::vector<std::int64_t> sstLocal(sst_.size(), -1);
        Extent cells;
        Extent dimensions;
        bool hasDimensions = false;
        int depth = 1;
        int pendingRow = -1, pendingCol = -1;
        const auto put = [&](int row, int col, const Cell& cell) {
            if (col >= Worksheet::kMaxColumns)
                return;
            sheet.SetCell(row, col, cell);
            cells.Cover(row, col);
        };
        while (depth > 0)
        {
            if (!records_.Next())
                throw WorkbookError("Sešit je poškozen: list „" + entry.name + "“ nemá konec.");
            const std::uint16_t type = records_.Type();
            if (type == biff::kBof)
            {
                ++depth;
                continue;
            }
            if (type == biff::kEof)
            {
                --depth;
                continue;
            }
            if (depth > 1)
                continue; // an embedded chart
            BiffRecordCursor cursor(records_.Data(), records_.Length());
            switch (type)
            {
            case biff::kDimensions: {
                const std::uint32_t firstRow = cursor.U32();
                const std::uint32_t rowEnd = cursor.U32();
                const std::uint16_t firstCol = cursor.U16();
                const std::uint16_t colEnd = cursor.U16();
                if (rowEnd > firstRow && colEnd > firstCol)
                {
                    hasDimensions = true;
                    dimensions.firstRow = static_cast<int>(std::min<std::uint32_t>(firstRow, Worksheet::kMaxRows));
                    dimensions.rowEnd = static_cast<int>(std::min<std::uint32_t>(rowEnd, Worksheet::kMaxRows));
                    dimensions.firstCol = std::min<int>(firstCol, Worksheet::kMaxColumns);
                    dimensions.colEnd = std::min<int>(colEnd, Worksheet::kMaxColumns);
                    // Only as many rows as the sheet's records could fill.
                    sheet.ReserveRows(std::min<int>(dimensions.rowEnd, static_cast<int>(std::min<std::size_t>(sheetBytes / 10, Worksheet::kMaxRows))));
                }
                break;
            }
            case biff::kLabelSst: {
                const int row = cursor.U16(), col = cursor.U16();
                cursor.Skip(2);
                const std::uint32_t index = cursor.U32();
                if (index >= sst_.size())
                    throw WorkbookError("Sešit je poškozen: odkaz na neexistující text.");
                if (sstLocal[index] < 0)
                    sstLocal[index] = sheet.AddString(SharedString(index, entry.modelIndex));
                put(row, col, Cell::MakeText(static_cast<std::uint32_t>(sstLocal[index])));
                break;
            }
            case biff::kLabel: {
                const int row = cursor.U16(), col = cursor.U16();
                cursor.Skip(2);
                std::string text = cursor.String16();
                if (!text.empty())
                    put(row, col, Cell::MakeText(sheet.AddString(std::move(text))));
                break;
            }
            case biff::kNumber: {
                const int row = cursor.U16(), col = cursor.U16();
                const std::uint16_t xf = cursor.U16();
                put(row, col, Cell::MakeNumber(cursor.F64(), FormatOf(xf)));
                break;
            }
            case biff::kRk: {
                const int row = cursor.U16(), col = cursor.U16();
                const std::uint16_t xf = cursor.U16();
                put(row, col, Cell::MakeNumber(DecodeRk(cursor.U32()), FormatOf(xf)));
                break;
            }
            case biff::kMulRk: {
                const int row = cursor.U16();
                int col = cursor.U16();
                while (cursor.Remaining() >= 8)
                {
                    const std::uint16_t xf = cursor.U16();
                    put(row, col++, Cell::MakeNumber(DecodeRk(cursor.U32()), FormatOf(xf)));
                }
                break;
            }
            case biff::kBoolErr: {
                const int row = cursor.U16(), col = cursor.U16();
                cursor.Skip(2);
                const std::uint8_t value = cursor.U8();
                const bool isError = cursor.U8() != 0;
                put(row, col, isError ? Cell::MakeError(value) : Cell::MakeBoolean(value != 0));
                break;
            }
            case biff::kFormula:
                ReadFormula(cursor, put, pendingRow, pendingCol);
                break;
            case biff::kString:
                if (pendingRow >= 0)
                {
                    BiffRecordCursor text = ContinuedCursor();
                    std::string value = text.String16();
                    if (!value.empty())
                        put(pendingRow, pendingCol, Cell::MakeText(sheet.AddString(std::move(value))));
                    pendingRow = pendingCol = -1;
                }
                break;
            default:
                break;
            }
        }
        if (hasDimensions && !cells.Empty())
            sheet.SetUsedRange(std::min(dimensions.firstRow, cells.firstRow), std::max(dimensions.rowEnd, cells.rowEnd),
                               std::min(dimensions.firstCol, cells.firstCol), std::max(dimensions.colEnd, cells.colEnd));
        else if (hasDimensions)
            sheet.SetUsedRange(dimensions.firstRow, dimensions.rowEnd, dimensions.firstCol, dimensions.colEnd);
        else if (!cells.Empty())
            sheet.SetUsedRange(cells.firstRow, cells.rowEnd, cells.firstCol, cells.colEnd);
        else
            sheet.SetUsedRange(0, 0, 0, 0);
    }

    template <typename Put> void ReadFormula(BiffRecordCursor& cursor, Put& put, int& pendingRow, int& pendingCol)
    {
        const int row = cursor.U16(), col = cursor.U16();
        const std::uint16_t xf = cursor.U16();
        std::uint8_t result[8];
        for (std::uint8_t& b : result)
            b = cursor.U8();
        pendingRow = pendingCol = -1;
        if (result[6] != 0xFF || result[7] != 0xFF)
        {
            double value;
            std::memcpy(&value, result, sizeof value);
            put(row, col, Cell::MakeNumber(value, FormatOf(xf)));
            return;
        }
        switch (result[0])
        {
        case 0: // the text follows in a STRING record
            pendingRow = row;
            pendingCol = col;
            break;
        case 1:
            put(row, col, Cell::MakeBoolean(result[2] != 0));
            break;
        case 2:
            put(row, col, Cell::MakeError(result[2]));
            break;
        default: // an empty text
            break;
        }
    }

    void ResolveNames()
    {
        for (const PendingName& pending : names_)
        {
            const std::vector<std::uint8_t>& f = pending.formula;
            const auto u16 = [&](std::size_t at) { return static_cast<int>(f[at] | (f[at + 1] << 8)); };
            if (f.empty())
                continue;
            const std::uint8_t ptg = f[0];
            DefinedName name;
            name.name = pending.name;
            int ixti;
            if ((ptg == 0x3B || ptg == 0x5B || ptg == 0x7B) && f.size() == 11)
            {
                ixti = u16(1);
                name.firstRow = u16(3);
                name.lastRow = u16(5);
                name.firstCol = u16(7) & 0x3FFF;
                name.lastCol = u16(9) & 0x3FFF;
            }
            else if ((ptg == 0x3A || ptg == 0x5A || ptg == 0x7A) && f.size() == 7)
            {
                ixti = u16(1);
                name.firstRow = name.lastRow = u16(3);
                name.firstCol = name.lastCol = u16(5) & 0x3FFF;
            }
            else
                continue;
            if (ixti >= static_cast<int>(externs_.size()))
                continue;
            const ExternRef& ref = externs_[ixti];
            if (ref.supBook >= static_cast<int>(supBookInternal_.size()) || !supBookInternal_[ref.supBook] ||
                ref.firstSheet != ref.lastSheet || ref.firstSheet >= static_cast<int>(sheets_.size()))
                continue;
            name.sheet = sheets_[ref.firstSheet].modelIndex;
            if (name.sheet < 0 || name.firstRow > name.lastRow || name.firstCol > name.lastCol ||
                name.lastCol >= Worksheet::kMaxColumns)
                continue;
            book_.Names().push_back(std::move(name));
        }
    }

    BiffRecordReader records_;
    std::size_t size_;
    std::size_t globalsEnd_ = 0;
    Workbook book_;
    std::vector<std::string> sst_;
    // Where each shared string went: the sheet that took it over and its index there.
    struct SstHome
    {
        int sheet = -1;
        std::uint32_t local = 0;
    };
    std::vector<SstHome> sstHomes_;
    std::vector<NumberFormatKind> xfKinds_;
    std::vector<SheetEntry> sheets_;
    std::vector<bool> supBookInternal_;
    std::vector<ExternRef> externs_;
    std::vector<PendingName> names_;
};

} // namespace

Workbook BiffWorkbookReader::Read(const std::uint8_t* stream, std::size_t size)
{
    return Reader(stream, size).Run();
}

} // namespace workbook
