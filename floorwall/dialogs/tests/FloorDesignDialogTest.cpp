// The floor heating design dialog driven off screen on a small project: the design press,
// saving and opening again, the questions on closing, deleting circuits, the manifold check
// before the bill, and the picture of a designed project.

#include "../../../hydraulics/tests/HydraulicsFixtures.h"
#include "common/AppSettings.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/SpacingSeriesList.h"
#include "floorwall/dialogs/CNavrhPodlahovky.h"
#include "floorwall/dialogs/FloorBuildUpIds.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "floorwall/dialogs/FloorWallDialogIds.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ProjectVersion.h"
#include "platform/ui/DialogShot.h"
#include "platform/ui/KeyMap.h"
#include "platform/ui/WinApi.h"
#include "testing/GridTexts.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace
{
const char* const kNumber = "Číslo                Místnosti";

class FloorDesignDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UiTest::EnsureApplication();
        ScriptedAnswers::Reset();
        AppSettings& settings = AppSettings::Get();
        settings = AppSettings();
        settings.SetStartValues(0);
        settings.LoadCaptions();
        settings.PathBase = m_project.Path();
        settings.PathList = KALVENROD_BIN_DIR;
        settings.MinimRoztec = "0.075";
        settings.KodTopTrub = "9001-0004";
        settings.MaxTlakZtrata = 30000.0;
        ProjectProgramVersion() = "1.1";
        FreeSpacingSeriesList();
        FillDefaultSpacingSeries();
        CNavrhPodlahovky::DesignTools() = CNavrhPodlahovky::Tools();
        // Living room with three circuit rows, bathroom with a radiator and no circuit row,
        // hall with one circuit row.
        AppendRows(m_project.Path(), "SeznamM$",
                   {{{kNumber, "1.01"}, {"TYP_ZAZNAMU", "2"}, {"NázevM", "Obývák"}, {"TeplotaM", "20"},
                     {"ZTRATA_PODL", "1500"}, {"Plocha", "30"}},
                    {{kNumber, "1.01/A"}, {"TYP_ZAZNAMU", "4"}, {"Pl_Využitá", "10"}},
                    {{kNumber, "1.01/B"}, {"TYP_ZAZNAMU", "4"}, {"Pl_Využitá", "9"}},
                    {{kNumber, "1.01/C"}, {"TYP_ZAZNAMU", "4"}, {"Pl_Využitá", "8"}},
                    {{kNumber, "1.02"}, {"TYP_ZAZNAMU", "2"}, {"NázevM", "Koupelna"}, {"TeplotaM", "24"},
                     {"ZTRATA_PODL", "400"}, {"Pl_Využitá", "5"}},
                    {{kNumber, "1.02"}, {"TYP_ZAZNAMU", "3"}, {"Vytápění", "250"}},
                    {{kNumber, "1.03"}, {"TYP_ZAZNAMU", "2"}, {"NázevM", "Chodba"}, {"TeplotaM", "18"},
                     {"ZTRATA_PODL", "300"}},
                    {{kNumber, "1.03/A"}, {"TYP_ZAZNAMU", "4"}, {"Pl_Využitá", "7"}}});
    }
    void TearDown() override
    {
        CNavrhPodlahovky::DesignTools() = CNavrhPodlahovky::DefaultTools();
        FreeSpacingSeriesList();
        ScriptedAnswers::Reset();
        AppSettings::Get() = AppSettings();
    }

    static CString Text(CDialog& d, int id)
    {
        CString text;
        d.GetDlgItem(id)->GetWindowText(text);
        return text;
    }
    static bool Visible(CDialog& d, int id) { return d.GetDlgItem(id)->IsWindowVisible(); }
    static bool Enabled(CDialog& d, int id) { return d.GetDlgItem(id)->IsWindowEnabled(); }
    static std::vector<CString> Column(CNavrhPodlahovky& d, int column) { return ColumnTexts(d.m_grid, column); }
    static int RowOf(CNavrhPodlahovky& d, const char* label) { return RowWithText(d.m_grid, 0, label); }
    static void PressDelete(CNavrhPodlahovky& d, int row)
    {
        d.m_grid.SetFocus();
        d.m_grid.SetFocusCell(row, 1);
        UiTest::PressKey(VK_DELETE);
    }
    std::vector<CString> ShownTexts() const
    {
        std::vector<CString> texts;
        for (const MessageBoxRequest& box : ScriptedAnswers::ShownBoxes())
            texts.push_back(box.text);
        return texts;
    }

    WorkbookCopy m_project{"MekrOrig.xls", "Projekt.XLS"};
};

TEST_F(FloorDesignDialog, DesignSaveAndOpenAgain)
{
    std::vector<CString> designed;
    {
        CNavrhPodlahovky dialog;
        dialog.LoadProjectData();
        ScriptedAnswers::OnDialog(IDD_NAVRH_PODLAHOVKY, [&](CDialog& dlg) {
            auto& d = static_cast<CNavrhPodlahovky&>(dlg);
            CString caption;
            d.GetWindowText(caption);
            EXPECT_EQ(caption, "kalvenrod - Podlahové vytápění - návrh");
            EXPECT_EQ(Text(d, IDC_NP_MATERIALS), "&Materiál");
            EXPECT_EQ(Text(d, IDC_NP_DESIGN), "&EN 1264");
            EXPECT_FALSE(Visible(d, IDC_NP_RECALCULATE));
            EXPECT_FALSE(Visible(d, IDC_NP_EDIT));
            EXPECT_FALSE(Visible(d, IDC_NP_HELP));
            EXPECT_EQ(Column(d, 0), (std::vector<CString>{"1.01/A", "1.01/B", "1.01/C", "1.02/A", "1.03/A"}));
            EXPECT_EQ(d.m_grid.GetItemText(0, 26), "mH [kg/hod.]");
            EXPECT_EQ(d.m_grid.GetItemText(1, 1), "Obývák");
            EXPECT_EQ(d.m_grid.GetItemText(1, 3), "29.0"); // 20 °C + 9 K with an occupied zone
            EXPECT_EQ(d.m_grid.GetItemText(1, 7), "   1500.0");
            EXPECT_EQ(d.m_grid.GetColumnWidth(8), 0);

            UiTest::Click(d.GetDlgItem(IDC_NP_DESIGN)); // a spread of 5 K asks nothing
            EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty()) << (ShownTexts().empty() ? "" : ShownTexts()[0].GetString());
            EXPECT_EQ(Text(d, IDC_NP_DESIGN), "Dle uži&vatele");
            EXPECT_TRUE(Visible(d, IDC_NP_RECALCULATE));
            EXPECT_TRUE(Visible(d, IDC_NP_EDIT));
            // Earlier splits are merged before the design: one circuit a room unless it is split again.
            EXPECT_EQ(d.m_grid.GetItemText(1, 0), "1.01/A");
            for (int row = 1; row < d.m_grid.GetRowCount(); ++row)
                EXPECT_GT(ReadNumber(d.m_grid.GetItemText(row, 18)), 0.0) << row;
            designed = Column(d, 18);
            // Held Ctrl over a cell of the designed grid shows the sizing cursor; released, the old one.
            const HCURSOR before = GetCursor();
            CRect cell;
            d.m_grid.GetCellRect(1, 1, cell);
            UiTest::MouseMove(&d.m_grid, cell.CenterPoint());
            MSG key;
            key.hwnd = d.m_grid.GetSafeHwnd();
            key.message = WM_KEYDOWN;
            key.wParam = 'A';
            KeyMap::SetModifiers(Qt::ControlModifier);
            static_cast<CWnd&>(d).PreTranslateMessage(&key);
            EXPECT_TRUE(d.m_bCtrlCursor);
            const HCURSOR sizing = GetCursor();
            EXPECT_NE(sizing, before);
            KeyMap::SetModifiers(Qt::NoModifier);
            key.message = WM_KEYUP;
            key.wParam = VK_CONTROL;
            static_cast<CWnd&>(d).PreTranslateMessage(&key);
            EXPECT_FALSE(d.m_bCtrlCursor);
            EXPECT_NE(GetCursor(), sizing);
            const QDir pictures(KALVENROD_PICTURE_DIR);
            pictures.mkpath(".");
            EXPECT_TRUE(DialogShot::Render(d, pictures.filePath("dialog-229-designed.png").toStdString()));

            UiTest::Click(d.GetDlgItem(IDC_NP_SAVE));
            ScriptedAnswers::ForgetShown();
            UiTest::Click(d.GetDlgItem(IDCANCEL)); // saved: no question
            EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
            return IDCANCEL;
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    }
    EXPECT_EQ(AppSettings::Get().Modified[AppSettings::General], 1);

    const auto rows = ResultRows(m_project.Path());
    ASSERT_GE(rows.size(), 6u);
    EXPECT_EQ(rows[0].at("TYP_ZAZNAMU"), "1");

    CNavrhPodlahovky again;
    again.LoadProjectData();
    ScriptedAnswers::OnDialog(IDD_NAVRH_PODLAHOVKY, [&](CDialog& dlg) {
        auto& d = static_cast<CNavrhPodlahovky&>(dlg);
        EXPECT_EQ(Text(d, IDC_NP_DESIGN), "Dle uži&vatele");
        EXPECT_TRUE(Visible(d, IDC_NP_RECALCULATE));
        EXPECT_EQ(Column(d, 18), designed);
        return IDOK;
    });
    EXPECT_EQ(again.DoModal(), IDOK);
}

TEST_F(FloorDesignDialog, ClosingWithChangesAsks)
{
    CNavrhPodlahovky dialog;
    dialog.LoadProjectData();
    ScriptedAnswers::OnDialog(IDD_NAVRH_PODLAHOVKY, [&](CDialog& dlg) {
        auto& d = static_cast<CNavrhPodlahovky&>(dlg);
        UiTest::Click(d.GetDlgItem(IDC_NP_DESIGN));
        ScriptedAnswers::ForgetShown();
        ScriptedAnswers::AnswerBox(IDCANCEL);
        UiTest::Click(d.GetDlgItem(IDOK));
        ScriptedAnswers::AnswerBox(IDCANCEL);
        UiTest::Click(d.GetDlgItem(IDCANCEL));
        EXPECT_EQ(ShownTexts(), (std::vector<CString>{"Uložit provedené změny?", "Uložit provedené změny?"}));
        EXPECT_TRUE(d.IsWindowVisible()); // both answers keep the dialog
        ScriptedAnswers::AnswerBox(IDNO);
        UiTest::Click(d.GetDlgItem(IDOK));
        return 77;
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    // No: nothing written.
    EXPECT_EQ(ResultRows(m_project.Path())[2].at(kNumber), "1.01/A");
}

TEST_F(FloorDesignDialog, DeletingCircuits)
{
    CNavrhPodlahovky dialog;
    dialog.LoadProjectData();
    ScriptedAnswers::OnDialog(IDD_NAVRH_PODLAHOVKY, [&](CDialog& dlg) {
        auto& d = static_cast<CNavrhPodlahovky&>(dlg);
        ScriptedAnswers::AnswerBox(IDYES);
        PressDelete(d, RowOf(d, "1.01/B"));
        EXPECT_EQ(ShownTexts(), std::vector<CString>{"Opravdu smazat položku :\n'1.01/B' ?"});
        EXPECT_EQ(Column(d, 0), (std::vector<CString>{"1.01/A", "1.01/B", "1.02/A", "1.03/A"}));
        const CMistPodlahVytap& living = *d.m_design.m_rooms[0];
        if (living.m_floorCircuits.size() != 2u)
        {
            ADD_FAILURE() << living.m_floorCircuits.size() << " circuits";
            return IDCANCEL;
        }
        EXPECT_EQ(living.m_floorCircuits[1]->m_strLabel, "1.01/B");
        EXPECT_DOUBLE_EQ(living.m_floorCircuits[1]->m_dOccupiedArea, 8.0 + 4.5); // the old C and half of B
        EXPECT_DOUBLE_EQ(living.m_floorCircuits[0]->m_dOccupiedArea, 10.0 + 4.5);

        // The bathroom's only circuit: the room has a radiator.
        ScriptedAnswers::ForgetShown();
        ScriptedAnswers::AnswerBox(IDYES);
        PressDelete(d, RowOf(d, "1.02/A"));
        EXPECT_EQ(ShownTexts().back(), "Nelze smazat, je to položka místnosti!!");
        EXPECT_NE(RowOf(d, "1.02/A"), -1);

        // The hall's only circuit takes the hall with it.
        ScriptedAnswers::AnswerBox(IDYES);
        PressDelete(d, RowOf(d, "1.03/A"));
        EXPECT_EQ(RowOf(d, "1.03/A"), -1);
        EXPECT_EQ(d.m_design.m_rooms.size(), 2u);
        EXPECT_EQ(d.m_design.m_bUnsaved, 1);
        ScriptedAnswers::AnswerBox(IDNO);
        return IDCANCEL;
    });
    dialog.DoModal();
}

TEST_F(FloorDesignDialog, MaterialsNeedTheManifoldOfEveryCircuit)
{
    struct BillCall
    {
        int kind = 0, pipe = 0, calls = 0;
    } call;
    CNavrhPodlahovky::DesignTools().bill = [&](CFmtGridCtrl&, int kind, int pipe, int& manifold, int& count) {
        call = {kind, pipe, call.calls + 1};
        manifold = 2;
        count = 13;
        return 13;
    };
    CNavrhPodlahovky dialog;
    dialog.LoadProjectData();
    ScriptedAnswers::OnDialog(IDD_NAVRH_PODLAHOVKY, [&](CDialog& dlg) {
        auto& d = static_cast<CNavrhPodlahovky&>(dlg);
        auto& grid = d.m_grid;
        for (int row = 1; row < grid.GetRowCount(); ++row)
        {
            grid.SetItemText(row, 18, "0,15");
            grid.SetItemText(row, 19, "");
            grid.SetItemText(row, 20, "");
            grid.SetItemText(row, 30, row == 2 || row == 4 ? "2" : "1");
        }
        grid.SetItemText(3, 19, "85.0");
        grid.SetItemText(3, 30, "0");
        UiTest::Click(d.GetDlgItem(IDC_NP_MATERIALS));
        EXPECT_EQ(ShownTexts(), std::vector<CString>{"Pro okruh '1.01/C' není uveden index rozdělovače!"});
        EXPECT_EQ(grid.GetFocusCell().row, 3);
        EXPECT_EQ(grid.GetFocusCell().col, 30);
        EXPECT_EQ(call.calls, 0);

        ScriptedAnswers::ForgetShown();
        grid.SetItemText(3, 30, "1");
        UiTest::Click(d.GetDlgItem(IDC_NP_MATERIALS));
        EXPECT_EQ(call.calls, 1);
        EXPECT_EQ(call.kind, 11);
        EXPECT_EQ(call.pipe, 4);
        EXPECT_EQ(ShownTexts(), std::vector<CString>{"Na rozdělovač '2' je navrženo připojit 13 okruhů!!"});
        EXPECT_EQ(grid.GetFocusCell().row, 2);
        return IDCANCEL;
    });
    dialog.DoModal();
}
TEST_F(FloorDesignDialog, SigmaQuestionBeforeTheFirstDesign)
{
    CNavrhPodlahovky dialog;
    dialog.LoadProjectData();
    ScriptedAnswers::OnDialog(IDD_NAVRH_PODLAHOVKY, [&](CDialog& dlg) {
        auto& d = static_cast<CNavrhPodlahovky&>(dlg);
        AppSettings::Get().DesignFlowTemperature = 46.0;
        AppSettings::Get().DesignReturnTemperature = 40.0;
        AppSettings::Get().TemperaturePair = "45#40";
        ScriptedAnswers::AnswerBox(IDNO);
        UiTest::Click(d.GetDlgItem(IDC_NP_DESIGN));
        const auto& boxes = ScriptedAnswers::ShownBoxes();
        if (boxes.empty())
        {
            ADD_FAILURE() << "no question";
            return IDCANCEL;
        }
        EXPECT_EQ(boxes[0].text, "Rozdíl teplot 'sigma' by neměl převyšovat 5 °K\n (nyní je nastaven na 6.0 °K)!\n"
                                 "Použít nastavenou hodnotu ?");
        EXPECT_EQ(boxes[0].caption, "kalvenrod - upozornění");
        // The design ran after the answer; a second press asks nothing.
        EXPECT_EQ(Text(d, IDC_NP_DESIGN), "Dle uži&vatele");
        EXPECT_TRUE(d.m_design.SigmaQuestion().IsEmpty());
        ScriptedAnswers::AnswerBox(IDNO);
        return IDCANCEL;
    });
    dialog.DoModal();
}

TEST_F(FloorDesignDialog, MaterialsStoreTheBillOfTheDesign)
{
    CNavrhPodlahovky::DesignTools() = CNavrhPodlahovky::DefaultTools();
    AppSettings::Get().PathData = KALVENROD_BIN_DIR;
    CNavrhPodlahovky dialog;
    dialog.LoadProjectData();
    ScriptedAnswers::OnDialog(IDD_NAVRH_PODLAHOVKY, [&](CDialog& dlg) {
        auto& d = static_cast<CNavrhPodlahovky&>(dlg);
        UiTest::Click(d.GetDlgItem(IDC_NP_DESIGN));
        // Every circuit on manifold 1, as the manifold dialog leaves them.
        for (CMistPodlahVytap* room : d.m_design.m_rooms)
            for (CTopnyOkruh* c : room->m_floorCircuits)
                c->m_nManifold = 1;
        d.FillGrid();
        ScriptedAnswers::ForgetShown();
        ScriptedAnswers::OnDialog(IDD_DOTAZ_VYBAVENI, [](CDialog& question) {
            UiTest::Click(question.GetDlgItem(IDC_DV_OK));
            return IDCANCEL;
        });
        ScriptedAnswers::AnswerBox(IDOK); // the editing hint of the bill
        ScriptedAnswers::OnDialog(IDD_BILANCE_MAT, [](CDialog& bill) {
            UiTest::Click(bill.GetDlgItem(IDOK));
            return IDCANCEL;
        });
        UiTest::Click(d.GetDlgItem(IDC_NP_MATERIALS));
        const auto& dialogs = ScriptedAnswers::ShownDialogs();
        EXPECT_NE(std::find(dialogs.begin(), dialogs.end(), UINT(IDD_BILANCE_MAT)), dialogs.end());
        ScriptedAnswers::AnswerBox(IDNO);
        return IDCANCEL;
    });
    dialog.DoModal();
    const auto rows = ReadSheet(m_project.Path(), "MateriPodlah$");
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(CellText(rows[0], "Kód položky"), "9001-0004");
}
TEST_F(FloorDesignDialog, DoubleClickOpensTheRoomsConstruction)
{
    CNavrhPodlahovky::DesignTools() = CNavrhPodlahovky::DefaultTools();
    AppSettings::Get().PathData = KALVENROD_BIN_DIR;
    CNavrhPodlahovky dialog;
    dialog.LoadProjectData();
    ScriptedAnswers::OnDialog(IDD_NAVRH_PODLAHOVKY, [&](CDialog& dlg) {
        auto& d = static_cast<CNavrhPodlahovky&>(dlg);
        ScriptedAnswers::OnDialog(IDD_DRUHY_KONSTRUKCI, [](CDialog&) { return IDCANCEL; });
        GridNotify notify;
        notify.hdr.hwndFrom = d.m_grid.GetSafeHwnd();
        notify.hdr.idFrom = IDC_NP_GRID;
        notify.hdr.code = UINT(GVN_DBLCLK);
        notify.iRow = RowOf(d, "1.03/A");
        notify.iColumn = 1;
        d.SendMessage(WM_NOTIFY, IDC_NP_GRID, reinterpret_cast<LPARAM>(&notify));
        const auto& shown = ScriptedAnswers::ShownDialogs();
        EXPECT_NE(std::find(shown.begin(), shown.end(), UINT(IDD_DRUHY_KONSTRUKCI)), shown.end());
        EXPECT_EQ(d.m_design.m_bUnsaved, 0); // cancelled: nothing changed
        return IDCANCEL;
    });
    dialog.DoModal();
}
} // namespace
