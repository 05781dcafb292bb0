// The circuit supply dialog driven off screen: its rows from the supply text, the text and total
// it gives back, the circuits it offers, its read-only form and the rows it refuses.
#include "../../tests/HydraulicsFixtures.h"

#include "common/AppSettings.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "hydraulics/ui/CPrivodOkruhuDlg.h"
#include "hydraulics/ui/SizingIds.h"
#include "platform/ui/DialogShot.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <QDir>

namespace
{
class SupplyDialogTest : public ::testing::TestWithParam<char>
{
protected:
    // Before the fixture's dialog exists.
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }
    void SetUp() override
    {
        ScriptedAnswers::Reset();
        AppSettings::Get().SetStartValues(0xC0C0C0);
        for (const char* name : {"101/A", "101/B", "102/A"})
            m_dialog.m_aCircuitNames.Add(name);
        m_dialog.m_strCurrentCircuit = "101/A";
    }
    void TearDown() override
    {
        EXPECT_TRUE(ScriptedAnswers::UnansweredDialogs().empty());
        ScriptedAnswers::Reset();
        AppSettings::Get().SetStartValues(0xC0C0C0);
    }
    static int BeginEdit(CPrivodOkruhuDlg& dialog, int row, int column)
    {
        GridNotify notify;
        notify.hdr.hwndFrom = dialog.m_grid.GetSafeHwnd();
        notify.hdr.idFrom = IDC_SUPPLY_GRID;
        notify.hdr.code = UINT(GVN_BEGINLABELEDIT);
        notify.iRow = row;
        notify.iColumn = column;
        return int(dialog.SendMessage(WM_NOTIFY, IDC_SUPPLY_GRID, reinterpret_cast<LPARAM>(&notify)));
    }
    static std::string Picture(const char* name)
    {
        QDir().mkpath(QStringLiteral(KALVENROD_PICTURE_DIR));
        return std::string(KALVENROD_PICTURE_DIR) + "/" + name;
    }

    ScopedDecimalSeparator m_locale{GetParam()};
    CPrivodOkruhuDlg m_dialog;
};

TEST_P(SupplyDialogTest, EmptyTextGivesOneBlankRowAndNothingBack)
{
    ScriptedAnswers::OnDialog(IDD_PRIVOD_OKRUHU, [](CDialog& d) {
        auto& dialog = static_cast<CPrivodOkruhuDlg&>(d);
        EXPECT_EQ(dialog.m_grid.GetRowCount(), 2);
        EXPECT_EQ(dialog.m_aChoices.GetSize(), 2); // the current circuit is not offered
        EXPECT_NE(dialog.m_aChoices[0], "101/A");
        EXPECT_NE(dialog.m_aChoices[1], "101/A");
        d.SendMessage(WM_COMMAND, IDOK, 0);
        return IDCANCEL;
    });
    ASSERT_EQ(m_dialog.DoModal(), IDOK);
    EXPECT_EQ(m_dialog.m_strSupplyText, "");
    EXPECT_EQ(m_dialog.m_dTotalLength, 0.0);
}

TEST_P(SupplyDialogTest, RowsFromTheTextAndBack)
{
    m_dialog.m_strSupplyText = "[A{L=2}][B{L=3.5}]";
    m_dialog.m_bOfferAll = TRUE;
    const char separator = GetParam();
    ScriptedAnswers::OnDialog(IDD_PRIVOD_OKRUHU, [separator](CDialog& d) {
        auto& dialog = static_cast<CPrivodOkruhuDlg&>(d);
        EXPECT_EQ(dialog.m_grid.GetRowCount(), 4);
        EXPECT_EQ(dialog.m_grid.GetItemText(1, 1), "A");
        EXPECT_EQ(dialog.m_grid.GetItemText(2, 2), Typed("3.5", separator)) << "in the user's notation";
        EXPECT_EQ(dialog.m_grid.GetItemText(2, 3), Typed("0.263", separator)); // 3.5 × 0.075
        EXPECT_EQ(dialog.m_aChoices.GetSize(), 3);
        EXPECT_EQ(BeginEdit(dialog, 1, 3), -1);
        EXPECT_EQ(BeginEdit(dialog, 1, 2), 0);
        EXPECT_TRUE(DialogShot::Render(d, Picture("dialog-295.png")));
        d.SendMessage(WM_COMMAND, IDOK, 0);
        return IDCANCEL;
    });
    ASSERT_EQ(m_dialog.DoModal(), IDOK);
    EXPECT_EQ(m_dialog.m_strSupplyText, "[A{L=2.0}][B{L=3.5}]") << "stored with '.' on every desktop";
    EXPECT_DOUBLE_EQ(m_dialog.m_dTotalLength, 5.5);
}

TEST_P(SupplyDialogTest, ReadOnlyListShowsTheAreaAtTheSpacingUsed)
{
    AppSettings::Get().MinimRoztec = "0.1";
    m_dialog.m_strSupplyText = "[102/A{L=4.0}][102/B{L=6.5}]";
    m_dialog.m_bReadOnly = TRUE;
    const char separator = GetParam();
    ScriptedAnswers::OnDialog(IDD_PRIVOD_OKRUHU, [separator](CDialog& d) {
        auto& dialog = static_cast<CPrivodOkruhuDlg&>(d);
        EXPECT_EQ(dialog.m_grid.GetRowCount(), 3);
        EXPECT_EQ(BeginEdit(dialog, 1, 1), -1);
        EXPECT_EQ(BeginEdit(dialog, 1, 2), -1);
        EXPECT_FALSE(d.GetDlgItem(IDOK)->IsWindowVisible());
        CString total;
        CString label;
        d.GetDlgItemText(IDC_SUPPLY_TOTAL, total);
        d.GetDlgItemText(IDC_SUPPLY_TOTAL_LABEL, label);
        EXPECT_EQ(total, Typed("1.05", separator));
        EXPECT_EQ(label, Typed("Celková plocha [m2] (T=0.1 [m])", separator));
        CString title;
        d.GetWindowText(title);
        EXPECT_EQ(title, "kalvenrod - okruhem vede přívod");
        EXPECT_TRUE(DialogShot::Render(d, Picture("dialog-295-read-only.png")));
        return IDCANCEL;
    });
    EXPECT_EQ(m_dialog.DoModal(), IDCANCEL);
}

TEST_P(SupplyDialogTest, RowsThatWouldBreakTheTextAreRefused)
{
    struct Case
    {
        const char* circuit;
        const char* message;
    };
    for (const Case& c : {Case{"", "nemá zadaný okruh"}, Case{"1{2", "nesmí obsahovat"}, Case{"xL=1", "nesmí obsahovat"}})
    {
        SCOPED_TRACE(c.circuit);
        ScriptedAnswers::Reset();
        CPrivodOkruhuDlg dialog;
        ScriptedAnswers::OnDialog(IDD_PRIVOD_OKRUHU, [&c](CDialog& d) {
            auto& supply = static_cast<CPrivodOkruhuDlg&>(d);
            supply.m_grid.SetItemText(1, 1, c.circuit);
            supply.m_grid.SetItemText(1, 2, "3");
            d.SendMessage(WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(d.IsWindowVisible());
            EXPECT_EQ(supply.m_grid.GetFocusCell().row, 1);
            EXPECT_EQ(supply.m_grid.GetFocusCell().col, 1);
            return IDCANCEL;
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
        EXPECT_NE(ScriptedAnswers::ShownBoxes()[0].text.Find(c.message), -1);
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, SupplyDialogTest, ::testing::Values('.', ','));
} // namespace
