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
    CSobrelView* view = editor.FillTable(kRows, kColumns, DataEditorBench::CatalogueCell);
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
