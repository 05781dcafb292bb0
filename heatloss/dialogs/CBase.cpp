#include "heatloss/dialogs/CBase.h"

#include "common/AppSettings.h"
#include "heatloss/BasicDataTables.h"
#include "heatloss/BuildingTypeText.h"
#include "heatloss/ProjectInfoFile.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/dialogs/CBase_B.h"
#include "heatloss/dialogs/CBase_P2.h"
#include "heatloss/dialogs/CBase_Te.h"
#include "heatloss/dialogs/CBase_Typ.h"
#include "controls/dialogs/DialogSupport.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/MessageBox.h"
#include "platform/core/NumberText.h"
#include "platform/ui/CDateTimeCtrl.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/MessageMap.h"

#include <cstdio>

namespace
{

constexpr int kClimateControls[] = {IDC_BASE_CLIMATE_GROUP, IDC_BASE_TE_LABEL,   IDC_BASE_TE,         IDC_BASE_ALTITUDE,
                                    IDC_BASE_CHOOSE_TE,     IDC_BASE_PLACE_LABEL, IDC_BASE_PLACE,      IDC_BASE_WINDY,
                                    IDC_BASE_B_LABEL,       IDC_BASE_B,           IDC_BASE_CHOOSE_B,   IDC_BASE_P2_LABEL,
                                    IDC_BASE_P2,            IDC_BASE_CHOOSE_P2,   IDC_BASE_TYPE_LABEL, IDC_BASE_TYPE,
                                    IDC_BASE_CHOOSE_TYPE};

ProjectHeader& Header()
{
    return ProjectModel::Instance().Header;
}

CString Number(const char* format, long value)
{
    CString text;
    text.Format(format, value);
    return text;
}

CString Today()
{
    CString format;
    format.LoadString(IDS_HLD_DATE_FORMAT);
    return COleDateTime::GetCurrentTime().Format(format);
}

// The integer value of at most the first nine characters, as atol reads them.
long IntegerOf(const CString& text)
{
    return NumberText::ToInt(ModelText(text, 9).str());
}

} // namespace

BEGIN_MESSAGE_MAP(CBase, CDialog)
    ON_BN_CLICKED(IDC_BASE_OK, OnOkButton)
    ON_BN_CLICKED(IDC_BASE_CHOOSE_TE, OnChooseTe)
    ON_BN_CLICKED(IDC_BASE_CHOOSE_B, OnChooseB)
    ON_BN_CLICKED(IDC_BASE_CHOOSE_P2, OnChooseP2)
    ON_BN_CLICKED(IDC_BASE_CHOOSE_TYPE, OnChooseType)
    ON_EN_KILLFOCUS(IDC_BASE_TE, OnTeKillFocus)
    ON_BN_CLICKED(IDC_BASE_HEAT_LOSS, OnHeatLoss)
    ON_BN_CLICKED(IDC_BASE_FLOOR, OnFloor)
    ON_BN_CLICKED(IDC_BASE_WALL, OnWall)
    ON_BN_CLICKED(IDC_BASE_PIPES, OnPipes)
    ON_BN_CLICKED(IDC_BASE_CONTINUE, OnContinue)
    ON_EN_CHANGE(IDC_BASE_INVESTOR1, OnFieldChange)
    ON_EN_CHANGE(IDC_BASE_INVESTOR2, OnFieldChange)
    ON_EN_CHANGE(IDC_BASE_BUILDING1, OnFieldChange)
    ON_EN_CHANGE(IDC_BASE_BUILDING2, OnFieldChange)
    ON_EN_CHANGE(IDC_BASE_AUTHOR, OnFieldChange)
    ON_EN_CHANGE(IDC_BASE_ORDER, OnFieldChange)
    ON_EN_CHANGE(IDC_BASE_ARCHIVE, OnFieldChange)
END_MESSAGE_MAP()

CBase::CBase(CWnd* pParent) : CDialog(IDD_BASE, pParent)
{
}

void CBase::BuildingTypeText()
{
    Header().buildingTypeText = ::BuildingTypeText(Header().buildingType);
}

BOOL CBase::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    PrepareHeader();
    ShowHeader();
    UpdateOkButton();
    UpdateBButton();
    ShowClimateGroup(false);
    if (AppSettings::Get().ProjectInfoPath.IsEmpty())
    {
        auto* investor = static_cast<CEdit*>(GetDlgItem(IDC_BASE_INVESTOR1));
        GotoDlgCtrl(investor);
        investor->SetSel(-1, -1);
        return FALSE;
    }
    return TRUE;
}

// With a project-info file the header comes from it once, while the project has neither
// order nor archive number; without one the user types the names.
void CBase::PrepareHeader()
{
    AppSettings& settings = AppSettings::Get();
    ProjectHeader& header = Header();
    if (!settings.ProjectInfoPath.IsEmpty())
    {
        if (!header.orderNumber.IsEmpty() || !header.archiveNumber.IsEmpty())
            return;
        const ProjectInfo info = ProjectInfoFile::ReadProjectInfo(settings.ProjectInfoPath);
        if (!info.message.IsEmpty())
        {
            info.message.Show(GetSafeHwnd());
            return;
        }
        info.ApplyTo(header);
        // The project's place is the caller's to apply, through the document's working copy.
        if (info.projectPath)
            m_strProjectPath = *info.projectPath;
        header.date = Today();
        return;
    }
    for (int id : {IDC_BASE_INVESTOR1, IDC_BASE_BUILDING1})
        static_cast<CEdit*>(GetDlgItem(id))->SetReadOnly(FALSE);
    header.date = Today();
}

void CBase::ShowHeader()
{
    ProjectHeader& header = Header();
    if (header.author.IsEmpty())
        header.author = AppSettings::Get().UserName;
    SetDlgItemText(IDC_BASE_INVESTOR1, header.investor1);
    SetDlgItemText(IDC_BASE_INVESTOR2, header.investor2);
    SetDlgItemText(IDC_BASE_BUILDING1, header.building1);
    SetDlgItemText(IDC_BASE_BUILDING2, header.building2);
    SetDlgItemText(IDC_BASE_AUTHOR, header.author);
    SetDlgItemText(IDC_BASE_ORDER, header.orderNumber);
    SetDlgItemText(IDC_BASE_ARCHIVE, header.archiveNumber);
    SetDlgItemText(IDC_BASE_NOTE, header.note);
    int day = 0, month = 0, year = 0;
    COleDateTime date = COleDateTime::GetCurrentTime();
    if (std::sscanf(header.date.str().c_str(), "%d-%d-%d", &day, &month, &year) == 3)
        date.SetDate(year, month, day);
    static_cast<CDateTimeCtrl*>(GetDlgItem(IDC_BASE_DATE))->SetTime(date);
    ShowClimate();
    SetDlgItemText(IDC_BASE_B, Number("%ld", header.B));
    CString p2;
    p2.Format("%.1f", header.p2);
    SetDlgItemText(IDC_BASE_P2, p2);
    SetDlgItemText(IDC_BASE_TYPE, header.buildingTypeText);
}

void CBase::ShowClimate()
{
    const ProjectHeader& header = Header();
    SetDlgItemText(IDC_BASE_TE, Number("%ld", header.Te));
    SetDlgItemText(IDC_BASE_ALTITUDE, header.altitude);
    SetDlgItemText(IDC_BASE_PLACE, header.temperatureRegion);
    SetDlgItemText(IDC_BASE_WINDY, header.windyLandscape);
}

void CBase::OnOK()
{
    NextDlgCtrl();
}

void CBase::UpdateOkButton()
{
    bool ready = m_nChoice > 0 && !FieldText(*this, IDC_BASE_ORDER).IsEmpty() &&
                 !FieldText(*this, IDC_BASE_AUTHOR).IsEmpty();
    if (ready && m_nChoice == 11)
    {
        for (int id : {IDC_BASE_ALTITUDE, IDC_BASE_B, IDC_BASE_P2, IDC_BASE_TYPE})
            ready = ready && !FieldText(*this, id).IsEmpty();
        ready = ready && IntegerOf(FieldText(*this, IDC_BASE_B)) != 0;
    }
    ShowControls(*this, {IDC_BASE_OK}, ready);
}

void CBase::UpdateBButton()
{
    ShowControls(*this, {IDC_BASE_CHOOSE_B}, !FieldText(*this, IDC_BASE_PLACE).IsEmpty());
}

void CBase::ShowClimateGroup(bool show)
{
    for (int id : kClimateControls)
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(show ? SW_SHOW : SW_HIDE);
    if (show)
        UpdateBButton();
}

void CBase::Choose(int choice, bool climate)
{
    m_nChoice = choice;
    UpdateOkButton();
    ShowClimateGroup(climate);
}

void CBase::OnHeatLoss() { Choose(11, true); }
void CBase::OnFloor() { Choose(12, false); }
void CBase::OnWall() { Choose(13, false); }
void CBase::OnPipes() { Choose(14, false); }

void CBase::OnContinue()
{
    m_nChoice = 15;
    ShowControls(*this, {IDC_BASE_OK}, true);
    ShowClimateGroup(false);
}

void CBase::OnFieldChange()
{
    UpdateOkButton();
}

void CBase::OnTeKillFocus()
{
    // Moving the focus below raises this again; and leaving for "Zrušit" must stay possible.
    if (m_bCheckingTe)
        return;
    CWnd* focus = GetFocus();
    if (focus && focus == GetDlgItem(IDCANCEL))
        return;
    m_bCheckingTe = true;
    const long Te = IntegerOf(FieldText(*this, IDC_BASE_TE));
    if (IsDesignOutdoorTemperature(Te))
    {
        m_bTeValid = 1;
        GetDlgItem(IDC_BASE_OK)->EnableWindow(TRUE);
        SetDlgItemText(IDC_BASE_TE, Number("%ld", Te));
    }
    else
    {
        GetDlgItem(IDC_BASE_OK)->EnableWindow(FALSE);
        auto* field = static_cast<CEdit*>(GetDlgItem(IDC_BASE_TE));
        field->SetWindowText(Number("%ld", Header().Te));
        field->SetSel(0, -1);
        if (m_bTeValid == 1)
        {
            m_bTeValid = 0;
            field->SetFocus();
        }
        else
            GetDlgItem(IDC_BASE_CHOOSE_TE)->SetFocus();
    }
    m_bCheckingTe = false;
}

void CBase::OnChooseTe()
{
    CBase_Te picker(this);
    if (picker.DoModal() == IDOK)
        ShowClimate();
    UpdateOkButton();
    UpdateBButton();
}

void CBase::OnChooseB()
{
    if (Header().windyLandscape.IsEmpty())
    {
        CString text, caption;
        text.LoadString(IDS_HLD_NO_SITE);
        caption.LoadString(IDS_HLD_CAPTION_ERROR);
        MessageBox(GetSafeHwnd(), text, caption, MB_OK | MB_ICONEXCLAMATION);
    }
    else
    {
        CBase_B picker(this);
        if (picker.DoModal() == IDOK)
        {
            SetDlgItemText(IDC_BASE_B, Number("%ld", Header().B));
            // The landscape the user chose for a place the catalogue gives none.
            SetDlgItemText(IDC_BASE_WINDY, Header().windyLandscape);
        }
    }
    UpdateOkButton();
}

void CBase::OnChooseP2()
{
    CBase_P2 picker(this);
    if (picker.DoModal() == IDOK)
    {
        CString p2;
        p2.Format("%1.1lf", Header().p2);
        SetDlgItemText(IDC_BASE_P2, p2);
    }
    UpdateOkButton();
}

void CBase::OnChooseType()
{
    CBase_Typ picker(this);
    if (picker.DoModal() == IDOK)
    {
        BuildingTypeText();
        SetDlgItemText(IDC_BASE_TYPE, Header().buildingTypeText);
    }
    UpdateOkButton();
}

void CBase::OnOkButton()
{
    OnTeKillFocus();
    if (m_bTeValid == 0 && m_nChoice == 11)
        return;
    StoreHeader();
    EndDialog(IDOK);
}

void CBase::StoreHeader()
{
    ProjectHeader& header = Header();
    const auto text = [this](int id, int maxChars) { return ModelText(FieldText(*this, id), maxChars); };
    header.investor1 = text(IDC_BASE_INVESTOR1, 49);
    header.investor2 = text(IDC_BASE_INVESTOR2, 49);
    header.building1 = text(IDC_BASE_BUILDING1, 49);
    header.building2 = text(IDC_BASE_BUILDING2, 49);
    header.author = text(IDC_BASE_AUTHOR, 49);
    header.orderNumber = text(IDC_BASE_ORDER, 49);
    header.archiveNumber = text(IDC_BASE_ARCHIVE, 49);
    header.note = text(IDC_BASE_NOTE, 49);
    COleDateTime date;
    if (static_cast<CDateTimeCtrl*>(GetDlgItem(IDC_BASE_DATE))->GetTime(date))
    {
        CString format;
        format.LoadString(IDS_HLD_DATE_FORMAT);
        header.date = date.Format(format);
    }
    header.B = IntegerOf(FieldText(*this, IDC_BASE_B));
    header.p2 = NumberText::ToDouble(text(IDC_BASE_P2, 9).str());
    header.buildingTypeText = FieldText(*this, IDC_BASE_TYPE);
    header.Te = IntegerOf(FieldText(*this, IDC_BASE_TE));
    header.altitude = text(IDC_BASE_ALTITUDE, 9);
    header.temperatureRegion = text(IDC_BASE_PLACE, 49);
    header.windyLandscape = text(IDC_BASE_WINDY, 9);
}
