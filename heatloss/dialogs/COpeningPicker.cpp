#include "heatloss/dialogs/COpeningPicker.h"

#include "common/AppSettings.h"
#include "common/OpenWorkbookTable.h"
#include "heatloss/CatalogueRows.h"
#include "heatloss/InputSheet.h"
#include "heatloss/OpeningEntry.h"
#include "controls/dialogs/DialogSupport.h"
#include "heatloss/dialogs/InputDialogIds.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CommonControls.h"

#include <utility>

BEGIN_MESSAGE_MAP(COpeningPicker, CDialog)
ON_CBN_CLOSEUP(IDC_OPENING_TYPE, OnTypeChosen)
ON_CBN_SELCHANGE(IDC_OPENING_TYPE, OnTypeChosen)
END_MESSAGE_MAP()

COpeningPicker::COpeningPicker(UINT templateId, const char* sheet, std::vector<ValueField> fields, CWnd* parent)
    : CDialog(templateId, parent), m_strSheet(sheet), m_fields(std::move(fields))
{
}

COpeningPicker::~COpeningPicker()
{
    CloseSheet();
}

CString COpeningPicker::Loaded(const char* column) const
{
    const auto found = m_loaded.find(column);
    return found == m_loaded.end() ? CString() : found->second;
}

BOOL COpeningPicker::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    const CString path = CatalogueWorkbookPath(AppSettings::Get().PathData);
    if (OpenWorkbookTable(m_Data, path, m_strSheet, "") != 0)
        return TRUE;
    auto* types = static_cast<CComboBox*>(GetDlgItem(IDC_OPENING_TYPE));
    CString text;
    for (int row = 0; row < m_Data.m_nRecordCount; ++row)
    {
        text.Empty();
        m_Data.GetStringValue("Druh otvoru", text, row, -1, 0);
        types->AddString(text);
    }
    for (const ValueField& field : m_fields)
        SetDlgItemText(field.control, field.column);
    OnListFilled(m_Data.m_nRecordCount);
    return TRUE;
}

void COpeningPicker::OnListFilled(int)
{
    static_cast<CComboBox*>(GetDlgItem(IDC_OPENING_TYPE))->SetCurSel(-1);
}

void COpeningPicker::LoadRow(int row)
{
    if (row < 0 || row >= m_Data.m_nRecordCount || !m_Data.IsOpenTable(m_strSheet))
        return;
    for (const ValueField& field : m_fields)
    {
        CString text;
        m_Data.GetStringValue(field.column, text, row, -1, 0);
        m_loaded[field.column] = text;
        SetDlgItemText(field.control, text);
    }
}

void COpeningPicker::OnTypeChosen()
{
    LoadRow(static_cast<CComboBox*>(GetDlgItem(IDC_OPENING_TYPE))->GetCurSel());
}

void COpeningPicker::CloseSheet()
{
    if (m_Data.IsOpenTable(m_strSheet))
        m_Data.CloseTable();
    if (m_Data.IsOpen())
        m_Data.Close();
}

CWindow_K::CWindow_K(CWnd* parent) : COpeningPicker(IDD_WINDOW_K, "Mekr_OtK$", {{"U", IDC_OPENING_U}}, parent) {}

void CWindow_K::OnOK()
{
    OpeningEntry::Instance().U = InputSheet::DecimalOf(Loaded("U"));
    CDialog::OnOK();
}

CWindow_I::CWindow_I(CWnd* parent) : COpeningPicker(IDD_WINDOW_I, "Mekr_OtI$", {{"i", IDC_OPENING_I}}, parent) {}

void CWindow_I::OnOK()
{
    OpeningEntry::Instance().i = InputSheet::DecimalOf(Loaded("i"));
    CDialog::OnOK();
}

BEGIN_MESSAGE_MAP(CWindow_OT, COpeningPicker)
ON_EN_KILLFOCUS(IDC_OPENING_COUNT, OnCountLeft)
END_MESSAGE_MAP()

CWindow_OT::CWindow_OT(CWnd* parent)
    : COpeningPicker(IDD_WINDOW_OT, "Mekr_Ot$",
                     {{"i", IDC_OPENING_I},
                      {"U", IDC_OPENING_U},
                      {"Šířka", IDC_OPENING_WIDTH},
                      {"Výška", IDC_OPENING_HEIGHT},
                      {"Spára", IDC_OPENING_JOINT}},
                     parent)
{
}

void CWindow_OT::OnListFilled(int rows)
{
    auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_OPENING_COUNT_SPIN));
    spin->SetRange32(0, 999);
    spin->SetPos(1);
    SetDlgItemText(IDC_OPENING_COUNT, "1");
    if (rows <= 0)
        return;
    LoadRow(0);
    static_cast<CComboBox*>(GetDlgItem(IDC_OPENING_TYPE))->SetCurSel(0);
}

void CWindow_OT::OnCountLeft()
{
    const int count = InputSheet::IntegerOf(FieldText(*this, IDC_OPENING_COUNT));
    static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_OPENING_COUNT_SPIN))->SetPos(count & 0xFFFF);
}

void CWindow_OT::OnOK()
{
    OnCountLeft();
    OpeningEntry& entry = OpeningEntry::Instance();
    entry.jointLength = InputSheet::IntegerOf(Loaded("Spára"));
    entry.count = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_OPENING_COUNT_SPIN))->GetPos();
    entry.width = InputSheet::IntegerOf(Loaded("Šířka"));
    entry.height = InputSheet::IntegerOf(Loaded("Výška"));
    entry.i = InputSheet::DecimalOf(Loaded("i"));
    entry.U = InputSheet::DecimalOf(Loaded("U"));
    CDialog::OnOK();
}
