// The workbook engine against two peers, FreeXL (a C reader, when installed) and python3-xlrd,
// on one 100,000-row x 10-column workbook (two sheets of 50,000 rows: an Excel 8.0 sheet
// holds at most 65,536 rows). Counters: cells per second, the file size and the peak memory
// of a read against it. The readers run on the file twice: /0 as it is, /1 with its date
// column formatted as plain numbers (FreeXL turns each date serial into a date day by day,
// which makes it slow on the first file; the second shows its speed otherwise).
#include "platform/dao/WorkbookFile.h"

#include <benchmark/benchmark.h>

#ifdef KALVENROD_HAVE_FREEXL
#include <freexl.h>
#endif

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <fstream>
#include <malloc.h>
#include <string>
#include <unistd.h>

namespace
{

constexpr int kRows = 100000;
constexpr int kColumns = 10;
constexpr int kSheets = 2;

workbook::Workbook MakeBook(bool dates = true)
{
    workbook::Workbook book;
    for (int s = 0; s < kSheets; ++s)
    {
        workbook::Worksheet& sheet = book.AddSheet("Data" + std::to_string(s + 1));
        for (int c = 0; c < kColumns; ++c)
            sheet.SetText(0, c, "Sloupec " + std::to_string(c + 1));
        const int rows = kRows / kSheets;
        for (int r = 1; r <= rows; ++r)
        {
            const int n = s * rows + r;
            sheet.SetText(r, 0, "Místnost č. " + std::to_string(n));
            sheet.SetText(r, 1, n % 3 ? "obývací pokoj" : "kuchyň");
            sheet.SetNumber(r, 2, n);
            sheet.SetNumber(r, 3, n * 0.25);
            sheet.SetNumber(r, 4, n / 7.0);
            sheet.SetNumber(r, 5, 20.0 + (n % 5));
            sheet.SetNumber(r, 6, 44000 + n % 1000,
                            dates ? workbook::NumberFormatKind::Date : workbook::NumberFormatKind::General);
            sheet.SetNumber(r, 7, (n % 10000) * 1.5, workbook::NumberFormatKind::Currency);
            sheet.SetBoolean(r, 8, n % 2);
            sheet.SetText(r, 9, "poznámka " + std::to_string(n % 100));
        }
    }
    return book;
}

struct Fixture
{
    QTemporaryDir dir;
    std::string path;
    std::string plainPath;
    workbook::Workbook book = MakeBook();
    Fixture() : path(dir.filePath("bench.xls").toStdString()), plainPath(dir.filePath("plain.xls").toStdString())
    {
        workbook::WriteWorkbook(book, path);
        workbook::WriteWorkbook(MakeBook(false), plainPath);
    }
};

Fixture& Shared()
{
    static Fixture fixture;
    return fixture;
}

long StatusKb(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(std::string(key).size()));
    return 0;
}

// Memory freed by earlier reads goes back to the system first: a read that reused it would
// not show in the peak.
void ResetPeakMemory()
{
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

double FileMegabytes()
{
    return QFileInfo(QString::fromStdString(Shared().path)).size() / 1048576.0;
}

// Times reads of one of the two files (the benchmark's argument) and reports the memory a
// read took at its peak.
template <class Read> void MeasureRead(benchmark::State& state, Read read)
{
    const std::string& path = state.range(0) == 0 ? Shared().path : Shared().plainPath;
    double peakMb = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        ResetPeakMemory();
        const long before = StatusKb("VmRSS:");
        state.ResumeTiming();
        if (!read(path))
        {
            state.SkipWithError("the workbook could not be read");
            return;
        }
        peakMb = std::max(peakMb, (StatusKb("VmHWM:") - before) / 1024.0);
    }
    state.SetItemsProcessed(state.iterations() * kRows * kColumns);
    state.counters["file_MB"] = FileMegabytes();
    state.counters["peak_MB"] = peakMb;
    state.counters["peak_per_file"] = peakMb / FileMegabytes();
}

void BM_ReadWorkbook(benchmark::State& state)
{
    MeasureRead(state,
                [](const std::string& path)
                {
                    workbook::Workbook book = workbook::ReadWorkbook(path);
                    benchmark::DoNotOptimize(book);
                    return book.SheetCount() == kSheets;
                });
}
// Reads take tens of milliseconds and the machine is shared: enough of them to even out.
BENCHMARK(BM_ReadWorkbook)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(15);

#ifdef KALVENROD_HAVE_FREEXL
// The peer: FreeXL opening the same file and fetching every cell of every sheet.
bool ReadWithFreeXl(const std::string& path)
{
    const void* handle = nullptr;
    bool read = freexl_open(path.c_str(), &handle) == FREEXL_OK;
    unsigned int sheets = 0;
    read = read && freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &sheets) == FREEXL_OK;
    std::size_t cells = 0;
    for (unsigned short s = 0; read && s < sheets; ++s)
    {
        unsigned int rows = 0;
        unsigned short columns = 0;
        read = freexl_select_active_worksheet(handle, s) == FREEXL_OK &&
               freexl_worksheet_dimensions(handle, &rows, &columns) == FREEXL_OK;
        for (unsigned int r = 0; read && r < rows; ++r)
            for (unsigned short c = 0; c < columns; ++c)
            {
                FreeXL_CellValue value;
                read = read && freexl_get_cell_value(handle, r, c, &value) == FREEXL_OK;
                cells += value.type != FREEXL_CELL_NULL;
            }
    }
    freexl_close(handle);
    benchmark::DoNotOptimize(cells);
    return read;
}

void BM_FreeXlReadWorkbook(benchmark::State& state)
{
    MeasureRead(state, ReadWithFreeXl);
}
BENCHMARK(BM_FreeXlReadWorkbook)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_FreeXlReadWorkbook)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(15);
#endif

void BM_WriteWorkbook(benchmark::State& state)
{
    const std::string out = Shared().dir.filePath("written.xls").toStdString();
    for (auto _ : state)
        workbook::WriteWorkbook(Shared().book, out);
    state.SetItemsProcessed(state.iterations() * kRows * kColumns);
}
BENCHMARK(BM_WriteWorkbook)->Unit(benchmark::kMillisecond)->Iterations(5);

QString DebianPython()
{
    char buffer[256] = {};
    confstr(_CS_PATH, buffer, sizeof buffer);
    for (const QString& dir : QString::fromLatin1(buffer).split(':'))
        if (::access((dir + "/python3").toLocal8Bit().constData(), X_OK) == 0)
            return dir + "/python3";
    return "/usr/bin/python3";
}

// The peer: python3-xlrd opening the same file (the time of the open alone, measured inside Python).
void BM_XlrdReadWorkbook(benchmark::State& state)
{
    const QString script = "import sys, time, xlrd\n"
                           "t = time.perf_counter()\n"
                           "b = xlrd.open_workbook(sys.argv[1])\n"
                           "print(time.perf_counter() - t)\n";
    for (auto _ : state)
    {
        QProcess python;
        python.start(DebianPython(), {"-c", script, QString::fromStdString(Shared().path)});
        if (!python.waitForFinished(600000) || python.exitCode() != 0)
        {
            state.SkipWithError("python3-xlrd did not read the workbook");
            return;
        }
        state.SetIterationTime(python.readAllStandardOutput().trimmed().toDouble());
    }
    state.SetItemsProcessed(state.iterations() * kRows * kColumns);
}
BENCHMARK(BM_XlrdReadWorkbook)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);

} // namespace

BENCHMARK_MAIN();
