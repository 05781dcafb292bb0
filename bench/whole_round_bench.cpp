// The whole round of a job, driven off screen through the program's commands as the whole-job
// test drives it: a project of 98 rooms opened, its heat losses computed and stored, the losses
// split with the system's gradient, the floor and the wall heating designed with their
// manifolds and bills, the distribution sized, all eleven reports printed into PDF files and the
// project saved. Run on a project of 98 rooms × 6 walls × 2 openings and on one at the model's
// capacity (98 × 19 × 19).
//
// In the same run, on the project the round left, the parts are measured alone:
// - calculation: the heat-loss calculation of the loaded model, the floor design's press on the
//   loaded rooms, the wall design's calculation of its loaded rooms;
// - workbook I/O: one read of the working copy for every command that opens the project (open,
//   heat losses, split, floor, wall, sizing) and one write for every store (the results, the
//   split, the floor bill and design, the wall bill and design, the sizing, Save);
// - PDF writing: the eleven reports printed straight from the view.
// The counter "ratio" is the round over the sum of its parts.

#include "../app/tests/DesignerRoad.h"
#include "InputSheetBook.h"

#include "app/CMainFrame.h"
#include "app/CMekrApp.h"
#include "app/CMekrView.h"
#include "app/ProgramDialogs.h"
#include "common/AppSettings.h"
#include "datalib/CData.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/FloorDesign.h"
#include "floorwall/WallDesign.h"
#include "floorwall/dialogs/CNavrhStenovky.h"
#include "heatloss/HeatLossCalculation.h"
#include "heatloss/ProjectModel.h"
#include "platform/core/Profile.h"
#include "platform/dao/Workbook.h"
#include "platform/dao/WorkbookFile.h"
#include "platform/frame/FrameIds.h"
#include "platform/gdi/PrintJob.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{
constexpr int kReadsOfARound = 6;
constexpr int kWritesOfARound = 8;
constexpr int kReports = 11;

// A file or folder of the benchmark's temporary folder.
std::string PathOf(const std::string& name)
{
    static QTemporaryDir folder;
    return folder.filePath(QString::fromStdString(name)).toStdString();
}

double Seconds(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

// The template with the generated rooms in its input sheet and the header of a house in Brno.
std::string GeneratedProject(int walls, int openings)
{
    const std::string path = PathOf("vzor-" + std::to_string(walls) + "x" + std::to_string(openings) + ".kzn");
    workbook::Workbook book = workbook::ReadWorkbook(KALVENROD_BIN_DIR "/MekrOrig.xls");
    book.RemoveSheet(book.SheetIndex("SeznamV"));
    workbook::Workbook rooms = ProjectBook(walls, openings);
    book.AddSheet("SeznamV") = rooms.Sheet(rooms.SheetIndex("SeznamV"));
    workbook::WriteWorkbook(book, path);
    CData data;
    const std::pair<const char*, const char*> header[] = {
        {"Název zakázky", "Bytový dům"}, {"Venkovní teplota", "-12"}, {"ChČ budovy", "6"}, {"Typ budovy", "1"}};
    if (data.Open(CString(path), "Excel 8.0", 0, 0) && data.OpenTable("DataAkce$", "", 0))
        for (const auto& [column, value] : header)
            data.SetStringValue(column, value, 0, 0);
    data.Close();
    return path;
}

// Every seventh room shares its loss with the wall heating, every fifth with a radiator.
std::vector<DesignerRoad::RoomSplit> Splits()
{
    std::vector<DesignerRoad::RoomSplit> splits;
    for (int room = 1; room < MAX_ROOMS; ++room)
        if (room % 7 == 0 || room % 5 == 0)
            splits.push_back({"1." + std::to_string(room), true, room % 7 == 0, 0.3, room % 5 == 0 ? 0.2 : 0.0});
    return splits;
}

// The program off screen with its own folders, the catalogues beside it.
class Program
{
public:
    Program()
    {
        Profile::SetConfigFolder(Path("config").c_str());
        Profile::SetMachineFolder(Path("machine").c_str());
        Profile::SetDataFolder(Path("user").c_str());
        Profile::SetDocumentsFolder(Path("documents").c_str());
        Profile::SetRegistryKey("Kolp");
        Profile::SetProfileName("kalvenrod");
        QFile::copy(KALVENROD_BIN_DIR "/MekrOrig.xls", QString::fromStdString(Path("data") + "/MekrOrig.xls"));
        QFile::copy(KALVENROD_BIN_DIR "/MekrData.xls", QString::fromStdString(Path("data") + "/MekrData.xls"));
        const std::pair<const char*, std::string> settings[] = {
            {"UserFirm", "Topení Novák s.r.o."}, {"UserBase", "Brno"},      {"PathData", Path("data")},
            {"PathBase", Path("data") + "/Nový.XLS"}, {"PathList", KALVENROD_BIN_DIR}, {"MaxTlakZtrata", "30000"}};
        for (const auto& [name, value] : settings)
            Profile::WriteString("Settings", name, value.c_str());
        m_app.m_arguments = {"Mekr"};
        m_started = m_app.InitInstance();
        UiTest::ProcessEvents();
    }
    ~Program()
    {
        AppSettings::Get().Modified.fill(0);
        if (m_app.m_pMainWnd)
            m_app.m_pMainWnd->SendMessage(WM_CLOSE);
        UiTest::ProcessEvents();
        m_app.ExitInstance();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        Profile::SetConfigFolder("");
        Profile::SetMachineFolder("");
        Profile::SetDataFolder("");
        Profile::SetDocumentsFolder("");
    }
    bool Started() const { return m_started && Frame() != nullptr; }
    CMainFrame* Frame() const { return dynamic_cast<CMainFrame*>(m_app.m_pMainWnd); }
    CMekrView& View() const { return *dynamic_cast<CMekrView*>(Frame()->GetActiveView()); }

private:
    static std::string Path(const char* name)
    {
        const std::string path = PathOf(name);
        QDir().mkpath(QString::fromStdString(path));
        return path;
    }

    CMekrApp m_app;
    bool m_started = false;
};

struct Designed
{
    size_t floorCircuits = 0;
    size_t wallCircuits = 0;
};

// The round on a fresh copy of the project; the project's PDF files go to the folder.
Designed Round(CWnd& frame, const std::string& project, const std::string& pdfFolder)
{
    using namespace DesignerRoad;
    ScriptedAnswers::AnswerCommonDialog(IDOK, project.c_str());
    Command(frame, ID_FILE_OPEN);
    CalculateAndStoreLosses(frame);
    SplitWithGradient(frame, Splits(), "44", "39");
    const Grid floor = DesignFloor(frame);
    const WallGrids wall = DesignWall(frame);
    double floorFlow = 0.0, wallFlow = 0.0;
    const int floorColumn = ColumnOf(floor, "mH [kg/hod.]");
    for (size_t row = 1; floorColumn >= 0 && row < floor.size(); ++row)
        floorFlow += std::atof(floor[row][size_t(floorColumn)].GetString());
    const int wallColumn = ColumnOf(wall.circuits, "mH [kg/hod.]");
    for (size_t row = 1; wallColumn >= 0 && row < wall.circuits.size(); ++row)
        wallFlow += std::atof(wall.circuits[row][size_t(wallColumn)].GetString());
    SizeDistribution(frame, {{"Podlahové vytápění", floorFlow, 6.0, 4.5}, {"Stěnové vytápění", wallFlow, 8.0, 4.5}},
                     1);
    for (int report = 0; report < kReports; ++report)
        PrintReport(frame, report, pdfFolder + "/sestava-" + std::to_string(report) + ".pdf");
    Command(frame, ID_FILE_SAVE);
    return {floor.size() - 1, wall.circuits.size() - 1};
}

// The calculations of the round alone, on the project as the round left it.
double CalculationSeconds()
{
    auto model = std::make_unique<ProjectModel>(ProjectModel::Instance());
    double seconds = Seconds([&] { CalculateHeatLosses(*model, CalculationSwitches{true, true, true, true}); });
    FloorDesign floor;
    floor.LoadProjectData();
    floor.m_bDesigned = 0;
    floor.m_nUserMode = 0;
    seconds += Seconds([&] { floor.Design(); });
    floor.ClearData();
    CNavrhStenovky wall;
    wall.LoadProjectData();
    seconds += Seconds([&] {
        WallDesign::CalculateRooms(wall.m_rooms, wall.m_dSupplyTemperature, wall.m_dReturnTemperature,
                                   AppSettings::Get().MinimSigmaSten);
    });
    return seconds;
}

double WorkbookSeconds(const std::string& working)
{
    workbook::Workbook book;
    const double read = Seconds([&] { book = workbook::ReadWorkbook(working); });
    const double write = Seconds([&] { workbook::WriteWorkbook(book, PathOf("zapis.xls")); });
    return kReadsOfARound * read + kWritesOfARound * write;
}

double PdfSeconds(CMekrView& view, const std::string& pdfFolder)
{
    return Seconds([&] {
        for (int report = 0; report < kReports; ++report)
        {
            view.m_nSestava = report;
            Gdi::RunPrintToFile(view, QString::fromStdString(pdfFolder + "/primo-" + std::to_string(report) + ".pdf"));
        }
    });
}

void WholeRound(benchmark::State& state)
{
    const std::string generated = GeneratedProject(int(state.range(0)), int(state.range(1)));
    Program program;
    if (!program.Started())
    {
        state.SkipWithError("the program did not start");
        return;
    }
    const std::string pdfFolder = PathOf("pdf");
    QDir().mkpath(QString::fromStdString(pdfFolder));
    double round = 0.0, calculation = 0.0, io = 0.0, pdf = 0.0;
    int n = 0;
    Designed designed;
    for (auto _ : state)
    {
        const std::string project = PathOf("dum-" + std::to_string(state.range(1)) + "-" + std::to_string(n++) + ".kzn");
        QFile::copy(QString::fromStdString(generated), QString::fromStdString(project));
        ScriptedAnswers::Reset();
        const double seconds = Seconds([&] { designed = Round(*program.Frame(), project, pdfFolder); });
        state.SetIterationTime(seconds);
        round += seconds;
        const std::string working = AppSettings::Get().CurrentProjectPath().str();
        if (QFileInfo(QString::fromStdString(working)).baseName() != QFileInfo(QString::fromStdString(project)).baseName())
            state.SkipWithError("the round did not work in the project it opened");
        calculation += CalculationSeconds();
        io += WorkbookSeconds(working);
        pdf += PdfSeconds(program.View(), pdfFolder);
        // The parts' designs change nothing the user made: the next round opens without a question.
        AppSettings::Get().Modified.fill(0);
        for (const MessageBoxRequest& box : ScriptedAnswers::ShownBoxes())
            if (box.caption == AppSettings::Get().ErrorCaption())
                state.SkipWithError(("an error on the way: " + box.text.str()).c_str());
    }
    const double parts = calculation + io + pdf;
    const double iterations = double(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["round_s"] = round / iterations;
    state.counters["calculation_s"] = calculation / iterations;
    state.counters["workbook_io_s"] = io / iterations;
    state.counters["pdf_s"] = pdf / iterations;
    state.counters["ratio"] = parts > 0.0 ? round / parts : 0.0;
    state.counters["floor_circuits"] = double(designed.floorCircuits);
    state.counters["wall_circuits"] = double(designed.wallCircuits);
}
BENCHMARK(WholeRound)
    ->Args({6, 2})
    ->Args({MAX_WALLS - 1, MAX_OPENINGS - 1})
    ->ArgNames({"walls", "openings"})
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(2);
} // namespace

int main(int argc, char** argv)
{
    UiTest::EnsureApplication();
    RegisterProgramDialogs();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
