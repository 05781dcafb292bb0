#include "dataeditor/app/CMainFrame.h"

#include "dataeditor/app/CCustomizeBarsDlg.h"
#include "dataeditor/app/CLanguageDlg.h"
#include "dataeditor/app/ContextHelpPicker.h"
#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/app/CWindowsDlg.h"
#include "dataeditor/app/LanguageText.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/app/UserToolBars.h"
#include "dataeditor/document/CRowFormatDlg.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Profile.h"
#include "platform/frame/CMDIChildWnd.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/WaitCursor.h"

#include <QFileInfo>
#include <QMainWindow>
#include <QToolBar>

IMPLEMENT_DYNCREATE(CMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_TIMER()
    ON_COMMAND(ID_VIEW_EDITBAR, OnViewEditBar)
    ON_UPDATE_COMMAND_UI(ID_VIEW_EDITBAR, OnUpdateViewEditBar)
    ON_COMMAND(ID_CUSTOMIZE, OnCustomize)
    ON_COMMAND(ID_WINDOWS_DIALOG, OnWindowsDialog)
    ON_COMMAND(ID_LANGUAGE, OnLanguage)
    ON_UPDATE_COMMAND_UI(ID_LANGUAGE, OnUpdateLanguage)
    ON_COMMAND(ID_RESET_BARS, OnResetBars)
    ON_COMMAND(ID_ROW_FORMATS, OnRowFormats)
    ON_COMMAND_RANGE(ID_USER_TOOLBAR_FIRST, ID_USER_TOOLBAR_LAST, OnUserToolBar)
    ON_UPDATE_COMMAND_UI_RANGE(ID_USER_TOOLBAR_FIRST, ID_USER_TOOLBAR_LAST, OnUpdateUserToolBar)
    ON_COMMAND(ID_HELP_FINDER, OnHelpFinder)
    ON_COMMAND(ID_CONTEXT_HELP, OnContextHelp)
    ON_COMMAND(ID_DEFAULT_HELP, OnDefaultHelp)
END_MESSAGE_MAP()

namespace
{
const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_POSITION, ID_INDICATOR_LANGUAGE, ID_INDICATOR_CAPS,
                            ID_INDICATOR_NUM};
constexpr UINT kProgressTimerMs = 100;
constexpr COLORREF kProgressFrom = RGB(0xAE, 0xC5, 0xFF);
constexpr COLORREF kProgressTo = RGB(0x80, 0x0D, 0xFF);
// A block that runs through the bar and turns at its ends, its gradient over the block alone.
constexpr DWORD kSnakeStyle = CPercentProgressCtrl::snake | CPercentProgressCtrl::gradientOnBar;

} // namespace

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame() = default;

int CMainFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CMDIFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    CSobrelApp* app = SobrelApp();
    const CString workbook = app->GetNamedFormatWorkbookPath();
    if (!QFileInfo::exists(QString::fromUtf8(LPCTSTR(workbook))))
    {
        AfxMessageBox(LanguageFormat(IDS_FORMATS_MISSING, workbook), MB_OK | MB_ICONERROR);
        return -1;
    }
    {
        CWaitCursor wait;
        if (!app->LoadNamedFormats())
        {
            MessageBox(nullptr, LanguageFormat(IDS_FORMATS_UNREADABLE, workbook), MessageBoxes::DefaultCaption(),
                       MB_OK | MB_ICONERROR);
            return -1;
        }
    }
    m_userImages.load(QString::fromUtf8(LPCTSTR(app->programFolder + "_User.bmp")));
    if (!CreateBars())
        return -1;
    m_userBars = std::make_unique<UserToolBars>(this, m_userImages,
                                                std::vector<const CToolBar*>{&m_wndToolBar, &m_wndEditBar});
    m_contextHelp = std::make_unique<ContextHelpPicker>(this);
    if (auto* window = MainWindow())
    {
        window->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(window, &QWidget::customContextMenuRequested, window,
                         [this, window](const QPoint& at) {
                             const QPoint global = window->mapToGlobal(at);
                             ShowToolBarMenu(CPoint(global.x(), global.y()));
                         });
    }
    return 0;
}

bool CMainFrame::CreateBars()
{
    if (!m_wndStatusBar.Create(this, CSobrelStatusBar::progressBar, 0, -1) ||
        !m_wndStatusBar.SetIndicators(kIndicators, 5))
        return false;
    const DWORD barStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, barStyle, CRect(1, 1, 1, 1), AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return false;
    m_wndToolBar.SetWindowText(LanguageText(IDS_MAINBAR));
    if (!m_wndEditBar.CreateEx(this, 0, barStyle, CRect(1, 1, 1, 1), ID_VIEW_EDITBAR) ||
        !m_wndEditBar.LoadToolBar(IDR_EDITBAR))
        return false;
    m_wndEditBar.SetWindowText(LanguageText(IDS_EDITBAR));
    for (CToolBar* bar : {&m_wndToolBar, &m_wndEditBar})
    {
        auto* widget = qobject_cast<QToolBar*>(bar->GetWidget());
        widget->setObjectName(bar == &m_wndToolBar ? QStringLiteral("MainBar") : QStringLiteral("EditBar"));
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(widget, &QWidget::customContextMenuRequested, widget, [this, widget](const QPoint& at) {
            const QPoint global = widget->mapToGlobal(at);
            ShowToolBarMenu(CPoint(global.x(), global.y()));
        });
        bar->EnableDocking(CBRS_ALIGN_ANY);
    }
    EnableDocking(CBRS_ALIGN_ANY);
    DockFirstLayout();
    return true;
}

void CMainFrame::DockFirstLayout()
{
    DockControlBar(&m_wndToolBar);
    DockControlBarLeftOf(&m_wndEditBar, &m_wndToolBar);
    ShowControlBar(&m_wndToolBar, TRUE, FALSE);
    ShowControlBar(&m_wndEditBar, TRUE, FALSE);
}

void CMainFrame::ResetBars()
{
    m_wndToolBar.LoadToolBar(IDR_MAINFRAME);
    m_wndEditBar.LoadToolBar(IDR_EDITBAR);
    DockFirstLayout();
    RecalcLayout();
}

bool CMainFrame::HasBarState(const CString& section) const
{
    return !Profile::GetString(section, "BarState", "").IsEmpty();
}

void CMainFrame::SaveBars(const CString& section)
{
    if (m_userBars)
        m_userBars->Save(section);
    SaveBarState(section);
}

void CMainFrame::LoadBars(const CString& section)
{
    if (m_userBars)
        m_userBars->Load(section);
    LoadBarState(section);
}

void CMainFrame::ShowToolBarMenu(CPoint screen)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_TOOLBAR_CONTEXT))
        return;
    CMenu* popup = menu.GetSubMenu(0);
    if (!popup)
        return;
    bool separated = false;
    for (int i = 0; i < UserToolBars::kCount; ++i)
    {
        if (!m_userBars || !m_userBars->Exists(i))
            continue;
        if (!separated)
            popup->AppendMenu(MF_SEPARATOR);
        separated = true;
        popup->AppendMenu(MF_STRING, ID_USER_TOOLBAR_FIRST + i, m_userBars->Name(i));
    }
    popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, this);
}

void CMainFrame::OnClose()
{
    CSobrelApp* app = SobrelApp();
    app->closing = true;
    SaveBars("Settings-" + app->language);
    CMDIFrameWnd::OnClose();
}

void CMainFrame::ShowProgress(int position, int range, const CString& text, bool showPercent, bool start)
{
    CPercentProgressCtrl* progress = m_wndStatusBar.Progress();
    if (!progress)
        return;
    if (!text.IsEmpty())
    {
        progress->SetBarColor(kProgressFrom, kProgressTo);
        // The caller's text is a text, not a format: its "%" stay as they are.
        CString caption = text;
        caption.Replace("%", "%%");
        if (showPercent)
            progress->SetShowText(caption + " : %d%%", CPercentProgressCtrl::showPercent);
        else
            progress->SetShowText(caption, CPercentProgressCtrl::showPercent | CPercentProgressCtrl::showPosition);
        // A snake that turned at the end leaves the bar reversed; every progress starts growing
        // from the left.
        progress->ModifyBarStyle(kSnakeStyle | CPercentProgressCtrl::reversed, start ? kSnakeStyle : 0);
        m_progressStep = range / 5;
        // Only a snake is moved by the timer: it would carry a measured bar past its work.
        if (start)
        {
            SetTimer(ID_PROGRESS_TIMER, kProgressTimerMs, nullptr);
            m_progressTimer = true;
        }
        else
            StopProgressTimer();
    }
    if (!text.IsEmpty() || position == -1 || !(progress->GetBarStyle() & CPercentProgressCtrl::snake))
        m_wndStatusBar.SetProgress(position, range);
    if (position == -1)
    {
        SetMessageText(AFX_IDS_IDLEMESSAGE);
        StopProgressTimer();
    }
}

void CMainFrame::StopProgressTimer()
{
    if (m_progressTimer)
        KillTimer(ID_PROGRESS_TIMER);
    m_progressTimer = false;
}

CString CMainFrame::StatusText()
{
    CPercentProgressCtrl* progress = m_wndStatusBar.Progress();
    if (progress && (progress->GetStyle() & WS_VISIBLE))
        return progress->ShownText();
    return m_wndStatusBar.GetPaneText(0);
}

void CMainFrame::OnTimer(UINT_PTR id)
{
    CPercentProgressCtrl* progress = m_wndStatusBar.Progress();
    if (id == ID_PROGRESS_TIMER && progress)
        progress->OffsetPos(std::max(1, m_progressStep));
    CMDIFrameWnd::OnTimer(id);
}

void CMainFrame::HandleOpenRequest(const CString& request)
{
    if (request.IsEmpty())
        return;
    const int first = request.Find('\t');
    const int second = first >= 0 ? request.Find('\t', first + 1) : -1;
    if (first <= 0 || second <= 0 || first >= second)
        return;
    CSobrelApp* app = SobrelApp();
    app->requestedTable = request.Mid(first + 1, second - first - 1);
    app->forwardedExtra = request.Mid(second + 1);
    app->OpenRequested(request.Left(first));
}

void CMainFrame::BringToFront()
{
    if (IsIconic())
        ShowWindow(SW_RESTORE);
    SetForegroundWindow();
    if (QWidget* widget = GetWidget())
    {
        widget->raise();
        widget->activateWindow();
    }
}

void CMainFrame::OnViewEditBar()
{
    if (m_wndEditBar.IsVisible())
        ShowControlBar(&m_wndEditBar, FALSE, FALSE);
    else if (!m_wndEditBar.IsFloating())
        ShowControlBar(&m_wndEditBar, TRUE, FALSE);
}

void CMainFrame::OnUpdateViewEditBar(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_wndEditBar.IsVisible()); }

void CMainFrame::OnCustomize()
{
    CCustomizeBarsDlg dialog(*m_userBars, this);
    dialog.DoModal();
}

void CMainFrame::OnWindowsDialog()
{
    CWindowsDlg dialog(this);
    dialog.DoModal();
}

void CMainFrame::OnLanguage()
{
    CLanguageDlg dialog(this);
    dialog.DoModal();
}

void CMainFrame::OnUpdateLanguage(CCmdUI* pCmdUI) { pCmdUI->Enable(SobrelApp()->languages.size() > 1); }

void CMainFrame::OnResetBars() { SobrelApp()->ResetBars(false); }

void CMainFrame::OnRowFormats()
{
    CSobrelApp* app = SobrelApp();
    const auto formats = app->namedFormats;
    const auto order = app->namedFormatOrder;
    CRowFormatDlg dialog(this);
    if (dialog.DoModal() != IDOK)
        return;
    // A name added, deleted or moved is a change of the list as much as a changed format.
    if (app->namedFormats != formats || app->namedFormatOrder != order)
        app->namedFormatsChanged = true;
}

void CMainFrame::OnUserToolBar(UINT id)
{
    m_userBars->Toggle(int(LOWORD(id) - ID_USER_TOOLBAR_FIRST));
}

void CMainFrame::OnUpdateUserToolBar(CCmdUI* pCmdUI)
{
    const int index = int(pCmdUI->m_nID - ID_USER_TOOLBAR_FIRST);
    pCmdUI->Enable(m_userBars && m_userBars->Exists(index));
    pCmdUI->SetCheck(m_userBars && m_userBars->IsVisible(index));
}

void CMainFrame::OnHelpFinder() { WinHelp(0, HELP_FINDER); }

void CMainFrame::OnContextHelp() { m_contextHelp->Start(); }

void CMainFrame::OnDefaultHelp() { WinHelp(0, HELP_INDEX); }
