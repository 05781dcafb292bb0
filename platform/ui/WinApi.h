#pragma once
// The window functions the system calls on window handles, cursors and system settings.

#include "platform/gdi/SystemMetrics.h"
#include "platform/ui/WinUser.h"

class CWnd;

UINT RegisterWindowMessage(LPCTSTR lpString);

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
BOOL IsWindow(HWND hWnd);
BOOL IsWindowVisible(HWND hWnd);
BOOL IsWindowEnabled(HWND hWnd);
BOOL EnableWindow(HWND hWnd, BOOL bEnable);
BOOL ShowWindow(HWND hWnd, int nCmdShow);
HWND GetParent(HWND hWnd);
HWND GetDlgItem(HWND hDlg, int nID);
int GetDlgCtrlID(HWND hWnd);
HWND GetFocus();
HWND SetFocus(HWND hWnd);
BOOL GetWindowRect(HWND hWnd, LPRECT lpRect);
BOOL GetClientRect(HWND hWnd, LPRECT lpRect);
BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint);
BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint);
int MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints);
BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT uFlags);
BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase);
BOOL UpdateWindow(HWND hWnd);
LONG GetWindowLong(HWND hWnd, int nIndex);
LONG SetWindowLong(HWND hWnd, int nIndex, LONG dwNewLong);
int GetClassName(HWND hWnd, LPTSTR lpClassName, int nMaxCount);
BOOL SetProp(HWND hWnd, LPCTSTR lpString, HANDLE hData);
HANDLE GetProp(HWND hWnd, LPCTSTR lpString);
HANDLE RemoveProp(HWND hWnd, LPCTSTR lpString);
HWND WindowFromPoint(POINT point);
HWND GetDesktopWindow();

// Deferred positioning: the moves of one batch are applied together at the end.
HDWP BeginDeferWindowPos(int nNumWindows);
HDWP DeferWindowPos(HDWP hWinPosInfo, HWND hWnd, HWND hWndInsertAfter, int x, int y, int cx, int cy,
                    UINT uFlags);
BOOL EndDeferWindowPos(HDWP hWinPosInfo);

// Cursors: the standard ones by their IDC_ ids.
HCURSOR LoadCursor(HINSTANCE hInstance, LPCTSTR lpCursorName);
HCURSOR SetCursor(HCURSOR hCursor);
HCURSOR GetCursor();

// The screen position of the cursor when the message being handled was sent.
DWORD GetMessagePos();

// System settings (colours and sizes are the drawing layer's: platform/gdi/SystemMetrics.h).
UINT GetDoubleClickTime();
BOOL MessageBeep(UINT uType);

// Images of the resources (BITMAP and ICON): kept for the life of the process, like the
// system's shared images. An HICON is a bitmap handle of the drawing layer here.
HBITMAP LoadBitmap(HINSTANCE hInstance, LPCTSTR lpBitmapName);
HICON LoadIcon(HINSTANCE hInstance, LPCTSTR lpIconName);
// An image of the resources at a size (0 keeps the image's own), scaled once and kept like the
// others; null when no image has the id.
constexpr UINT IMAGE_BITMAP = 0;
constexpr UINT IMAGE_ICON = 1;
constexpr UINT LR_DEFAULTCOLOR = 0x0000;
constexpr UINT LR_SHARED = 0x8000;
HANDLE LoadImage(HINSTANCE hInst, LPCTSTR name, UINT type, int cx, int cy, UINT fuLoad);
// The resource id of a name "#123" or of an integer resource; 0 for other names.
UINT ResourceIdOf(LPCTSTR name);
