#include "heatloss/dialogs/CRoom_Te.h"

#include "common/AppSettings.h"
#include "common/OpenWorkbookTable.h"
#include "heatloss/BuildingTypeText.h"
#include "heatloss/CatalogueRows.h"
#include "heatloss/RoomEntry.h"
#include "controls/dialogs/DialogSupport.h"
#include "heatloss/dialogs/InputDialogIds.h"
#include "platform/core/NumberText.h"
#include "platform/ui/CComboBox.h"

BEGIN_MESSAGE_MAP(CRoom_Te, CDialog)
ON_CBN_CLOSEUP(IDC_ROOMTE_TYPE, OnTypeChosen)
ON_CBN_SELCHANGE(IDC_ROOMTE_TYPE, OnTypeChosen)
END_MESSAGE_MAP()

CRoom_Te::CRoom_Te(int buildingType, CWnd* parent) : CDialog(IDD_ROOM_TE, parent), m_nBuildingType(buildingType) {}

CRoom_Te::~CRoom_Te()
{
    CloseSheet();
}

CString CRoom_Te::SheetOf(int buildingType)
{
    static const char* const sheets[] = {"Mekr_TiOb$", "Mekr_TiAd$", "Mekr_TiSk$", "Mekr_TiZr$",
                                         "Mekr_TiOd$", "Mekr_TiHr$", "Mekr_TiKu$", "Mekr_TiDk$",
                                         "Mekr_TiSb$", "Mekr_TiNl$", "Mekr_TiZs$", "Mekr_TiPs$"};
    return buildingType >= 1 && buildingType <= 12 ? CString(sheets[buildingType - 1]) : CString();
}

BOOL CRoom_Te::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    // OK shows only once a room type is chosen, also when the sheet does not open.
    GetDlgItem(IDOK)->ShowWindow(SW_HIDE);
    const CString path = CatalogueWorkbookPath(AppSettings::Get().PathData);
    if (OpenWorkbookTable(m_Data, path, SheetOf(m_nBuildingType), "") != 0)
        return TRUE;
    auto* types = static_cast<CComboBox*>(GetDlgItem(IDC_ROOMTE_TYPE));
    CString text;
    for (int row = 0; row < m_Data.m_nRecordCount; ++row)
    {
        text.Empty();
        m_Data.GetStringValue("Typ místnosti", text, row, -1, 0);
        types->AddString(text);
    }
    SetDlgItemText(IDC_ROOMTE_TI, "Ti");
    SetDlgItemText(IDC_ROOMTE_HUMIDITY, "Vlhkost");
    const CString typeName = BuildingTypeText(m_nBuildingType);
    if (!typeName.IsEmpty())
        for (int row = 0; row < types->GetCount(); ++row)
        {
            types->GetLBText(row, text);
            if (text.Left(typeName.GetLength()).CompareNoCase(typeName) == 0)
            {
                ShowRow(row);
                break;
            }
        }
    types->SetCurSel(-1);
    GetDlgItem(IDOK)->ShowWindow(SW_HIDE);
    return TRUE;
}

void CRoom_Te::ShowRow(int row)
{
    CString ti, humidity;
    m_Data.GetStringValue("Ti", ti, row, -1, 0);
    m_Data.GetStringValue("Vlhkost", humidity, row, -1, 0);
    SetDlgItemText(IDC_ROOMTE_TI, ti);
    SetDlgItemText(IDC_ROOMTE_HUMIDITY, humidity);
    if (!ti.IsEmpty() || !humidity.IsEmpty())
        GetDlgItem(IDOK)->ShowWindow(SW_SHOW);
}

void CRoom_Te::OnTypeChosen()
{
    const int row = static_cast<CComboBox*>(GetDlgItem(IDC_ROOMTE_TYPE))->GetCurSel();
    if (row >= 0 && m_Data.IsOpenTable(SheetOf(m_nBuildingType)))
        ShowRow(row);
}

// Enter reaches OK while it is hidden too: a Ti is taken only once OK is offered.
void CRoom_Te::OnOK()
{
    if (!GetDlgItem(IDOK)->IsWindowVisible())
        return;
    RoomEntry::Instance().Ti = NumberText::ToInt(FieldText(*this, IDC_ROOMTE_TI).str());
    CloseSheet();
    CDialog::OnOK();
}

void CRoom_Te::CloseSheet()
{
    if (m_Data.IsOpenTable(SheetOf(m_nBuildingType)))
        m_Data.CloseTable();
    if (m_Data.IsOpen())
        m_Data.Close();
}
