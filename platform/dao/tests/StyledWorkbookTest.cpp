#include "platform/dao/WorkbookFile.h"
#include "DebianPython.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using namespace workbook;

namespace
{

std::string Json(const QJsonValue& value)
{
    return QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact).toStdString();
}

// Each cell's look as xlrd reads it with formatting: font, colours as RGB, borders, alignment and
// number format; the column widths and row heights with their hidden flags.
const char* const kXlrdFormats = R"(
import json, sys, xlrd
book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
sheet = book.sheet_by_index(0)
def rgb(index):
    c = book.colour_map.get(index)
    return None if c is None else '%02X%02X%02X' % c
cells = {}
for r in range(sheet.nrows):
    for c in range(sheet.ncols):
        xf = book.xf_list[sheet.cell_xf_index(r, c)]
        font = book.font_list[xf.font_index]
        b = xf.border
        cells['%d,%d' % (r, c)] = {
            'value': sheet.cell_value(r, c), 'type': sheet.cell_type(r, c),
            'font': [font.name, font.height, font.bold, font.italic, font.underline_type, rgb(font.colour_index)],
            'fill': rgb(xf.background.pattern_colour_index) if xf.background.fill_pattern == 1 else None,
            'borders': [b.left_line_style, b.right_line_style, b.top_line_style, b.bottom_line_style],
            'borderColour': rgb(b.left_colour_index),
            'align': xf.alignment.hor_align,
            'format': book.format_map[xf.format_key].format_str}
columns = {str(k): [v.width, v.hidden] for k, v in sheet.colinfo_map.items()}
rows = {str(k): [v.height, v.hidden] for k, v in sheet.rowinfo_map.items()}
sys.stdout.write(json.dumps({'cells': cells, 'columns': columns, 'rows': rows}))
)";

} // namespace

TEST(StyledWorkbook, FontsColoursBordersAlignmentFormatsAndSizesReadBack)
{
    Workbook book;
    Worksheet& sheet = book.AddSheet("Ceník");
    SheetFormatting& look = sheet.Formatting();
    CellStyle header;
    header.fontName = "Tahoma";
    header.fontTwips = 240;
    header.bold = true;
    header.fontColour = 0x0000FF; // red as 0xBBGGRR
    header.fillColour = 0xC0C0C0;
    header.borderLeft = header.borderRight = header.borderTop = header.borderBottom = true;
    header.borderColour = 0x808080;
    header.alignment = HorizontalAlignment::Centre;
    CellStyle price;
    price.italic = true;
    price.underline = true;
    price.fontColour = 0x123456; // no colour of the usual palette
    price.alignment = HorizontalAlignment::Right;
    price.numberFormat = "#,##0.00";
    CellStyle text;
    text.numberFormat = "@";
    text.alignment = HorizontalAlignment::Left;
    text.borderBottom = true;

    sheet.SetText(0, 0, "Název");
    sheet.SetText(0, 1, "Cena");
    sheet.SetText(1, 0, "Ventil");
    sheet.SetNumber(1, 1, 1234.5);
    sheet.SetEmpty(2, 0);
    sheet.SetNumber(2, 1, 7);
    look.SetCellStyle(0, 0, look.AddStyle(header));
    look.SetCellStyle(0, 1, look.AddStyle(header));
    look.SetCellStyle(1, 0, look.AddStyle(text));
    look.SetCellStyle(1, 1, look.AddStyle(price));
    look.SetCellStyle(2, 0, look.AddStyle(text)); // an empty cell keeps its border
    ASSERT_EQ(look.Styles().size(), 3u);
    look.SetColumnWidth(0, 5000);
    look.SetColumnHidden(1, true);
    look.SetRowHeight(0, 400);
    look.SetRowHidden(2, true);
    book.AddSheet("Jiný").SetText(0, 0, "beze stylů");

    QTemporaryDir dir;
    const std::string path = dir.filePath("styled.xls").toStdString();
    WriteWorkbook(book, path);
    const QJsonObject read =
        QJsonDocument::fromJson(QByteArray::fromStdString(RunPython(kXlrdFormats, {QString::fromStdString(path)})))
            .object();
    const QJsonObject cells = read["cells"].toObject();

    const QJsonObject head = cells["0,0"].toObject();
    EXPECT_EQ(head["value"].toString(), "Název");
    EXPECT_EQ(Json(head["font"]), "[\"Tahoma\",240,1,0,0,\"FF0000\"]");
    EXPECT_EQ(head["fill"].toString(), "C0C0C0");
    EXPECT_EQ(head["borders"].toArray(), (QJsonArray{1, 1, 1, 1}));
    EXPECT_EQ(head["borderColour"].toString(), "808080");
    EXPECT_EQ(head["align"].toInt(), 2);
    EXPECT_EQ(cells["0,1"].toObject()["font"], head["font"]);

    const QJsonObject value = cells["1,1"].toObject();
    EXPECT_EQ(value["value"].toDouble(), 1234.5);
    EXPECT_EQ(value["type"].toInt(), 2); // a number, not a date
    EXPECT_EQ(value["format"].toString(), "#,##0.00");
    EXPECT_EQ(Json(value["font"]), "[\"Arial\",200,0,1,1,\"563412\"]");
    EXPECT_TRUE(value["fill"].isNull());
    EXPECT_EQ(value["align"].toInt(), 3);

    EXPECT_EQ(cells["1,0"].toObject()["format"].toString(), "@");
    EXPECT_EQ(cells["1,0"].toObject()["align"].toInt(), 1);
    EXPECT_EQ(cells["2,0"].toObject()["borders"].toArray(), (QJsonArray{0, 0, 0, 1}));
    EXPECT_EQ(cells["2,1"].toObject()["format"].toString(), "General"); // no style: as before

    EXPECT_EQ(read["columns"].toObject()["0"].toArray(), (QJsonArray{5000, 0}));
    EXPECT_EQ(read["columns"].toObject()["1"].toArray()[1].toInt(), 1);
    EXPECT_EQ(read["rows"].toObject()["0"].toArray(), (QJsonArray{400, 0}));
    EXPECT_EQ(read["rows"].toObject()["2"].toArray()[1].toInt(), 1);

    const Workbook back = ReadWorkbook(path); // the engine's own reader keeps the values
    EXPECT_EQ(back.Sheet(0).TextAt(1, 0), "Ventil");
    EXPECT_EQ(back.Sheet(0).At(1, 1).number, 1234.5);
    EXPECT_TRUE(back.Sheet(0).At(2, 0).IsEmpty());
    EXPECT_EQ(back.Sheet(1).TextAt(0, 0), "beze stylů");
}

TEST(StyledWorkbook, MoreColoursThanThePaletteHoldsTakeTheNearest)
{
    Workbook book;
    Worksheet& sheet = book.AddSheet("Barvy");
    for (int i = 0; i < 60; ++i)
    {
        CellStyle style;
        style.fillColour = std::uint32_t(i * 4); // shades of red, 0 to 236
        sheet.SetNumber(i, 0, i);
        sheet.Formatting().SetCellStyle(i, 0, sheet.Formatting().AddStyle(style));
    }
    QTemporaryDir dir;
    const std::string path = dir.filePath("colours.xls").toStdString();
    WriteWorkbook(book, path);
    const QJsonObject cells =
        QJsonDocument::fromJson(QByteArray::fromStdString(RunPython(kXlrdFormats, {QString::fromStdString(path)})))
            .object()["cells"]
            .toObject();
    EXPECT_EQ(cells["55,0"].toObject()["fill"].toString(), "DC0000"); // the last exact one
    const int nearest = cells["59,0"].toObject()["fill"].toString().left(2).toInt(nullptr, 16);
    EXPECT_EQ(nearest, 0xDC); // 236 is nearest to 220 of those held
}
