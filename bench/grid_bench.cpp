// The grid: painting one screen of a small and of a very large grid (the cost should follow what
// is visible, so the two stay close), filling a large grid cell by cell, appending rows to a shown
// grid (the cost should grow with the rows, not with their square), finding the cell under a
// point at the end of a large grid, and the memory per cell.
// Run off screen: QT_QPA_PLATFORM=offscreen build/bench/grid_bench
#include "controls/grid/CGridCtrl.h"
#include "controls/grid/CTreeColumn.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <memory>

namespace
{
constexpr int kColumns = 20;

// The paint itself: OnDraw on an off-screen device of one screen.
class PaintingGrid : public CGridCtrl
{
public:
    using CGridCtrl::CGridCtrl;
    void Paint(CDC* pDC) { OnDraw(pDC); }
};

void DrawOneScreen(benchmark::State& state)
{
    const int rows = int(state.range(0));
    CWnd owner;
    owner.CreateEx(0, nullptr, "bench", WS_POPUP, CRect(0, 0, 820, 620), nullptr, 0);
    PaintingGrid grid(rows, kColumns, 1, 1);
    grid.Create(CRect(0, 0, 800, 600), &owner, 1);
    for (int row = 0; row < rows; row++)
        for (int col = 0; col < kColumns; col++)
            grid.SetItemTextFmt(row, col, "%06d.%02d", row, col); // texts of one length in both grids
    grid.EnsureVisible(rows / 2, 5);
    QImage image(800, 600, QImage::Format_RGB32);
    for (auto _ : state)
    {
        CDC dc;
        dc.CreateForDevice(&image, false);
        grid.Paint(&dc);
        benchmark::DoNotOptimize(image.bits());
    }
    state.counters["rows"] = rows;
}

void FillCellByCell(benchmark::State& state)
{
    const int rows = int(state.range(0));
    for (auto _ : state)
    {
        CGridCtrl grid(rows, kColumns, 1, 1);
        for (int row = 1; row < rows; row++)
            for (int col = 1; col < kColumns; col++)
                grid.SetItemText(row, col, "12,5");
        benchmark::DoNotOptimize(grid.GetItemText(rows - 1, kColumns - 1));
    }
    state.SetItemsProcessed(state.iterations() * rows * kColumns);
}

// Rows appended one by one to a grid whose window exists and draws, as the programs fill theirs.
void AppendRowsWithDrawingOn(benchmark::State& state)
{
    constexpr int kFilledColumns = 5;
    const int rows = int(state.range(0));
    CWnd owner;
    owner.CreateEx(0, nullptr, "bench", WS_POPUP, CRect(0, 0, 820, 620), nullptr, 0);
    for (auto _ : state)
    {
        CGridCtrl grid(1, kFilledColumns, 1, 1);
        grid.Create(CRect(0, 0, 800, 600), &owner, 1);
        for (int row = 1; row < rows; row++)
        {
            const int index = grid.InsertRow("");
            for (int col = 1; col < kFilledColumns; col++)
                grid.SetItemText(index, col, "12,5");
        }
        benchmark::DoNotOptimize(grid.GetVirtualHeight());
    }
    state.SetItemsProcessed(state.iterations() * rows);
    state.counters["rows"] = rows;
}

// The cell under a point near the bottom of a grid scrolled to its end, and the rectangle of the
// last row: what every mouse move and every redraw of a cell asks.
void HitTestNearTheEnd(benchmark::State& state)
{
    const int rows = int(state.range(0));
    CWnd owner;
    owner.CreateEx(0, nullptr, "bench", WS_POPUP, CRect(0, 0, 820, 620), nullptr, 0);
    CGridCtrl grid(rows, 5, 1, 1);
    grid.Create(CRect(0, 0, 800, 600), &owner, 1);
    grid.SendMessage(WM_VSCROLL, SB_BOTTOM);
    const CPoint point(100, 590);
    for (auto _ : state)
    {
        grid.GetFirstScrolledCell(TRUE);
        const CCellID cell = grid.GetCellFromPt(point);
        CRect rect;
        grid.GetCellRect(rows - 1, 1, rect);
        benchmark::DoNotOptimize(cell);
        benchmark::DoNotOptimize(rect);
    }
    state.counters["rows"] = rows;
}

// Bytes in use on the heap (memory freed by earlier benchmarks is reused, so the resident size
// would not show it).
long HeapBytes()
{
    return long(mallinfo2().uordblks);
}

void MemoryPerCell(benchmark::State& state)
{
    const int rows = int(state.range(0));
    double perCell = 0;
    for (auto _ : state)
    {
        const long before = HeapBytes();
        auto grid = std::make_unique<CGridCtrl>(rows, kColumns, 1, 1);
        for (int row = 1; row < rows; row++)
            for (int col = 1; col < kColumns; col++)
                grid->SetItemText(row, col, "12,5");
        perCell = double(HeapBytes() - before) / (double(rows) * kColumns);
        benchmark::DoNotOptimize(grid.get());
    }
    state.counters["bytes_per_cell"] = perCell;
}

// A tree of a building with 95 rooms of 4 walls with 4 openings each (about 2,000 rows): the
// whole tree opened to one level and closed again by the root's toggle, with a paint after each.
void TreeToggleAndPaint(benchmark::State& state)
{
    std::vector<BYTE> levels{BYTE(1 | TREE_VIEWABLE)};
    for (int room = 0; room < 95; room++)
    {
        levels.push_back(2);
        for (int wall = 0; wall < 4; wall++)
        {
            levels.push_back(3);
            levels.insert(levels.end(), 4, BYTE(4));
        }
    }
    CWnd owner;
    owner.CreateEx(0, nullptr, "bench", WS_POPUP, CRect(0, 0, 820, 620), nullptr, 0);
    PaintingGrid grid(1, 4, 1, 0);
    grid.Create(CRect(0, 0, 800, 600), &owner, 1);
    CTreeColumn tree;
    tree.TreeSetup(&grid, 1, int(levels.size()), 1, levels.data(), TRUE, FALSE);
    for (int row = 1; row < grid.GetRowCount(); row++)
        grid.SetItemTextFmt(row, 1, "Uzel %d", row);
    tree.TreeDisplayOutline(1);
    QImage image(800, 600, QImage::Format_RGB32);
    for (auto _ : state)
    {
        CDC dc;
        dc.CreateForDevice(&image, false);
        tree.TreeDisplayOutline(4);
        grid.Paint(&dc);
        tree.TreeExpandCollapseToggle(1);
        grid.Paint(&dc);
        benchmark::DoNotOptimize(image.bits());
    }
    state.counters["rows"] = double(levels.size());
}
} // namespace

BENCHMARK(TreeToggleAndPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(DrawOneScreen)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(FillCellByCell)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(AppendRowsWithDrawingOn)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(HitTestNearTheEnd)->Arg(10000)->Arg(100000)->Unit(benchmark::kNanosecond);
BENCHMARK(MemoryPerCell)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
