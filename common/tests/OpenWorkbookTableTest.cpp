#include "common/OpenWorkbookTable.h"

#include "common/tests/CatalogueFixture.h"
#include "datalib/CData.h"
#include "platform/core/MessageBox.h"
#include "testing/ScriptedAnswers.h"

#include <gtest/gtest.h>

namespace
{
class OpenWorkbookTableTest : public ::testing::Test
{
protected:
    void SetUp() override { ScriptedAnswers::ForgetShown(); }
    void TearDown() override { ScriptedAnswers::ForgetShown(); }
    static std::vector<MessageBoxRequest> FileMessages()
    {
        std::vector<MessageBoxRequest> found;
        for (const MessageBoxRequest& box : ScriptedAnswers::ShownBoxes())
            if (box.text.Find("Problémy při práci se souborem") == 0)
                found.push_back(box);
        return found;
    }
    CatalogueFixture m_fixture;
};

TEST_F(OpenWorkbookTableTest, OpensWorkbookAndSheet)
{
    CData data;
    ASSERT_EQ(OpenWorkbookTable(data, m_fixture.Catalogue(), "Mekr_Ot$", ""), 0);
    EXPECT_TRUE(data.IsOpen());
    EXPECT_TRUE(data.IsOpenTable("Mekr_Ot$"));
    EXPECT_EQ(data.m_bShowErrors, 1);
    EXPECT_EQ(data.m_nRecordCount, 5);
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
    data.CloseTable();
    data.Close();
}

TEST_F(OpenWorkbookTableTest, MissingWorkbookShowsOneFileMessage)
{
    CData data;
    const CString path = m_fixture.Folder() + "/Chybí.xls";
    EXPECT_EQ(OpenWorkbookTable(data, path, "Mekr_Ot$", ""), -1);
    // The data library's own database error comes first (error display is on).
    const std::vector<MessageBoxRequest> messages = FileMessages();
    ASSERT_EQ(messages.size(), 1u);
    const MessageBoxRequest& box = messages[0];
    EXPECT_EQ(box.text, "Problémy při práci se souborem " + path);
    EXPECT_EQ(box.caption, "kalvenrod - chyba");
    EXPECT_EQ(box.Icon(), MB_ICONSTOP);
    EXPECT_FALSE(data.IsOpen());
}

TEST_F(OpenWorkbookTableTest, MissingSheetShowsOneTableMessageAndClosesTheWorkbook)
{
    CData data;
    EXPECT_EQ(OpenWorkbookTable(data, m_fixture.Catalogue(), "Chybí$", ""), -2);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, "Problémy při práci v tabulce Chybí$");
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].Icon(), MB_ICONSTOP);
    EXPECT_FALSE(data.IsOpen());
}
} // namespace
