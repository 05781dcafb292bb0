// The editor grid with a catalogue-sized table: 100,000 rows of ten columns (texts, numbers with
// decimals, dates, Booleans) read through CData from the engine's database file (SQLite) into
// the grid with the column's display of Booleans, and the first screen painted, beside the
// engine's own read; the heap each cell costs in the editor grid and in the common grid, and in
// the editor with the table opened from its file (real numbers kept with every digit as read);
// one screen's paint at 100 and at 100,000 rows.
#include "DataEditorBench.h"
#include "controls/grid/CGridCtrl.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "datalib/CData.h"
#include "platform/core/COleVariant.h"
#include "platform/core/UserLocale.h"
#include "testing/UiTest.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include <malloc.h>

#include <memory>
#include <vector>

namespace
{
constexpr int kRows = 100000;
constexpr int kColumns = 10;
// The catalogue written once per run: in the engine's database file (all 100,000 rows) or in an
// Excel workbook (whose sheet holds 65,535 rows below its headings).
CString WriteCatalogue(const QString& name, const CString& connect)
{
    static QTemporaryDir dir;
    return DataEditorBench::WriteCatalogue(dir.path() + "/" + name, connect, kRows);
}

const CString& CatalogueDatabase()
{
    static const CString path = WriteCatalogue("katalog.mdb", "");
    return path;
}

const CString& CatalogueWorkbook()
{
    static const CString path = WriteCatalogue("katalog.xls", "Excel 8.0");
    return path;
}

long HeapInUse()
{
    return long(mallinfo2().uordblks);
}

// A parent window with the grid over its client area.
struct Window
{
    CWnd owner;
    explicit Window(CGridCtrl& grid)
    {
        owner.CreateEx(0, nullptr, "Tabulka", WS_POPUP | WS_VISIBLE, CRect(0, 0, 900, 600), nullptr, 0);
        grid.Create(CRect(0, 0, 900, 600), &owner, 1658);
    }
};

double PaintSeconds(CGridCtrl& grid)
{
    UiTest::ProcessEvents();
    QElapsedTimer timer;
    timer.start();
    const QImage image = grid.GetClientWidget()->grab().toImage();
    benchmark::DoNotOptimize(image.width());
    return timer.nsecsElapsed() / 1e9;
}

void OpenCatalogueIntoTheEditorGrid(benchmark::State& state)
{
    UiTest::EnsureApplication();
    UserLocale::SetCurrent(UserLocale::Czech());
    const CString path = CatalogueDatabase();
    double gridSeconds = 0, engineSeconds = 0;
    int rows = 0;
    for (auto _ : state)
    {
        QElapsedTimer timer;
        timer.start();
        {
            CData data;
            data.Open(path, "", FALSE, TRUE);
            data.OpenTable("Data", "", 0);
            COleVariant value;
            for (int r = 0; r < data.m_nRecordCount; ++r)
                for (int c = 0; c < data.m_nColCount; ++c)
                    if (data.GetValue(c, value, r))
                        benchmark::DoNotOptimize(data.VariantToString(value, -3, c));
        }
        engineSeconds = timer.nsecsElapsed() / 1e9;

        timer.restart();
        CSobrelGrid grid;
        Window window(grid);
        CData data;
        data.Open(path, "", FALSE, TRUE);
        data.OpenTable("Data", "", 0);
        rows = data.m_nRecordCount;
        grid.SetRowCount(data.m_nRecordCount + 1);
        grid.SetColumnCount(data.m_nColCount + 1);
        grid.SetFixedRowCount(1);
        grid.SetFixedColumnCount(1);
        std::vector<std::unique_ptr<CColumnInfo>> infos;
        for (int c = 0; c < data.m_nColCount; ++c)
        {
            infos.push_back(std::make_unique<CColumnInfo>(data.m_aColTypes[c], data.m_aColSizes[c],
                                                          data.m_aColDecimals[c]));
            grid.SetColumnInfo(c + 1, infos.back().get());
            grid.SetItemText(0, c + 1, data.m_aColNames[c]);
        }
        COleVariant value;
        for (int r = 0; r < data.m_nRecordCount; ++r)
        {
            grid.SetItemTextFmt(r + 1, 0, "%d", r + 1);
            for (int c = 0; c < data.m_nColCount; ++c)
                if (data.GetValue(c, value, r))
                    grid.SetItemTextTyped(r + 1, c + 1, data.VariantToString(value, -3, c), infos[c]->type == 1);
        }
        PaintSeconds(grid);
        gridSeconds = timer.nsecsElapsed() / 1e9;
        state.SetIterationTime(gridSeconds);
    }
    state.counters["grid_s"] = gridSeconds;
    state.counters["engine_read_s"] = engineSeconds;
    state.counters["rows"] = rows;
    UserLocale::ResetToSystem();
}

// Heap per cell of a 100,000 x 10 table of texts up to 8 bytes.
template <class Grid> double BytesPerCell()
{
    const long before = HeapInUse();
    auto grid = std::make_unique<Grid>(kRows + 1, kColumns + 1, 1, 1);
    for (int r = 1; r <= kRows; ++r)
        for (int c = 1; c <= kColumns; ++c)
            grid->SetItemTextFmt(r, c, "%d", (r * 7 + c) % 10000000);
    const long after = HeapInUse();
    return double(after - before) / double((kRows + 1) * (kColumns + 1));
}

void MemoryPerCell(benchmark::State& state)
{
    UiTest::EnsureApplication();
    double editor = 0, common = 0;
    for (auto _ : state)
    {
        editor = BytesPerCell<CSobrelGrid>();
        common = BytesPerCell<CGridCtrl>();
    }
    state.counters["editor_bytes_per_cell"] = editor;
    state.counters["common_bytes_per_cell"] = common;
    state.counters["ratio_to_122"] = editor / 122.0;
}

// Heap per cell of the catalogue opened from its file through the editor's document, beside the
// same table's cells of at most 8 bytes in a bare editor grid.
void MemoryPerCellOfAnOpenedFile(benchmark::State& state)
{
    const CString path = CatalogueWorkbook();
    DataEditorBench editor;
    if (!editor.Start())
    {
        state.SkipWithError("the editor did not start");
        return;
    }
    double opened = 0;
    for (auto _ : state)
    {
        malloc_trim(0);
        const long before = HeapInUse();
        editor.app->requestedTable = "Data$";
        POSITION position = editor.app->GetFirstDocTemplatePosition();
        auto* document = dynamic_cast<CSobrelDoc*>(
            editor.app->GetNextDocTemplate(position)->OpenDocumentFile(path, TRUE));
        // A sheet of the workbook holds 65,535 rows below its headings.
        const CGridCtrl* grid = document ? document->View()->Grid() : nullptr;
        if (!grid || grid->GetRowCount() < 2)
        {
            state.SkipWithError("the catalogue did not open");
            break;
        }
        opened = double(HeapInUse() - before) / double(grid->GetRowCount() * grid->GetColumnCount());
    }
    state.counters["opened_bytes_per_cell"] = opened;
    state.counters["bare_bytes_per_cell"] = BytesPerCell<CSobrelGrid>();
    editor.Stop();
}

void PaintAtHundredAndHundredThousandRows(benchmark::State& state)
{
    UiTest::EnsureApplication();
    const auto paint = [](int rows) {
        CSobrelGrid grid(rows + 1, kColumns + 1, 1, 1);
        Window window(grid);
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= kColumns; ++c)
                grid.SetItemTextFmt(r, c, "%d", r * c);
        PaintSeconds(grid);
        double best = 1e9;
        for (int i = 0; i < 5; ++i)
            best = std::min(best, PaintSeconds(grid));
        return best;
    };
    double small = 0, large = 0;
    for (auto _ : state)
    {
        small = paint(100);
        large = paint(kRows);
        state.SetIterationTime(large);
    }
    state.counters["paint_100_s"] = small;
    state.counters["paint_100000_s"] = large;
    state.counters["ratio"] = small > 0 ? large / small : 0;
}
} // namespace

BENCHMARK(OpenCatalogueIntoTheEditorGrid)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(MemoryPerCell)->Iterations(1);
BENCHMARK(MemoryPerCellOfAnOpenedFile)->Iterations(1);
BENCHMARK(PaintAtHundredAndHundredThousandRows)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
