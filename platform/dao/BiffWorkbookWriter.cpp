#include "platform/dao/BiffWorkbookWriter.h"

#include "platform/dao/BiffRecordType.h"
#include "platform/dao/BiffRecordWriter.h"
#include "platform/dao/BiffStyleTable.h"
#include "platform/dao/TextCodec.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <cstring>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace workbook
{

namespace
{

// Cell formats written: 15 general, 16 date, 17 currency (0 to 14 are the style formats Excel expects).
constexpr std::uint16_t kGeneralXf = 15;
constexpr std::uint16_t kDateXf = 16;
constexpr std::uint16_t kCurrencyXf = 17;
constexpr std::uint16_t kDateFormat = 164;
constexpr std::uint16_t kCurrencyFormat = 165;

std::uint16_t XfOf(NumberFormatKind kind)
{
    switch (kind)
    {
    case NumberFormatKind::Date:
        return kDateXf;
    case NumberFormatKind::Currency:
        return kCurrencyXf;
    default:
        return kGeneralXf;
    }
}

// The compact RK form of a number when it holds the value exactly.
std::optional<std::uint32_t> EncodeRk(double value)
{
    const auto asInteger = [](double v) -> std::optional<std::int32_t> {
        if (v >= -536870912.0 && v < 536870912.0 && std::trunc(v) == v)
            return static_cast<std::int32_t>(v);
        return std::nullopt;
    };
    const auto asTruncatedDouble = [](double v) -> std::optional<std::uint32_t> {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        if ((bits & 0x3FFFFFFFFull) != 0)
            return std::nullopt;
        return static_cast<std::uint32_t>(bits >> 32);
    };
    if (!std::isfinite(value))
        return std::nullopt;
    if (auto whole = asInteger(value))
        return (static_cast<std::uint32_t>(*whole) << 2) | 0x2u;
    if (auto truncated = asTruncatedDouble(value))
        return *truncated;
    const double hundred = value * 100.0;
    if (auto whole = asInteger(hundred); whole && *whole / 100.0 == value)
        return (static_cast<std::uint32_t>(*whole) << 2) | 0x3u;
    if (auto truncated = asTruncatedDouble(hundred))
    {
        double back;
        const std::uint64_t bits = static_cast<std::uint64_t>(*truncated) << 32;
        std::memcpy(&back, &bits, sizeof back);
        if (back / 100.0 == value)
            return *truncated | 0x1u;
    }
    return std::nullopt;
}

class Writer
{
public:
    explicit Writer(const Workbook& book) : book_(book), out_(), w_(out_) {}

    std::vector<std::uint8_t> Run()
    {
        CollectStrings();
        styles_.Collect(book_);
        WriteGlobals();
        for (int i = 0; i < book_.SheetCount(); ++i)
        {
            w_.PatchU32(sheetOffsetSlots_[i], static_cast<std::uint32_t>(out_.size()));
            WriteSheet(i);
        }
        return std::move(out_);
    }

private:
    void CollectStrings()
    {
        std::unordered_map<std::string_view, std::uint32_t> index;
        sheetSst_.resize(book_.SheetCount());
        for (int s = 0; s < book_.SheetCount(); ++s)
        {
            const Worksheet& sheet = book_.Sheet(s);
            std::vector<std::uint32_t>& local = sheetSst_[s];
            local.assign(sheet.Strings().size(), UINT32_MAX);
            for (int r = 0; r < sheet.StoredRowCount(); ++r)
                for (const Cell& cell : sheet.RowCells(r))
                {
                    if (cell.kind != CellKind::Text || cell.text >= local.size())
                        continue;
                    ++textCells_;
                    if (local[cell.text] != UINT32_MAX)
                        continue;
                    const std::string_view text = sheet.Strings()[cell.text];
                    const auto [it, added] = index.emplace(text, static_cast<std::uint32_t>(sst_.size()));
                    if (added)
                        sst_.push_back(text);
                    local[cell.text] = it->second;
                }
        }
    }

    void Bof(std::uint16_t substream)
    {
        w_.Begin(biff::kBof);
        w_.U16(biff::kBiff8Version);
        w_.U16(substream);
        w_.U16(0x0DBB);
        w_.U16(0x07CC);
        w_.U32(0);
        w_.U32(0x06);
        w_.End();
    }

    void Simple16(std::uint16_t type, std::uint16_t value)
    {
        w_.Begin(type);
        w_.U16(value);
        w_.End();
    }

    void WriteGlobals()
    {
        Bof(biff::kGlobalsSubstream);
        Simple16(biff::kCodePage, 1200);
        w_.Begin(biff::kWindow1);
        for (std::uint16_t v : {0x01E0, 0x005A, 0x3FCF, 0x2A4E, 0x0038, 0, 0, 1, 0x0258})
            w_.U16(v);
        w_.End();
        Simple16(biff::kDateMode, book_.Uses1904Dates() ? 1 : 0);
        for (int i = 0; i < 4; ++i)
            WriteFont();
        styles_.WriteFonts(w_);
        WriteFormat(kDateFormat, "d.m.yyyy");
        WriteFormat(kCurrencyFormat, "#,##0.00\\ \"Kč\"");
        styles_.WriteFormats(w_);
        for (int i = 0; i < 15; ++i)
            WriteXf(0, true);
        WriteXf(0, false);
        WriteXf(kDateFormat, false);
        WriteXf(kCurrencyFormat, false);
        styles_.WriteXfs(w_);
        w_.Begin(biff::kStyle);
        w_.U16(0x8000);
        w_.U8(0);
        w_.U8(0xFF);
        w_.End();
        styles_.WritePalette(w_);
        for (int i = 0; i < book_.SheetCount(); ++i)
        {
            w_.Begin(biff::kBoundSheet);
            sheetOffsetSlots_.push_back(w_.Position());
            w_.U32(0);
            w_.U8(0);
            w_.U8(0);
            w_.String8(book_.Sheet(i).Name());
            w_.End();
        }
        WriteNames();
        WriteSharedStrings();
        w_.Begin(biff::kEof);
        w_.End();
    }

    void WriteFont()
    {
        w_.Begin(biff::kFont);
        w_.U16(200);
        w_.U16(0);
        w_.U16(0x7FFF);
        w_.U16(400);
        w_.U16(0);
        w_.U8(0);
        w_.U8(0);
        w_.U8(0);
        w_.U8(0);
        w_.String8("Arial");
        w_.End();
    }

    void WriteFormat(std::uint16_t index, std::string_view code)
    {
        w_.Begin(biff::kFormat);
        w_.U16(index);
        w_.String16(code);
        w_.End();
    }

    void WriteXf(std::uint16_t format, bool style)
    {
        w_.Begin(biff::kXf);
        w_.U16(0);
        w_.U16(format);
        w_.U16(style ? 0xFFF5 : 0x0001);
        w_.U8(0x20);
        w_.U8(0);
        w_.U8(0);
        w_.U8(style || format == 0 ? 0 : 0x04);
        w_.U32(0);
        w_.U32(0);
        w_.U16(0x20C0);
        w_.End();
    }

    struct Area
    {
        int sheet, firstRow, lastRow, firstCol, lastCol;
    };

    std::optional<Area> AreaOf(const DefinedName& name) const
    {
        if (name.sheet < 0 || name.sheet >= book_.SheetCount())
            return std::nullopt;
        if (!name.followsSheet)
            return Area{name.sheet, name.firstRow, name.lastRow, name.firstCol, name.lastCol};
        const Worksheet& sheet = book_.Sheet(name.sheet);
        if (sheet.IsEmptyRange())
            return std::nullopt;
        return Area{name.sheet, sheet.FirstRow(), sheet.RowEnd() - 1, sheet.FirstColumn(), sheet.ColumnEnd() - 1};
    }

    void WriteNames()
    {
        std::vector<std::pair<const DefinedName*, Area>> names;
        for (const DefinedName& name : book_.Names())
            if (auto area = AreaOf(name); area && !name.name.empty())
                names.emplace_back(&name, *area);
        if (names.empty())
            return;
        w_.Begin(biff::kSupBook);
        w_.U16(static_cast<std::uint16_t>(book_.SheetCount()));
        w_.U16(0x0401);
        w_.End();
        // One reference per sheet: reference i is sheet i.
        w_.Begin(biff::kExternSheet);
        w_.U16(static_cast<std::uint16_t>(book_.SheetCount()));
        for (int i = 0; i < book_.SheetCount(); ++i)
        {
            w_.U16(0);
            w_.U16(static_cast<std::uint16_t>(i));
            w_.U16(static_cast<std::uint16_t>(i));
        }
        w_.End();
        for (const auto& [name, area] : names)
        {
            std::u16string units = Utf8ToUtf16(name->name);
            if (units.size() > 255)
                units.resize(255);
            const bool wide = !FitsLatin1(units);
            w_.Begin(biff::kName);
            w_.U16(0);
            w_.U8(0);
            w_.U8(static_cast<std::uint8_t>(units.size()));
            w_.U16(11);
            w_.U16(0);
            w_.U16(0);
            w_.U32(0);
            w_.U8(wide ? 1 : 0);
            for (char16_t unit : units)
            {
                w_.U8(static_cast<std::uint8_t>(unit & 0xFF));
                if (wide)
                    w_.U8(static_cast<std::uint8_t>(unit >> 8));
            }
            w_.U8(0x3B);
            w_.U16(static_cast<std::uint16_t>(area.sheet));
            w_.U16(static_cast<std::uint16_t>(area.firstRow));
            w_.U16(static_cast<std::uint16_t>(area.lastRow));
            w_.U16(static_cast<std::uint16_t>(area.firstCol));
            w_.U16(static_cast<std::uint16_t>(area.lastCol));
            w_.End();
        }
    }

    void WriteSharedStrings()
    {
        const std::size_t perBucket = std::max<std::size_t>(8, sst_.size() / 128 + 1);
        std::vector<BiffRecordWriter::Placement> buckets;
        w_.Begin(biff::kSst);
        w_.U32(static_cast<std::uint32_t>(textCells_));
        w_.U32(static_cast<std::uint32_t>(sst_.size()));
        for (std::size_t i = 0; i < sst_.size(); ++i)
        {
            const BiffRecordWriter::Placement placement = w_.ContinuableString(sst_[i]);
            if (i % perBucket == 0)
                buckets.push_back(placement);
        }
        w_.End();
        w_.Begin(biff::kExtSst);
        w_.U16(static_cast<std::uint16_t>(perBucket));
        for (const BiffRecordWriter::Placement& bucket : buckets)
        {
            w_.U32(static_cast<std::uint32_t>(bucket.streamOffset));
            w_.U16(static_cast<std::uint16_t>(bucket.recordOffset));
            w_.U16(0);
        }
        w_.End();
    }

    void CellHeader(std::uint16_t type, int row, int col, std::uint16_t xf)
    {
        w_.Begin(type);
        w_.U16(static_cast<std::uint16_t>(row));
        w_.U16(static_cast<std::uint16_t>(col));
        w_.U16(xf);
    }

    void WriteCell(int sheetIndex, int row, int col, const Cell& cell)
    {
        const int xf = styles_.XfOf(sheetIndex, book_.Sheet(sheetIndex).Formatting().CellStyleAt(row, col));
        const auto xfOr = [xf](std::uint16_t plain) { return xf < 0 ? plain : static_cast<std::uint16_t>(xf); };
        switch (cell.kind)
        {
        case CellKind::Text: {
            const std::vector<std::uint32_t>& local = sheetSst_[sheetIndex];
            if (cell.text >= local.size() || local[cell.text] == UINT32_MAX)
                return;
            CellHeader(biff::kLabelSst, row, col, xfOr(kGeneralXf));
            w_.U32(local[cell.text]);
            break;
        }
        case CellKind::Number:
            if (const auto rk = EncodeRk(cell.number))
            {
                CellHeader(biff::kRk, row, col, xfOr(XfOf(cell.format)));
                w_.U32(*rk);
            }
            else
            {
                CellHeader(biff::kNumber, row, col, xfOr(XfOf(cell.format)));
                w_.F64(cell.number);
            }
            break;
        case CellKind::Boolean:
            CellHeader(biff::kBoolErr, row, col, xfOr(kGeneralXf));
            w_.U8(cell.boolean ? 1 : 0);
            w_.U8(0);
            break;
        case CellKind::Error:
            CellHeader(biff::kBoolErr, row, col, kGeneralXf);
            w_.U8(cell.error);
            w_.U8(1);
            break;
        case CellKind::Empty:
            if (xf < 0)
                return;
            CellHeader(biff::kBlank, row, col, static_cast<std::uint16_t>(xf));
            break;
        }
        w_.End();
    }

    void WriteSheet(int index)
    {
        const Worksheet& sheet = book_.Sheet(index);
        Bof(biff::kWorksheetSubstream);
        WriteColumnInfo(sheet.Formatting());
        w_.Begin(biff::kDimensions);
        if (sheet.IsEmptyRange())
        {
            w_.U32(0);
            w_.U32(0);
            w_.U16(0);
            w_.U16(0);
        }
        else
        {
            w_.U32(static_cast<std::uint32_t>(sheet.FirstRow()));
            w_.U32(static_cast<std::uint32_t>(sheet.RowEnd()));
            w_.U16(static_cast<std::uint16_t>(sheet.FirstColumn()));
            w_.U16(static_cast<std::uint16_t>(sheet.ColumnEnd()));
        }
        w_.U16(0);
        w_.End();
        WriteRowInfo(sheet.Formatting());
        for (int r = 0; r < sheet.StoredRowCount(); ++r)
        {
            const Worksheet::Row& cells = sheet.RowCells(r);
            for (int c = 0; c < static_cast<int>(cells.size()); ++c)
                WriteCell(index, r, c, cells[c]);
        }
        w_.Begin(biff::kWindow2);
        w_.U16(index == 0 ? 0x06B6 : 0x00B6);
        w_.U16(0);
        w_.U16(0);
        w_.U32(64);
        w_.U16(0);
        w_.U16(0);
        w_.U32(0);
        w_.End();
        w_.Begin(biff::kEof);
        w_.End();
    }

    void WriteColumnInfo(const SheetFormatting& formatting)
    {
        std::set<int> columns(formatting.HiddenColumns());
        for (const auto& [col, width] : formatting.ColumnWidths())
            columns.insert(col);
        for (int col : columns)
        {
            const auto width = formatting.ColumnWidths().find(col);
            w_.Begin(biff::kColInfo);
            w_.U16(static_cast<std::uint16_t>(col));
            w_.U16(static_cast<std::uint16_t>(col));
            w_.U16(static_cast<std::uint16_t>(width == formatting.ColumnWidths().end() ? 2340 : std::clamp(width->second, 0, 65535)));
            w_.U16(kGeneralXf);
            w_.U16(formatting.HiddenColumns().count(col) ? 1 : 0);
            w_.U16(0);
            w_.End();
        }
    }

    void WriteRowInfo(const SheetFormatting& formatting)
    {
        std::set<int> rows(formatting.HiddenRows());
        for (const auto& [row, height] : formatting.RowHeights())
            rows.insert(row);
        for (int row : rows)
        {
            const auto height = formatting.RowHeights().find(row);
            const bool custom = height != formatting.RowHeights().end();
            w_.Begin(biff::kRow);
            w_.U16(static_cast<std::uint16_t>(row));
            w_.U16(0);
            w_.U16(0);
            w_.U16(static_cast<std::uint16_t>(custom ? std::clamp(height->second, 0, 8191) : 255));
            w_.U16(0);
            w_.U16(0);
            w_.U32(0x100u | (formatting.HiddenRows().count(row) ? 0x20u : 0u) | (custom ? 0x40u : 0u) |
                   (std::uint32_t(kGeneralXf) << 16));
            w_.End();
        }
    }

    const Workbook& book_;
    std::vector<std::uint8_t> out_;
    BiffRecordWriter w_;
    std::vector<std::string_view> sst_;
    std::vector<std::vector<std::uint32_t>> sheetSst_;
    std::size_t textCells_ = 0;
    std::vector<std::size_t> sheetOffsetSlots_;
    BiffStyleTable styles_;
};

} // namespace

std::vector<std::uint8_t> BiffWorkbookWriter::Write(const Workbook& book)
{
    return Writer(book).Run();
}

} // namespace workbook
