#include "dataeditor/controls/CTransferOptionsDlg.h"

#include "dataeditor/controls/ControlIds.h"
#include "platform/ui/CButton.h"

BEGIN_MESSAGE_MAP(CTransferOptionsDlg, CDialog)
    ON_BN_CLICKED(IDC_TRANSFER_CHECK_NAMES, OnBoxClicked)
    ON_BN_CLICKED(IDC_TRANSFER_PRODUCER, OnBoxClicked)
END_MESSAGE_MAP()

CTransferOptionsDlg::CTransferOptionsDlg(int producerNumber, bool addRowsAvailable, CWnd* pParent)
    : CDialog(IDD_TRANSFER_OPTIONS, pParent), m_producerNumber(producerNumber), m_addRowsAvailable(addRowsAvailable)
{
}

CTransferOptionsDlg::Choices& CTransferOptionsDlg::Last()
{
    static Choices choices;
    return choices;
}

void CTransferOptionsDlg::StartOnce(const Choices& stored)
{
    Choices& last = Last();
    if (last.started)
        return;
    last = stored;
    last.started = true;
}

BOOL CTransferOptionsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const Choices& last = Last();
    CheckDlgButton(IDC_TRANSFER_ADD_ROWS, m_addRowsAvailable ? last.addRows : 0);
    GetDlgItem(IDC_TRANSFER_ADD_ROWS)->EnableWindow(m_addRowsAvailable);
    CheckDlgButton(IDC_TRANSFER_CHECK_NAMES, last.checkNames);
    CheckDlgButton(IDC_TRANSFER_PRODUCER, m_producerNumber > 0 ? last.producerNumber : 0);
    CString pattern;
    GetDlgItemText(IDC_TRANSFER_PRODUCER, pattern);
    CString text;
    text.Format(pattern.GetString(), m_producerNumber);
    SetDlgItemText(IDC_TRANSFER_PRODUCER, text);
    EnableProducerBox();
    return TRUE;
}

void CTransferOptionsDlg::EnableProducerBox()
{
    const bool namesChecked = IsDlgButtonChecked(IDC_TRANSFER_CHECK_NAMES) != 0;
    if (!namesChecked)
        CheckDlgButton(IDC_TRANSFER_PRODUCER, 0);
    GetDlgItem(IDC_TRANSFER_PRODUCER)->EnableWindow(m_producerNumber > 0 && namesChecked);
}

void CTransferOptionsDlg::OnBoxClicked()
{
    EnableProducerBox();
}

void CTransferOptionsDlg::OnOK()
{
    ticked.addRows = IsDlgButtonChecked(IDC_TRANSFER_ADD_ROWS) ? 1 : 0;
    ticked.checkNames = IsDlgButtonChecked(IDC_TRANSFER_CHECK_NAMES) ? 1 : 0;
    ticked.producerNumber = IsDlgButtonChecked(IDC_TRANSFER_PRODUCER) ? 1 : 0;
    Choices& last = Last();
    last.checkNames = ticked.checkNames;
    if (GetDlgItem(IDC_TRANSFER_ADD_ROWS)->IsWindowEnabled())
        last.addRows = ticked.addRows;
    if (GetDlgItem(IDC_TRANSFER_PRODUCER)->IsWindowEnabled())
        last.producerNumber = ticked.producerNumber;
    CDialog::OnOK();
}
