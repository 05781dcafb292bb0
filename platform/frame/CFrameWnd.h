#pragma once
// A frame window over QMainWindow: the view in the middle, control bars (tool bars, status bar)
// docked around it, the title made of the document's and the program's names, and the routing
// of commands: active view (then its document and template), the frame, the application.

#include "platform/frame/CCreateContext.h"
#include "platform/frame/FrameIds.h"
#include "platform/ui/CWnd.h"

#include <vector>

class CControlBar;
class CDocument;
class CStatusBar;
class CView;
class QMainWindow;

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)

public:
    CFrameWnd();
    ~CFrameWnd() override;

    static const CRect rectDefault;

    // Creates the frame; its title is the first part of string nIDResource.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);

    // Views and documents.
    virtual CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    virtual CFrameWnd* GetActiveFrame() { return this; }
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);

    // Title.
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
    LPCTSTR GetTitle() const { return m_strTitle; }
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }

    // Status line.
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);
    // The status prompt of a command: its string up to the first line feed.
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    CStatusBar* GetMessageBar() const;

    // Control bars and docking.
    void EnableDocking(DWORD dwDockStyle);
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void DockControlBarLeftOf(CControlBar* pBar, CControlBar* pLeftOf);
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    CControlBar* GetControlBar(UINT nID);
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // The layout of the bars and the window's placement, kept in the profile section.
    void SaveBarState(LPCTSTR lpszProfileName) const;
    void LoadBarState(LPCTSTR lpszProfileName);

    // The update handlers of every bar's items (the application calls it when idle).
    void UpdateControlBars();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
    // A command ends here: whatever it throws is shown and the program goes on.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

    QMainWindow* MainWindow() const;
    // The icon resource of the id (null when the resources hold none; a bitmap of the id is no
    // icon): the icon of a frame loaded with that id.
    static HICON FrameIconOf(UINT nIDResource);

    BOOL m_bAutoMenuEnable = TRUE;
    UINT m_nIDHelp = 0;

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parent) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    afx_msg BOOL OnBarCheck(UINT nID);
    afx_msg void OnUpdateKeyIndicator(CCmdUI* pCmdUI);
    afx_msg void OnHelp();

    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    void ShowClientWindow(CWnd* pWnd);

    CView* m_pViewActive = nullptr;
    CString m_strTitle;
    DWORD m_dwDockStyle = 0;
    std::vector<CControlBar*> m_listControlBars;
    UINT m_nIDLastMessage = 0;

    DECLARE_MESSAGE_MAP()

    friend class CControlBar;
    friend class CView;
};
