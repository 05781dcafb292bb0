#pragma once
// A window over a QWidget: control id, rectangle, parent and owner, text, state, focus, capture,
// painting requests, timers, styles and properties, with messages dispatched through the
// class's message map.
//
// The window handle (HWND) is the QWidget; it stays the same when another CWnd object takes the
// window over (SubclassWindow, DDX_Control). A window's own message handlers run first; what
// they leave to the default (Default(), or no handler at all) is done by the Qt widget.

#include "platform/core/CString.h"
#include "platform/ui/CCmdTarget.h"

#include <map>
#include <memory>
#include <string>

using LPINT = int*;

class QWidget;
class QFont;
class CFont;
class CMenu;
class WindowBridge;
struct CCreateContext;
class CDataExchange;

struct PAINTSTRUCT
{
    HDC hdc = nullptr;
    BOOL fErase = FALSE;
    RECT rcPaint;
};
using LPPAINTSTRUCT = PAINTSTRUCT*;

class CWnd : public CCmdTarget
{
    DECLARE_DYNCREATE(CWnd)
public:
    CWnd();
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    // Handles
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd) { return FromHandle(hWnd); }
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return GetSafeHwnd(); }
    QWidget* GetWidget() const;
    // The widget that shows the client area (paint here; mouse points are relative to it).
    QWidget* GetClientWidget() const;
    static QWidget* WidgetOf(HWND hWnd) { return reinterpret_cast<QWidget*>(hWnd); }
    static HWND HandleOf(QWidget* widget) { return reinterpret_cast<HWND>(widget); }

    // Creation and destruction
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                  int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PreSubclassWindow();
    virtual void PostNcDestroy();
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();
    BOOL Attach(HWND hWnd) { return SubclassWindow(hWnd); }
    HWND Detach() { return UnsubclassWindow(); }

    // Messages
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A notification this control sent to its parent, offered back to the control first;
    // TRUE when the control handled it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Data exchange between the window's controls and its members.
    virtual void DoDataExchange(CDataExchange*) {}
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    static const MSG* GetCurrentMessage();
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE);
    // The dialog manager's keyboard rules for this window's controls (Tab, Enter, Escape, arrows).
    BOOL IsDialogMessage(LPMSG lpMsg);

    // Identity and family
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    CWnd* GetDlgItem(int nID) const;
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* pWndNewParent);
    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd);
    CWnd* GetTopLevelParent() const;
    CWnd* GetParentOwner() const;
    CWnd* GetWindow(UINT nCmd) const;
    CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const { return GetWindow(nFlag); }
    CWnd* GetTopWindow() const { return GetWindow(GW_CHILD); }
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    BOOL IsChild(const CWnd* pWnd) const;
    std::string GetClassName() const { return m_className; }

    // Text
    void SetWindowText(LPCTSTR lpszString);
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const;
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton);
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // State
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    static CWnd* GetCapture();
    CWnd* SetActiveWindow();
    static CWnd* GetActiveWindow();
    BOOL SetForegroundWindow();
    static CWnd* GetForegroundWindow() { return GetActiveWindow(); }
    void BringWindowToTop();
    BOOL FlashWindow(BOOL) { return TRUE; }

    // Painting requests
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT) {}
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, void* prgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_ERASE);
    void SetRedraw(BOOL bRedraw = TRUE);
    // While WM_PAINT is handled: the rectangle to repaint, in client coordinates.
    BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE);
    BOOL BeginPaint(LPPAINTSTRUCT lpPaint);
    void EndPaint(const PAINTSTRUCT*) {}
    // A device context of the client area (a window's DC outside WM_PAINT measures text, and what
    // is drawn on it is repainted by the window); give it back with ReleaseDC.
    CDC* GetDC();
    CDC* GetWindowDC() { return GetDC(); }
    int ReleaseDC(CDC* pDC);

    // Rectangles and coordinates
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    CWnd* ChildWindowFromPoint(POINT point) const;
    static CWnd* WindowFromPoint(POINT point);
    BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl);
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    // Styles, properties, fonts
    DWORD GetStyle() const { return m_style; }
    DWORD GetExStyle() const { return m_exStyle; }
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL SetProp(LPCTSTR lpString, HANDLE hData);
    HANDLE GetProp(LPCTSTR lpString) const;
    HANDLE RemoveProp(LPCTSTR lpString);
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;
    void SetFontHandle(HFONT hFont, BOOL bRedraw = TRUE);
    HFONT GetFontHandle() const;
    void DragAcceptFiles(BOOL bAccept = TRUE);
    void SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;
    CMenu* GetMenu() const { return m_pMenu; }
    BOOL SetMenu(CMenu* pMenu);

    // Scroll bars of the window (WS_HSCROLL, WS_VSCROLL)
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    int GetScrollPos(int nBar) const;
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
    int GetScrollLimit(int nBar);
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
    BOOL EnableScrollBarCtrl(int nBar, BOOL bEnable = TRUE);
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = nullptr, LPCRECT lpClipRect = nullptr);

    // Timers
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, void (*lpfnTimer)(HWND, UINT, UINT_PTR, DWORD));
    BOOL KillTimer(UINT_PTR nIDEvent);

    // Default handlers of window messages (what a derived handler reaches by calling its base).
    afx_msg int OnCreate(LPCREATESTRUCT) { return int(Default()); }
    afx_msg void OnDestroy() { Default(); }
    afx_msg void OnNcDestroy();
    afx_msg void OnClose() { Default(); }
    afx_msg void OnPaint() { Default(); }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return BOOL(Default()); }
    afx_msg void OnSize(UINT, int, int) { Default(); }
    afx_msg void OnMove(int, int) { Default(); }
    afx_msg void OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
    afx_msg void OnShowWindow(BOOL, UINT) { Default(); }
    afx_msg void OnSetFocus(CWnd*) { Default(); }
    afx_msg void OnKillFocus(CWnd*) { Default(); }
    afx_msg void OnEnable(BOOL) { Default(); }
    afx_msg void OnKeyDown(UINT, UINT, UINT) { Default(); }
    afx_msg void OnKeyUp(UINT, UINT, UINT) { Default(); }
    afx_msg void OnChar(UINT, UINT, UINT) { Default(); }
    afx_msg void OnSysKeyDown(UINT, UINT, UINT) { Default(); }
    afx_msg void OnSysChar(UINT, UINT, UINT) { Default(); }
    afx_msg LRESULT OnImeChar(WPARAM, LPARAM) { return Default(); }
    afx_msg UINT OnGetDlgCode() { return UINT(Default()); }
    afx_msg void OnMouseMove(UINT, CPoint) { Default(); }
    afx_msg void OnLButtonDown(UINT, CPoint) { Default(); }
    afx_msg void OnLButtonUp(UINT, CPoint) { Default(); }
    afx_msg void OnLButtonDblClk(UINT, CPoint) { Default(); }
    afx_msg void OnRButtonDown(UINT, CPoint) { Default(); }
    afx_msg void OnRButtonUp(UINT, CPoint) { Default(); }
    afx_msg void OnRButtonDblClk(UINT, CPoint) { Default(); }
    afx_msg void OnMButtonDown(UINT, CPoint) { Default(); }
    afx_msg void OnMButtonUp(UINT, CPoint) { Default(); }
    afx_msg BOOL OnMouseWheel(UINT, short, CPoint) { return BOOL(Default()); }
    afx_msg BOOL OnSetCursor(CWnd*, UINT, UINT) { return BOOL(Default()); }
    afx_msg LRESULT OnNcHitTest(CPoint) { return Default(); }
    afx_msg void OnCaptureChanged(CWnd*) { Default(); }
    afx_msg void OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
    afx_msg void OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
    afx_msg void OnTimer(UINT_PTR) { Default(); }
    afx_msg void OnContextMenu(CWnd*, CPoint) { Default(); }
    afx_msg void OnDropFiles(HDROP) { Default(); }
    afx_msg void OnSysColorChange() { Default(); }
    afx_msg void OnSettingChange(UINT, LPCTSTR) { Default(); }
    afx_msg void OnWindowPosChanged(WINDOWPOS*) { Default(); }
    afx_msg void OnSysCommand(UINT, LPARAM) { Default(); }

    // The object deletes itself once its window is destroyed (windows a dialog makes for itself).
    void DeleteWithWindow() { m_bAutoDelete = TRUE; }

    // Sends a control notification (WM_COMMAND with this window's id and the code) to the parent.
    void NotifyParent(UINT code);

protected:
    DECLARE_MESSAGE_MAP()

protected:
    friend class WindowBridge;
    friend class InputRouter;
    friend class DialogBuilder;

    // Creates the widget of a window class; controls override it.
    virtual QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parent);
    // Connects the signals of a freshly made widget to the window's notifications.
    virtual void ConnectWidget() {}
    // Called after the window and its widget exist, before WM_CREATE.
    void AttachWidget(QWidget* widget);
    void ApplyStyle(DWORD oldStyle);

    DWORD m_style = 0;
    DWORD m_exStyle = 0;
    UINT m_nID = 0;
    std::string m_className;
    CWnd* m_pOwner = nullptr;
    CMenu* m_pMenu = nullptr;
    HFONT m_hFont = nullptr;
    HICON m_hIcon[2] = {nullptr, nullptr};
    BOOL m_bAutoDelete = FALSE; // the object deletes itself after its window is destroyed
    std::unique_ptr<WindowBridge> m_bridge;
    std::map<std::string, HANDLE> m_props;
    bool m_destroying = false;
};

// Notifications that carry the control id in the low word of wParam.
inline WPARAM MakeCommandParam(UINT id, UINT code)
{
    return MAKEWPARAM(WORD(id), WORD(code));
}
