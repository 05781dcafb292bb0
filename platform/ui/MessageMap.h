#pragma once
// Message maps: each window class lists the messages, commands and notifications it handles in a
// static table, built with the ON_... macros between BEGIN_MESSAGE_MAP and END_MESSAGE_MAP. A table
// names its base class's table; lookup walks from the most derived table to the base.
//
// Every entry carries a small function (a captureless lambda) that unpacks the message parameters
// and calls the member handler, so a handler may have any signature its parameters convert to.

#include "platform/ui/WinUser.h"

class CCmdTarget;
class CCmdUI;
class CWnd;
class CDC;
class CScrollBar;

// Command codes of OnCmdMsg besides the control notification codes.
constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;

// Registered window messages live in this range; entries for them read the number at run time.
constexpr UINT kRegisteredMessageMarker = 0xC000;

using MessageThunk = void (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam, LRESULT& result);

struct MessageMapEntry
{
    UINT message = 0; // window message; WM_COMMAND for commands and update handlers, WM_NOTIFY
    UINT code = 0;    // control notification code, CN_UPDATE_COMMAND_UI, or NMHDR code
    UINT firstId = 0; // command or control id range
    UINT lastId = 0;
    const UINT* registered = nullptr; // the variable holding a registered message's number
    MessageThunk thunk = nullptr;
    // A command handler that answers whether it handled the command (ON_COMMAND_EX); when it
    // did not, routing goes on to the next target.
    bool answers = false;
};

struct MessageMap
{
    const MessageMap* (*base)() = nullptr;
    const MessageMapEntry* entries = nullptr;
};

const MessageMapEntry* FindMessageEntry(const MessageMap* map, UINT message, UINT code, UINT id);

#define afx_msg

#define DECLARE_MESSAGE_MAP()                                                                                \
protected:                                                                                                   \
    static const MessageMap* GetThisMessageMap();                                                            \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const MessageMap* theClass::GetMessageMap() const                                                        \
    {                                                                                                        \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const MessageMap* theClass::GetThisMessageMap()                                                          \
    {                                                                                                        \
        using ThisClass [[maybe_unused]] = theClass;                                                         \
        using TheBaseClass = baseClass;                                                                      \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                                                    \
    MessageMapEntry {}                                                                                       \
    }                                                                                                        \
    ;                                                                                                        \
    static const MessageMap map{&TheBaseClass::GetThisMessageMap, entries};                                  \
    return &map;                                                                                             \
    }

#define KALVENROD_THUNK(body)                                                                                \
    [](CCmdTarget* target_, [[maybe_unused]] WPARAM wParam, [[maybe_unused]] LPARAM lParam,                  \
       [[maybe_unused]] LRESULT& result)                                                                     \
    {                                                                                                        \
        [[maybe_unused]] ThisClass* self = static_cast<ThisClass*>(target_);                                 \
        body;                                                                                                \
    }

#define KALVENROD_ENTRY(msg, code, first, last, body)                                                        \
    MessageMapEntry{UINT(msg), UINT(code), UINT(first), UINT(last), nullptr, KALVENROD_THUNK(body)},

// Commands, update handlers and control notifications (WM_COMMAND: id in wParam).
#define ON_COMMAND(id, fn) KALVENROD_ENTRY(WM_COMMAND, CN_COMMAND, id, id, self->fn())
#define ON_COMMAND_RANGE(first, last, fn)                                                                    \
    KALVENROD_ENTRY(WM_COMMAND, CN_COMMAND, first, last, self->fn(UINT(wParam)))
#define ON_COMMAND_EX(id, fn)                                                                                \
    MessageMapEntry{UINT(WM_COMMAND), UINT(CN_COMMAND), UINT(id), UINT(id), nullptr,                         \
                    KALVENROD_THUNK(result = self->fn(UINT(wParam)) ? 1 : 0), true},
#define ON_COMMAND_EX_RANGE(first, last, fn)                                                                 \
    MessageMapEntry{UINT(WM_COMMAND), UINT(CN_COMMAND), UINT(first), UINT(last), nullptr,                    \
                    KALVENROD_THUNK(result = self->fn(UINT(wParam)) ? 1 : 0), true},
#define ON_UPDATE_COMMAND_UI(id, fn)                                                                         \
    KALVENROD_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, self->fn(reinterpret_cast<CCmdUI*>(lParam)))
#define ON_UPDATE_COMMAND_UI_RANGE(first, last, fn)                                                          \
    KALVENROD_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, first, last,                                           \
                    self->fn(reinterpret_cast<CCmdUI*>(lParam)))
#define ON_CONTROL(code, id, fn) KALVENROD_ENTRY(WM_COMMAND, code, id, id, self->fn())
#define ON_CONTROL_RANGE(code, first, last, fn)                                                              \
    KALVENROD_ENTRY(WM_COMMAND, code, first, last, self->fn(UINT(wParam)))

#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_BN_SETFOCUS(id, fn) ON_CONTROL(BN_SETFOCUS, id, fn)
#define ON_BN_KILLFOCUS(id, fn) ON_CONTROL(BN_KILLFOCUS, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_MAXTEXT(id, fn) ON_CONTROL(EN_MAXTEXT, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_DBLCLK(id, fn) ON_CONTROL(CBN_DBLCLK, id, fn)
#define ON_CBN_SETFOCUS(id, fn) ON_CONTROL(CBN_SETFOCUS, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_EDITUPDATE(id, fn) ON_CONTROL(CBN_EDITUPDATE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_SELENDOK(id, fn) ON_CONTROL(CBN_SELENDOK, id, fn)
#define ON_CBN_SELENDCANCEL(id, fn) ON_CONTROL(CBN_SELENDCANCEL, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_LBN_SETFOCUS(id, fn) ON_CONTROL(LBN_SETFOCUS, id, fn)
#define ON_LBN_KILLFOCUS(id, fn) ON_CONTROL(LBN_KILLFOCUS, id, fn)
#define ON_STN_CLICKED(id, fn) ON_CONTROL(STN_CLICKED, id, fn)
#define ON_STN_DBLCLK(id, fn) ON_CONTROL(STN_DBLCLK, id, fn)

// WM_NOTIFY: the handler gets the NMHDR and a result pointer whose value goes back to the sender.
#define ON_NOTIFY(code, id, fn)                                                                              \
    KALVENROD_ENTRY(WM_NOTIFY, code, id, id, self->fn(reinterpret_cast<NMHDR*>(lParam), &result))
#define ON_NOTIFY_RANGE(code, first, last, fn)                                                               \
    KALVENROD_ENTRY(WM_NOTIFY, code, first, last,                                                            \
                    self->fn(UINT(wParam), reinterpret_cast<NMHDR*>(lParam), &result))

// Any message, and registered messages (the number is read when the message arrives).
#define ON_MESSAGE(msg, fn) KALVENROD_ENTRY(msg, 0, 0, 0, result = self->fn(wParam, lParam))
#define ON_REGISTERED_MESSAGE(var, fn)                                                                       \
    MessageMapEntry{                                                                                         \
        kRegisteredMessageMarker, 0, 0, 0, &var, KALVENROD_THUNK(result = self->fn(wParam, lParam))},

// Window messages.
#define ON_WM_CREATE()                                                                                       \
    KALVENROD_ENTRY(WM_CREATE, 0, 0, 0, result = self->OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam)))
#define ON_WM_DESTROY() KALVENROD_ENTRY(WM_DESTROY, 0, 0, 0, self->OnDestroy())
#define ON_WM_NCDESTROY() KALVENROD_ENTRY(WM_NCDESTROY, 0, 0, 0, self->OnNcDestroy())
#define ON_WM_CLOSE() KALVENROD_ENTRY(WM_CLOSE, 0, 0, 0, self->OnClose())
#define ON_WM_PAINT() KALVENROD_ENTRY(WM_PAINT, 0, 0, 0, self->OnPaint())
#define ON_WM_ERASEBKGND()                                                                                   \
    KALVENROD_ENTRY(WM_ERASEBKGND, 0, 0, 0, result = self->OnEraseBkgnd(reinterpret_cast<CDC*>(wParam)))
#define ON_WM_SIZE()                                                                                         \
    KALVENROD_ENTRY(WM_SIZE, 0, 0, 0,                                                                        \
                    self->OnSize(UINT(wParam), short(LOWORD(lParam)), short(HIWORD(lParam))))
#define ON_WM_MOVE()                                                                                         \
    KALVENROD_ENTRY(WM_MOVE, 0, 0, 0, self->OnMove(short(LOWORD(lParam)), short(HIWORD(lParam))))
#define ON_WM_GETMINMAXINFO()                                                                                \
    KALVENROD_ENTRY(WM_GETMINMAXINFO, 0, 0, 0, self->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam)))
#define ON_WM_SHOWWINDOW()                                                                                   \
    KALVENROD_ENTRY(WM_SHOWWINDOW, 0, 0, 0, self->OnShowWindow(BOOL(wParam), UINT(lParam)))
#define ON_WM_SETFOCUS()                                                                                     \
    KALVENROD_ENTRY(WM_SETFOCUS, 0, 0, 0, self->OnSetFocus(CWnd::FromHandle(HWND(wParam))))
#define ON_WM_KILLFOCUS()                                                                                    \
    KALVENROD_ENTRY(WM_KILLFOCUS, 0, 0, 0, self->OnKillFocus(CWnd::FromHandle(HWND(wParam))))
#define ON_WM_ACTIVATEAPP()                                                                                  \
    KALVENROD_ENTRY(WM_ACTIVATEAPP, 0, 0, 0, self->OnActivateApp(BOOL(wParam), DWORD(lParam)))
#define ON_WM_MOUSELEAVE() KALVENROD_ENTRY(WM_MOUSELEAVE, 0, 0, 0, self->OnMouseLeave())
#define ON_WM_ENABLE() KALVENROD_ENTRY(WM_ENABLE, 0, 0, 0, self->OnEnable(BOOL(wParam)))
#define ON_WM_KEYDOWN()                                                                                      \
    KALVENROD_ENTRY(WM_KEYDOWN, 0, 0, 0,                                                                     \
                    self->OnKeyDown(UINT(wParam), UINT(LOWORD(lParam)), UINT(HIWORD(lParam))))
#define ON_WM_KEYUP()                                                                                        \
    KALVENROD_ENTRY(WM_KEYUP, 0, 0, 0,                                                                       \
                    self->OnKeyUp(UINT(wParam), UINT(LOWORD(lParam)), UINT(HIWORD(lParam))))
#define ON_WM_CHAR()                                                                                         \
    KALVENROD_ENTRY(WM_CHAR, 0, 0, 0, self->OnChar(UINT(wParam), UINT(LOWORD(lParam)), UINT(HIWORD(lParam))))
#define ON_WM_SYSKEYDOWN()                                                                                   \
    KALVENROD_ENTRY(WM_SYSKEYDOWN, 0, 0, 0,                                                                  \
                    self->OnSysKeyDown(UINT(wParam), UINT(LOWORD(lParam)), UINT(HIWORD(lParam))))
#define ON_WM_SYSCHAR()                                                                                      \
    KALVENROD_ENTRY(WM_SYSCHAR, 0, 0, 0,                                                                     \
                    self->OnSysChar(UINT(wParam), UINT(LOWORD(lParam)), UINT(HIWORD(lParam))))
#define ON_WM_IME_CHAR() KALVENROD_ENTRY(WM_IME_CHAR, 0, 0, 0, result = self->OnImeChar(wParam, lParam))
#define ON_WM_GETDLGCODE() KALVENROD_ENTRY(WM_GETDLGCODE, 0, 0, 0, result = self->OnGetDlgCode())
#define KALVENROD_MOUSE_ENTRY(msg, fn)                                                                       \
    KALVENROD_ENTRY(msg, 0, 0, 0, self->fn(UINT(wParam), CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))))
#define ON_WM_MOUSEMOVE() KALVENROD_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() KALVENROD_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() KALVENROD_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() KALVENROD_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() KALVENROD_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() KALVENROD_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() KALVENROD_MOUSE_ENTRY(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() KALVENROD_MOUSE_ENTRY(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() KALVENROD_MOUSE_ENTRY(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MOUSEWHEEL()                                                                                   \
    KALVENROD_ENTRY(WM_MOUSEWHEEL, 0, 0, 0,                                                                  \
                    result = self->OnMouseWheel(UINT(LOWORD(wParam)), GET_WHEEL_DELTA_WPARAM(wParam),        \
                                                CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))))
#define ON_WM_SETCURSOR()                                                                                    \
    KALVENROD_ENTRY(WM_SETCURSOR, 0, 0, 0,                                                                   \
                    result = self->OnSetCursor(CWnd::FromHandle(HWND(wParam)), UINT(short(LOWORD(lParam))),  \
                                               UINT(HIWORD(lParam))))
#define ON_WM_NCHITTEST()                                                                                    \
    KALVENROD_ENTRY(WM_NCHITTEST, 0, 0, 0,                                                                   \
                    result = self->OnNcHitTest(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))))
#define ON_WM_CAPTURECHANGED()                                                                               \
    KALVENROD_ENTRY(WM_CAPTURECHANGED, 0, 0, 0, self->OnCaptureChanged(CWnd::FromHandle(HWND(lParam))))
#define ON_WM_HSCROLL()                                                                                      \
    KALVENROD_ENTRY(WM_HSCROLL, 0, 0, 0,                                                                     \
                    self->OnHScroll(UINT(LOWORD(wParam)), UINT(HIWORD(wParam)),                              \
                                    reinterpret_cast<CScrollBar*>(CWnd::FromHandle(HWND(lParam)))))
#define ON_WM_VSCROLL()                                                                                      \
    KALVENROD_ENTRY(WM_VSCROLL, 0, 0, 0,                                                                     \
                    self->OnVScroll(UINT(LOWORD(wParam)), UINT(HIWORD(wParam)),                              \
                                    reinterpret_cast<CScrollBar*>(CWnd::FromHandle(HWND(lParam)))))
#define ON_WM_TIMER() KALVENROD_ENTRY(WM_TIMER, 0, 0, 0, self->OnTimer(UINT_PTR(wParam)))
#define ON_WM_CONTEXTMENU()                                                                                  \
    KALVENROD_ENTRY(WM_CONTEXTMENU, 0, 0, 0,                                                                 \
                    self->OnContextMenu(CWnd::FromHandle(HWND(wParam)),                                      \
                                        CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))))
#define ON_WM_DROPFILES() KALVENROD_ENTRY(WM_DROPFILES, 0, 0, 0, self->OnDropFiles(HDROP(wParam)))
#define ON_WM_SYSCOLORCHANGE() KALVENROD_ENTRY(WM_SYSCOLORCHANGE, 0, 0, 0, self->OnSysColorChange())
#define ON_WM_SETTINGCHANGE()                                                                                \
    KALVENROD_ENTRY(WM_SETTINGCHANGE, 0, 0, 0,                                                               \
                    self->OnSettingChange(UINT(wParam), reinterpret_cast<LPCTSTR>(lParam)))
#define ON_WM_WINDOWPOSCHANGED()                                                                             \
    KALVENROD_ENTRY(WM_WINDOWPOSCHANGED, 0, 0, 0,                                                            \
                    self->OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lParam)))
#define ON_WM_SYSCOMMAND() KALVENROD_ENTRY(WM_SYSCOMMAND, 0, 0, 0, self->OnSysCommand(UINT(wParam), lParam))
