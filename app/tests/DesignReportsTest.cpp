// The design reports printed off screen from fixture projects (authored as text beside this
// test): the pipe-distribution sizing, the bills of materials, the floor and wall heating
// reports and the manifold bills, with the pages read back from PDF files.
#include "MekrFixture.h"
#include "ReportPdf.h"

#include "app/CMekrView.h"
#include "app/PrintIds.h"
#include "app/ReportAvailability.h"
#include "common/AppSettings.h"
#include "heatloss/ProjectModel.h"
#include "platform/frame/FrameIds.h"
#include "platform/gdi/PrintJob.h"
#include "platform/ui/CDialog.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QDir>
#include <QFile>

#include <algorithm>

#include <functional>
#include <string>
#include <vector>

namespace
{
using namespace ReportPdf;

constexpr int RadioOf[] = {IDC_REPORT_0, IDC_REPORT_1, IDC_REPORT_2, IDC_REPORT_3, IDC_REPORT_4, IDC_REPORT_5,
                           IDC_REPORT_6, IDC_REPORT_7, IDC_REPORT_8, IDC_REPORT_9, IDC_REPORT_10};

class DesignReportsTest : public MekrFixture
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
        model.Header.investor1 = "Rodinný dům Lhota";
        model.Header.building1 = "Novostavba RD";
        AppSettings::Get().UserFirm = "Topenáři Lhota s.r.o.";
    }

    void TearDown() override
    {
        ProjectModel::Instance().Reset("");
        MekrFixture::TearDown();
    }

    // The fixture project of this name as the working copy, its availability checked.
    void UseProject(const char* fixture)
    {
        m_project = FolderPath("data") + "/" + fixture + ".XLS";
        QFile::remove(QString::fromStdString(m_project));
        ASSERT_TRUE(QFile::copy(QString(KALVENROD_REPORT_FIXTURES) + "/" + fixture + ".xls",
                                QString::fromStdString(m_project)));
        AppSettings::Get().CurrentProjectPath() = m_project.c_str();
        ReportAvailability::Instance().Refresh();
    }

    // The report chosen in the report choice (it must be enabled there), printed into a PDF.
    std::string Print(int report, const char* name, bool values = false)
    {
        const std::string pdf = FolderPath(name);
        bool enabled = false;
        ScriptedAnswers::OnDialog(IDD_REPORT_CHOICE,
                                  [&](CDialog& dialog)
                                  {
                                      enabled = dialog.GetDlgItem(RadioOf[report])->IsWindowEnabled();
                                      UiTest::Click(dialog.GetDlgItem(RadioOf[report]));
                                      dialog.CheckDlgButton(IDC_INCLUDE_VALUES,
                                                            values ? BST_CHECKED : BST_UNCHECKED);
                                      UiTest::Click(dialog.GetDlgItem(IDC_REPORT_OK));
                                      return IDCANCEL;
                                  });
        Gdi::SetNextPrintFile(QString::fromStdString(pdf));
        Command(ID_FILE_PRINT);
        EXPECT_TRUE(enabled) << report;
        EXPECT_EQ(m_view->m_nSestava, report);
        return pdf;
    }

    // Every page has its page line and keeps its rows above the bottom margin.
    void ExpectWholePages(const std::string& pdf)
    {
        const int pages = m_view->m_nPageCount;
        for (int page = 1; page <= pages; ++page)
            EXPECT_EQ(
                Count(PageText(pdf, page), "Strana " + std::to_string(page) + " z " + std::to_string(pages)),
                1u)
                << page;
        const std::vector<double> below = BelowBottomMargin(pdf, m_view->m_nBottomMargin);
        ASSERT_EQ(below.size(), size_t(pages));
        for (int page = 0; page < pages; ++page)
            EXPECT_LE(below[size_t(page)], 0.0) << "page " << page + 1;
    }

    // The catalogues of the fixtures (maker 9002; maker 9003 has none) in a folder of the test.
    void UseCatalogues()
    {
        const QString folder = QString::fromStdString(FolderPath("katalogy"));
        QDir().mkpath(folder);
        QFile::copy(QString(KALVENROD_REPORT_FIXTURES) + "/ZVK-9002.XLS", folder + "/ZVK-9002.XLS");
        AppSettings::Get().PathList = folder.toUtf8().constData();
    }

    CMekrView* m_view = nullptr;
    std::string m_project;
};

// The view's print run, with something done right after its start.
class AfterStart : public Gdi::PrintClient
{
public:
    AfterStart(CMekrView& view, std::function<void()> action) : m_view(view), m_action(std::move(action)) {}
    BOOL OnPreparePrinting(CPrintInfo* info) override { return m_view.OnPreparePrinting(info); }
    void OnBeginPrinting(CDC* dc, CPrintInfo* info) override
    {
        m_view.OnBeginPrinting(dc, info);
        m_action();
    }
    void OnPrepareDC(CDC* dc, CPrintInfo* info) override { m_view.OnPrepareDC(dc, info); }
    void OnPrint(CDC* dc, CPrintInfo* info) override { m_view.OnPrint(dc, info); }
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override { m_view.OnEndPrinting(dc, info); }

private:
    CMekrView& m_view;
    std::function<void()> m_action;
};

TEST_F(DesignReportsTest, SizingPrintsEverySectionOfBothTreesOnceWithConsecutiveNumbers)
{
    UseProject("rozvod");
    const std::string pdf = Print(6, "rozvod.pdf");
    const std::string text = Squeezed(Text(pdf));
    ASSERT_GE(m_view->m_nPageCount, 2);
    ExpectWholePages(pdf);
    InOrder(text, {"kalvenrod - dimenzování rozvodů",
                   "Celková bilance",
                   "Investor:",
                   "Rodinný dům Lhota",
                   "Poř.",
                   "Kód",
                   "Hla-",
                   "Položka",
                   "Označení",
                   "Hmot.",
                   "Délka",
                   "Vřaz.",
                   "Tlak.ztráta",
                   "trubky",
                   "průtok",
                   "odpory",
                   "úseku",
                   "kumulat.",
                   "[kg/hod]",
                   "[m]",
                   "[-]",
                   "[Pa]",
                   "[Pa]"});

    // The sections of both trees by their numbers: 1 to 32 without 7, then 40 to 75, each once
    // and numbered 1, 2, 3... on the printed lines.
    std::vector<std::string> codes;
    for (int number = 2; number <= 32; ++number)
        if (number != 7)
            codes.push_back("A" + std::string(number < 10 ? "0" : "") + std::to_string(number));
    codes.push_back("B40");
    for (int number = 41; number <= 75; ++number)
        codes.push_back("B" + std::to_string(number));
    for (const std::string& code : codes)
        EXPECT_EQ(Count(text, " " + code + " "), 1u) << code;
    std::vector<std::string> numbered{"1 Kotelna"};
    for (size_t line = 0; line < codes.size(); ++line)
        numbered.push_back(std::to_string(line + 2) + " " + codes[line] + " ");
    InOrder(text, numbered);
    EXPECT_EQ(Count(text, " A07 "), 0u);

    // The long code is cut at the right of its column; the flow 0.0125 kg/h prints as 0.013.
    EXPECT_EQ(text.find("obou podlaží"), std::string::npos);
    const size_t twelve = text.find(" A12 ");
    ASSERT_NE(twelve, std::string::npos);
    const std::string line = text.substr(twelve, text.find('\n', twelve) - twelve);
    EXPECT_NE(line.find(" 0.013 "), std::string::npos) << line;
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
    Picture(pdf, 1, "report-6");
}

TEST_F(DesignReportsTest, AProjectGoneAfterTheChoicePrintsTheHeadAndTellsOnceAfterTheRun)
{
    struct Case
    {
        int report;
        const char* fixture;
        const char* firstHead; // the first and the last text of the table head
        const char* lastHead;
        const char* data; // a text of the project's data
    };
    UseCatalogues();
    for (const Case& c :
         {Case{6, "rozvod", "Poř.", "kumulat.", "Kotelna"}, Case{2, "navrh", "Poř.", "[m2K/W]", "101/A"},
          Case{8, "navrh", "Poř.", "[W/m2]", "Pokoj"}, Case{10, "navrh", "Rozdělovač", "[W]", "\n 1 21 "},
          Case{4, "bilance", "Poř.", "jedn.", "020016"}})
    {
        SCOPED_TRACE(c.report);
        UseProject(c.fixture);
        EXPECT_NE(Squeezed(Text(Print(c.report, "s-projektem.pdf"))).find(c.data), std::string::npos);
        QFile::remove(QString::fromStdString(m_project));
        ScriptedAnswers::ForgetShown();
        const std::string text = Squeezed(Text(Print(c.report, "bez-projektu.pdf")));
        EXPECT_EQ(m_view->m_nPageCount, 1);
        InOrder(text, {c.firstHead, c.lastHead, "Strana 1 z 1"});
        EXPECT_EQ(text.find(c.data), std::string::npos);
        ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
        EXPECT_NE(ScriptedAnswers::ShownBoxes()[0].text.Find(m_project.c_str()), -1);
    }
}

TEST_F(DesignReportsTest, FloorBillPrintsItemsByOrderUnderTheirChapters)
{
    UseProject("bilance");
    UseCatalogues();
    const std::string pdf = Print(4, "bilance.pdf");
    const std::string text = Squeezed(Text(pdf));
    InOrder(text, {"kalvenrod - podlahové vytápění",
                   "Bilance materiálu",
                   "Investor:",
                   "Poř.",
                   "Objedn.",
                   "Název",
                   "Množství",
                   "Měrná",
                   "číslo",
                   "číslo",
                   "položky",
                   "jedn.",
                   "polož.",
                   "PODLAHOVÉ VYTÁPĚNÍ",
                   "Trubky pro podlahové vytápění",
                   "1 020016 PE-Xc 16×2,0 - Trubka s kyslíkovou bariérou 240 m\n",
                   "PODLAHOVÉ VYTÁPĚNÍ",
                   "Trubky pro podlahové vytápění",
                   "2 020017 PE-Xc 17×2,0 - Trubka s kyslíkovou bariérou 60 m\n",
                   "4 010001 Sada - Sada příslušenství 1 ks\n",
                   "Rozdělovače",
                   "5 030004 RS 4 1 ks\n",
                   "6 070005 Čerpadlo - Oběhové čerpadlo 1 ks\n",
                   "7 070007 Ventil - Termostatický ventil 4 ks\n",
                   "Rozdělovače",
                   "8 040001 Lišta - Okrajová dilatační lišta 35 m\n",
                   "Strana 1 z 1"});
    // Chapters repeat for every item; a heading number of two rows is no heading.
    EXPECT_EQ(Count(text, "Trubky pro podlahové vytápění"), 2u);
    EXPECT_EQ(Count(text, "Zdvojený"), 0u);
    // Without values: no price captions, prices or system price.
    for (const char* absent : {"za Mj.", "Celk. cena", "bez DPH", "Cena systému", "5880,-", "[Kč]"})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
    // The item of maker 999 takes no line: the next item follows one row below.
    EXPECT_EQ(text.find("Montáž"), std::string::npos);
    const double row = (TopOf(pdf, "020017") - TopOf(pdf, "020016")) / 3;
    EXPECT_GT(row, 5.0);
    EXPECT_NEAR(TopOf(pdf, "010001") - TopOf(pdf, "020017"), row, 0.5);
    // The missing catalogue of maker 9003: its items without headings, told once after the run.
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_NE(ScriptedAnswers::ShownBoxes()[0].text.Find("ZVK-9003.XLS"), -1);
    Picture(pdf, 1, "report-4");
}

TEST_F(DesignReportsTest, BillPricesFollowTheLanguage)
{
    UseProject("bilance");
    UseCatalogues();
    const std::string czech = Squeezed(Text(Print(4, "ceny.pdf", true)));
    InOrder(czech, {"Cena systému bez DPH [Kč] 18720,-", "Cena", "Celk. cena", "za Mj.", "bez DPH", "[Kč]",
                    "[Kč]", "1 020016 PE-Xc 16×2,0 - Trubka s kyslíkovou bariérou 240 m 25,- 5880,-\n",
                    "7 070007 Ventil - Termostatický ventil 4 ks 350,- 1400,-\n"});
    Picture(FolderPath("ceny.pdf"), 1, "report-4-ceny");

    AppSettings::Get().Language = "En";
    const std::string english = Squeezed(Text(Print(4, "ceny-en.pdf", true)));
    AppSettings::Get().Language = "Cz";
    EXPECT_NE(english.find("Cena systému bez DPH [Kč] 18720.00\n"), std::string::npos);
    EXPECT_EQ(english.find("18720,-"), std::string::npos);
}

TEST_F(DesignReportsTest, WallBillOfOneItem)
{
    UseProject("bilance");
    UseCatalogues();
    const std::string pdf = Print(9, "stenovka.pdf");
    InOrder(Squeezed(Text(pdf)), {"kalvenrod - stěnové vytápění", "Bilance materiálu", "Rozdělovače",
                                  "1 030006 RS 6 - Rozdělovač se šesti vývody 1 ks\n", "Strana 1 z 1"});
    Picture(pdf, 1, "report-9");
}

TEST_F(DesignReportsTest, ALongBillPrintsEveryItemOnceFromTheReadingAtTheStart)
{
    UseProject("bilance-velka");
    UseCatalogues();
    m_view->m_nSestava = 4;
    m_view->m_bVcetneHodnoty = 1;
    // The project and the catalogue are gone once the run started: the pages print what it read.
    const std::string pdf = FolderPath("velka.pdf");
    AfterStart client(
        *m_view,
        [&]
        {
            ASSERT_TRUE(QFile::remove(QString::fromStdString(m_project)));
            ASSERT_TRUE(QFile::remove(QString::fromStdString(FolderPath("katalogy") + "/ZVK-9002.XLS")));
        });
    ASSERT_TRUE(Gdi::RunPrintToFile(client, QString::fromStdString(pdf)));
    EXPECT_GE(m_view->m_nPageCount, 15);
    ExpectWholePages(pdf);
    const std::string text = Squeezed(Text(pdf));
    std::vector<std::string> lines;
    for (int n = 1; n <= 300; ++n)
    {
        char number[8];
        std::snprintf(number, sizeof number, "%03d", n);
        EXPECT_EQ(Count(text, std::string("dodávka ") + number + " "), 1u) << n;
        lines.push_back("\n " + std::to_string(n) + " 0");
        lines.push_back(std::string("dodávka ") + number + " ");
    }
    InOrder(text, lines);
    EXPECT_EQ(Count(text, "PODLAHOVÉ VYTÁPĚNÍ"), 150u);
    EXPECT_EQ(Count(text, "Rozdělovače"), 150u);
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
}

// The report printed straight from the view, without the report choice.
std::string PrintDirect(CMekrView& view, int report, const std::string& pdf)
{
    view.m_nSestava = report;
    EXPECT_TRUE(Gdi::RunPrintToFile(view, QString::fromStdString(pdf)));
    return pdf;
}

TEST_F(DesignReportsTest, DesignReportsAreOfferedByTheDesign)
{
    struct Case
    {
        const char* fixture;
        std::vector<int> withData;
    };
    for (const Case& c :
         {Case{"navrh", {2, 3, 5, 7, 8, 10}}, Case{"bez-rozdelovace", {2, 3, 7, 8}}, Case{"rozvod", {6}}})
    {
        SCOPED_TRACE(c.fixture);
        UseProject(c.fixture);
        const ReportAvailability::Flags& flags = ReportAvailability::Instance().HasData();
        for (int report = 0; report < ReportAvailability::ReportCount; ++report)
            EXPECT_EQ(flags[size_t(report)], std::count(c.withData.begin(), c.withData.end(), report) == 1)
                << report;
    }
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
}

TEST_F(DesignReportsTest, FloorInputShowsTheRoomOnItsFirstCircuitOnly)
{
    UseProject("navrh");
    const std::string pdf = Print(2, "podlaha-vstup.pdf");
    const std::string text = Squeezed(Text(pdf));
    ASSERT_GE(m_view->m_nPageCount, 3);
    ExpectWholePages(pdf);
    InOrder(text, {"kalvenrod - podlahové vytápění",
                   "Vstupní data",
                   "Poř.",
                   "Kód",
                   "Číslo",
                   "Název",
                   "Ti",
                   "Tepelná",
                   "Plocha",
                   "Odpor",
                   "číslo",
                   "okruhu",
                   "místnosti",
                   "místnosti",
                   "ztráta",
                   "krytiny",
                   "okr.",
                   "[°C]",
                   "[W]",
                   "[m2]",
                   "[m2]",
                   "[m2]",
                   "[m2K/W]"});
    InOrder(text,
            {"\n 1 101/A 101 Obývací pokoj", "20.0 1850 32.5 12.0 2.5 0.100\n", "\n 2 101/B 12.0 2.5 0.100\n",
             "\n 3 101/C 12.0 2.5 0.100\n", "\n 4 102/A 102 Koupelna 24.0 620 6.2 12.0 2.5 0.020\n",
             "\n 5 102/B 12.0", "\n 6 103/01 103 Hala 18.0 2400 58.0 12.0 2.5 0.150\n"});
    // Every circuit once, in order; the long place goes on over the page breaks without its room.
    std::vector<std::string> circuits;
    for (int i = 1; i <= 60; ++i)
    {
        const std::string label = std::string("103/") + (i < 10 ? "0" : "") + std::to_string(i);
        EXPECT_EQ(Count(text, " " + label + " "), 1u) << label;
        circuits.push_back("\n " + std::to_string(5 + i) + " " + label + " ");
    }
    InOrder(text, circuits);
    EXPECT_EQ(Count(text, "Hala"), 1u);
    EXPECT_EQ(Count(text, " 2400 "), 1u);
    EXPECT_EQ(Count(text, "Obývací pokoj"), 1u);
    Picture(pdf, 1, "report-2");
}

TEST_F(DesignReportsTest, FloorResultsShowTheCircuitValues)
{
    UseProject("navrh");
    const std::string pdf = Print(3, "podlaha-vysledky.pdf");
    const std::string text = Squeezed(Text(pdf));
    ExpectWholePages(pdf);
    InOrder(text, {"Výsledky výpočtu", "Teplota přívodu [°C] 45.0", "Rozteč", "Délka", "Chybí", "trubek",
                   "okruhu přívodu cizí", "lovač", "[K]", "[W]"});
    // Under the common "Délka" the column says only "cizí", which fits its two units.
    EXPECT_EQ(Count(text, "Délka cizí"), 0u);
    InOrder(text,
            {// Mass flow 0.01 kg/s is 36.0 kg/h; a missing 0.4 W is none.
             "\n 1 101/A 58.2 ", " 5.0 0.150 64.0 6.5 2.0 36.0 8500 1 ---\n",
             // No loop and no supply: no spread and no spacing.
             "\n 2 101/B 58.2 ", " --- --- 0.0 0.0 0.0 45.0 8500 1 25\n", "\n 3 101/C ", " 8500 3 1\n"});
    for (int i = 1; i <= 60; ++i)
        EXPECT_EQ(Count(text, std::string(" 103/") + (i < 10 ? "0" : "") + std::to_string(i) + " "), 1u) << i;
    Picture(pdf, 1, "report-3");
}

TEST_F(DesignReportsTest, ManifoldBillsListTheManifoldsInUse)
{
    UseProject("navrh");
    const std::string floor = Squeezed(Text(Print(5, "rozdelovace.pdf")));
    InOrder(floor, {"kalvenrod - podlahové vytápění",
                    "Bilance rozdělovačů",
                    "Investor:",
                    "Teplota přívodu [°C]: 45.0 Celkový výkon vytápění [W]:",
                    "Střední teplota zpátečky [°C]: 40.0 Celkový průtok [kg/hod.]",
                    "Maxim. tlak. ztráta [Pa]:",
                    "Objem topného média [l]:",
                    "Rozdělovač",
                    "Poč.",
                    "Celková délka",
                    "Průtok",
                    "Maxim. tlak.",
                    "Celk.tlak.ztráta",
                    "Celkový",
                    "okruhů",
                    "trubek",
                    "ztráta okruhu",
                    "na rozdělovači",
                    "výkon",
                    "[m]",
                    "[kg/hod.]",
                    "[Pa]",
                    "[Pa]",
                    "[W]",
                    "\n 1 42 ",
                    "\n 3 2 ",
                    "\n 4 21 ",
                    "Strana 1 z 1"});
    // A manifold of more than 12 circuits has no manifold characteristic: its loss is that of
    // its largest circuit.
    EXPECT_NE(floor.find("\n 1 42 2890.5 8793.0 11000 11000 "), std::string::npos);
    EXPECT_EQ(floor.find("\n 2 "), std::string::npos);
    Picture(FolderPath("rozdelovace.pdf"), 1, "report-5");

    const std::string wall = Squeezed(Text(Print(10, "rozdelovace-sten.pdf")));
    InOrder(wall,
            {"kalvenrod - stěnové vytápění", "Bilance rozdělovačů", "Teplota přívodu [°C]: 50.0",
             "Teplota zpátečky [°C] 42.0", "Celková plocha", "[m2]", "\n 1 21 ", "\n 3 21 ", "\n 4 2 "});
    EXPECT_EQ(wall.find("Střední teplota zpátečky"), std::string::npos);
    Picture(FolderPath("rozdelovace-sten.pdf"), 1, "report-10");
    for (const std::string* text : {&floor, &wall})
        for (const char* bad : {"nan", "inf"})
            EXPECT_EQ(text->find(bad), std::string::npos) << bad;
}

TEST_F(DesignReportsTest, ManifoldBillWithoutManifoldsPrintsZeroSums)
{
    UseProject("bez-rozdelovace");
    for (const int report : {5, 10})
    {
        const std::string text = Squeezed(Text(PrintDirect(*m_view, report, FolderPath("bez.pdf"))));
        InOrder(text, {"Teplota přívodu [°C]: 0.0 Celkový výkon vytápění [W]: 0\n", "zpátečky [°C]", " 0.0 ",
                       "Celkový průtok [kg/hod.] 0.0\n",
                       "Maxim. tlak. ztráta [Pa]: 0 Objem topného média [l]: 0\n", "[W]\n", "Strana 1 z 1"});
        for (const char* bad : {"nan", "inf", "301/"})
            EXPECT_EQ(text.find(bad), std::string::npos) << bad;
    }
}

TEST_F(DesignReportsTest, WallResultsRestartTheirNumbersOnEveryPage)
{
    UseProject("navrh");
    const std::string pdf = Print(7, "stena-vysledky.pdf");
    ASSERT_GE(m_view->m_nPageCount, 2);
    ExpectWholePages(pdf);
    const std::string text = Squeezed(Text(pdf));
    InOrder(text, {"kalvenrod - stěnové vytápění", "Výsledky výpočtu", "Teplota přívodu [°C] 50.0",
                   "Teplota zpátečky [°C] 42.0", "Hustota", "Výkon", "Plocha", "Počet", "Plocha", "Délka"});
    InOrder(text, {"\n 1 201/S1 20.0 75.0 300.0 4.0 4 1.0 3.5 36.0 1200 1\n", "\n 2 201/S2 ", "\n 3 201/S3 ",
                   "\n 4 203/S1 46.0 "});
    std::vector<std::string> rooms;
    for (int n = 204; n <= 243; ++n)
    {
        EXPECT_EQ(Count(text, " " + std::to_string(n) + "/S1 "), 1u) << n;
        rooms.push_back(" " + std::to_string(n) + "/S1 ");
    }
    InOrder(text, rooms);
    EXPECT_EQ(Count(text, "202/"), 0u);
    const std::string second = Squeezed(PageText(pdf, 2));
    const size_t first = second.find("\n 1 2");
    ASSERT_NE(first, std::string::npos) << second;
    Picture(pdf, 1, "report-7");
}

TEST_F(DesignReportsTest, WallInputNumbersRoomsOnAndSkipsRoomsWithoutWallHeating)
{
    // The project's wall heating drop is 10 K ("55.0#45.0"), the program's 8 K: the return
    // printed is the last room's supply less the project's drop.
    AppSettings::Get().WallTemperatureDrop = 8.0;
    UseProject("navrh");
    const std::string pdf = Print(8, "stena-vstup.pdf");
    ASSERT_GE(m_view->m_nPageCount, 2);
    ExpectWholePages(pdf);
    const std::string text = Squeezed(Text(pdf));
    InOrder(text, {"kalvenrod - stěnové vytápění", "Vstupní data", "Teplota přívodu [°C] 50.0",
                   "Teplota zpátečky [°C] 40.0", "Plocha", "disponibilní", "nutná", "[m2]", "[m2]"});
    InOrder(text, {"\n 1 201 Pokoj 20.0 900 12.5 ",
                   // Flux 0: no area needed.
                   "\n 2 203 Sauna 46.0 400 6.0 0.0 0.0\n", "\n 3 204 Kancelář 204 "});
    EXPECT_EQ(text.find("Sklad"), std::string::npos);
    std::vector<std::string> rooms;
    for (int n = 204; n <= 243; ++n)
        rooms.push_back("\n " + std::to_string(n - 201) + " " + std::to_string(n) + " Kancelář " +
                        std::to_string(n) + " ");
    InOrder(text, rooms);
    // The room without wall heating takes no line and does not shorten page 1.
    EXPECT_EQ(m_view->m_pages[0].rowCount, m_view->m_capacity.firstPage);
    Picture(pdf, 1, "report-8");
}
} // namespace
