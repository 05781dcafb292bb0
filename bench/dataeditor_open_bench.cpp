// The data editor's File > Open of a catalogue, from the file to the first painted screen: a
// workbook sheet of 65,535 rows x 10 columns and the engine's database file of 100,000 rows x 10
// columns (imported into a new document through the same loading of the view). Counters: the
// command's time, the paint after it, and the column sizing of the loaded table measured again
// on its own. Then the idle editor: the processor time it takes over one second of its event loop
// with a table open and with none (both should be about nothing). Part of build/bench/dataeditor_bench.
#include "DataEditorBench.h"
#include "platform/frame/CFrameWnd.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/CWinApp.h"
#include "platform/ui/CommonDialogs.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <ctime>
#include <map>

namespace
{
const CString& Catalogue(const QString& name, const CString& connect)
{
    static QTemporaryDir dir;
    static std::map<QString, CString> written;
    auto found = written.find(name);
    if (found == written.end())
        found = written.emplace(name, DataEditorBench::WriteCatalogue(dir.path() + "/" + name, connect, 100000)).first;
    return found->second;
}

// The document the last open made (the editor keeps its empty first one).
CSobrelDoc* LastDocument(CWinApp& app)
{
    POSITION templates = app.GetFirstDocTemplatePosition();
    CDocTemplate* docTemplate = app.GetNextDocTemplate(templates);
    CSobrelDoc* last = nullptr;
    for (POSITION p = docTemplate->GetFirstDocPosition(); p;)
        last = dynamic_cast<CSobrelDoc*>(docTemplate->GetNextDoc(p));
    return last;
}

double ProcessSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The processor time of one second of the running editor, as a share of that second.
double IdleShare(CWinApp& app)
{
    const CWinApp::IdleHook idle(app);
    QEventLoop settle;
    QTimer::singleShot(200, &settle, &QEventLoop::quit);
    settle.exec();
    QElapsedTimer wall;
    const double before = ProcessSeconds();
    wall.start();
    QEventLoop loop;
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    loop.exec();
    return (ProcessSeconds() - before) / (wall.nsecsElapsed() / 1e9);
}

void OpenThroughFileOpen(benchmark::State& state, const QString& name, const CString& connect)
{
    const CString& path = Catalogue(name, connect);
    DataEditorBench editor;
    if (!editor.Start())
    {
        state.SkipWithError("the editor did not start");
        return;
    }
    CWnd* frame = editor.app->m_pMainWnd;
    double commandSeconds = 0, paintSeconds = 0, sizingSeconds = 0;
    int rows = 0;
    for (auto _ : state)
    {
        CommonDialogScript::AnswerNext(IDOK, path);
        QElapsedTimer timer;
        timer.start();
        frame->SendMessage(WM_COMMAND, ID_FILE_OPEN);
        commandSeconds = timer.nsecsElapsed() / 1e9;
        CSobrelDoc* document = LastDocument(*editor.app);
        CGridCtrl* grid = document && document->View() ? document->View()->Grid() : nullptr;
        if (!grid || grid->GetRowCount() < 2)
        {
            state.SkipWithError("the catalogue did not open");
            break;
        }
        const QImage screen = grid->GetClientWidget()->grab().toImage();
        benchmark::DoNotOptimize(screen.width());
        const double total = timer.nsecsElapsed() / 1e9;
        paintSeconds = total - commandSeconds;
        state.SetIterationTime(total);
        rows = grid->GetRowCount() - grid->GetFixedRowCount();
        timer.restart();
        grid->AutoSize();
        sizingSeconds = timer.nsecsElapsed() / 1e9;
        document->SetModifiedFlag(FALSE);
        document->OnCloseDocument();
    }
    state.counters["command_s"] = commandSeconds;
    state.counters["paint_s"] = paintSeconds;
    state.counters["autosize_s"] = sizingSeconds;
    state.counters["rows"] = rows;
    editor.Stop();
}

void OpenWorkbookSheet(benchmark::State& state) { OpenThroughFileOpen(state, "katalog.xls", "Excel 8.0"); }
void OpenDatabaseTable(benchmark::State& state) { OpenThroughFileOpen(state, "katalog.mdb", ""); }

void IdleEditor(benchmark::State& state)
{
    DataEditorBench editor;
    if (!editor.Start())
    {
        state.SkipWithError("the editor did not start");
        return;
    }
    double empty = 0, withTable = 0;
    for (auto _ : state)
    {
        empty = IdleShare(*editor.app);
        CommonDialogScript::AnswerNext(IDOK, Catalogue("katalog.xls", "Excel 8.0"));
        editor.app->m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_OPEN);
        withTable = IdleShare(*editor.app);
        state.SetIterationTime(withTable);
        if (CSobrelDoc* document = LastDocument(*editor.app))
            document->OnCloseDocument();
    }
    state.counters["idle_cpu_empty_pct"] = empty * 100;
    state.counters["idle_cpu_table_pct"] = withTable * 100;
    editor.Stop();
}
} // namespace

BENCHMARK(OpenWorkbookSheet)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(OpenDatabaseTable)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(IdleEditor)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);
