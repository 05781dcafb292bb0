#pragma once
// The window classes of the standard and common controls, by the names that dialog templates and
// Create calls use ("BUTTON", "Edit", "SysListView32" ...; case does not matter), and the classes
// registered by the program (AfxRegisterClass).

#include "platform/ui/WinUser.h"

class CWnd;

struct WNDCLASS
{
    UINT style = 0;
    void* lpfnWndProc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HINSTANCE hInstance = nullptr;
    HICON hIcon = nullptr;
    HCURSOR hCursor = nullptr;
    HBRUSH hbrBackground = nullptr;
    LPCTSTR lpszMenuName = nullptr;
    LPCTSTR lpszClassName = nullptr;
};
using LPWNDCLASS = WNDCLASS*;

constexpr UINT CS_VREDRAW = 0x0001;
constexpr UINT CS_HREDRAW = 0x0002;
constexpr UINT CS_DBLCLKS = 0x0008;
constexpr UINT CS_SAVEBITS = 0x0800;

class ControlClasses
{
public:
    // A new object of the control class of that name; null for other names.
    static CWnd* Create(const char* className);
    static bool IsControlClass(const char* className);
};

BOOL AfxRegisterClass(WNDCLASS* lpWndClass);
BOOL RegisterClass(const WNDCLASS* lpWndClass);
BOOL GetClassInfo(HINSTANCE hInstance, LPCTSTR lpClassName, LPWNDCLASS lpWndClass);
BOOL UnregisterClass(LPCTSTR lpClassName, HINSTANCE hInstance);
