// The construction parameters dialog with its type-A page and the floor build-up editor, driven
// off screen on copies of the catalogue workbooks.
#include "../../../hydraulics/tests/HydraulicsFixtures.h"

#include "common/AppSettings.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/dialogs/CDruhyKonstrukci.h"
#include "floorwall/dialogs/CSkladbaPodlahy.h"
#include "floorwall/dialogs/FloorBuildUpIds.h"
#include "floorwall/dialogs/FloorWallDialogIds.h"
#include "hydraulics/CTopnyOkruh.h"
#include "platform/dao/tests/DebianPython.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/DialogShot.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <memory>

namespace
{

int Notify(CWnd& dialog, UINT control, int code, int row, int column)
{
    GridNotify notify;
    notify.hdr.hwndFrom = dialog.GetDlgItem(int(control)) ? dialog.GetDlgItem(int(control))->GetSafeHwnd() : nullptr;
    notify.hdr.idFrom = control;
    notify.hdr.code = UINT(code);
    notify.iRow = row;
    notify.iColumn = column;
    return int(dialog.SendMessage(WM_NOTIFY, control, reinterpret_cast<LPARAM>(&notify)));
}

std::string Picture(const char* name)
{
    QDir().mkpath(QStringLiteral(KALVENROD_PICTURE_DIR));
    return std::string(KALVENROD_PICTURE_DIR) + "/" + name;
}

QByteArray FileBytes(const CString& path)
{
    QFile file(QString::fromUtf8(path.GetString()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Enabled(CDialog& d, int id)
{
    return d.GetDlgItem(id)->IsWindowEnabled() != FALSE;
}

std::unique_ptr<CMistPodlahVytap> Room(const char* number, int circuits)
{
    auto room = std::make_unique<CMistPodlahVytap>();
    room->m_strNumber = number;
    room->m_strName = "Obývací pokoj";
    room->m_dRoomTemperature = 20.0;
    room->m_dFloorArea = 30.0;
    room->m_dHeatLoss = 1200.0;
    room->m_dFloorLoad = 1000.0;
    room->m_nSystemType = 0;
    for (int i = 0; i < circuits; ++i)
    {
        auto* circuit = new CTopnyOkruh;
        circuit->m_strLabel.Format("%s/%c", number, char('A' + i));
        circuit->m_dOccupiedArea = 10.0;
        circuit->m_dFloorTemperatureValue = 5.0;
        circuit->m_dSpacing = 0.15;
        room->m_floorCircuits.push_back(circuit);
    }
    return room;
}

class FloorConstructionDialogTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }
    void SetUp() override
    {
        ScriptedAnswers::Reset();
        AppSettings& settings = AppSettings::Get();
        settings = AppSettings();
        settings.SetStartValues(0xC0C0C0);
        settings.KodSysPodl = "9001-0014";
        settings.PathData = m_data.Folder();
        settings.PathList = m_products.Folder();
    }
    void TearDown() override
    {
        EXPECT_TRUE(ScriptedAnswers::UnansweredDialogs().empty());
        ScriptedAnswers::Reset();
    }
    // The dialog over the room, the action run once it is open.
    int RunConstruction(CMistPodlahVytap& room, std::vector<CMistPodlahVytap*>* rooms,
                        const std::function<int(CDruhyKonstrukci&)>& action)
    {
        CDruhyKonstrukci dialog;
        dialog.m_pRooms = rooms;
        dialog.m_nRoomIndex = 0;
        dialog.LoadSystemParameters(&room);
        ScriptedAnswers::OnDialog(IDD_DRUHY_KONSTRUKCI,
                                  [&action](CDialog& d) { return action(static_cast<CDruhyKonstrukci&>(d)); });
        const int result = int(dialog.DoModal());
        if (result == IDOK)
            dialog.StoreSystemParameters(&room);
        return result;
    }

    WorkbookCopy m_data{"MekrData.xls"};
    WorkbookCopy m_products{"ZVK-9001.XLS"};
};

} // namespace

TEST_F(FloorConstructionDialogTest, TypeAOpensForCodeZeroAndOkStoresTheRoom)
{
    auto room = Room("1.01", 1);
    room->m_strBuildUpName = "20240115090000";
    room->m_dScreedThickness = 55.0; // the room's own values stay before the build-up's
    const int result = RunConstruction(*room, nullptr, [](CDruhyKonstrukci& d) {
        EXPECT_EQ(d.m_sheet.m_nChosenType, 1);
        CString text;
        d.m_pageA.GetDlgItemText(IDC_TA_SCREED_THICKNESS, text);
        EXPECT_EQ(text, "55.0");
        EXPECT_FALSE(d.m_pageA.GetDlgItem(IDC_TA_SCREED_THICKNESS)->IsWindowEnabled());
        EXPECT_FALSE(d.m_pageA.GetDlgItem(IDC_TA_SET)->IsWindowVisible());
        EXPECT_EQ(d.m_roomGrid.GetItemText(0, 4), "C.pož.výkon [W]");
        EXPECT_EQ(d.m_roomGrid.GetItemText(1, 8), "15*1.5");
        EXPECT_EQ(d.m_circuitGrid.GetItemText(1, 0), "1.01/A");
        EXPECT_TRUE(DialogShot::Render(d, Picture("dialog-197.png")));
        EXPECT_TRUE(DialogShot::Render(d.m_pageA, Picture("dialog-196.png")));
        UiTest::Click(d.GetDlgItem(IDC_DK_CHANGE));
        EXPECT_TRUE(d.m_pageA.GetDlgItem(IDC_TA_SCREED_THICKNESS)->IsWindowEnabled());
        EXPECT_FALSE(d.m_pageA.GetDlgItem(IDC_TA_COVERING_THICKNESS)->IsWindowEnabled());
        // A thickness typed and left gives its resistance (64 mm at 0.04: 1.6).
        UiTest::TypeInto(d.m_pageA.GetDlgItem(IDC_TA_INSULATION_THICKNESS), "64");
        d.m_pageA.GetDlgItem(IDC_TA_CEILING_RESISTANCE)->SetFocus();
        CString resistance;
        d.m_pageA.GetDlgItemText(IDC_TA_INSULATION_RESISTANCE, resistance);
        EXPECT_EQ(resistance, "1.600");
        d.m_pageA.GetDlgItemText(IDC_TA_INSULATION_THICKNESS, resistance);
        EXPECT_EQ(resistance, "64.0");
        UiTest::Click(d.GetDlgItem(IDC_DK_OK));
        return IDCANCEL;
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(room->m_nSystemType, 1);
    EXPECT_EQ(room->m_dScreedThickness, 55.0);
    EXPECT_DOUBLE_EQ(room->m_dInsulationResistance, 1.6);
    EXPECT_EQ(room->m_dRadiatorLoad, 200.0); // 1200 − 1000 by other sources
}

TEST_F(FloorConstructionDialogTest, CoveringWithoutMatchSelectsNothingAndKeepsTheRoomsValues)
{
    for (int count : {5, 6})
    {
        SCOPED_TRACE(count);
        ASSERT_EQ(EmptySheet(m_data.Path(), "Mekr_PoUp$"), 0);
        std::vector<RowCells> rows;
        static const char* const names[] = {"K1", "K2", "K3", "K4", "K5", "K6"};
        for (int i = 0; i < count; ++i)
            rows.push_back({{"typ krytiny", names[i]}, {"vrstva", "10"}, {"vodivost", "1"}, {"tepelOdpor", "0.01"}});
        AppendRows(m_data.Path(), "Mekr_PoUp$", rows);
        auto room = Room("1.01", 1);
        room->m_dCoveringResistance = 0.123;
        RunConstruction(*room, nullptr, [](CDruhyKonstrukci& d) {
            EXPECT_EQ(d.m_pageA.m_coverings.GetCurSel(), -1);
            EXPECT_EQ(d.m_pageA.m_values.coveringResistance, 0.123);
            // The user's choice takes the covering.
            d.m_pageA.m_coverings.SetCurSel(1);
            d.m_pageA.OnSelchangeCovering();
            EXPECT_EQ(d.m_pageA.m_values.coveringResistance, 0.01);
            return IDCANCEL;
        });
        EXPECT_EQ(room->m_dCoveringResistance, 0.123); // cancelled
    }
}

TEST_F(FloorConstructionDialogTest, ChosenBuildUpFillsTheLayerValues)
{
    auto room = Room("1.01", 1);
    RunConstruction(*room, nullptr, [](CDruhyKonstrukci& d) {
        CParamSoustTypA& page = d.m_pageA;
        EXPECT_GE(page.m_buildUps.GetCount(), 1);
        page.m_buildUps.SetCurSel(0);
        page.OnSelchangeBuildUp();
        EXPECT_EQ(page.m_strBuildUpReference, "20240115090000");
        EXPECT_DOUBLE_EQ(page.m_values.screedThickness, 45.0);
        EXPECT_DOUBLE_EQ(page.m_values.screedResistance, 0.0388);
        EXPECT_NEAR(page.m_values.screedConductivity, 0.045 / 0.0388, 1e-12);
        EXPECT_DOUBLE_EQ(page.m_values.insulationThickness, 30.0);
        EXPECT_DOUBLE_EQ(page.m_values.ceilingResistance, 0.1274);
        CString text;
        page.GetDlgItemText(IDC_TA_SCREED_RESISTANCE, text);
        EXPECT_EQ(text, "0.039");
        UiTest::Click(d.GetDlgItem(IDC_DK_OK));
        return IDCANCEL;
    });
    EXPECT_EQ(room->m_strBuildUpName, "20240115090000");
    EXPECT_DOUBLE_EQ(room->m_dInsulationThickness, 30.0);
    EXPECT_DOUBLE_EQ(room->m_dCeilingResistance, 0.1274);
}

TEST_F(FloorConstructionDialogTest, GridEditsShareTheOutputAndRenameTheCircuits)
{
    auto room = Room("1.01", 3);
    RunConstruction(*room, nullptr, [](CDruhyKonstrukci& d) {
        CGridCtrl& circuits = d.m_circuitGrid;
        const int values[][2] = {{10, 0}, {10, 5}, {0, 0}};
        for (int row = 1; row <= 3; ++row)
        {
            circuits.SetItemText(row, 1, std::to_string(values[row - 1][0]).c_str());
            circuits.SetItemText(row, 2, std::to_string(values[row - 1][1]).c_str());
        }
        d.m_roomGrid.SetItemText(1, CDruhyKonstrukci::RoomFloor, "1000");
        EXPECT_EQ(Notify(d, IDC_DK_CIRCUIT_GRID, GVN_BEGINLABELEDIT, 1, 3), -1);
        EXPECT_EQ(Notify(d, IDC_DK_CIRCUIT_GRID, GVN_BEGINLABELEDIT, 2, 2), 0);
        Notify(d, IDC_DK_CIRCUIT_GRID, GVN_ENDLABELEDIT, 2, 2);
        EXPECT_EQ(circuits.GetItemText(1, 3), "347.8");
        EXPECT_EQ(circuits.GetItemText(2, 3), "652.2");
        EXPECT_EQ(circuits.GetItemText(1, 4), "34.78");
        EXPECT_EQ(circuits.GetItemText(2, 4), "34.78");
        EXPECT_EQ(circuits.GetItemText(3, 4), " ");
        EXPECT_EQ(circuits.GetItemText(3, 6), " ");
        EXPECT_EQ(circuits.GetItemText(1, 6), "23.4"); // 20 + (34.78 / 8.92)^(1/1.1)

        EXPECT_EQ(Notify(d, IDC_DK_ROOM_GRID, GVN_BEGINLABELEDIT, 1, 2), -1);
        EXPECT_EQ(Notify(d, IDC_DK_ROOM_GRID, GVN_BEGINLABELEDIT, 1, 0), 0);
        d.m_roomGrid.SetItemText(1, 0, "12");
        Notify(d, IDC_DK_ROOM_GRID, GVN_ENDLABELEDIT, 1, 0);
        EXPECT_EQ(circuits.GetItemText(1, 0), "12/A");
        EXPECT_EQ(circuits.GetItemText(3, 0), "12/C");

        d.m_roomGrid.SetItemText(1, CDruhyKonstrukci::RoomFloor, "0");
        d.m_roomGrid.SetItemText(1, CDruhyKonstrukci::RoomRequired, "1500");
        Notify(d, IDC_DK_ROOM_GRID, GVN_ENDLABELEDIT, 1, CDruhyKonstrukci::RoomRequired);
        CString floor = d.m_roomGrid.GetItemText(1, CDruhyKonstrukci::RoomFloor);
        EXPECT_EQ(floor.Trim(), "1500.0");
        return IDCANCEL;
    });
    EXPECT_EQ(room->m_floorCircuits[0]->m_strLabel, "1.01/A"); // cancelled: nothing written
}

TEST_F(FloorConstructionDialogTest, RefusedOkLeavesTheRoomAndAMoveOnlyShows)
{
    auto room = Room("1.01", 2);
    auto other = Room("1.02", 1);
    std::vector<CMistPodlahVytap*> rooms = {room.get(), other.get()};
    ScriptedAnswers::AnswerBox(IDOK);
    RunConstruction(*room, &rooms, [](CDruhyKonstrukci& d) {
        d.m_circuitGrid.SetItemText(1, 1, "25");
        d.m_circuitGrid.SetItemText(2, 2, "10");
        d.m_roomGrid.SetItemText(1, 1, "Jiný název");
        UiTest::Click(d.GetDlgItem(IDC_DK_OK));
        EXPECT_TRUE(d.IsWindowVisible()); // 35 m² of circuits in 30 m²
        d.m_roomGrid.SetItemText(1, 0, "1.02");
        d.m_circuitGrid.SetItemText(1, 1, "10");
        UiTest::Click(d.GetDlgItem(IDC_DK_OK));
        EXPECT_TRUE(d.IsWindowVisible()); // the number of another room
        d.m_roomGrid.SetItemText(1, 0, "1.01");
        d.m_roomGrid.OnEditCell(1, 1, CPoint(0, 0), VK_LBUTTON);
        UiTest::PressKey(VK_DOWN);
        EXPECT_EQ(d.m_roomGrid.GetItemText(1, 0), "1.02");
        EXPECT_FALSE(Enabled(d, IDC_DK_OK));
        return IDCANCEL;
    });
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, "Zadané plochy topení převyšují plochu místnosti!!!");
    EXPECT_EQ(room->m_strName, "Obývací pokoj");
    EXPECT_EQ(room->m_floorCircuits[0]->m_dOccupiedArea, 10.0);
}

namespace
{
// A build-up editor run: the action after the dialog opened.
int RunEditor(CString& key, const std::function<int(CSkladbaPodlahy&)>& action)
{
    CSkladbaPodlahy editor;
    editor.m_strKey = key;
    ScriptedAnswers::OnDialog(IDD_SKLADBA_PODLAHY, [&action](CDialog& d) { return action(static_cast<CSkladbaPodlahy&>(d)); });
    const int result = int(editor.DoModal());
    key = editor.m_strKey;
    return result;
}

void Name(const char* name)
{
    ScriptedAnswers::OnDialog(IDD_NAZEV_SKLADBY, [name](CDialog& d) {
        d.SetDlgItemText(IDC_NAZEV_SKLADBY, name);
        UiTest::Click(d.GetDlgItem(IDOK));
        return IDCANCEL;
    });
}

void Choose(CComboBox& list, const char* start)
{
    for (int i = 0; i < list.GetCount(); ++i)
    {
        CString text;
        list.GetLBText(i, text);
        if (text.Find(start) == 0)
        {
            list.SetCurSel(i);
            return;
        }
    }
    ADD_FAILURE() << start;
}
} // namespace

TEST_F(FloorConstructionDialogTest, EditorOnAnEmptyCatalogueAndItsLists)
{
    ASSERT_EQ(EmptySheet(m_data.Path(), "Mekr_USkP$"), 0);
    RunPython("import sys, xlwt\nbook = xlwt.Workbook()\nsheet = book.add_sheet('Data')\n"
              "for c, v in enumerate(['Věta', 'Typ', 'Název']): sheet.write(0, c, v)\n"
              "for c, v in enumerate([14, 'Deska 30', 'deska']): sheet.write(1, c, v)\n"
              "for c, v in enumerate([16, 'Pás', 'pás']): sheet.write(2, c, v)\nbook.save(sys.argv[1])\n",
              {QString::fromUtf8(m_products.Path().GetString())});
    AppendRows(m_data.Path(), "Mekr_PoUp$", {{{"typ krytiny", "Dlažba dvakrát"}, {"vodivost", "1"}},
                                            {{"typ krytiny", "Dlažba dvakrát"}, {"vodivost", "1"}}});
    CString key = "20200101000000";
    RunEditor(key, [](CSkladbaPodlahy& d) {
        EXPECT_EQ(d.m_buildUpGrid.GetRowCount(), 1);
        EXPECT_EQ(d.m_layerGrid.GetRowCount(), 1);
        for (int id : {IDC_SP_COVERING_ADD, IDC_SP_SCREED_ADD, IDC_SP_INSULATION_ADD, IDC_SP_STRUCTURE_ADD,
                       IDC_SP_DELETE, IDC_SP_UP, IDC_SP_DOWN, IDC_SP_SAVE})
            EXPECT_FALSE(Enabled(d, id)) << id;
        EXPECT_EQ(d.m_insulations.GetCount(), 1);
        EXPECT_EQ(d.m_insulations.GetCurSel(), -1);
        Name("Nová");
        UiTest::Click(d.GetDlgItem(IDC_SP_NEW));
        for (int id : {IDC_SP_COVERING_ADD, IDC_SP_SCREED_ADD, IDC_SP_INSULATION_ADD, IDC_SP_STRUCTURE_ADD})
            EXPECT_TRUE(Enabled(d, id)) << id;
        Choose(d.m_coverings, "Dlažba dvakrát");
        UiTest::Click(d.GetDlgItem(IDC_SP_COVERING_ADD));
        EXPECT_EQ(d.LayerCount(), 0); // two rows of that name: nothing added
        return IDCANCEL;
    });
}

TEST_F(FloorConstructionDialogTest, EditorBuildsSavesMovesAndDeletes)
{
    AppendRows(m_data.Path(), "Mekr_MaPa$",
               {{{"Položka", "999"}, {"Materiál", "Zkušební beton"}, {"Objemová hmotnost", "2100"},
                 {"Výpočtová Tepelná vodivost", "1.6"}, {"Věta", "999"}}});
    std::vector<BuildUpHeader> before;
    ASSERT_TRUE(ReadBuildUpHeaders(m_data.Folder(), before));
    CString key = before[0].key;
    CString newKey;
    RunEditor(key, [&](CSkladbaPodlahy& d) {
        EXPECT_EQ(d.m_strKey, before[0].key);
        EXPECT_EQ(d.m_insulations.GetCurSel(), 1);
        EXPECT_TRUE(DialogShot::Render(d, Picture("dialog-292.png")));
        // Renaming alone does not ask for a save.
        EXPECT_EQ(Notify(d, IDC_SP_BUILD_UPS, GVN_BEGINLABELEDIT, 1, 1), 0);
        EXPECT_EQ(Notify(d, IDC_SP_BUILD_UPS, GVN_BEGINLABELEDIT, 2, 1), -1);
        Notify(d, IDC_SP_BUILD_UPS, GVN_ENDLABELEDIT, 1, 1);
        EXPECT_FALSE(Enabled(d, IDC_SP_SAVE));

        // Two new build-ups at once have two keys.
        Name("Skladba O'Brien");
        UiTest::Click(d.GetDlgItem(IDC_SP_NEW));
        const CString first = d.m_strKey;
        Name("Druhá");
        d.GetDlgItem(IDC_SP_NEW)->EnableWindow(TRUE);
        UiTest::Click(d.GetDlgItem(IDC_SP_NEW));
        EXPECT_NE(d.m_strKey, first);
        d.m_buildUpGrid.DeleteRow(d.m_buildUpGrid.GetRowCount() - 1);
        Notify(d, IDC_SP_BUILD_UPS, NM_CLICK, d.m_buildUpGrid.GetRowCount() - 1, 1);
        EXPECT_EQ(d.m_strKey, first);
        newKey = first;

        Choose(d.m_structures, "999 # ");
        UiTest::Click(d.GetDlgItem(IDC_SP_STRUCTURE_ADD));
        EXPECT_EQ(d.LayerCount(), 1);
        EXPECT_EQ(d.m_layerGrid.GetItemText(1, CSkladbaPodlahy::LayerVrstva), "0");
        EXPECT_EQ(d.m_layerGrid.GetItemText(1, CSkladbaPodlahy::LayerOdpor), "0");
        EXPECT_EQ(Notify(d, IDC_SP_LAYERS, GVN_BEGINLABELEDIT, 1, CSkladbaPodlahy::LayerVodivost), -1);
        EXPECT_EQ(Notify(d, IDC_SP_LAYERS, GVN_BEGINLABELEDIT, 1, CSkladbaPodlahy::LayerVrstva), 0);
        d.m_layerGrid.SetItemText(1, CSkladbaPodlahy::LayerVrstva, "200");
        Notify(d, IDC_SP_LAYERS, GVN_ENDLABELEDIT, 1, CSkladbaPodlahy::LayerVrstva);
        EXPECT_EQ(d.m_layerGrid.GetItemText(1, CSkladbaPodlahy::LayerOdpor), "0.125");
        Choose(d.m_insulations, "Systémová deska s nopy 30");
        UiTest::Click(d.GetDlgItem(IDC_SP_INSULATION_ADD));
        EXPECT_EQ(d.LayerCount(), 2);
        // The first layer down: saved as position 2.
        Notify(d, IDC_SP_LAYERS, NM_CLICK, 1, 1);
        EXPECT_FALSE(Enabled(d, IDC_SP_UP));
        UiTest::Click(d.GetDlgItem(IDC_SP_DOWN));
        EXPECT_EQ(d.m_layerGrid.GetItemText(2, CSkladbaPodlahy::LayerCode), "0000-0999");
        UiTest::Click(d.GetDlgItem(IDC_SP_SAVE));
        EXPECT_FALSE(Enabled(d, IDC_SP_SAVE));
        EXPECT_EQ(d.m_bModified, 0);
        UiTest::Click(d.GetDlgItem(IDOK));
        return IDCANCEL;
    });
    EXPECT_EQ(key, newKey);
    std::vector<BuildUpLayer> layers;
    ASSERT_TRUE(ReadBuildUpLayers(m_data.Folder(), newKey, layers));
    ASSERT_EQ(layers.size(), 2u);
    EXPECT_EQ(layers[0].code, "9001-0014");
    EXPECT_EQ(layers[1].code, "0000-0999");
    EXPECT_EQ(layers[1].tepelOdpor, "0.125");
    std::vector<BuildUpHeader> after;
    ASSERT_TRUE(ReadBuildUpHeaders(m_data.Folder(), after));
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(after.back().name, "Skladba O'Brien");

    // Reopened: listed last; its only layer deleted asks about the header.
    for (const int answer : {IDNO, IDYES})
    {
        SCOPED_TRACE(answer);
        ScriptedAnswers::Reset();
        ASSERT_TRUE(SaveBuildUp(m_data.Folder(), newKey, "Skladba O'Brien", {{"0000-0999", "Zkušební beton", "2100", "200", "1.6", "0.125", "4"}}).written);
        ScriptedAnswers::AnswerBox(answer);
        RunEditor(key, [&](CSkladbaPodlahy& d) {
            const int last = d.m_buildUpGrid.GetRowCount() - 1;
            EXPECT_EQ(d.m_buildUpGrid.GetItemText(last, 1), "Skladba O'Brien");
            Notify(d, IDC_SP_BUILD_UPS, NM_CLICK, last, 1);
            while (d.LayerCount() > 0)
                UiTest::Click(d.GetDlgItem(IDC_SP_DELETE));
            UiTest::Click(d.GetDlgItem(IDC_SP_SAVE));
            EXPECT_EQ(d.m_buildUpGrid.GetRowCount() - 1, answer == IDYES ? last - 1 : last);
            EXPECT_EQ(Enabled(d, IDC_SP_SAVE), answer == IDNO);
            if (answer == IDNO)
                ScriptedAnswers::AnswerBox(IDNO); // closing with the kept header unsaved: not saved
            UiTest::Click(d.GetDlgItem(IDOK));
            return IDCANCEL;
        });
        ASSERT_GE(ScriptedAnswers::ShownBoxes().size(), 1u);
        EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text.Find("Smazat hlavičku skladby"), 0);
        ASSERT_TRUE(ReadBuildUpHeaders(m_data.Folder(), after));
        EXPECT_EQ(after.size(), answer == IDYES ? before.size() : before.size() + 1);
        ASSERT_TRUE(ReadBuildUpLayers(m_data.Folder(), newKey, layers));
        EXPECT_TRUE(layers.empty());
    }
    EXPECT_EQ(key, before.back().key); // the build-up current after the removal
}

TEST_F(FloorConstructionDialogTest, FailedRewriteLeavesTheCatalogueAndTheChangesToSave)
{
    const QByteArray bytes = FileBytes(m_data.Path());
    QDir(QString::fromUtf8(m_data.Folder().GetString())).mkpath("MekrData$.xls/blocked");
    CString key = "20240115090100";
    ScriptedAnswers::AnswerBox(IDOK);     // the rewrite's message
    ScriptedAnswers::AnswerBox(IDCANCEL); // "Uložit provedené změny?" at "K&onec": stay
    ScriptedAnswers::AnswerBox(IDNO);     // and again: drop them
    const int result = RunEditor(key, [](CSkladbaPodlahy& d) {
        Name("Neuložená");
        UiTest::Click(d.GetDlgItem(IDC_SP_NEW));
        Choose(d.m_coverings, "Keramická dlažba 10 mm");
        UiTest::Click(d.GetDlgItem(IDC_SP_COVERING_ADD));
        UiTest::Click(d.GetDlgItem(IDC_SP_SAVE));
        EXPECT_TRUE(Enabled(d, IDC_SP_SAVE));
        EXPECT_EQ(d.m_bModified, 1);
        UiTest::Click(d.GetDlgItem(IDOK));
        EXPECT_TRUE(d.IsWindowVisible());
        UiTest::Click(d.GetDlgItem(IDOK));
        return IDCANCEL;
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(key, "20240115090100"); // the new build-up is not in the catalogue: the caller's stays
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 3u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[1].text, "Uložit provedené změny?");
    EXPECT_EQ(FileBytes(m_data.Path()), bytes);
}

TEST_F(FloorConstructionDialogTest, WallHeatingCoveringTheRestLeavesNoRadiatorLoad)
{
    struct Case
    {
        int wall;
        double wallLoad;
        double radiator;
    };
    for (const Case& c : {Case{0, 0.0, 200.0}, Case{1, 50.0, 150.0}, Case{1, 300.0, 0.0}})
    {
        auto room = Room("1.01", 1);
        room->m_nWallHeating = c.wall;
        room->m_dWallLoad = c.wallLoad;
        room->m_dRadiatorLoad = 999.0;
        EXPECT_EQ(RunConstruction(*room, nullptr, [](CDruhyKonstrukci& d) {
                      UiTest::Click(d.GetDlgItem(IDC_DK_OK));
                      return IDCANCEL;
                  }),
                  IDOK);
        EXPECT_EQ(room->m_dRadiatorLoad, c.radiator) << c.wallLoad;
        EXPECT_EQ(room->m_dWallLoad, c.wallLoad);
    }
}

TEST_F(FloorConstructionDialogTest, BuildUpRoadFromTheTypeAPageIntoTheRoom)
{
    auto room = Room("1.01", 1);
    ScriptedAnswers::OnDialog(IDD_SKLADBA_PODLAHY, [](CDialog& dialog) {
        auto& d = static_cast<CSkladbaPodlahy&>(dialog);
        Name("Vlastní skladba");
        UiTest::Click(d.GetDlgItem(IDC_SP_NEW));
        Choose(d.m_coverings, "Keramická dlažba 10 mm");
        UiTest::Click(d.GetDlgItem(IDC_SP_COVERING_ADD));
        Choose(d.m_screeds, "107 # ");
        UiTest::Click(d.GetDlgItem(IDC_SP_SCREED_ADD));
        d.m_layerGrid.SetItemText(2, CSkladbaPodlahy::LayerVrstva, "58");
        Notify(d, IDC_SP_LAYERS, GVN_ENDLABELEDIT, 2, CSkladbaPodlahy::LayerVrstva);
        Choose(d.m_insulations, "Systémová deska s nopy 30");
        UiTest::Click(d.GetDlgItem(IDC_SP_INSULATION_ADD));
        Choose(d.m_structures, "101 # ");
        UiTest::Click(d.GetDlgItem(IDC_SP_STRUCTURE_ADD));
        d.m_layerGrid.SetItemText(4, CSkladbaPodlahy::LayerVrstva, "157");
        Notify(d, IDC_SP_LAYERS, GVN_ENDLABELEDIT, 4, CSkladbaPodlahy::LayerVrstva);
        EXPECT_EQ(d.LayerCount(), 4);
        UiTest::Click(d.GetDlgItem(IDC_SP_SAVE));
        UiTest::Click(d.GetDlgItem(IDOK));
        return IDCANCEL;
    });
    const int result = RunConstruction(*room, nullptr, [](CDruhyKonstrukci& d) {
        UiTest::Click(d.m_pageA.GetDlgItem(IDC_TA_BUILD_UP_EDITOR));
        CString chosen;
        d.m_pageA.m_buildUps.GetLBText(d.m_pageA.m_buildUps.GetCurSel(), chosen);
        EXPECT_EQ(chosen, "Vlastní skladba");
        EXPECT_DOUBLE_EQ(d.m_pageA.m_values.screedThickness, 58.0);
        EXPECT_DOUBLE_EQ(d.m_pageA.m_values.insulationThickness, 30.0);
        EXPECT_NEAR(d.m_pageA.m_values.ceilingResistance, 0.1, 1e-12); // 157 mm at 1.57
        UiTest::Click(d.GetDlgItem(IDC_DK_OK));
        return IDCANCEL;
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_DOUBLE_EQ(room->m_dScreedThickness, 58.0);
    EXPECT_DOUBLE_EQ(room->m_dInsulationThickness, 30.0);
    EXPECT_EQ(room->m_strBuildUpName.GetLength(), 14);
}
