// The data editor's search over a 100,000-row x 10-column table: a text found without regard to
// case in a part of the cells, the found cells marked. Part of build/bench/dataeditor_bench.
#include "DataEditorBench.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/view/CSobrelView.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>

namespace
{
constexpr int kRows = 100000;
constexpr int kColumns = 10;

void SearchTextWithMarks(benchmark::State& state)
{
    DataEditorBench editor;
    if (!editor.Start())
    {
        state.SkipWithError("the editor did not start");
        return;
    }
    CSobrelView* view = editor.document->View();
    CGridCtrl& grid = *view->Grid();
    grid.SetRowCount(kRows + 1);
    grid.SetColumnCount(kColumns + 1);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    for (int c = 0; c < kColumns; ++c)
    {
        CString name;
        name.Format("Sloupec%d", c);
        grid.SetItemText(0, c + 1, name);
        view->SetColumnInfo(c + 1, std::make_shared<CColumnInfo>(c % 2 ? 7 : 10, c % 2 ? 8 : 40, -2));
        for (int r = 0; r < kRows; ++r)
        {
            CString text;
            if (c % 2)
                text.Format("%d.%d", r, c);
            else
                text.Format("Šroubení %d-%d", r, c);
            grid.SetItemText(r + 1, c + 1, text);
        }
    }
    view->rowCount = kRows;
    view->columnCount = kColumns;
    CSobrelOptions& options = editor.app->options;
    options.searchMode = 0;
    options.searchReplace = 0;
    options.searchResultColor = 1;
    options.searchResultShow = 0;
    options.searchCaseSensitive = 0;
    options.searchAllWord = 0;
    view->searchText = "ŠROUBENÍ 7";
    for (auto _ : state)
    {
        QElapsedTimer timer;
        timer.start();
        const int found = view->Search(false);
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        if (found != 1)
            state.SkipWithError("nothing was found");
        view->ClearFoundMarks();
    }
    editor.Stop();
}
} // namespace

BENCHMARK(SearchTextWithMarks)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
