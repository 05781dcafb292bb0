// A workbook closed by its last database object stays in memory for the next open, which must
// see exactly what a read of the file gives: a file changed behind it is read again, a
// workbook written from memory opens as its file reads, and a write that failed is never
// taken for the file. A held workbook is written once, when its hold writes it.

#include "JetFixture.h"

#include "platform/dao/HeldWorkbook.h"
#include "platform/dao/JetRecordset.h"
#include "platform/dao/Workbook.h"
#include "testing/FileSizeLimit.h"

#include <QFile>

using namespace jet;
using workbook::Workbook;

namespace
{
std::vector<std::string> Texts(Database& db, const std::string& table, int field)
{
    std::vector<std::string> texts;
    const auto rs = db.Open("SELECT * FROM [" + table + "]");
    for (int r = 0; r < rs->Count(); ++r)
        texts.push_back(rs->Get(r, field).text);
    return texts;
}

std::vector<int> Types(Database& db, const std::string& table)
{
    std::vector<int> types;
    const auto rs = db.Open("SELECT * FROM [" + table + "]");
    for (const Field& field : rs->Fields())
        types.push_back(field.type);
    return types;
}

void Append(Database& db, const std::string& table, const std::string& text)
{
    const auto rs = db.Open("SELECT * FROM [" + table + "]");
    rs->Set(rs->Append(), 0, Value::Text(text));
}

// A new workbook with the table "T" of one text column, holding the rows given.
void CreateRooms(const std::string& path, const std::vector<std::string>& rows = {})
{
    const auto db = jet::OpenDatabase(path, "Excel 8.0", false, true);
    db->CreateTable("T", {{"Název", kText, 50}});
    for (const std::string& row : rows)
        Append(*db, "T$", row);
    db->Close();
}
} // namespace

class KeptWorkbook : public JetFixture
{
protected:
    std::string Rooms(const std::string& fileName, const std::vector<std::string>& names)
    {
        return MakeWorkbook(fileName, [&](Workbook& book) {
            auto& sheet = book.AddSheet("T");
            sheet.SetText(0, 0, "Název");
            for (size_t r = 0; r < names.size(); ++r)
                sheet.SetText(int(r) + 1, 0, names[r]);
        });
    }
    static void Overwrite(const std::string& path, const QByteArray& bytes)
    {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    static QByteArray BytesOf(const std::string& path)
    {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(KeptWorkbook, AFileChangedBehindAClosedWorkbookIsReadAgain)
{
    const std::string path = Rooms("byt.xls", {"kuchyně"});
    const std::string other = Rooms("jiny.xls", {"koupelna", "pokoj"});
    const std::string same = Rooms("stejny.xls", {"pokoj01"});
    ASSERT_EQ(Texts(*OpenExcel(path, true), "T$", 0), std::vector<std::string>{"kuchyně"});

    // Replaced by another file (a new inode), then written in place (the same inode).
    workbook::WriteWorkbook(workbook::ReadWorkbook(other), path);
    EXPECT_EQ(Texts(*OpenExcel(path, true), "T$", 0), (std::vector<std::string>{"koupelna", "pokoj"}));
    Overwrite(path, BytesOf(same));
    EXPECT_EQ(Texts(*OpenExcel(path, true), "T$", 0), std::vector<std::string>{"pokoj01"});
    // Gone: the open fails as for any missing file.
    QFile::remove(QString::fromStdString(path));
    ExpectJetError(kErrFileNotFound, [&] { OpenExcel(path, true); });
}

TEST_F(KeptWorkbook, AWorkbookWrittenFromMemoryOpensAsItsFileReads)
{
    const std::string path = PathOf("novy.xls");
    {
        const auto db = jet::OpenDatabase(path, "Excel 8.0", false, true);
        db->CreateTable("T", {{"Počet", kLong, 0}, {"Název", kText, 50}});
        db->Close();
    }
    // The same file read afresh, under another name.
    const std::string copy = PathOf("kopie.xls");
    Overwrite(copy, BytesOf(path));
    const auto again = OpenExcel(path);
    const auto fresh = OpenExcel(copy);
    EXPECT_EQ(Types(*again, "T$"), Types(*fresh, "T$"));
    Append(*again, "T$", "5");
    Append(*fresh, "T$", "5");
    again->Close();
    fresh->Close();
    EXPECT_EQ(BytesOf(path), BytesOf(copy));
}

TEST_F(KeptWorkbook, AWriteThatFailedIsNeverTakenForTheFile)
{
    const std::string path = Rooms("plny.xls", {"kuchyně"});
    const qint64 size = QFile(QString::fromStdString(path)).size();
    {
        const auto db = OpenExcel(path);
        for (int r = 0; r < 200; ++r)
            Append(*db, "T$", std::string(200, char('a' + r % 26)));
        FileSizeLimit limit(rlim_t(size + 100));
        ExpectJetError(kErrDiskIo, [&] { db->Close(); });
    }
    EXPECT_EQ(Texts(*OpenExcel(path, true), "T$", 0), std::vector<std::string>{"kuchyně"});
}

TEST_F(KeptWorkbook, AHeldWorkbookIsWrittenOnceByItsHold)
{
    const std::string path = PathOf("pomocny$.xls");
    {
        HeldWorkbook held(path);
        CreateRooms(path);
        EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
        // Opened again as its file would read, rows added, and written when the hold says.
        const auto again = OpenExcel(path);
        Append(*again, "T$", "obývák");
        again->Close();
        EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
        held.Write();
    }
    EXPECT_EQ(workbook::ReadWorkbook(path).Sheet(0).TextAt(1, 0), "obývák");
    EXPECT_EQ(Texts(*OpenExcel(path, true), "T$", 0), std::vector<std::string>{"obývák"});
}

TEST_F(KeptWorkbook, WhatAHoldDidNotWriteIsForgotten)
{
    const std::string path = PathOf("zahozeny$.xls");
    {
        HeldWorkbook held(path);
        CreateRooms(path);
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
    ExpectJetError(kErrFileNotFound, [&] { OpenExcel(path, true); });

    // A write refused by the disk leaves no file and nothing to open.
    {
        HeldWorkbook held(path);
        CreateRooms(path, {std::string(3000, 'x')});
        FileSizeLimit limit(1024);
        ExpectJetError(kErrDiskIo, [&] { held.Write(); });
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
    ExpectJetError(kErrFileNotFound, [&] { OpenExcel(path, true); });
}
