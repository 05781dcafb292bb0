// The data editor's save against the engine: a 60,000-row x 10-column table saved through the
// document (grid texts, column sizing, a copy beside the workbook, the replace) and the same
// cells written by the engine directly, in the same run. Counters: both times in seconds and
// their ratio (the document is to cost at most twice the engine).
#include "DataEditorBench.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/document/CSobrelDoc.h"
#include "dataeditor/view/CSobrelView.h"
#include "datalib/CData.h"
#include "platform/core/Profile.h"
#include "platform/frame/CDocTemplate.h"
#include "testing/UiTest.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace
{
constexpr int kRows = 60000;
constexpr int kColumns = 10;

void Engine(const CString& path)
{
    CData data;
    data.m_bShowErrors = FALSE;
    data.Create(path, "Excel 8.0");
    for (int c = 0; c < kColumns; ++c)
    {
        CString name;
        name.Format("Sloupec%d", c);
        data.AddColBeforeCreateTable(name, c % 2 ? 7 : 10, c % 2 ? 8 : 40, -2);
    }
    data.CreateTable("Data");
    for (int r = 0; r < kRows; ++r)
    {
        data.AddRow();
        for (int c = 0; c < kColumns; ++c)
            data.SetStringValue(c, DataEditorBench::CatalogueCell(r, c), r);
    }
    data.Flush();
    data.Close();
}

void SaveThroughTheDocument(benchmark::State& state)
{
    DataEditorBench editor;
    if (!editor.Start())
    {
        state.SkipWithError("the editor did not start");
        return;
    }
    QTemporaryDir& dir = editor.dir;
    CSobrelDoc* document = editor.document;
    editor.FillTable(kRows, kColumns, DataEditorBench::CatalogueCell);
    document->tableName = "Data$";
    const CString documentPath = (dir.path() + "/dokument.xls").toUtf8().constData();
    const CString enginePath = (dir.path() + "/engine.xls").toUtf8().constData();
    double documentSeconds = 0, engineSeconds = 0;
    for (auto _ : state)
    {
        QFile::remove(QString::fromUtf8(LPCTSTR(documentPath)));
        QFile::remove(QString::fromUtf8(LPCTSTR(enginePath)));
        QElapsedTimer timer;
        timer.start();
        document->OnSaveDocument(documentPath);
        documentSeconds = timer.nsecsElapsed() / 1e9;
        timer.restart();
        Engine(enginePath);
        engineSeconds = timer.nsecsElapsed() / 1e9;
        state.SetIterationTime(documentSeconds);
    }
    state.counters["document_s"] = documentSeconds;
    state.counters["engine_s"] = engineSeconds;
    state.counters["ratio"] = engineSeconds > 0 ? documentSeconds / engineSeconds : 0;
    editor.Stop();
}
} // namespace

BENCHMARK(SaveThroughTheDocument)->UseManualTime()->Iterations(2)->Unit(benchmark::kSecond);
BENCHMARK_MAIN();
