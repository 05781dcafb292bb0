// The design room record's row, its per-room steps, and the floor design stored into and
// loaded from "SeznamM$" and "DataAkce$" of a copy of the project template.

#include "FloorWallFixtures.h"

#include "../../hydraulics/tests/HydraulicsFixtures.h"
#include "datalib/CData.h"
#include "floorwall/FloorDesign.h"
#include "hydraulics/COtopneTeleso.h"
#include "hydraulics/ProjectVersion.h"
#include "platform/dao/tests/DebianPython.h"
#include "testing/ScriptedAnswers.h"

#include <QStringList>

namespace
{
class FloorStorage : public ::testing::Test
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
        AppSettings::Get() = AppSettings();
        ProjectProgramVersion() = "";
        ScriptedAnswers::Reset();
    }
    void SetHeader(const char* column, const char* value) { WriteHeaderCell(m_project.Path(), column, value); }
    CString Header(const char* column) { return HeaderCell(m_project.Path(), column); }

    ScopedDecimalSeparator m_locale{'.'};
    WorkbookCopy m_project{"MekrOrig.xls", "Projekt.XLS"};
};

CTopnyOkruh* Circuit(const char* label, double occupied, double edge = 0.0)
{
    auto* c = new CTopnyOkruh;
    c->m_strLabel = label;
    c->m_dOccupiedArea = occupied;
    c->m_dEdgeArea = edge;
    c->m_dTotalArea = occupied + edge;
    return c;
}

TEST_F(FloorStorage, RoomRowReadsItsDefaults)
{
    AppendRows(m_project.Path(), "SeznamM$",
               {{{"Číslo                Místnosti", "1.01"}, {"TYP_ZAZNAMU", "2"}, {"NázevM", "Kuchyň"},
                 {"TeplotaM", "0"}, {"R izolace", "0"}, {"Délka vlastní", "0"}, {"TLOUST_IZO", "40"},
                 {"Q_PODL_DIFF", "-12.5"}, {"Q_TELE_DIFF", "-3"}, {"ZTRATA_PODL", "600"}, {"Soustava", "2"},
                 {"Podlahové     Vytápění", "9001-0072"}, {"Tepl_Podlahy", "12"}},
                {{"Číslo                Místnosti", "1.02"}, {"TYP_ZAZNAMU", "2"}, {"ZTRATA_PODL", "0"},
                 {"Podlahové     Vytápění", "Ne"}}});
    for (const char* version : {"1.1", "1.0"})
    {
        SCOPED_TRACE(version);
        ProjectProgramVersion() = version;
        AppSettings::Get().KodSysPodl = "9001-0014";
        FloorDesign design;
        design.LoadProjectData();
        ASSERT_EQ(design.m_rooms.size(), 2u);
        const CMistPodlahVytap& room = *design.m_rooms[0];
        EXPECT_EQ(room.m_strName, "Kuchyň");
        EXPECT_EQ(room.m_dRoomTemperature, 20.0);
        EXPECT_EQ(room.m_dInsulationResistance, 0.55);
        EXPECT_EQ(room.m_dOwnLength, 5.0);
        EXPECT_EQ(room.m_dInsulationThickness, 40.0);
        EXPECT_EQ(room.m_dMaxInsulationThickness, 40.0);
        EXPECT_EQ(room.m_dMinInsulationThickness, 40.0);
        EXPECT_EQ(room.m_dScreedThickness, 45.0);
        EXPECT_EQ(room.m_nSystemType, 2);
        EXPECT_EQ(room.m_nFloorHeating, 1);
        EXPECT_EQ(AppSettings::Get().KodSysPodl, "9001-0072");
        const bool first = std::string(version) == "1.0";
        EXPECT_EQ(room.m_dFloorDifference, first ? 0.0 : -12.5);
        EXPECT_EQ(room.m_dRadiatorDifference, first ? 0.0 : -3.0);
        // A floor heating room without circuit rows gets its first circuit from its own row.
        ASSERT_EQ(room.m_floorCircuits.size(), 1u);
        EXPECT_EQ(room.m_floorCircuits[0]->m_strLabel, "1.01/A");
        EXPECT_EQ(room.m_floorCircuits[0]->m_dFloorTemperatureValue, 12.0);
        EXPECT_EQ(room.m_floorCircuits[0]->m_dOwnSupplyLength, 0.0);
        EXPECT_EQ(design.m_rooms[1]->m_nFloorHeating, 0);
        EXPECT_TRUE(design.m_rooms[1]->m_floorCircuits.empty());
        EXPECT_EQ(design.m_rooms[1]->m_dMaxInsulationThickness, 32.0);
    }
}

TEST_F(FloorStorage, TemperaturePairAndReferenceValueOfTheHeader)
{
    struct Case
    {
        const char* pair;
        double flow, ret;
    } cases[] = {{"0#0", 50.0, 45.0}, {"45#40", 45.0, 40.0}, {"38.5#33", 38.5, 33.0}, {"55", 55.0, 45.0}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pair);
        SetHeader("Teplotní spád", c.pair);
        SetHeader("dThetaVDes", "12.5");
        FloorDesign design;
        design.LoadProjectData();
        EXPECT_EQ(AppSettings::Get().DesignFlowTemperature, c.flow);
        EXPECT_EQ(AppSettings::Get().DesignReturnTemperature, c.ret);
        EXPECT_EQ(AppSettings::Get().TemperaturePair, c.pair);
        EXPECT_EQ(design.m_dReferenceValue, 12.5);
    }
}

TEST_F(FloorStorage, RoomWithoutFloorHeatingIsWrittenWithNeAndZeros)
{
    FloorDesign design;
    auto* room = new CMistPodlahVytap;
    room->m_strNumber = "2.01";
    room->m_dFloorLoad = 500.0;
    room->m_dFloorOutput = 480.0;
    room->m_dFloorDifference = 20.0;
    room->m_floorCircuits.push_back(Circuit("2.01/A", 10.0));
    room->m_radiators.push_back(new COtopneTeleso);
    room->m_radiators.push_back(new COtopneTeleso);
    room->m_radiators[0]->m_dOutput = 300.0;
    room->m_radiators[1]->m_dOutput = 450.5;
    design.m_rooms.push_back(room);
    ASSERT_EQ(design.SaveProjectData(), 0);

    const auto rows = ReadSheet(m_project.Path(), "SeznamM$");
    ASSERT_EQ(rows.size(), 4u); // building, room, two radiators; the circuit is not written
    EXPECT_EQ(CellText(rows[1], "TYP_ZAZNAMU"), "2");
    EXPECT_EQ(CellText(rows[1], "Podlahové     Vytápění"), "Ne");
    EXPECT_EQ(CellText(rows[1], "Stěnové Vytápění"), "Ne");
    for (const char* column : {"ZTRATA_PODL", "Q_PODL_SKUT", "Q_PODL_DIFF", "ZTRATA_STEN"})
        EXPECT_EQ(CellText(rows[1], column), "0.0") << column;
    EXPECT_EQ(CellText(rows[1], "PočetČl"), "1");
    // The room's radiator output is the sum of its radiators' outputs.
    EXPECT_EQ(CellText(rows[1], "Q_TELE_SKUT"), "750.5");
    EXPECT_EQ(CellText(rows[1], "ZTRATA_TELE"), "750.5");
    EXPECT_EQ(CellText(rows[1], "R izolace"), "0.5500");
    EXPECT_EQ(CellText(rows[2], "TYP_ZAZNAMU"), "3");
}

TEST_F(FloorStorage, SaveAndLoadKeepRoomsRadiatorsAndBothCircuitKinds)
{
    {
        FloorDesign design;
        auto* a = new CMistPodlahVytap;
        a->m_strNumber = "1/01"; // a room number with a slash of its own
        a->m_strName = "Obývák";
        a->m_nFloorHeating = a->m_nWallHeating = 1;
        a->m_dFloorLoad = 900.0;
        a->m_dWallLoad = 300.0;
        a->m_dRoomTemperature = 22.0;
        a->m_radiators = {new COtopneTeleso, new COtopneTeleso};
        a->m_radiators[0]->m_dOutput = 200.0;
        a->m_radiators[1]->m_dOutput = 100.0;
        a->m_floorCircuits = {Circuit("1/01/A", 12.0), Circuit("1/01/B", 8.0, 2.0)};
        a->m_floorCircuits[1]->m_nManifold = 2;
        a->m_floorCircuits[1]->m_strSupplyChain = "[2.01/A{L=3.5}]";
        a->m_wallCircuits = {Circuit("1/01/A", 6.0)};
        auto* b = new CMistPodlahVytap;
        b->m_strNumber = "2.01";
        b->m_nFloorHeating = 1;
        b->m_dFloorLoad = 400.0;
        b->m_floorCircuits = {Circuit("2.01/A", 9.0)};
        auto* c = new CMistPodlahVytap;
        c->m_strNumber = "3.01";
        design.m_rooms = {a, b, c};
        design.m_dReferenceValue = 11.25;
        AppSettings::Get().DesignFlowTemperature = 42.0;
        AppSettings::Get().DesignReturnTemperature = 36.5;
        ASSERT_EQ(design.SaveProjectData(), 0);
        EXPECT_EQ(AppSettings::Get().TemperaturePair, "42.0#36.5");
    }
    EXPECT_EQ(Header("Teplotní spád"), "42.0#36.5");
    EXPECT_EQ(Header("dThetaVDes"), "11.25") << "every digit kept";

    FloorDesign back;
    back.LoadProjectData();
    ASSERT_EQ(back.m_rooms.size(), 3u);
    const CMistPodlahVytap& a = *back.m_rooms[0];
    EXPECT_EQ(a.m_strNumber, "1/01");
    EXPECT_EQ(a.m_strName, "Obývák");
    ASSERT_EQ(a.m_radiators.size(), 2u);
    EXPECT_EQ(a.m_radiators[1]->m_dOutput, 100.0);
    ASSERT_EQ(a.m_floorCircuits.size(), 2u);
    EXPECT_EQ(a.m_floorCircuits[1]->m_strLabel, "1/01/B");
    EXPECT_EQ(a.m_floorCircuits[1]->m_nManifold, 2);
    EXPECT_EQ(a.m_floorCircuits[1]->m_strSupplyChain, "[2.01/A{L=3.5}]");
    EXPECT_EQ(a.m_floorCircuits[1]->m_dMaxSurfaceTemperature, 35.0);
    ASSERT_EQ(a.m_wallCircuits.size(), 1u);
    EXPECT_EQ(a.m_nWallHeating, 1);
    EXPECT_EQ(a.m_dRadiatorOutput, 300.0);
    EXPECT_EQ(back.m_rooms[1]->m_strNumber, "2.01");
    EXPECT_EQ(back.m_rooms[1]->m_floorCircuits.size(), 1u);
    EXPECT_EQ(back.m_rooms[2]->m_strNumber, "3.01");
    EXPECT_TRUE(back.m_rooms[2]->m_floorCircuits.empty());
    EXPECT_EQ(back.m_dReferenceValue, 11.25);
    EXPECT_EQ(AppSettings::Get().DesignFlowTemperature, 42.0);

    // An independent reader sees the same rows: kinds and labels in order.
    const std::string seen = RunPython(R"(
import sys, xlrd
sheet = xlrd.open_workbook(sys.argv[1]).sheet_by_name("SeznamM")
names = [c.value for c in sheet.row(0)]
kind, label = names.index("TYP_ZAZNAMU"), names.index("Číslo                Místnosti")
print(";".join(sheet.cell_value(r, kind) + ":" + sheet.cell_value(r, label) for r in range(1, sheet.nrows)))
)",
                                       QStringList{QString::fromStdString(m_project.Path().str())});
    EXPECT_EQ(seen, "1:;2:1/01;3:;3:;4:1/01/A;4:1/01/B;5:1/01/A;2:2.01;4:2.01/A;2:3.01\n");
}

TEST_F(FloorStorage, BuildingRowStaysFirstWithoutRooms)
{
    AppendRows(m_project.Path(), "SeznamM$", {{{"Číslo                Místnosti", "9"}, {"TYP_ZAZNAMU", "2"}}});
    FloorDesign design;
    ASSERT_EQ(design.SaveProjectData(), 0);
    const auto rows = ReadSheet(m_project.Path(), "SeznamM$");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(CellText(rows[0], "TYP_ZAZNAMU"), "1");
    EXPECT_EQ(CellText(rows[0], "NázevM"), "objekt");
    EXPECT_EQ(CellText(rows[0], "Format"), "000000|d2b48c|T|1");
}

TEST_F(FloorStorage, RowsBeforeTheFirstRoomStopTheLoadAndBlockTheSave)
{
    AppendRows(m_project.Path(), "SeznamM$",
               {{{"Číslo                Místnosti", "1.01"}, {"TYP_ZAZNAMU", "3"}},
                {{"Číslo                Místnosti", "1.01"}, {"TYP_ZAZNAMU", "2"}, {"ZTRATA_PODL", "300"}}});
    FloorDesign design;
    design.LoadProjectData();
    EXPECT_EQ(design.m_bLoadStopped, 1);
    EXPECT_EQ(design.m_strLoadError.Find("Řádek 3 listu \"SeznamM$\" nelze načíst: otopné těleso \"1.01\" stojí "
                                         "před první místností listu."),
              0)
        << design.m_strLoadError;
    EXPECT_TRUE(design.m_rooms.empty());
    EXPECT_EQ(design.SaveProjectData(), 1);
    EXPECT_EQ(ReadSheet(m_project.Path(), "SeznamM$").size(), 3u); // the rows never read are kept
}

TEST(RoomSteps, LoadSpreadByZoneWeights)
{
    AppSettings::Get() = AppSettings();
    CMistPodlahVytap room;
    room.m_nFloorHeating = 1;
    room.m_dFloorLoad = 4000.0;
    room.m_floorCircuits = {Circuit("1/A", 10.0), Circuit("1/B", 10.0), Circuit("1/C", 20.0)};
    room.DistributeLoad(1);
    EXPECT_DOUBLE_EQ(room.m_floorCircuits[0]->m_dRequiredOutput, 1000.0);
    EXPECT_DOUBLE_EQ(room.m_floorCircuits[1]->m_dRequiredOutput, 1000.0);
    EXPECT_DOUBLE_EQ(room.m_floorCircuits[2]->m_dRequiredOutput, 2000.0);
    EXPECT_DOUBLE_EQ(room.m_dLaterCircuitsOutput, 3000.0);
    EXPECT_DOUBLE_EQ(room.m_floorCircuits[2]->m_dHeatFlux, 100.0);
    EXPECT_DOUBLE_EQ(room.m_dOccupiedArea, 40.0);
    EXPECT_EQ(room.m_nCircuitCount, 3);

    for (double gain : {4000.0, 4500.0})
    {
        room.m_dForeignPipeGain = gain;
        room.DistributeLoad(1);
        for (const CTopnyOkruh* c : room.m_floorCircuits)
            EXPECT_EQ(c->m_dRequiredOutput, 0.0);
    }
}

TEST(RoomSteps, ForeignPipeGainsAndIterationMark)
{
    AppSettings::Get() = AppSettings();
    CMistPodlahVytap a, b;
    a.m_strNumber = "1";
    b.m_strNumber = "2";
    a.m_nFloorHeating = b.m_nFloorHeating = 1;
    a.m_floorCircuits = {Circuit("1/A", 10.0)};
    b.m_floorCircuits = {Circuit("2/A", 10.0)};
    CTopnyOkruh& supplier = *b.m_floorCircuits[0];
    supplier.m_strSupplyChain = "[1/A{L=4.0}][2/B{L=1.0}]";
    supplier.m_dHeatFlux = 50.0;
    supplier.m_dLoopLength = 60.0;
    const std::vector<CMistPodlahVytap*> rooms{&a, &b};
    a.CollectForeignPipeGains(rooms);
    b.CollectForeignPipeGains(rooms);
    EXPECT_DOUBLE_EQ(a.m_dForeignPipeGain, 4.0 * 50.0 * 0.135);
    EXPECT_DOUBLE_EQ(a.m_floorCircuits[0]->m_dCoveredHeat, 27.0);
    EXPECT_EQ(b.m_dForeignPipeGain, 0.0);
    // A supplier without a loop gives nothing.
    supplier.m_dLoopLength = 0.0;
    a.CollectForeignPipeGains(rooms);
    EXPECT_EQ(a.m_dForeignPipeGain, 0.0);

    a.MarkForIteration();
    b.MarkForIteration();
    EXPECT_EQ(a.m_nIterationMark, 0);
    EXPECT_EQ(b.m_nIterationMark, 1);
    supplier.m_dOutputDifference = -30.0;
    EXPECT_EQ(b.UncoveredLoadSum(), 30.0);
    EXPECT_EQ(a.UncoveredLoadSum(), 0.0);
}
} // namespace
