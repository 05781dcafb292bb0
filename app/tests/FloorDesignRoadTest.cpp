// The floor heating design as a user goes through it, off screen and driven by control ids: the
// command on a project with rooms, the design press, the circuit panel, the construction
// parameters, the manifolds, the bill, deleting circuits, saving and opening the design again.

#include "DesignerRoad.h"
#include "FloorProjectFixture.h"

#include "app/MekrIds.h"
#include "common/AppSettings.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/dialogs/CIndexyRozdelovace.h"
#include "floorwall/dialogs/CKalkulackaPodlah.h"
#include "floorwall/dialogs/CNavrhPodlahovky.h"
#include "floorwall/dialogs/CircuitPanelIds.h"
#include "floorwall/dialogs/FloorBuildUpIds.h"
#include "floorwall/dialogs/FloorWallDialogIds.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/NumberReading.h"
#include "testing/GridTexts.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QFile>
#include <algorithm>

namespace
{
const char* const kNumber = "Číslo                Místnosti";
constexpr int kLabel = 0, kSpacing = 18, kLoop = 19, kManifold = 30;

class FloorDesignRoadTest : public FloorProjectFixture
{
protected:
    void SetUp() override
    {
        MekrFixture::SetUp();
        // A large living room with three circuits, bathroom with a radiator and one circuit, hall with one.
        StartOnProject({{{kNumber, "1.01"}, {"TYP_ZAZNAMU", "2"}, {"NázevM", "Obývák"}, {"TeplotaM", "20"},
                        {"ZTRATA_PODL", "7500"}, {"Plocha", "160"}},
                       {{kNumber, "1.01/A"}, {"TYP_ZAZNAMU", "4"}, {"Pl_Využitá", "50"}},
                       {{kNumber, "1.01/B"}, {"TYP_ZAZNAMU", "4"}, {"Pl_Využitá", "50"}},
                       {{kNumber, "1.01/C"}, {"TYP_ZAZNAMU", "4"}, {"Pl_Využitá", "50"}},
                       {{kNumber, "1.02"}, {"TYP_ZAZNAMU", "2"}, {"NázevM", "Koupelna"}, {"TeplotaM", "24"},
                        {"ZTRATA_PODL", "400"}, {"Pl_Využitá", "5"}},
                       {{kNumber, "1.02/A"}, {"TYP_ZAZNAMU", "4"}, {"Pl_Využitá", "5"}},
                       {{kNumber, "1.02"}, {"TYP_ZAZNAMU", "3"}, {"Vytápění", "250"}},
                       {{kNumber, "1.03"}, {"TYP_ZAZNAMU", "2"}, {"NázevM", "Chodba"}, {"TeplotaM", "18"},
                        {"ZTRATA_PODL", "300"}},
                       {{kNumber, "1.03/A"}, {"TYP_ZAZNAMU", "4"}, {"Pl_Využitá", "7"}}});
    }

    static std::vector<CString> Column(CNavrhPodlahovky& d, int column) { return ColumnTexts(d.m_grid, column); }
    static int RowOf(CGridCtrl& grid, const char* label) { return RowWithText(grid, 0, label); }
    static void PressDelete(CNavrhPodlahovky& d, int row)
    {
        d.m_grid.SetFocus();
        d.m_grid.SetFocusCell(row, 1);
        UiTest::PressKey(VK_DELETE);
    }
    static bool Shown(UINT id)
    {
        const auto& shown = ScriptedAnswers::ShownDialogs();
        return std::find(shown.begin(), shown.end(), id) != shown.end();
    }
    static std::vector<CString> BoxTexts()
    {
        std::vector<CString> texts;
        for (const MessageBoxRequest& box : ScriptedAnswers::ShownBoxes())
            texts.push_back(box.text);
        return texts;
    }

};

TEST_F(FloorDesignRoadTest, DesignEditBillDeleteSaveAndOpenAgain)
{
    std::vector<CString> labels, spacings, loops, manifolds;
    bool opened = false;
    ScriptedAnswers::OnDialog(IDD_NAVRH_PODLAHOVKY, [&](CDialog& dlg) {
        auto& d = static_cast<CNavrhPodlahovky&>(dlg);
        opened = true;
        EXPECT_EQ(Column(d, kLabel), (std::vector<CString>{"1.01/A", "1.01/B", "1.01/C", "1.02/A", "1.03/A"}));

        // The design press with a spread of 6 K: the sigma question, answered No, then every
        // circuit gets its spacing and loop.
        AppSettings::Get().DesignFlowTemperature = 46.0;
        AppSettings::Get().DesignReturnTemperature = 40.0;
        AppSettings::Get().TemperaturePair = "45#40";
        ScriptedAnswers::AnswerBox(IDNO);
        UiTest::Click(d.GetDlgItem(IDC_NP_DESIGN));
        EXPECT_EQ(BoxTexts(), std::vector<CString>{"Rozdíl teplot 'sigma' by neměl převyšovat 5 °K\n (nyní je "
                                                   "nastaven na 6.0 °K)!\nPoužít nastavenou hodnotu ?"});
        ScriptedAnswers::ForgetShown();
        const std::vector<CString> designedLabels = Column(d, kLabel);
        CString caption;
        d.GetDlgItem(IDC_NP_DESIGN)->GetWindowText(caption);
        EXPECT_EQ(caption, "Dle uži&vatele");
        for (int row = 1; row < d.m_grid.GetRowCount(); ++row)
        {
            EXPECT_GT(ReadNumber(d.m_grid.GetItemText(row, kSpacing)), 0.0) << row;
            EXPECT_GT(ReadNumber(d.m_grid.GetItemText(row, kLoop)), 0.0) << row;
        }

        // "Upravit" on the hall's circuit: the panel's first variant taken.
        CString variant;
        ScriptedAnswers::OnDialog(IDD_KALKULACKA_PODLAH, [&](CDialog& p) {
            auto& panel = static_cast<CKalkulackaPodlah&>(p);
            EXPECT_GT(panel.m_grid.GetRowCount(), 1);
            const int last = panel.m_grid.GetRowCount() - 1;
            variant = panel.m_grid.GetItemText(last, 0);
            panel.m_grid.SetSelectedRange(last, 0, last, 10);
            UiTest::Click(panel.GetDlgItem(IDC_KP_TAKE));
            return IDCANCEL;
        });
        const int hall = RowOf(d.m_grid, "1.03/A");
        d.m_grid.SetSelectedRange(hall, 0, hall, 29);
        UiTest::Click(d.GetDlgItem(IDC_NP_EDIT));
        EXPECT_TRUE(Shown(IDD_KALKULACKA_PODLAH));
        EXPECT_DOUBLE_EQ(ReadNumber(d.m_grid.GetItemText(RowOf(d.m_grid, "1.03/A"), kSpacing)), ReadNumber(variant))
            << variant.GetString();
        EXPECT_EQ(d.m_design.m_bUnsaved, 1);

        // A double click on the bathroom: its construction parameters, OK.
        ScriptedAnswers::OnDialog(IDD_DRUHY_KONSTRUKCI, [](CDialog& c) {
            UiTest::Click(c.GetDlgItem(IDC_DK_OK));
            return IDCANCEL;
        });
        NotifyGrid(d, d.m_grid, IDC_NP_GRID, UINT(GVN_DBLCLK), RowOf(d.m_grid, "1.02/A"), 1);
        EXPECT_TRUE(Shown(IDD_DRUHY_KONSTRUKCI));
        EXPECT_EQ(Column(d, kLabel), designedLabels);

        // "Rozdělovače": every offered circuit put on manifold 1.
        const size_t count = designedLabels.size();
        std::vector<CString> offered;
        DesignerRoad::AnswerManifolds(&offered);
        UiTest::Click(d.GetDlgItem(IDC_NP_MANIFOLDS));
        EXPECT_TRUE(Shown(IDD_INDEXY_ROZDELOVACE));
        EXPECT_EQ(offered.size(), count);
        EXPECT_EQ(Column(d, kManifold), std::vector<CString>(count, "1"));

        // "Materiál": the equipment question, the editing hint, the bill OK.
        ScriptedAnswers::ForgetShown();
        ScriptedAnswers::OnDialog(IDD_DOTAZ_VYBAVENI, [](CDialog& q) {
            UiTest::Click(q.GetDlgItem(IDC_DV_OK));
            return IDCANCEL;
        });
        ScriptedAnswers::AnswerBox(IDOK);
        ScriptedAnswers::OnDialog(IDD_BILANCE_MAT, [](CDialog& bill) {
            UiTest::Click(bill.GetDlgItem(IDOK));
            return IDCANCEL;
        });
        UiTest::Click(d.GetDlgItem(IDC_NP_MATERIALS));
        EXPECT_TRUE(Shown(IDD_BILANCE_MAT));

        // Deleting B of A, B, C...: the old C becomes B with its share of B's area, and the
        // room's circuits wait for a new design.
        const std::vector<CTopnyOkruh*>& living = d.m_design.m_rooms[0]->m_floorCircuits;
        if (living.size() < 3u)
        {
            ADD_FAILURE() << "the living room has " << living.size() << " circuits";
            return IDCANCEL;
        }
        const double areaB = living[1]->m_dOccupiedArea;
        const double areaC = living[2]->m_dOccupiedArea;
        const size_t before = living.size();
        std::vector<CString> afterDelete = designedLabels;
        afterDelete.erase(std::find(afterDelete.begin(), afterDelete.end(),
                                    "1.01/" + CString::FromCodePoint(char32_t('A' + before - 1))));
        ScriptedAnswers::ForgetShown();
        ScriptedAnswers::AnswerBox(IDYES);
        PressDelete(d, RowOf(d.m_grid, "1.01/B"));
        EXPECT_EQ(BoxTexts(), std::vector<CString>{"Opravdu smazat položku :\n'1.01/B' ?"});
        EXPECT_EQ(Column(d, kLabel), afterDelete);
        EXPECT_EQ(living.size(), before - 1);
        if (living.size() > 1u)
            EXPECT_DOUBLE_EQ(living[1]->m_dOccupiedArea, areaC + areaB / double(before - 1));
        EXPECT_EQ(d.m_grid.GetItemText(RowOf(d.m_grid, "1.01/B"), kManifold), "1");
        // The bathroom's only circuit: refused, the room has a radiator.
        ScriptedAnswers::ForgetShown();
        ScriptedAnswers::AnswerBox(IDYES);
        PressDelete(d, RowOf(d.m_grid, "1.02/A"));
        EXPECT_EQ(BoxTexts().back(), "Nelze smazat, je to položka místnosti!!");
        EXPECT_NE(RowOf(d.m_grid, "1.02/A"), -1);

        // OK after the edits asks; Cancel keeps the dialog, and so does Cancel after Cancel.
        ScriptedAnswers::ForgetShown();
        ScriptedAnswers::AnswerBox(IDCANCEL);
        UiTest::Click(d.GetDlgItem(IDOK));
        ScriptedAnswers::AnswerBox(IDCANCEL);
        UiTest::Click(d.GetDlgItem(IDCANCEL));
        EXPECT_EQ(BoxTexts(), (std::vector<CString>{"Uložit provedené změny?", "Uložit provedené změny?"}));
        EXPECT_TRUE(d.IsWindowVisible());

        labels = Column(d, kLabel);
        spacings = Column(d, kSpacing);
        loops = Column(d, kLoop);
        manifolds = Column(d, kManifold);
        UiTest::Click(d.GetDlgItem(IDC_NP_SAVE));
        ScriptedAnswers::ForgetShown();
        UiTest::Click(d.GetDlgItem(IDOK)); // saved: no question
        EXPECT_EQ(BoxTexts(), std::vector<CString>{});
        return 77;
    });
    Command(ID_FLOOR_DESIGN);
    ASSERT_TRUE(opened);
    ASSERT_FALSE(labels.empty());

    // The bill and the circuits as the workbook holds them.
    EXPECT_FALSE(ReadSheet(m_project, "MateriPodlah$").empty());
    std::vector<CString> storedLabels;
    for (const SheetRow& row : ResultRows(m_project))
        if (row.count("TYP_ZAZNAMU") && row.at("TYP_ZAZNAMU") == "4")
        {
            const size_t i = storedLabels.size();
            storedLabels.push_back(row.at(kNumber));
            if (i >= labels.size())
                continue;
            EXPECT_DOUBLE_EQ(ReadNumber(row.at("Rozteč Trubek")), ReadNumber(spacings[i])) << i;
            EXPECT_NEAR(ReadNumber(row.at("Délka Topení")), ReadNumber(loops[i]), 0.05) << i;
            EXPECT_EQ(row.at("Rozdělovač"), "1") << i;
        }
    EXPECT_EQ(storedLabels, labels);

    // Opened again: the stored design as it was shown.
    ScriptedAnswers::Reset();
    ScriptedAnswers::OnDialog(IDD_NAVRH_PODLAHOVKY, [&](CDialog& dlg) {
        auto& d = static_cast<CNavrhPodlahovky&>(dlg);
        CString caption;
        d.GetDlgItem(IDC_NP_DESIGN)->GetWindowText(caption);
        EXPECT_EQ(caption, "Dle uži&vatele");
        EXPECT_EQ(Column(d, kLabel), labels);
        EXPECT_EQ(Column(d, kSpacing), spacings);
        EXPECT_EQ(Column(d, kLoop), loops);
        EXPECT_EQ(Column(d, kManifold), manifolds);
        return IDCANCEL;
    });
    Command(ID_FLOOR_DESIGN);
    EXPECT_TRUE(Shown(IDD_NAVRH_PODLAHOVKY));
}
} // namespace
