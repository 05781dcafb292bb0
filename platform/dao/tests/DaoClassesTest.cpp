#include "platform/dao/AfxDaoTerm.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoRecordset.h"
#include "platform/dao/CDaoTableDef.h"
#include "platform/dao/WorkbookFile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <functional>

using workbook::NumberFormatKind;
using workbook::Workbook;
using workbook::Worksheet;

namespace
{

// The error code of the CDaoException an action throws, 0 when it throws none.
long DaoErrorOf(const std::function<void()>& action)
{
    try
    {
        action();
    }
    catch (CDaoException* e)
    {
        const long code = e->m_pErrorInfo ? e->m_pErrorInfo->m_lErrorCode : -1;
        e->Delete();
        return code;
    }
    return 0;
}

CString Text(const COleVariant& v)
{
    return v.vt == VT_BSTR ? CString(v.bstrVal) : CString();
}

// Opens every row of a table the way the data access library does.
struct OpenTable
{
    CDaoQueryDef query;
    CDaoRecordset rows;
    OpenTable(CDaoDatabase& db, const CString& sql) : query(&db), rows(&db)
    {
        query.Create(nullptr, sql);
        rows.Open(&query, dbOpenDynaset, 0);
        query.Close();
    }
};

// A row added and written cell by cell: AddNew + Update, then Edit + SetFieldValue + Update per value.
void AddRowCellByCell(CDaoRecordset& rows, const std::vector<COleVariant>& values)
{
    rows.AddNew();
    rows.Update();
    rows.SetBookmark(rows.GetLastModifiedBookmark());
    for (int c = 0; c < static_cast<int>(values.size()); ++c)
    {
        rows.Edit();
        rows.SetFieldValue(c, values[c]);
        rows.Update();
    }
}

} // namespace

class DaoClasses : public ::testing::Test
{
protected:
    CString Path(const char* name) const { return dir_.filePath(name).toStdString(); }

    // The project fixture: "DataAkce", "SeznamV" and "SeznamM" (60 columns).
    CString MakeProject()
    {
        Workbook book;
        Worksheet& header = book.AddSheet("DataAkce");
        header.SetText(0, 0, "Název akce");
        header.SetText(0, 1, "Datum");
        header.SetText(0, 2, "Teplota;1");
        header.SetText(1, 0, "Rodinný dům Čížkovi");
        header.SetNumber(1, 1, 45500, NumberFormatKind::Date);
        header.SetNumber(1, 2, -15);
        Worksheet& input = book.AddSheet("SeznamV");
        input.SetText(0, 0, "Číslo                Místnosti");
        input.SetText(0, 1, "Plocha;2");
        for (int r = 1; r <= 30; ++r)
        {
            input.SetText(r, 0, QString("%1").arg(r, 3, 10, QChar('0')).toStdString());
            input.SetNumber(r, 1, r * 1.25);
        }
        Worksheet& rooms = book.AddSheet("SeznamM");
        for (int c = 0; c < 60; ++c)
            rooms.SetText(0, c, c % 3 == 0 ? "Text" + std::to_string(c) : "Cislo" + std::to_string(c) + ";2");
        for (int r = 1; r <= 5; ++r)
            for (int c = 0; c < 60; ++c)
                if (c % 3 == 0)
                    rooms.SetText(r, c, "stará " + std::to_string(r));
                else
                    rooms.SetNumber(r, c, r + c);
        const CString path = Path("projekt.kzn");
        workbook::WriteWorkbook(book, path.str());
        return path;
    }

    QTemporaryDir dir_;
};

TEST_F(DaoClasses, OpensListsAndReportsErrors)
{
    const CString path = MakeProject();
    CDaoDatabase db;
    EXPECT_FALSE(db.IsOpen());
    db.Open(path, FALSE, FALSE, "Excel 8.0");
    EXPECT_TRUE(db.IsOpen());
    EXPECT_EQ(db.GetName(), path);
    EXPECT_EQ(db.GetConnect(), "Excel 8.0");
    ASSERT_EQ(db.GetTableDefCount(), 3);
    CDaoTableDefInfo info;
    db.GetTableDefInfo(0, info);
    EXPECT_EQ(info.m_strName, "DataAkce$");
    db.GetTableDefInfo(2, info);
    EXPECT_EQ(info.m_strName, "SeznamV$");

    CDaoQueryDef query(&db);
    query.Create(nullptr, "SELECT * FROM [DataAkce$]");
    ASSERT_EQ(query.GetFieldCount(), 3);
    CDaoFieldInfo field;
    query.GetFieldInfo(1, field);
    EXPECT_EQ(field.m_strName, "Datum");
    EXPECT_EQ(field.m_nType, dbDate);
    EXPECT_EQ(field.m_lSize, 8);
    query.GetFieldInfo(0, field);
    EXPECT_EQ(field.m_nType, dbText);
    EXPECT_EQ(field.m_lSize, 255);

    EXPECT_EQ(DaoErrorOf([&] { CDaoQueryDef q(&db); q.Create(nullptr, "SELECT * FROM [DataAkce$] WHERE"); }), 3075);
    EXPECT_EQ(DaoErrorOf([&] { CDaoQueryDef q(&db); q.Create(nullptr, "SELECT * FROM [Nic$]"); }), 3011);
    EXPECT_EQ(DaoErrorOf([&] { CDaoDatabase other; other.Open(Path("chybi.xls"), FALSE, FALSE, "Excel 8.0"); }), 3024);
    EXPECT_EQ(DaoErrorOf([&] { CDaoDatabase other; other.Open(path, FALSE, FALSE, "Paradox 4.x"); }), 3170);
    EXPECT_EQ(DaoErrorOf([&] { CDaoTableDef t(&db); t.Create("DataAkce"); t.CreateField("A", dbText, 255); t.Append(); }),
              3010);
    db.Close();
    EXPECT_FALSE(db.IsOpen());
    AfxDaoTerm();
}

TEST_F(DaoClasses, RecordsetReadsWritesAndFinds)
{
    const CString path = MakeProject();
    CDaoDatabase db;
    db.Open(path, FALSE, FALSE, "Excel 8.0");
    {
        OpenTable header(db, "SELECT * FROM [DataAkce$]");
        CDaoRecordset& rs = header.rows;
        EXPECT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.GetRecordCount(), 1);
        EXPECT_EQ(rs.GetFieldValue(0).vt, VT_BSTR);
        EXPECT_EQ(Text(rs.GetFieldValue("Název akce")), "Rodinný dům Čížkovi");
        EXPECT_EQ(rs.GetFieldValue(1).vt, VT_DATE);
        EXPECT_EQ(rs.GetFieldValue(1).date, 45500.0);
        EXPECT_EQ(rs.GetFieldValue(2).vt, VT_R8);
        EXPECT_EQ(rs.GetFieldValue(2).dblVal, -15.0);
        EXPECT_EQ(DaoErrorOf([&] { rs.SetFieldValue(0, COleVariant("x")); }), 3020);
    }
    OpenTable input(db, "SELECT * FROM [SeznamV$] WHERE [Plocha;2] > 10 ORDER BY [Číslo                Místnosti] DESC");
    CDaoRecordset& rs = input.rows;
    rs.MoveLast();
    EXPECT_EQ(rs.GetRecordCount(), 22);
    EXPECT_EQ(rs.GetAbsolutePosition(), 21);
    EXPECT_EQ(Text(rs.GetFieldValue(0)), "009");
    rs.MoveFirst();
    EXPECT_EQ(Text(rs.GetFieldValue(0)), "030");
    rs.SetAbsolutePosition(5);
    EXPECT_EQ(Text(rs.GetFieldValue(0)), "025");
    EXPECT_EQ(DaoErrorOf([&] { rs.SetAbsolutePosition(22); }), 3001);
    EXPECT_EQ(rs.GetFieldValueAsStored(1).vt, VT_R8);

    EXPECT_TRUE(rs.FindFirst("[Číslo                Místnosti] LIKE '01*'"));
    EXPECT_EQ(Text(rs.GetFieldValue(0)), "019");
    EXPECT_TRUE(rs.FindNext("[Číslo                Místnosti] LIKE '01*'"));
    EXPECT_EQ(Text(rs.GetFieldValue(0)), "018");
    EXPECT_TRUE(rs.FindLast("[Číslo                Místnosti] LIKE '01*'"));
    EXPECT_EQ(Text(rs.GetFieldValue(0)), "010");
    EXPECT_TRUE(rs.FindPrev("[Číslo                Místnosti] LIKE '01*'"));
    EXPECT_EQ(Text(rs.GetFieldValue(0)), "011");
    EXPECT_FALSE(rs.FindFirst("[Číslo                Místnosti] = 'nic'"));
    EXPECT_EQ(Text(rs.GetFieldValue(0)), "011"); // the current row stays

    rs.Edit();
    rs.SetFieldValue(1, COleVariant(0.5)); // stops matching, stays in the set
    rs.Update();
    EXPECT_EQ(rs.GetFieldValue(1).dblVal, 0.5);
    rs.AddNew();
    rs.SetFieldValue(0, COleVariant("999"));
    rs.SetFieldValue(1, COleVariant(99.0));
    rs.Update();
    EXPECT_EQ(rs.GetRecordCount(), 23);
    rs.SetBookmark(rs.GetLastModifiedBookmark());
    EXPECT_EQ(rs.GetAbsolutePosition(), 22);
    EXPECT_EQ(Text(rs.GetFieldValue(0)), "999");
    rs.Close();
    db.Close();

    const Workbook book = workbook::ReadWorkbook(path.str());
    const Worksheet& sheet = book.Sheet(1);
    EXPECT_EQ(sheet.At(11, 1).number, 0.5);
    EXPECT_EQ(sheet.TextAt(31, 0), "999");
}

// Rows appended in one call are the rows appended one by one with their values as stored: a
// text in a number column, a date and an empty cell go over as they are.
TEST_F(DaoClasses, RowsAppendedAsStoredInOneCallAreTheRowsAppendedOneByOne)
{
    Workbook book;
    Worksheet& sheet = book.AddSheet("T");
    sheet.SetText(0, 0, "Název");
    sheet.SetText(0, 1, "Plocha;2");
    sheet.SetText(1, 0, "kuchyně");
    sheet.SetNumber(1, 1, 12.25);
    sheet.SetText(2, 0, "sklep");
    sheet.SetText(2, 1, "neznámá");
    sheet.SetNumber(3, 1, 45500, NumberFormatKind::Date);
    const CString bulk = Path("najednou.xls");
    const CString single = Path("postupne.xls");
    workbook::WriteWorkbook(book, bulk.str());
    workbook::WriteWorkbook(book, single.str());
    for (const CString& path : {bulk, single})
    {
        CDaoDatabase db;
        db.Open(path, FALSE, FALSE, "Excel 8.0");
        OpenTable from(db, "SELECT * FROM [T$]");
        OpenTable to(db, "SELECT * FROM [T$]");
        ASSERT_EQ(from.rows.GetRecordCount(), 3);
        if (path == bulk)
            to.rows.AppendStoredRows(from.rows, 0, 3, 2);
        else
            for (int r = 0; r < 3; ++r)
            {
                from.rows.SetAbsolutePosition(r);
                to.rows.AddNew();
                to.rows.Update();
                to.rows.SetBookmark(to.rows.GetLastModifiedBookmark());
                to.rows.Edit();
                for (int c = 0; c < 2; ++c)
                    to.rows.SetFieldValueAsStored(c, from.rows.GetFieldValueAsStored(c));
                to.rows.Update();
            }
        to.rows.SetBookmark(to.rows.GetLastModifiedBookmark());
        EXPECT_EQ(to.rows.GetAbsolutePosition(), 5);
        from.rows.Close();
        to.rows.Close();
        db.Close();
    }
    const Workbook written = workbook::ReadWorkbook(bulk.str());
    EXPECT_EQ(written.Sheet(0).TextAt(5, 1), "neznámá");
    EXPECT_EQ(written.Sheet(0).At(6, 1).format, NumberFormatKind::Date);
    EXPECT_EQ(workbook::WorkbookToBytes(written), workbook::WorkbookToBytes(workbook::ReadWorkbook(single.str())));
}

TEST_F(DaoClasses, ReadOnlyRefusesWrites)
{
    const CString path = MakeProject();
    CDaoDatabase db;
    db.Open(path, FALSE, TRUE, "Excel 8.0");
    OpenTable input(db, "SELECT * FROM [SeznamV$]");
    EXPECT_EQ(DaoErrorOf([&] { input.rows.Edit(); }), 3027);
    EXPECT_EQ(DaoErrorOf([&] { input.rows.AddNew(); }), 3027);
    EXPECT_EQ(DaoErrorOf([&] { db.DeleteTableDef("SeznamV$"); }), 3027);
}

// The road of a project rewrite: copy the workbook without "SeznamM$", re-create the sheet with
// the same columns, append 200 rows x 60 columns cell by cell, close and reopen.
TEST_F(DaoClasses, SheetRewriteEndToEnd)
{
    const CString source = MakeProject();
    const CString copy = Path("Nový.XLS");
    std::vector<CDaoFieldInfo> roomFields;
    std::vector<std::vector<CString>> before;
    {
        CDaoDatabase from;
        from.Open(source, FALSE, FALSE, "Excel 8.0");
        CDaoDatabase to;
        to.Create(copy, "Excel 8.0");
        for (int t = 0; t < from.GetTableDefCount(); ++t)
        {
            CDaoTableDefInfo info;
            from.GetTableDefInfo(t, info);
            OpenTable table(from, "SELECT * FROM [" + info.m_strName + "]");
            std::vector<CDaoFieldInfo> fields(table.rows.GetFieldCount());
            CDaoQueryDef query(&from);
            query.Create(nullptr, "SELECT * FROM [" + info.m_strName + "]");
            for (int f = 0; f < static_cast<int>(fields.size()); ++f)
                query.GetFieldInfo(f, fields[f]);
            if (info.m_strName == "SeznamM$")
            {
                roomFields = fields;
                continue;
            }
            CDaoTableDef def(&to);
            def.Create(info.m_strName.Left(info.m_strName.GetLength() - 1));
            for (CDaoFieldInfo& field : fields)
                def.CreateField(field.m_strName, field.m_nType, field.m_lSize, dbUpdatableField);
            def.Append();
            def.Close();
            OpenTable target(to, "SELECT * FROM [" + info.m_strName + "]");
            for (long r = 0; r < table.rows.GetRecordCount(); ++r)
            {
                table.rows.SetAbsolutePosition(r);
                std::vector<COleVariant> values;
                for (int f = 0; f < static_cast<int>(fields.size()); ++f)
                    values.push_back(table.rows.GetFieldValue(f));
                AddRowCellByCell(target.rows, values);
            }
        }
        to.Close();
        from.Close();
    }
    {
        CDaoDatabase db;
        db.Open(copy, FALSE, FALSE, "Excel 8.0");
        CDaoTableDef def(&db);
        def.Create("SeznamM");
        for (CDaoFieldInfo& field : roomFields)
            def.CreateField(field.m_strName, field.m_nType, field.m_lSize, dbUpdatableField);
        def.Append();
        def.Close();
        OpenTable rooms(db, "SELECT * FROM [SeznamM$]");
        EXPECT_TRUE(rooms.rows.IsEOF());
        for (int r = 0; r < 200; ++r)
        {
            std::vector<COleVariant> values;
            for (int c = 0; c < 60; ++c)
                values.push_back(c % 3 == 0 ? COleVariant(CString("nová " + std::to_string(r))) : COleVariant(r * 100.0 + c));
            AddRowCellByCell(rooms.rows, values);
        }
        rooms.rows.Close();
        db.Close();
    }
    CDaoDatabase db;
    db.Open(copy, FALSE, FALSE, "Excel 8.0");
    ASSERT_EQ(db.GetTableDefCount(), 6); // three sheets and the names of the three created tables
    {
        OpenTable header(db, "SELECT * FROM [DataAkce$]");
        EXPECT_EQ(header.rows.GetRecordCount(), 1);
        EXPECT_EQ(Text(header.rows.GetFieldValue(0)), "Rodinný dům Čížkovi");
        EXPECT_EQ(header.rows.GetFieldValue(1).date, 45500.0);
        EXPECT_EQ(header.rows.GetFieldValue(2).dblVal, -15.0);
    }
    {
        OpenTable input(db, "SELECT * FROM [SeznamV$]");
        ASSERT_EQ(input.rows.GetRecordCount(), 30);
        for (long r = 0; r < 30; ++r)
        {
            input.rows.SetAbsolutePosition(r);
            EXPECT_EQ(Text(input.rows.GetFieldValue(0)), CString(QString("%1").arg(r + 1, 3, 10, QChar('0')).toStdString()));
            EXPECT_EQ(input.rows.GetFieldValue(1).dblVal, (r + 1) * 1.25);
        }
    }
    OpenTable rooms(db, "SELECT * FROM [SeznamM$]");
    ASSERT_EQ(rooms.rows.GetRecordCount(), 200);
    ASSERT_EQ(rooms.rows.GetFieldCount(), 60);
    for (long r = 0; r < 200; ++r)
    {
        rooms.rows.SetAbsolutePosition(r);
        for (int c = 0; c < 60; ++c)
        {
            const COleVariant v = rooms.rows.GetFieldValue(c);
            if (c % 3 == 0)
                ASSERT_EQ(Text(v), CString("nová " + std::to_string(r))) << r << "," << c;
            else
                ASSERT_EQ(v.dblVal, r * 100.0 + c) << r << "," << c;
        }
    }
}

TEST_F(DaoClasses, AccessDatabaseFile)
{
    const CString path = Path("katalog.mdb");
    {
        CDaoDatabase db;
        db.Create(path, dbLangGeneral, 0);
        EXPECT_EQ(db.GetConnect(), "");
        EXPECT_EQ(db.GetTableDefCount(), 0);
        CDaoTableDef def(&db);
        def.Create("Trubky");
        def.CreateField("Označení", dbText, 30, dbUpdatableField);
        def.CreateField("Průměr;1", dbDouble, 8, dbUpdatableField);
        def.Append();
        def.Close();
        OpenTable pipes(db, "SELECT * FROM [Trubky]");
        AddRowCellByCell(pipes.rows, {COleVariant("PE-Xa 17x2"), COleVariant(17.0)});
        AddRowCellByCell(pipes.rows, {COleVariant("Cu 15x1"), COleVariant(15.0)});
    }
    EXPECT_EQ(DaoErrorOf([&] { CDaoDatabase again; again.Create(path); }), 3204);
    CDaoDatabase db;
    db.Open(path, FALSE, TRUE, "Access");
    EXPECT_EQ(db.GetConnect(), "Access");
    ASSERT_EQ(db.GetTableDefCount(), 1);
    OpenTable pipes(db, "SELECT * FROM [Trubky] WHERE [Označení] LIKE 'pe*'");
    ASSERT_EQ(pipes.rows.GetRecordCount(), 1);
    EXPECT_EQ(Text(pipes.rows.GetFieldValue(0)), "PE-Xa 17x2");
    EXPECT_EQ(pipes.rows.GetFieldValue("Průměr;1").dblVal, 17.0);
    EXPECT_EQ(DaoErrorOf([&] { pipes.rows.AddNew(); }), 3027);
}
