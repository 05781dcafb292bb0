#include "hydraulics/ui/CSegment.h"

#include "controls/dialogs/DialogSupport.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ui/SizingDialogParts.h"
#include "hydraulics/ui/SizingIds.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/CDataExchange.h"

BEGIN_MESSAGE_MAP(CSegment, CDialog)
    ON_EN_SETFOCUS(IDC_SEGMENT_FLOW, OnSetFocusNumber)
    ON_EN_SETFOCUS(IDC_SEGMENT_LENGTH, OnSetFocusNumber)
    ON_EN_SETFOCUS(IDC_SEGMENT_RESISTANCES, OnSetFocusNumber)
    ON_EN_KILLFOCUS(IDC_SEGMENT_FLOW, OnKillFocusFlow)
    ON_EN_KILLFOCUS(IDC_SEGMENT_LENGTH, OnKillFocusLength)
    ON_EN_KILLFOCUS(IDC_SEGMENT_RESISTANCES, OnKillFocusResistances)
    ON_BN_CLICKED(IDC_SEGMENT_OK, OnAccept)
END_MESSAGE_MAP()

CSegment::CSegment(CWnd* parent) : CDialog(IDD_SEGMENT, parent) {}

void CSegment::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SEGMENT_FLOW, m_editFlow);
    DDX_Control(pDX, IDC_SEGMENT_LENGTH, m_editLength);
    DDX_Control(pDX, IDC_SEGMENT_RESISTANCES, m_editResistances);
    DDX_Text(pDX, IDC_SEGMENT_NUMBER, m_strSection);
    DDX_Text(pDX, IDC_SEGMENT_DESIGNATION, m_strDesignation);
    if (!pDX->m_bSaveAndValidate)
        return;
    // The numbers are read as the user typed them, with either decimal separator.
    for (auto [edit, value] : {std::pair{&m_editFlow, &m_dFlow}, std::pair{&m_editLength, &m_dPipeLength},
                               std::pair{&m_editResistances, &m_dInsertedResistances}})
    {
        CString text;
        edit->GetWindowText(text);
        *value = ReadNumber(text);
    }
}

BOOL CSegment::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    ShowValue(m_editFlow, m_dFlow);
    ShowValue(m_editLength, m_dPipeLength);
    ShowValue(m_editResistances, m_dInsertedResistances);
    return TRUE;
}

void CSegment::ShowValue(CEdit& edit, double& value)
{
    const CString text = WriteNumber("%.3f", value);
    edit.SetWindowText(text);
    value = ReadNumber(text);
}

void CSegment::TidyField(CEdit& edit, double& value)
{
    CString text;
    edit.GetWindowText(text);
    const double typed = ReadNumber(text);
    if (typed < 0.0)
        return;
    value = typed;
    ShowValue(edit, value);
}

void CSegment::OnSetFocusNumber()
{
    if (auto* edit = dynamic_cast<CEdit*>(GetFocus()))
        edit->SetSel(0, -1);
}

void CSegment::OnKillFocusFlow()
{
    TidyField(m_editFlow, m_dFlow);
}

void CSegment::OnKillFocusLength()
{
    TidyField(m_editLength, m_dPipeLength);
}

void CSegment::OnKillFocusResistances()
{
    TidyField(m_editResistances, m_dInsertedResistances);
}

void CSegment::OnOK()
{
    NextDlgCtrl();
}

void CSegment::OnAccept()
{
    for (CEdit* edit : {&m_editFlow, &m_editLength, &m_editResistances})
    {
        CString text;
        edit->GetWindowText(text);
        if (ReadNumber(text) < 0.0)
        {
            ShowSizingMessage(*this, IDS_SIZING_NEGATIVE, MB_OK | MB_ICONEXCLAMATION);
            GotoDlgCtrl(edit);
            edit->SetSel(0, -1);
            return;
        }
    }
    CDialog::OnOK();
}
