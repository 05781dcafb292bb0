// The heat-loss calculation and the loading of the input sheet on the largest project the
// model holds: 98 rooms × 19 walls × 19 openings (37,338 element rows). The loading is run
// beside a plain read of the same cells through CData by column index. The input table opened
// on a realistic project (98 rooms × 6 walls × 2 openings) and on the largest one, and the
// model rebuilt from its rows after a Delete, on each: the cost a row should stay flat.
#include "InputSheetBook.h"

#include "common/AppSettings.h"
#include "common/RecreateProjectSheet.h"
#include "datalib/CData.h"
#include "heatloss/HeatLossCalculation.h"
#include "heatloss/InputSheet.h"
#include "heatloss/InputSheetLoader.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/dialogs/CDataGridDialog.h"
#include "heatloss/dialogs/CVysledky.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "heatloss/dialogs/InputDialogIds.h"
#include "platform/dao/Workbook.h"
#include "platform/dao/WorkbookFile.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <array>
#include <memory>
#include <string>

namespace
{

struct LargestProject
{
    QTemporaryDir dir;
    std::string path = dir.filePath("najvetsi.xls").toStdString();
    std::unique_ptr<ProjectModel> model = std::make_unique<ProjectModel>();

    LargestProject()
    {
        workbook::WriteWorkbook(ProjectBook(), path);
        model->Header.Te = -15;
        model->Header.B = 6;
        model->Header.p2 = 0.1;
        if (!LoadInputSheet(CString(path), *model).IsEmpty())
            throw std::runtime_error("the largest project does not load");
    }
};

LargestProject& Project()
{
    static LargestProject project;
    return project;
}

// The sheet open in a CData for the loop's iterations.
struct OpenSheet
{
    CData data;
    explicit OpenSheet(const std::string& path)
    {
        if (!data.Open(CString(path), "Excel 8.0", 0, 0) || !data.OpenTable(InputSheet::TableName(), "", 0))
            throw std::runtime_error("the input sheet does not open");
    }
    ~OpenSheet()
    {
        data.CloseTable();
        data.Close();
    }
};

void BM_CalculateLargestProject(benchmark::State& state)
{
    ProjectModel& model = *Project().model;
    const CalculationSwitches switches{true, true, true, true};
    for (auto _ : state)
    {
        const CalculationOutcome outcome = CalculateHeatLosses(model, switches);
        if (outcome.result != 1)
            state.SkipWithError("the calculation stopped");
        benchmark::DoNotOptimize(model.Totals.total);
    }
    state.counters["rooms"] = model.Rooms.count - 1;
}
BENCHMARK(BM_CalculateLargestProject)->Unit(benchmark::kMicrosecond);

// The peer: every cell the loader reads, through CData by column index (indices looked up once).
void BM_ReadSheetCellsByIndex(benchmark::State& state)
{
    OpenSheet sheet(Project().path);
    std::array<int, InputSheet::Format> indices;
    for (int column = 0; column < InputSheet::Format; ++column)
        indices[column] = sheet.data.GetColIndex(InputSheet::ColumnName(InputSheet::Column(column)), 0);
    CString text;
    for (auto _ : state)
    {
        std::size_t bytes = 0;
        for (int row = 0; row < sheet.data.m_nRecordCount; ++row)
            for (const int index : indices)
            {
                sheet.data.GetStringValue(index, text, row, -1);
                bytes += text.ByteLength();
            }
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["rows"] = sheet.data.m_nRecordCount;
}
BENCHMARK(BM_ReadSheetCellsByIndex)->Unit(benchmark::kMillisecond);

void BM_LoadInputSheetIntoModel(benchmark::State& state)
{
    OpenSheet sheet(Project().path);
    auto model = std::make_unique<ProjectModel>();
    for (auto _ : state)
    {
        if (!LoadInputSheet(sheet.data, *model).IsEmpty())
            state.SkipWithError("the sheet was refused");
        benchmark::DoNotOptimize(model->Rooms.count);
    }
    state.counters["rows"] = sheet.data.m_nRecordCount;
}
BENCHMARK(BM_LoadInputSheetIntoModel)->Unit(benchmark::kMillisecond);

// A project workbook of 98 rooms with walls × openings, as the project's working copy.
struct InputProject
{
    QTemporaryDir dir;
    std::string path = dir.filePath("projekt.xls").toStdString();
    int rows = 0;

    InputProject(int walls, int openings)
    {
        workbook::WriteWorkbook(ProjectBook(walls, openings), path);
        rows = 1 + (MAX_ROOMS - 1) * (1 + walls * (1 + openings));
        AppSettings::Get().PathBase = CString(path);
        UiTest::EnsureApplication();
    }
};

void PerRow(benchmark::State& state, int rows)
{
    state.counters["rows"] = rows;
    state.counters["per_row"] = benchmark::Counter(double(rows), benchmark::Counter::kIsIterationInvariantRate |
                                                                    benchmark::Counter::kInvert);
}

// The table and the model loaded as the input dialog opens (the dialog then ends unseen).
void BM_OpenInputDialog(benchmark::State& state)
{
    InputProject project(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
    {
        CDataGridDialog dialog;
        dialog.m_bLoadOnly = TRUE;
        if (dialog.DoModal() != IDCANCEL)
            state.SkipWithError("the input did not load");
    }
    PerRow(state, project.rows);
}
BENCHMARK(BM_OpenInputDialog)->Args({6, 2})->Args({MAX_WALLS - 1, MAX_OPENINGS - 1})->Unit(benchmark::kMillisecond);

// The model rebuilt from the table's rows, as after a Delete.
void BM_RebuildModelAfterDelete(benchmark::State& state)
{
    InputProject project(int(state.range(0)), int(state.range(1)));
    ScriptedAnswers::OnDialog(IDD_DATA_GRID, [&](CDialog& d) {
        auto& dialog = static_cast<CDataGridDialog&>(d);
        for (auto _ : state)
            dialog.RebuildModelFromGrid();
        return IDCANCEL;
    });
    CDataGridDialog dialog;
    dialog.DoModal();
    PerRow(state, project.rows);
}
BENCHMARK(BM_RebuildModelAfterDelete)->Args({6, 2})->Args({MAX_WALLS - 1, MAX_OPENINGS - 1})->Unit(benchmark::kMillisecond);

// The template project with the largest input sheet, or without an input sheet at all; the
// model holds the largest project's rooms.
struct ResultsProject
{
    QTemporaryDir dir;
    std::string path = dir.filePath("vysledky.xls").toStdString();

    explicit ResultsProject(bool withInput)
    {
        workbook::Workbook book = workbook::ReadWorkbook(std::string(KALVENROD_BIN_DIR) + "/MekrOrig.xls");
        const workbook::Workbook input = ProjectBook();
        for (int i = 0; i < book.SheetCount(); ++i)
            if (book.Sheet(i).Name() == "SeznamV")
                book.RemoveSheet(i--);
        for (int i = 0; i < input.SheetCount() && withInput; ++i)
            if (input.Sheet(i).Name() == "SeznamV")
                book.AddSheet("SeznamV") = input.Sheet(i);
        workbook::WriteWorkbook(book, path);
        AppSettings& settings = AppSettings::Get();
        settings.SetStartValues(0);
        settings.PathBase = CString(path);
        ProjectModel::Instance() = *Project().model;
        UiTest::EnsureApplication();
    }
};

// "Uložit" of the results on the largest project: the rooms' rows of "SeznamM$" with their
// areas for wall heating from the input sheet read once. Its peers: the read of the input
// sheet and the rebuild of the workbook for "SeznamM$"; the save should cost no more than
// twice their sum. Without an input sheet the save is the rewrite of a small workbook.
void BM_SaveResults(benchmark::State& state)
{
    ResultsProject project(state.range(0) != 0);
    for (auto _ : state)
    {
        ScriptedAnswers::OnDialog(IDD_VYSLEDKY, [](CDialog& d) {
            d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_RESULTS_SAVE, BN_CLICKED), 0);
            return IDCANCEL;
        });
        CVysledky dialog;
        if (dialog.DoModal() != IDOK)
            state.SkipWithError("the results were not saved");
    }
    AppSettings::Get().Modified.fill(0);
    state.SetLabel(state.range(0) ? "with input sheet" : "results sheet alone");
}
BENCHMARK(BM_SaveResults)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The rewrite of "SeznamM$" alone on the largest project: the workbook rebuilt without its rows.
void BM_RecreateResultsSheet(benchmark::State& state)
{
    ResultsProject project(true);
    for (auto _ : state)
        if (RecreateProjectSheet("SeznamM$") != 0)
            state.SkipWithError("the sheet was not rebuilt");
}
BENCHMARK(BM_RecreateResultsSheet)->Unit(benchmark::kMillisecond);

void BM_ReadInputSheetOnce(benchmark::State& state)
{
    for (auto _ : state)
    {
        InputSheet sheet;
        if (!sheet.ReadWorkbook(CString(Project().path)).IsEmpty())
            state.SkipWithError("the sheet did not read");
        benchmark::DoNotOptimize(sheet.rows.size());
    }
}
BENCHMARK(BM_ReadInputSheetOnce)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
