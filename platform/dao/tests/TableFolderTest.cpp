#include "DebianPython.h"

#include "platform/dao/CodePage.h"
#include "platform/dao/DelimitedText.h"
#include "platform/dao/JetDatabase.h"
#include "platform/dao/JetError.h"
#include "testing/CommaNumericLocale.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace
{
// A value as python prints it in the lines below: None, True/False, numbers, dates, texts.
std::string Shown(const jet::Value& value)
{
    std::ostringstream out;
    switch (value.kind)
    {
    case jet::Value::Kind::Null: return "None";
    case jet::Value::Kind::Boolean: return value.boolean ? "True" : "False";
    case jet::Value::Kind::Number:
        if (value.number == std::floor(value.number))
            out << static_cast<long long>(value.number);
        else
            out << value.number;
        return out.str();
    case jet::Value::Kind::Date: out << "date" << static_cast<long long>(value.number); return out.str();
    default: return value.text;
    }
}

std::string Read(jet::Database& database, const std::string& table)
{
    std::string lines;
    auto rows = database.Open("SELECT * FROM [" + table + "]");
    for (const jet::Field& field : rows->Fields())
        lines += field.name + ":" + std::to_string(field.type) + "|";
    lines += "\n";
    for (int r = 0; r < rows->Count(); ++r)
    {
        for (int f = 0; f < int(rows->Fields().size()); ++f)
            lines += Shown(rows->Get(r, f)) + "|";
        lines += "\n";
    }
    return lines;
}

// Writes a dBASE III table with python3-dbf in a code page, with one deleted record, and
// prints what python3-dbfread reads of it in the form of Read() above.
std::string MakeAndReadWithDbfread(const QString& path, const char* codePage)
{
    return RunPython(R"(
import sys, datetime, dbf, dbfread
path, cp = sys.argv[1], sys.argv[2]
t = dbf.Table(path, 'NAZEV C(20); CENA N(10,2); POCET N(5,0); VAHA F(12,4); DATUM D; OK L; POPIS M',
              dbf_type='db3', codepage=cp)
t.open(mode=dbf.READ_WRITE)
t.append(('Radiátor žlutý', 1234.5, 3, 1.25, datetime.date(2024, 1, 15), True, 'Dlouhý popis: ěščřžýáíé'))
t.append(('Smazaný', 1, 1, 1, None, False, ''))
t.append(('Ventil', None, None, None, None, None, ''))
dbf.delete(t[1])
t.close()
types = {'C': 10, 'N': 7, 'F': 7, 'D': 8, 'L': 1, 'M': 12}
epoch = datetime.date(1899, 12, 30)
table = dbfread.DBF(path, encoding=cp)
out = []
for f in table.fields:
    kind = types[f.type]
    if f.type == 'N' and f.decimal_count == 0 and f.length <= 9:
        kind = 4
    out.append(f.name + ':' + str(kind) + '|')
out.append('\n')
def shown(v):
    if v is None or v == '':
        return 'None'
    if isinstance(v, bool):
        return str(v)
    if isinstance(v, datetime.date):
        return 'date%d' % (v - epoch).days
    if isinstance(v, float) and v == int(v):
        return str(int(v))
    return str(v).rstrip()
for rec in table:
    out.append(''.join(shown(v) + '|' for v in rec.values()) + '\n')
sys.stdout.write(''.join(out))
)",
                     {path, codePage});
}

class TableFolder : public ::testing::Test
{
protected:
    std::string Folder() const { return m_dir.path().toStdString(); }
    QTemporaryDir m_dir;
};
} // namespace

TEST_F(TableFolder, DbaseTablesReadAsDbfreadReadsThemInEachCodePage)
{
    for (const char* codePage : {"cp852", "cp1250"})
    {
        const QString path = m_dir.path() + "/katalog_" + codePage + ".dbf";
        const std::string expected = MakeAndReadWithDbfread(path, codePage);
        auto database = jet::OpenDatabase(Folder(), "dBASE III", true, false);
        const std::string read = Read(*database, std::string("katalog_") + codePage);
        EXPECT_EQ(read, expected) << codePage;
        EXPECT_NE(read.find("Radiátor žlutý"), std::string::npos);
        EXPECT_EQ(read.find("Smazaný"), std::string::npos);
        // The same numbers on a desktop whose locale writes a decimal comma.
        const CommaNumericLocale comma;
        if (comma.Selected())
            EXPECT_EQ(Read(*jet::OpenDatabase(Folder(), "dBASE III", true, false), std::string("katalog_") + codePage),
                      expected)
                << codePage;
    }
}

TEST_F(TableFolder, DbaseFolderListsItsTablesAndRefusesWrites)
{
    MakeAndReadWithDbfread(m_dir.path() + "/a.dbf", "cp852");
    QFile other(m_dir.path() + "/notes.txt");
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    auto database = jet::OpenDatabase("", "dBASE III;Database=" + Folder(), true, false);
    EXPECT_EQ(database->TableNames(), std::vector<std::string>{"a"});
    EXPECT_THROW(database->Open("SELECT * FROM [b]"), jet::JetError);
    EXPECT_THROW(database->CreateTable("b", {}), jet::JetError);
    EXPECT_THROW(jet::OpenDatabase(Folder() + "/none", "dBASE III", true, false), jet::JetError);
}

TEST_F(TableFolder, DelimitedTextReadsQuotedFieldsAndGuessesTypes)
{
    const std::string text = "Název;Cena;Poznámka\r\n\"Kotel; plynový\";12,5;\"řádek\nnový, \"\"uvozovky\"\"\"\nTrubka;3;\n";
    QFile file(m_dir.path() + "/ceny.csv");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const std::string cp1250 = CodePage::FromUtf8(text, "CP1250");
    file.write(cp1250.data(), qint64(cp1250.size()));
    file.close();
    auto database = jet::OpenDatabase(Folder(), "text", true, false);
    EXPECT_EQ(database->TableNames(), std::vector<std::string>{"ceny.csv"});
    EXPECT_EQ(Read(*database, "ceny.csv"), "Název:10|Cena:7|Poznámka:10|\n"
                                          "Kotel; plynový|12.5|řádek\nnový, \"uvozovky\"|\n"
                                          "Trubka|3|None|\n");
    EXPECT_EQ(delimited::GuessSeparator("a\tb\tc\n1;2"), "\t");
    EXPECT_EQ(delimited::GuessSeparator("a;b\tc"), ";");
}

TEST_F(TableFolder, DelimitedTextInUtf16IsReadAndATextWithANulIsRefusedNamingItsLine)
{
    using namespace std::string_literals;
    auto write = [&](const std::string& name, const std::string& bytes) {
        QFile file(m_dir.path() + "/" + QString::fromStdString(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), qint64(bytes.size()));
    };
    write("le.csv", "\xFF\xFE" "a\0;\0b\0\n\0\x0D\x01;\0" "2\0\n\0"s);   // "a;b\nč;2\n"
    write("be.csv", "\xFE\xFF\0a\0;\0b\0\n\x01\x0D\0;\0" "2\0\n"s);
    write("nul.csv", "a;b\n1;2\r\n3;\0\n"s);
    write("broken.csv", "\xFF\xFE" "a\0\x00\xDC"s);
    auto database = jet::OpenDatabase(Folder(), "text", true, false);
    EXPECT_EQ(Read(*database, "le.csv"), "a:10|b:7|\nč|2|\n");
    EXPECT_EQ(Read(*database, "be.csv"), "a:10|b:7|\nč|2|\n");
    const struct
    {
        const char* table;
        const char* message;
    } refused[] = {{"nul.csv", "řádek 3 obsahuje znak NUL"}, {"broken.csv", "není platný UTF-16"}};
    for (const auto& c : refused)
    {
        SCOPED_TRACE(c.table);
        try
        {
            database->Open("SELECT * FROM [" + std::string(c.table) + "]");
            ADD_FAILURE() << "read";
        }
        catch (const jet::JetError& error)
        {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
}
