// The wall heating design kept in a copy of the project template: every room of "SeznamM$"
// with its radiators, floor and wall circuits loaded and stored back, the wall temperatures in
// "SIGMA_STENOVKY" of "DataAkce$", and loads that fail or stop.

#include "FloorWallFixtures.h"

#include "../../hydraulics/tests/HydraulicsFixtures.h"
#include "datalib/CData.h"
#include "floorwall/FloorWallIds.h"
#include "floorwall/WallDesignStore.h"
#include "hydraulics/COtopneTeleso.h"
#include "hydraulics/ProjectVersion.h"
#include "platform/dao/tests/DebianPython.h"
#include "testing/ScriptedAnswers.h"

namespace
{
using WallDesign::Temperatures;

class WallDesignStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ScriptedAnswers::Reset();
        AppSettings::Get() = AppSettings();
        AppSettings::Get().SetStartValues(0);
        AppSettings::Get().PathBase = m_project.Path();
        ProjectProgramVersion() = "1.1";
    }
    void TearDown() override
    {
        for (CMistPodlahVytap* room : m_rooms)
            delete room;
        AppSettings::Get() = AppSettings();
        ProjectProgramVersion() = "";
        ScriptedAnswers::Reset();
    }
    int Load()
    {
        for (CMistPodlahVytap* room : m_rooms)
            delete room;
        m_rooms.clear();
        const int result = WallDesignStore::LoadRooms(m_table, m_rooms, m_loadMessage);
        return result;
    }
    int Store(const Temperatures& t = {45.0, 40.0, 5.0}) { return WallDesignStore::Store(m_rooms, t); }
    // Kinds and labels of "SeznamM$" as xlrd reads them, after its heading row.
    std::string SheetAsXlrdReadsIt() const
    {
        return RunPython(R"(
import sys, xlrd
book = xlrd.open_workbook(sys.argv[1])
sheet = book.sheet_by_name("SeznamM")
names = [c.value for c in sheet.row(0)]
kind, label = names.index("TYP_ZAZNAMU"), names.index("Číslo                Místnosti")
print(";".join(sheet.cell_value(r, kind) + ":" + sheet.cell_value(r, label) for r in range(1, sheet.nrows)))
header = book.sheet_by_name("DataAkce")
print(header.cell_value(1, [c.value for c in header.row(0)].index("SIGMA_STENOVKY")))
)",
                         QStringList{QString::fromStdString(m_project.Path().str())});
    }

    ScopedDecimalSeparator m_locale{'.'};
    WorkbookCopy m_project{"MekrOrig.xls", "Projekt.XLS"};
    CData m_table;
    std::vector<CMistPodlahVytap*> m_rooms;
    UINT m_message = 0;
    CString m_loadMessage;
};

TEST(WallDesignTemperatureText, SupplyAndReturnOfTheStoredText)
{
    struct Case
    {
        const char* text;
        Temperatures expected;
    };
    // The return given beforehand is 41.0 °C.
    const Case cases[] = {
        {"", {50.0, 42.0, 8.0}},
        {"0#0", {50.0, 42.0, 8.0}},
        {"55.0", {55.0, 55.0, 0.0}},
        {"48,5#40.0", {48.5, 40.0, 8.5}},
        {"45#", {45.0, 41.0, 4.0}},
        {"-5#-3", {50.0, 42.0, 8.0}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text);
        Temperatures t{0.0, 41.0, 0.0};
        WallDesignStore::ParseTemperatures(c.text, t);
        EXPECT_EQ(c.expected.supply, t.supply);
        EXPECT_EQ(c.expected.ret, t.ret);
        EXPECT_NEAR(c.expected.drop, t.drop, 1e-12);
    }
}

TEST_F(WallDesignStoreTest, EveryRoomWithItsElementsComesBackAsItWas)
{
    AppendRows(m_project.Path(), "SeznamM$", ProjectRows());
    ASSERT_EQ(Load(), 0);
    // The row without a kind is passed over.
    ASSERT_EQ(m_rooms.size(), 3u);
    CMistPodlahVytap& a = *m_rooms[0];
    EXPECT_EQ(a.m_radiators.size(), 2u);
    EXPECT_EQ(a.m_floorCircuits.size(), 2u);
    ASSERT_EQ(a.m_wallCircuits.size(), 1u);
    EXPECT_EQ(a.m_nWallHeating, 1); // set by its wall circuit
    EXPECT_EQ(a.m_nFloorHeating, 1);
    EXPECT_EQ(m_rooms[1]->m_floorCircuits.size(), 1u);
    EXPECT_EQ(m_rooms[2]->m_nFloorHeating, 0);
    EXPECT_EQ(m_rooms[2]->m_nWallHeating, 0);

    ASSERT_EQ(Store(), 0);
    const std::vector<SheetRow> first = ResultRows(m_project.Path());
    ASSERT_EQ(Load(), 0);
    ASSERT_EQ(Store({48.0, 40.5, 7.5}), 0);
    EXPECT_EQ(ResultRows(m_project.Path()), first);
    ASSERT_EQ(first.size(), 10u);
    EXPECT_EQ(first[0].at("NázevM"), "objekt");
    EXPECT_EQ(first[6].at("Délka Topení"), "40.0"); // the wall circuit
    EXPECT_EQ(first[9].at("NázevM"), "Chodba"); // the bare room survives

    EXPECT_EQ(SheetAsXlrdReadsIt(),
              "1:;2:1.01;3:1.01;3:1.01;4:1.01;4:1.01;5:1.01;2:1.02;4:1.02;2:1.03\n48.0#40.5\n");
    Temperatures t;
    ASSERT_EQ(WallDesignStore::LoadTemperatures(m_table, t), 0);
    EXPECT_EQ(48.0, t.supply);
    EXPECT_EQ(40.5, t.ret);
    EXPECT_EQ(7.5, t.drop);
}

TEST_F(WallDesignStoreTest, FloorRoomWithoutCircuitRowsGetsOneFromItsOwnRow)
{
    AppendRows(m_project.Path(), "SeznamM$",
               {{{"Číslo                Místnosti", "2.01"}, {"TYP_ZAZNAMU", "2"}, {"ZTRATA_PODL", "300"},
                 {"TeplotaM", "24"}, {"Délka vlastní", "7"}},
                {{"Číslo                Místnosti", "2.02"}, {"TYP_ZAZNAMU", "2"}, {"ZTRATA_STEN", "450"}}});
    ASSERT_EQ(Load(), 0);
    ASSERT_EQ(m_rooms.size(), 2u);
    ASSERT_EQ(m_rooms[0]->m_floorCircuits.size(), 1u);
    const CTopnyOkruh& circuit = *m_rooms[0]->m_floorCircuits[0];
    EXPECT_EQ(circuit.m_strLabel, "2.01/A");
    EXPECT_EQ(circuit.m_dOwnSupplyLength, 0.0);
    EXPECT_EQ(circuit.m_strFormat, AppSettings::Get().RowFormats[6]);
    EXPECT_EQ(m_rooms[0]->m_nCircuitCount, 1);
    EXPECT_TRUE(m_rooms[1]->m_floorCircuits.empty());
    EXPECT_EQ(m_rooms[1]->m_nWallHeating, 1);
}

// The load stops at a radiator or circuit above the first room, and the message names that
// row as a spreadsheet numbers it (the template's building row is row 2).
TEST_F(WallDesignStoreTest, ElementRowsBeforeAnyRoomStopTheLoadAndAreNamed)
{
    const struct
    {
        const char* kind;
        const char* label;
        const char* message;
    } cases[] = {
        {"5", "1.01/A", "Řádek 3 listu \"SeznamM$\" nelze načíst: okruh stěnového vytápění \"1.01/A\" stojí"},
        {"4", "1.01/B", "Řádek 3 listu \"SeznamM$\" nelze načíst: okruh podlahového vytápění \"1.01/B\" stojí"},
        {"3", "", "Řádek 3 listu \"SeznamM$\" nelze načíst: otopné těleso stojí před první místností"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.kind);
        WorkbookCopy project{"MekrOrig.xls", "Projekt.XLS"};
        AppSettings::Get().PathBase = project.Path();
        AppendRows(project.Path(), "SeznamM$",
                   {{{"Číslo                Místnosti", c.label}, {"TYP_ZAZNAMU", c.kind}},
                    {{"Číslo                Místnosti", "1.01"}, {"TYP_ZAZNAMU", "2"}, {"ZTRATA_STEN", "300"}}});
        EXPECT_EQ(Load(), 1);
        EXPECT_EQ(m_loadMessage.Find(c.message), 0) << m_loadMessage;
        EXPECT_EQ(m_loadMessage.Find("Málo paměti"), -1);
        EXPECT_TRUE(m_rooms.empty());
    }
}

TEST_F(WallDesignStoreTest, SheetsThatDoNotOpenLoadAndStoreNothing)
{
    // A workbook without the two sheets: the opener tells of each once.
    const CString other = m_project.Folder() + "/Jiny.XLS";
    {
        CData data;
        ASSERT_TRUE(data.Create(other, "Excel 8.0"));
        data.AddColBeforeCreateTable("A", 10, 255, 0);
        ASSERT_TRUE(data.CreateTable("List1"));
        data.Close();
    }
    AppSettings::Get().PathBase = other;
    ScriptedAnswers::ForgetShown();
    EXPECT_EQ(Load(), 1);
    EXPECT_TRUE(m_loadMessage.IsEmpty());
    Temperatures t{45.0, 40.0, 5.0};
    EXPECT_EQ(WallDesignStore::LoadTemperatures(m_table, t), 1);
    EXPECT_EQ(45.0, t.supply);
    EXPECT_EQ(Store(t), 1);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes().size(), 3u);
}
} // namespace
