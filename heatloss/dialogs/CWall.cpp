#include "heatloss/dialogs/CWall.h"

#include "common/AppSettings.h"
#include "common/CommonRoutines.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/WallEntry.h"
#include "heatloss/dialogs/CWall_K.h"
#include "heatloss/dialogs/CWall_Ti_Vedl.h"
#include "controls/dialogs/DialogSupport.h"
#include "heatloss/dialogs/FieldTexts.h"
#include "heatloss/dialogs/InputDialogIds.h"
#include "platform/core/MessageBox.h"
#include "platform/core/NumberText.h"
#include "platform/core/UserLocale.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CEdit.h"

namespace
{
bool StartsWith(const CString& text, const char* prefix)
{
    return text.Left(int(std::char_traits<char>::length(prefix))) == prefix;
}
} // namespace

const char* const CWall::Kinds[7] = {"SO -stěna venkovní",           "SN -stěna vnitřní",
                                     "SSJ-skleněná stěna jednoduchá", "SSD-skleněná stěna dvojitá",
                                     "Pdl-podlaha",                   "Str-strop",
                                     "Sch-střecha"};

BEGIN_MESSAGE_MAP(CWall, CElementDialog)
ON_BN_CLICKED(IDC_WALL_OK, OnConfirm)
ON_CBN_SELCHANGE(IDC_WALL_KIND, OnKindChanged)
ON_BN_CLICKED(IDC_WALL_OUTER, OnOuter)
ON_BN_CLICKED(IDC_WALL_INNER, OnInner)
ON_EN_CHANGE(IDC_WALL_NEIGHBOUR, OnNeighbourChanged)
ON_CBN_KILLFOCUS(IDC_WALL_WIDTH, OnWidthLeft)
ON_BN_CLICKED(IDC_WALL_PICK_U, OnPickU)
ON_BN_CLICKED(IDC_WALL_PICK_TEMPERATURE, OnPickTemperature)
ON_BN_CLICKED(IDC_WALL_CAD_WIDTH, OnCadWidth)
ON_BN_CLICKED(IDC_WALL_CAD_SECOND, OnCadSecond)
ON_CONTROL_RANGE(EN_SETFOCUS, IDC_WALL_SECOND, IDC_WALL_NEIGHBOUR, OnFieldFocused)
END_MESSAGE_MAP()

CWall::CWall(ProjectModel& model, double roomLength, double roomWidth, double roomHeight, CWnd* parent)
    : CElementDialog(IDD_WALL, parent), m_model(model), m_dRoomLength(roomLength), m_dRoomWidth(roomWidth),
      m_dRoomHeight(roomHeight)
{
    m_pickU = [this](const CString& kind)
    {
        CWall_K constructions(this);
        constructions.m_strKind = kind;
        return int(constructions.DoModal());
    };
    m_pickTemperature = [this]
    {
        CWall_Ti_Vedl picker(m_model.Header.Te, this);
        return int(picker.DoModal());
    };
}

int CWall::RoomTi() const
{
    return m_model.Rooms[m_model.Cursor.room].Ti;
}

CString CWall::Text(int id) const
{
    return FieldText(*this, id);
}

BOOL CWall::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    SetUpCadButtons();
    const auto& wall = m_model.Walls.At(m_model.Cursor.room, m_model.Cursor.wall);
    m_bUpdating = true;
    SetDlgItemText(IDC_WALL_SLOT, WholeText(m_model.Cursor.wall));
    auto* widths = static_cast<CComboBox*>(GetDlgItem(IDC_WALL_WIDTH));
    widths->SetCurSel(widths->AddString(WholeText(wall.length)));
    SetDlgItemText(IDC_WALL_SECOND, WholeText(wall.height));
    SetDlgItemText(IDC_WALL_U, RealText("%3.3lf", wall.U));
    auto* kinds = static_cast<CComboBox*>(GetDlgItem(IDC_WALL_KIND));
    int chosen = -1;
    for (int k = 0; k < 7; ++k)
    {
        kinds->AddString(Kinds[k]);
        if (chosen < 0 && CString(Kinds[k]).Left(wall.code.GetLength()).CompareNoCase(wall.code) == 0 &&
            !wall.code.IsEmpty())
            chosen = k;
    }
    kinds->SetCurSel(chosen);
    // Both differences start from what is stored; the kind then chooses the mode.
    // In long: a project loaded as stored may hold temperatures no room has.
    const long Ti = RoomTi();
    const long outer = Ti - m_model.Header.Te;
    SetDlgItemText(IDC_WALL_OUTER_DIFF, WholeText(outer));
    SetDlgItemText(IDC_WALL_INNER_DIFF, WholeText(wall.temperatureDifference));
    SetDlgItemText(IDC_WALL_NEIGHBOUR, WholeText(Ti - wall.temperatureDifference));
    m_bUpdating = false;
    SetMode(wall.temperatureDifference != outer ? 2 : 1);
    ApplyKind();
    GetDlgItem(IDC_WALL_PICK_U)->EnableWindow(m_pickU != nullptr);
    return TRUE;
}

void CWall::SetUpCadButtons()
{
    SetUpCadButton(m_cadWidth, IDC_WALL_CAD_WIDTH);
    SetUpCadButton(m_cadSecond, IDC_WALL_CAD_SECOND);
}

CString CWall::KindText() const
{
    auto* kinds = static_cast<CComboBox*>(GetDlgItem(IDC_WALL_KIND));
    CString text;
    if (kinds->GetCurSel() >= 0)
        kinds->GetLBText(kinds->GetCurSel(), text);
    return text;
}

void CWall::SetWidths(std::initializer_list<double> widths)
{
    auto* list = static_cast<CComboBox*>(GetDlgItem(IDC_WALL_WIDTH));
    list->ResetContent();
    for (double width : widths)
        list->AddString(RealText("%.0f", width));
}

void CWall::ApplyKind()
{
    const CString kind = KindText();
    if (kind.IsEmpty())
    {
        SetMode(2);
        return;
    }
    auto* widths = static_cast<CComboBox*>(GetDlgItem(IDC_WALL_WIDTH));
    if (StartsWith(kind, "Pdl") || StartsWith(kind, "Str") || StartsWith(kind, "Sch"))
    {
        SetDlgItemText(IDC_WALL_SECOND_LABEL, "Délka");
        SetDlgItemText(IDC_WALL_SECOND, RealText("%.0f", m_dRoomLength));
        SetWidths({m_dRoomWidth});
        widths->SetCurSel(0);
    }
    else
    {
        SetDlgItemText(IDC_WALL_SECOND_LABEL, "Výška");
        SetDlgItemText(IDC_WALL_SECOND, RealText("%.0f", m_dRoomHeight));
        if (widths->GetCurSel() >= 0)
        {
            CString previous;
            widths->GetLBText(widths->GetCurSel(), previous);
            SetWidths({m_dRoomLength, m_dRoomWidth});
            widths->SetCurSel(widths->FindStringExact(-1, previous));
        }
    }
    SetMode(StartsWith(kind, "SO") || StartsWith(kind, "Sch") || StartsWith(kind, "SSD") ? 1 : 2);
}

void CWall::SetMode(int mode)
{
    m_nMode = mode;
    CheckRadioButton(IDC_WALL_OUTER, IDC_WALL_INNER, mode == 1 ? IDC_WALL_OUTER : IDC_WALL_INNER);
    GetDlgItem(IDC_WALL_OUTER_DIFF)->EnableWindow(mode == 1);
    for (int id : {IDC_WALL_INNER_DIFF, IDC_WALL_NEIGHBOUR, IDC_WALL_PICK_TEMPERATURE})
        GetDlgItem(id)->EnableWindow(mode == 2);
}

void CWall::OnKindChanged()
{
    ApplyKind();
}

void CWall::OnOuter()
{
    SetMode(1);
}

void CWall::OnInner()
{
    SetMode(2);
}

void CWall::OnNeighbourChanged()
{
    if (m_bUpdating)
        return;
    m_bUpdating = true;
    SetDlgItemText(IDC_WALL_INNER_DIFF, WholeText(long(RoomTi()) - NumberText::ToInt(Text(IDC_WALL_NEIGHBOUR).str())));
    m_bUpdating = false;
}

// A width typed into the list joins it, chosen.
void CWall::OnWidthLeft()
{
    auto* widths = static_cast<CComboBox*>(GetDlgItem(IDC_WALL_WIDTH));
    const CString typed = Text(IDC_WALL_WIDTH);
    CString chosen;
    if (widths->GetCurSel() >= 0)
        widths->GetLBText(widths->GetCurSel(), chosen);
    if (typed.IsEmpty() || typed == chosen)
        return;
    int index = widths->FindStringExact(-1, typed);
    if (index < 0)
        index = widths->AddString(typed);
    widths->SetCurSel(index);
}

void CWall::OnPickU()
{
    const CString kind = KindText();
    if (kind.IsEmpty() || !m_pickU)
        return;
    CString code = kind.SpanExcluding(" -");
    code.TrimRight();
    if (m_pickU(code) == IDOK)
        SetDlgItemText(IDC_WALL_U, RealText("%.3lf", WallEntry::Instance().U));
}

void CWall::OnPickTemperature()
{
    if (m_pickTemperature && m_pickTemperature() == IDOK)
        SetDlgItemText(IDC_WALL_NEIGHBOUR, WholeText(WallEntry::Instance().neighbourTemperature));
}

void CWall::OnCadWidth()
{
    const double distance = m_cadWidth.PoStiskuVzdal();
    auto* widths = static_cast<CComboBox*>(GetDlgItem(IDC_WALL_WIDTH));
    widths->ResetContent();
    widths->SetCurSel(widths->AddString(distance < 0 ? CString() : RealText("%.0f", distance)));
}

void CWall::OnCadSecond()
{
    const double distance = m_cadSecond.PoStiskuVzdal();
    SetDlgItemText(IDC_WALL_SECOND, distance < 0 ? CString() : RealText("%.0f", distance));
}

void CWall::OnConfirm()
{
    OnWidthLeft();
    auto* widths = static_cast<CComboBox*>(GetDlgItem(IDC_WALL_WIDTH));
    CString widthText;
    if (widths->GetCurSel() >= 0)
        widths->GetLBText(widths->GetCurSel(), widthText);
    const int width = NumberText::ToInt(widthText.str());
    const int second = NumberText::ToInt(Text(IDC_WALL_SECOND).str());
    const double U = NumberText::ToDouble(LocalizeDecimalSeparator(Text(IDC_WALL_U)).str());
    const CString kind = KindText();
    if (kind.IsEmpty())
    {
        CString text;
        text.LoadString(IDS_NOT_FILLED_IN);
        MessageBox(GetSafeHwnd(), text, AppSettings::Get().WarningCaption(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const int differenceField = m_nMode == 1 ? IDC_WALL_OUTER_DIFF : IDC_WALL_INNER_DIFF;
    const int difference = NumberText::ToInt(Text(differenceField).str());
    if (!TypedInRange(InputField::WallLength, width) || NumberText::IsNonFinite(widthText.str()))
    {
        TypedOutOfRange(InputField::WallLength, widthText).Show(GetSafeHwnd());
        if (widths->GetCount() > 0)
            widths->SetCurSel(0);
        GotoDlgCtrl(widths);
        return;
    }
    if (!Accepts(IDC_WALL_SECOND, InputField::WallHeight, second) || !Accepts(IDC_WALL_U, InputField::WallU, U) ||
        !Accepts(differenceField, InputField::WallTemperatureDifference, difference))
        return;
    WallEntry& entry = WallEntry::Instance();
    entry.mode = m_nMode;
    entry.code = kind.Left(3);
    entry.slot = NumberText::ToInt(Text(IDC_WALL_SLOT).str());
    entry.width = width;
    entry.secondDimension = second;
    entry.U = U;
    entry.difference = difference;
    EndDialog(IDOK);
}

int EditWall(ProjectModel& model, double roomLength, double roomWidth, double roomHeight)
{
    CWall dialog(model, roomLength, roomWidth, roomHeight);
    const int result = int(dialog.DoModal());
    if (result != IDOK)
        return result;
    const WallEntry& entry = WallEntry::Instance();
    auto& wall = model.Walls.At(model.Cursor.room, model.Cursor.wall);
    wall.U = entry.U;
    wall.length = entry.width;
    wall.temperatureDifference = entry.difference;
    wall.height = entry.secondDimension;
    wall.code = entry.code;
    return result;
}
