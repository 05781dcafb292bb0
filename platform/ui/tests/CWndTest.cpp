#include "platform/ui/CCmdUI.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/DroppedFiles.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/KeyMap.h"
#include "platform/ui/WinApi.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <string>
#include <vector>

namespace
{
constexpr UINT IDC_CHILD = 1001;
constexpr UINT ID_COMMAND = 32771;
constexpr UINT kNotifyCode = UINT(-105);

// A window that writes down every message it handles.
class CRecordingWnd : public CWnd
{
public:
    std::vector<std::string> log;
    LRESULT notifyReply = 0;
    BOOL enableCommand = TRUE;

    static UINT s_registered;

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT, UINT)
    {
        log.push_back("keydown " + std::to_string(nChar) + (GetKeyState(VK_SHIFT) < 0 ? " shift" : ""));
    }
    afx_msg void OnChar(UINT nChar, UINT, UINT) { log.push_back("char " + std::to_string(nChar)); }
    afx_msg void OnTimer(UINT_PTR id)
    {
        log.push_back("timer " + std::to_string(id));
        KillTimer(id);
    }
    afx_msg void OnLButtonDown(UINT flags, CPoint p)
    {
        log.push_back("down " + std::to_string(p.x) + "," + std::to_string(p.y) +
                      ((flags & MK_LBUTTON) ? " L" : ""));
        SetCapture();
    }
    afx_msg void OnLButtonUp(UINT, CPoint p)
    {
        log.push_back("up " + std::to_string(p.x) + "," + std::to_string(p.y));
    }
    afx_msg void OnCaptureChanged(CWnd* pWnd)
    {
        log.push_back(pWnd ? "capture lost to window" : "capture released");
    }
    afx_msg void OnSize(UINT, int cx, int cy)
    {
        log.push_back("size " + std::to_string(cx) + "x" + std::to_string(cy));
    }
    afx_msg void OnChildNotify(NMHDR* hdr, LRESULT* result)
    {
        log.push_back("notify " + std::to_string(hdr->idFrom));
        *result = notifyReply;
    }
    afx_msg void OnCommandX() { log.push_back("command"); }
    afx_msg void OnUpdateCommandX(CCmdUI* ui) { ui->Enable(enableCommand); }
    afx_msg void OnChildClicked() { log.push_back("clicked"); }
    afx_msg LRESULT OnRegistered(WPARAM w, LPARAM)
    {
        log.push_back("registered " + std::to_string(w));
        return 7;
    }
    afx_msg LRESULT OnPosted(WPARAM w, LPARAM)
    {
        log.push_back("posted " + std::to_string(w));
        return 0;
    }

    DECLARE_MESSAGE_MAP()
};

UINT CRecordingWnd::s_registered = RegisterWindowMessage("KalvenrodTestMessage");

BEGIN_MESSAGE_MAP(CRecordingWnd, CWnd)
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_TIMER()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_CAPTURECHANGED()
ON_WM_SIZE()
ON_NOTIFY(kNotifyCode, IDC_CHILD, OnChildNotify)
ON_COMMAND(ID_COMMAND, OnCommandX)
ON_UPDATE_COMMAND_UI(ID_COMMAND, OnUpdateCommandX)
ON_BN_CLICKED(IDC_CHILD, OnChildClicked)
ON_REGISTERED_MESSAGE(CRecordingWnd::s_registered, OnRegistered)
ON_MESSAGE(WM_APP + 1, OnPosted)
END_MESSAGE_MAP()

class CSelfDeletingWnd : public CWnd
{
public:
    explicit CSelfDeletingWnd(bool* deleted) : m_deleted(deleted) {}
    ~CSelfDeletingWnd() override { *m_deleted = true; }

protected:
    void PostNcDestroy() override { delete this; }

private:
    bool* m_deleted;
};

class CWndTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }

    void SetUp() override
    {
        ASSERT_TRUE(
            top.CreateEx(0, "KalvenrodTest", "Okno", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300), nullptr, 0));
        ASSERT_TRUE(child.Create("KalvenrodTest", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                 CRect(10, 20, 110, 70), &top, IDC_CHILD));
        top.ShowWindow(SW_SHOW);
        child.log.clear();
        top.log.clear();
    }

    CRecordingWnd top;
    CRecordingWnd child;
};
} // namespace

TEST_F(CWndTest, ChildHasIdRectangleAndParent)
{
    EXPECT_EQ(child.GetDlgCtrlID(), int(IDC_CHILD));
    EXPECT_EQ(top.GetDlgItem(IDC_CHILD), &child);
    EXPECT_EQ(top.GetDlgItem(999), nullptr);
    EXPECT_EQ(child.GetParent(), &top);
    EXPECT_EQ(child.GetOwner(), &top);
    CRect client;
    child.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 100, 50));
    CRect window;
    child.GetWindowRect(&window);
    top.ScreenToClient(&window);
    EXPECT_EQ(window, CRect(10, 20, 110, 70));
    EXPECT_EQ(CWnd::FromHandle(child.m_hWnd), &child);
}

TEST_F(CWndTest, MoveWindowSendsSizeAndMapsPoints)
{
    child.MoveWindow(5, 6, 50, 40);
    ASSERT_FALSE(child.log.empty());
    EXPECT_EQ(child.log.back(), "size 50x40");
    CPoint p(1, 2);
    child.MapWindowPoints(&top, &p, 1);
    EXPECT_EQ(p, CPoint(6, 8));
}

TEST_F(CWndTest, TextsAndStyles)
{
    child.SetWindowText("Příliš žluťoučký kůň");
    CString text;
    child.GetWindowText(text);
    EXPECT_EQ(text, "Příliš žluťoučký kůň");
    char shortBuffer[4];
    EXPECT_EQ(child.GetWindowText(shortBuffer, 4), 3); // "Př" is three bytes, "ř" is not split
    EXPECT_STREQ(shortBuffer, "Př");

    EXPECT_TRUE(child.IsWindowEnabled());
    child.EnableWindow(FALSE);
    EXPECT_FALSE(child.IsWindowEnabled());
    EXPECT_TRUE(child.GetStyle() & WS_DISABLED);
    child.ModifyStyle(WS_DISABLED, 0);
    EXPECT_TRUE(child.IsWindowEnabled());
    child.ShowWindow(SW_HIDE);
    EXPECT_FALSE(child.IsWindowVisible());
    child.ShowWindow(SW_SHOW);
    EXPECT_TRUE(child.IsWindowVisible());

    EXPECT_TRUE(child.SetProp("ResizableGrip", reinterpret_cast<HANDLE>(42)));
    EXPECT_EQ(child.GetProp("ResizableGrip"), reinterpret_cast<HANDLE>(42));
    EXPECT_EQ(child.RemoveProp("ResizableGrip"), reinterpret_cast<HANDLE>(42));
    EXPECT_EQ(child.GetProp("ResizableGrip"), nullptr);
}

TEST_F(CWndTest, KeysArriveAsKeyDownAndCharWithShiftState)
{
    child.SetFocus();
    EXPECT_EQ(CWnd::GetFocus(), &child);
    UiTest::PressKey('A', Qt::ShiftModifier);
    UiTest::PressKey(VK_DOWN);
    const std::vector<std::string> expected = {"keydown 65 shift", "char 65", "keydown 40"};
    EXPECT_EQ(child.log, expected);
}

TEST_F(CWndTest, SentKeyMessagesReachTheHandlers)
{
    child.SendMessage(WM_KEYDOWN, VK_UP);
    child.SendMessage(WM_CHAR, 'x');
    const std::vector<std::string> expected = {"keydown 38", "char 120"};
    EXPECT_EQ(child.log, expected);
}

TEST_F(CWndTest, MouseCaptureKeepsTheMouseAndReportsItsLoss)
{
    UiTest::MouseDown(&child, CPoint(5, 6));
    EXPECT_EQ(CWnd::GetCapture(), &child);
    // Captured: a release over the parent still goes to the child, in its coordinates.
    UiTest::MouseUp(&top, CPoint(300, 200));
    ReleaseCapture();
    ASSERT_EQ(child.log.size(), 3u);
    EXPECT_EQ(child.log[0], "down 5,6 L");
    EXPECT_EQ(child.log[1], "up 290,180");
    EXPECT_EQ(child.log[2], "capture released");
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    child.SetCapture();
    top.SetCapture();
    EXPECT_EQ(child.log.back(), "capture lost to window");
    ReleaseCapture();
}

TEST_F(CWndTest, NotifyReplyGoesBackToTheSender)
{
    NMHDR hdr;
    hdr.hwndFrom = child.m_hWnd;
    hdr.idFrom = IDC_CHILD;
    hdr.code = kNotifyCode;
    top.notifyReply = -1;
    EXPECT_EQ(top.SendMessage(WM_NOTIFY, IDC_CHILD, reinterpret_cast<LPARAM>(&hdr)), -1);
    hdr.idFrom = 77; // no handler for this control
    EXPECT_EQ(top.SendMessage(WM_NOTIFY, 77, reinterpret_cast<LPARAM>(&hdr)), 0);
    EXPECT_EQ(top.log, std::vector<std::string>{"notify 1001"});
}

TEST_F(CWndTest, CommandsNotificationsAndUpdateHandlers)
{
    top.SendMessage(WM_COMMAND, ID_COMMAND, 0);
    child.NotifyParent(BN_CLICKED);
    const std::vector<std::string> expected = {"command", "clicked"};
    EXPECT_EQ(top.log, expected);

    CCmdUI ui;
    ui.m_nID = ID_COMMAND;
    top.enableCommand = FALSE;
    EXPECT_TRUE(ui.DoUpdate(&top, TRUE));
    EXPECT_FALSE(ui.m_bEnabled);
    CCmdUI orphan;
    orphan.m_nID = 40000;
    EXPECT_FALSE(orphan.DoUpdate(&top, TRUE));
    EXPECT_FALSE(orphan.m_bEnabled); // no handler at all: disabled
}

namespace
{
// A control that takes its own selection notifications back and leaves the others to its parent.
class CReflectingWnd : public CWnd
{
public:
    std::vector<UINT> taken;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT*) override
    {
        if (message != WM_COMMAND || HIWORD(wParam) != CBN_SELENDOK)
            return FALSE;
        taken.push_back(HIWORD(wParam));
        return TRUE;
    }
};
} // namespace

TEST_F(CWndTest, ControlNotificationIsOfferedToTheControlFirst)
{
    CReflectingWnd control;
    ASSERT_TRUE(
        control.Create("KalvenrodTest", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &top, IDC_CHILD));
    control.NotifyParent(CBN_SELENDOK);
    control.NotifyParent(BN_CLICKED);
    EXPECT_EQ(control.taken, std::vector<UINT>{CBN_SELENDOK});
    EXPECT_EQ(top.log, std::vector<std::string>{"clicked"});
}

TEST_F(CWndTest, PostedMessagesRunAfterWhatIsSentAndInOrder)
{
    top.PostMessage(WM_APP + 1, 1);
    top.PostMessage(WM_APP + 1, 2);
    top.SendMessage(WM_COMMAND, ID_COMMAND, 0);
    EXPECT_EQ(top.log, std::vector<std::string>{"command"});
    UiTest::ProcessEvents();
    const std::vector<std::string> expected = {"command", "posted 1", "posted 2"};
    EXPECT_EQ(top.log, expected);
}

TEST_F(CWndTest, RegisteredMessagesDispatch)
{
    EXPECT_EQ(RegisterWindowMessage("KalvenrodTestMessage"), CRecordingWnd::s_registered);
    EXPECT_GE(CRecordingWnd::s_registered, 0xC000u);
    EXPECT_EQ(top.SendMessage(CRecordingWnd::s_registered, 3), 7);
    EXPECT_EQ(top.log, std::vector<std::string>{"registered 3"});
}

TEST_F(CWndTest, TimersFireUntilKilled)
{
    EXPECT_EQ(child.SetTimer(513, 1, nullptr), 513u);
    // A busy machine may fire the timer late; once fired, it must not fire again.
    for (int wait = 0; wait < 200 && child.log.empty(); ++wait)
        UiTest::ProcessEvents(10);
    UiTest::ProcessEvents(30);
    EXPECT_EQ(child.log, std::vector<std::string>{"timer 513"});
    EXPECT_FALSE(child.KillTimer(513));
}

TEST_F(CWndTest, SelfDeletingWindowDeletesItselfOnDestroy)
{
    bool deleted = false;
    auto* wnd = new CSelfDeletingWnd(&deleted);
    ASSERT_TRUE(wnd->Create("KalvenrodTest", "", WS_CHILD, CRect(0, 0, 10, 10), &top, 5));
    const HWND h = wnd->m_hWnd;
    wnd->SendMessage(WM_CLOSE);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(CWnd::FromHandle(h), nullptr);
    EXPECT_EQ(top.GetDlgItem(5), nullptr);
}

TEST_F(CWndTest, DestroyingTheParentDestroysTheChildren)
{
    top.DestroyWindow();
    EXPECT_EQ(child.m_hWnd, nullptr);
    EXPECT_EQ(top.m_hWnd, nullptr);
}

namespace
{
class CDropTarget : public CWnd
{
public:
    std::vector<std::string> files;

protected:
    afx_msg void OnDropFiles(HDROP drop)
    {
        const UINT count = DragQueryFile(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i)
        {
            char path[260];
            DragQueryFile(drop, i, path, sizeof path);
            files.push_back(path);
        }
        DragFinish(drop);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDropTarget, CWnd)
ON_WM_DROPFILES()
END_MESSAGE_MAP()
} // namespace

TEST_F(CWndTest, DroppedFilesArriveAsWmDropFiles)
{
    CDropTarget target;
    ASSERT_TRUE(target.Create("KalvenrodTest", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &top, 7));
    target.DragAcceptFiles(TRUE);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/data/Nový projekt.kzn"), QUrl::fromLocalFile("/data/dům.kzn")});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target.GetClientWidget(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target.GetClientWidget(), &drop);
    const std::vector<std::string> expected = {"/data/Nový projekt.kzn", "/data/dům.kzn"};
    EXPECT_EQ(target.files, expected);
}
