#include "DocumentFixture.h"

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
    {
        CData data;
        data.m_bShowErrors = FALSE;
        ASSERT_TRUE(data.Create(database.toUtf8().constData(), "Access"));
        data.AddColBeforeCreateTable("Název", 10, 50, -2);
        data.AddColBeforeCreateTable("Cena", 7, 8, 2);
        ASSERT_TRUE(data.CreateTable("Ceny"));
        data.CloseTable();
        ASSERT_TRUE(data.OpenTable("Ceny", "", 0));
        ASSERT_TRUE(data.AddRow());
        data.SetStringValue(0, "Radiátor", 0);
        data.SetStringValue(1, "99,5", 0);
        data.Close();
    }
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
