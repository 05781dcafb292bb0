#include "dataeditor/app/COptionsPrintProp.h"

#include "dataeditor/app/CMarginsDlg.h"
#include "dataeditor/app/OptionText.h"
#include "dataeditor/app/SobrelIds.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CListBox.h"

#include <QLineEdit>

#include <algorithm>

BEGIN_MESSAGE_MAP(COptionsPrintProp, CPropertyPage)
    ON_BN_CLICKED(IDC_PRINT_AUTO_ZOOM, OnAutoZoom)
    ON_EN_CHANGE(IDC_PRINT_PAGES_ACROSS, OnPagesChanged)
    ON_CBN_SELCHANGE(IDC_HEADER_ENTRY, OnEntryChanged)
    ON_LBN_SELCHANGE(IDC_TOKENS, OnToken)
    ON_CONTROL_RANGE(EN_SETFOCUS, IDC_FIELD_5, IDC_FIELD_3, OnFieldFocus)
    ON_BN_CLICKED(IDC_PAGE_SETUP, OnPageSetup)
    ON_BN_CLICKED(IDC_PRINT_SETUP, OnPrintSetup)
END_MESSAGE_MAP()

namespace
{
// The edit of each of the six fields of an entry.
const int kFieldControls[6] = {IDC_FIELD_1, IDC_FIELD_2, IDC_FIELD_3, IDC_FIELD_4, IDC_FIELD_5, IDC_FIELD_6};
const char* const kTokens[5] = {"%PAGE%", "%PAGES%", "%TITLE%", "%DATE%", "%TIME%"};
} // namespace

COptionsPrintProp::COptionsPrintProp() : CPropertyPage(IDD_OPTIONS_PRINT) {}

void COptionsPrintProp::FromOptions(const CSobrelOptions& options)
{
    values = options;
    if (values.headerFooter.empty())
        values.headerFooter.push_back(CString());
    entry = 0;
}

void COptionsPrintProp::ToOptions(CSobrelOptions& options) const
{
    options.printAutoZoom = values.printAutoZoom;
    options.printAutoZoomPagesHoriz = values.printAutoZoomPagesHoriz;
    options.printZoom = values.printZoom;
    options.printFill = values.printFill;
    options.printRowNumbers = values.printRowNumbers;
    options.autoSizeTableWhilePrinting = values.autoSizeTableWhilePrinting;
    for (int i = 0; i < 4; ++i)
    {
        options.printMargins[i] = values.printMargins[i];
        options.printerMinimum[i] = values.printerMinimum[i];
    }
    options.headerFooter = values.headerFooter;
}

BOOL COptionsPrintProp::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (auto* entries = static_cast<CComboBox*>(GetDlgItem(IDC_HEADER_ENTRY)))
    {
        for (std::size_t i = 0; i < values.headerFooter.size(); ++i)
        {
            CString name;
            name.Format("%d", int(i + 1));
            entries->AddString(name);
        }
        entries->SetCurSel(0);
    }
    if (auto* tokens = static_cast<CListBox*>(GetDlgItem(IDC_TOKENS)))
        for (int i = 0; i < 5; ++i)
            tokens->SetItemData(tokens->AddString(kTokens[i]), DWORD_PTR(i + 1));
    ShowEntry(0);
    UpdateEnabling();
    return TRUE;
}

void COptionsPrintProp::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PRINT_AUTO_ZOOM, values.printAutoZoom);
    DDX_Text(pDX, IDC_PRINT_PAGES_ACROSS, values.printAutoZoomPagesHoriz);
    DDV_MinMaxInt(pDX, values.printAutoZoomPagesHoriz, 1, 1000);
    DDX_Text(pDX, IDC_PRINT_ZOOM, values.printZoom);
    DDV_MinMaxInt(pDX, values.printZoom, 10, 500);
    DDX_Check(pDX, IDC_PRINT_FILL, values.printFill);
    DDX_Check(pDX, IDC_PRINT_ROW_NUMBERS, values.printRowNumbers);
    DDX_Check(pDX, IDC_PRINT_AUTO_SIZE, values.autoSizeTableWhilePrinting);
}

BOOL COptionsPrintProp::OnKillActive()
{
    StoreFields();
    return CPropertyPage::OnKillActive();
}

void COptionsPrintProp::UpdateEnabling()
{
    const bool autoZoom = IsDlgButtonChecked(IDC_PRINT_AUTO_ZOOM) == BST_CHECKED;
    if (CWnd* zoom = GetDlgItem(IDC_PRINT_ZOOM))
        zoom->EnableWindow(!autoZoom);
    BOOL ok = FALSE;
    const int pages = int(GetDlgItemInt(IDC_PRINT_PAGES_ACROSS, &ok, FALSE));
    if (CWnd* one = GetDlgItem(IDC_PRINT_PAGE_LABEL))
        one->ShowWindow(pages == 1 ? SW_SHOW : SW_HIDE);
    if (CWnd* more = GetDlgItem(IDC_PRINT_PAGES_LABEL))
        more->ShowWindow(pages == 1 ? SW_HIDE : SW_SHOW);
}

void COptionsPrintProp::OnAutoZoom() { UpdateEnabling(); }

void COptionsPrintProp::OnPagesChanged() { UpdateEnabling(); }

void COptionsPrintProp::StoreFields()
{
    if (!GetSafeHwnd() || entry < 0 || std::size_t(entry) >= values.headerFooter.size())
        return;
    CString joined;
    for (int i = 0; i < 6; ++i)
    {
        CString field;
        GetDlgItemText(kFieldControls[i], field);
        if (i)
            joined += "\t";
        joined += field;
    }
    values.headerFooter[std::size_t(entry)] = joined;
}

void COptionsPrintProp::ShowEntry(int index)
{
    if (index < 0 || std::size_t(index) >= values.headerFooter.size())
        return;
    entry = index;
    for (int i = 0; i < 6; ++i)
    {
        CString separator = "\t";
        const CString field = GetSeparatedField(values.headerFooter[std::size_t(index)], i, separator);
        SetDlgItemText(kFieldControls[i], field);
    }
}

void COptionsPrintProp::OnEntryChanged()
{
    auto* entries = static_cast<CComboBox*>(GetDlgItem(IDC_HEADER_ENTRY));
    const int index = entries ? entries->GetCurSel() : -1;
    if (index < 0 || std::size_t(index) >= values.headerFooter.size())
        return;
    StoreFields();
    ShowEntry(index);
}

void COptionsPrintProp::OnFieldFocus(UINT id) { m_lastField = int(LOWORD(id)); }

void COptionsPrintProp::OnToken()
{
    auto* tokens = static_cast<CListBox*>(GetDlgItem(IDC_TOKENS));
    const int index = tokens ? tokens->GetCurSel() : -1;
    auto* edit = m_lastField ? static_cast<CEdit*>(GetDlgItem(m_lastField)) : nullptr;
    if (index < 0 || !edit || (edit->GetStyle() & ES_READONLY))
        return;
    const DWORD_PTR token = tokens->GetItemData(index);
    if (token < 1 || token > 5)
        return;
    edit->ReplaceSel(kTokens[token - 1], TRUE);
}

void COptionsPrintProp::OnPageSetup()
{
    CMarginsDlg dialog(values.printMargins, values.printerMinimum, this);
    if (dialog.DoModal() != IDOK)
        return;
    std::copy(dialog.margins, dialog.margins + 4, values.printMargins);
    values.ClampMarginsToPrinter();
}

void COptionsPrintProp::OnPrintSetup()
{
    // The printers here are the PDF printer and those of the system's print service; their
    // unprintable margins are taken when a print job starts. Margins stay at least the minimum.
    values.ClampMarginsToPrinter();
}
