// What a designer did in the floor and wall heating designs is kept: each row of the table is a
// project whose results sheet holds rooms and circuits, taken through the program's commands off
// screen (the design dialogs driven by control id, boxes answered), and then checked in what the
// user sees and in the workbook as python3-xlrd reads it.

#include "DesignerRoad.h"
#include "FloorProjectFixture.h"
#include "XlrdSheet.h"

#include "platform/core/MessageBox.h"
#include "app/MekrIds.h"
#include "common/AppSettings.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/dialogs/CDruhyKonstrukci.h"
#include "floorwall/dialogs/CIndexyRozdelovace.h"
#include "floorwall/dialogs/CNavrhPodlahovky.h"
#include "floorwall/dialogs/CircuitPanelIds.h"
#include "floorwall/dialogs/FloorBuildUpIds.h"
#include "floorwall/dialogs/FloorSettingsIds.h"
#include "floorwall/dialogs/FloorWallDialogIds.h"
#include "floorwall/dialogs/WallDesignIds.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/NumberReading.h"
#include "testing/GridTexts.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QFile>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace
{
const char* const kNumber = "Číslo                Místnosti";
constexpr int kLabel = 0, kTemperatureBelow = 5, kCoveredHeat = 9, kSpacing = 18, kLoop = 19, kForeign = 21,
              kMassFlow = 26, kPressureLoss = 27, kManifold = 30;

using Grid = std::vector<std::vector<CString>>;
class DesignKeepsWorkTest;

struct Case
{
    const char* name;
    std::vector<RowCells> rows; // of "SeznamM$", below the building row
    std::function<void(DesignKeepsWorkTest&)> run;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

// The cells where two grids differ, for the failure message.
std::string Differences(const Grid& a, const Grid& b)
{
    std::string text;
    for (size_t row = 0; row < std::min(a.size(), b.size()); ++row)
        for (size_t column = 0; column < std::min(a[row].size(), b[row].size()); ++column)
            if (a[row][column] != b[row][column])
                text += "(" + std::to_string(row + 1) + "," + std::to_string(column) + ") " +
                        a[row][column].str() + " / " + b[row][column].str() + "\n";
    if (a.size() != b.size())
        text += "rows " + std::to_string(a.size()) + " / " + std::to_string(b.size());
    return text;
}

RowCells Room(const char* number, const char* name, const char* floorLoad, const char* temperature = "20")
{
    return {{kNumber, number},         {"TYP_ZAZNAMU", "2"},   {"NázevM", name},
            {"TeplotaM", temperature}, {"ZtrátaM", floorLoad}, {"ZTRATA_PODL", floorLoad}};
}

RowCells Circuit(const char* label, const char* occupiedArea, const char* route = "")
{
    return {{kNumber, label},
            {"TYP_ZAZNAMU", "4"},
            {"Format", "000000|f9f0b0||1"},
            {"Pl_Využitá", occupiedArea},
            {"RETEZ_PRIVODU", route}};
}

// A circuit as an earlier design stored it.
RowCells DesignedCircuit(const char* label, const char* edgeArea, const char* occupiedArea)
{
    return {{kNumber, label},          {"TYP_ZAZNAMU", "4"},         {"Format", "000000|f9f0b0||1"},
            {"Pl_Okrajová", edgeArea}, {"Pl_Využitá", occupiedArea}, {"Rozteč Trubek", "0.15"},
            {"Délka Topení", "80.0"},  {"HustotaTepToku", "90.0"},   {"Hmot_Průtok", "0.03"},
            {"TlakZtráta", "9000.0"}};
}

class DesignKeepsWorkTest : public FloorProjectFixture, public ::testing::WithParamInterface<Case>
{
public:
    // The floor design command with these actions in its dialog; the dialog ends with their result.
    void Floor(const std::function<int(CNavrhPodlahovky&)>& actions)
    {
        bool opened = false;
        ScriptedAnswers::OnDialog(IDD_NAVRH_PODLAHOVKY,
                                  [&](CDialog& dialog)
                                  {
                                      opened = true;
                                      return actions(static_cast<CNavrhPodlahovky&>(dialog));
                                  });
        Command(ID_FLOOR_DESIGN);
        EXPECT_TRUE(opened);
    }
    void Run(UINT command) { Command(command); }
    static void Press(CDialog& dialog, int id) { UiTest::Click(dialog.GetDlgItem(id)); }
    // The design press of a designed dialog: the floor calculation settings first, taken as they are.
    static void DesignAgain(CNavrhPodlahovky& d)
    {
        ScriptedAnswers::OnDialog(IDD_NASTAV_VYPOCET_PODL,
                                  [](CDialog& settings)
                                  {
                                      Press(settings, IDOK);
                                      return IDCANCEL;
                                  });
        Press(d, IDC_NP_DESIGN);
    }
    static Grid Cells(CNavrhPodlahovky& d) { return CellTexts(d.m_grid); }
    static std::vector<CString> Column(CNavrhPodlahovky& d, int column)
    {
        return ColumnTexts(d.m_grid, column);
    }
    static int RowOf(CNavrhPodlahovky& d, const char* label)
    {
        const int row = RowWithText(d.m_grid, kLabel, label);
        if (row < 0)
            ADD_FAILURE() << "no row " << label;
        return row;
    }
    static CString Cell(CNavrhPodlahovky& d, const char* label, int column)
    {
        const int row = RowOf(d, label);
        return row < 0 ? CString() : d.m_grid.GetItemText(row, column);
    }
    static void Notify(CNavrhPodlahovky& d, UINT code, int row)
    {
        NotifyGrid(d, d.m_grid, IDC_NP_GRID, code, row, 1);
    }
    static std::vector<CString> Boxes()
    {
        std::vector<CString> texts;
        for (const MessageBoxRequest& box : ScriptedAnswers::ShownBoxes())
            texts.push_back(box.text);
        return texts;
    }
    static bool ShownBoxWith(const char* part)
    {
        const std::vector<CString> boxes = Boxes();
        return std::any_of(boxes.begin(), boxes.end(),
                           [part](const CString& text) { return text.Find(part) >= 0; });
    }
    // The rows of "SeznamM$" below the building row, as xlrd reads the working copy.
    std::vector<XlrdSheet::Row> Stored() const
    {
        std::vector<XlrdSheet::Row> rows = XlrdSheet::Rows(m_project.str(), "SeznamM");
        if (!rows.empty())
            rows.erase(rows.begin());
        return rows;
    }
    XlrdSheet::Row StoredRow(const char* label, const char* kind) const
    {
        for (const XlrdSheet::Row& row : Stored())
            if (XlrdSheet::Cell(row, kNumber) == label && XlrdSheet::Cell(row, "TYP_ZAZNAMU") == kind)
                return row;
        ADD_FAILURE() << "no stored row " << label;
        return {};
    }
    // "kind:label" of every stored row.
    std::vector<std::string> StoredLabels() const
    {
        std::vector<std::string> labels;
        for (const XlrdSheet::Row& row : Stored())
            labels.push_back(XlrdSheet::Cell(row, "TYP_ZAZNAMU") + ":" + XlrdSheet::Cell(row, kNumber));
        return labels;
    }

protected:
    void SetUp() override
    {
        MekrFixture::SetUp();
        StartOnProject(GetParam().rows);
        AppSettings& settings = AppSettings::Get();
        settings.DesignFlowTemperature = 45.0;
        settings.DesignReturnTemperature = 40.0;
        settings.TemperaturePair = "45#40";
    }

public:
    using FloorProjectFixture::m_project;
};

TEST_P(DesignKeepsWorkTest, ThroughTheProgramsCommands)
{
    GetParam().run(*this);
}

// A design run whose circuits are refused before designing, then stored: the rooms stay whole.
void RefusedBeforeDesigning(DesignKeepsWorkTest& t, const char* message,
                            const std::vector<std::string>& stored)
{
    std::vector<CString> before, after;
    t.Floor(
        [&](CNavrhPodlahovky& d)
        {
            before = DesignKeepsWorkTest::Column(d, kLabel);
            DesignKeepsWorkTest::Press(d, IDC_NP_DESIGN);
            after = DesignKeepsWorkTest::Column(d, kLabel);
            DesignKeepsWorkTest::Press(d, IDC_NP_SAVE);
            return IDOK;
        });
    EXPECT_TRUE(DesignKeepsWorkTest::ShownBoxWith(message)) << message;
    EXPECT_EQ(after, before);
    EXPECT_EQ(t.StoredLabels(), stored);
}

// A hall whose one circuit has this area, and a kitchen.
std::vector<RowCells> TwoRooms(const char* areaText)
{
    return {Room("1.01", "Sál", "400000"), Circuit("1.01/A", areaText), Room("1.02", "Kuchyň", "600"),
            Circuit("1.02/A", "12")};
}

const Case kCases[] = {
    {"AnAreaBeyondWhatARoomHoldsIsRefused", TwoRooms("20000"),
     [](DesignKeepsWorkTest& t)
     {
         RefusedBeforeDesigning(t, "Plocha okruhů místnosti '1.01' přesahuje 10000 m2",
                                {"2:1.01", "4:1.01/A", "2:1.02", "4:1.02/A"});
         EXPECT_EQ(XlrdSheet::Cell(t.StoredRow("1.01/A", "4"), "Pl_Využitá"), "20000.0");
     }},
    {"AnAreaNoDesignCanEndIsRefused", TwoRooms("1e308"),
     [](DesignKeepsWorkTest& t)
     {
         RefusedBeforeDesigning(t, "Plocha okruhů místnosti '1.01' přesahuje 10000 m2",
                                {"2:1.01", "4:1.01/A", "2:1.02", "4:1.02/A"});
     }},
    {"ASplitIntoMoreCircuitsThanLettersIsRefused", TwoRooms("9000"),
     [](DesignKeepsWorkTest& t)
     {
         RefusedBeforeDesigning(t, "by dělení okruhů dalo více než 26 okruhů",
                                {"2:1.01", "4:1.01/A", "2:1.02", "4:1.02/A"});
         EXPECT_EQ(XlrdSheet::Cell(t.StoredRow("1.01/A", "4"), "Pl_Využitá"), "9000.0");
     }},
    {"AFailedPressLeavesTheCircuitsAsBefore",
     {Room("1.01", "Sál", "20000"), DesignedCircuit("1.01/A", "0.45", "100"),
      DesignedCircuit("1.01/B", "0.45", "100")},
     [](DesignKeepsWorkTest& t)
     {
         Grid before, after;
         t.Floor(
             [&](CNavrhPodlahovky& d)
             {
                 before = DesignKeepsWorkTest::Cells(d);
                 DesignKeepsWorkTest::DesignAgain(d);
                 after = DesignKeepsWorkTest::Cells(d);
                 DesignKeepsWorkTest::Press(d, IDC_NP_SAVE);
                 return IDOK;
             });
         EXPECT_TRUE(DesignKeepsWorkTest::ShownBoxWith("je dělení okruhů na plochy vytápění pod 0.5 m2"));
         EXPECT_TRUE(after == before) << Differences(after, before);
         EXPECT_EQ(t.StoredLabels(), (std::vector<std::string>{"2:1.01", "4:1.01/A", "4:1.01/B"}));
         for (const char* label : {"1.01/A", "1.01/B"})
         {
             const XlrdSheet::Row row = t.StoredRow(label, "4");
             EXPECT_EQ(XlrdSheet::Cell(row, "Rozteč Trubek"), "0.1500") << label;
             EXPECT_EQ(XlrdSheet::Cell(row, "Pl_Okrajová"), "0.45") << label;
         }
     }},
    {"ADesignSavedAndOpenedAgainIsTheSame",
     {{{kNumber, "1.01"},
       {"TYP_ZAZNAMU", "2"},
       {"NázevM", "Obývák"},
       {"TeplotaM", "20"},
       {"ZTRATA_PODL", "1234.56"},
       {"Plocha", "14.61"},
       {"Pl_Dispon", "13.57"}},
      {{kNumber, "1.01/A"},
       {"TYP_ZAZNAMU", "4"},
       {"Format", "000000|f9f0b0||1"},
       {"Pl_Okrajová", "1.27"},
       {"Pl_Využitá", "12.34"}},
      Room("1.02", "Koupelna", "456.78", "24"),
      Circuit("1.02/A", "5.27"),
      Room("1.03", "Chodba", "300.5", "18"),
      Circuit("1.03/A", "7.13")},
     [](DesignKeepsWorkTest& t)
     {
         Grid designed, designedAgain, opened, openedDesignedAgain;
         std::vector<double> massFlows;
         double reference = 0.0;
         t.Floor(
             [&](CNavrhPodlahovky& d)
             {
                 DesignKeepsWorkTest::Press(d, IDC_NP_DESIGN);
                 designed = DesignKeepsWorkTest::Cells(d);
                 for (const CMistPodlahVytap* room : d.m_design.m_rooms)
                     for (const CTopnyOkruh* c : room->m_floorCircuits)
                         massFlows.push_back(c->m_dMassFlowKgPerS);
                 reference = d.m_design.m_dReferenceValue;
                 DesignKeepsWorkTest::Press(d, IDC_NP_SAVE);
                 DesignKeepsWorkTest::DesignAgain(d);
                 designedAgain = DesignKeepsWorkTest::Cells(d);
                 return IDCANCEL; // the second design is dropped
             });
         t.Floor(
             [&](CNavrhPodlahovky& d)
             {
                 opened = DesignKeepsWorkTest::Cells(d);
                 DesignKeepsWorkTest::DesignAgain(d);
                 openedDesignedAgain = DesignKeepsWorkTest::Cells(d);
                 return IDCANCEL;
             });
         ASSERT_FALSE(designed.empty());
         EXPECT_TRUE(opened == designed) << "every grid cell as it was saved:\n"
                                         << Differences(opened, designed);
         EXPECT_TRUE(openedDesignedAgain == designedAgain) << "designing again changes nothing:\n"
                                                           << Differences(openedDesignedAgain, designedAgain);
         const XlrdSheet::Row room = t.StoredRow("1.01", "2");
         EXPECT_EQ(XlrdSheet::Cell(room, "Plocha"), "14.61");
         EXPECT_EQ(XlrdSheet::Cell(room, "Pl_Dispon"), "13.57");
         EXPECT_EQ(XlrdSheet::Cell(t.StoredRow("1.02/A", "4"), "Pl_Využitá"), "5.27");
         EXPECT_EQ(XlrdSheet::Cell(t.StoredRow("1.01/A", "4"), "Pl_Okrajová"), "0.635") << "half of 1.27 m²";
         std::vector<double> storedFlows;
         for (const XlrdSheet::Row& row : t.Stored())
             if (XlrdSheet::Cell(row, "TYP_ZAZNAMU") == "4")
                 storedFlows.push_back(std::stod(XlrdSheet::Cell(row, "Hmot_Průtok")));
         EXPECT_EQ(storedFlows, massFlows) << "mass flows with every digit";
         const std::vector<XlrdSheet::Row> header = XlrdSheet::Rows(t.m_project.str(), "DataAkce");
         ASSERT_FALSE(header.empty());
         EXPECT_EQ(std::stod(XlrdSheet::Cell(header[0], "dThetaVDes")), reference);
     }},
    {"ADesignReadOnlyInPartSaysSoOnceAsItOpens",
     {Circuit("1.01/A", "12"), Room("1.01", "Obývák", "900"), Circuit("1.01/A", "12")},
     [](DesignKeepsWorkTest& t)
     {
         std::vector<CString> shown;
         t.Floor(
             [&](CNavrhPodlahovky&)
             {
                 shown = DesignKeepsWorkTest::Boxes();
                 return IDCANCEL;
             });
         EXPECT_EQ(shown, std::vector<CString>{"Řádek 3 listu \"SeznamM$\" nelze načíst: okruh podlahového vytápění "
                                               "\"1.01/A\" stojí před první místností listu.\nNávrh se neuloží, dokud "
                                               "řádek nebude patřit pod místnost."});
         EXPECT_EQ(DesignKeepsWorkTest::Boxes(), shown) << "once";
     }},
    {"TheWallDesignMakesAFloorCircuitAsTheFloorDesignDoes",
     {{{kNumber, "1.01"},
       {"TYP_ZAZNAMU", "2"},
       {"NázevM", "Pokoj"},
       {"TeplotaM", "20"},
       {"ZTRATA_PODL", "600"},
       {"ZTRATA_STEN", "300"},
       {"Pl_Využitá", "12"}}},
     [](DesignKeepsWorkTest& t)
     {
         ScriptedAnswers::OnDialog(IDD_NAVRH_STENOVKY,
                                   [](CDialog& wall)
                                   {
                                       DesignKeepsWorkTest::Press(wall, IDC_WALL_DESIGN_OK);
                                       return IDCANCEL;
                                   });
         t.Run(ID_WALL_DESIGN);
         EXPECT_EQ(XlrdSheet::Cell(t.StoredRow("1.01/A", "4"), "Tepl_Podlahy"), "5.0");
         CString below;
         t.Floor(
             [&](CNavrhPodlahovky& d)
             {
                 below = DesignKeepsWorkTest::Cell(d, "1.01/A", kTemperatureBelow);
                 return IDCANCEL;
             });
         EXPECT_EQ(below, "5.0");
     }},
    {"APressKeepsTheRoutesThroughRoomsWithSlash",
     {Room("1.01", "Pokoj", "900"), Circuit("1.01/A", "12"), Room("2", "Hala", "1200"),
      Circuit("2/A", "20", "[1.01/A{L=1.0}][2/06/A{L=3.0}]"), Room("2/06", "Šatna", "700"),
      Circuit("2/06/A", "15")},
     [](DesignKeepsWorkTest& t)
     {
         CString foreign, gain;
         t.Floor(
             [&](CNavrhPodlahovky& d)
             {
                 DesignKeepsWorkTest::Press(d, IDC_NP_DESIGN);
                 foreign = DesignKeepsWorkTest::Cell(d, "2/06/A", kForeign);
                 gain = DesignKeepsWorkTest::Cell(d, "2/06/A", kCoveredHeat);
                 DesignKeepsWorkTest::Press(d, IDC_NP_SAVE);
                 return IDOK;
             });
         EXPECT_EQ(foreign, "3.0");
         EXPECT_GT(ReadNumber(gain), 0.0) << gain.GetString();
         EXPECT_EQ(XlrdSheet::Cell(t.StoredRow("2/A", "4"), "RETEZ_PRIVODU"),
                   "[1.01/A{L=1.0}][2/06/A{L=3.0}]");
     }},
    {"ClicksFindTheRoomOfTheWholeRoomNumber",
     {Room("2/05", "Šatna", "700"), Circuit("2/05/A", "15"), Room("2", "Hala", "1200"), Circuit("2/A", "20")},
     [](DesignKeepsWorkTest& t)
     {
         int edited = -1;
         std::vector<CString> labels;
         t.Floor(
             [&](CNavrhPodlahovky& d)
             {
                 ScriptedAnswers::OnDialog(IDD_DRUHY_KONSTRUKCI,
                                           [&](CDialog& c)
                                           {
                                               edited = static_cast<CDruhyKonstrukci&>(c).m_nRoomIndex;
                                               DesignKeepsWorkTest::Press(c, IDC_DK_OK);
                                               return IDCANCEL;
                                           });
                 DesignKeepsWorkTest::Notify(d, UINT(GVN_DBLCLK), DesignKeepsWorkTest::RowOf(d, "2/A"));
                 ScriptedAnswers::OnDialog(IDD_DRUHY_KONSTRUKCI,
                                           [](CDialog& c)
                                           {
                                               DesignKeepsWorkTest::Press(c, IDC_DK_OK);
                                               return IDCANCEL;
                                           });
                 DesignKeepsWorkTest::Notify(d, UINT(GVN_RCLICK), DesignKeepsWorkTest::RowOf(d, "2/A"));
                 labels = DesignKeepsWorkTest::Column(d, kLabel);
                 return IDCANCEL;
             });
         EXPECT_EQ(edited, 1) << "room \"2\", not \"2/05\"";
         EXPECT_EQ(labels, (std::vector<CString>{"2/05/A", "2/A", "2/B"}));
     }},
    {"TheCircuitPanelNamesItsCircuit",
     {Room("2", "Hala", "1200"), DesignedCircuit("2/A", "0", "20"), Room("2/05", "Šatna", "700"),
      DesignedCircuit("2/05/A", "0", "15")},
     [](DesignKeepsWorkTest& t)
     {
         CString caption;
         t.Floor(
             [&](CNavrhPodlahovky& d)
             {
                 ScriptedAnswers::OnDialog(IDD_KALKULACKA_PODLAH,
                                           [&](CDialog& panel)
                                           {
                                               panel.GetWindowText(caption);
                                               return IDCANCEL;
                                           });
                 const int row = DesignKeepsWorkTest::RowOf(d, "2/05/A");
                 d.m_grid.SetSelectedRange(row, 0, row, 29);
                 DesignKeepsWorkTest::Press(d, IDC_NP_EDIT);
                 return IDCANCEL;
             });
         EXPECT_EQ(caption.Right(9), " : 2/05/A") << caption.GetString();
     }},
    {"DeletingARoomKeepsTheRoutesThroughOtherRooms",
     {Room("1.01", "Pokoj", "900"), Circuit("1.01/A", "12", "[2/A{L=1.0}][2/05/A{L=2.0}]"),
      Room("2", "Hala", "1200"), Circuit("2/A", "20"), Room("2/05", "Šatna", "700"), Circuit("2/05/A", "15")},
     [](DesignKeepsWorkTest& t)
     {
         t.Floor(
             [&](CNavrhPodlahovky& d)
             {
                 ScriptedAnswers::AnswerBox(IDYES);
                 d.m_grid.SetFocus();
                 d.m_grid.SetFocusCell(DesignKeepsWorkTest::RowOf(d, "2/A"), 1);
                 UiTest::PressKey(VK_DELETE);
                 DesignKeepsWorkTest::Press(d, IDC_NP_SAVE);
                 return IDOK;
             });
         EXPECT_TRUE(DesignKeepsWorkTest::ShownBoxWith("upravit přívody okruhů v místnostech\nčíslo: 1.01"));
         EXPECT_EQ(t.StoredLabels(), (std::vector<std::string>{"2:1.01", "4:1.01/A", "2:2/05", "4:2/05/A"}));
         EXPECT_EQ(XlrdSheet::Cell(t.StoredRow("1.01/A", "4"), "RETEZ_PRIVODU"), "[2/05/A{L=2.0}]");
     }},
    {"DesigningAgainKeepsTheManifoldsOfSplitCircuits",
     {Room("1.01", "Obývák", "7500"), Circuit("1.01/A", "50"), Circuit("1.01/B", "50"),
      Circuit("1.01/C", "50"), Room("1.03", "Chodba", "300", "18"), Circuit("1.03/A", "7")},
     [](DesignKeepsWorkTest& t)
     {
         std::vector<CString> labels, manifolds, labelsAgain, manifoldsAgain;
         t.Floor(
             [&](CNavrhPodlahovky& d)
             {
                 DesignKeepsWorkTest::Press(d, IDC_NP_DESIGN);
                 DesignerRoad::AnswerManifolds();
                 DesignKeepsWorkTest::Press(d, IDC_NP_MANIFOLDS);
                 labels = DesignKeepsWorkTest::Column(d, kLabel);
                 manifolds = DesignKeepsWorkTest::Column(d, kManifold);
                 DesignKeepsWorkTest::DesignAgain(d);
                 labelsAgain = DesignKeepsWorkTest::Column(d, kLabel);
                 manifoldsAgain = DesignKeepsWorkTest::Column(d, kManifold);
                 return IDCANCEL;
             });
         ASSERT_GT(labels.size(), 2u) << "the living room is split";
         EXPECT_EQ(manifolds, std::vector<CString>(labels.size(), "1"));
         EXPECT_EQ(labelsAgain, labels);
         EXPECT_EQ(manifoldsAgain, manifolds);
     }},
    {"RouteLengthsAreStoredWithAPointOnEveryDesktop",
     {Room("1.01", "Pokoj", "900"), Circuit("1.01/A", "12", "[1.03/A{L=0.5}][1.02/A{L=2,5}]"),
      Room("1.02", "Kuchyň", "800"), Circuit("1.02/A", "14"), Room("1.03", "Spíž", "200"),
      Circuit("1.03/A", "6")},
     [](DesignKeepsWorkTest& t)
     {
         ScopedDecimalSeparator czech(',');
         CString foreign;
         t.Floor(
             [&](CNavrhPodlahovky& d)
             {
                 DesignKeepsWorkTest::Press(d, IDC_NP_DESIGN);
                 foreign = DesignKeepsWorkTest::Cell(d, "1.02/A", kForeign);
                 DesignKeepsWorkTest::Press(d, IDC_NP_SAVE);
                 return IDOK;
             });
         EXPECT_EQ(foreign, "2,5") << "shown in the user's notation";
         EXPECT_EQ(XlrdSheet::Cell(t.StoredRow("1.01/A", "4"), "RETEZ_PRIVODU"),
                   "[1.03/A{L=0.5}][1.02/A{L=2.5}]");
     }},
    // A warm room with a small load: its circuit cannot keep to the first run's spread and falls
    // back to the largest spacing, where the lowering runs to its end; the later runs design it.
    {"TheLargestSpacingFallbackShowsADesignThatMatchesItsSpacing",
     {Room("1.01", "Pokoj", "1500"), Circuit("1.01/A", "14"), Room("1.02", "Sušárna", "100", "30.31"),
      Circuit("1.02/A", "20")},
     [](DesignKeepsWorkTest& t)
     {
         std::vector<std::pair<double, double>> loops; // shown, and computed from the shown spacing
         t.Floor(
             [&](CNavrhPodlahovky& d)
             {
                 DesignKeepsWorkTest::Press(d, IDC_NP_DESIGN);
                 for (const CMistPodlahVytap* room : d.m_design.m_rooms)
                     for (const CTopnyOkruh* c : room->m_floorCircuits)
                     {
                         CTopnyOkruh again;
                         again.m_dSpacing = c->m_dSpacing;
                         again.m_dHeatFlux = c->m_dHeatFlux;
                         again.m_dOccupiedArea = c->m_dOccupiedArea;
                         again.m_dEdgeArea = c->m_dEdgeArea;
                         again.m_nSeparateEdgeZone = c->m_nSeparateEdgeZone;
                         again.ComputePipeLength();
                         loops.emplace_back(c->m_dLoopLength, again.m_dLoopLength);
                     }
                 return IDCANCEL;
             });
         EXPECT_FALSE(DesignKeepsWorkTest::ShownBoxWith("1.02/A:")) << "designed, so not named undesigned";
         ASSERT_FALSE(loops.empty());
         for (const auto& [shown, computed] : loops)
             EXPECT_EQ(shown, computed);
     }},
};

INSTANTIATE_TEST_SUITE_P(Faults, DesignKeepsWorkTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info)
                         { return std::string(info.param.name); });
} // namespace
