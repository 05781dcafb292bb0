#include "dataeditor/app/CAboutDlg.h"

#include "dataeditor/app/SobrelIds.h"

#include <QLabel>

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialog(IDD_ABOUT, pParent) {}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString address, tooltip;
    address.LoadString(IDS_WEB_ADDRESS);
    tooltip.LoadString(IDS_WEB_TOOLTIP);
    if (CWnd* link = GetDlgItem(IDC_ABOUT_LINK))
    {
        link->SetWindowText(address);
        if (auto* label = qobject_cast<QLabel*>(link->GetWidget()))
        {
            const QString url = QString::fromUtf8(LPCTSTR(address)).toHtmlEscaped();
            label->setTextFormat(Qt::RichText);
            label->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(url));
            label->setOpenExternalLinks(true);
            label->setToolTip(QString::fromUtf8(LPCTSTR(tooltip)));
        }
    }
    return TRUE;
}
