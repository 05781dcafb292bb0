// The floor calculation: one design press of a generated 98-room project (first pass of the
// critical circuit, then every circuit for the common flow temperature with its fallback and
// hydraulics), and the table look-ups, which must not allocate. The wall heating design's
// "Zohlednit" on the largest input sheet beside one read of the same cells.
#include "InputSheetBook.h"

#include "common/AppSettings.h"
#include "datalib/CData.h"
#include "floorwall/BillOfMaterials.h"
#include "floorwall/CCSN_EN_1264.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/CRoztece.h"
#include "floorwall/CircuitHydraulics.h"
#include "floorwall/FloorDesign.h"
#include "floorwall/SpacingSeriesList.h"
#include "floorwall/WallDesign.h"
#include "platform/dao/WorkbookFile.h"
#include "hydraulics/CTopnyOkruh.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace
{
std::atomic<long> g_allocations{0};
} // namespace

void* operator new(std::size_t size)
{
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace
{
struct Project
{
    std::vector<std::unique_ptr<CMistPodlahVytap>> rooms;
};

void PrepareSettings()
{
    AppSettings& settings = AppSettings::Get();
    settings.MinimRoztec = "0.075";
    settings.DesignFlowTemperature = 45.0;
    settings.DesignReturnTemperature = 40.0;
    FreeSpacingSeriesList();
    FillDefaultSpacingSeries();
    SpacingSeriesList()[1]->m_nUse = 1;
}

// Rooms of 8 to 30 m², types A, B and code 4 in turn, an edge zone in every third room.
Project MakeProject()
{
    Project project;
    const int codes[3] = {1, 2, 4};
    for (int i = 0; i < 98; ++i)
    {
        auto room = std::make_unique<CMistPodlahVytap>();
        room->m_nSystemType = codes[i % 3];
        room->m_dRoomTemperature = i % 7 == 0 ? 24.0 : 20.0;
        room->m_dCoveringResistance = 0.02 * (i % 6);
        room->m_dFloorLoad = 400.0 + 25.0 * (i % 40);
        auto* circuit = new CTopnyOkruh;
        circuit->m_dOccupiedArea = 8.0 + (i % 23);
        circuit->m_dEdgeArea = i % 3 == 0 ? 2.0 : 0.0;
        circuit->m_nSeparateEdgeZone = i % 3 == 0 ? 1 : 0;
        circuit->m_dRequiredOutput = room->m_dFloorLoad;
        circuit->m_dOwnSupplyLength = 3.0 + i % 9;
        circuit->m_dFloorTemperatureValue = 5.0;
        room->m_floorCircuits.push_back(circuit);
        project.rooms.push_back(std::move(room));
    }
    return project;
}

void ResetCircuit(CTopnyOkruh& circuit)
{
    circuit.m_dFlowTemperature = 45.0;
    circuit.m_dReturnTemperature = 40.0;
    circuit.m_dSpread = 5.0;
    circuit.DistributeHeatFlux();
}

void DesignPress(benchmark::State& state)
{
    PrepareSettings();
    CCSN_EN_1264 calc;
    Project project = MakeProject();
    std::vector<double> fluxes, differences, spacings, spreads;
    for (auto _ : state)
    {
        CMistPodlahVytap& critical = *project.rooms[0];
        ResetCircuit(*critical.m_floorCircuits[0]);
        double flowExcess = 0.0;
        benchmark::DoNotOptimize(
            calc.DesignCircuitBySpacing(critical, 1, fluxes, differences, spacings, flowExcess, 0, 1, 0));
        for (auto& room : project.rooms)
        {
            CTopnyOkruh& circuit = *room->m_floorCircuits[0];
            ResetCircuit(circuit);
            double spacing = calc.DesignCircuitForFlowTemperature(*room, 25.0, fluxes, differences, spacings,
                                                                  spreads, 1);
            if (spacing <= 0.0)
                spacing = calc.DesignCircuitAtLargestSpacing(*room, 25.0);
            circuit.m_dSpacing = spacing;
            benchmark::DoNotOptimize(ComputeCircuitHydraulics(*room, calc));
        }
    }
    FreeSpacingSeriesList();
}
BENCHMARK(DesignPress)->Unit(benchmark::kMillisecond);

// The floor design's button: merged circuits, pipes from the catalogue, three runs with
// splits, load iterations and throttling, over a generated project of state.range(0) rooms
// (edge zones in every third room, every fifth room's supply crossing the next room), the
// project loaded before the press.
void FloorDesignButton(benchmark::State& state)
{
    PrepareSettings();
    AppSettings& settings = AppSettings::Get();
    settings.PathList = KALVENROD_BIN_DIR;
    settings.KodTopTrub = "9001-0004";
    settings.MaxTlakZtrata = 25000.0;
    settings.MaxDelkaOkruhu = 120.0;
    settings.RangeMessages = 0;
    FloorDesign design;
    Project project = MakeProject();
    const int rooms = int(state.range(0));
    for (int i = 0; i < rooms; ++i)
    {
        CMistPodlahVytap* room = project.rooms[size_t(i)].release();
        room->m_nFloorHeating = 1;
        room->m_strNumber = std::to_string(100 + i);
        CTopnyOkruh& circuit = *room->m_floorCircuits[0];
        circuit.m_strLabel = room->m_strNumber + "/A";
        circuit.m_dTotalArea = circuit.m_dOccupiedArea + circuit.m_dEdgeArea;
        if (i % 5 == 0 && i + 1 < rooms)
            circuit.m_strSupplyChain = "[" + std::to_string(101 + i) + "/A{L=3.0}]";
        design.m_rooms.push_back(room);
    }
    for (auto _ : state)
    {
        design.m_bDesigned = 0;
        design.m_nUserMode = 0;
        benchmark::DoNotOptimize(design.Design());
    }
    state.counters["circuits"] = [&design] {
        double count = 0.0;
        for (const CMistPodlahVytap* room : design.m_rooms)
            count += double(room->m_floorCircuits.size());
        return count;
    }();
    design.ClearData();
    FreeSpacingSeriesList();
}
BENCHMARK(FloorDesignButton)->Arg(49)->Arg(98)->Unit(benchmark::kMillisecond);

void LookupWithoutMessage(benchmark::State& state)
{
    CCSN_EN_1264 calc;
    AppSettings::Get().RangeMessages = 1;
    calc.m_rangeReporter = [](const CString&) {};
    const long before = g_allocations;
    double sum = 0.0;
    for (auto _ : state)
    {
        sum += calc.CoverFactor(0.05, 0.125) + calc.LimitCurveExponent(0.04, 0.2625)
               + calc.ConductingDeviceFactor(0.2, 0.3, 0.017) + calc.TypeBLimitCurveCoefficient(0.3, 0.7);
        benchmark::DoNotOptimize(sum);
    }
    state.counters["allocations"] = double(g_allocations - before);
}
BENCHMARK(LookupWithoutMessage);

// The floor bill of a 98-room project (two circuits a room on 20 manifolds): the catalogue read
// once, the item list, every line with its price and group heading, and the merging; beside it
// the catalogue's sheet read once through the data access object alone.
const std::string kCatalogue = std::string(KALVENROD_BIN_DIR) + "/ZVK-9001.XLS";

void FloorBill(benchmark::State& state)
{
    std::vector<BillCircuitRow> rows;
    for (int i = 0; i < 196; ++i)
    {
        BillCircuitRow row;
        row.area = 8.0 + i % 7;
        row.loopLength = 60.0 + i % 40;
        row.supplyLength = 4.0 + i % 9;
        row.output = 600.0 + i % 300;
        row.manifold = 1 + i % 20;
        rows.push_back(row);
    }
    EquipmentChoice choice;
    choice.stationKind = kStationVss;
    for (auto _ : state)
    {
        BillCatalogue catalogue;
        if (!ReadBillCatalogue(kCatalogue.c_str(), catalogue))
        {
            state.SkipWithError("no catalogue");
            return;
        }
        const BillList list =
            FloorBillItems(SumFloorCircuits(rows), 4, 14, choice, catalogue.MarkedItems("PPPPP"));
        std::vector<BillLine> lines;
        std::size_t headings = 0;
        for (const BillItem& item : list.items)
        {
            lines.push_back(MakeBillLine(item, catalogue, "Cz"));
            headings += catalogue.GroupHeading(item.item).GetLength();
        }
        MergeDuplicateItems(lines);
        benchmark::DoNotOptimize(headings);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(FloorBill)->Unit(benchmark::kMillisecond);

void CatalogueReadPeer(benchmark::State& state)
{
    for (auto _ : state)
    {
        CData data;
        if (!data.Open(kCatalogue.c_str(), "Excel 8.0", 0, 0) || !data.OpenTable("Data$", "", 0))
        {
            state.SkipWithError("no catalogue");
            return;
        }
        std::size_t characters = 0;
        for (int r = 0; r < data.m_nRecordCount; ++r)
            for (int c = 0; c < data.m_nColCount; ++c)
            {
                CString text;
                data.GetStringValue(c, text, r, -1);
                characters += std::size_t(text.GetLength());
            }
        data.CloseTable();
        data.Close();
        benchmark::DoNotOptimize(characters);
    }
}
BENCHMARK(CatalogueReadPeer)->Unit(benchmark::kMillisecond);

// The largest input sheet (98 rooms × 19 walls × 19 openings) as a project workbook.
struct LargestInput
{
    QTemporaryDir dir;
    std::string path = dir.filePath("projekt.xls").toStdString();
    LargestInput() { workbook::WriteWorkbook(ProjectBook(), path); }
};

LargestInput& Largest()
{
    static LargestInput input;
    return input;
}

// "Zohlednit" for a room of 19 walls with 19 openings each: the sheet read once, the room's
// outer walls measured. It should cost no more than twice the read below.
void WallAreaOfOneRoom(benchmark::State& state)
{
    const WallHeatingSettings margins{2200, 200, 150, 150, 900};
    const CString path = Largest().path.c_str(); // written before the timing
    for (auto _ : state)
    {
        double area = 0.0;
        if (!WallDesign::MeasureAvailableArea(path, "Místnost 50", margins, area).IsEmpty())
            state.SkipWithError("the input sheet did not read");
        benchmark::DoNotOptimize(area);
    }
}
BENCHMARK(WallAreaOfOneRoom)->Unit(benchmark::kMillisecond);

// Its peer: every cell of the columns the measurement uses, read once through the data object.
void InputCellsReadOnce(benchmark::State& state)
{
    const InputSheet::Column columns[] = {InputSheet::Name,  InputSheet::Length, InputSheet::Width,
                                          InputSheet::Height, InputSheet::Count, InputSheet::TemperatureDifference,
                                          InputSheet::I,      InputSheet::JointLength};
    const CString path = Largest().path.c_str(); // written before the timing
    for (auto _ : state)
    {
        CData data;
        if (!data.Open(path, "Excel 8.0", 0, 0) || !data.OpenTable("SeznamV$", "", 0))
        {
            state.SkipWithError("the input sheet did not open");
            return;
        }
        std::size_t characters = 0;
        for (int r = 0; r < data.m_nRecordCount; ++r)
            for (InputSheet::Column c : columns)
            {
                CString text;
                data.GetStringValue(int(c), text, r, -1);
                characters += std::size_t(text.GetLength());
            }
        data.CloseTable();
        data.Close();
        benchmark::DoNotOptimize(characters);
    }
}
BENCHMARK(InputCellsReadOnce)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
