#include "dataeditor/view/CSearchDlg.h"

#include "dataeditor/app/LanguageText.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/controls/DDX_ColourPicker.h"
#include "dataeditor/view/SearchIds.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDateTimeCtrl.h"
#include "platform/ui/CEdit.h"

#include <utility>

BEGIN_MESSAGE_MAP(CSearchDlg, CDialog)
    ON_BN_CLICKED(IDC_SEARCH_MODE_TEXT, OnModeClicked)
    ON_BN_CLICKED(IDC_SEARCH_MODE_NUMBER, OnModeClicked)
    ON_BN_CLICKED(IDC_SEARCH_MODE_DATE, OnModeClicked)
    ON_BN_CLICKED(IDC_SEARCH_NUMBER_RANGE, OnNumberTypeClicked)
    ON_BN_CLICKED(IDC_SEARCH_NUMBER_EQUAL, OnNumberTypeClicked)
    ON_BN_CLICKED(IDC_SEARCH_NUMBER_MINIMUM, OnNumberTypeClicked)
    ON_BN_CLICKED(IDC_SEARCH_NUMBER_MAXIMUM, OnNumberTypeClicked)
    ON_BN_CLICKED(IDC_SEARCH_DATE_RANGE, OnDateTypeClicked)
    ON_BN_CLICKED(IDC_SEARCH_DATE_ONE, OnDateTypeClicked)
    ON_EN_KILLFOCUS(IDC_SEARCH_LOWER, OnNumberLeft)
    ON_EN_KILLFOCUS(IDC_SEARCH_UPPER, OnNumberLeft)
END_MESSAGE_MAP()

namespace
{
constexpr UINT kModes[] = {IDC_SEARCH_MODE_TEXT, IDC_SEARCH_MODE_NUMBER, IDC_SEARCH_MODE_DATE};
constexpr UINT kNumberTypes[] = {IDC_SEARCH_NUMBER_RANGE, IDC_SEARCH_NUMBER_EQUAL, IDC_SEARCH_NUMBER_MINIMUM,
                                 IDC_SEARCH_NUMBER_MAXIMUM};
constexpr UINT kDateTypes[] = {IDC_SEARCH_DATE_RANGE, IDC_SEARCH_DATE_ONE};

// The index of the checked radio of a group (first when none is).
template <std::size_t n> int Checked(CWnd& dialog, const UINT (&ids)[n])
{
    for (std::size_t i = 0; i < n; ++i)
        if (dialog.IsDlgButtonChecked(ids[i]))
            return int(i);
    return 0;
}

template <std::size_t n> void Check(CWnd& dialog, const UINT (&ids)[n], int index)
{
    for (std::size_t i = 0; i < n; ++i)
        dialog.CheckDlgButton(ids[i], int(i) == index ? 1 : 0);
}

COleDateTime WholeDay(const COleDateTime& date)
{
    if (date.GetStatus() != COleDateTime::valid)
        return date;
    COleDateTime day;
    day.SetDate(date.GetYear(), date.GetMonth(), date.GetDay());
    return day;
}
} // namespace

CSearchDlg::CSearchDlg(CWnd* pParent)
    : CDialog(IDD_SEARCH, pParent), from(COleDateTime::GetCurrentTime()), to(COleDateTime::GetCurrentTime()),
      colour(RGB(152, 255, 152))
{
}

BOOL CSearchDlg::OnInitDialog()
{
    m_picker.CreateOver(this, IDC_SEARCH_COLOUR);
    m_picker.SetDefaultText("");
    m_picker.SetCustomText(LanguageText(IDS_COLOUR_MORE));
    m_picker.SetColour(RGB(152, 255, 152));
    CDialog::OnInitDialog();
    if ((mode == numberMode && !numbersAvailable) || (mode == dateMode && !datesAvailable))
        mode = textMode;
    Check(*this, kModes, mode);
    Check(*this, kNumberTypes, numberType);
    Check(*this, kDateTypes, dateType);
    GetDlgItem(IDC_SEARCH_MODE_NUMBER)->EnableWindow(numbersAvailable);
    GetDlgItem(IDC_SEARCH_MODE_DATE)->EnableWindow(datesAvailable);
    if (!editable)
        CheckDlgButton(IDC_SEARCH_REPLACE, 0);
    GetDlgItem(IDC_SEARCH_REPLACE)->EnableWindow(editable);
    GetDlgItem(IDC_SEARCH_REPLACEMENT)->EnableWindow(editable);
    OnModeClicked();
    return FALSE;
}

void CSearchDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SEARCH_TEXT, text);
    DDX_Check(pDX, IDC_SEARCH_WHOLE_CELL, wholeCell);
    DDX_Check(pDX, IDC_SEARCH_CASE_SENSITIVE, caseSensitive);
    DDX_Text(pDX, IDC_SEARCH_LOWER, lower);
    DDX_Text(pDX, IDC_SEARCH_UPPER, upper);
    DDX_DateTimeCtrl(pDX, IDC_SEARCH_FROM, from);
    DDX_DateTimeCtrl(pDX, IDC_SEARCH_TO, to);
    DDX_Check(pDX, IDC_SEARCH_MARK, mark);
    DDX_ColourPicker(pDX, IDC_SEARCH_COLOUR, colour);
    DDX_Check(pDX, IDC_SEARCH_HIDE, hide);
    DDX_Check(pDX, IDC_SEARCH_REPLACE, replace);
    DDX_Text(pDX, IDC_SEARCH_REPLACEMENT, replacement);
    if (pDX->m_bSaveAndValidate)
    {
        mode = Checked(*this, kModes);
        numberType = Checked(*this, kNumberTypes);
        dateType = Checked(*this, kDateTypes);
    }
}

void CSearchDlg::EnableControls()
{
    const int chosen = Checked(*this, kModes);
    const int numbers = Checked(*this, kNumberTypes);
    for (UINT id : {IDC_SEARCH_TEXT, IDC_SEARCH_WHOLE_CELL, IDC_SEARCH_CASE_SENSITIVE})
        GetDlgItem(id)->EnableWindow(chosen == textMode);
    for (UINT id : kNumberTypes)
        GetDlgItem(id)->EnableWindow(chosen == numberMode);
    GetDlgItem(IDC_SEARCH_LOWER)->EnableWindow(chosen == numberMode &&
                                               (numbers == numberRange || numbers == numberEqual));
    GetDlgItem(IDC_SEARCH_UPPER)->EnableWindow(chosen == numberMode && numbers == numberRange);
    for (UINT id : kDateTypes)
        GetDlgItem(id)->EnableWindow(chosen == dateMode);
    GetDlgItem(IDC_SEARCH_FROM)->EnableWindow(chosen == dateMode);
    GetDlgItem(IDC_SEARCH_TO)->EnableWindow(chosen == dateMode && Checked(*this, kDateTypes) == dateRange);
}

void CSearchDlg::OnModeClicked()
{
    EnableControls();
    switch (Checked(*this, kModes))
    {
    case textMode:
        GotoDlgCtrl(GetDlgItem(IDC_SEARCH_TEXT));
        static_cast<CEdit*>(GetDlgItem(IDC_SEARCH_TEXT))->SetSel(0, -1);
        break;
    case numberMode:
        GotoDlgCtrl(GetDlgItem(IDC_SEARCH_LOWER));
        static_cast<CEdit*>(GetDlgItem(IDC_SEARCH_LOWER))->SetSel(0, -1);
        break;
    default: GotoDlgCtrl(GetDlgItem(IDC_SEARCH_FROM)); break;
    }
}

void CSearchDlg::OnNumberTypeClicked() { EnableControls(); }

void CSearchDlg::OnDateTypeClicked() { EnableControls(); }

void CSearchDlg::OnNumberLeft() { UpdateData(TRUE); }

void CSearchDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (from > to)
        std::swap(from, to);
    from = WholeDay(from);
    to = WholeDay(to);
    // Only a range has two ends: the number of "equal" stays what was typed.
    if (numberType == numberRange && lower > upper)
        std::swap(lower, upper);
    EndDialog(IDOK);
}
