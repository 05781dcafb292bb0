// The distribution sizing dialogs driven off screen by control id: section data, pipe sizing
// and the sizing of a whole distribution on a new project, with pictures for a person to look at.
#include "../../tests/HydraulicsFixtures.h"

#include "common/AppSettings.h"
#include "controls/grid/CGridCellBase.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "hydraulics/CDimenzUsek.h"
#include "hydraulics/DistributionSheet.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/PipeLoss.h"
#include "hydraulics/ui/CDimenzRozvodu.h"
#include "hydraulics/ui/CDimenzTrubek.h"
#include "hydraulics/ui/CSegment.h"
#include "hydraulics/ui/SizingIds.h"
#include "platform/ui/DialogShot.h"
#include "platform/ui/KeyMap.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace
{
std::string PicturePath(const char* name)
{
    QDir().mkpath(QStringLiteral(KALVENROD_PICTURE_DIR));
    return std::string(KALVENROD_PICTURE_DIR) + "/" + name;
}

CString Text(CDialog& dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

void Type(CDialog& dialog, int id, const char* text)
{
    dialog.SetDlgItemText(id, text);
}

// Leaves a field as the user does: the focus goes to the next one.
void Leave(CDialog& dialog, int id)
{
    dialog.GetDlgItem(id)->SetFocus();
    dialog.GetDlgItem(IDC_SEGMENT_DESIGNATION) == dialog.GetDlgItem(id)
        ? dialog.GetDlgItem(IDC_SEGMENT_FLOW)->SetFocus()
        : dialog.GetDlgItem(IDC_SEGMENT_DESIGNATION)->SetFocus();
    UiTest::ProcessEvents();
}

class SizingDialogsTest : public ::testing::TestWithParam<char>
{
protected:
    // Before the fixture's dialog exists.
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }
    void SetUp() override
    {
        ScriptedAnswers::Reset();
        AppSettings::Get().SetStartValues(0xC0C0C0);
        AppSettings::Get().PathList = m_catalogue.Folder();
        AppSettings::Get().CurrentProjectPath() = m_project.Path();
    }
    void TearDown() override
    {
        EXPECT_TRUE(ScriptedAnswers::UnansweredDialogs().empty());
        ScriptedAnswers::Reset();
    }

    // A section dialog answered with these values (or cancelled).
    // The texts are kept by the answer: it runs after the caller's temporaries are gone.
    static void AnswerSection(CString designation, CString flow, CString length, CString xi,
                              CString* proposed = nullptr)
    {
        ScriptedAnswers::OnDialog(IDD_SEGMENT, [=](CDialog& d) {
            if (proposed)
                *proposed = Text(d, IDC_SEGMENT_NUMBER);
            Type(d, IDC_SEGMENT_DESIGNATION, designation);
            Type(d, IDC_SEGMENT_FLOW, flow);
            Type(d, IDC_SEGMENT_LENGTH, length);
            Type(d, IDC_SEGMENT_RESISTANCES, xi);
            UiTest::Click(d.GetDlgItem(IDC_SEGMENT_OK));
            return IDCANCEL;
        });
    }

    static void Notify(CDimenzRozvodu& dialog, int code, int row)
    {
        GridNotify notify;
        notify.hdr.hwndFrom = dialog.m_grid.GetSafeHwnd();
        notify.hdr.idFrom = IDC_SIZING_GRID;
        notify.hdr.code = UINT(code);
        notify.iRow = row;
        notify.iColumn = 1;
        dialog.SendMessage(WM_NOTIFY, IDC_SIZING_GRID, reinterpret_cast<LPARAM>(&notify));
    }

    ScopedDecimalSeparator m_locale{GetParam()};
    WorkbookCopy m_catalogue{"ZVK-9001.XLS"};
    WorkbookCopy m_project{"MekrOrig.xls", "Projekt.XLS"};
};

TEST_P(SizingDialogsTest, SectionDataTidiesNumbersAndRefusesNegativeOnes)
{
    CSegment dialog;
    dialog.m_dPipeLength = 4.0;
    const char separator = GetParam();
    ScriptedAnswers::OnDialog(IDD_SEGMENT, [separator](CDialog& d) {
        EXPECT_EQ(Text(d, IDC_SEGMENT_LENGTH), Typed("4.000", separator));
        Type(d, IDC_SEGMENT_LENGTH, "2,5");
        Leave(d, IDC_SEGMENT_LENGTH);
        EXPECT_EQ(Text(d, IDC_SEGMENT_LENGTH), Typed("2.500", separator));
        Type(d, IDC_SEGMENT_FLOW, "abc");
        Leave(d, IDC_SEGMENT_FLOW);
        EXPECT_EQ(Text(d, IDC_SEGMENT_FLOW), Typed("0.000", separator));
        d.SendMessage(WM_COMMAND, IDOK, 0); // Enter moves on, the dialog stays
        EXPECT_TRUE(d.IsWindowVisible());
        Type(d, IDC_SEGMENT_RESISTANCES, "-1");
        UiTest::Click(d.GetDlgItem(IDC_SEGMENT_OK));
        EXPECT_TRUE(d.IsWindowVisible());
        EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_SEGMENT_RESISTANCES));
        Type(d, IDC_SEGMENT_RESISTANCES, "0.25");
        UiTest::Click(d.GetDlgItem(IDC_SEGMENT_OK));
        return IDCANCEL;
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_dPipeLength, 2.5);
    EXPECT_EQ(dialog.m_dFlow, 0.0);
    EXPECT_EQ(dialog.m_dInsertedResistances, 0.25);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, "Hodnota nesmí být záporná.");
}

TEST_P(SizingDialogsTest, PipeSizingAsCalculatorAndForASection)
{
    const std::vector<PipeChoice> pipes = LoadDistributionPipes(AppSettings::Get().PathList);
    ASSERT_EQ(pipes.size(), 9u);
    CDimenzTrubek calculator;
    calculator.m_pipes = pipes;
    ScriptedAnswers::OnDialog(IDD_DIMENZ_TRUBEK, [&pipes](CDialog& d) {
        auto& dialog = static_cast<CDimenzTrubek&>(d);
        EXPECT_EQ(dialog.m_grid.GetRowCount(), 10);
        const auto one = *ComputePipeLoss(pipes[0].code, 1.0, 1.0, 0.0);
        EXPECT_EQ(dialog.m_grid.GetItemText(1, 7), WriteNumber("%.2f", one.total));
        Type(d, IDC_PIPES_FLOW, "150");
        d.GetDlgItem(IDC_PIPES_FLOW)->SetFocus();
        d.GetDlgItem(IDC_PIPES_CHOOSE)->SetFocus();
        UiTest::ProcessEvents();
        const auto more = *ComputePipeLoss(pipes[0].code, 150.0, 1.0, 0.0);
        EXPECT_EQ(dialog.m_grid.GetItemText(1, 3), WriteNumber("%.2f", more.perMetre));
        d.SendMessage(WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(d.IsWindowVisible());
        EXPECT_TRUE(DialogShot::Render(d, PicturePath("dialog-311.png")));
        UiTest::Click(d.GetDlgItem(IDC_PIPES_CHOOSE)); // nothing chosen: a calculator just closes
        return IDCANCEL;
    });
    EXPECT_EQ(calculator.DoModal(), IDOK);

    CDimenzTrubek forSection;
    forSection.m_pipes = pipes;
    forSection.m_bForSection = TRUE;
    forSection.m_strFlow = Typed("80.5", GetParam());
    forSection.m_dPipeLength = 12.0;
    forSection.m_dInsertedResistances = 3.5;
    forSection.m_strCurrentCode = pipes[2].code;
    ScriptedAnswers::OnDialog(IDD_DIMENZ_TRUBEK, [](CDialog& d) {
        EXPECT_TRUE((d.GetDlgItem(IDC_PIPES_FLOW)->GetStyle() & ES_READONLY) != 0);
        UiTest::Click(d.GetDlgItem(IDC_PIPES_CHOOSE));
        return IDCANCEL;
    });
    ASSERT_EQ(forSection.DoModal(), IDOK);
    EXPECT_EQ(forSection.m_strResultCode, pipes[2].code);
    EXPECT_EQ(forSection.m_strResultItem, pipes[2].item);
    EXPECT_DOUBLE_EQ(forSection.m_dResultLoss, ComputePipeLoss(pipes[2].code, 80.5, 12.0, 3.5)->total);

    CDimenzTrubek nothingChosen;
    nothingChosen.m_pipes = pipes;
    nothingChosen.m_bForSection = TRUE;
    ScriptedAnswers::OnDialog(IDD_DIMENZ_TRUBEK, [](CDialog& d) {
        UiTest::Click(d.GetDlgItem(IDC_PIPES_CHOOSE));
        EXPECT_TRUE(d.IsWindowVisible());
        return IDCANCEL;
    });
    EXPECT_EQ(nothingChosen.DoModal(), IDCANCEL);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes().back().text, "Nebyla vybrána varianta!");
}

TEST_P(SizingDialogsTest, UserSizesADistributionOnANewProject)
{
    const std::vector<PipeChoice> pipes = LoadDistributionPipes(AppSettings::Get().PathList);
    ASSERT_EQ(pipes.size(), 9u);
    const char separator = GetParam();
    CString proposed;
    AnswerSection("Kotelna", "0", Typed("10.0", separator), "2", &proposed);
    ScriptedAnswers::OnDialog(IDD_DIMENZ_ROZVODU, [&](CDialog& d) {
        auto& dialog = static_cast<CDimenzRozvodu&>(d);
        CGridCtrl& grid = dialog.m_grid;
        EXPECT_EQ(proposed, "1");
        EXPECT_EQ(grid.GetRowCount(), 2);
        EXPECT_EQ(grid.GetItemText(1, 1), "Kotelna");

        // Two children with flows: each new one goes in directly below the clicked row.
        AnswerSection("Větev A", Typed("100.5", separator), "5", Typed("1.5", separator));
        Notify(dialog, GVN_RCLICK, 1);
        AnswerSection("Větev B", "60", "8", "0,25");
        Notify(dialog, GVN_RCLICK, 1);
        EXPECT_EQ(grid.GetRowCount(), 4);
        EXPECT_EQ(grid.GetItemText(2, 1), "Větev B");
        EXPECT_EQ(grid.GetItemText(3, 1), "Větev A");
        EXPECT_EQ(grid.GetItemText(1, 5), WriteNumber("%.3f", 160.5)); // the root carries the sum

        // Ctrl + right click on a child: the pipe sizing with the flow read-only; a pipe chosen.
        for (int row : {3, 2})
        {
            ScriptedAnswers::OnDialog(IDD_DIMENZ_TRUBEK, [row](CDialog& p) {
                auto& pipesDialog = static_cast<CDimenzTrubek&>(p);
                EXPECT_TRUE((p.GetDlgItem(IDC_PIPES_FLOW)->GetStyle() & ES_READONLY) != 0);
                pipesDialog.m_grid.SetSelectedRange(row == 3 ? 4 : 7, 0, row == 3 ? 4 : 7, 8);
                UiTest::Click(p.GetDlgItem(IDC_PIPES_CHOOSE));
                return IDCANCEL;
            });
            KeyMap::SetModifiers(Qt::ControlModifier);
            Notify(dialog, GVN_RCLICK, row);
            KeyMap::SetModifiers(Qt::NoModifier);
        }
        EXPECT_EQ(grid.GetItemText(3, 2), pipes[3].code);
        EXPECT_EQ(grid.GetItemText(2, 2), pipes[6].code);
        const double lossA = ComputePipeLoss(pipes[3].code, 100.5, 5.0, 1.5)->total;
        EXPECT_EQ(grid.GetItemText(3, 9), WriteNumber("%.0f", lossA));

        UiTest::Click(d.GetDlgItem(IDC_SIZING_FLOWS));
        EXPECT_EQ(grid.GetItemText(3, 10), WriteNumber("%.0f", lossA)); // no pipe on the root yet
        EXPECT_TRUE(DialogShot::Render(d, PicturePath("dialog-310.png")));

        // A leaf deleted after the question.
        grid.SetSelectedRange(2, 0, 2, 10);
        ScriptedAnswers::AnswerBox(IDYES);
        MSG key{};
        key.hwnd = grid.GetSafeHwnd();
        key.message = WM_KEYDOWN;
        key.wParam = VK_DELETE;
        EXPECT_TRUE(dialog.PreTranslateMessage(&key));
        EXPECT_EQ(grid.GetRowCount(), 3);
        EXPECT_EQ(grid.GetItemText(2, 1), "Větev A");
        EXPECT_EQ(grid.GetItemText(1, 5), WriteNumber("%.3f", 100.5));
        UiTest::Click(d.GetDlgItem(IDOK));
        return IDCANCEL;
    });
    CDimenzRozvodu dialog;
    ASSERT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_NE(ScriptedAnswers::ShownBoxes()[0].text.Find("Opravdu smazat položku"), -1);

    // Reopened: the tree numbered by rows, with its losses and ξ to three decimals.
    const auto rows = ReadSheet(m_project.Path(), "DimenzSegm$");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(CellText(rows[1], "Pořadí"), "2");
    EXPECT_EQ(CellText(rows[1], "Vřazené odpory"), "1.500");
    EXPECT_EQ(CellText(rows[1], "Kód položky"), pipes[3].code);
    CDimenzRozvodu reader;
    EXPECT_EQ(reader.LoadSections(), 2);
    const CDimenzUsek* leaf = reader.FirstRoot()->FindById(2);
    ASSERT_NE(leaf, nullptr);
    EXPECT_EQ(leaf->m_strDesignation, "Větev A");
    EXPECT_NEAR(leaf->m_dSectionLoss, ComputePipeLoss(pipes[3].code, 100.5, 5.0, 1.5)->total, 0.5);

    // "Zrušit" after changes leaves the sheet as it was.
    ScriptedAnswers::OnDialog(IDD_DIMENZ_ROZVODU, [](CDialog& d) {
        auto& dialog = static_cast<CDimenzRozvodu&>(d);
        AnswerSection("Větev C", "10", "1", "0");
        Notify(dialog, GVN_RCLICK, 1);
        EXPECT_EQ(dialog.m_grid.GetRowCount(), 4);
        return IDCANCEL;
    });
    CDimenzRozvodu cancelled;
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(ReadSheet(m_project.Path(), "DimenzSegm$"), rows);
}

TEST_P(SizingDialogsTest, RowsThatCannotBePlacedAreNamed)
{
    AppendRows(m_project.Path(), "DimenzSegm$",
               {{{"Hladina", "1"}, {"Označení", "A"}}, {{"Hladina", "2"}, {"Označení", "B"}},
                {{"Hladina", "4"}, {"Označení", "X"}}, {{"Hladina", "2"}, {"Označení", "C"}}});
    ScriptedAnswers::OnDialog(IDD_DIMENZ_ROZVODU, [](CDialog& d) {
        auto& dialog = static_cast<CDimenzRozvodu&>(d);
        EXPECT_EQ(dialog.m_grid.GetRowCount(), 4);
        EXPECT_EQ(dialog.m_grid.GetItemText(3, 1), "C");
        return IDCANCEL;
    });
    CDimenzRozvodu dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_NE(ScriptedAnswers::ShownBoxes()[0].text.Find("od řádku 4"), -1);

    // A second root is not shown and would not be saved: its rows count as not read.
    ASSERT_EQ(EmptySheet(m_project.Path(), "DimenzSegm$"), 0);
    AppendRows(m_project.Path(), "DimenzSegm$",
               {{{"Hladina", "1"}, {"Označení", "A"}}, {{"Hladina", "2"}, {"Označení", "B"}},
                {{"Hladina", "1"}, {"Označení", "D"}}});
    CDimenzRozvodu reader;
    EXPECT_EQ(reader.LoadSections(), 2);
    EXPECT_EQ(reader.m_loadResult.firstUnreadRow, 2);
}

TEST_P(SizingDialogsTest, SectionDataPicture)
{
    CSegment dialog;
    dialog.m_strSection = "3";
    dialog.m_strDesignation = "Stoupačka 1";
    dialog.m_dFlow = 245.5;
    dialog.m_dPipeLength = 12.0;
    dialog.m_dInsertedResistances = 4.5;
    ScriptedAnswers::OnDialog(IDD_SEGMENT, [](CDialog& d) {
        EXPECT_TRUE(DialogShot::Render(d, PicturePath("dialog-309.png")));
        return IDCANCEL;
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_P(SizingDialogsTest, SectionsAreFoundByRowWhateverTheirNumbers)
{
    // Two sections with the number 2; the ends of the tree in their own colour.
    AppendRows(m_project.Path(), "DimenzSegm$",
               {{{"Pořadí", "1"}, {"Hladina", "1"}, {"Označení", "A"}},
                {{"Pořadí", "2"}, {"Hladina", "2"}, {"Označení", "B"}, {"Hmot_Průtok", "50"}},
                {{"Pořadí", "2"}, {"Hladina", "2"}, {"Označení", "C"}, {"Hmot_Průtok", "70"}}});
    const std::vector<PipeChoice> pipes = LoadDistributionPipes(AppSettings::Get().PathList);
    ScriptedAnswers::OnDialog(IDD_DIMENZ_ROZVODU, [&pipes](CDialog& d) {
        auto& dialog = static_cast<CDimenzRozvodu&>(d);
        CGridCtrl& grid = dialog.m_grid;
        EXPECT_EQ(grid.GetCell(1, 10)->GetBackClr(), COLORREF(0xF9FFFF));
        EXPECT_EQ(grid.GetCell(3, 10)->GetBackClr(), COLORREF(0x50FFC0));

        // Editing the second "2" changes C, not B.
        ScriptedAnswers::OnDialog(IDD_SEGMENT, [](CDialog& s) {
            EXPECT_EQ(Text(s, IDC_SEGMENT_DESIGNATION), "C");
            Type(s, IDC_SEGMENT_DESIGNATION, "C2");
            UiTest::Click(s.GetDlgItem(IDC_SEGMENT_OK));
            return IDCANCEL;
        });
        Notify(dialog, GVN_DBLCLK, 3);
        EXPECT_EQ(grid.GetItemText(2, 1), "B");
        EXPECT_EQ(grid.GetItemText(3, 1), "C2");

        // A pipe for the second "2" goes to C.
        ScriptedAnswers::OnDialog(IDD_DIMENZ_TRUBEK, [](CDialog& p) {
            static_cast<CDimenzTrubek&>(p).m_grid.SetSelectedRange(1, 0, 1, 8);
            UiTest::Click(p.GetDlgItem(IDC_PIPES_CHOOSE));
            return IDCANCEL;
        });
        KeyMap::SetModifiers(Qt::ControlModifier);
        Notify(dialog, GVN_RCLICK, 3);
        KeyMap::SetModifiers(Qt::NoModifier);
        EXPECT_EQ(grid.GetItemText(2, 2), "");
        EXPECT_EQ(grid.GetItemText(3, 2), pipes[0].code);

        // Deleting the second "2" deletes C.
        grid.SetSelectedRange(3, 0, 3, 10);
        ScriptedAnswers::AnswerBox(IDYES);
        MSG key{};
        key.message = WM_KEYDOWN;
        key.wParam = VK_DELETE;
        EXPECT_TRUE(dialog.PreTranslateMessage(&key));
        EXPECT_EQ(grid.GetRowCount(), 3);
        EXPECT_EQ(grid.GetItemText(2, 1), "B");
        EXPECT_EQ(dialog.FirstRoot()->CountSections(), 2);
        return IDCANCEL;
    });
    CDimenzRozvodu dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

INSTANTIATE_TEST_SUITE_P(Locales, SizingDialogsTest, ::testing::Values('.', ','));
} // namespace
