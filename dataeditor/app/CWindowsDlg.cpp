#include "dataeditor/app/CWindowsDlg.h"

#include "dataeditor/app/SobrelIds.h"
#include "platform/frame/CMDIChildWnd.h"
#include "platform/frame/CMDIFrameWnd.h"
#include "platform/ui/CListBox.h"

#include <QMdiArea>
#include <QMdiSubWindow>

BEGIN_MESSAGE_MAP(CWindowsDlg, CDialog)
    ON_BN_CLICKED(IDC_WINDOW_CLOSE, OnCloseWindows)
END_MESSAGE_MAP()

CWindowsDlg::CWindowsDlg(CMDIFrameWnd* frame) : CDialog(IDD_WINDOWS, frame), m_frame(frame) {}

BOOL CWindowsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    Fill();
    return TRUE;
}

void CWindowsDlg::Fill()
{
    auto* list = static_cast<CListBox*>(GetDlgItem(IDC_WINDOW_LIST));
    m_children.clear();
    if (!list)
        return;
    list->ResetContent();
    for (QMdiSubWindow* sub : m_frame->MdiArea()->subWindowList())
    {
        auto* child = sub->widget() ? dynamic_cast<CMDIChildWnd*>(CWnd::FromHandle(CWnd::HandleOf(sub->widget())))
                                    : nullptr;
        if (!child)
            continue;
        CString title;
        child->GetWindowText(title);
        list->AddString(title);
        m_children.push_back(child);
    }
    CMDIChildWnd* active = m_frame->MDIGetActive();
    for (std::size_t i = 0; i < m_children.size(); ++i)
        if (m_children[i] == active)
            list->SetCurSel(int(i));
}

void CWindowsDlg::OnOK()
{
    auto* list = static_cast<CListBox*>(GetDlgItem(IDC_WINDOW_LIST));
    const int index = list ? list->GetCurSel() : -1;
    if (index >= 0 && std::size_t(index) < m_children.size())
        m_frame->MDIActivate(m_children[std::size_t(index)]);
    CDialog::OnOK();
}

void CWindowsDlg::OnCloseWindows()
{
    auto* list = static_cast<CListBox*>(GetDlgItem(IDC_WINDOW_LIST));
    const int index = list ? list->GetCurSel() : -1;
    if (index >= 0 && std::size_t(index) < m_children.size())
        m_children[std::size_t(index)]->SendMessage(WM_CLOSE);
    Fill();
}
