#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace workbook
{

// Colours are 0x00BBGGRR; kAutomaticColour leaves the reader's default.
constexpr std::uint32_t kAutomaticColour = 0xFF000000;

enum class HorizontalAlignment : std::uint8_t
{
    General,
    Left,
    Centre,
    Right
};

// How one cell looks: its font, colours, thin borders, alignment and number format.
struct CellStyle
{
    std::string fontName = "Arial";
    int fontTwips = 200;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::uint32_t fontColour = kAutomaticColour;
    std::uint32_t fillColour = kAutomaticColour;
    bool borderLeft = false;
    bool borderRight = false;
    bool borderTop = false;
    bool borderBottom = false;
    std::uint32_t borderColour = kAutomaticColour;
    HorizontalAlignment alignment = HorizontalAlignment::General;
    // In the workbook's own form ("#,##0.00", "@"); empty is General.
    std::string numberFormat;

    bool operator==(const CellStyle&) const = default;
};

// The look of a sheet beside its values: cell styles, column widths and row heights, hidden
// columns and rows. Written by the workbook writer; the reader keeps values only.
class SheetFormatting
{
public:
    // The index of the style, added once.
    int AddStyle(const CellStyle& style);
    const std::vector<CellStyle>& Styles() const { return styles_; }
    void SetCellStyle(int row, int col, int style);
    // -1 when the cell has none.
    int CellStyleAt(int row, int col) const;
    bool Empty() const { return styles_.empty() && widths_.empty() && heights_.empty() && hiddenColumns_.empty() && hiddenRows_.empty(); }

    // Widths in 1/256 of the width of the digit zero; heights in twips.
    void SetColumnWidth(int col, int width) { widths_[col] = width; }
    void SetRowHeight(int row, int twips) { heights_[row] = twips; }
    void SetColumnHidden(int col, bool hidden);
    void SetRowHidden(int row, bool hidden);
    const std::map<int, int>& ColumnWidths() const { return widths_; }
    const std::map<int, int>& RowHeights() const { return heights_; }
    const std::set<int>& HiddenColumns() const { return hiddenColumns_; }
    const std::set<int>& HiddenRows() const { return hiddenRows_; }

private:
    static std::uint32_t Key(int row, int col) { return std::uint32_t(row) << 8 | std::uint32_t(col); }

    std::vector<CellStyle> styles_;
    std::unordered_map<std::uint32_t, int> cellStyles_;
    std::map<int, int> widths_;
    std::map<int, int> heights_;
    std::set<int> hiddenColumns_;
    std::set<int> hiddenRows_;
};

} // namespace workbook
