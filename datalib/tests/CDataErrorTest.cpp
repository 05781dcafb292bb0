// How CData reports database errors, and the life of the engine behind it.
#include "Fixtures.h"
#include "datalib/CData.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/CDaoException.h"
#include "testing/ScriptedAnswers.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
class ReportingData : public CData
{
public:
    using CData::DisplayDaoException;
};

class ErrorBoxes : public testing::Test
{
protected:
    void SetUp() override { ScriptedAnswers::ForgetShown(); }
    void TearDown() override { ScriptedAnswers::ForgetShown(); }

    static const std::vector<MessageBoxRequest>& Shown() { return ScriptedAnswers::ShownBoxes(); }
};
} // namespace

TEST_F(ErrorBoxes, FailingOpenShowsOneMessageWhenAsked)
{
    FixtureFolder folder;
    CData data;
    data.m_bShowErrors = 1;
    EXPECT_FALSE(data.Open(folder.Path("Chybí.xls"), "Excel 8.0", 0, 0));
    ASSERT_EQ(Shown().size(), 1u);
    const CString& text = Shown()[0].text;
    EXPECT_EQ(text.Find("Nastala chyba při práci s databází...\n"), 0);
    EXPECT_EQ(text.Right(9), "   (3024)");
    EXPECT_EQ(Shown()[0].Buttons(), MB_OK);

    data.m_bShowErrors = 0;
    EXPECT_FALSE(data.Open(folder.Path("Chybí.xls"), "Excel 8.0", 0, 0));
    EXPECT_EQ(Shown().size(), 1u);
}

TEST_F(ErrorBoxes, UnknownDriverIsAnError)
{
    FixtureFolder folder;
    const CString path = folder.ProjectWorkbook();
    CData data;
    data.m_bShowErrors = 1;
    // Only "Access" itself names a database file; "access" is passed on as a driver's name.
    EXPECT_FALSE(data.Open(path, "access", 0, 0));
    EXPECT_FALSE(data.IsOpen());
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text.Right(9), "   (3170)");
}

TEST_F(ErrorBoxes, FailingQueryShowsOneMessageAndLeavesNoTable)
{
    FixtureFolder folder;
    CData data;
    data.m_bShowErrors = 1;
    ASSERT_TRUE(data.Open(folder.ProjectWorkbook(), "Excel 8.0", 0, 0));
    EXPECT_FALSE(data.OpenTable("SeznamM$", "SELECT * FROM [SeznamM$] WHERE", 0));
    EXPECT_EQ(Shown().size(), 1u);
    EXPECT_TRUE(data.IsOpen());
    EXPECT_EQ(data.m_nTable, -1);
    EXPECT_TRUE(data.m_strTable.IsEmpty());
    EXPECT_EQ(data.m_nColCount, 0);
    EXPECT_EQ(data.m_nRecordCount, 0);
    EXPECT_EQ(data.m_nTableCount, 4);
    EXPECT_TRUE(data.OpenTable("SeznamM$", "", 0));
}

TEST_F(ErrorBoxes, MessageForms)
{
    ReportingData data;
    data.m_bShowErrors = 1;
    data.DisplayDaoException(new CDaoException(3011, "Tabulka „X$“ nebyla nalezena."));
    auto* bare = new CDaoException();
    bare->m_scode = SCODE(0x80040E14u);
    data.DisplayDaoException(bare);
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[0].text,
              "Nastala chyba při práci s databází...\nTabulka „X$“ nebyla nalezena.   (3011)");
    EXPECT_EQ(Shown()[1].text,
              "Nastala chyba při práci s databází:\n\nSCODE_CODE      =3604\nSCODE_FACILITY  =4\n"
              "SCODE_SEVERITY  =1\nResultFromScode =-2147217900");
    EXPECT_EQ(Shown()[1].Buttons(), MB_OK);

    data.m_bShowErrors = 0;
    data.DisplayDaoException(new CDaoException(3011, "nic"));
    EXPECT_EQ(Shown().size(), 2u);
}

TEST(DatabaseEngine, LastObjectEndsItAndANewOneStartsIt)
{
    FixtureFolder folder;
    const CString path = folder.ProjectWorkbook();
    auto readsHeader = [&](CData& data)
    {
        CString text;
        return data.Open(path, "Excel 8.0", 0, 0) && data.OpenTable("DataAkce$", "", 0) &&
               data.GetStringValue("Akce", text, 0, -1, 0) && text == "Rodinný dům Šťastných";
    };
    auto* first = new CData;
    {
        CData second;
        EXPECT_TRUE(readsHeader(second));
        EXPECT_TRUE(readsHeader(*first));
    }
    // One object gone, the other works on.
    EXPECT_TRUE(first->OpenTable("SeznamM$", "", 0));
    EXPECT_EQ(first->m_nRecordCount, 3);
    delete first;
    // The last one ended the engine; the next starts it again.
    CData again;
    EXPECT_TRUE(readsHeader(again));
}

TEST_F(ErrorBoxes, WorkbookChangedOnDiskIsNotOverwritten)
{
    FixtureFolder folder;
    const CString path = folder.ProjectWorkbook();
    CData data;
    data.m_bShowErrors = 1;
    ASSERT_TRUE(data.Open(path, "Excel 8.0", 0, 0));
    ASSERT_TRUE(data.OpenTable("SeznamM$", "", 0));
    ASSERT_TRUE(data.SetStringValue("Poznámka", "změna", 1, 0));
    // Another program writes other content into the file meanwhile.
    folder.WorkbookWithEmptySheet("Projekt.xls");
    const std::string theirs = FileBytes(path);
    data.Close();
    EXPECT_FALSE(data.IsOpen());
    EXPECT_EQ(FileBytes(path), theirs);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text.Find("Nastala chyba při práci s databází...\n"), 0);
}
