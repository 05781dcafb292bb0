#include "heatloss/dialogs/CDataMeneni.h"

#include "InputDialogFixture.h"

#include "../../tests/TestProjects.h"
#include "common/AppSettings.h"
#include "heatloss/BulkChange.h"
#include "heatloss/InputSheetLoader.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/dialogs/CDataGridCtrl.h"
#include "heatloss/dialogs/InputDialogIds.h"
#include "platform/core/UserLocale.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/DialogShot.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace
{
std::vector<std::string> Items(CDialog& d, int id)
{
    auto* list = static_cast<CComboBox*>(d.GetDlgItem(id));
    std::vector<std::string> items;
    CString text;
    for (int k = 0; k < list->GetCount(); ++k)
    {
        list->GetLBText(k, text);
        items.push_back(text.str());
    }
    return items;
}

void Choose(CDialog& d, int id, const char* text)
{
    auto* list = static_cast<CComboBox*>(d.GetDlgItem(id));
    CString item;
    for (int k = 0; k < list->GetCount(); ++k)
    {
        list->GetLBText(k, item);
        if (item == text)
            list->SetCurSel(k);
    }
    d.SendMessage(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), 0);
}

// The grid of the input table: the building; room "1" Pokoj (Ti 22, height 2600) with a wall
// (height 2600, U 0.3) and a window (height 2600); room "2" pokoj (Ti 18, height 2600) with a
// wall (U 0,3 with a decimal comma).
class BulkChangeTest : public InputDialogFixture
{
protected:
    void SetUp() override
    {
        InputDialogFixture::SetUp();
        UserLocale::SetCurrent(UserLocale::English());
        m_owner.CreateEx(0, nullptr, "input grid", WS_POPUP, CRect(0, 0, 440, 340), nullptr, 0);
        m_grid.Create(CRect(0, 0, 400, 300), &m_owner, 1358);
        SheetRows rows;
        rows.Row({{InputSheet::Number, "1"}, {InputSheet::Name, "Pokoj"}, {InputSheet::Ti, "22"},
                  {InputSheet::Length, "5000"}, {InputSheet::Height, "2600"}})
            .Wall("SO", 4000, 2600, "35", "0.3")
            .Opening("OJ", 1500, 2600)
            .Row({{InputSheet::Number, "2"}, {InputSheet::Name, "pokoj"}, {InputSheet::Ti, "18"},
                  {InputSheet::Length, "5000"}, {InputSheet::Height, "2600"}})
            .Wall("SN", 4000, 2500, "5", "0,3");
        const auto& sheet = rows.Sheet();
        const int count = int(sheet.rows.size());
        m_grid.SetRowCount(count + 1);
        m_grid.SetColumnCount(InputSheet::ColumnCount + 1);
        m_grid.SetFixedRowCount(1);
        m_grid.SetFixedColumnCount(1);
        m_grid.SetItemText(0, 0, "#");
        std::vector<BYTE> levels;
        for (int c = 0; c < InputSheet::ColumnCount; ++c)
            m_grid.SetItemText(0, c + 1, InputSheet::ColumnName(InputSheet::Column(c)));
        for (int r = 0; r < count; ++r)
        {
            levels.push_back(BYTE(sheet.LevelOf(r)));
            for (int c = 0; c < InputSheet::ColumnCount; ++c)
                m_grid.SetItemText(r + 1, c + 1, sheet.rows[r][c]);
        }
        m_grid.m_TreeColumn.TreeSetup(&m_grid, 1, count, 1, levels.data(), TRUE, FALSE);
        m_model = std::make_unique<ProjectModel>();
        ASSERT_TRUE(LoadInputSheet(sheet, *m_model).IsEmpty());
    }
    int Run(const std::function<void(CDialog&)>& actions)
    {
        CDataMeneni dialog;
        dialog.m_pGrid = &m_grid;
        dialog.m_pModel = m_model.get();
        ScriptedAnswers::OnDialog(IDD_DATA_MENENI, [&](CDialog& d) {
            actions(d);
            UiTest::Click(d.GetDlgItem(IDOK));
            return IDCANCEL;
        });
        return int(dialog.DoModal());
    }
    std::string Cell(int row, InputSheet::Column column) const { return m_grid.GetItemText(row, column + 1).str(); }
    static void Target(CDialog& d, InputSheet::Column column, const char* oldValue, const char* newValue)
    {
        Choose(d, IDC_BULK_COLUMN, InputSheet::ColumnName(column).GetString());
        Choose(d, IDC_BULK_OLD_VALUE, oldValue);
        d.SetDlgItemText(IDC_BULK_NEW_VALUE, newValue);
    }
    static void Condition(CDialog& d, int k, InputSheet::Column column, int op, const char* value)
    {
        Choose(d, IDC_BULK_COND_COLUMN1 + k, InputSheet::ColumnName(column).GetString());
        static_cast<CComboBox*>(d.GetDlgItem(1430 + k))->SetCurSel(op);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(1430 + k, CBN_SELCHANGE), 0);
        Choose(d, IDC_BULK_COND_VALUE1 + k, value);
    }

    CWnd m_owner;
    CDataGridCtrl m_grid;
    std::unique_ptr<ProjectModel> m_model;
};

TEST_F(BulkChangeTest, HeightInEveryRowKind)
{
    ASSERT_EQ(IDOK, Run([](CDialog& d) { Target(d, InputSheet::Height, "2600", "2700"); }));
    for (int row : {2, 3, 4, 5})
        EXPECT_EQ("2700", Cell(row, InputSheet::Height)) << row;
    EXPECT_EQ("2500", Cell(6, InputSheet::Height));
    EXPECT_EQ(2700, m_model->Rooms[1].height);
    EXPECT_EQ(2700, m_model->Walls.At(1, 1).height);
    EXPECT_EQ(2700, m_model->Openings.At(1, 1, 1).height);
    EXPECT_EQ(2700, m_model->Rooms[2].height);
    EXPECT_EQ(2500, m_model->Walls.At(2, 1).height);
}

TEST_F(BulkChangeTest, Conditions)
{
    const struct
    {
        InputSheet::Column column;
        int op;
        const char* value;
        std::vector<int> changedRooms; // of room rows 2 and 5
    } cases[] = {
        {InputSheet::Ti, 3, "22", {2}},       // numeric ">="
        {InputSheet::Ti, 0, "22", {5}},       // numeric "<"
        {InputSheet::Name, 0, "Pokoj", {2}},  // a text: equal exactly ("pokoj" is not), the operator unused
    };
    for (const auto& c : cases)
    {
        SetUp();
        ASSERT_EQ(IDOK, Run([&](CDialog& d) {
            Target(d, InputSheet::Height, "2600", "2700");
            Condition(d, 0, c.column, c.op, c.value);
        }));
        for (int row : {2, 5})
        {
            const bool changed = std::find(c.changedRooms.begin(), c.changedRooms.end(), row) != c.changedRooms.end();
            EXPECT_EQ(changed ? "2700" : "2600", Cell(row, InputSheet::Height)) << c.value << " row " << row;
        }
    }
    // A decimal comma matches a decimal point, in any locale.
    BulkCondition comma{InputSheet::U + 1, 2, "0,3"};
    EXPECT_TRUE(comma.IsNumeric());
    EXPECT_TRUE(comma.Holds("0.3"));
    EXPECT_TRUE(comma.Holds("0,3"));
    EXPECT_FALSE(comma.Holds("0.35"));
}

TEST_F(BulkChangeTest, ListsAndTheThirdConditionRow)
{
    Run([](CDialog& d) {
        const auto columns = Items(d, IDC_BULK_COLUMN);
        EXPECT_EQ(std::find(columns.begin(), columns.end(), "Format"), columns.end());
        EXPECT_EQ(std::find(columns.begin(), columns.end(), InputSheet::ColumnName(InputSheet::Number).str()),
                  columns.end());
        EXPECT_FALSE(d.GetDlgItem(IDC_BULK_COND_COLUMN1)->IsWindowVisible());
        Choose(d, IDC_BULK_COLUMN, "Výška");
        EXPECT_TRUE(d.GetDlgItem(IDC_BULK_COND_COLUMN1)->IsWindowVisible());
        const auto conditionColumns = Items(d, IDC_BULK_COND_COLUMN1);
        EXPECT_NE(std::find(conditionColumns.begin(), conditionColumns.end(),
                            InputSheet::ColumnName(InputSheet::Number).str()),
                  conditionColumns.end());
        Choose(d, IDC_BULK_COND_COLUMN1, "NázevM");
        EXPECT_EQ((std::vector<std::string>{"objekt", "OJ", "Pokoj", "SN", "SO"}), Items(d, IDC_BULK_COND_VALUE1))
            << "names differing in case once, empty cells never";
        EXPECT_FALSE(d.GetDlgItem(IDC_BULK_COND_COLUMN3)->IsWindowVisible());
        Condition(d, 0, InputSheet::Name, 2, "Pokoj");
        EXPECT_TRUE(d.GetDlgItem(1428)->IsWindowVisible());
        EXPECT_FALSE(d.GetDlgItem(IDC_BULK_COND_COLUMN3)->IsWindowVisible());
        Condition(d, 1, InputSheet::Ti, 3, "22");
        EXPECT_TRUE(d.GetDlgItem(IDC_BULK_COND_COLUMN3)->IsWindowVisible());
        d.SetDlgItemText(IDC_BULK_NEW_VALUE, "");
        static_cast<CComboBox*>(d.GetDlgItem(IDC_BULK_COLUMN))->SetCurSel(-1); // OK does nothing
    });
}

TEST_F(BulkChangeTest, ValuesThatDoNotFitChangeNothing)
{
    const struct
    {
        InputSheet::Column column;
        const char* oldValue;
        const char* newValue;
        bool fits;
    } cases[] = {
        {InputSheet::Height, "2600", "27a", false},   {InputSheet::Height, "2600", "2,7", false},
        {InputSheet::Name, "SO", "SOXX", false},      {InputSheet::Name, "Pokoj", "Obývací pokoj", true},
        {InputSheet::U, "0.3", "0,45", true},         {InputSheet::U, "0.3", "x", false},
        {InputSheet::Orientation, "", "", true},
    };
    for (const auto& c : cases)
    {
        if (!*c.oldValue)
            continue;
        SetUp();
        const int result = Run([&](CDialog& d) { Target(d, c.column, c.oldValue, c.newValue); });
        EXPECT_EQ(c.fits ? IDOK : IDCANCEL, result) << c.newValue;
        if (!c.fits)
        {
            ASSERT_EQ(1u, ScriptedAnswers::ShownBoxes().size()) << c.newValue;
            EXPECT_EQ(CString("Hodnota „") + c.newValue + "“ se do sloupce " + InputSheet::ColumnName(c.column) +
                          " nehodí !!",
                      ScriptedAnswers::ShownBoxes()[0].text);
        }
    }
    EXPECT_TRUE(BulkValueFits(InputSheet::ColumnName(InputSheet::Orientation), 2, "SV"));
    EXPECT_FALSE(BulkValueFits(InputSheet::ColumnName(InputSheet::Orientation), 2, "severovýchodní strana"));
}

// A number that no building has is refused before any row changes, with a box that names the
// field of the first row it would go into and the field's range.
TEST_F(BulkChangeTest, NumbersOutOfRangeChangeNothing)
{
    const struct
    {
        InputSheet::Column column;
        const char* oldValue;
        const char* newValue;
        const char* message; // empty: taken
    } cases[] = {
        {InputSheet::Height, "2600", "-2600", "Výška místnosti [mm] = -2600 je mimo rozsah 1 až 100000 !!"},
        {InputSheet::Height, "2600", "200000", "Výška místnosti [mm] = 200000 je mimo rozsah 1 až 100000 !!"},
        {InputSheet::Ti, "22", "-300", "Teplota Ti [°C] = -300 je mimo rozsah -50 až 100 !!"},
        {InputSheet::U, "0.3", "-0.3", "U stěny [W.m-2.K-1] = -0.3 je mimo rozsah 0.001 až 20 !!"},
        {InputSheet::U, "0.3", "0", "U stěny [W.m-2.K-1] = 0 je mimo rozsah 0.001 až 20 !!"},
        {InputSheet::TemperatureDifference, "35", "200", "Rozdíl teplot [K] = 200 je mimo rozsah -160 až 160 !!"},
        {InputSheet::TemperatureDifference, "35", "-4", ""}, // toward a warmer room
        {InputSheet::Ti, "22", "-50", ""},
    };
    for (const auto& c : cases)
    {
        SetUp();
        const std::string before = Cell(2, c.column);
        const int result = Run([&](CDialog& d) { Target(d, c.column, c.oldValue, c.newValue); });
        SCOPED_TRACE(c.newValue);
        if (!*c.message)
        {
            EXPECT_EQ(IDOK, result);
            EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
            continue;
        }
        EXPECT_EQ(IDCANCEL, result);
        ASSERT_EQ(1u, ScriptedAnswers::ShownBoxes().size());
        EXPECT_EQ(c.message, ScriptedAnswers::ShownBoxes()[0].text);
        EXPECT_EQ("kalvenrod - upozornění", ScriptedAnswers::ShownBoxes()[0].caption);
        EXPECT_EQ(before, Cell(2, c.column));
        EXPECT_EQ(2600, m_model->Rooms[1].height);
        EXPECT_EQ(22, m_model->Rooms[1].Ti);
        EXPECT_DOUBLE_EQ(0.3, m_model->Walls.At(1, 1).U);
        EXPECT_EQ(35, m_model->Walls.At(1, 1).temperatureDifference);
    }
}

// A picture for a person to look at: build/tests/heatloss-input-dialogs/dialog-286.png.
TEST_F(BulkChangeTest, Picture)
{
    const std::string folder = std::string(KALVENROD_BIN_DIR) + "/../tests/heatloss-input-dialogs";
    QDir().mkpath(QString::fromStdString(folder));
    CDataMeneni dialog;
    dialog.m_pGrid = &m_grid;
    EXPECT_TRUE(DialogShot::Render(dialog, folder + "/dialog-286.png"));
}
} // namespace
