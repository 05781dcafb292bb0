#include "dataeditor/document/CColumnDlg.h"

#include "controls/grid/CGridCtrl.h"
#include "dataeditor/app/LanguageText.h"
#include "dataeditor/app/SobrelIds.h"
#include "platform/core/MessageBox.h"
#include "platform/core/UserLocale.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDataExchange.h"

#include <algorithm>
#include <cstdlib>

BEGIN_MESSAGE_MAP(CColumnDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_COLUMN_TYPE, OnTypeChanged)
    ON_EN_CHANGE(IDC_COLUMN_NAME, OnNameChanged)
    ON_EN_CHANGE(IDC_COLUMN_SIZE, OnSizeChanged)
    ON_EN_CHANGE(IDC_COLUMN_DECIMALS, OnDecimalsChanged)
    ON_BN_CLICKED(IDC_LOCALE_DECIMALS, OnLocaleDecimals)
    ON_BN_CLICKED(IDC_COLUMN_CLEAR, OnClear)
END_MESSAGE_MAP()

namespace
{
enum Kind
{
    textKind,
    numberKind,
    dateKind,
    currencyKind,
    yesNoKind,
    memoKind,
    byteKind,
    longKind
};

// The three description strings of a kind (0: none).
struct KindTexts
{
    UINT first, second, third;
};

KindTexts Descriptions(int index, bool withDecimals)
{
    switch (index)
    {
    case textKind: return {1091, 1092, 0};
    case numberKind: return withDecimals ? KindTexts{1088, 1089, 1090} : KindTexts{1082, 1083, 0};
    case dateKind: return {1077, 1078, 0};
    case currencyKind: return {1074, 1075, 1076};
    case yesNoKind: return {1070, 1071, 0};
    case memoKind: return {1086, 1087, 0};
    case byteKind: return {1072, 1073, 0};
    default: return withDecimals ? KindTexts{1079, 1080, 1081} : KindTexts{1084, 1085, 0};
    }
}

bool IsNumberKind(int index)
{
    return index == numberKind || index == currencyKind || index == longKind;
}
} // namespace

CColumnDlg::CColumnDlg(CWnd* pParent) : CDialog(IDD_COLUMN, pParent) {}

int CColumnDlg::TypeIndex(int daoType, int otherwise)
{
    switch (daoType)
    {
    case 1: return yesNoKind;
    case 2: return byteKind;
    case 3: case 6: return numberKind;
    case 4: case 7: return longKind;
    case 5: return currencyKind;
    case 8: return dateKind;
    case 10: return textKind;
    case 12: return memoKind;
    default: return otherwise;
    }
}

int CColumnDlg::DaoType() const
{
    switch (typeIndex)
    {
    case textKind: return 10;
    case numberKind: return decimals != 0 ? 6 : 3;
    case dateKind: return 8;
    case currencyKind: return 5;
    case yesNoKind: return 1;
    case memoKind: return 12;
    case byteKind: return 2;
    default: return decimals != 0 ? 7 : 4;
    }
}

BOOL CColumnDlg::OnInitDialog()
{
    m_updating = true;
    nameAtOpening = name;
    typeIndex = TypeIndex(initialType, typeIndex);
    if (existingColumn)
        size = 255;
    if (decimals == -2)
    {
        localeDecimals = TRUE;
        decimals = 0;
    }
    if (auto* list = static_cast<CComboBox*>(GetDlgItem(IDC_COLUMN_TYPE)))
    {
        const CString kinds = LanguageText(IDS_COLUMN_KINDS);
        for (int start = 0; start <= kinds.GetLength();)
        {
            int end = kinds.Find('\n', start);
            if (end < 0)
                end = kinds.GetLength();
            list->AddString(kinds.Mid(start, end - start));
            start = end + 1;
        }
    }
    CDialog::OnInitDialog();
    if (!caption.IsEmpty())
        SetWindowText(caption);
    m_updating = false;
    OnNameChanged();
    ApplyType();
    ApplyLocaleCheck();
    if (existingColumn)
    {
        Enable(IDC_COLUMN_TYPE, false);
        Enable(IDC_COLUMN_SIZE, false);
        Enable(IDC_COLUMN_CLEAR, false);
    }
    return TRUE;
}

void CColumnDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_COLUMN_TYPE, typeIndex);
    DDX_Text(pDX, IDC_COLUMN_NAME, name);
    DDX_Text(pDX, IDC_COLUMN_SIZE, size);
    DDV_MinMaxInt(pDX, size, 1, 2147483647);
    DDX_Text(pDX, IDC_COLUMN_DECIMALS, decimals);
    DDV_MinMaxInt(pDX, decimals, 0, 9);
    DDX_Check(pDX, IDC_LOCALE_DECIMALS, localeDecimals);
}

void CColumnDlg::Enable(UINT id, bool enable)
{
    if (CWnd* control = GetDlgItem(id))
        control->EnableWindow(enable);
}

int CColumnDlg::ReadInt(UINT id) const
{
    CString text;
    GetDlgItemText(id, text);
    return std::atoi(text);
}

// Size, decimals, the locale check and the three descriptions by the chosen kind.
void CColumnDlg::ApplyType()
{
    if (m_updating)
        return;
    m_updating = true;
    const bool number = IsNumberKind(typeIndex);
    if (typeIndex == textKind)
        size = std::min(size, 255);
    else if (typeIndex == memoKind)
        size = std::max(size, 256);
    else if (typeIndex == byteKind)
    {
        decimals = 0;
        localeDecimals = FALSE;
    }
    const bool sized = typeIndex == textKind || typeIndex == memoKind;
    Enable(IDC_COLUMN_SIZE, sized && !existingColumn);
    Enable(IDC_SIZE_LABEL, sized);
    Enable(IDC_LOCALE_DECIMALS, number);
    Enable(IDC_COLUMN_DECIMALS, number && !localeDecimals);
    Enable(IDC_DECIMALS_LABEL, number && !localeDecimals);
    SetDlgItemInt(IDC_COLUMN_SIZE, UINT(size));
    SetDlgItemInt(IDC_COLUMN_DECIMALS, UINT(decimals));
    CheckDlgButton(IDC_LOCALE_DECIMALS, localeDecimals ? BST_CHECKED : BST_UNCHECKED);
    const KindTexts texts = Descriptions(typeIndex, decimals != 0);
    SetDlgItemText(IDC_TYPE_TEXT_1, texts.first ? LanguageText(texts.first) : CString());
    SetDlgItemText(IDC_TYPE_TEXT_2, texts.second ? LanguageText(texts.second) : CString());
    SetDlgItemText(IDC_TYPE_TEXT_3, texts.third ? LanguageText(texts.third) : CString());
    for (int i = 0; i < 3; ++i)
        GetDlgItemText(IDC_TYPE_TEXT_1 + i, descriptions[i]);
    m_updating = false;
}

void CColumnDlg::ApplyLocaleCheck()
{
    const bool number = IsNumberKind(typeIndex);
    if (number && localeDecimals)
    {
        decimals = typeIndex == currencyKind ? UserLocale::Current().currencyDigits
                                             : UserLocale::Current().decimalDigits;
        ApplyType();
    }
    Enable(IDC_COLUMN_DECIMALS, number && !localeDecimals);
    Enable(IDC_DECIMALS_LABEL, number && !localeDecimals);
}

void CColumnDlg::OnTypeChanged()
{
    if (auto* list = static_cast<CComboBox*>(GetDlgItem(IDC_COLUMN_TYPE)))
        typeIndex = list->GetCurSel();
    ApplyType();
    ApplyLocaleCheck();
}

void CColumnDlg::OnNameChanged()
{
    if (m_updating)
        return;
    GetDlgItemText(IDC_COLUMN_NAME, name);
    Enable(IDOK, !name.IsEmpty());
}

void CColumnDlg::OnSizeChanged()
{
    if (m_updating)
        return;
    size = ReadInt(IDC_COLUMN_SIZE);
    if (size >= 256 && typeIndex != memoKind)
        typeIndex = memoKind;
    else if (size < 256 && typeIndex != textKind)
        typeIndex = textKind;
    if (auto* list = static_cast<CComboBox*>(GetDlgItem(IDC_COLUMN_TYPE)))
        list->SetCurSel(typeIndex);
    ApplyType();
}

void CColumnDlg::OnDecimalsChanged()
{
    if (m_updating)
        return;
    decimals = ReadInt(IDC_COLUMN_DECIMALS);
    ApplyType();
}

void CColumnDlg::OnLocaleDecimals()
{
    localeDecimals = IsDlgButtonChecked(IDC_LOCALE_DECIMALS) == BST_CHECKED;
    ApplyLocaleCheck();
}

void CColumnDlg::OnClear()
{
    SetDlgItemText(IDC_COLUMN_NAME, "");
    typeIndex = textKind;
    if (auto* list = static_cast<CComboBox*>(GetDlgItem(IDC_COLUMN_TYPE)))
        list->SetCurSel(typeIndex);
    ApplyType();
    ApplyLocaleCheck();
}

void CColumnDlg::OnOK()
{
    GetDlgItemText(IDC_COLUMN_NAME, name);
    if (grid && name != nameAtOpening)
        for (int col = 1; col < grid->GetColumnCount(); ++col)
            if (grid->GetItemText(0, col) == name)
            {
                AfxMessageBox(LanguageFormat(IDS_COLUMN_NAME_TAKEN, name), MB_OK | MB_ICONSTOP);
                return;
            }
    if (!UpdateData(TRUE))
        return;
    if (localeDecimals && IsNumberKind(typeIndex))
        decimals = -2;
    EndDialog(IDOK);
}
