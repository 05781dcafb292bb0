#include "platform/dao/BiffStyleTable.h"

#include "platform/dao/BiffRecordType.h"
#include "platform/dao/BiffRecordWriter.h"
#include "platform/dao/Workbook.h"

#include <algorithm>
#include <limits>

namespace workbook
{

namespace
{
constexpr int kFirstFont = 5; // index 4 does not exist in BIFF
constexpr int kFirstFormat = 166;
constexpr int kFirstPalette = 8;

int Distance(std::uint32_t a, std::uint32_t b)
{
    int sum = 0;
    for (int shift : {0, 8, 16})
    {
        const int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
        sum += d * d;
    }
    return sum;
}

template <typename T>
int IndexOf(std::vector<T>& list, const T& value)
{
    const auto found = std::find(list.begin(), list.end(), value);
    if (found != list.end())
        return int(found - list.begin());
    list.push_back(value);
    return int(list.size()) - 1;
}
} // namespace

std::uint16_t BiffStyleTable::ColourIndex(std::uint32_t colour, std::uint16_t automatic)
{
    if (colour == kAutomaticColour)
        return automatic;
    colour &= 0xFFFFFF;
    colours_ = true;
    for (int i = 0; i < paletteUsed_; ++i)
        if (palette_[i] == colour)
            return std::uint16_t(kFirstPalette + i);
    if (paletteUsed_ < int(palette_.size()))
    {
        palette_[paletteUsed_] = colour;
        return std::uint16_t(kFirstPalette + paletteUsed_++);
    }
    int best = 0;
    for (int i = 1; i < paletteUsed_; ++i)
        if (Distance(palette_[i], colour) < Distance(palette_[best], colour))
            best = i;
    return std::uint16_t(kFirstPalette + best);
}

void BiffStyleTable::Collect(const Workbook& book)
{
    sheetXfs_.assign(book.SheetCount(), {});
    for (int s = 0; s < book.SheetCount(); ++s)
        for (const CellStyle& style : book.Sheet(s).Formatting().Styles())
        {
            const Font font{style.fontName, style.fontTwips, style.bold, style.italic, style.underline,
                            ColourIndex(style.fontColour, 0x7FFF)};
            Xf xf{};
            xf.font = std::uint16_t(kFirstFont + IndexOf(fonts_, font));
            xf.format = style.numberFormat.empty() ? 0 : std::uint16_t(kFirstFormat + IndexOf(formats_, style.numberFormat));
            xf.style = &style;
            xf.fill = ColourIndex(style.fillColour, 64);
            xf.border = ColourIndex(style.borderColour, 64);
            sheetXfs_[s].push_back(kFirstXf + int(xfs_.size()));
            xfs_.push_back(xf);
        }
}

int BiffStyleTable::XfOf(int sheet, int style) const
{
    if (style < 0 || sheet < 0 || sheet >= int(sheetXfs_.size()) || style >= int(sheetXfs_[sheet].size()))
        return -1;
    return sheetXfs_[sheet][style];
}

void BiffStyleTable::WriteFonts(BiffRecordWriter& w) const
{
    for (const Font& font : fonts_)
    {
        w.Begin(biff::kFont);
        w.U16(std::uint16_t(std::clamp(font.twips, 20, 8191)));
        w.U16(std::uint16_t((font.bold ? 0x0001 : 0) | (font.italic ? 0x0002 : 0)));
        w.U16(font.colour);
        w.U16(font.bold ? 700 : 400);
        w.U16(0);
        w.U8(font.underline ? 1 : 0);
        w.U8(0);
        w.U8(0);
        w.U8(0);
        w.String8(font.name.empty() ? "Arial" : font.name);
        w.End();
    }
}

void BiffStyleTable::WriteFormats(BiffRecordWriter& w) const
{
    for (std::size_t i = 0; i < formats_.size(); ++i)
    {
        w.Begin(biff::kFormat);
        w.U16(std::uint16_t(kFirstFormat + i));
        w.String16(formats_[i]);
        w.End();
    }
}

void BiffStyleTable::WriteXfs(BiffRecordWriter& w) const
{
    for (const Xf& xf : xfs_)
    {
        const CellStyle& style = *xf.style;
        const auto line = [](bool on) { return on ? 1u : 0u; }; // thin
        const bool filled = style.fillColour != kAutomaticColour;
        w.Begin(biff::kXf);
        w.U16(xf.font);
        w.U16(xf.format);
        w.U16(0x0001);
        w.U8(std::uint8_t(0x20 | static_cast<std::uint8_t>(style.alignment)));
        w.U8(0);
        w.U8(0);
        w.U8(0xFC);
        w.U32(line(style.borderLeft) | line(style.borderRight) << 4 | line(style.borderTop) << 8 |
              line(style.borderBottom) << 12 | std::uint32_t(xf.border) << 16 | std::uint32_t(xf.border) << 23);
        w.U32(std::uint32_t(xf.border) | std::uint32_t(xf.border) << 7 | (filled ? 1u << 26 : 0u));
        w.U16(std::uint16_t((filled ? xf.fill : 64) | 65 << 7));
        w.End();
    }
}

void BiffStyleTable::WritePalette(BiffRecordWriter& w) const
{
    if (!colours_)
        return;
    w.Begin(biff::kPalette);
    w.U16(std::uint16_t(palette_.size()));
    for (int i = 0; i < int(palette_.size()); ++i)
    {
        // Places not used keep a neutral grey.
        const std::uint32_t colour = i < paletteUsed_ ? palette_[i] : 0xC0C0C0;
        w.U8(std::uint8_t(colour & 0xFF));
        w.U8(std::uint8_t(colour >> 8 & 0xFF));
        w.U8(std::uint8_t(colour >> 16 & 0xFF));
        w.U8(0);
    }
    w.End();
}

} // namespace workbook
