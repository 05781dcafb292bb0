// The heating design program's start: from the application object to its main window shown and
// painted for the first time, beside an empty Qt main window shown and painted in the same run.
// The ratio of the two and whether the start stays under 300 ms are reported at the end.

#include "app/CMainFrame.h"
#include "app/CMekrApp.h"
#include "platform/core/Profile.h"
#include "testing/UiTest.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace
{
double g_programSeconds = 0;
double g_qtSeconds = 0;

// Notes the first paint of a window.
class PaintWatcher : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

void WaitForPaint(QWidget* window, PaintWatcher& watcher)
{
    QElapsedTimer limit;
    limit.start();
    while (!watcher.painted && limit.elapsed() < 5000)
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (!watcher.painted && window->isVisible())
            window->repaint();
    }
}

// Takes the quit request of a closed main window, so that the next start runs its loops.
void TakeQuitRequest()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
}

void ProgramStart(benchmark::State& state)
{
    QTemporaryDir config;
    Profile::SetConfigFolder(config.path().toUtf8().constData());
    Profile::SetRegistryKey("Kolp");
    Profile::SetProfileName("kalvenrod");
    Profile::WriteString("Settings", "UserFirm", "Topení Novák s.r.o.");
    Profile::WriteString("Settings", "UserBase", "Brno");
    double total = 0;
    for (auto _ : state)
    {
        QElapsedTimer timer;
        timer.start();
        CMekrApp app;
        app.m_arguments = {"Mekr"};
        if (!app.InitInstance())
        {
            state.SkipWithError("the program did not start");
            break;
        }
        auto* frame = dynamic_cast<CMainFrame*>(app.m_pMainWnd);
        PaintWatcher watcher;
        QWidget* window = frame->MainWindow();
        window->installEventFilter(&watcher);
        WaitForPaint(window, watcher);
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        total += seconds;
        window->removeEventFilter(&watcher);
        frame->SendMessage(WM_CLOSE);
        app.ExitInstance();
        TakeQuitRequest();
    }
    g_programSeconds = state.iterations() ? total / double(state.iterations()) : 0;
    Profile::SetConfigFolder("");
}
BENCHMARK(ProgramStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void QtMainWindowShown(benchmark::State& state)
{
    double total = 0;
    for (auto _ : state)
    {
        QElapsedTimer timer;
        timer.start();
        QMainWindow window;
        window.resize(800, 600);
        PaintWatcher watcher;
        window.installEventFilter(&watcher);
        window.show();
        WaitForPaint(&window, watcher);
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        total += seconds;
        window.removeEventFilter(&watcher);
    }
    g_qtSeconds = state.iterations() ? total / double(state.iterations()) : 0;
}
BENCHMARK(QtMainWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
} // namespace

int main(int argc, char** argv)
{
    UiTest::EnsureApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_programSeconds > 0 && g_qtSeconds > 0)
        std::printf("program start %.1f ms, empty Qt main window %.1f ms, ratio %.1f; %s 300 ms\n",
                    g_programSeconds * 1000, g_qtSeconds * 1000, g_programSeconds / g_qtSeconds,
                    g_programSeconds < 0.3 ? "under" : "NOT under");
    return 0;
}
