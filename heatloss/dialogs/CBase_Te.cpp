#include "heatloss/dialogs/CBase_Te.h"

#include "common/AppSettings.h"
#include "common/OpenWorkbookTable.h"
#include "heatloss/CatalogueRows.h"
#include "heatloss/ProjectModel.h"
#include "controls/dialogs/DialogSupport.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "platform/core/NumberText.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/MessageMap.h"

namespace
{
const char* const kPlace = "Místo";
const char* const kAltitude = "Nadmořská výška";
const char* const kTe = "Te";
const char* const kWindy = "Větry";

CString Cell(CData& data, const char* column, int row)
{
    CString text;
    data.GetStringValue(column, text, row, -1, 0);
    return text;
}

// The column's visible name; empty when the sheet lacks the column.
CString Caption(CData& data, const char* column)
{
    const int index = data.GetColIndex(column, 0);
    return index >= 0 ? data.m_aColNames[index] : CString();
}
} // namespace

BEGIN_MESSAGE_MAP(CBase_Te, CDialog)
    ON_CBN_CLOSEUP(IDC_TE_PLACES, OnPlaceChosen)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CBase_Te::CBase_Te(CWnd* pParent) : CDialog(IDD_BASE_TE, pParent)
{
}

BOOL CBase_Te::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    ShowControls(*this, {IDOK}, false);
    auto* places = static_cast<CComboBox*>(GetDlgItem(IDC_TE_PLACES));
    places->SetFocus();
    if (OpenWorkbookTable(m_data, CatalogueWorkbookPath(AppSettings::Get().PathData), "Mekr_Te$", "") != 0)
        return FALSE;
    for (int row = 0; row < m_data.m_nRecordCount; ++row)
        places->AddString(Cell(m_data, kPlace, row));
    m_strAltitude = Caption(m_data, kAltitude);
    m_strTe = Caption(m_data, kTe);
    m_strWindy = Caption(m_data, kWindy);
    ShowValues();
    const CString& stored = ProjectModel::Instance().Header.temperatureRegion;
    if (!stored.IsEmpty())
    {
        const int row = places->SelectString(-1, stored);
        if (row >= 0)
            LoadRow(row);
    }
    return FALSE;
}

void CBase_Te::OnPlaceChosen()
{
    const int row = static_cast<CComboBox*>(GetDlgItem(IDC_TE_PLACES))->GetCurSel();
    if (row >= 0 && row < m_data.m_nRecordCount)
        LoadRow(row);
}

void CBase_Te::LoadRow(int row)
{
    ProjectModel::Instance().Header.temperatureRegion = ModelText(Cell(m_data, kPlace, row), 49);
    m_strAltitude = Cell(m_data, kAltitude, row);
    m_strTe = Cell(m_data, kTe, row);
    m_strWindy = Cell(m_data, kWindy, row);
    ShowValues();
    ShowControls(*this, {IDOK}, true);
}

void CBase_Te::ShowValues()
{
    SetDlgItemText(IDC_TE_ALTITUDE, m_strAltitude);
    SetDlgItemText(IDC_TE_VALUE, m_strTe);
    SetDlgItemText(IDC_TE_WINDY, m_strWindy);
}

void CBase_Te::OnOK()
{
    ProjectHeader& header = ProjectModel::Instance().Header;
    header.altitude = ModelText(FieldText(*this, IDC_TE_ALTITUDE), 9);
    header.Te = NumberText::ToInt(FieldText(*this, IDC_TE_VALUE).str());
    header.windyLandscape = ModelText(FieldText(*this, IDC_TE_WINDY), 9);
    CDialog::OnOK();
}

void CBase_Te::OnDestroy()
{
    m_data.CloseTable();
    m_data.Close();
    CDialog::OnDestroy();
}
