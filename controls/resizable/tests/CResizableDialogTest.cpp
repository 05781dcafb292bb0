#include "DemoDialogs.h"

#include "platform/core/Profile.h"
#include "platform/ui/DialogScript.h"
#include "testing/UiTest.h"
#include "testing/ScriptedAnswers.h"
#include "testing/TemporaryProfile.h"

#include <gtest/gtest.h>

#include <map>

namespace
{
const int demoControls[] = {IDC_DEMO_TITLE, IDC_DEMO_GRID, IDC_DEMO_NOTE, IDC_DEMO_MANIFOLDS,
                            IDC_DEMO_SAVE,  IDOK,          IDCANCEL};

class CResizableDialogTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        UiTest::EnsureApplication();
        RegisterDemoDialogs();
    }

    void SetUp() override { ScriptedAnswers::Reset(); }
    void TearDown() override
    {
        if (dialog.GetSafeHwnd())
            dialog.DestroyWindow();
    }

    void Open()
    {
        ASSERT_TRUE(dialog.Create(IDD_RESIZABLE_DEMO));
        dialog.ShowWindow(SW_SHOW);
        UiTest::ProcessEvents();
        for (int id : demoControls)
            initial[id] = RectOf(dialog, id);
        dialog.GetWindowRect(&initialWindow);
        dialog.GetClientRect(&initialClient);
    }

    static CRect RectOf(CWnd& parent, int id)
    {
        CRect r;
        parent.GetDlgItem(id)->GetWindowRect(&r);
        parent.ScreenToClient(&r);
        return r;
    }

    // Sizes the window as a user dragging its frame would.
    static void SizeWindow(CWnd& wnd, int cx, int cy)
    {
        wnd.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER);
        UiTest::ProcessEvents();
    }

    static CSize ClientSize(CWnd& wnd)
    {
        CRect r;
        wnd.GetClientRect(&r);
        return r.Size();
    }

    TemporaryProfile profile;
    CDemoDialog dialog;
    std::map<int, CRect> initial;
    CRect initialWindow;
    CRect initialClient;
};

CRect Offset(CRect r, int dx, int dy)
{
    r.OffsetRect(dx, dy);
    return r;
}
} // namespace

TEST_F(CResizableDialogTest, ControlsMoveAndStretchAsAnchored)
{
    Open();
    SizeWindow(dialog, initialWindow.Width() + 100, initialWindow.Height() + 60);
    ASSERT_EQ(ClientSize(dialog), initialClient.Size() + CSize(100, 60));

    CRect grid = initial[IDC_DEMO_GRID];
    grid.right += 100;
    grid.bottom += 60;
    EXPECT_EQ(RectOf(dialog, IDC_DEMO_GRID), grid);
    CRect title = initial[IDC_DEMO_TITLE];
    title.right += 100;
    EXPECT_EQ(RectOf(dialog, IDC_DEMO_TITLE), title);
    EXPECT_EQ(RectOf(dialog, IDC_DEMO_NOTE), Offset(initial[IDC_DEMO_NOTE], 50, 60));
    for (int id : {IDC_DEMO_MANIFOLDS, IDC_DEMO_SAVE, IDOK, IDCANCEL})
        EXPECT_EQ(RectOf(dialog, id), Offset(initial[id], 100, 60)) << id;

    // Back to the template's size, everything is where the template put it.
    SizeWindow(dialog, initialWindow.Width(), initialWindow.Height());
    for (int id : demoControls)
        EXPECT_EQ(RectOf(dialog, id), initial[id]) << id;
}

TEST_F(CResizableDialogTest, FrameSizesAndKeepsTheClientArea)
{
    Open();
    EXPECT_TRUE(dialog.GetStyle() & WS_THICKFRAME);
    EXPECT_FALSE(dialog.GetStyle() & DS_MODALFRAME);
    EXPECT_TRUE(dialog.GetStyle() & WS_POPUP);
    // The template's 240 x 151 dialog units, as a plain dialog of the template gets them.
    CDialog plain;
    ASSERT_TRUE(plain.Create(IDD_RESIZABLE_DEMO));
    EXPECT_EQ(ClientSize(plain), initialClient.Size());
    plain.DestroyWindow();
}

TEST_F(CResizableDialogTest, RefusesToShrinkBelowItsInitialSize)
{
    Open();
    SizeWindow(dialog, initialWindow.Width() - 80, initialWindow.Height() - 50);
    EXPECT_EQ(ClientSize(dialog), initialClient.Size());
    SizeWindow(dialog, initialWindow.Width() + 40, initialWindow.Height() - 50);
    EXPECT_EQ(ClientSize(dialog), initialClient.Size() + CSize(40, 0));
    for (int id : {IDOK, IDCANCEL})
        EXPECT_EQ(RectOf(dialog, id), Offset(initial[id], 40, 0)) << id;
}

TEST_F(CResizableDialogTest, DraggingTheGripResizesDownToTheInitialSizeOnly)
{
    Open();
    CWnd* grip = dialog.GetGripWindow();
    CRect gripRect;
    grip->GetClientRect(&gripRect);
    const CPoint inGrip(gripRect.right - 2, gripRect.bottom - 2);

    UiTest::MouseDown(grip, inGrip);
    UiTest::MouseMove(grip, inGrip + CSize(60, 30), Qt::LeftButton);
    UiTest::MouseUp(grip, inGrip + CSize(60, 30));
    UiTest::ProcessEvents();
    EXPECT_EQ(ClientSize(dialog), initialClient.Size() + CSize(60, 30));
    EXPECT_EQ(RectOf(dialog, IDOK), Offset(initial[IDOK], 60, 30));

    grip->GetClientRect(&gripRect);
    UiTest::MouseDown(grip, inGrip);
    UiTest::MouseMove(grip, inGrip - CSize(200, 200), Qt::LeftButton);
    UiTest::MouseUp(grip, inGrip - CSize(200, 200));
    UiTest::ProcessEvents();
    EXPECT_EQ(ClientSize(dialog), initialClient.Size());
}

TEST_F(CResizableDialogTest, GripStaysInTheCornerAndGoesWhenMaximised)
{
    Open();
    CWnd* grip = dialog.GetGripWindow();
    const auto gripCorner = [&]
    {
        CRect r;
        grip->GetWindowRect(&r);
        dialog.ScreenToClient(&r);
        return r.BottomRight();
    };
    EXPECT_TRUE(grip->IsWindowVisible());
    EXPECT_TRUE(grip->IsWindowEnabled());
    EXPECT_EQ(gripCorner(), initialClient.BottomRight());

    SizeWindow(dialog, initialWindow.Width() + 30, initialWindow.Height() + 20);
    EXPECT_EQ(gripCorner(), initialClient.BottomRight() + CSize(30, 20));

    dialog.ShowWindow(SW_SHOWMAXIMIZED);
    UiTest::ProcessEvents();
    EXPECT_FALSE(grip->IsWindowEnabled());
    // Maximised, the controls still follow the window.
    CRect client;
    dialog.GetClientRect(&client);
    EXPECT_EQ(RectOf(dialog, IDCANCEL).BottomRight(),
              initial[IDCANCEL].BottomRight() + (client.Size() - initialClient.Size()));

    dialog.ShowWindow(SW_RESTORE);
    UiTest::ProcessEvents();
    EXPECT_TRUE(grip->IsWindowEnabled());
}

TEST_F(CResizableDialogTest, SizesSentForOtherWindowsDoNotArrange)
{
    Open();
    CWnd* ok = dialog.GetDlgItem(IDOK);
    ok->MoveWindow(5, 5, 40, 20);
    for (UINT type : {SIZE_MAXSHOW, SIZE_MAXHIDE})
    {
        dialog.SendMessage(WM_SIZE, type, 0);
        EXPECT_EQ(RectOf(dialog, IDOK), CRect(5, 5, 45, 25)) << type;
    }
    for (UINT type : {SIZE_RESTORED, SIZE_MINIMIZED, SIZE_MAXIMIZED})
    {
        ok->MoveWindow(5, 5, 40, 20);
        dialog.SendMessage(WM_SIZE, type, 0);
        EXPECT_EQ(RectOf(dialog, IDOK), initial[IDOK]) << type;
    }
}

TEST_F(CResizableDialogTest, ModalDialogIsDrivenAndEndsWithItsCode)
{
    CDemoDialog modal;
    CSize grown;
    ScriptedAnswers::OnDialog(IDD_RESIZABLE_DEMO,
                              [&](CDialog& d)
                              {
                                  const CRect okBefore = RectOf(d, IDOK);
                                  const CSize before = ClientSize(d);
                                  CRect window;
                                  d.GetWindowRect(&window);
                                  SizeWindow(d, window.Width() + 50, window.Height() + 40);
                                  grown = ClientSize(d) - before;
                                  EXPECT_EQ(RectOf(d, IDOK), Offset(okBefore, 50, 40));
                                  return IDOK;
                              });
    EXPECT_EQ(modal.DoModal(), IDOK);
    EXPECT_TRUE(ScriptedAnswers::UnansweredDialogs().empty());
    EXPECT_EQ(grown, CSize(50, 40));
}

TEST_F(CResizableDialogTest, WithoutPlacementMemoryNothingIsWritten)
{
    Open();
    SizeWindow(dialog, initialWindow.Width() + 30, initialWindow.Height() + 20);
    dialog.DestroyWindow();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Profile::FilePath())));
}

TEST_F(CResizableDialogTest, PlacementMemoryRestoresTheLastPlacement)
{
    Open();
    const CSize cancelMargin = initialClient.BottomRight() - initial[IDCANCEL].BottomRight();
    dialog.DestroyWindow();
    for (const BOOL rectOnly : {FALSE, TRUE})
    {
        const char* section = rectOnly ? "DemoRect" : "Demo";
        CRect closedAt;
        {
            CDemoDialog first;
            first.m_placementSection = section;
            first.m_bRectOnly = rectOnly;
            ASSERT_TRUE(first.Create(IDD_RESIZABLE_DEMO));
            first.ShowWindow(SW_SHOW);
            first.SetWindowPos(nullptr, 60, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            CRect window;
            first.GetWindowRect(&window);
            SizeWindow(first, window.Width() + 70, window.Height() + 35);
            first.GetWindowRect(&closedAt);
            first.DestroyWindow();
        }
        const CString saved = Profile::GetString(section, "WindowPlacement", "");
        CString expected;
        expected.Format("%d,%d,%d,%d,1,0", int(closedAt.left), int(closedAt.top), int(closedAt.right),
                        int(closedAt.bottom));
        EXPECT_EQ(saved, expected);

        CDemoDialog second;
        second.m_placementSection = section;
        second.m_bRectOnly = rectOnly;
        ASSERT_TRUE(second.Create(IDD_RESIZABLE_DEMO));
        second.ShowWindow(SW_SHOW);
        UiTest::ProcessEvents();
        CRect window;
        second.GetWindowRect(&window);
        EXPECT_EQ(window, closedAt);
        // The restored size arranged the controls: Cancel keeps its distance from the corner.
        CRect client;
        second.GetClientRect(&client);
        EXPECT_EQ(client.BottomRight() - RectOf(second, IDCANCEL).BottomRight(), cancelMargin);
        second.DestroyWindow();
    }
}
