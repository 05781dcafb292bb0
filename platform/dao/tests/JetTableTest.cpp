#include "JetFixture.h"
#include "DebianPython.h"

#include "platform/dao/ExcelDate.h"

#include <QFile>

using namespace jet;
using workbook::NumberFormatKind;
using workbook::Workbook;
using workbook::Worksheet;

namespace
{

// One column cell by cell: 'n' number, 'c' currency, 'd' date, 't' text, 'b' Boolean, 'L' long text, ' ' empty.
void FillColumn(Worksheet& sheet, int col, const std::string& cells)
{
    for (int r = 0; r < static_cast<int>(cells.size()); ++r)
    {
        const int row = r + 1;
        switch (cells[r])
        {
        case 'n':
            sheet.SetNumber(row, col, r + 0.5);
            break;
        case 'c':
            sheet.SetNumber(row, col, 10.25, NumberFormatKind::Currency);
            break;
        case 'd':
            sheet.SetNumber(row, col, 45000, NumberFormatKind::Date);
            break;
        case 't':
            sheet.SetText(row, col, "text");
            break;
        case 'b':
            sheet.SetBoolean(row, col, true);
            break;
        case 'L':
            sheet.SetText(row, col, std::string(256, 'x'));
            break;
        default:
            break;
        }
    }
}

struct GuessCase
{
    const char* cells;
    int type;
    int size;
};

} // namespace

class JetTable : public JetFixture
{
};

TEST_F(JetTable, GuessesTypesFromTheFirstEightRows)
{
    const GuessCase cases[] = {
        {"nnnnnnnn", kDouble, 8},   // all numbers
        {"nnnnnttt", kDouble, 8},   // mixed 5 to 3
        {"tttnnnnn", kDouble, 8},   // mixed 3 to 5, order does not matter
        {"nnnntttt", kDouble, 8},   // a tie: Number first
        {"ttttbbbb", kText, 255},   // a tie: Text before Boolean
        {"ccccdddd", kCurrency, 8}, // a tie: Currency before Date
        {"        ", kText, 255},   // only blanks
        {"", kText, 255},           // no records
        {"ttLt", kMemo, 0},         // a long text
        {"dd d", kDate, 8},         // date format
        {"c c c", kCurrency, 8},    // currency format
        {"bbtb", kBoolean, 1},      // Booleans
        {"ttttttttnnnnnnnnnn", kText, 255}, // only the first 8 rows count
        {"        nn", kText, 255}, // numbers after 8 empty rows are not scanned
    };
    const std::string path = MakeWorkbook("typy.xls", [&](Workbook& book) {
        Worksheet& sheet = book.AddSheet("Typy");
        for (int c = 0; c < static_cast<int>(std::size(cases)); ++c)
        {
            sheet.SetText(0, c, "S" + std::to_string(c));
            FillColumn(sheet, c, cases[c].cells);
        }
    });
    const auto db = OpenExcel(path);
    const std::vector<Field> fields = db->QueryFields("SELECT * FROM [Typy$]");
    ASSERT_EQ(fields.size(), std::size(cases));
    for (std::size_t c = 0; c < std::size(cases); ++c)
    {
        EXPECT_EQ(fields[c].type, cases[c].type) << "column " << c << " '" << cases[c].cells << "'";
        EXPECT_EQ(fields[c].size, cases[c].size) << "column " << c;
    }
}

TEST_F(JetTable, FieldNamesFollowTheHeaderRow)
{
    const std::string path = MakeWorkbook("nazvy.xls", [](Workbook& book) {
        Worksheet& sheet = book.AddSheet("N");
        sheet.SetText(0, 0, "Číslo                Místnosti");
        sheet.SetText(0, 2, "a.b!c[d]e`f");
        sheet.SetNumber(0, 3, 12);
        sheet.SetText(0, 4, "Výkon;1");
        sheet.SetText(1, 0, "x");
    });
    const auto db = OpenExcel(path);
    const std::vector<Field> fields = db->QueryFields("SELECT * FROM [N$]");
    std::vector<std::string> names;
    for (const Field& f : fields)
        names.push_back(f.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Číslo                Místnosti", "F2", "a#b#c#d#e#f", "12", "Výkon;1"}));
}

TEST_F(JetTable, ListsSheetsAndNamesAlphabetically)
{
    const std::string path = MakeWorkbook("seznam.xls", [](Workbook& book) {
        book.AddSheet("Zeď").SetText(0, 0, "a");
        book.AddSheet("čas").SetText(0, 0, "a");
        book.AddSheet("Moje data").SetText(0, 0, "a");
        book.AddSheet("budova").SetText(0, 0, "a");
        book.AddSheet("Hora").SetText(0, 0, "a");
        book.AddSheet("Chata").SetText(0, 0, "a");
        book.Names().push_back(workbook::DefinedName{"Rozsah", 0, 0, 0, 0, 0, false});
    });
    const auto db = OpenExcel(path);
    EXPECT_EQ(db->TableNames(),
              (std::vector<std::string>{"budova$", "čas$", "Hora$", "Chata$", "Moje data$", "Rozsah", "Zeď$"}));
}

TEST_F(JetTable, UsedRangeMakesTheRecords)
{
    const std::string path = MakeWorkbook("rozsah.xls", [](Workbook& book) {
        Worksheet& data = book.AddSheet("Data");
        data.SetText(0, 0, "A");
        data.SetText(0, 1, "B");
        data.SetNumber(1, 0, 1);
        data.SetNumber(4, 1, 2); // rows 2 and 3 are empty records
        data.ExtendUsedRange(7, 2); // and so are rows 5 and 6 (DIMENSIONS)
        book.AddSheet("Hlavicka").SetText(0, 0, "Jen");
        book.AddSheet("Nic");
    });
    const auto db = OpenExcel(path);
    const auto data = db->Open("SELECT * FROM [Data$]");
    EXPECT_EQ(data->Count(), 6);
    EXPECT_TRUE(data->Get(1, 0).IsNull());
    EXPECT_EQ(data->Get(3, 1), Value::Number(2));
    const auto header = db->Open("SELECT * FROM [Hlavicka$]");
    EXPECT_EQ(header->Count(), 0);
    EXPECT_EQ(header->Fields().size(), 1u);
    EXPECT_EQ(db->Open("SELECT * FROM [Nic$]")->Count(), 0);
}

TEST_F(JetTable, ValuesAreConvertedToTheColumnType)
{
    const std::string path = MakeWorkbook("hodnoty.xls", [](Workbook& book) {
        Worksheet& s = book.AddSheet("H");
        for (int c = 0; c < 5; ++c)
            s.SetText(0, c, "C" + std::to_string(c));
        // C0 Text (texts win), C1 Double, C2 Date, C3 Currency, C4 Boolean
        for (int r = 1; r <= 3; ++r)
        {
            s.SetText(r, 0, "t");
            s.SetNumber(r, 1, r);
            s.SetNumber(r, 2, 45000 + r, NumberFormatKind::Date);
            s.SetNumber(r, 3, 1.5, NumberFormatKind::Currency);
            s.SetBoolean(r, 4, r % 2);
        }
        s.SetNumber(4, 0, 12.5);    // a number in a Text column
        s.SetText(4, 1, " 7.25 ");  // numeric text in a Double column
        s.SetText(5, 1, "sedm");    // text that is no number
        s.SetBoolean(6, 1, true);   // a Boolean in a Double column
        s.SetText(4, 3, "2,5");     // numeric text with a decimal comma in a Currency column
        s.SetBoolean(5, 0, false);  // a Boolean in a Text column
    });
    const auto db = OpenExcel(path);
    const auto rs = db->Open("SELECT * FROM [H$]");
    ASSERT_EQ(rs->Count(), 6);
    EXPECT_EQ(rs->Get(0, 0), Value::Text("t"));
    EXPECT_EQ(rs->Get(0, 1), Value::Number(1));
    EXPECT_EQ(rs->Get(0, 2), Value::Date(45001));
    EXPECT_EQ(rs->Get(0, 3), Value::Currency(15000));
    EXPECT_EQ(rs->Get(0, 4), Value::Boolean(true));
    EXPECT_EQ(rs->Get(3, 0), Value::Text("12.5"));
    EXPECT_EQ(rs->Get(3, 1), Value::Number(7.25));
    EXPECT_EQ(rs->Get(3, 3), Value::Currency(25000));
    EXPECT_TRUE(rs->Get(4, 1).IsNull());
    EXPECT_EQ(rs->Get(4, 0), Value::Text("False"));
    EXPECT_TRUE(rs->Get(5, 1).IsNull());
    EXPECT_TRUE(rs->Get(5, 0).IsNull()); // empty cell
}

TEST_F(JetTable, DatesHonourThe1904System)
{
    const std::string path = MakeWorkbook("mac.xls", [](Workbook& book) {
        book.SetUses1904Dates(true);
        Worksheet& s = book.AddSheet("D");
        s.SetText(0, 0, "Datum");
        s.SetNumber(1, 0, 0, NumberFormatKind::Date); // 1.1.1904
    });
    const auto db = OpenExcel(path);
    EXPECT_EQ(db->Open("SELECT * FROM [D$]")->Get(0, 0), Value::Date(1462));
}

TEST_F(JetTable, WritesCoerceToTheFieldType)
{
    const std::string path = MakeWorkbook("zapis.xls", [](Workbook& book) {
        Worksheet& s = book.AddSheet("Z");
        s.SetText(0, 0, "Text");
        s.SetText(0, 1, "Cislo");
        s.SetText(0, 2, "Datum");
        s.SetText(1, 0, "a");
        s.SetNumber(1, 1, 1);
        s.SetNumber(1, 2, 1, NumberFormatKind::Date);
        s.SetText(2, 0, "b");
        s.SetNumber(2, 1, 2);
    });
    {
        const auto db = OpenExcel(path);
        const auto rs = db->Open("SELECT * FROM [Z$]");
        const std::string longText(400, 'y');
        rs->Set(0, 0, Value::Number(3.5));           // a number into Text: its text
        rs->Set(0, 1, Value::Text("12,75"));         // a text into Double: its number
        rs->Set(0, 2, Value::Date(45292.5));         // a date keeps its date format
        rs->Set(1, 0, Value::Text(longText));        // longer than the field: stored whole
        rs->Set(1, 1, Value::Text(""));              // empty text: an empty cell
        rs->Set(1, 2, Value::Text("neni datum"));    // cannot be coerced: kept as typed
        db->Close();
    }
    const Workbook book = workbook::ReadWorkbook(path);
    const Worksheet& s = book.Sheet(0);
    EXPECT_EQ(s.TextAt(1, 0), "3.5");
    EXPECT_EQ(s.At(1, 1).number, 12.75);
    EXPECT_EQ(s.At(1, 2).format, NumberFormatKind::Date);
    EXPECT_EQ(s.At(1, 2).number, 45292.5);
    EXPECT_EQ(s.TextAt(2, 0).size(), 400u);
    EXPECT_TRUE(s.At(2, 1).IsEmpty());
    EXPECT_EQ(s.TextAt(2, 2), "neni datum");
}

TEST_F(JetTable, CreatedTableKeepsItsTypesUntilReopened)
{
    const std::string path = MakeWorkbook("nova.xls", [](Workbook& book) { book.AddSheet("Jiny").SetText(0, 0, "a"); });
    {
        const auto db = OpenExcel(path);
        db->CreateTable("Seznam", {{"Q;2", kDouble, 8}, {"Název", kText, 50}, {"Ano", kBoolean, 1}});
        ExpectJetError(kErrTableExists, [&] { db->CreateTable("Seznam", {{"X", kText, 255}}); });
        const std::vector<Field> fields = db->QueryFields("SELECT * FROM [Seznam$]");
        ASSERT_EQ(fields.size(), 3u);
        EXPECT_EQ(fields[0].type, kDouble);
        EXPECT_EQ(fields[1].size, 50);
        EXPECT_EQ(fields[2].type, kBoolean);
        EXPECT_EQ(db->TableNames(), (std::vector<std::string>{"Jiny$", "Seznam", "Seznam$"}));
        db->Close();
    }
    const auto db = OpenExcel(path);
    const std::vector<Field> fields = db->QueryFields("SELECT * FROM [Seznam$]");
    ASSERT_EQ(fields.size(), 3u);
    for (const Field& field : fields)
        EXPECT_EQ(field.type, kText) << field.name;
    EXPECT_EQ(db->TableNames(), (std::vector<std::string>{"Jiny$", "Seznam", "Seznam$"}));
}

TEST_F(JetTable, DynasetKeepsItsMembershipAndAppendsAtTheEnd)
{
    const std::string path = MakeWorkbook("dynaset.xls", [](Workbook& book) {
        Worksheet& s = book.AddSheet("M");
        s.SetText(0, 0, "Jméno");
        s.SetText(0, 1, "Počet");
        const char* names[] = {"c", "a", "b", "a"};
        for (int r = 0; r < 4; ++r)
        {
            s.SetText(r + 1, 0, names[r]);
            s.SetNumber(r + 1, 1, r);
        }
    });
    {
        const auto db = OpenExcel(path);
        const auto rs = db->Open("SELECT * FROM [M$] WHERE [Jméno] <> 'b' ORDER BY [Jméno] DESC");
        ASSERT_EQ(rs->Count(), 3);
        EXPECT_EQ(rs->Get(0, 0), Value::Text("c"));
        rs->Set(0, 0, Value::Text("b")); // no longer matches, stays in the set
        EXPECT_EQ(rs->Get(0, 0), Value::Text("b"));
        const int added = rs->Append();
        EXPECT_EQ(added, 3);
        rs->Set(added, 0, Value::Text("nový"));
        EXPECT_EQ(rs->Count(), 4);
        rs->Append(); // stays empty
        EXPECT_EQ(rs->Matching("[Jméno] = 'A'"), (std::vector<int>{1, 2}));
        db->Close();
    }
    const Workbook book = workbook::ReadWorkbook(path);
    EXPECT_EQ(book.Sheet(0).TextAt(1, 0), "b");
    EXPECT_EQ(book.Sheet(0).TextAt(5, 0), "nový"); // after the last row of the sheet
    const auto db = OpenExcel(path);
    EXPECT_EQ(db->Open("SELECT * FROM [M$]")->Count(), 6); // the empty row survived
}

TEST_F(JetTable, MissingCreatedReadOnlyAndSharedFiles)
{
    ExpectJetError(kErrFileNotFound, [&] { OpenExcel(PathOf("chybi.xls")); });
    const std::string created = PathOf("vytvoreny.xls");
    {
        auto db = OpenDatabase(created, "Excel 8.0", false, true);
        EXPECT_TRUE(db->TableNames().empty());
        EXPECT_FALSE(QFile::exists(QString::fromStdString(created)));
        db->CreateTable("T", {{"A", kText, 255}});
        db->Close();
    }
    EXPECT_TRUE(QFile::exists(QString::fromStdString(created)));

    const auto reader = OpenExcel(created, true);
    ExpectJetError(kErrNotUpdatable, [&] { reader->CreateTable("U", {{"A", kText, 255}}); });
    ExpectJetError(kErrNotUpdatable, [&] { reader->Open("SELECT * FROM [T$]")->Append(); });

    // Two writers share one workbook: the second sees the first's rows; the file is written once both closed.
    auto first = OpenExcel(created);
    auto second = OpenExcel(created);
    const auto rs = first->Open("SELECT * FROM [T$]");
    rs->Set(rs->Append(), 0, Value::Text("sdílený"));
    EXPECT_EQ(second->Open("SELECT * FROM [T$]")->Get(0, 0), Value::Text("sdílený"));
    first->Close();
    EXPECT_EQ(workbook::ReadWorkbook(created).Sheet(0).RowEnd(), 1);
    second->Close();
    EXPECT_EQ(workbook::ReadWorkbook(created).Sheet(0).TextAt(1, 0), "sdílený");
}

TEST_F(JetTable, AFileChangedOnDiskIsNotOverwritten)
{
    const std::string path = MakeWorkbook("zmena.xls", [](Workbook& book) { book.AddSheet("T").SetText(0, 0, "A"); });
    const auto db = OpenExcel(path);
    const auto rs = db->Open("SELECT * FROM [T$]");
    rs->Set(rs->Append(), 0, Value::Text("moje"));
    Workbook other;
    other.AddSheet("Cizi").SetText(0, 0, "jiný program");
    other.AddSheet("Cizi2").SetText(0, 0, "mění soubor");
    workbook::WriteWorkbook(other, path);
    ExpectJetError(kErrFileChanged, [&] { db->Close(); });
    EXPECT_EQ(workbook::ReadWorkbook(path).Sheet(0).Name(), "Cizi");
}

TEST_F(JetTable, DeleteAndRenameSheets)
{
    const std::string path = MakeWorkbook("listy.xls", [](Workbook& book) {
        book.AddSheet("A").SetText(0, 0, "x");
        book.AddSheet("B").SetText(0, 0, "y");
    });
    const auto db = OpenExcel(path);
    db->RenameTable("A$", "C");
    db->DeleteTable("B$");
    ExpectJetError(kErrObjectNotFound, [&] { db->DeleteTable("B$"); });
    EXPECT_EQ(db->TableNames(), (std::vector<std::string>{"C$"}));
}

TEST_F(JetTable, OtherDriversFail)
{
    ExpectJetError(kErrNotInstallableIsam, [&] { OpenDatabase(PathOf("x"), "Paradox 5.x;", false, false); });
}

TEST_F(JetTable, ACopyOfStoredValuesKeepsEveryCell)
{
    const std::string path = MakeWorkbook("kopie.xls", [](Workbook& book) {
        Worksheet& s = book.AddSheet("Zdroj");
        s.SetText(0, 0, "Číslo");
        s.SetText(0, 1, "Text");
        for (int r = 1; r <= 4; ++r)
        {
            s.SetNumber(r, 0, r);
            s.SetText(r, 1, "t" + std::to_string(r));
        }
        s.SetText(5, 0, "sedm");               // a text in a Double column: NULL when read
        s.SetNumber(5, 1, 12.5);               // a number in a Text column: "12.5" when read
        s.SetNumber(6, 0, 45000, NumberFormatKind::Date);
    });
    {
        const auto db = OpenExcel(path);
        const auto source = db->Open("SELECT * FROM [Zdroj$]");
        EXPECT_TRUE(source->Get(4, 0).IsNull());
        db->CreateTable("Cil", source->Fields());
        const auto target = db->Open("SELECT * FROM [Cil$]");
        for (int r = 0; r < source->Count(); ++r)
        {
            const int p = target->Append();
            for (int f = 0; f < 2; ++f)
                target->SetStored(p, f, source->GetStored(r, f));
        }
        db->Close();
    }
    const Workbook book = workbook::ReadWorkbook(path);
    const Worksheet& from = book.Sheet(0);
    const Worksheet& to = book.Sheet(1);
    for (int r = 1; r <= 6; ++r)
    {
        for (int c = 0; c < 2; ++c)
        {
            EXPECT_EQ(to.At(r, c).kind, from.At(r, c).kind) << r << "," << c;
            EXPECT_EQ(to.At(r, c).format, from.At(r, c).format) << r << "," << c;
            EXPECT_EQ(to.TextAt(r, c), from.TextAt(r, c)) << r << "," << c;
            if (from.At(r, c).kind == workbook::CellKind::Number)
            {
                EXPECT_EQ(to.At(r, c).number, from.At(r, c).number) << r << "," << c;
            }
        }
    }
}

TEST_F(JetTable, ReadsXlwtWorkbooksAsTables)
{
    const std::string path = PathOf("xlwt.xls");
    RunPython(R"(
import sys, datetime, xlwt
book = xlwt.Workbook(encoding="utf-8")
date = xlwt.easyxf(num_format_str="D.M.YYYY")
money = xlwt.easyxf(num_format_str='#,##0.00 "Kč"')
s = book.add_sheet("Moje data")
for c, title in enumerate(["Název", "Výkon;1", "Datum", "Cena", "Topí", ""]):
    if title:
        s.write(0, c, title)
rows = [("Žebřík", 1.5, datetime.date(2024, 1, 31), 10.5, True), ("chodba", 2, datetime.date(2023, 12, 24), 0.25, False)]
for r, (name, power, day, price, heats) in enumerate(rows, start=1):
    s.write(r, 0, name); s.write(r, 1, power); s.write(r, 2, day, date); s.write(r, 3, price, money); s.write(r, 4, heats)
s.write(3, 5, "poslední")
book.add_sheet("Druhý").write(0, 0, "A")
book.save(sys.argv[1])
)",
              {QString::fromStdString(path)});
    const auto db = OpenExcel(path);
    EXPECT_EQ(db->TableNames(), (std::vector<std::string>{"Druhý$", "Moje data$"}));
    const auto rs = db->Open("SELECT * FROM [Moje data$]");
    const std::vector<Field>& fields = rs->Fields();
    ASSERT_EQ(fields.size(), 6u);
    const std::pair<const char*, int> expected[] = {{"Název", kText},   {"Výkon;1", kDouble}, {"Datum", kDate},
                                                    {"Cena", kCurrency}, {"Topí", kBoolean},   {"F6", kText}};
    for (int i = 0; i < 6; ++i)
    {
        EXPECT_EQ(fields[i].name, expected[i].first);
        EXPECT_EQ(fields[i].type, expected[i].second) << fields[i].name;
    }
    ASSERT_EQ(rs->Count(), 3);
    EXPECT_EQ(rs->Get(0, 0), Value::Text("Žebřík"));
    EXPECT_EQ(rs->Get(1, 1), Value::Number(2));
    EXPECT_EQ(rs->Get(0, 2), Value::Date(45322));
    EXPECT_EQ(rs->Get(0, 3), Value::Currency(105000));
    EXPECT_EQ(rs->Get(1, 4), Value::Boolean(false));
    EXPECT_TRUE(rs->Get(2, 0).IsNull());
    EXPECT_EQ(rs->Get(2, 5), Value::Text("poslední"));
}

TEST_F(JetTable, ARecordsetOfADeletedSheetFailsCleanly)
{
    const std::string path = MakeWorkbook("smazany.xls", [](Workbook& book) {
        book.AddSheet("A").SetText(0, 0, "x");
        book.Sheet(0).SetText(1, 0, "y");
        book.AddSheet("B").SetText(0, 0, "z");
    });
    const auto db = OpenExcel(path);
    const auto rs = db->Open("SELECT * FROM [A$]");
    db->DeleteTable("A$");
    ExpectJetError(kErrNoCurrentRecord, [&] { rs->Get(0, 0); });
    ExpectJetError(kErrInvalidOperation, [&] { rs->Append(); });
}
