// The wall heating design dialog on a fixture project, driven off screen by control id: the
// wall-heated rooms and their circuits, the temperatures through the edits, rooms added, edited,
// split, measured and deleted, the bill's manifold check, Enter, Cancel's question and OK's
// store, and the design without a window after a load that stopped.
#include "../../../hydraulics/tests/HydraulicsFixtures.h"

#include "common/AppSettings.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "datalib/CData.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/dialogs/CIndexyRozdelovace.h"
#include "floorwall/dialogs/CNavrhStenovky.h"
#include "floorwall/dialogs/CircuitPanelIds.h"
#include "floorwall/dialogs/FloorBuildUpIds.h"
#include "floorwall/dialogs/WallDesignIds.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/ProjectVersion.h"
#include "hydraulics/ui/SizingIds.h"
#include "platform/core/Profile.h"
#include "platform/ui/DialogShot.h"
#include "platform/ui/KeyMap.h"
#include "testing/ScriptedAnswers.h"
#include "testing/TemporaryProfile.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <QDir>

#include <functional>

namespace
{
class CNavrhStenovkyTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }
    void SetUp() override
    {
        ScriptedAnswers::Reset();
        AppSettings::Get() = AppSettings();
        AppSettings::Get().SetStartValues(0);
        AppSettings::Get().PathBase = m_project.Path();
        ProjectProgramVersion() = "1.1";
        // Room "Pokoj": outer wall 1 of 5000 × 2700 mm with a window 1200 × 1500 mm.
        AppendRows(m_project.Path(), "SeznamV$",
                   {{{"NázevM", "objekt"}},
                    {{"Číslo                Místnosti", "1.01"}, {"NázevM", "Pokoj"}, {"Délka", "5000"},
                     {"Šířka", "4000"}, {"Výška", "2700"}, {"TeplotaM", "20"}},
                    {{"NázevM", "SO"}, {"Šířka", "5000"}, {"Výška", "2700"}, {"Rozdíl teplot", "35"},
                     {"délka spáry", "1"}},
                    {{"NázevM", "OJ"}, {"Šířka", "1200"}, {"Výška", "1500"}, {"Počet Otvorů", "1"},
                     {"souč_I", "1.4"}}});
        AppendRows(m_project.Path(), "SeznamM$",
                   {{{"Číslo                Místnosti", "1.01"}, {"NázevM", "Pokoj"}, {"TYP_ZAZNAMU", "2"},
                     {"TeplotaM", "20"}, {"ZTRATA_STEN", "950"}, {"Délka vlastní", "6"}},
                    {{"Číslo                Místnosti", "1.02"}, {"NázevM", "Kuchyň"}, {"TYP_ZAZNAMU", "2"},
                     {"TeplotaM", "20"}, {"ZTRATA_PODL", "600"}},
                    {{"Číslo                Místnosti", "1.02/A"}, {"TYP_ZAZNAMU", "4"}, {"Délka Topení", "50"}},
                    {{"Číslo                Místnosti", "1.03"}, {"NázevM", "Koupelna"}, {"TYP_ZAZNAMU", "2"},
                     {"TeplotaM", "24"}, {"ZTRATA_STEN", "400"}, {"ZTRATA_PODL", "200"}},
                    {{"Číslo                Místnosti", "1.03/A"}, {"TYP_ZAZNAMU", "4"}, {"Délka Topení", "30"}},
                    {{"Číslo                Místnosti", "1.03/A"}, {"TYP_ZAZNAMU", "5"}, {"Pl_Okrajová", "4"},
                     {"PočetČl", "2"}, {"Pl_Využitá", "2"}, {"Délka Topení", "68"}, {"Délka vlastní", "5"}}});
        SetHeader("SIGMA_STENOVKY", "50.0#42.0");
    }
    void TearDown() override
    {
        KeyMap::SetModifiers(Qt::NoModifier);
        EXPECT_TRUE(ScriptedAnswers::UnansweredDialogs().empty());
        AppSettings::Get() = AppSettings();
        ProjectProgramVersion() = "";
        ScriptedAnswers::Reset();
    }
    void SetHeader(const char* column, const char* value) { WriteHeaderCell(m_project.Path(), column, value); }
    CString Header(const char* column) { return HeaderCell(m_project.Path(), column); }
    // Runs the dialog with the actions after its start; a dialog they leave open is cancelled.
    int Run(CNavrhStenovky& dialog, const std::function<void(CNavrhStenovky&)>& actions)
    {
        ScriptedAnswers::OnDialog(IDD_NAVRH_STENOVKY, [&](CDialog& d) {
            actions(static_cast<CNavrhStenovky&>(d));
            return IDCANCEL;
        });
        return int(dialog.DoModal());
    }
    static CString Text(CDialog& d, int id)
    {
        CString text;
        d.GetDlgItemText(id, text);
        return text;
    }
    static int FocusId()
    {
        CWnd* focus = CWnd::GetFocus();
        return focus ? focus->GetDlgCtrlID() : 0;
    }
    // Types into an edit and leaves it for the combo box of the system.
    static void Leave(CDialog& d, int id, const char* text)
    {
        d.GetDlgItem(id)->SetFocus();
        d.SetDlgItemText(id, text);
        d.GetDlgItem(IDC_WALL_SYSTEM)->SetFocus();
        UiTest::ProcessEvents();
    }
    static void Notify(CNavrhStenovky& d, CFmtGridCtrl& grid, int id, int code, int row)
    {
        GridNotify notify;
        notify.hdr.hwndFrom = grid.GetSafeHwnd();
        notify.hdr.idFrom = UINT(id);
        notify.hdr.code = UINT(code);
        notify.iRow = row;
        notify.iColumn = 1;
        d.SendMessage(WM_NOTIFY, WPARAM(id), reinterpret_cast<LPARAM>(&notify));
    }
    static int RowOf(CFmtGridCtrl& grid, const char* number)
    {
        for (int row = 1; row < grid.GetRowCount(); ++row)
            if (grid.GetItemText(row, 1) == number)
                return row;
        return -1;
    }
    // The room dialog's next run: the fields typed, then its "&OK".
    static void AnswerRoom(const char* number, const char* name, const char* demand)
    {
        ScriptedAnswers::OnDialog(IDD_STENA, [=](CDialog& r) {
            r.SetDlgItemText(IDC_STENA_NUMBER, number);
            r.SetDlgItemText(IDC_STENA_NAME, name);
            r.SetDlgItemText(IDC_STENA_HEAT_DEMAND, demand);
            UiTest::Click(r.GetDlgItem(IDC_STENA_OK));
            return IDCANCEL;
        });
    }

    TemporaryProfile m_profile;
    ScopedDecimalSeparator m_locale{','};
    WorkbookCopy m_project{"MekrOrig.xls", "Projekt.XLS"};
};

TEST_F(CNavrhStenovkyTest, ShowsTheWallHeatedRoomsAndTheirCircuits)
{
    CNavrhStenovky dialog;
    Run(dialog, [&](CNavrhStenovky& d) {
        CString caption;
        d.GetWindowText(caption);
        EXPECT_EQ(caption, "kalvenrod - Stěnové vytápění - návrh");
        EXPECT_EQ(Text(d, IDC_WALL_SUPPLY), "50,0");
        EXPECT_EQ(Text(d, IDC_WALL_RETURN), "42,0");
        EXPECT_EQ(Text(d, IDC_WALL_DROP), "8,0");
        EXPECT_EQ(Text(d, IDC_WALL_UP_TO_HEIGHT), "2200");
        EXPECT_EQ(Text(d, IDC_WALL_OUTER_CORNER), "150");
        EXPECT_EQ(Text(d, IDC_WALL_SYSTEM), "STV");
        EXPECT_FALSE(d.GetDlgItem(IDC_WALL_SPREAD)->IsWindowVisible());
        EXPECT_TRUE(d.GetDlgItem(IDC_WALL_MEASURE)->IsWindowVisible());
        // Kuchyň has floor heating only.
        ASSERT_EQ(d.m_roomGrid.GetRowCount(), 3);
        EXPECT_EQ(d.m_roomGrid.GetItemText(1, 1), "1.01");
        EXPECT_EQ(d.m_roomGrid.GetItemText(2, 2), "Koupelna");
        EXPECT_EQ(d.m_roomGrid.GetItemText(0, 8), "Pl.nutná [m2]");
        ASSERT_EQ(d.m_circuitGrid.GetRowCount(), 2);
        EXPECT_EQ(d.m_circuitGrid.GetItemText(1, 1), "1.03");
        EXPECT_EQ(d.m_circuitGrid.GetItemText(1, 2), "1.03/A");
        EXPECT_EQ(d.m_circuitGrid.GetItemText(0, 5), "Plocha okr.");
        EXPECT_EQ(d.m_circuitGrid.GetItemText(0, 6), "Počet segm.");
        EXPECT_EQ(AppSettings::Get().HighestRoomTemperature, 24.0);
        const QDir dir(KALVENROD_PICTURE_DIR);
        dir.mkpath(".");
        EXPECT_TRUE(DialogShot::Render(d, dir.filePath("dialog-297-wall-design.png").toStdString()));
    });
    // Nothing changed: Cancel closes without a question.
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
}

TEST_F(CNavrhStenovkyTest, TemperaturesThroughTheEdits)
{
    CNavrhStenovky dialog;
    CString supply, ret, drop;
    int focus = 0;
    ScriptedAnswers::AnswerBox(IDNO); // Cancel asks: the changes are dropped
    Run(dialog, [&](CNavrhStenovky& d) {
        Leave(d, IDC_WALL_SUPPLY, "70");
        EXPECT_EQ(Text(d, IDC_WALL_SUPPLY), "60,0");
        EXPECT_EQ(Text(d, IDC_WALL_RETURN), "52,0");
        EXPECT_EQ(FocusId(), IDC_WALL_SUPPLY);
        const CString required = d.m_roomGrid.GetItemText(1, 8);
        // Below the least drop: back to the drop, nothing computed.
        Leave(d, IDC_WALL_DROP, "2,5");
        EXPECT_EQ(FocusId(), IDC_WALL_DROP);
        EXPECT_EQ(Text(d, IDC_WALL_RETURN), "52,0");
        EXPECT_EQ(d.m_dTemperatureDrop, 8.0);
        EXPECT_EQ(d.m_roomGrid.GetItemText(1, 8), required);
        // 30 K taken by the edit, then limited to 25 K by the check.
        Leave(d, IDC_WALL_DROP, "30");
        supply = Text(d, IDC_WALL_SUPPLY);
        ret = Text(d, IDC_WALL_RETURN);
        drop = Text(d, IDC_WALL_DROP);
        focus = FocusId();
        // Enter neither stores nor closes.
        UiTest::PressKey(VK_RETURN);
        UiTest::ProcessEvents();
        EXPECT_TRUE(d.IsWindowVisible());
        UiTest::Click(d.GetDlgItem(IDCANCEL));
    });
    EXPECT_EQ(supply, "60,0");
    EXPECT_EQ(drop, "25,0");
    EXPECT_EQ(ret, "35,0");
    EXPECT_EQ(focus, IDC_WALL_DROP);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, "Uložit provedené změny?");
    EXPECT_EQ(Header("SIGMA_STENOVKY"), "50.0#42.0");
}

TEST_F(CNavrhStenovkyTest, RoomsAddedEditedSplitMeasuredAndDeletedThenStored)
{
    CNavrhStenovky dialog;
    int result = 0;
    result = Run(dialog, [&](CNavrhStenovky& d) {
        // A new room: a number that is taken opens the room dialog again.
        AnswerRoom("1.01", "Pracovna", "500");
        AnswerRoom("1.05", "Pracovna", "500");
        Notify(d, d.m_roomGrid, IDC_WALL_ROOM_GRID, GVN_RCLICK, 1);
        ASSERT_EQ(d.m_roomGrid.GetRowCount(), 4);
        EXPECT_EQ(d.m_roomGrid.GetItemText(3, 2), "Pracovna");
        EXPECT_NE(d.m_roomGrid.GetItemText(3, 8), "0,0"); // its area needed

        // An edit, and the area split after it gives the realised area and the circuits.
        ScriptedAnswers::OnDialog(IDD_STENA, [](CDialog& r) {
            r.SetDlgItemText(IDC_STENA_CONNECTION, "7,5");
            UiTest::Click(r.GetDlgItem(IDC_STENA_OK));
            return IDCANCEL;
        });
        ScriptedAnswers::OnDialog(IDD_DELENI_PLOCH, [](CDialog& s) {
            // The field left: a dialog opened from another one's script takes no focus here.
            s.SetDlgItemText(IDC_SPLIT_REALISED, "6");
            s.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SPLIT_REALISED, EN_KILLFOCUS), 0);
            UiTest::Click(s.GetDlgItem(IDC_SPLIT_OK));
            return IDCANCEL;
        });
        Notify(d, d.m_roomGrid, IDC_WALL_ROOM_GRID, GVN_DBLCLK, RowOf(d.m_roomGrid, "1.01"));
        int row = RowOf(d.m_roomGrid, "1.01");
        EXPECT_EQ(d.m_rooms[0]->m_dOwnLength, 7.5);
        EXPECT_EQ(d.m_roomGrid.GetItemText(row, 9), "6,0");
        EXPECT_NE(RowOf(d.m_circuitGrid, "1.01"), -1);

        // "Zohlednit" without a selection, then with the room selected.
        d.m_roomGrid.SetSelectedRange(-1, -1, -1, -1);
        UiTest::Click(d.GetDlgItem(IDC_WALL_MEASURE));
        ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
        EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, "Nebyl vybrán okruh!");
        EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].caption, "kalvenrod - upozornění");
        d.m_roomGrid.SetSelectedRange(row, 0, row, 11);
        UiTest::Click(d.GetDlgItem(IDC_WALL_MEASURE));
        EXPECT_EQ(d.m_roomGrid.GetItemText(row, 7), "7,2"); // 9.4 − 2.175 m²

        // Ctrl + right click: the area split of that room.
        ScriptedAnswers::OnDialog(IDD_DELENI_PLOCH, [](CDialog&) { return IDCANCEL; });
        KeyMap::SetModifiers(Qt::ControlModifier);
        Notify(d, d.m_roomGrid, IDC_WALL_ROOM_GRID, GVN_RCLICK, row);
        KeyMap::SetModifiers(Qt::NoModifier);

        // The bill needs every circuit on a manifold.
        ScriptedAnswers::ForgetShown();
        UiTest::Click(d.GetDlgItem(IDC_WALL_MATERIAL));
        ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
        EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text.Left(11), "Pro okruh '");
        EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].caption, "kalvenrod - chyba");

        // Delete of the room with floor heating too: it leaves the wall design only.
        ScriptedAnswers::ForgetShown();
        ScriptedAnswers::AnswerBox(IDYES);
        const int bath = RowOf(d.m_roomGrid, "1.03");
        d.m_roomGrid.SetFocus();
        d.m_roomGrid.SetFocusCell(bath, 1);
        UiTest::PressKey(VK_DELETE);
        UiTest::ProcessEvents();
        ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 2u);
        EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, "Opravdu smazat položku :\n'místnosti:   Koupelna' ?");
        EXPECT_EQ(ScriptedAnswers::ShownBoxes()[1].text, "Nelze smazat, je to položka místnosti + podlahové topení!!");
        EXPECT_EQ(RowOf(d.m_roomGrid, "1.03"), -1);
        EXPECT_EQ(RowOf(d.m_circuitGrid, "1.03"), -1);

        Leave(d, IDC_WALL_SILL, "850,4");
        EXPECT_EQ(Text(d, IDC_WALL_SILL), "850");
        UiTest::Click(d.GetDlgItem(IDC_WALL_DESIGN_OK));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(AppSettings::Get().StenovParapet, 850.0);
    EXPECT_EQ(AppSettings::Get().StenovOdPodlah, 200.0);
    EXPECT_EQ(Profile::GetInt("Settings", "StenovParapet", 0), 850u);
    EXPECT_EQ(Profile::GetInt("Settings", "StenovVnejRoh", 0), 150u);
    EXPECT_EQ(AppSettings::Get().Modified[AppSettings::WallArea], 1);
    EXPECT_EQ(Header("SIGMA_STENOVKY"), "50,0#42,0");

    // The bath keeps its floor circuit in "SeznamM$" without its wall circuit; reopened, the
    // design shows what was stored.
    const std::vector<SheetRow> rows = ResultRows(m_project.Path());
    std::vector<CString> kinds;
    for (const SheetRow& r : rows)
        kinds.push_back(r.count("TYP_ZAZNAMU") ? r.at("TYP_ZAZNAMU") : CString());
    EXPECT_EQ(kinds, (std::vector<CString>{"1", "2", "5", "2", "4", "2", "4", "2"}));
    CNavrhStenovky again;
    Run(again, [&](CNavrhStenovky& d) {
        ASSERT_EQ(d.m_roomGrid.GetRowCount(), 3);
        EXPECT_EQ(d.m_roomGrid.GetItemText(1, 2), "Pokoj");
        EXPECT_EQ(d.m_roomGrid.GetItemText(1, 7), "7,2");
        EXPECT_EQ(d.m_roomGrid.GetItemText(2, 1), "1.05");
        ASSERT_EQ(d.m_circuitGrid.GetRowCount(), 2);
        EXPECT_EQ(d.m_circuitGrid.GetItemText(1, 1), "1.01");
    });
}

// With every circuit on a manifold the bill of the wall heating is stored in its own sheet.
TEST_F(CNavrhStenovkyTest, MaterialWritesTheWallBillSheet)
{
    const WorkbookCopy catalogue("ZVK-9001.XLS");
    const WorkbookCopy data("MekrData.xls");
    AppSettings::Get().PathList = catalogue.Folder();
    AppSettings::Get().PathData = data.Folder();
    const size_t floorBill = ReadSheet(m_project.Path(), "MateriPodlah$").size();
    CNavrhStenovky dialog;
    Run(dialog, [&](CNavrhStenovky& d) {
        // "Rozdělovače": the manifold indices of the wall circuits.
        ScriptedAnswers::OnDialog(IDD_INDEXY_ROZDELOVACE, [](CDialog& m) {
            EXPECT_EQ(static_cast<CIndexyRozdelovace&>(m).m_nMode, 19);
            return IDCANCEL;
        });
        UiTest::Click(d.GetDlgItem(IDC_WALL_MANIFOLDS));
        EXPECT_EQ(ScriptedAnswers::ShownDialogs().back(), UINT(IDD_INDEXY_ROZDELOVACE));
        for (CMistPodlahVytap* room : d.m_rooms)
            for (CTopnyOkruh* circuit : room->m_wallCircuits)
                circuit->m_nManifold = 1;
        UiTest::Click(d.GetDlgItem(IDC_WALL_RECALCULATE));
        EXPECT_EQ(d.m_circuitGrid.GetItemText(1, 12), "1");
        ScriptedAnswers::AnswerBox(IDOK);
        ScriptedAnswers::OnDialog(IDD_BILANCE_MAT, [](CDialog& bill) {
            bill.SendMessage(WM_COMMAND, IDOK, 0);
            return IDCANCEL;
        });
        UiTest::Click(d.GetDlgItem(IDC_WALL_MATERIAL));
        EXPECT_EQ(ScriptedAnswers::ShownDialogs().back(), UINT(IDD_BILANCE_MAT));
    });
    EXPECT_GT(ReadSheet(m_project.Path(), "MateriStenov$").size(), 1u);
    EXPECT_EQ(ReadSheet(m_project.Path(), "MateriPodlah$").size(), floorBill);
}

TEST_F(CNavrhStenovkyTest, LoadThatStoppedStoresNothing)
{
    // A wall circuit row before every room stops the load.
    EmptySheet(m_project.Path(), "SeznamM$");
    AppendRows(m_project.Path(), "SeznamM$",
               {{{"TYP_ZAZNAMU", "5"}, {"Číslo                Místnosti", "0/A"}},
                {{"Číslo                Místnosti", "1.01"}, {"TYP_ZAZNAMU", "2"}, {"ZTRATA_STEN", "950"}}});
    const auto before = ResultRows(m_project.Path());
    CNavrhStenovky design;
    EXPECT_EQ(design.LoadProjectData(), 1);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    // The box names the row as a spreadsheet numbers it (the column names are row 1).
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text,
              "Řádek 2 listu \"SeznamM$\" nelze načíst: okruh stěnového vytápění \"0/A\" stojí před první "
              "místností listu.\nNávrh se neuloží, dokud řádek nebude patřit pod místnost.");
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].caption, "kalvenrod - chyba");
    EXPECT_EQ(design.SaveProjectData(), 0);
    EXPECT_EQ(ResultRows(m_project.Path()), before);
    design.DeleteRooms();
    EXPECT_TRUE(design.m_rooms.empty());
}
} // namespace
