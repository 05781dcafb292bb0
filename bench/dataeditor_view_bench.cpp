// The data editor's table commands over a 100,000-row table: the delimited-text export of a
// 100,000-row x 10-column table, and the undo of a formula applied to 100,000 cells of a
// number column (one journal group). Part of build/bench/dataeditor_bench.
#include "DataEditorBench.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/controls/ControlIds.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/view/CSobrelView.h"
#include "platform/core/UserLocale.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/DialogScript.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFileInfo>

namespace
{
constexpr int kRows = 100000;

void ExportText(benchmark::State& state)
{
    DataEditorBench editor;
    if (!editor.Start())
    {
        state.SkipWithError("the editor did not start");
        return;
    }
    CSobrelView* view = editor.FillTable(kRows, 10, DataEditorBench::CatalogueCell);
    const CString path = (editor.dir.path() + "/katalog.txt").toUtf8().constData();
    for (auto _ : state)
    {
        QElapsedTimer timer;
        timer.start();
        const CString used = view->WriteText(path, ";");
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        if (used != ";")
            state.SkipWithError("nothing was written");
    }
    state.counters["MB"] = QFileInfo(QString::fromUtf8(path.GetString())).size() / 1e6;
    editor.Stop();
}

// The Czech setting for the time of one benchmark.
struct CzechSetting
{
    CzechSetting() { UserLocale::SetCurrent(UserLocale::Czech()); }
    ~CzechSetting() { UserLocale::ResetToSystem(); }
};

// In the Czech setting the formula's "." turns into the decimal comma as it is typed.
void UndoFormulaGroup(benchmark::State& state)
{
    CzechSetting czech;
    DataEditorBench editor;
    if (!editor.Start())
    {
        state.SkipWithError("the editor did not start");
        return;
    }
    CSobrelView* view = editor.FillTable(kRows, 2, DataEditorBench::CatalogueCell);
    view->Grid()->SetFocusCell(1, 2);
    view->Grid()->SetSelectedRange(1, 2, kRows, 2);
    DialogScript::OnNext(IDD_CALCULATOR, [](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_CALC_FORMULA, "X*1.21");
        dialog.SendMessage(WM_COMMAND, IDOK);
        return IDOK;
    });
    QElapsedTimer formula;
    formula.start();
    view->SendMessage(WM_COMMAND, ID_CALCULATOR);
    state.counters["formula_s"] = formula.nsecsElapsed() / 1e9;
    if (view->Journal().size() != std::size_t(kRows + 2))
    {
        state.SkipWithError(("the formula did not change every cell: " + std::to_string(view->Journal().size())).c_str());
        editor.Stop();
        return;
    }
    for (auto _ : state)
    {
        QElapsedTimer timer;
        timer.start();
        view->Undo();
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        if (view->JournalPosition() != -1)
            state.SkipWithError("the group was not undone whole");
        view->Redo();
    }
    editor.Stop();
}
} // namespace

BENCHMARK(ExportText)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(UndoFormulaGroup)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
