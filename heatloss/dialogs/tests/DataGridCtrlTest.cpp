#include "heatloss/dialogs/CDataGridCtrl.h"

#include "InputDialogFixture.h"

#include "common/AppSettings.h"
#include "platform/ui/ClipboardFormat.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>

namespace
{
// Heading, then the building (row 1), room 1 "Pokoj" (2) with wall "SO" (3) and wall "SN" (4)
// holding openings (5, 6), room 2 "Kuchyň" (7) with one wall (8).
class DataGridCtrlTest : public InputDialogFixture
{
protected:
    void SetUp() override
    {
        InputDialogFixture::SetUp();
        m_owner.CreateEx(0, nullptr, "input grid", WS_POPUP | WS_VISIBLE, CRect(0, 0, 440, 340), nullptr, 0);
        m_grid.Create(CRect(10, 10, 410, 310), &m_owner, 1358);
        const BYTE levels[] = {1, 2, 3, 3, 4, 4, 2, 3};
        const char* names[] = {"", "Pokoj", "SO ", "SN ", "OJ ", "DO ", "Kuchyň", "SO "};
        m_grid.SetRowCount(9);
        m_grid.SetColumnCount(4);
        m_grid.SetFixedRowCount(1);
        m_grid.SetFixedColumnCount(1);
        for (int row = 1; row < 9; ++row)
        {
            m_grid.SetItemTextFmt(row, 0, "%d", row);
            m_grid.SetItemText(row, 2, names[row - 1]);
        }
        ASSERT_TRUE(m_grid.m_TreeColumn.TreeSetup(&m_grid, 1, 8, 1, levels, TRUE, FALSE));
        m_grid.m_onBranchDeleted = [this](int row) { m_deletedAt.push_back(row); };
    }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (int row = 1; row < m_grid.GetRowCount(); ++row)
            names.push_back(m_grid.GetItemText(row, 2).str());
        return names;
    }
    void PressDelete()
    {
        m_grid.SetFocus();
        UiTest::PressKey(VK_DELETE);
        UiTest::ProcessEvents();
    }

    CWnd m_owner;
    CDataGridCtrl m_grid;
    std::vector<int> m_deletedAt;
};

TEST_F(DataGridCtrlTest, CopyPutsTheLevelsBesideTheText)
{
    EXPECT_EQ("3\t\n2\t3\t3\t\n", DataGridLevelText({2, 3, 3}).str());
    m_grid.SetSelectedRange(2, 1, 4, 3);
    m_grid.OnEditCopy();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(nullptr, data);
    EXPECT_EQ("\tPokoj\t\n\tSO \t\n\tSN \t", data->text().toStdString());
    const QString levelType = Clipboard::MimeTypeOf(CLIPFORMAT(RegisterClipboardFormat("DataGridLevel")));
    EXPECT_EQ(QByteArray("3\t\n2\t3\t3\t\n"), data->data(levelType));
}

TEST_F(DataGridCtrlTest, DeleteTakesTheBranchAfterYes)
{
    const std::vector<std::string> all = Names();
    const struct
    {
        int row; // selected; 0 none
        int answer;
        std::vector<std::string> left;
        const char* question; // "" when none is asked
    } cases[] = {
        {0, IDYES, all, ""},
        {1, IDYES, all, ""}, // the building row stays
        {2, IDNO, all, "Smazat řádek:>2<\ns pojmenovaním >Pokoj<"},
        {4, IDYES, {"", "Pokoj", "SO ", "Kuchyň", "SO "}, "Smazat řádek:>4<\ns pojmenovaním >SN <"},
        {7, IDYES, {"", "Pokoj", "SO ", "SN ", "OJ ", "DO "}, "Smazat řádek:>7<\ns pojmenovaním >Kuchyň<"},
    };
    for (const auto& c : cases)
    {
        m_grid.DestroyWindow();
        m_owner.DestroyWindow();
        SetUp();
        m_deletedAt.clear();
        if (c.row > 0)
            m_grid.SetSelectedRange(c.row, 0, c.row, 3);
        else
            m_grid.SetSelectedRange(-1, -1, -1, -1);
        ScriptedAnswers::AnswerBox(c.answer);
        PressDelete();
        EXPECT_EQ(c.left, Names()) << c.row;
        const auto& boxes = ScriptedAnswers::ShownBoxes();
        if (*c.question)
        {
            ASSERT_EQ(1u, boxes.size()) << c.row;
            EXPECT_EQ(c.question, boxes[0].text);
            EXPECT_EQ("kalvenrod - dotaz", boxes[0].caption);
        }
        else
            EXPECT_TRUE(boxes.empty()) << c.row;
        EXPECT_EQ(c.left.size() < all.size() ? std::vector<int>{c.row} : std::vector<int>{}, m_deletedAt);
    }
}

TEST_F(DataGridCtrlTest, LevelImages)
{
    const struct
    {
        int mode;
        int images[4]; // of the building, room, wall and opening rows
    } cases[] = {{4, {11, 12, 13, 14}}, {0, {-1, -1, -1, -1}}, {2, {4, 5, 6, 7}}, {3, {4, 5, 6, 7}}, {1, {-1, -1, -1, -1}}};
    for (const auto& c : cases)
    {
        m_grid.SetLevelImages(c.mode);
        EXPECT_EQ(c.mode, m_grid.GetLevelImageMode());
        const int rows[] = {1, 2, 3, 5};
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(c.images[k], m_grid.GetItemImage(rows[k], 1)) << c.mode << " row " << rows[k];
    }
}
} // namespace
