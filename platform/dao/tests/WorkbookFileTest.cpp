#include "platform/dao/CompoundFile.h"
#include "platform/dao/WorkbookError.h"
#include "platform/dao/WorkbookFile.h"
#include "DebianPython.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QDir>
#include <QTemporaryDir>

using namespace workbook;

namespace
{

// Dumps a workbook as xlrd sees it: sheets with their cells (type and value) and the names.
const char* const kXlrdDump = R"(
import json, sys, xlrd
book = xlrd.open_workbook(sys.argv[1])
out = {"datemode": book.datemode, "sheets": [], "names": []}
for sheet in book.sheets():
    rows = []
    for r in range(sheet.nrows):
        rows.append([[sheet.cell_type(r, c), sheet.cell_value(r, c)] for c in range(sheet.ncols)])
    out["sheets"].append({"name": sheet.name, "nrows": sheet.nrows, "ncols": sheet.ncols, "rows": rows})
for name in book.name_obj_list:
    a = name.area2d(clipped=False)
    out["names"].append([name.name, a[0].name] + list(a[1:]))
sys.stdout.write(json.dumps(out))
)";

QJsonObject XlrdDump(const QString& path)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(RunPython(kXlrdDump, {path}))).object();
}

// xlrd cell types
constexpr int kXlNumber = 2, kXlDate = 3, kXlBoolean = 4, kXlError = 5;

Workbook SampleBook()
{
    Workbook book;
    Worksheet& rooms = book.AddSheet("SeznamM");
    rooms.SetText(0, 0, "Číslo                Místnosti");
    rooms.SetText(0, 1, "Plocha;2");
    rooms.SetText(0, 2, "Datum");
    rooms.SetText(0, 3, "Cena");
    rooms.SetText(0, 4, "Podlahové");
    rooms.SetText(1, 0, "Žluťoučký kůň úpěl ďábelské ódy");
    rooms.SetNumber(1, 1, 12.75);
    rooms.SetNumber(1, 2, 45000.0, NumberFormatKind::Date);
    rooms.SetNumber(1, 3, 1234.5, NumberFormatKind::Currency);
    rooms.SetBoolean(1, 4, true);
    rooms.SetText(2, 0, "kuchyň");
    rooms.SetNumber(2, 1, -3.0);
    rooms.SetNumber(2, 2, 0.1 + 0.2);
    rooms.SetBoolean(2, 4, false);
    rooms.SetError(2, 3, 0x07);
    rooms.ExtendUsedRange(5, 5); // two empty rows at the end stay part of the table
    Worksheet& empty = book.AddSheet("Moje data");
    empty.SetText(0, 0, "Jen hlavička");
    book.AddSheet("Prázdný");
    book.Names().push_back(DefinedName{"SeznamM", 0, 0, 0, 0, 0, true});
    return book;
}

} // namespace

TEST(WorkbookFile, RoundTripKeepsEveryKindOfCell)
{
    const std::vector<std::uint8_t> bytes = WorkbookToBytes(SampleBook());
    const Workbook back = ReadWorkbookFromBytes(bytes.data(), bytes.size());
    ASSERT_EQ(back.SheetCount(), 3);
    const Worksheet& rooms = back.Sheet(0);
    EXPECT_EQ(rooms.Name(), "SeznamM");
    EXPECT_EQ(rooms.TextAt(0, 0), "Číslo                Místnosti");
    EXPECT_EQ(rooms.TextAt(1, 0), "Žluťoučký kůň úpěl ďábelské ódy");
    EXPECT_EQ(rooms.At(1, 1).number, 12.75);
    EXPECT_EQ(rooms.At(1, 2).format, NumberFormatKind::Date);
    EXPECT_EQ(rooms.At(1, 2).number, 45000.0);
    EXPECT_EQ(rooms.At(1, 3).format, NumberFormatKind::Currency);
    EXPECT_EQ(rooms.At(1, 3).number, 1234.5);
    EXPECT_EQ(rooms.At(1, 4).kind, CellKind::Boolean);
    EXPECT_TRUE(rooms.At(1, 4).boolean);
    EXPECT_EQ(rooms.At(2, 1).number, -3.0);
    EXPECT_EQ(rooms.At(2, 2).number, 0.1 + 0.2);
    EXPECT_EQ(rooms.At(2, 3).kind, CellKind::Error);
    EXPECT_FALSE(rooms.At(2, 4).boolean);
    EXPECT_EQ(rooms.At(3, 0).kind, CellKind::Empty);
    EXPECT_EQ(rooms.RowEnd(), 5);
    EXPECT_EQ(rooms.ColumnEnd(), 5);
    EXPECT_EQ(back.Sheet(1).Name(), "Moje data");
    EXPECT_EQ(back.Sheet(1).RowEnd(), 1);
    EXPECT_TRUE(back.Sheet(2).IsEmptyRange());
    ASSERT_EQ(back.Names().size(), 1u);
    EXPECT_EQ(back.Names()[0].name, "SeznamM");
    EXPECT_EQ(back.Names()[0].lastRow, 4);
    EXPECT_EQ(back.Names()[0].lastCol, 4);
}

TEST(WorkbookFile, NumbersSurviveExactly)
{
    const double values[] = {0.0, 1.0, -1.0, 536870911.0, 536870912.0, -536870912.0, 0.01, 12.34, -0.05,
                             1e-300, 1e300, 123456789.123456789, 3.14159265358979, 1.0 / 3.0, 2.5};
    Workbook book;
    Worksheet& sheet = book.AddSheet("N");
    int row = 0;
    for (double v : values)
        sheet.SetNumber(row++, 0, v);
    const std::vector<std::uint8_t> bytes = WorkbookToBytes(book);
    const Workbook back = ReadWorkbookFromBytes(bytes.data(), bytes.size());
    row = 0;
    for (double v : values)
        EXPECT_EQ(back.Sheet(0).At(row++, 0).number, v) << v;
}

TEST(WorkbookFile, XlrdReadsWhatWeWrite)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("vzor.xls");
    WriteWorkbook(SampleBook(), path.toStdString());
    const QJsonObject dump = XlrdDump(path);
    EXPECT_EQ(dump["datemode"].toInt(), 0);
    const QJsonArray sheets = dump["sheets"].toArray();
    ASSERT_EQ(sheets.size(), 3);
    const QJsonObject rooms = sheets[0].toObject();
    EXPECT_EQ(rooms["name"].toString(), "SeznamM");
    EXPECT_EQ(rooms["nrows"].toInt(), 3); // xlrd counts rows with cells; the empty rows live in DIMENSIONS
    EXPECT_EQ(rooms["ncols"].toInt(), 5);
    const auto cell = [&](int r, int c) { return rooms["rows"].toArray()[r].toArray()[c].toArray(); };
    EXPECT_EQ(cell(0, 0)[1].toString(), QString::fromUtf8("Číslo                Místnosti"));
    EXPECT_EQ(cell(1, 0)[1].toString(), QString::fromUtf8("Žluťoučký kůň úpěl ďábelské ódy"));
    EXPECT_EQ(cell(1, 1)[0].toInt(), kXlNumber);
    EXPECT_EQ(cell(1, 1)[1].toDouble(), 12.75);
    EXPECT_EQ(cell(1, 2)[0].toInt(), kXlDate);
    EXPECT_EQ(cell(1, 2)[1].toDouble(), 45000.0);
    EXPECT_EQ(cell(1, 3)[0].toInt(), kXlNumber);
    EXPECT_EQ(cell(1, 4)[0].toInt(), kXlBoolean);
    EXPECT_EQ(cell(1, 4)[1].toInt(), 1);
    EXPECT_EQ(cell(2, 2)[1].toDouble(), 0.1 + 0.2);
    EXPECT_EQ(cell(2, 3)[0].toInt(), kXlError);
    EXPECT_EQ(sheets[1].toObject()["name"].toString(), "Moje data");
    EXPECT_EQ(sheets[2].toObject()["name"].toString(), QString::fromUtf8("Prázdný"));
    const QJsonArray names = dump["names"].toArray();
    ASSERT_EQ(names.size(), 1);
    EXPECT_EQ(names[0].toArray(), (QJsonArray{"SeznamM", "SeznamM", 0, 5, 0, 5})) << QJsonDocument(names).toJson().toStdString();
}

TEST(WorkbookFile, XlrdReadsStringsSplitOverContinueRecords)
{
    Workbook book;
    Worksheet& sheet = book.AddSheet("Texty");
    std::vector<std::string> texts;
    for (int i = 0; i < 3000; ++i)
        texts.push_back((i % 2 ? "řádek č. " : "line ") + std::to_string(i));
    std::string longWide;
    for (int i = 0; i < 9000; ++i)
        longWide += "Čř";
    texts.push_back(longWide);
    texts.push_back(std::string(20000, 'x'));
    for (int i = 0; i < static_cast<int>(texts.size()); ++i)
        sheet.SetText(i, 0, texts[i]);
    QTemporaryDir dir;
    const QString path = dir.filePath("texty.xls");
    WriteWorkbook(book, path.toStdString());
    const QJsonArray rows = XlrdDump(path)["sheets"].toArray()[0].toObject()["rows"].toArray();
    ASSERT_EQ(rows.size(), static_cast<int>(texts.size()));
    for (int i = 0; i < static_cast<int>(texts.size()); ++i)
        ASSERT_EQ(rows[i].toArray()[0].toArray()[1].toString().toStdString(), texts[i]) << i;
    const Workbook back = ReadWorkbook(path.toStdString());
    for (int i = 0; i < static_cast<int>(texts.size()); ++i)
        ASSERT_EQ(back.Sheet(0).TextAt(i, 0), texts[i]) << i;
}

TEST(WorkbookFile, ReadsWhatXlwtWrites)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("xlwt.xls");
    RunPython(R"(
import sys, datetime, xlwt
book = xlwt.Workbook(encoding="utf-8")
date = xlwt.easyxf(num_format_str="D.M.YYYY")
money = xlwt.easyxf(num_format_str='#,##0.00 "Kč"')
data = book.add_sheet("Data")
for c, title in enumerate(["Název", "Výkon;1", "Datum", "Cena", "Ano"]):
    data.write(0, c, title)
data.write(1, 0, "Žebřík")
data.write(1, 1, 1234.5)
data.write(1, 2, datetime.date(2024, 2, 29), date)
data.write(1, 3, 99.9, money)
data.write(1, 4, True)
data.write(3, 0, "po prázdném řádku")
data.write(3, 1, 7)
other = book.add_sheet("Moje data")
other.write(0, 0, "A")
other.write(1, 0, "b")
book.save(sys.argv[1])
)",
              {path});
    const Workbook book = ReadWorkbook(path.toStdString());
    ASSERT_EQ(book.SheetCount(), 2);
    const Worksheet& data = book.Sheet(0);
    EXPECT_EQ(data.Name(), "Data");
    EXPECT_EQ(data.TextAt(0, 0), "Název");
    EXPECT_EQ(data.TextAt(0, 1), "Výkon;1");
    EXPECT_EQ(data.TextAt(1, 0), "Žebřík");
    EXPECT_EQ(data.At(1, 1).number, 1234.5);
    EXPECT_EQ(data.At(1, 1).format, NumberFormatKind::General);
    EXPECT_EQ(data.At(1, 2).format, NumberFormatKind::Date);
    EXPECT_EQ(data.At(1, 2).number, 45351.0);
    EXPECT_EQ(data.At(1, 3).format, NumberFormatKind::Currency);
    EXPECT_EQ(data.At(1, 4).kind, CellKind::Boolean);
    EXPECT_EQ(data.At(2, 0).kind, CellKind::Empty);
    EXPECT_EQ(data.TextAt(3, 0), "po prázdném řádku");
    EXPECT_EQ(data.At(3, 1).number, 7.0);
    EXPECT_EQ(data.RowEnd(), 4);
    EXPECT_EQ(data.ColumnEnd(), 5);
    EXPECT_EQ(book.Sheet(1).Name(), "Moje data");
}

TEST(WorkbookFile, Reads1904DateSystem)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("mac.xls");
    RunPython(R"(
import sys, xlwt
book = xlwt.Workbook()
book.dates_1904 = True
book.add_sheet("S").write(0, 0, 1.0)
book.save(sys.argv[1])
)",
              {path});
    EXPECT_TRUE(ReadWorkbook(path.toStdString()).Uses1904Dates());
    Workbook ours;
    ours.SetUses1904Dates(true);
    ours.AddSheet("S").SetNumber(0, 0, 1.0);
    const QString mine = dir.filePath("mine.xls");
    WriteWorkbook(ours, mine.toStdString());
    EXPECT_EQ(XlrdDump(mine)["datemode"].toInt(), 1);
}

TEST(WorkbookFile, MissingFileIsAnError)
{
    EXPECT_THROW(ReadWorkbook("/nonexistent/folder/x.xls"), WorkbookError);
}

TEST(WorkbookFile, WriteReplacesTheFileAtomically)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("a.xls").toStdString();
    Workbook first;
    first.AddSheet("Jedna").SetText(0, 0, "1");
    WriteWorkbook(first, path);
    Workbook second;
    second.AddSheet("Dva").SetText(0, 0, "2");
    WriteWorkbook(second, path);
    EXPECT_EQ(ReadWorkbook(path).Sheet(0).Name(), "Dva");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary file left behind
    EXPECT_THROW(WriteWorkbook(second, "/nonexistent/folder/x.xls"), WorkbookError);
}

TEST(WorkbookFile, StreamInOnePieceIsReadInPlaceAndAScatteredOneIsGathered)
{
    Workbook book = SampleBook();
    for (int r = 5; r < 400; ++r)
        book.Sheet(1).SetText(r, 0, "řádek " + std::to_string(r));
    std::vector<std::uint8_t> bytes = WorkbookToBytes(book);
    const std::span<const std::uint8_t> whole = CompoundFile::WholeWorkbookStream(bytes.data(), bytes.size());
    const std::vector<std::uint8_t> gathered = CompoundFile::ReadWorkbookStream(bytes.data(), bytes.size());
    ASSERT_FALSE(whole.empty());
    ASSERT_TRUE(std::equal(whole.begin(), whole.end(), gathered.begin(), gathered.end()));

    // Swap the stream's second and third sectors on disk and in the allocation table.
    constexpr std::size_t kSector = 512;
    const std::size_t start = static_cast<std::size_t>(whole.data() - bytes.data()) / kSector - 1;
    ASSERT_GE(gathered.size(), 4 * kSector);
    const auto sector = [&](std::size_t s) { return bytes.begin() + static_cast<std::ptrdiff_t>((s + 1) * kSector); };
    std::swap_ranges(sector(start + 1), sector(start + 2), sector(start + 2));
    const std::uint32_t fat = bytes[0x4C] | (bytes[0x4D] << 8) | (bytes[0x4E] << 16) | (bytes[0x4F] << 24);
    const auto link = [&](std::size_t from, std::uint32_t to)
    {
        for (int i = 0; i < 4; ++i)
            bytes[(fat + 1) * kSector + from * 4 + i] = static_cast<std::uint8_t>(to >> (8 * i));
    };
    link(start, static_cast<std::uint32_t>(start + 2));
    link(start + 2, static_cast<std::uint32_t>(start + 1));
    link(start + 1, static_cast<std::uint32_t>(start + 3));
    EXPECT_TRUE(CompoundFile::WholeWorkbookStream(bytes.data(), bytes.size()).empty());
    const Workbook back = ReadWorkbookFromBytes(bytes.data(), bytes.size());
    EXPECT_EQ(back.Sheet(0).TextAt(1, 0), "Žluťoučký kůň úpěl ďábelské ódy");
    EXPECT_EQ(back.Sheet(1).TextAt(399, 0), "řádek 399");
}

TEST(WorkbookFile, CopiesOfASheetKeepTheirOwnCells)
{
    const Workbook book = SampleBook();
    Worksheet copy = book.Sheet(0);
    copy.SetText(1, 0, "jiný");
    copy.SetNumber(9, 9, 1.0);
    EXPECT_EQ(book.Sheet(0).TextAt(1, 0), "Žluťoučký kůň úpěl ďábelské ódy");
    EXPECT_EQ(book.Sheet(0).At(9, 9).kind, CellKind::Empty);
    Worksheet assigned("List");
    assigned.SetNumber(0, 0, 2.0);
    assigned = copy;
    EXPECT_EQ(assigned.TextAt(1, 0), "jiný");
    Worksheet moved = std::move(assigned);
    moved.SetNumber(10, 0, 3.0);
    assigned = std::move(moved);
    EXPECT_EQ(assigned.At(10, 0).number, 3.0);
    EXPECT_EQ(assigned.At(1, 2).number, 45000.0);
}
