#pragma once

#include "platform/dao/SheetFormatting.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace workbook
{

class BiffRecordWriter;
class Workbook;

// The cell styles of a workbook's sheets as BIFF8 records: one FONT a font, one FORMAT a number
// format, one XF a style, and a PALETTE that holds the colours used (the nearest one once its
// 56 places are taken).
class BiffStyleTable
{
public:
    // The first XF index the table hands out; the writer's own XFs stand before it.
    static constexpr int kFirstXf = 18;

    void Collect(const Workbook& book);
    // The XF of a sheet's style; -1 for no style.
    int XfOf(int sheet, int style) const;

    void WriteFonts(BiffRecordWriter& w) const;
    void WriteFormats(BiffRecordWriter& w) const;
    void WriteXfs(BiffRecordWriter& w) const;
    void WritePalette(BiffRecordWriter& w) const;

    // The palette index (8 to 63) of a colour, or 0x7FFF (font) / 64 (other) when automatic.
    std::uint16_t ColourIndex(std::uint32_t colour, std::uint16_t automatic);

private:
    struct Font
    {
        std::string name;
        int twips;
        bool bold, italic, underline;
        std::uint16_t colour;
        bool operator==(const Font&) const = default;
    };
    struct Xf
    {
        std::uint16_t font, format;
        const CellStyle* style;
        std::uint16_t fill, border;
    };

    std::vector<Font> fonts_;
    std::vector<std::string> formats_;
    std::vector<Xf> xfs_;
    std::vector<std::vector<int>> sheetXfs_;
    std::array<std::uint32_t, 56> palette_{};
    int paletteUsed_ = 0;
    bool colours_ = false;
};

} // namespace workbook
