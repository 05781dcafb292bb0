// Open and Save of a project document with 98 rooms (19 walls a room, 19 openings a wall in
// its input sheet), beside CData::Copy of the same workbook in the same run. Open makes the
// working copy and reads the header; Save writes the header and copies the working copy over
// the project file. A store of the results sheet and one of a header value follow each other
// on the working copy of that project, as the designs' stores do, each reading the sheet it
// stored. Each is reported as a multiple of the copy.

#include "app/CMainFrame.h"
#include "app/CMekrApp.h"
#include "common/AppSettings.h"
#include "common/ProjectSheetStore.h"
#include "common/RecreateProjectSheet.h"
#include "datalib/CData.h"
#include "platform/core/Profile.h"
#include "platform/dao/Workbook.h"
#include "platform/dao/WorkbookFile.h"
#include "platform/frame/FrameIds.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <string>

namespace
{
double g_copySeconds = 0;
double g_openSeconds = 0;
double g_saveSeconds = 0;
double g_storeSeconds = 0;

struct Folder
{
    QTemporaryDir dir;
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
};

Folder& Work()
{
    static Folder folder;
    return folder;
}

// The template with its input sheet holding 98 rooms, 19 walls each and 19 openings a wall.
std::string LargestProject()
{
    static std::string path;
    if (!path.empty())
        return path;
    workbook::Workbook book = workbook::ReadWorkbook(KALVENROD_BIN_DIR "/MekrOrig.xls");
    workbook::Worksheet& sheet = book.Sheet(book.SheetIndex("SeznamV"));
    int row = 1;
    for (int room = 1; room <= 98; ++room)
    {
        sheet.SetText(row, 0, "1." + std::to_string(room));
        sheet.SetText(row++, 1, "Místnost " + std::to_string(room));
        for (int wall = 1; wall <= 19; ++wall)
        {
            sheet.SetText(row, 1, wall % 2 ? "SO " : "SN ");
            sheet.SetText(row++, 3, std::to_string(2000 + 100 * wall));
            for (int opening = 1; opening <= 19; ++opening)
            {
                sheet.SetText(row, 1, "OJ ");
                sheet.SetText(row++, 3, "100");
            }
        }
    }
    path = Work().Path("Dum.kzn");
    workbook::WriteWorkbook(book, path);
    return path;
}

double Seconds(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

void CopyOfTheWorkbook(benchmark::State& state)
{
    const CString source(LargestProject());
    const CString target(Work().Path("kopie.xls"));
    double total = 0;
    for (auto _ : state)
    {
        QFile::remove(QString::fromStdString(target.str()));
        QElapsedTimer timer;
        timer.start();
        CData data;
        if (!data.Open(source, "Excel 8.0", 0, 0) || !data.Copy(target, -1))
            state.SkipWithError("the copy failed");
        data.Close();
        state.SetIterationTime(Seconds(timer));
        total += Seconds(timer);
    }
    g_copySeconds = state.iterations() ? total / double(state.iterations()) : 0;
}
BENCHMARK(CopyOfTheWorkbook)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// The program started off screen; every open and save measured through its commands.
void OpenAndSave(benchmark::State& state)
{
    const std::string project = LargestProject();
    QTemporaryDir config;
    Profile::SetConfigFolder(config.path().toUtf8().constData());
    Profile::SetRegistryKey("Kolp");
    Profile::SetProfileName("kalvenrod");
    Profile::WriteString("Settings", "UserFirm", "Topení Novák s.r.o.");
    Profile::WriteString("Settings", "UserBase", "Brno");
    Profile::WriteString("Settings", "PathData", KALVENROD_BIN_DIR);
    Profile::WriteString("Settings", "PathBase", Work().Path("Nový.XLS").c_str());
    CMekrApp app;
    app.m_arguments = {"Mekr"};
    if (!app.InitInstance())
    {
        state.SkipWithError("the program did not start");
        return;
    }
    double open = 0;
    double save = 0;
    for (auto _ : state)
    {
        QElapsedTimer timer;
        timer.start();
        ScriptedAnswers::AnswerCommonDialog(IDOK, project.c_str());
        app.m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_OPEN);
        open += Seconds(timer);
        AppSettings::Get().Modified[AppSettings::BasicData] = 1;
        timer.restart();
        app.m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_SAVE);
        save += Seconds(timer);
        if (AppSettings::Get().CurrentProjectPath() != Work().Path("Dum.XLS").c_str() ||
            AppSettings::Get().Modified[AppSettings::BasicData])
            state.SkipWithError("the project did not open and save");
        state.SetIterationTime(Seconds(timer));
    }
    const double n = state.iterations() ? double(state.iterations()) : 1;
    g_openSeconds = open / n;
    g_saveSeconds = save / n;
    app.m_pMainWnd->SendMessage(WM_CLOSE);
    app.ExitInstance();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
    Profile::SetConfigFolder("");
}
BENCHMARK(OpenAndSave)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
// The results sheet made anew and a header value stored, each then read back, on the working
// copy of the largest project.
void StoresOfTheWorkingCopy(benchmark::State& state)
{
    const std::string working = Work().Path("Prace.XLS");
    QFile::remove(QString::fromStdString(working));
    QFile::copy(QString::fromStdString(LargestProject()), QString::fromStdString(working));
    AppSettings::Get().CurrentProjectPath() = working.c_str();
    double total = 0;
    int note = 0;
    for (auto _ : state)
    {
        QElapsedTimer timer;
        timer.start();
        CData read;
        CString text;
        const bool stored = RecreateProjectSheet("SeznamM$") == 0 && read.Open(working.c_str(), "Excel 8.0", 0, 1) &&
                            read.OpenTable("SeznamM$", "", 0) && read.m_nRecordCount == 0 &&
                            (read.Close(), ProjectSheetStore::StoreFirstRowValue(
                                               "DataAkce$", "Poznámka", CString(std::to_string(++note)))) &&
                            read.Open(working.c_str(), "Excel 8.0", 0, 1) && read.OpenTable("DataAkce$", "", 0) &&
                            read.GetStringValue("Poznámka", text, 0, -1, 0) && text == std::to_string(note).c_str();
        read.Close();
        if (!stored)
            state.SkipWithError("the stores failed");
        state.SetIterationTime(Seconds(timer));
        total += Seconds(timer);
    }
    g_storeSeconds = state.iterations() ? total / double(state.iterations()) : 0;
    AppSettings::Get().CurrentProjectPath() = "";
}
BENCHMARK(StoresOfTheWorkingCopy)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
} // namespace

int main(int argc, char** argv)
{
    UiTest::EnsureApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_copySeconds > 0 && g_openSeconds > 0)
        std::printf("copy %.1f ms; open %.1f ms (%.2f × the copy), save %.1f ms (%.2f × the copy); %s\n",
                    g_copySeconds * 1000, g_openSeconds * 1000, g_openSeconds / g_copySeconds,
                    g_saveSeconds * 1000, g_saveSeconds / g_copySeconds,
                    g_openSeconds <= 3 * g_copySeconds && g_saveSeconds <= 3 * g_copySeconds
                        ? "both within three times the copy"
                        : "NOT within three times the copy");
    if (g_copySeconds > 0 && g_storeSeconds > 0)
        std::printf("two stores, each read back: %.1f ms (%.2f × the copy)\n", g_storeSeconds * 1000,
                    g_storeSeconds / g_copySeconds);
    return 0;
}
