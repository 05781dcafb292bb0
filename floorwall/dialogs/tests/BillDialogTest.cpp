// The bill of materials dialog and its equipment question, driven off screen over a circuit
// grid that carries the design dialogs' headings.
#include "../../../hydraulics/tests/HydraulicsFixtures.h"

#include "common/AppSettings.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "floorwall/dialogs/CBilanceMatPodlah.h"
#include "floorwall/dialogs/CDotazVybaveni.h"
#include "floorwall/dialogs/FloorBuildUpIds.h"
#include "platform/dao/tests/DebianPython.h"
#include "platform/ui/DialogShot.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <QDir>

#include <map>
#include <memory>

namespace
{

const char* const kFloorHeadings[] = {
    "Okruh", "Název  místnosti", "Ti [°C] ", "TFmax [°C]", "TFm [°C]", "Tu [°C]", "Qokruh", "Qpodlaha",
    "V.zdroj [W]", "QzPřívodů", "Chybí [W]", "Soustava", "Skladba", "Poč.okruhů", "plocha c.[m2]",
    "pl. okraj.[m2]", "pl. užit.[m2]", "q [W/m2]", "Rozteč [m]", "L okruh [m]", "L přívod [m]", "L cizí [m]",
    "deltaTHG", "sigma", "TV [°C]", "TR [°C]", "mH [kg/hod.]", "TlakZtráta", "TlakRezerva", "Škrcení",
    "Rozdělovač", "Pl_Equival", "Pl_Extern", "Pl_Jen_Izolace", "Format"};
const char* const kWallHeadings[] = {"#", "Č.míst.", "Č.okruhu", "q [W/m2]", "Výkon [W]", "Plocha okr.",
                                     "Počet segm.", "Plocha segm.", "přívod [m]", "Délka trubky", "mH [kg/hod.]",
                                     "TlakZtráta", "Rozdělovač", "Format"};

// A circuit grid with the headings and rows of column → text.
template <std::size_t N>
std::unique_ptr<CGridCtrl> DesignGrid(const char* const (&headings)[N],
                                      const std::vector<std::map<const char*, const char*>>& rows)
{
    auto grid = std::make_unique<CGridCtrl>(int(rows.size()) + 1, int(N), 1, 1);
    for (std::size_t c = 0; c < N; ++c)
        grid->SetItemText(0, int(c), headings[c]);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (const auto& [heading, text] : rows[r])
            for (std::size_t c = 0; c < N; ++c)
                if (std::string(headings[c]) == heading)
                    grid->SetItemText(int(r) + 1, int(c), text);
    return grid;
}

std::map<const char*, const char*> FloorCircuit(const char* area, const char* loop, const char* manifold)
{
    return {{"plocha c.[m2]", area}, {"L okruh [m]", loop}, {"L přívod [m]", "5"}, {"Qokruh", "1000"},
            {"Rozdělovač", manifold}};
}

class BillDialogTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }
    void SetUp() override
    {
        ScriptedAnswers::Reset();
        AppSettings& settings = AppSettings::Get();
        settings = AppSettings();
        settings.SetStartValues(0xC0C0C0);
        settings.KodTopTrub = "9001-0004";
        settings.KodSysPodl = "9001-0014";
        settings.PathList = m_catalogue.Folder();
        settings.PathData = m_data.Folder();
        settings.CurrentProjectPath() = m_project.Path();
    }
    void TearDown() override
    {
        EXPECT_TRUE(ScriptedAnswers::UnansweredDialogs().empty());
        ScriptedAnswers::Reset();
    }
    static int Notify(CBilanceMatPodlah& dialog, int code, int row, int column)
    {
        GridNotify notify;
        notify.hdr.hwndFrom = dialog.m_grid.GetSafeHwnd();
        notify.hdr.idFrom = IDC_BM_GRID;
        notify.hdr.code = UINT(code);
        notify.iRow = row;
        notify.iColumn = column;
        return int(dialog.SendMessage(WM_NOTIFY, IDC_BM_GRID, reinterpret_cast<LPARAM>(&notify)));
    }
    // The row of the first visible line of the code; -1 when none.
    static int RowOf(CBilanceMatPodlah& dialog, const char* code)
    {
        for (int row = 1; row < dialog.m_grid.GetRowCount(); ++row)
            if (dialog.m_grid.GetItemText(row, CBilanceMatPodlah::ColCode) == code &&
                dialog.m_grid.GetRowHeight(row) > 0)
                return row;
        return -1;
    }
    static CString Text(CDialog& d, int id)
    {
        CString text;
        d.GetDlgItemText(id, text);
        return text;
    }
    static std::string Picture(const char* name)
    {
        QDir().mkpath(QStringLiteral(KALVENROD_PICTURE_DIR));
        return std::string(KALVENROD_PICTURE_DIR) + "/" + name;
    }
    // The equipment question answered with its own OK, the station and mixing sets as given.
    static void AnswerEquipment(int station, int mixingCount)
    {
        ScriptedAnswers::OnDialog(IDD_DOTAZ_VYBAVENI, [station, mixingCount](CDialog& d) {
            if (station)
                UiTest::Click(d.GetDlgItem(station));
            if (mixingCount)
            {
                UiTest::Click(d.GetDlgItem(IDC_DV_MIXING));
                d.SetDlgItemText(IDC_DV_COUNT, std::to_string(mixingCount).c_str());
            }
            UiTest::Click(d.GetDlgItem(IDC_DV_OK));
            return IDCANCEL;
        });
    }
    std::string ReadBillSheets() const
    {
        const char* script = R"(
import sys, xlrd
book = xlrd.open_workbook(sys.argv[1])
for name in ("MateriPodlah", "MateriStenov"):
    sheet = book.sheet_by_name(name)
    head = sheet.row_values(0)
    for r in range(1, sheet.nrows):
        row = dict(zip(head, sheet.row_values(r)))
        print(name, row["Pořadí"], row["Kód položky"], row["Množství"], row["Cena"], row["Hodnota"])
)";
        return RunPython(script, {QString::fromUtf8(m_project.Path().GetString())});
    }

    WorkbookCopy m_catalogue{"ZVK-9001.XLS"};
    WorkbookCopy m_data{"MekrData.xls"};
    WorkbookCopy m_project{"MekrOrig.xls", "akce.kzn"};
};

} // namespace

TEST_F(BillDialogTest, FloorBillRoadEditedQuantityStoredAndReplaced)
{
    const auto grid = DesignGrid(kFloorHeadings, {FloorCircuit("20", "150", "1"), FloorCircuit("30", "200", "1"),
                                                  FloorCircuit("50", "40", "2"), FloorCircuit("10", "0", "0")});
    grid->SetItemText(1, 12, "20240115090000"); // a build-up with the nopped board (item 14)
    AnswerEquipment(0, 0);                     // VSS offered with pipe 4, taken as it is
    ScriptedAnswers::AnswerBox(IDOK);          // the editing hint
    ScriptedAnswers::OnDialog(IDD_BILANCE_MAT, [this](CDialog& d) {
        auto& bill = static_cast<CBilanceMatPodlah&>(d);
        EXPECT_EQ(bill.m_nFloorSystemItem, 14);
        EXPECT_EQ(bill.m_nCircuits, 3);
        EXPECT_EQ(bill.m_nManifolds, 2);
        EXPECT_EQ(bill.m_grid.GetItemText(1, 0), "001");
        EXPECT_EQ(bill.m_grid.GetItemText(1, CBilanceMatPodlah::ColCode), "9001-0004");
        EXPECT_EQ(bill.m_grid.GetItemText(1, CBilanceMatPodlah::ColQuantity), "410"); // 390 + 4 × 5
        EXPECT_EQ(bill.m_grid.GetItemText(1, CBilanceMatPodlah::ColPrice), "30,-");   // 29.9
        EXPECT_EQ(bill.m_grid.GetItemText(1, CBilanceMatPodlah::ColValue), "12300,-");
        EXPECT_EQ(bill.m_grid.GetItemText(1, CBilanceMatPodlah::ColHeading), "PODLAHOVÉ VYTÁPĚNÍ");
        // Two manifolds: 3 outlets and 2 outlets, both with the 550 cabinet (merged into 2).
        const int cabinet = RowOf(bill, "9001-0054");
        EXPECT_GT(cabinet, 0);
        EXPECT_EQ(bill.m_grid.GetItemText(cabinet, CBilanceMatPodlah::ColQuantity), "2");
        EXPECT_EQ(bill.m_grid.GetItemText(RowOf(bill, "9001-0019"), CBilanceMatPodlah::ColQuantity), "6");
        EXPECT_EQ(bill.m_grid.GetItemText(RowOf(bill, "9001-0014"), CBilanceMatPodlah::ColQuantity), "110");
        EXPECT_EQ(Text(d, IDC_BM_SPACING), "0.268"); // 110 m² / 410 m
        EXPECT_TRUE(d.GetDlgItem(IDC_BM_PER_WATT)->IsWindowVisible());

        // Editing: only the quantity; a negative one is 0, a fraction rounds up; totals follow.
        EXPECT_EQ(Notify(bill, GVN_BEGINLABELEDIT, 1, CBilanceMatPodlah::ColPrice), -1);
        EXPECT_EQ(Notify(bill, GVN_BEGINLABELEDIT, 0, CBilanceMatPodlah::ColQuantity), -1);
        EXPECT_EQ(Notify(bill, GVN_BEGINLABELEDIT, 1, CBilanceMatPodlah::ColQuantity), 0);
        const CString before = Text(d, IDC_BM_TOTAL);
        bill.m_grid.SetItemText(1, CBilanceMatPodlah::ColQuantity, "-3");
        Notify(bill, GVN_ENDLABELEDIT, 1, CBilanceMatPodlah::ColQuantity);
        EXPECT_EQ(bill.m_grid.GetItemText(1, CBilanceMatPodlah::ColQuantity), "0");
        EXPECT_EQ(bill.m_grid.GetItemText(1, CBilanceMatPodlah::ColValue), "0,-");
        EXPECT_EQ(PriceOfText(Text(d, IDC_BM_TOTAL)), PriceOfText(before) - 12300.0);
        bill.m_grid.SetItemText(1, CBilanceMatPodlah::ColQuantity, "2.2");
        Notify(bill, GVN_ENDLABELEDIT, 1, CBilanceMatPodlah::ColQuantity);
        EXPECT_EQ(bill.m_grid.GetItemText(1, CBilanceMatPodlah::ColQuantity), "3");
        EXPECT_EQ(bill.m_grid.GetItemText(1, CBilanceMatPodlah::ColValue), "90,-");
        EXPECT_EQ(PriceOfText(Text(d, IDC_BM_TOTAL)), PriceOfText(before) - 12300.0 + 90.0);
        EXPECT_TRUE(DialogShot::Render(d, Picture("dialog-296.png")));
        UiTest::Click(d.GetDlgItem(IDOK));
        return IDCANCEL;
    });
    CBilanceMatPodlah bill;
    bill.m_pDesignGrid = grid.get();
    bill.m_nDesignKind = kBillFloor;
    ASSERT_EQ(bill.DoModal(), IDOK);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    const CString hint = ScriptedAnswers::ShownBoxes()[0].text;
    EXPECT_EQ(hint.Find("Nyní je možno upravit"), 0);
    EXPECT_LT(hint.Find("mísící sady"), 0);
    EXPECT_GT(hint.Find("samostatné rozdělovače"), 0);

    const std::string stored = ReadBillSheets();
    EXPECT_EQ(stored.rfind("MateriPodlah 001 9001-0004 3 30,- 90,-\nMateriPodlah 002 9001-0078 2 ", 0), 0u) << stored;
    EXPECT_EQ(stored.find(" 0 "), std::string::npos) << stored; // no zero rows
    EXPECT_EQ(stored.find("MateriStenov"), std::string::npos) << stored;

    // A second bill replaces the first; numbering starts again at "001".
    ScriptedAnswers::Reset();
    AnswerEquipment(IDC_DV_VSV, 2);
    ScriptedAnswers::AnswerBox(IDOK);
    ScriptedAnswers::OnDialog(IDD_BILANCE_MAT, [](CDialog& d) {
        auto& bill = static_cast<CBilanceMatPodlah&>(d);
        EXPECT_EQ(bill.m_grid.GetItemText(RowOf(bill, "9001-0258"), CBilanceMatPodlah::ColQuantity), "2");
        EXPECT_GT(RowOf(bill, "9001-0059"), 0);
        UiTest::Click(d.GetDlgItem(IDOK));
        return IDCANCEL;
    });
    CBilanceMatPodlah again;
    again.m_pDesignGrid = grid.get();
    again.m_nDesignKind = kBillFloor;
    ASSERT_EQ(again.DoModal(), IDOK);
    EXPECT_GT(ScriptedAnswers::ShownBoxes()[0].text.Find("mísící sady"), 0);
    const std::string replaced = ReadBillSheets();
    EXPECT_EQ(replaced.rfind("MateriPodlah 001 9001-0004 410 ", 0), 0u) << replaced;
    EXPECT_NE(replaced.find("9001-0258 2 "), std::string::npos) << replaced;
    EXPECT_EQ(replaced.find("9001-0019"), std::string::npos) << replaced;
}

TEST_F(BillDialogTest, CancelledQuestionAndOverloadedManifoldEndUnseen)
{
    const auto grid = DesignGrid(kFloorHeadings, {FloorCircuit("20", "150", "1")});
    ScriptedAnswers::OnDialog(IDD_DOTAZ_VYBAVENI, [](CDialog& d) {
        UiTest::Click(d.GetDlgItem(IDCANCEL));
        return IDCANCEL;
    });
    CBilanceMatPodlah cancelled;
    cancelled.m_pDesignGrid = grid.get();
    cancelled.m_nDesignKind = kBillFloor;
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
    EXPECT_EQ(ReadBillSheets(), "");

    std::vector<std::map<const char*, const char*>> rows(13, FloorCircuit("10", "60", "4"));
    const auto crowded = DesignGrid(kFloorHeadings, rows);
    AnswerEquipment(0, 0);
    CBilanceMatPodlah stopped;
    stopped.m_pDesignGrid = crowded.get();
    stopped.m_nDesignKind = kBillFloor;
    EXPECT_EQ(stopped.DoModal(), kBillStopped);
    EXPECT_EQ(stopped.m_nStopManifold, 4);
    EXPECT_EQ(stopped.m_nStopCount, 13);
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
}

TEST_F(BillDialogTest, WallBillInAnotherLanguageHidesTheFloorRatios)
{
    AppSettings::Get().Language = "En";
    const auto grid =
        DesignGrid(kWallHeadings, {{{"Plocha okr.", "4"}, {"Délka trubky", "80"}, {"Počet segm.", "3"},
                                    {"přívod [m]", "6"}, {"Rozdělovač", "1"}}});
    ScriptedAnswers::AnswerBox(IDOK);
    ScriptedAnswers::OnDialog(IDD_BILANCE_MAT, [](CDialog& d) {
        auto& bill = static_cast<CBilanceMatPodlah&>(d);
        EXPECT_EQ(bill.m_grid.GetItemText(1, CBilanceMatPodlah::ColCode), "9001-0102");
        EXPECT_EQ(bill.m_grid.GetItemText(1, CBilanceMatPodlah::ColPrice), "18.90");
        EXPECT_EQ(bill.m_grid.GetItemText(1, CBilanceMatPodlah::ColValue), "1512.00");
        for (int id : {IDC_BM_PER_WATT, IDC_BM_PER_AREA, IDC_BM_SPACING, IDC_BM_SPACING_LABEL})
            EXPECT_FALSE(d.GetDlgItem(id)->IsWindowVisible()) << id;
        EXPECT_TRUE(d.GetDlgItem(IDC_BM_TOTAL)->IsWindowVisible());
        return IDCANCEL;
    });
    CBilanceMatPodlah bill;
    bill.m_pDesignGrid = grid.get();
    bill.m_nDesignKind = kBillWall;
    EXPECT_EQ(bill.DoModal(), IDCANCEL);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_LT(ScriptedAnswers::ShownBoxes()[0].text.Find("mísící sady"), 0);
    EXPECT_EQ(ReadBillSheets(), ""); // Cancel stores nothing
}

TEST_F(BillDialogTest, EquipmentQuestionStationEnterAndCount)
{
    struct Case
    {
        int offer;
        int click;
        int station;
    };
    for (const Case& c : {Case{1, 0, kStationVss}, Case{1, IDC_DV_VSV, kStationVsv}, Case{0, 0, kStationVsv}})
    {
        ScriptedAnswers::Reset();
        CDotazVybaveni question;
        question.m_nOfferStation = c.offer;
        ScriptedAnswers::OnDialog(IDD_DOTAZ_VYBAVENI, [&c](CDialog& d) {
            EXPECT_EQ(d.GetDlgItem(IDC_DV_VSS)->IsWindowVisible(), c.offer != 0);
            EXPECT_EQ(d.GetDlgItem(IDC_DV_STATION_GROUP)->IsWindowVisible(), c.offer != 0);
            EXPECT_FALSE(d.GetDlgItem(IDC_DV_COUNT)->IsWindowVisible());
            if (c.click)
                UiTest::Click(d.GetDlgItem(c.click));
            if (c.offer && !c.click)
            {
                EXPECT_TRUE(DialogShot::Render(d, Picture("dialog-299.png")));
            }
            UiTest::Click(d.GetDlgItem(IDC_DV_OK));
            return IDCANCEL;
        });
        EXPECT_EQ(question.DoModal(), IDOK);
        EXPECT_EQ(question.m_nStationKind, c.station);
        EXPECT_EQ(question.m_bMixingSets, 0);
    }

    ScriptedAnswers::Reset();
    CDotazVybaveni question;
    ScriptedAnswers::OnDialog(IDD_DOTAZ_VYBAVENI, [](CDialog& d) {
        UiTest::Click(d.GetDlgItem(IDC_DV_MIXING));
        EXPECT_TRUE(d.GetDlgItem(IDC_DV_COUNT)->IsWindowVisible());
        EXPECT_TRUE(d.GetDlgItem(IDC_DV_COUNT_LABEL)->IsWindowVisible());
        UiTest::TypeInto(d.GetDlgItem(IDC_DV_COUNT), "x");
        UiTest::PressKey(VK_RETURN); // Enter confirms nothing
        EXPECT_TRUE(d.IsWindowVisible());
        ScriptedAnswers::AnswerBox(IDOK);
        UiTest::Click(d.GetDlgItem(IDC_DV_OK)); // "x" is no count: refused, stays open
        EXPECT_TRUE(d.IsWindowVisible());
        d.SetDlgItemText(IDC_DV_COUNT, "3");
        UiTest::Click(d.GetDlgItem(IDC_DV_OK));
        return IDCANCEL;
    });
    EXPECT_EQ(question.DoModal(), IDOK);
    EXPECT_EQ(question.m_bMixingSets, 1);
    EXPECT_EQ(question.m_nCount, 3);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, "Zadejte celé číslo.");
}
