// Printing the heat-loss reports off screen: the report choice, page setup, the availability of
// Print and Preview, and the pages printed into PDF files and read back.
#include "MekrFixture.h"
#include "ReportPdf.h"

#include "app/CMekrView.h"
#include "app/CMekrDoc.h"
#include "app/CSplashWnd.h"
#include "app/MekrIds.h"
#include "app/PrintIds.h"
#include "app/ReportAvailability.h"
#include "common/AppSettings.h"
#include "heatloss/InputSheet.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "platform/ui/CComboBox.h"
#include "platform/dao/Workbook.h"
#include "platform/core/NumberText.h"
#include "platform/dao/WorkbookFile.h"
#include "platform/frame/FrameIds.h"
#include "platform/gdi/PrintJob.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/DialogShot.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>

#include <string>
#include <utility>
#include <vector>

namespace
{
using namespace ReportPdf;
using Cells = std::vector<std::pair<InputSheet::Column, std::string>>;

Cells Room(int number, const std::string& name, const char* width = "4000")
{
    return {{InputSheet::Number, std::to_string(number)},
            {InputSheet::Name, name},
            {InputSheet::Ti, "20"},
            {InputSheet::Length, "5000"},
            {InputSheet::Width, width},
            {InputSheet::Height, "2600"},
            {InputSheet::Count, "1"},
            {InputSheet::AirExchange, "15"},
            {InputSheet::Orientation, "S"}};
}

Cells Wall()
{
    return {{InputSheet::Name, "SO "},       {InputSheet::Width, "5000"},
            {InputSheet::Height, "2600"},    {InputSheet::TemperatureDifference, "35"},
            {InputSheet::U, "0,3"},          {InputSheet::JointLength, "1"}};
}

Cells Window(const char* count = "1")
{
    return {{InputSheet::Name, "OJ "}, {InputSheet::Width, "1200"}, {InputSheet::Height, "1500"},
            {InputSheet::Count, count}, {InputSheet::U, "1,2"},     {InputSheet::I, "1,4"},
            {InputSheet::JointLength, "5400"}};
}

// Rooms of one wall with windows.
std::vector<Cells> House(int rooms, int walls = 1, int windows = 1)
{
    std::vector<Cells> rows;
    for (int room = 1; room <= rooms; ++room)
    {
        rows.push_back(Room(room, "Pokoj " + std::to_string(room)));
        for (int wall = 0; wall < walls; ++wall)
        {
            rows.push_back(Wall());
            for (int window = 0; window < windows; ++window)
                rows.push_back(Window());
        }
    }
    return rows;
}

class PrintTest : public MekrFixture
{
protected:
    void SetUp() override
    {
        MekrFixture::SetUp();
        ASSERT_TRUE(Start());
        m_view = dynamic_cast<CMekrView*>(m_frame->GetActiveView());
        ASSERT_NE(m_view, nullptr);
        ProjectModel& model = ProjectModel::Instance();
        model.Reset("Novák");
        ProjectHeader& header = model.Header;
        header.investor1 = "Rodinný dům Lhota";
        header.investor2 = "Jan Lhota";
        header.building1 = "Novostavba RD";
        header.building2 = "parc. 12/3";
        header.date = "10-12-2026";
        header.orderNumber = "Z-17";
        header.archiveNumber = "A-4";
        header.Te = -15;
        header.B = 6;
        header.p2 = 0.1;
        header.buildingType = 1;
        header.altitude = "300";
        header.temperatureRegion = "1";
        header.windyLandscape = "ne";
        AppSettings::Get().UserFirm = "Topenáři Lhota s.r.o.";
        AppSettings::Get().UserBase = "Hlavní 1, Lhota";
    }

    void TearDown() override
    {
        ProjectModel::Instance().Reset("");
        MekrFixture::TearDown();
    }

    // The working copy with "SeznamV" (the building row, then these rows) and further sheets of
    // one column with this many rows each; the availability is checked as after a load.
    void WriteProject(const std::vector<Cells>& rows, const std::vector<std::pair<const char*, int>>& others = {})
    {
        workbook::Workbook book;
        workbook::Worksheet& sheet = book.AddSheet("SeznamV");
        for (int column = 0; column < InputSheet::ColumnCount; ++column)
            sheet.SetText(0, column, InputSheet::ColumnName(InputSheet::Column(column)).str());
        sheet.SetText(1, InputSheet::Name, "objekt");
        int row = 2;
        for (const Cells& cells : rows)
        {
            for (const auto& [column, text] : cells)
                sheet.SetText(row, column, text);
            ++row;
        }
        for (const auto& [name, count] : others)
        {
            workbook::Worksheet& other = book.AddSheet(name);
            other.SetText(0, 0, "Kód položky");
            for (int r = 1; r <= count; ++r)
                other.SetText(r, 0, "1000-" + std::to_string(r));
        }
        m_project = FolderPath("data") + "/Projekt.XLS";
        workbook::WriteWorkbook(book, m_project);
        AppSettings::Get().CurrentProjectPath() = m_project.c_str();
        ReportAvailability::Instance().Refresh();
    }

    // The report choice answered with this report, then the print into a PDF file.
    std::string Print(int report, const char* name)
    {
        const std::string pdf = FolderPath(name);
        ScriptedAnswers::OnDialog(IDD_REPORT_CHOICE, [report](CDialog& dialog) {
            UiTest::Click(dialog.GetDlgItem(report == 0 ? IDC_REPORT_0 : IDC_REPORT_1));
            UiTest::Click(dialog.GetDlgItem(IDC_REPORT_OK));
            return IDCANCEL;
        });
        Gdi::SetNextPrintFile(QString::fromStdString(pdf));
        Command(ID_FILE_PRINT);
        return pdf;
    }

    CMekrView* m_view = nullptr;
    std::string m_project;
};

TEST_F(PrintTest, SmallHouseReportsShowTheProjectClimateTotalsAndRooms)
{
    std::vector<Cells> rows = House(5);
    rows[3] = Room(2, "Obývací pokoj s jídelnou a kuchyňským koutem u zimní zahrady");
    rows[5] = Window("3");
    AppSettings::Get().UserFirm = "Topenářská a instalatérská společnost Lhota a synové, s.r.o., Horní Lhota";
    WriteProject(rows);

    const std::string results = Text(Print(0, "vysledky.pdf"));
    ProjectModel& model = ProjectModel::Instance();
    ASSERT_EQ(model.Rooms.count, 6);
    EXPECT_GT(model.Totals.total, 0.0);
    CString total;
    total.Format("%.0f", model.Totals.total);
    InOrder(results, {"kalvenrod - výpočet tepelných ztrát", "Výsledky výpočtu", "Investor:", "Rodinný dům Lhota",
                      "Vypracoval:", "Novák", "Jan Lhota", "Datum:", "Stavba:", "Novostavba RD", "Z.č.:", "Z-17",
                      "A.č.:", "A-4", "Venkovní teplota Te [°C]:", "-15", "Teplotní oblast:", "Intenzita větrů:",
                      "Celk.ztráty prostupem [W]:", "Celk.tep.ztráty stavby [W]:", total.GetString(), "Poř.",
                      "Ztráta", "Pokoj 1", "Obývací pokoj", "Pokoj 3", "Pokoj 4", "Pokoj 5", "Strana 1 z 1"});
    // The firm name is cut at the right, the long room name to its column.
    EXPECT_NE(results.find("Topenářská"), std::string::npos);
    EXPECT_EQ(results.find("Horní Lhota"), std::string::npos);
    EXPECT_EQ(results.find("zimní zahrady"), std::string::npos);

    const std::string input = Text(Print(1, "vstup.pdf"));
    InOrder(input, {"Vstupní data", "Investor:", "Char.číslo budovy B [Pa^0.67]:", "6", "Světová", "Stěna",
                    "Otvor", "Pokoj 1", "Stěna", "1 x otvor", "3 x otvor", "Pokoj 5", "Strana 1 z 1"});
    EXPECT_EQ(Count(input, "x otvor"), 5u);
    EXPECT_EQ(m_view->m_nPageCount, 1);
}

// Report 1 prints U and i with three decimals, as the dialogs show them, so that a checker working
// from the printed input gets the losses the program computed.
TEST_F(PrintTest, InputReportPrintsUAndIWithThreeDecimals)
{
    std::vector<Cells> rows = House(2);
    rows[1][4].second = "0,242";  // the first wall's U
    rows[2][4].second = "1,565";  // the first window's U
    rows[2][5].second = "0,35";   // the first window's i
    rows[4][4].second = "0,3";
    WriteProject(rows);
    const std::string pdf = FolderPath("vstup-u.pdf");
    const std::string input = Squeezed(Text(Print(1, "vstup-u.pdf")));
    const std::string separator(1, NumberText::FormatSeparator());
    InOrder(input, {"Pokoj 1", "Stěna 5000 2600 0" + separator + "242 35",
                    "1 x otvor 1200 1500 1" + separator + "565 0" + separator + "350 5400", "Pokoj 2",
                    "Stěna 5000 2600 0" + separator + "300 35", "1 x otvor 1200 1500 1" + separator + "200 1" +
                    separator + "400 5400"});
    EXPECT_EQ(input.find(" 0" + separator + "2 35"), std::string::npos);
    Picture(pdf, 1, "report-1");
}

// Report 0: the heading's frame (three normal rows) ends above the first room row, whose texts
// start below it; no heading line crosses a room's texts.
TEST_F(PrintTest, ResultsBodyStartsBelowTheHeadingFrame)
{
    WriteProject(House(3));
    const std::string pdf = Print(0, "vysledky-hlavicka.pdf");
    const double pointMm = 25.4 / 72.0;
    const double headingTop = TopOf(pdf, "Poř.");
    const double roomTop = TopOf(pdf, "Pokoj");
    ASSERT_GT(headingTop, 0.0);
    ASSERT_GT(roomTop, headingTop);
    // The heading's first line stands 1 mm below its top; a room's text (Hn - 40) / 2 below its
    // row's top, which is the frame's bottom at three normal rows or more.
    const int Hn = m_view->m_nNormalRow;
    const double frameToRoomTextMm = (3 * Hn + (Hn - 40) / 2 - 10) / 10.0;
    EXPECT_GE((roomTop - headingTop) * pointMm, frameToRoomTextMm - 0.3) << Hn << " " << m_view->m_nBoldRow;
    Picture(pdf, 1, "report-0");
}

// A town of the climate catalogue gives no landscape: the B picker offers both, the user takes
// the windy one; saved, the project opens again with it, and the reports' climate block prints
// it with its B.
TEST_F(PrintTest, TheLandscapeChosenForATownIsSavedAndPrinted)
{
    QFile::copy(KALVENROD_BIN_DIR "/MekrData.xls", QString::fromStdString(FolderPath("data") + "/MekrData.xls"));
    // The project as the program makes it, with a room in its input sheet.
    workbook::Workbook book = workbook::ReadWorkbook(std::string(KALVENROD_BIN_DIR) + "/MekrOrig.xls");
    for (int i = 0; i < book.SheetCount(); ++i)
        if (book.Sheet(i).Name() == "SeznamV")
        {
            int row = 2;
            for (const Cells& cells : House(1))
            {
                for (const auto& [column, text] : cells)
                    book.Sheet(i).SetText(row, column, text);
                ++row;
            }
        }
    const std::string project = FolderPath("data") + "/Vetry.XLS";
    workbook::WriteWorkbook(book, project);
    ScriptedAnswers::AnswerCommonDialog(IDOK, project.c_str());
    Command(ID_FILE_OPEN);
    ASSERT_EQ(AppSettings::Get().CurrentProjectPath(), CString(project));

    ProjectHeader& header = ProjectModel::Instance().Header;
    header.orderNumber = "Z-17";
    header.altitude = "300";
    header.p2 = 0.1;
    header.buildingType = 1;
    header.buildingTypeText = "Obytná budova";
    bool bothOffered = false;
    ScriptedAnswers::OnDialog(IDD_BASE, [&](CDialog& base) {
        UiTest::Click(base.GetDlgItem(IDC_BASE_HEAT_LOSS));
        ScriptedAnswers::OnDialog(IDD_BASE_TE, [](CDialog& te) {
            static_cast<CComboBox*>(te.GetDlgItem(IDC_TE_PLACES))->SetCurSel(0); // Benešov, "neuvedeno"
            te.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TE_PLACES, CBN_CLOSEUP), 0);
            UiTest::Click(te.GetDlgItem(IDOK));
            return IDCANCEL;
        });
        UiTest::Click(base.GetDlgItem(IDC_BASE_CHOOSE_TE));
        ScriptedAnswers::OnDialog(IDD_BASE_B, [&](CDialog& b) {
            UiTest::Click(b.GetDlgItem(IDC_B_DETACHED));
            bothOffered = b.GetDlgItem(IDC_B_NORMAL_UNPROTECTED)->IsWindowEnabled() &&
                          b.GetDlgItem(IDC_B_WINDY_UNPROTECTED)->IsWindowEnabled();
            UiTest::Click(b.GetDlgItem(IDC_B_WINDY_UNPROTECTED));
            UiTest::Click(b.GetDlgItem(IDOK));
            return IDCANCEL;
        });
        UiTest::Click(base.GetDlgItem(IDC_BASE_CHOOSE_B));
        UiTest::Click(base.GetDlgItem(IDC_BASE_OK));
        return IDCANCEL;
    });
    Command(ID_BASIC_DATA);
    EXPECT_TRUE(bothOffered);
    EXPECT_EQ("ano", header.windyLandscape);
    EXPECT_EQ(12, header.B);

    Command(ID_FILE_SAVE);
    Command(ID_FILE_NEW);
    EXPECT_TRUE(header.windyLandscape.IsEmpty());
    ScriptedAnswers::AnswerCommonDialog(IDOK, project.c_str());
    Command(ID_FILE_OPEN);
    EXPECT_EQ("ano", header.windyLandscape);
    EXPECT_EQ(12, header.B);
    EXPECT_EQ("Benešov", header.temperatureRegion);
    ReportAvailability::Instance().Refresh();
    const std::string results = Squeezed(Text(Print(0, "vetry.pdf")));
    InOrder(results, {"Venkovní teplota Te [°C]: -15", "Char.číslo budovy B [Pa^0.67]: 12", "Teplotní oblast: Benešov",
                      "Intenzita větrů: ano"});
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
    // The calculation marks the project changed; it is not saved again.
    AppSettings::Get().Modified.fill(0);
    m_frame->GetActiveDocument()->SetModifiedFlag(FALSE);
}

TEST_F(PrintTest, ARoomWithoutFloorAreaShowsNoSpecificLoss)
{
    WriteProject(House(2));
    Print(0, "plocha.pdf");
    ProjectModel::Instance().Results[2].floorArea = 0.0;
    const std::string pdf = FolderPath("bez-plochy.pdf");
    ASSERT_TRUE(Gdi::RunPrintToFile(*m_view, QString::fromStdString(pdf)));
    const std::string text = Text(pdf);
    const size_t room = text.find("Pokoj 2");
    ASSERT_NE(room, std::string::npos);
    const std::string line = text.substr(room, text.find('\n', room) - room);
    EXPECT_EQ(line.substr(line.size() - 4), " 0.0") << line;
}

TEST_F(PrintTest, PagesBreakAtTheFirstPageCapacity)
{
    WriteProject(House(1));
    Print(0, "zkouska.pdf");
    const int firstPage = m_view->m_capacity.firstPage;
    ASSERT_GT(firstPage, 5);
    ASSERT_LT(firstPage + 1, 98);
    for (const int rooms : {firstPage, firstPage + 1})
    {
        WriteProject(House(rooms));
        const std::string text = Text(Print(0, "hranice.pdf"));
        const int pages = rooms == firstPage ? 1 : 2;
        EXPECT_EQ(m_view->m_nPageCount, pages) << rooms;
        EXPECT_NE(text.find("Strana " + std::to_string(pages) + " z " + std::to_string(pages)), std::string::npos);
    }
    const PageCapacity defaults = m_view->m_capacity;
    m_view->m_nTopMargin = m_view->m_nBottomMargin = 5;
    Print(0, "okraje.pdf");
    EXPECT_GT(m_view->m_capacity.firstPage, defaults.firstPage);
    EXPECT_GT(m_view->m_capacity.followingPage, defaults.followingPage);
}

TEST_F(PrintTest, ALargeProjectPrintsEveryRoomOnceInOrder)
{
    WriteProject(House(98, 6, 2));
    const std::string results = Text(Print(0, "velky-vysledky.pdf"));
    const int pages = m_view->m_nPageCount;
    ASSERT_GE(pages, 2);
    std::vector<std::string> order;
    for (int room = 1; room <= 98; ++room)
        order.push_back("Pokoj " + std::to_string(room) + " ");
    InOrder(results, order);
    InOrder(results, {"Strana 1 z " + std::to_string(pages), "Strana 2 z " + std::to_string(pages)});

    const std::string input = Text(Print(1, "velky-vstup.pdf"));
    EXPECT_GT(m_view->m_nPageCount, pages);
    InOrder(input, order);
    EXPECT_EQ(Count(input, "1 x otvor"), size_t(98 * 6 * 2));
    for (const PagePart& page : m_view->m_pages)
        EXPECT_EQ(page.carryOver, 0); // rooms are never split

    // Page 1 and a later page of each report, for a person to look at.
    for (const char* name : {"velky-vysledky", "velky-vstup"})
        for (const int page : {1, 2})
            Picture(FolderPath(name) + ".pdf", page, name + ("-" + std::to_string(page)));
}

TEST_F(PrintTest, ARoomLongerThanAPageContinuesOnTheNextPage)
{
    WriteProject(House(1, 19, 1));
    const std::string input = Text(Print(1, "dlouha.pdf"));
    ASSERT_GE(m_view->m_nPageCount, 2);
    EXPECT_EQ(Count(input, "1 x otvor"), 19u);
    EXPECT_EQ(Count(input, "Pokoj 1 /"), 1u);
    EXPECT_GT(m_view->m_pages[1].carryOver, 0);
}

TEST_F(PrintTest, PageSetupTakesWholeMillimetresUpTo100)
{
    auto type = [](const char* text) {
        return [text](CDialog& dialog) {
            dialog.GetDlgItem(IDC_MARGIN_LEFT)->SetWindowText(text);
            UiTest::Click(dialog.GetDlgItem(IDOK));
            return IDCANCEL;
        };
    };
    ScriptedAnswers::OnDialog(IDD_PAGE_SETUP, [](CDialog& dialog) {
        CString top;
        dialog.GetDlgItem(IDC_MARGIN_TOP)->GetWindowText(top);
        EXPECT_EQ(top, "20");
        dialog.GetDlgItem(IDC_MARGIN_LEFT)->SetWindowText("7");
        UiTest::Click(dialog.GetDlgItem(IDOK));
        return IDCANCEL;
    });
    Command(ID_FILE_PAGE_SETUP);
    EXPECT_EQ(m_view->m_nLeftMargin, 7);
    ScriptedAnswers::ForgetShown();
    ScriptedAnswers::OnDialog(IDD_PAGE_SETUP, type("150"));
    Command(ID_FILE_PAGE_SETUP);
    EXPECT_EQ(m_view->m_nLeftMargin, 7);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    ScriptedAnswers::OnDialog(IDD_PAGE_SETUP, type("abc"));
    Command(ID_FILE_PAGE_SETUP);
    EXPECT_EQ(m_view->m_nLeftMargin, 0);

    // The next print uses the margin: the left edge of the text moves.
    WriteProject(House(1));
    m_view->m_nLeftMargin = 7;
    Print(1, "vlevo7.pdf");
    m_view->m_nLeftMargin = 40;
    Print(1, "vlevo40.pdf");
    EXPECT_NEAR(LeftOf(FolderPath("vlevo40.pdf"), "kalvenrod") - LeftOf(FolderPath("vlevo7.pdf"), "kalvenrod"),
                33.0 * 72 / 25.4, 0.5);
}

// Top and bottom margins that leave a page no room for a report's frame and one row are refused
// with the largest sum the page allows; the page line stays on the sheet whatever the bottom
// margin, and no row runs into it.
TEST_F(PrintTest, MarginsLeaveRoomForTheFrameAndARowAndThePageLineStaysOnTheSheet)
{
    const int largest = m_view->LargestVerticalMargins();
    ASSERT_GT(largest, 100);
    ASSERT_LT(largest, 200);
    const struct
    {
        int top;
        int bottom;
        bool accepted;
    } cases[] = {{20, 20, true}, {0, 0, true}, {100, largest - 100, true}, {100, largest - 99, false},
                 {90, 90, false}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.top) + "/" + std::to_string(c.bottom));
        m_view->m_nTopMargin = m_view->m_nBottomMargin = 20;
        ScriptedAnswers::ForgetShown();
        ScriptedAnswers::OnDialog(IDD_PAGE_SETUP, [&c](CDialog& dialog) {
            dialog.GetDlgItem(IDC_MARGIN_TOP)->SetWindowText(std::to_string(c.top).c_str());
            dialog.GetDlgItem(IDC_MARGIN_BOTTOM)->SetWindowText(std::to_string(c.bottom).c_str());
            UiTest::Click(dialog.GetDlgItem(IDOK));
            return IDCANCEL;
        });
        Command(ID_FILE_PAGE_SETUP);
        if (c.accepted)
        {
            EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
            EXPECT_EQ(m_view->m_nTopMargin, c.top);
            EXPECT_EQ(m_view->m_nBottomMargin, c.bottom);
            continue;
        }
        ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
        EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text,
                  CString("Okraje shora a zdola mohou mít dohromady nejvýše " + std::to_string(largest) +
                          " mm, aby se na stránku vešlo záhlaví sestavy a aspoň jeden řádek."));
        EXPECT_EQ(m_view->m_nTopMargin, 20);
        EXPECT_EQ(m_view->m_nBottomMargin, 20);
    }

    WriteProject(House(30));
    const std::pair<int, int> margins[] = {{20, 0}, {20, 3}, {100, largest - 100}, {largest - 100, 100}};
    for (const auto& [top, bottom] : margins)
        for (const int report : {0, 1})
        {
            SCOPED_TRACE(std::to_string(top) + "/" + std::to_string(bottom) + " report " + std::to_string(report));
            m_view->m_nTopMargin = top;
            m_view->m_nBottomMargin = bottom;
            const std::string pdf = Print(report, "okraje-krajni.pdf");
            EXPECT_NE(PageText(pdf, 1).find("Pokoj 1 "), std::string::npos);
            for (const PageBottom& page : PageBottoms(pdf))
            {
                ASSERT_GE(page.pageLineTop, 0.0);
                EXPECT_LE(page.pageLineBottom, page.sheetHeight);
                EXPECT_LE(page.lowestOther, page.pageLineTop + 0.5);
            }
        }
}

TEST_F(PrintTest, AvailabilityIsCheckedSilentlyAndKept)
{
    struct Case
    {
        const char* name;
        std::vector<Cells> rows;
        std::vector<std::pair<const char*, int>> sheets;
        std::vector<int> withData;
    };
    const Case cases[] = {
        {"building row only", {}, {}, {}},
        {"one room", House(1), {}, {0, 1}},
        {"a floor bill of one item", {}, {{"MateriPodlah", 1}}, {4}},
        {"wall bill and sizing without floor bill", {}, {{"MateriStenov", 2}, {"DimenzSegm", 1}}, {6, 9}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScriptedAnswers::ForgetShown();
        WriteProject(c.rows, c.sheets);
        const ReportAvailability::Flags& flags = ReportAvailability::Instance().HasData();
        for (int report = 0; report < ReportAvailability::ReportCount; ++report)
            EXPECT_EQ(flags[size_t(report)], std::count(c.withData.begin(), c.withData.end(), report) == 1) << report;
        // Every report of these sheets can be printed.
        EXPECT_EQ(ReportAvailability::Instance().AnyPrintable(), !c.withData.empty());
        EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
    }

    // The working copy gone after a load: idle updates read the kept state, open nothing.
    WriteProject(House(1));
    QFile::remove(QString::fromStdString(m_project));
    for (int cycle = 0; cycle < 3; ++cycle)
        m_app->OnIdle(0);
    EXPECT_TRUE(ReportAvailability::Instance().AnyPrintable());
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
    // A command that ran checks again.
    Command(ID_FILE_PAGE_SETUP);
    EXPECT_FALSE(ReportAvailability::Instance().AnyPrintable());
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
}

TEST_F(PrintTest, PreviewStartsWithTheFirstEnabledReportAndShowsThePagesOfTheChosenOne)
{
    WriteProject(House(30));
    Print(1, "nahled.pdf");
    const int printedPages = m_view->m_nPageCount;
    ASSERT_GT(printedPages, 1);
    CSplashWnd::EnableSplashScreen(TRUE);
    CSplashWnd::ShowSplashScreen(m_frame);
    ASSERT_NE(CSplashWnd::Current(), nullptr);
    bool firstChosen = false;
    ScriptedAnswers::OnDialog(IDD_REPORT_CHOICE, [&](CDialog& dialog) {
        firstChosen = dialog.IsDlgButtonChecked(IDC_REPORT_0) == BST_CHECKED;
        EXPECT_FALSE(dialog.GetDlgItem(IDC_INCLUDE_VALUES)->IsWindowEnabled());
        EXPECT_FALSE(dialog.GetDlgItem(IDC_REPORT_4)->IsWindowEnabled());
        UiTest::Click(dialog.GetDlgItem(IDC_REPORT_1));
        UiTest::Click(dialog.GetDlgItem(IDC_REPORT_OK));
        return IDCANCEL;
    });
    int previewPages = -1;
    bool pictureDuringPreview = true;
    Gdi::SetPreviewHook([&](QPrintPreviewDialog* preview) {
        if (auto* widget = preview->findChild<QPrintPreviewWidget*>())
            previewPages = widget->pageCount();
        pictureDuringPreview = CSplashWnd::Current() != nullptr;
        preview->reject();
    });
    Command(ID_FILE_PRINT_PREVIEW);
    EXPECT_TRUE(firstChosen);
    EXPECT_EQ(m_view->m_nSestava, 1);
    EXPECT_EQ(previewPages, printedPages);
    EXPECT_FALSE(pictureDuringPreview);
    EXPECT_NE(CSplashWnd::Current(), nullptr);
}

TEST_F(PrintTest, ReportZeroPrintsTheResultsOfTheSheetAsItStandsNow)
{
    WriteProject(House(1));
    const std::string before = Text(Print(0, "pred.pdf"));
    const double first = ProjectModel::Instance().Totals.total;
    WriteProject(House(3));
    const std::string after = Text(Print(0, "po.pdf"));
    const double second = ProjectModel::Instance().Totals.total;
    EXPECT_GT(second, first);
    CString total;
    total.Format("%.0f", second);
    InOrder(after, {"Celk.tep.ztráty stavby [W]:", total.GetString(), "Pokoj 3"});

    // A calculation refused by its checks (no outdoor temperature): report 0 is not taken,
    // nothing is printed.
    ProjectModel::Instance().Header.Te = 0;
    ScriptedAnswers::ForgetShown();
    Print(0, "odmitnuto.pdf");
    EXPECT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(m_view->m_nSestava, -1);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(FolderPath("odmitnuto.pdf"))));
}

TEST_F(PrintTest, PicturesOfTheDialogs)
{
    WriteProject(House(1));
    for (const UINT id : {IDD_PAGE_SETUP, IDD_REPORT_CHOICE})
    {
        const std::string path = PictureFolder() + "/dialog-" + std::to_string(id) + ".png";
        ASSERT_TRUE(DialogShot::RenderTemplate(id, path)) << id;
    }
}
} // namespace
