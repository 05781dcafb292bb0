// Printing the heat-loss reports of a 98-room project (6 walls a room, 2 openings a wall) into
// PDF files, beside a peer that draws the same texts, rectangles and lines straight with
// QPainter into a PDF in the same run; the floor bill of materials of 300 items under chapter
// headings (report 4, with prices) beside report 0, per printed line; and the check of which
// reports have data after a load (the project with a floor and wall heating design). The ratios and the
// check's time are reported at the end.

#include "app/CMekrView.h"
#include "app/ReportAvailability.h"
#include "common/AppSettings.h"
#include "heatloss/InputSheet.h"
#include "heatloss/ProjectModel.h"
#include "platform/dao/Workbook.h"
#include "platform/dao/WorkbookFile.h"
#include "platform/gdi/PrintJob.h"
#include "testing/UiTest.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <numeric>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
constexpr int Rooms = 98;
constexpr int Walls = 6;
constexpr int Openings = 2;

QTemporaryDir& Folder()
{
    static QTemporaryDir folder;
    return folder;
}

std::string PathOf(const char* name)
{
    return Folder().filePath(QString::fromUtf8(name)).toStdString();
}

void FillModel()
{
    ProjectModel& model = ProjectModel::Instance();
    model.Reset("Novák");
    model.Header.investor1 = "Bytový dům";
    model.Header.Te = -15;
    model.Header.B = 6;
    for (int r = 1; r <= Rooms; ++r)
    {
        const int room = model.AddRoom();
        model.Rooms[room].number = CString(std::to_string(r).c_str());
        model.Rooms[room].name = "Pokoj";
        model.Rooms[room].Ti = 20;
        model.Results[room].floorArea = 20.0;
        model.Results[room].total = 1500.0;
        for (int w = 1; w <= Walls; ++w)
        {
            const int wall = model.AddWall(room);
            model.Walls.At(room, wall).length = 5000;
            for (int o = 1; o <= Openings; ++o)
                model.Openings.At(room, wall, model.AddOpening(room, wall)).count = 1;
        }
    }
}

CMekrView& View()
{
    static CMekrView* view = new CMekrView;
    return *view;
}

double g_report[2] = {0, 0};
int g_lines[2] = {0, 0};
double g_bill = 0;
int g_billLines = 0;

// The lines the last print run laid out on its pages.
int PrintedLines()
{
    return std::accumulate(View().m_groupSizes.begin(), View().m_groupSizes.end(), 0);
}
double g_peer[2] = {0, 0};
double g_check = 0;

void PrintReport(benchmark::State& state)
{
    const int report = int(state.range(0));
    View().m_nSestava = report;
    for (auto _ : state)
    {
        QElapsedTimer timer;
        timer.start();
        Gdi::RunPrintToFile(View(), QString::fromStdString(PathOf("report.pdf")));
        const double seconds = timer.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
        g_report[report] += seconds;
    }
    g_report[report] /= double(state.iterations());
    g_lines[report] = PrintedLines();
}
BENCHMARK(PrintReport)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The pages of the report as the view distributed them, each with as many heading texts and
// body lines of cells (a rectangle and a text each) drawn straight.
void DrawPeer(int report, const std::vector<PagePart>& pages)
{
    QPdfWriter writer(QString::fromStdString(PathOf("peer.pdf")));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(1200);
    QPainter painter(&writer);
    QFont normal("Liberation Serif");
    normal.setPixelSize(190);
    painter.setFont(normal);
    const int cellsPerLine = report == 0 ? 10 : 8;
    bool first = true;
    for (const PagePart& page : pages)
    {
        if (!first)
            writer.newPage();
        first = false;
        for (int head = 0; head < 30; ++head)
        {
            painter.drawRect(QRect(100 + head * 300, 600, 300, 400));
            painter.drawText(100 + head * 300, 600, "Záhlaví");
        }
        painter.drawLine(0, 1100, 9000, 1100);
        for (int row = 0; row < page.rowCount; ++row)
        {
            const int y = 1200 + row * 260;
            for (int cell = 0; cell < cellsPerLine; ++cell)
            {
                painter.drawRect(QRect(100 + cell * 900, y, 900, 260));
                painter.drawText(QRect(100 + cell * 900, y, 900, 260), Qt::AlignCenter, "1234.5");
            }
        }
        painter.drawText(8000, 13800, "Strana 1 z 9");
    }
}

void PeerReport(benchmark::State& state)
{
    const int report = int(state.range(0));
    View().m_nSestava = report;
    Gdi::RunPrintToFile(View(), QString::fromStdString(PathOf("pages.pdf")));
    const std::vector<PagePart> pages = View().m_pages;
    for (auto _ : state)
    {
        QElapsedTimer timer;
        timer.start();
        DrawPeer(report, pages);
        const double seconds = timer.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
        g_peer[report] += seconds;
    }
    g_peer[report] /= double(state.iterations());
}
BENCHMARK(PeerReport)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

#ifdef KALVENROD_REPORT_FIXTURES
// The project of the 300-item bill and the catalogue of its maker in the bench's folder.
bool UseBillProject()
{
    const QString fixtures = QStringLiteral(KALVENROD_REPORT_FIXTURES);
    QFile::copy(fixtures + "/bilance-velka.xls", QString::fromStdString(PathOf("Bilance.XLS")));
    QFile::copy(fixtures + "/ZVK-9002.XLS", QString::fromStdString(PathOf("ZVK-9002.XLS")));
    AppSettings& settings = AppSettings::Get();
    settings.CurrentProjectPath() = PathOf("Bilance.XLS").c_str();
    settings.PathList = Folder().path().toUtf8().constData();
    return QFile::exists(QString::fromStdString(PathOf("ZVK-9002.XLS")));
}

void PrintBill(benchmark::State& state)
{
    if (!UseBillProject())
    {
        state.SkipWithError("the bill fixture is missing");
        return;
    }
    View().m_nSestava = 4;
    View().m_bVcetneHodnoty = 1;
    for (auto _ : state)
    {
        QElapsedTimer timer;
        timer.start();
        Gdi::RunPrintToFile(View(), QString::fromStdString(PathOf("bill.pdf")));
        const double seconds = timer.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
        g_bill += seconds;
    }
    g_bill /= double(state.iterations());
    g_billLines = PrintedLines();
}
BENCHMARK(PrintBill)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
#endif

void WriteProject()
{
    workbook::Workbook book;
    workbook::Worksheet& sheet = book.AddSheet("SeznamV");
    for (int column = 0; column < InputSheet::ColumnCount; ++column)
        sheet.SetText(0, column, InputSheet::ColumnName(InputSheet::Column(column)).str());
    int row = 1;
    sheet.SetText(row++, InputSheet::Name, "objekt");
    for (int r = 1; r <= Rooms; ++r)
    {
        sheet.SetText(row, InputSheet::Name, "Pokoj");
        sheet.SetText(row++, InputSheet::Length, "5000");
        for (int w = 0; w < Walls; ++w)
        {
            sheet.SetText(row, InputSheet::Width, "5000");
            sheet.SetText(row++, InputSheet::TemperatureDifference, "35");
            for (int o = 0; o < Openings; ++o)
                sheet.SetText(row++, InputSheet::I, "1,4");
        }
    }
    // The floor and wall heating design of every room: three floor circuits and a wall circuit.
    workbook::Worksheet& header = book.AddSheet("DataAkce");
    header.SetText(0, 0, "SIGMA_STENOVKY");
    header.SetText(1, 0, "50.0#42.0");
    workbook::Worksheet& design = book.AddSheet("SeznamM");
    const char* columns[] = {"TYP_ZAZNAMU", "Číslo                Místnosti",
                             "NázevM",      "ZTRATA_PODL",
                             "ZTRATA_STEN", "Rozteč Trubek",
                             "Rozdělovač",  "Hmot_Průtok"};
    for (int column = 0; column < 8; ++column)
        design.SetText(0, column, columns[column]);
    row = 1;
    design.SetText(row++, 0, "1");
    for (int r = 1; r <= Rooms; ++r)
    {
        const std::string number = std::to_string(r);
        for (const char* cells : {"2", "4", "4", "4", "5"})
        {
            design.SetText(row, 0, cells);
            design.SetText(row, 1, number);
            design.SetText(row, 2, "Pokoj");
            design.SetText(row, 3, "900");
            design.SetText(row, 4, "300");
            design.SetText(row, 5, "0.15");
            design.SetText(row, 6, std::to_string(1 + r % 6));
            design.SetText(row++, 7, "0.02");
        }
    }
    workbook::WriteWorkbook(book, PathOf("Projekt.XLS"));
}

void AvailabilityAfterLoad(benchmark::State& state)
{
    const CString path(PathOf("Projekt.XLS").c_str());
    for (auto _ : state)
    {
        QElapsedTimer timer;
        timer.start();
        benchmark::DoNotOptimize(ReportAvailability::Check(path));
        const double seconds = timer.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
        g_check = std::max(g_check, seconds);
    }
}
BENCHMARK(AvailabilityAfterLoad)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
} // namespace

int main(int argc, char** argv)
{
    UiTest::EnsureApplication();
    FillModel();
    WriteProject();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    for (int report = 0; report < 2; ++report)
        if (g_peer[report] > 0)
            std::printf("report %d: %.1f ms, QPainter peer %.1f ms, ratio %.2f; %s twice the peer\n", report,
                        g_report[report] * 1e3, g_peer[report] * 1e3, g_report[report] / g_peer[report],
                        g_report[report] <= 2 * g_peer[report] ? "within" : "over");
    if (g_bill > 0 && g_billLines > 0 && g_lines[0] > 0 && g_report[0] > 0)
    {
        const double billLine = g_bill / g_billLines;
        const double roomLine = g_report[0] / g_lines[0];
        std::printf(
            "report 4 (%d lines): %.3f ms a line, report 0 (%d lines): %.3f ms a line, ratio %.2f; %s 1.5\n",
            g_billLines, billLine * 1e3, g_lines[0], roomLine * 1e3, billLine / roomLine,
            billLine <= 1.5 * roomLine ? "within" : "over");
    }
    const ReportAvailability::Flags flags = ReportAvailability::Check(CString(PathOf("Projekt.XLS").c_str()));
    const bool roomsFound = flags[0] && flags[2] && flags[5] && flags[10];
    std::printf("availability after a load: at most %.1f ms; %s 100 ms; the rooms %s\n", g_check * 1e3,
                g_check < 0.1 ? "under" : "over",
                roomsFound ? "and the design found" : "or the design NOT found");
    benchmark::Shutdown();
    return 0;
}
