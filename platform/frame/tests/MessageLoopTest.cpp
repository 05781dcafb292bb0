// The whole run of a program: AfxWinMain, InitInstance, the message loop with its idle updates,
// closing the main window, ExitInstance.

#include "SdiTestProgram.h"

#include "platform/core/MessageBox.h"
#include "platform/core/Profile.h"
#include "testing/UiTest.h"

#include <QAction>
#include <QCoreApplication>
#include <QWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace
{
class LoopApp : public TestApp
{
public:
    int idleCalls = 0;
    bool calculateEnabledWhileRunning = false;
    bool exited = false;

    BOOL InitInstance() override
    {
        if (!TestApp::InitInstance())
            return FALSE;
        auto* frame = static_cast<TestFrame*>(m_pMainWnd);
        static_cast<TestDoc*>(frame->GetActiveDocument())->m_text = "běží";
        // Once the loop has been idle, the window is closed as a user would close it.
        QTimer::singleShot(20, static_cast<QObject*>(frame->GetWidget()), [this, frame] {
            calculateEnabledWhileRunning = frame->m_wndToolBar.GetButtonAction(0)->isEnabled();
            frame->PostMessage(WM_CLOSE);
        });
        return TRUE;
    }
    BOOL OnIdle(LONG lCount) override
    {
        ++idleCalls;
        return TestApp::OnIdle(lCount);
    }
    int ExitInstance() override
    {
        exited = true;
        TestApp::ExitInstance();
        return 7;
    }
};
} // namespace

TEST(MessageLoop, RunsFromStartToExitWithIdleUpdates)
{
    UiTest::EnsureApplication();
    QTemporaryDir dir;
    Profile::SetConfigFolder(dir.path().toUtf8().constData());
    LoopApp app;
    QTimer safety;
    safety.setSingleShot(true);
    bool stoppedBySafety = false;
    QObject::connect(&safety, &QTimer::timeout, [&stoppedBySafety] {
        stoppedBySafety = true;
        QCoreApplication::exit(99);
    });
    safety.start(10000);
    char name[] = "zkouska";
    char* argv[] = {name, nullptr};
    const int code = AfxWinMain(1, argv);
    MessageBoxes::SetPresenter({});
    EXPECT_FALSE(stoppedBySafety) << "closing the main window did not end the loop";
    EXPECT_EQ(code, 7);
    EXPECT_TRUE(app.exited);
    EXPECT_GT(app.idleCalls, 0);
    EXPECT_TRUE(app.calculateEnabledWhileRunning);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    Profile::SetConfigFolder("");
}
