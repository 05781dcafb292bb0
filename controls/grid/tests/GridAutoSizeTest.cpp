// Auto-sizing gives every column the width of its widest cell and every shown row the height of
// its highest, as each cell measures itself, over long columns of varied texts: kerned pairs,
// narrow and wide letters, Czech letters, digits, blanks, '&', line breaks, other fonts, a turned
// font, a cell object and hidden rows.
#include "GridTestSupport.h"

#include "controls/grid/CGridCell.h"
#include "controls/grid/CGridDefaultCell.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/TextAdvances.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace
{
constexpr int kRows = 1500;
constexpr int kColumns = 7;

std::string Word(std::mt19937& random, int pieces)
{
    static const std::vector<std::string> kPieces = {
        "AV", "To", "Ty", "Wa", "Yo", "LT", "ffi", "fl", "ii", "l", "W", "M", "m", "0", "1", "7", "9", ",",
        ".", "Š", "ž", "ů", "Ř", "ď", "é", "Ø", "-", "(", ")", "/", "F.", "P,", "r.", "kg"};
    std::string word;
    for (int i = 0; i < pieces; ++i)
        word += kPieces[std::size_t(random() % kPieces.size())];
    return word;
}

// Words of the same letters in every order: their estimates agree, kerning tells them apart.
std::string Shuffled(std::mt19937& random)
{
    std::string letters = "AVToWaLTyP.,";
    std::shuffle(letters.begin(), letters.end(), random);
    return letters;
}

std::string Number(std::mt19937& random)
{
    std::string number = std::to_string(random() % 100000);
    if (random() % 3 == 0)
        number += "," + std::to_string(random() % 100);
    return number;
}

std::string Sentence(std::mt19937& random)
{
    std::string text;
    const int words = int(random() % 5) + 1;
    for (int i = 0; i < words; ++i)
    {
        if (i)
            text += random() % 7 == 0 ? "\n" : " ";
        text += Word(random, int(random() % 4) + 1);
    }
    if (random() % 11 == 0)
        text += " &a";
    if (random() % 13 == 0)
        text = " " + text + "\t";
    return text;
}

LOGFONT FontOf(CGridCtrl& grid, LONG height, LONG weight, LONG escapement = 0)
{
    LOGFONT font = *grid.GetDefaultCell(FALSE, FALSE)->GetFont();
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfEscapement = escapement;
    return font;
}

// Columns: 1 words, 2 texts that break into lines (narrow), 3 words in three fonts with a turned
// one and a cell object, 4 numbers, 5 shuffled letters, 6 empty and blank texts, 7 one repeated text.
void FillTable(CGridCtrl& grid)
{
    std::mt19937 random(20261211);
    const LOGFONT bold = FontOf(grid, -17, FW_BOLD);
    const LOGFONT small = FontOf(grid, -9, FW_NORMAL);
    const LOGFONT turned = FontOf(grid, -13, FW_NORMAL, 900);
    for (int col = 1; col <= kColumns; ++col)
        grid.SetItemText(0, col, ("Sloupec " + std::to_string(col)).c_str());
    for (int row = 1; row < grid.GetRowCount(); ++row)
    {
        grid.SetItemText(row, 0, std::to_string(row).c_str());
        grid.SetItemText(row, 1, Word(random, int(random() % 8) + 1).c_str());
        grid.SetItemText(row, 2, Sentence(random).c_str());
        grid.SetItemFormat(row, 2, DT_VCENTER | DT_WORDBREAK);
        grid.SetItemMaxTextWidth(row, 2, row % 2 ? 60 : -1);
        grid.SetItemText(row, 3, Word(random, int(random() % 6) + 1).c_str());
        if (row % 7 == 0)
            grid.SetItemFont(row, 3, &bold);
        else if (row % 5 == 0)
            grid.SetItemFont(row, 3, &small);
        grid.SetItemText(row, 4, Number(random).c_str());
        grid.SetItemText(row, 5, Shuffled(random).c_str());
        grid.SetItemText(row, 6, row % 3 ? "" : "   ");
        grid.SetItemText(row, 7, "Šroubení");
    }
    grid.SetItemFont(40, 3, &turned);
    grid.SetCellType(41, 3, RUNTIME_CLASS(CGridCell));
    grid.SetItemText(41, 3, "ObjektObjektObjekt");
    // A hidden row holds the widest number.
    grid.SetItemText(77, 4, "888888888888888888");
    grid.SetRowHeight(77, 0);
}

// What every cell measures by itself.
struct Measured
{
    std::vector<int> widths;
    std::vector<int> widthsOverHidden;
    std::vector<int> heights;
};

Measured MeasureCells(CGridCtrl& grid)
{
    Measured measured;
    measured.widths.assign(std::size_t(grid.GetColumnCount()), 0);
    measured.widthsOverHidden = measured.widths;
    measured.heights.assign(std::size_t(grid.GetRowCount()), 0);
    for (int row = 0; row < grid.GetRowCount(); ++row)
    {
        const bool shown = grid.GetRowHeight(row) > 0;
        measured.heights[std::size_t(row)] = shown ? 1 : 0;
        for (int col = 0; col < grid.GetColumnCount(); ++col)
        {
            const CSize extent = grid.GetTextExtent(row, col, grid.GetItemText(row, col));
            measured.widthsOverHidden[std::size_t(col)] = std::max(measured.widthsOverHidden[std::size_t(col)], int(extent.cx));
            if (!shown)
                continue;
            measured.widths[std::size_t(col)] = std::max(measured.widths[std::size_t(col)], int(extent.cx));
            measured.heights[std::size_t(row)] = std::max(measured.heights[std::size_t(row)], int(extent.cy));
        }
    }
    return measured;
}
} // namespace

TEST(GridAutoSize, WidthsAndHeightsAreThoseOfTheCellsMeasuredOneByOne)
{
    GridFixture f(kRows + 1, kColumns + 1, 1, 1);
    FillTable(f.grid);
    const Measured measured = MeasureCells(f.grid);
    f.grid.AutoSize();
    for (int col = 0; col < f.grid.GetColumnCount(); ++col)
        EXPECT_EQ(f.grid.GetColumnWidth(col), measured.widths[std::size_t(col)]) << "column " << col;
    for (int row = 0; row < f.grid.GetRowCount(); ++row)
        EXPECT_EQ(f.grid.GetRowHeight(row), measured.heights[std::size_t(row)]) << "row " << row;
    // The texts that break into lines make rows of more than one line.
    EXPECT_GT(*std::max_element(measured.heights.begin(), measured.heights.end()), 2 * measured.heights[1] - 2);
}

TEST(GridAutoSize, OneColumnTakesItsWidestCellHiddenRowsIncluded)
{
    GridFixture f(kRows + 1, kColumns + 1, 1, 1);
    FillTable(f.grid);
    const Measured measured = MeasureCells(f.grid);
    for (int col = 0; col < f.grid.GetColumnCount(); ++col)
    {
        EXPECT_TRUE(f.grid.AutoSizeColumn(col));
        EXPECT_EQ(f.grid.GetColumnWidth(col), measured.widthsOverHidden[std::size_t(col)]) << "column " << col;
    }
    EXPECT_GT(measured.widthsOverHidden[4], measured.widths[4]);
}

TEST(GridAutoSize, DataOnlyLeavesTheHeadingsOut)
{
    GridFixture f(4, 2, 1, 1);
    f.grid.SetItemText(0, 1, "Velmi dlouhý nadpis sloupce");
    f.grid.SetItemText(1, 1, "ab");
    f.grid.SetItemText(2, 1, "abc");
    f.grid.AutoSize(GVS_DATA);
    EXPECT_EQ(f.grid.GetColumnWidth(1), f.grid.GetTextExtent(2, 1, "abc").cx);
    f.grid.AutoSize(GVS_BOTH);
    EXPECT_EQ(f.grid.GetColumnWidth(1), f.grid.GetTextExtent(0, 1, "Velmi dlouhý nadpis sloupce").cx);
}

// Shaping joins the letters of "क्ष" into one sign of another width than the letters' sum: a
// text of plain letters between the two widths is taken for the narrower or the wider as it is.
TEST(GridAutoSize, ATextShapedToAnotherWidthIsMeasuredAsItIs)
{
    GridFixture f(301, 2, 1, 1);
    CDC* dc = f.grid.GetDC();
    CFont* previous = dc->SelectObject(f.grid.GetDefaultCell(FALSE, FALSE)->GetFontObject());
    CTextAdvances advances(*dc);
    if (previous)
        dc->SelectObject(previous);
    f.grid.ReleaseDC(dc);
    std::string joined;
    double letterSum = 0;
    for (int i = 0; i < 8; ++i)
    {
        joined += "क्ष";
        for (const char* letter : {"क", "्", "ष"})
            letterSum += advances.Exact(letter);
    }
    const double shaped = advances.Exact(joined);
    const bool widened = shaped > letterSum;
    std::string plain = "l";
    while (advances.Exact(plain) < std::min(shaped, letterSum) + 1.5)
        plain += "l";
    if (advances.Exact(plain) + 1.5 > std::max(shaped, letterSum))
        GTEST_SKIP() << "shaping keeps the width of the letters here";

    f.grid.SetItemText(0, 1, "x");
    for (int row = 1; row < f.grid.GetRowCount(); ++row)
        f.grid.SetItemText(row, 1, row == 150 ? joined.c_str() : plain.c_str());
    f.grid.AutoSize();
    const int joinedWidth = f.grid.GetTextExtent(150, 1, joined.c_str()).cx;
    const int plainWidth = f.grid.GetTextExtent(1, 1, plain.c_str()).cx;
    EXPECT_EQ(f.grid.GetColumnWidth(1), widened ? joinedWidth : plainWidth);
    EXPECT_GT(f.grid.GetColumnWidth(1), widened ? plainWidth : joinedWidth);
}
