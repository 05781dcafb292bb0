#include "platform/frame/CFrameWnd.h"
#include "platform/frame/CControlBar.h"
#include "platform/frame/CDocument.h"
#include "platform/frame/CStatusBar.h"
#include "platform/frame/CView.h"
#include "platform/frame/CWinApp.h"
#include "platform/frame/FrameMenuBar.h"
#include "platform/frame/FrameTexts.h"
#include "platform/core/CException.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/CDataExchange.h"

#include "platform/core/Profile.h"
#include "platform/core/Resources.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/UiResources.h"
#include "platform/ui/WinApi.h"

#include <QCoreApplication>
#include <QLayout>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <exception>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
    ON_COMMAND_EX_RANGE(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

// An empty rectangle asks for the default size.
const CRect CFrameWnd::rectDefault(0, 0, 0, 0);

namespace
{
constexpr int kDefaultWidth = 1024;
constexpr int kDefaultHeight = 768;

CString IdleMessage()
{
    const char* text = Resources::FindString(AFX_IDS_IDLEMESSAGE);
    return text ? CString(text) : CString("Připraven");
}
} // namespace

CFrameWnd::CFrameWnd() { m_bAutoDelete = TRUE; }

CFrameWnd::~CFrameWnd()
{
    for (CControlBar* bar : m_listControlBars)
        bar->m_pDockSite = nullptr;
}

QMainWindow* CFrameWnd::MainWindow() const { return qobject_cast<QMainWindow*>(GetWidget()); }

QWidget* CFrameWnd::CreateWidget(const CREATESTRUCT&, QWidget* parent)
{
    auto* window = new QMainWindow(parent);
    window->setDockNestingEnabled(true);
    return window;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    // The document's name goes before the program's.
    if (cs.style & FWS_ADDTOTITLE)
        cs.style |= FWS_PREFIXTITLE;
    return CWnd::PreCreateWindow(cs);
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR, DWORD dwExStyle, CCreateContext* pContext)
{
    m_strTitle = lpszWindowName ? lpszWindowName : "";
    CRect r(rect);
    if (r.IsRectEmpty())
        r.SetRect(0, 0, kDefaultWidth, kDefaultHeight);
    if (!CWnd::CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle & ~WS_VISIBLE, r, pParentWnd, 0,
                        pContext))
        return FALSE;
    if (QWidget* w = GetWidget(); w && !(dwStyle & WS_CHILD))
        w->setWindowFlags(Qt::Window);
    if (dwStyle & WS_VISIBLE)
        ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString title;
    if (const char* text = Resources::FindString(nIDResource))
    {
        title = text;
        const int lf = title.Find('\n');
        if (lf >= 0)
            title = title.Left(lf);
    }
    if (!Create(nullptr, title, dwDefaultStyle, rectDefault, pParentWnd, nullptr, 0, pContext))
        return FALSE;
    // The icon, the menu and the keys of the same id, when the resources have them.
    if (HICON icon = FrameIconOf(nIDResource))
    {
        SetIcon(icon, TRUE);
        SetIcon(icon, FALSE);
    }
    FrameMenuBar::Build(this, nIDResource);
    FrameMenuBar::InstallAccelerators(this, nIDResource);
    if (!pContext)
        for (CWnd* child = GetTopWindow(); child; child = child->GetNextWindow())
            if (auto* view = dynamic_cast<CView*>(child))
                view->OnInitialUpdate();
    return TRUE;
}

HICON CFrameWnd::FrameIconOf(UINT nIDResource)
{
    const ImageTemplate* image = UiResources::FindImage(nIDResource);
    return image && image->icon ? LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(nIDResource)) : nullptr;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    auto* context = static_cast<CCreateContext*>(lpcs->lpCreateParams);
    if (!OnCreateClient(lpcs, context))
        return -1;
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext && pContext->m_pNewViewClass)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* object = pContext && pContext->m_pNewViewClass ? pContext->m_pNewViewClass->CreateObject() : nullptr;
    auto* view = dynamic_cast<CWnd*>(object);
    if (!view)
    {
        delete object;
        return nullptr;
    }
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr; // a view that failed deletes itself with its window
    ShowClientWindow(view);
    return view;
}

void CFrameWnd::ShowClientWindow(CWnd* pWnd)
{
    QWidget* client = pWnd ? pWnd->GetWidget() : nullptr;
    if (!client)
        return;
    if (QMainWindow* window = MainWindow())
        window->setCentralWidget(client);
    else if (QWidget* frame = GetWidget(); frame && frame->layout())
        frame->layout()->addWidget(client);
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* old = m_pViewActive;
    if (old == pViewNew)
        return;
    m_pViewActive = pViewNew;
    if (bNotify && old)
        old->OnActivateView(FALSE, pViewNew, old);
    if (bNotify && pViewNew)
        pViewNew->OnActivateView(TRUE, pViewNew, old);
}

CDocument* CFrameWnd::GetActiveDocument()
{
    CView* view = GetActiveView();
    return view ? view->GetDocument() : nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    if (!GetActiveView())
        for (CWnd* child = GetTopWindow(); child; child = child->GetNextWindow())
            if (auto* view = dynamic_cast<CView*>(child))
            {
                SetActiveView(view, FALSE);
                break;
            }
    for (CWnd* child = GetTopWindow(); child; child = child->GetNextWindow())
        if (auto* view = dynamic_cast<CView*>(child))
            view->OnInitialUpdate();
    if (bMakeVisible)
    {
        if (CView* view = GetActiveView())
            view->OnActivateView(TRUE, view, view);
        ActivateFrame();
    }
    (void)pDoc;
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
        nCmdShow = IsIconic() ? SW_RESTORE : SW_SHOW;
    ShowWindow(nCmdShow);
    BringWindowToTop();
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument* doc = GetActiveDocument();
    UpdateFrameTitleForDocument(bAddToTitle && doc ? doc->GetTitle().GetString() : nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCTSTR lpszDocName)
{
    CString title;
    if (!lpszDocName || !*lpszDocName)
        title = m_strTitle;
    else if (GetStyle() & FWS_PREFIXTITLE)
        title = CString(lpszDocName) + " - " + m_strTitle;
    else
        title = m_strTitle + " - " + lpszDocName;
    SetWindowText(title);
}

CStatusBar* CFrameWnd::GetMessageBar() const
{
    for (CControlBar* bar : m_listControlBars)
        if (auto* status = dynamic_cast<CStatusBar*>(bar); status && status->GetDlgCtrlID() == int(AFX_IDW_STATUS_BAR))
            return status;
    return nullptr;
}

void CFrameWnd::SetMessageText(LPCTSTR lpszText) { SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText)); }

void CFrameWnd::SetMessageText(UINT nID) { SendMessage(WM_SETMESSAGESTRING, nID); }

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    rMessage.Empty();
    if (nID == AFX_IDS_IDLEMESSAGE)
    {
        rMessage = IdleMessage();
        return;
    }
    if (const char* text = Resources::FindString(nID))
    {
        rMessage = text;
        const int lf = rMessage.Find('\n');
        if (lf >= 0)
            rMessage = rMessage.Left(lf);
    }
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    const UINT previous = m_nIDLastMessage;
    m_nIDLastMessage = UINT(wParam);
    CString message;
    if (lParam)
        message = reinterpret_cast<LPCTSTR>(lParam);
    else if (wParam)
        GetMessageString(UINT(wParam), message);
    if (CStatusBar* bar = GetMessageBar())
        bar->SetPaneText(0, message);
    return LRESULT(previous);
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam)
{
    return OnSetMessageString(wParam ? wParam : AFX_IDS_IDLEMESSAGE, lParam);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    UpdateControlBars();
    return 0;
}

void CFrameWnd::UpdateControlBars()
{
    for (CControlBar* bar : std::vector<CControlBar*>(m_listControlBars))
        bar->OnUpdateCmdUI(this, m_bAutoMenuEnable);
}

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    pBar->m_pDockSite = this;
    m_listControlBars.push_back(pBar);
    QMainWindow* window = MainWindow();
    if (!window)
        return;
    if (auto* status = qobject_cast<QStatusBar*>(pBar->GetWidget()))
        window->setStatusBar(status);
    else if (auto* tools = qobject_cast<QToolBar*>(pBar->GetWidget()))
    {
        const DWORD style = pBar->GetBarStyle();
        Qt::ToolBarArea area = Qt::TopToolBarArea;
        if (style & CBRS_ALIGN_BOTTOM)
            area = Qt::BottomToolBarArea;
        else if (style & CBRS_ALIGN_LEFT)
            area = Qt::LeftToolBarArea;
        else if (style & CBRS_ALIGN_RIGHT)
            area = Qt::RightToolBarArea;
        window->addToolBar(area, tools);
    }
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    m_listControlBars.erase(std::remove(m_listControlBars.begin(), m_listControlBars.end(), pBar),
                            m_listControlBars.end());
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle; }

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT)
{
    QMainWindow* window = MainWindow();
    auto* tools = pBar ? qobject_cast<QToolBar*>(pBar->GetWidget()) : nullptr;
    if (!window || !tools)
        return;
    Qt::ToolBarArea area = Qt::TopToolBarArea;
    switch (nDockBarID)
    {
    case AFX_IDW_DOCKBAR_BOTTOM:
        area = Qt::BottomToolBarArea;
        break;
    case AFX_IDW_DOCKBAR_LEFT:
        area = Qt::LeftToolBarArea;
        break;
    case AFX_IDW_DOCKBAR_RIGHT:
        area = Qt::RightToolBarArea;
        break;
    default:
        break;
    }
    window->addToolBar(area, tools);
    tools->show();
}

void CFrameWnd::DockControlBarLeftOf(CControlBar* pBar, CControlBar* pLeftOf)
{
    QMainWindow* window = MainWindow();
    auto* tools = pBar ? qobject_cast<QToolBar*>(pBar->GetWidget()) : nullptr;
    auto* right = pLeftOf ? qobject_cast<QToolBar*>(pLeftOf->GetWidget()) : nullptr;
    if (!window || !tools || !right)
        return;
    window->insertToolBar(right, tools);
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD)
{
    auto* tools = pBar ? qobject_cast<QToolBar*>(pBar->GetWidget()) : nullptr;
    if (!tools)
        return;
    tools->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    tools->move(point.x, point.y);
    tools->show();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL)
{
    if (pBar)
        pBar->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    for (CControlBar* bar : m_listControlBars)
        if (UINT(bar->GetDlgCtrlID()) == nID)
            return bar;
    return nullptr;
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (QMainWindow* window = MainWindow())
        window->updateGeometry();
}

void CFrameWnd::SaveBarState(LPCTSTR lpszProfileName) const
{
    QMainWindow* window = MainWindow();
    if (!window || !lpszProfileName)
        return;
    Profile::WriteString(lpszProfileName, "BarState", window->saveState().toBase64().constData());
    Profile::WriteString(lpszProfileName, "Placement", window->saveGeometry().toBase64().constData());
}

void CFrameWnd::LoadBarState(LPCTSTR lpszProfileName)
{
    QMainWindow* window = MainWindow();
    if (!window || !lpszProfileName)
        return;
    const CString state = Profile::GetString(lpszProfileName, "BarState", "");
    const CString placement = Profile::GetString(lpszProfileName, "Placement", "");
    if (!placement.IsEmpty())
        window->restoreGeometry(QByteArray::fromBase64(QByteArray(placement.GetString())));
    if (!state.IsEmpty())
        window->restoreState(QByteArray::fromBase64(QByteArray(state.GetString())));
    for (CControlBar* bar : m_listControlBars)
        bar->SyncVisibleStyle();
}

// A frame without the bar (a document window) leaves the command to the frame that has it.
void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CControlBar* bar = GetControlBar(pCmdUI->m_nID);
    if (!bar)
    {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(bar->IsVisible());
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    CControlBar* bar = GetControlBar(nID);
    if (!bar)
        return FALSE;
    ShowControlBar(bar, !bar->IsVisible(), FALSE);
    return TRUE;
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI)
{
    // The keyboard's lock states are not known here: the indicators stay blank.
    pCmdUI->Enable(FALSE);
}

void CFrameWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (CWinApp* app = AfxGetApp())
        app->WinHelp(dwData, nCmd);
}

void CFrameWnd::OnHelp() { WinHelp(m_nIDHelp, HELP_CONTEXT); }

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    CString cause;
    try
    {
        return CWnd::OnCommand(wParam, lParam);
    }
    catch (CException* e)
    {
        // The user has been told already.
        if (e->IsKindOf(RUNTIME_CLASS(CUserException)))
        {
            e->Delete();
            return TRUE;
        }
        cause = e->GetMessageText();
        if (cause.IsEmpty())
        {
            char buffer[1024] = "";
            e->GetErrorMessage(buffer, sizeof buffer);
            cause = buffer;
        }
        e->Delete();
    }
    catch (const std::exception& e)
    {
        cause = e.what();
    }
    catch (...)
    {
    }
    if (cause.IsEmpty())
        cause = "neznámá chyba.";
    AfxMessageBox(FrameTexts::Format(FrameTexts::CommandFailed, cause), MB_OK | MB_ICONSTOP);
    return TRUE;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    if (CView* view = GetActiveView(); view && view->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CFrameWnd::OnClose()
{
    CDocument* document = GetActiveDocument();
    if (document && !document->CanCloseFrame(this))
        return;
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this)
    {
        if (!document && !app->SaveAllModified())
            return;
        app->CloseAllDocuments(FALSE);
        // Closing the documents may have closed this frame.
        if (!app->m_pMainWnd)
            return;
    }
    if (document && document->m_bAutoDelete)
    {
        bool otherFrame = false;
        for (POSITION pos = document->GetFirstViewPosition(); pos;)
            if (CView* view = document->GetNextView(pos); view->GetParentFrame() != this)
                otherFrame = true;
        if (!otherFrame)
        {
            document->OnCloseDocument();
            return;
        }
        document->PreCloseFrame(this);
    }
    DestroyWindow();
}

void CFrameWnd::OnDestroy()
{
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this)
    {
        app->m_pMainWnd = nullptr;
        AfxPostQuitMessage(0);
    }
    CWnd::OnDestroy();
}
