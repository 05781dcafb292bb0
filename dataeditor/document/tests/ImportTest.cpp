#include "DocumentFixture.h"

#include "dataeditor/app/LanguageText.h"
#include "dataeditor/document/DbaseConversion.h"
#include "platform/dao/CodePage.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CommonDialogs.h"

namespace
{
class Importing : public DocumentFixture
{
protected:
    void Write(const QString& path, const std::string& bytes) const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), qint64(bytes.size()));
    }
    // A dBASE III table in code page 852 with Czech texts, and how python3-dbfread reads it.
    std::string MakeDbase(const QString& path) const
    {
        return RunPython(R"(
import sys, dbf, dbfread
t = dbf.Table(sys.argv[1], 'NAZEV C(24); CENA N(8,2); POPIS M', dbf_type='db3', codepage='cp852')
t.open(mode=dbf.READ_WRITE)
t.append(('Kotel plynový ČSN', 1520.5, 'Účinnost 92 %, příkon 24 kW'))
t.append(('Těleso deskové', 88, 'Šířka 600 mm'))
t.close()
for rec in dbfread.DBF(sys.argv[1], encoding='cp852'):
    print('|'.join(str(v) for v in rec.values()))
)",
                         {path});
    }
    // A number as the settings write it.
    std::string Number(const char* whole, const char* decimals) const
    {
        return whole + std::string(1, m_app->decimalPoint) + decimals;
    }
    static std::string Rows(CSobrelDoc* document)
    {
        std::string lines;
        CGridCtrl& grid = Grid(document);
        for (int r = 1; r < grid.GetRowCount(); ++r)
        {
            for (int c = 1; c < grid.GetColumnCount(); ++c)
                lines += std::string(grid.GetItemText(r, c)) + (c + 1 < grid.GetColumnCount() ? "|" : "");
            lines += "\n";
        }
        return lines;
    }
};
} // namespace

TEST_F(Importing, DelimitedTextWithTypesAndQuotedFieldsBecomesANewWorkbook)
{
    ASSERT_TRUE(Start());
    const QString csv = Folder("ceny.csv");
    Write(csv, CodePage::FromUtf8("Název;\"Cena@dbDouble;2\";Poznámka\n\"Kotel; plynový\";12,5;\"dva\nřádky \"\"x\"\"\"\n"
                                  "Ventil;3;;navíc\n",
                                  "CP1250"));
    CSobrelDoc* document = ImportFile(csv, ";");
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->tableName, "ceny$");
    EXPECT_TRUE(document->IsModified());
    EXPECT_FALSE(document->fileBacked);
    EXPECT_EQ(Grid(document).GetItemText(0, 2), "Cena");
    EXPECT_EQ(document->View()->ColumnInfo(2)->type, 7);
    EXPECT_EQ(document->View()->ColumnInfo(2)->decimals, 2);
    EXPECT_EQ(document->View()->ColumnInfo(1)->type, 12);
    EXPECT_EQ(document->View()->ColumnInfo(4)->type, 10); // a column a row added
    // Numbers of the number column in its form, with the settings' separators.
    EXPECT_EQ(Rows(document), "Kotel; plynový|" + Number("12", "50") + "|dva\nřádky \"x\"|\nVentil|" + Number("3", "00") +
                                  "||navíc\n");

    const QString saved = Folder("ceny.xls");
    ASSERT_TRUE(document->DoSave(saved.toUtf8().constData()));
    const std::string sheets = Xlrd(saved);
    EXPECT_NE(sheets.find("ceny|'Kotel; plynový'|12.5|'dva\\nřádky \"x\"'"), std::string::npos) << sheets;
}

TEST_F(Importing, CancelAtTheSeparatorEndsTheImportSilently)
{
    ASSERT_TRUE(Start());
    const QString csv = Folder("ceny.csv");
    Write(csv, "a;b\n1;2\n");
    MessageBoxes::ClearShown();
    EXPECT_EQ(ImportFile(csv), nullptr);
    EXPECT_TRUE(MessageBoxes::Shown().empty());
}

TEST_F(Importing, DbaseTableInCp852ComesThroughTheConverter)
{
    Provide({"Prevod"});
    ASSERT_TRUE(Start());
    const QString table = Folder("kotle.dbf");
    const std::string expected = MakeDbase(table);
    CSobrelDoc* document = ImportFile(table);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->tableName, "kotle$");
    const std::string price = "1" + std::string(m_app->thousandSeparator) + Number("520", "50");
    EXPECT_EQ(Rows(document), "Kotel plynový ČSN|" + price + "|Účinnost 92 %, příkon 24 kW\n"
                              "Těleso deskové|" + Number("88", "00") + "|Šířka 600 mm\n");
    EXPECT_EQ(expected, "Kotel plynový ČSN|1520.5|Účinnost 92 %, příkon 24 kW\n"
                        "Těleso deskové|88.0|Šířka 600 mm\n");
    ASSERT_TRUE(document->DoSave(Folder("kotle.xls").toUtf8().constData()));
    EXPECT_NE(Xlrd(Folder("kotle.xls")).find("kotle|'Kotel plynový ČSN'|1520.5"), std::string::npos);
}

TEST_F(Importing, WithoutAConverterOrWhenItWritesNothingTheCopyIsRead)
{
    ASSERT_TRUE(Start());
    const QString table = Folder("kotle.dbf");
    MakeDbase(table);
    CSobrelDoc* document = ImportFile(table);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(Grid(document).GetItemText(1, 1), "Kotel plynový ČSN");
    Stop();

    Write(ProgramFile("Prevod"), "#!/bin/sh\nexit 0\n");
    QFile::setPermissions(ProgramFile("Prevod"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(Start());
    document = ImportFile(table);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(Grid(document).GetItemText(2, 1), "Těleso deskové");
}

TEST_F(Importing, AccessMeansTheEnginesDatabaseFileAndARealMdbFails)
{
    ASSERT_TRUE(Start());
    const QString database = Folder("ceník.mdb");
    ASSERT_TRUE(MakeDatabase(database, "Ceny", {{"Název", 10, 50, -2}, {"Cena", 7, 8, 2}}, {{"Radiátor", "99,5"}}));
    CSobrelDoc* document = ImportFile(database);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->tableName, "Ceny$");
    EXPECT_EQ(Rows(document), "Radiátor|" + Number("99", "50") + "\n");
    EXPECT_TRUE(document->GetPathName().IsEmpty());

    const QString real = Folder("opravdová.mdb");
    Write(real, std::string("\0\1\0\0Standard Jet DB\0", 20) + std::string(2000, '\0'));
    MessageBoxes::ClearShown();
    EXPECT_EQ(ImportFile(real), nullptr);
    EXPECT_TRUE(LastMessage().Find("se nepodařilo otevřít") > 0) << LastMessage();
}

TEST_F(Importing, ConverterWritesTheTextsInCp1250AndIsEndedWhenItHangs)
{
    const QString table = Folder("kotle.dbf");
    const std::string expected = MakeDbase(table);
    QProcess converter;
    converter.setWorkingDirectory(Folder(""));
    converter.start(QStringLiteral(KALVENROD_BIN_DIR "/Prevod"), {"-uL", "kotle.dbf", "prevedeno.dbf"});
    ASSERT_TRUE(converter.waitForFinished(10000));
    EXPECT_EQ(converter.exitCode(), 0);
    EXPECT_EQ(Bytes(Folder("prevedeno.dbf")).at(29), char(0xC8));
    EXPECT_EQ(RunPython(R"(
import sys, dbfread
for rec in dbfread.DBF(sys.argv[1], encoding='cp1250'):
    print('|'.join(str(v) for v in rec.values()))
)",
                        {Folder("prevedeno.dbf")}),
              expected);

    Write(Folder("hang.sh"), "#!/bin/sh\nexec sleep 30\n");
    QFile::setPermissions(Folder("hang.sh"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    CData data;
    data.m_bShowErrors = FALSE;
    EXPECT_EQ(ConvertDbaseFile(data, table.toUtf8().constData(), "-uL", Folder("hang.sh").toUtf8().constData(), 300),
              "");
    EXPECT_FALSE(data.IsOpen());
}

namespace
{
// The text as UTF-16 units, little or big endian, after its byte-order mark.
std::string Utf16(const std::string& utf8, bool bigEndian)
{
    const std::u16string units = QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).toStdU16String();
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : units)
    {
        const char high = char(unit >> 8), low = char(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}
} // namespace

TEST_F(Importing, TextIsReadInEveryEncodingItsMarkOrBytesName)
{
    const std::string text = "Název;Cena\r\nKotel plynový ČSN;12,5\r\nŠoupě 𝄞;3\r\n";
    const struct
    {
        const char* name;
        std::string bytes;
    } cases[] = {{"UTF-16 LE", Utf16(text, false)},
                 {"UTF-16 BE", Utf16(text, true)},
                 {"UTF-8 with its mark", "\xEF\xBB\xBF" + text},
                 {"UTF-8", text},
                 {"CP1250", CodePage::FromUtf8("Název;Cena\nKotel plynový ČSN;12,5\nŠoupě ?;3\n", "CP1250")}};
    ASSERT_TRUE(Start());
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const QString csv = Folder("ceny.csv");
        Write(csv, c.bytes);
        MessageBoxes::ClearShown();
        CSobrelDoc* document = ImportFile(csv, ";");
        ASSERT_NE(document, nullptr);
        EXPECT_TRUE(MessageBoxes::Shown().empty()) << LastMessage();
        EXPECT_EQ(Grid(document).GetItemText(0, 1), "Název");
        const std::string third = std::string(c.name) == "CP1250" ? "Šoupě ?|3\n" : "Šoupě 𝄞|3\n";
        EXPECT_EQ(Rows(document), "Kotel plynový ČSN|12,5\n" + third);
        document->OnCloseDocument();
    }
}

TEST_F(Importing, TextThatIsNoTextIsRefusedNamingWhy)
{
    using namespace std::string_literals;
    const struct
    {
        const char* name;
        std::string bytes;
        const char* message; // a part of the message shown
    } cases[] = {
        {"UTF-16 LE cut in a unit", Utf16("a;b\n1;2\n", false) + "x", "začíná značkou UTF-16"},
        {"UTF-16 LE with a lone low surrogate", "\xFF\xFE" "a\0;\0\x00\xDC"s, "začíná značkou UTF-16"},
        {"UTF-16 BE with a high surrogate at its end", "\xFE\xFF\0a\0;\xD8\x00"s, "začíná značkou UTF-16"},
        {"a NUL inside a field of line 3", "a;b\n1;2\n3\0x;4\n"s, "řádek 3 obsahuje znak NUL"},
        {"a NUL inside a quoted field after CR line ends", "a;b\r\"1\r2\";3\r\"4\0\";5\r"s, "řádek 4 obsahuje znak NUL"},
        {"UTF-16 without its mark", "a\0;\0b\0\n\0"s, "řádek 1 obsahuje znak NUL"},
        {"UTF-16 holding U+0000 in line 2", Utf16("a;b\n", false) + "1\0\0\0"s, "řádek 2 obsahuje znak NUL"},
    };
    ASSERT_TRUE(Start());
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const QString csv = Folder("vadný.csv");
        Write(csv, c.bytes);
        MessageBoxes::ClearShown();
        const int before = m_app->GetOpenDocumentCount();
        EXPECT_EQ(ImportFile(csv, ";"), nullptr);
        EXPECT_EQ(m_app->GetOpenDocumentCount(), before);
        ASSERT_EQ(MessageBoxes::Shown().size(), 1u); // the reason alone, not "could not be opened" too
        EXPECT_GE(LastMessage().Find(c.message), 0) << LastMessage();
        EXPECT_GE(LastMessage().Find(csv.toUtf8().constData()), 0) << LastMessage();
    }
}

TEST_F(Importing, ATableWiderThanAWorkbookSheetIsLoadedWithAWarning)
{
    const struct
    {
        int columns;
        bool warned;
    } cases[] = {{256, false}, {257, true}, {300, true}};
    ASSERT_TRUE(Start());
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.columns);
        std::string header, row;
        for (int i = 0; i < c.columns; ++i)
        {
            header += (i ? ";S" : "S") + std::to_string(i + 1);
            row += (i ? ";" : "") + std::to_string(i);
        }
        const QString csv = Folder("široká.csv");
        Write(csv, header + "\n" + row + "\n");
        MessageBoxes::ClearShown();
        CSobrelDoc* document = ImportFile(csv, ";");
        ASSERT_NE(document, nullptr);
        EXPECT_EQ(document->View()->columnCount, c.columns);
        EXPECT_EQ(Grid(document).GetItemText(1, c.columns), std::to_string(c.columns - 1).c_str());
        if (c.warned)
        {
            ASSERT_EQ(MessageBoxes::Shown().size(), 1u);
            CString expected;
            expected.Format(LanguageText(IDS_IMPORT_TOO_MANY_COLUMNS), c.columns);
            EXPECT_EQ(LastMessage(), expected);
            EXPECT_GE(LastMessage().Find("256"), 0) << LastMessage();
        }
        else
            EXPECT_TRUE(MessageBoxes::Shown().empty()) << LastMessage();
        document->SetModifiedFlag(FALSE);
        document->OnCloseDocument();
    }
}
