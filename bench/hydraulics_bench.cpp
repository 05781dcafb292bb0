// Hydraulics: the flows and losses of a distribution tree ("Průtoky") with and without the grid
// rewrite, and the heating circuits of a whole project: their calculation chain, their rows of
// "SeznamM$" written and read, and the floor design grid filled with them.
#include "common/AppSettings.h"
#include "controls/grid/fmt/CFmtGridCtrl.h"
#include "datalib/CData.h"
#include "hydraulics/CDimenzUsek.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/ui/CircuitGridRows.h"
#include "hydraulics/ui/SectionGridRows.h"
#include "platform/ui/CWnd.h"
#include "testing/UiTest.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <random>
#include <vector>

namespace
{
const char* const kPipeCodes[] = {"9001-0102", "9001-0203", "9001-0204", "9001-0205", "9001-0206",
                                  "9001-0207", "9001-0209", "9001-0212", "9001-0213"};

// A tree of count sections, depth up to 8, every section with a real pipe.
std::unique_ptr<CDimenzUsek> MakeTree(int count)
{
    std::mt19937 random(7);
    auto root = std::make_unique<CDimenzUsek>(nullptr);
    std::vector<CDimenzUsek*> sections{root.get()};
    for (int i = 1; i < count; ++i)
    {
        CDimenzUsek* parent = sections[random() % sections.size()];
        while (parent->m_nLevel >= 8)
            parent = parent->m_pParent;
        CDimenzUsek* section = parent->AddChild();
        section->m_nNumber = i + 1;
        section->m_strItemCode = kPipeCodes[random() % 9];
        section->m_dFlowKgPerH = 20.0 + double(random() % 400);
        section->m_dPipeLength = 1.0 + double(random() % 20);
        section->m_dInsertedResistances = 0.5 * double(random() % 10);
        sections.push_back(section);
    }
    root->m_strItemCode = "9001-0213";
    return root;
}

// The application exists before any window object is made.
struct Application
{
    Application() { UiTest::EnsureApplication(); }
};

struct GridWindow : Application
{
    explicit GridWindow(int columns)
    {
        owner.CreateEx(0, nullptr, "bench", WS_POPUP, CRect(0, 0, 1200, 700), nullptr, 0);
        grid.Create(CRect(0, 0, 1180, 680), &owner, 1001);
        grid.SetColumnCount(columns);
        grid.SetFixedRowCount(1);
        grid.SetRowCount(1);
    }
    CWnd owner;
    CFmtGridCtrl grid;
};

void SumAndRecompute(benchmark::State& state)
{
    const auto root = MakeTree(int(state.range(0)));
    for (auto _ : state)
    {
        root->SumFlows();
        root->Recompute(TRUE);
        benchmark::DoNotOptimize(root->m_dAccumulatedLoss);
    }
}
BENCHMARK(SumAndRecompute)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

void FlowsWithGridRewrite(benchmark::State& state)
{
    const auto root = MakeTree(int(state.range(0)));
    GridWindow window(11);
    ShowTree(*root, -1, window.grid, TRUE);
    for (auto _ : state)
    {
        root->SumFlows();
        root->Recompute(TRUE);
        ShowTree(*root, 1, window.grid, FALSE);
    }
}
BENCHMARK(FlowsWithGridRewrite)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// 98 rooms, four floor and two wall circuits a room.
std::vector<std::unique_ptr<CTopnyOkruh>> ProjectCircuits()
{
    AppSettings::Get().SetStartValues(0xC0C0C0);
    std::vector<std::unique_ptr<CTopnyOkruh>> circuits;
    for (int room = 1; room <= 98; ++room)
        for (int i = 1; i <= 6; ++i)
        {
            auto circuit = std::make_unique<CTopnyOkruh>();
            circuit->m_strLabel.Format("%d/%c", 100 + room, char('A' + i - 1));
            circuit->m_dRequiredOutput = 400.0 + 10.0 * i;
            circuit->m_dEdgeArea = i % 2 ? 1.5 : 0.0;
            circuit->m_dOccupiedArea = 6.0 + i;
            circuit->m_dSpacing = 0.15;
            circuit->m_dOwnSupplyLength = 4.0 + i;
            circuit->m_nSeparateEdgeZone = i % 2;
            circuit->m_nElementCount = i > 4 ? 3 : 0;
            circuit->m_dSpread = 5.0;
            circuit->m_dMeanTemperatureDifference = 12.0;
            circuits.push_back(std::move(circuit));
        }
    return circuits;
}

void CalculationChain(benchmark::State& state)
{
    auto circuits = ProjectCircuits();
    for (auto _ : state)
        for (auto& circuit : circuits)
        {
            circuit->DistributeHeatFlux();
            circuit->SetMaxSurfaceTemperature(20.0);
            circuit->SetMeanSurfaceTemperature(20.0);
            circuit->ComputeSupplyTemperatures(20.0, 0);
            circuit->ComputePipeLength();
            if (circuit->m_nElementCount > 0)
                circuit->ComputeFlowAndPressureDrop();
            circuit->ComputeUncoveredLoad(std::nullopt);
            benchmark::DoNotOptimize(circuit->m_dLoopLength);
        }
}
BENCHMARK(CalculationChain)->Unit(benchmark::kMicrosecond);

void ResultRowsWrittenAndRead(benchmark::State& state)
{
    auto circuits = ProjectCircuits();
    QTemporaryDir folder;
    const QString path = folder.path() + "/Projekt.XLS";
    for (auto _ : state)
    {
        state.PauseTiming();
        QFile::remove(path);
        QFile::copy(QStringLiteral(KALVENROD_BIN_DIR "/MekrOrig.xls"), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        state.ResumeTiming();
        CData data;
        data.Open(path.toStdString(), "Excel 8.0", 0, 0);
        data.OpenTable("SeznamM$", "", 0);
        int row = 1;
        for (auto& circuit : circuits)
            circuit->SaveToTable(&data, row++, circuit->m_nElementCount > 0 ? 5 : 4);
        CTopnyOkruh back;
        for (int r = 1; r < data.m_nRecordCount; ++r)
            back.ReadFromTable(&data, r, 4);
        data.CloseTable();
        data.Close();
    }
}
BENCHMARK(ResultRowsWrittenAndRead)->Unit(benchmark::kMillisecond)->Iterations(3);

void FloorDesignGrid(benchmark::State& state)
{
    auto circuits = ProjectCircuits();
    GridWindow window(35);
    const std::size_t rows = std::size_t(state.range(0));
    for (auto _ : state)
    {
        window.grid.SetRowCount(1);
        for (std::size_t i = 0; i < rows; ++i)
            FormatDesignGridRow(*circuits[i], -1, window.grid, 20.0);
    }
}
BENCHMARK(FloorDesignGrid)->Arg(40)->Arg(392)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
