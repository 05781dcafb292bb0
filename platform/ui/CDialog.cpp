#include "platform/ui/CDialog.h"

#include "platform/ui/CButton.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/DialogBuilder.h"
#include "platform/ui/DialogManager.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/MessageContext.h"
#include "platform/ui/UiResources.h"
#include "platform/ui/WindowWidget.h"

#include <QApplication>
#include <QEventLoop>
#include <QWidget>

#include <cmath>
#include <cstdio>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog()
{
    if (m_hWnd)
        DestroyWindow();
}

QWidget* CDialog::CreateWidget(const CREATESTRUCT& cs, QWidget* parent)
{
    auto* widget = new WindowWidget(parent);
    widget->setAutoFillBackground(true);
    widget->setBackgroundRole(QPalette::Window);
    widget->viewport()->setAutoFillBackground(true);
    widget->viewport()->setBackgroundRole(QPalette::Window);
    if (!(cs.style & WS_CHILD) && !(cs.style & WS_THICKFRAME))
        widget->setFixedSize(cs.cx, cs.cy);
    return widget;
}

BOOL CDialog::CreateDialogWindow(CWnd* pParentWnd, bool modal)
{
    if (m_hWnd)
        return FALSE;
    const DialogTemplate* t = UiResources::FindDialog(m_nIDTemplate);
    if (!t)
    {
        std::fprintf(stderr, "dialog template %u not found\n", m_nIDTemplate);
        return FALSE;
    }
    CWnd* parent = pParentWnd;
    if (!parent && !(t->style & WS_CHILD))
        parent = CWnd::GetActiveWindow();
    m_ended = false;
    m_nModalResult = -1;
    if (!DialogBuilder::Build(*this, *t, parent, false))
        return FALSE;
    if (!(t->style & WS_CHILD))
    {
        if (modal)
            GetWidget()->setWindowModality(Qt::ApplicationModal);
        CenterWindow(parent);
    }
    SendMessage(WM_INITDIALOG, reinterpret_cast<WPARAM>(nullptr), 0);
    return m_hWnd != nullptr;
}

BOOL CDialog::CreateAsChild(CWnd* pParentWnd)
{
    const DialogTemplate* t = UiResources::FindDialog(m_nIDTemplate);
    if (m_hWnd || !t || !pParentWnd)
        return FALSE;
    m_ended = false;
    if (!DialogBuilder::Build(*this, *t, pParentWnd, true))
        return FALSE;
    SendMessage(WM_INITDIALOG, 0, 0);
    return m_hWnd != nullptr;
}

INT_PTR CDialog::DoModal()
{
    if (!CreateDialogWindow(m_pParentWnd, true))
        return -1;
    if (!m_ended)
    {
        ShowWindow(SW_SHOW);
        QEventLoop loop;
        m_loop = &loop;
        MessageContext::ModalScope modal;
        DialogScript::Start(*this);
        if (!m_ended)
            loop.exec(QEventLoop::DialogExec);
        m_loop = nullptr;
    }
    const int result = m_nModalResult;
    DestroyWindow();
    return result;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDTemplate = nIDTemplate;
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    if (!CreateDialogWindow(m_pParentWnd, false))
        return FALSE;
    if (m_template && (m_template->style & WS_VISIBLE) && !m_ended)
        ShowWindow(SW_SHOW);
    return TRUE;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_ended = true;
    if (m_hWnd && !(m_style & WS_CHILD))
        ShowWindow(SW_HIDE);
    if (m_loop)
        m_loop->exit(nResult);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    const BOOL setFocus = OnInitDialog();
    if (setFocus && m_hWnd && !m_ended)
    {
        const std::vector<CWnd*> stops = DialogManager::TabStops(this);
        if (!stops.empty())
            DialogManager::GotoControl(stops.front());
    }
    return setFocus;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::NextDlgCtrl() const
{
    DialogManager::GotoControl(DialogManager::NextTabItem(this, CWnd::GetFocus(), FALSE));
}

void CDialog::PrevDlgCtrl() const
{
    DialogManager::GotoControl(DialogManager::NextTabItem(this, CWnd::GetFocus(), TRUE));
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    DialogManager::GotoControl(pWndCtrl);
}

void CDialog::SetDefID(UINT nID)
{
    const DWORD old = GetDefID();
    if (HIWORD(old) == DC_HASDEFID)
        if (auto* button = GetDlgItem(LOWORD(old)))
            if ((button->GetStyle() & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
                button->SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    m_nDefID = nID;
    if (auto* button = GetDlgItem(int(nID)))
        if ((button->GetStyle() & BS_TYPEMASK) == BS_PUSHBUTTON)
            button->SendMessage(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

DWORD CDialog::GetDefID() const
{
    return DWORD(const_cast<CDialog*>(this)->SendMessage(DM_GETDEFID));
}

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    auto x = [this](LONG v) { return LONG(std::lround(v * m_baseUnitX / 4)); };
    auto y = [this](LONG v) { return LONG(std::lround(v * m_baseUnitY / 8)); };
    lpRect->left = x(lpRect->left);
    lpRect->right = x(lpRect->right);
    lpRect->top = y(lpRect->top);
    lpRect->bottom = y(lpRect->bottom);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (m_style & WS_CHILD)
        return FALSE;
    if (pMsg->message < WM_KEYDOWN || pMsg->message > WM_SYSCHAR)
        return FALSE;
    return IsDialogMessage(pMsg);
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case DM_GETDEFID:
    {
        if (m_nDefID)
            return MAKELONG(WORD(m_nDefID), DC_HASDEFID);
        for (CWnd* c = GetWindow(GW_CHILD); c; c = c->GetWindow(GW_HWNDNEXT))
            if (dynamic_cast<CButton*>(c) && (c->GetStyle() & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
                return MAKELONG(WORD(c->GetDlgCtrlID()), DC_HASDEFID);
        return 0;
    }
    case DM_SETDEFID:
        SetDefID(UINT(wParam));
        return TRUE;
    case WM_CLOSE:
    {
        CWnd* cancel = GetDlgItem(IDCANCEL);
        if (cancel && !cancel->IsWindowEnabled())
            return 0;
        SendMessage(WM_COMMAND, MakeCommandParam(IDCANCEL, BN_CLICKED),
                    reinterpret_cast<LPARAM>(cancel ? cancel->m_hWnd : nullptr));
        return 0;
    }
    case WM_GETDLGCODE:
        return 0;
    default:
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
}
