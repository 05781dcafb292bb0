#include "platform/ui/WinApi.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/InputRouter.h"

#include <QApplication>
#include <QCursor>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <cstring>
#include <map>
#include <string>
#include <vector>

UINT RegisterWindowMessage(LPCTSTR lpString)
{
    static std::map<std::string, UINT> registered;
    if (!lpString || !*lpString)
        return 0;
    const auto [it, added] = registered.emplace(lpString, UINT(0xC000 + registered.size()));
    return it->second;
}

namespace
{
CWnd* W(HWND h)
{
    return CWnd::FromHandle(h);
}
HWND H(const CWnd* w)
{
    return w ? w->m_hWnd : nullptr;
}
} // namespace

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* w = W(hWnd);
    return w ? w->SendMessage(message, wParam, lParam) : 0;
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* w = W(hWnd);
    return w ? w->PostMessage(message, wParam, lParam) : FALSE;
}

BOOL IsWindow(HWND hWnd)
{
    return W(hWnd) != nullptr;
}
BOOL IsWindowVisible(HWND hWnd)
{
    return W(hWnd) && W(hWnd)->IsWindowVisible();
}
BOOL IsWindowEnabled(HWND hWnd)
{
    return W(hWnd) && W(hWnd)->IsWindowEnabled();
}
BOOL EnableWindow(HWND hWnd, BOOL bEnable)
{
    return W(hWnd) ? W(hWnd)->EnableWindow(bEnable) : FALSE;
}
BOOL ShowWindow(HWND hWnd, int nCmdShow)
{
    return W(hWnd) ? W(hWnd)->ShowWindow(nCmdShow) : FALSE;
}
HWND GetParent(HWND hWnd)
{
    return W(hWnd) ? H(W(hWnd)->GetParent()) : nullptr;
}
HWND GetDlgItem(HWND hDlg, int nID)
{
    return W(hDlg) ? H(W(hDlg)->GetDlgItem(nID)) : nullptr;
}
int GetDlgCtrlID(HWND hWnd)
{
    return W(hWnd) ? W(hWnd)->GetDlgCtrlID() : 0;
}
HWND GetFocus()
{
    return H(CWnd::GetFocus());
}
HWND SetFocus(HWND hWnd)
{
    return W(hWnd) ? H(W(hWnd)->SetFocus()) : nullptr;
}

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect)
{
    if (!W(hWnd) || !lpRect)
        return FALSE;
    W(hWnd)->GetWindowRect(lpRect);
    return TRUE;
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect)
{
    if (!W(hWnd) || !lpRect)
        return FALSE;
    W(hWnd)->GetClientRect(lpRect);
    return TRUE;
}

BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint)
{
    if (!W(hWnd) || !lpPoint)
        return FALSE;
    W(hWnd)->ScreenToClient(lpPoint);
    return TRUE;
}

BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint)
{
    if (!W(hWnd) || !lpPoint)
        return FALSE;
    W(hWnd)->ClientToScreen(lpPoint);
    return TRUE;
}

int MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints)
{
    for (UINT i = 0; i < cPoints; ++i)
    {
        if (W(hWndFrom))
            W(hWndFrom)->ClientToScreen(&lpPoints[i]);
        if (W(hWndTo))
            W(hWndTo)->ScreenToClient(&lpPoints[i]);
    }
    return 0;
}

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT uFlags)
{
    return W(hWnd) ? W(hWnd)->SetWindowPos(W(hWndInsertAfter), x, y, cx, cy, uFlags) : FALSE;
}

BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase)
{
    if (!W(hWnd))
        return FALSE;
    W(hWnd)->InvalidateRect(lpRect, bErase);
    return TRUE;
}

BOOL UpdateWindow(HWND hWnd)
{
    if (!W(hWnd))
        return FALSE;
    W(hWnd)->UpdateWindow();
    return TRUE;
}

LONG GetWindowLong(HWND hWnd, int nIndex)
{
    CWnd* w = W(hWnd);
    if (!w)
        return 0;
    switch (nIndex)
    {
    case GWL_STYLE:
        return LONG(w->GetStyle());
    case GWL_EXSTYLE:
        return LONG(w->GetExStyle());
    case GWL_ID:
        return w->GetDlgCtrlID();
    default:
        return 0;
    }
}

LONG SetWindowLong(HWND hWnd, int nIndex, LONG dwNewLong)
{
    CWnd* w = W(hWnd);
    if (!w)
        return 0;
    const LONG old = GetWindowLong(hWnd, nIndex);
    switch (nIndex)
    {
    case GWL_STYLE:
        w->ModifyStyle(DWORD(old) & ~DWORD(dwNewLong), DWORD(dwNewLong) & ~DWORD(old));
        break;
    case GWL_EXSTYLE:
        w->ModifyStyleEx(DWORD(old) & ~DWORD(dwNewLong), DWORD(dwNewLong) & ~DWORD(old));
        break;
    case GWL_ID:
        w->SetDlgCtrlID(dwNewLong);
        break;
    default:
        break;
    }
    return old;
}

int GetClassName(HWND hWnd, LPTSTR lpClassName, int nMaxCount)
{
    CWnd* w = W(hWnd);
    if (!w || !lpClassName || nMaxCount <= 0)
        return 0;
    const std::string name = w->GetClassName();
    const std::size_t n = std::min<std::size_t>(name.size(), std::size_t(nMaxCount - 1));
    std::memcpy(lpClassName, name.data(), n);
    lpClassName[n] = 0;
    return int(n);
}

BOOL SetProp(HWND hWnd, LPCTSTR lpString, HANDLE hData)
{
    return W(hWnd) ? W(hWnd)->SetProp(lpString, hData) : FALSE;
}
HANDLE GetProp(HWND hWnd, LPCTSTR lpString)
{
    return W(hWnd) ? W(hWnd)->GetProp(lpString) : nullptr;
}
HANDLE RemoveProp(HWND hWnd, LPCTSTR lpString)
{
    return W(hWnd) ? W(hWnd)->RemoveProp(lpString) : nullptr;
}
HWND WindowFromPoint(POINT point)
{
    return H(CWnd::WindowFromPoint(point));
}
HWND GetDesktopWindow()
{
    return nullptr;
}

// ---- deferred positioning --------------------------------------------------------------------

namespace
{
struct DeferredMove
{
    HWND hWnd;
    HWND after;
    int x, y, cx, cy;
    UINT flags;
};
struct DeferBatch
{
    std::vector<DeferredMove> moves;
};
} // namespace

HDWP BeginDeferWindowPos(int nNumWindows)
{
    auto* batch = new DeferBatch;
    batch->moves.reserve(std::size_t(std::max(0, nNumWindows)));
    return reinterpret_cast<HDWP>(batch);
}

HDWP DeferWindowPos(HDWP hWinPosInfo, HWND hWnd, HWND hWndInsertAfter, int x, int y, int cx, int cy,
                    UINT uFlags)
{
    if (!hWinPosInfo)
        return nullptr;
    if (!W(hWnd))
    {
        delete reinterpret_cast<DeferBatch*>(hWinPosInfo);
        return nullptr;
    }
    reinterpret_cast<DeferBatch*>(hWinPosInfo)
        ->moves.push_back({hWnd, hWndInsertAfter, x, y, cx, cy, uFlags});
    return hWinPosInfo;
}

BOOL EndDeferWindowPos(HDWP hWinPosInfo)
{
    if (!hWinPosInfo)
        return FALSE;
    auto* batch = reinterpret_cast<DeferBatch*>(hWinPosInfo);
    for (const DeferredMove& m : batch->moves)
        if (CWnd* w = W(m.hWnd))
            w->SetWindowPos(W(m.after), m.x, m.y, m.cx, m.cy, m.flags);
    delete batch;
    return TRUE;
}

// ---- cursors ---------------------------------------------------------------------------------

namespace
{
HCURSOR g_cursor = nullptr;

Qt::CursorShape ShapeOf(HCURSOR h)
{
    switch (reinterpret_cast<UINT_PTR>(h))
    {
    case 32513:
        return Qt::IBeamCursor;
    case 32514:
        return Qt::WaitCursor;
    case 32515:
        return Qt::CrossCursor;
    case 32642:
        return Qt::SizeFDiagCursor;
    case 32643:
        return Qt::SizeBDiagCursor;
    case 32644:
        return Qt::SizeHorCursor;
    case 32645:
        return Qt::SizeVerCursor;
    case 32646:
        return Qt::SizeAllCursor;
    case 32648:
        return Qt::ForbiddenCursor;
    case 32649:
        return Qt::PointingHandCursor;
    default:
        return Qt::ArrowCursor;
    }
}
} // namespace

HCURSOR LoadCursor(HINSTANCE, LPCTSTR lpCursorName)
{
    return reinterpret_cast<HCURSOR>(const_cast<char*>(lpCursorName));
}

HCURSOR SetCursor(HCURSOR hCursor)
{
    HCURSOR old = g_cursor;
    g_cursor = hCursor;
    QWidget* target = InputRouter::CursorWidget();
    if (CWnd* capture = CWnd::GetCapture())
        target = capture->GetClientWidget();
    if (target)
    {
        if (hCursor)
            target->setCursor(QCursor(ShapeOf(hCursor)));
        else
            target->setCursor(Qt::BlankCursor);
    }
    return old;
}

HCURSOR GetCursor()
{
    return g_cursor;
}

// ---- system settings -------------------------------------------------------------------------

DWORD GetMessagePos()
{
    const POINT p = InputRouter::CursorPos();
    return MAKELONG(WORD(p.x), WORD(p.y));
}

UINT GetDoubleClickTime()
{
    return qApp ? UINT(QApplication::doubleClickInterval()) : 500;
}

BOOL MessageBeep(UINT)
{
    QApplication::beep();
    return TRUE;
}
