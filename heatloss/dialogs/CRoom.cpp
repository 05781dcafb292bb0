#include "heatloss/dialogs/CRoom.h"

#include "common/AppSettings.h"
#include "common/CommonRoutines.h"
#include "heatloss/ModelCapacity.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/RoomEntry.h"
#include "heatloss/dialogs/CRoom_Te.h"
#include "controls/dialogs/DialogSupport.h"
#include "heatloss/dialogs/FieldTexts.h"
#include "heatloss/dialogs/InputDialogIds.h"
#include "platform/core/NumberText.h"
#include "platform/core/UserLocale.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CEdit.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace
{
bool Blank(const CString& text)
{
    return text.str().find_first_not_of(" \t") == std::string::npos;
}
} // namespace

const char* const CRoom::Orientations[8] = {"J", "JZ", "Z", "SZ", "S", "SV", "V", "JV"};

BEGIN_MESSAGE_MAP(CRoom, CElementDialog)
ON_BN_CLICKED(IDC_ROOM_OK, OnConfirm)
ON_BN_CLICKED(IDC_ROOM_PICK_TI, OnPickTemperature)
ON_BN_CLICKED(IDC_ROOM_CAD_LENGTH, OnCadLength)
ON_BN_CLICKED(IDC_ROOM_CAD_WIDTH, OnCadWidth)
ON_BN_CLICKED(IDC_ROOM_CAD_DOORS, OnCadDoors)
ON_EN_CHANGE(IDC_ROOM_LENGTH, OnDimensionChanged)
ON_EN_CHANGE(IDC_ROOM_WIDTH, OnDimensionChanged)
ON_EN_CHANGE(IDC_ROOM_HEIGHT, OnDimensionChanged)
ON_EN_KILLFOCUS(IDC_ROOM_MULTIPLE, OnMultipleLeft)
ON_EN_KILLFOCUS(IDC_ROOM_AIR, OnAirExchangeLeft)
ON_CONTROL_RANGE(EN_SETFOCUS, IDC_ROOM_NUMBER, IDC_ROOM_AIR, OnFieldFocused)
END_MESSAGE_MAP()

CRoom::CRoom(ProjectModel& model, CWnd* parent) : CElementDialog(IDD_ROOM, parent), m_model(model)
{
    m_pickTemperature = [this]
    {
        CRoom_Te picker(m_model.Header.buildingType, this);
        return int(picker.DoModal());
    };
}

int& CRoom::DefaultHeight()
{
    static int height = 0;
    return height;
}

BOOL CRoom::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    SetUpCadButtons();
    auto* orientation = static_cast<CComboBox*>(GetDlgItem(IDC_ROOM_ORIENTATION));
    for (const char* code : Orientations)
        orientation->AddString(code);
    FillFields();
    return TRUE;
}

// Without a CAD program no CAD button shows; with one, length, width and doors can be taken.
void CRoom::SetUpCadButtons()
{
    SetUpCadButton(m_cadNumber, IDC_ROOM_CAD_NUMBER, false);
    SetUpCadButton(m_cadLength, IDC_ROOM_CAD_LENGTH);
    SetUpCadButton(m_cadWidth, IDC_ROOM_CAD_WIDTH);
    SetUpCadButton(m_cadHeight, IDC_ROOM_CAD_HEIGHT, false);
    SetUpCadButton(m_cadDoors, IDC_ROOM_CAD_DOORS);
}

void CRoom::FillFields()
{
    const int r = m_model.Cursor.room;
    const auto& room = m_model.Rooms[r];
    m_bUpdating = true;
    SetDlgItemText(IDC_ROOM_SLOT, WholeText(r));
    SetDlgItemText(IDC_ROOM_NUMBER, room.number);
    SetDlgItemText(IDC_ROOM_NAME, room.name);
    SetDlgItemText(IDC_ROOM_LENGTH, WholeText(room.length));
    SetDlgItemText(IDC_ROOM_WIDTH, WholeText(room.width));
    // A room without a height offers the last accepted one; an unnamed room without doors one
    // door. Both reach the model only with "&OK".
    SetDlgItemText(IDC_ROOM_HEIGHT, WholeText(room.height < 1 ? DefaultHeight() : room.height));
    SetDlgItemText(IDC_ROOM_TI, WholeText(room.Ti));
    const bool oneDoor = room.name.IsEmpty() && room.doors == 0;
    SetDlgItemText(IDC_ROOM_DOORS, WholeText(oneDoor ? 1 : room.doors));
    SetDlgItemText(IDC_ROOM_AIR, WholeText(room.airExchange));
    auto* orientation = static_cast<CComboBox*>(GetDlgItem(IDC_ROOM_ORIENTATION));
    int chosen = 1; // "JZ" for a text that is none of the eight
    for (int k = 0; k < 8; ++k)
        if (room.orientation.CompareNoCase(Orientations[k]) == 0)
            chosen = k;
    orientation->SetCurSel(chosen);
    m_bUpdating = false;
    ShowAreaAndVolume();
    ShowMultipleFromAirExchange();
}

CString CRoom::Text(int id) const
{
    return FieldText(*this, id);
}

double CRoom::Decimal(int id) const
{
    return NumberText::ToDouble(LocalizeDecimalSeparator(Text(id)).str());
}

int CRoom::Whole(int id) const
{
    return NumberText::ToInt(Text(id).Left(9).str());
}

void CRoom::SetText(int id, const char* format, double value)
{
    SetDlgItemText(id, RealText(format, value));
}

double CRoom::Volume() const
{
    return Decimal(IDC_ROOM_LENGTH) * 0.001 * Decimal(IDC_ROOM_WIDTH) * 0.001 * Decimal(IDC_ROOM_HEIGHT) * 0.001;
}

void CRoom::ShowAreaAndVolume()
{
    SetText(IDC_ROOM_AREA, "%.1f", Decimal(IDC_ROOM_LENGTH) * 0.001 * Decimal(IDC_ROOM_WIDTH) * 0.001);
    SetText(IDC_ROOM_VOLUME, "%.1f", Volume());
}

void CRoom::ShowMultipleFromAirExchange()
{
    const double volume = Volume();
    const double air = Decimal(IDC_ROOM_AIR);
    if (volume > 0 && air > 0)
        SetText(IDC_ROOM_MULTIPLE, "%.1f", air / volume);
    else
        SetDlgItemText(IDC_ROOM_MULTIPLE, "0");
}

void CRoom::OnDimensionChanged()
{
    if (m_bUpdating)
        return;
    m_bUpdating = true;
    ShowAreaAndVolume();
    const double multiple = Decimal(IDC_ROOM_MULTIPLE);
    if (multiple > 0)
        SetText(IDC_ROOM_AIR, "%.0f", multiple * Volume());
    m_bUpdating = false;
}

void CRoom::OnMultipleLeft()
{
    if (m_bUpdating)
        return;
    m_bUpdating = true;
    const double multiple = Decimal(IDC_ROOM_MULTIPLE);
    SetText(IDC_ROOM_MULTIPLE, "%.1f", multiple);
    SetText(IDC_ROOM_AIR, "%.0f", Volume() * multiple);
    m_bUpdating = false;
}

void CRoom::OnAirExchangeLeft()
{
    if (m_bUpdating)
        return;
    m_bUpdating = true;
    SetText(IDC_ROOM_AIR, "%.0f", Decimal(IDC_ROOM_AIR));
    ShowMultipleFromAirExchange();
    m_bUpdating = false;
}

void CRoom::OnPickTemperature()
{
    if (m_pickTemperature && m_pickTemperature() == IDOK)
        SetDlgItemText(IDC_ROOM_TI, WholeText(RoomEntry::Instance().Ti));
}

void CRoom::TakeCadDistance(CVorbica& button, int id)
{
    const double distance = button.PoStiskuVzdal();
    if (distance < 0)
        SetDlgItemText(id, "");
    else
        SetText(id, "%.0f", distance);
    OnDimensionChanged();
}

void CRoom::OnCadLength()
{
    TakeCadDistance(m_cadLength, IDC_ROOM_LENGTH);
}

void CRoom::OnCadWidth()
{
    TakeCadDistance(m_cadWidth, IDC_ROOM_WIDTH);
}

void CRoom::OnCadDoors()
{
    const long count = m_cadDoors.PoStiskuVyber();
    SetDlgItemText(IDC_ROOM_DOORS, count < 0 ? CString() : WholeText(count));
}

int CRoom::FirstInvalidText() const
{
    const CString number = Text(IDC_ROOM_NUMBER);
    const CString name = Text(IDC_ROOM_NAME);
    if (Blank(number))
        return IDC_ROOM_NUMBER;
    if (Blank(name))
        return IDC_ROOM_NAME;
    for (int other = 1; other < m_model.Rooms.count; ++other)
    {
        if (other == m_model.Cursor.room)
            continue;
        if (m_model.Rooms[other].number == number)
            return IDC_ROOM_NUMBER;
        if (m_model.Rooms[other].name == name)
            return IDC_ROOM_NAME;
    }
    return 0;
}

bool CRoom::NumbersInRange()
{
    const std::pair<int, InputField> fields[] = {
        {IDC_ROOM_LENGTH, InputField::RoomLength}, {IDC_ROOM_WIDTH, InputField::RoomWidth},
        {IDC_ROOM_HEIGHT, InputField::RoomHeight}, {IDC_ROOM_DOORS, InputField::RoomDoors},
        {IDC_ROOM_TI, InputField::RoomTi},         {IDC_ROOM_AIR, InputField::RoomAirExchange}};
    for (const auto& [id, field] : fields)
        if (!Accepts(id, field, Whole(id)))
            return false;
    return true;
}

void CRoom::OnConfirm()
{
    if (const int invalid = FirstInvalidText())
    {
        Focus(invalid);
        return;
    }
    if (!NumbersInRange())
        return;
    if (static_cast<CComboBox*>(GetDlgItem(IDC_ROOM_ORIENTATION))->GetCurSel() < 0)
    {
        Focus(IDC_ROOM_ORIENTATION);
        return;
    }
    RoomEntry& entry = RoomEntry::Instance();
    entry.slot = m_model.Cursor.room;
    entry.number = ModelText(Text(IDC_ROOM_NUMBER), ROOM_TEXT_CHARS);
    entry.name = ModelText(Text(IDC_ROOM_NAME), ROOM_TEXT_CHARS);
    entry.length = Whole(IDC_ROOM_LENGTH);
    entry.width = Whole(IDC_ROOM_WIDTH);
    entry.height = Whole(IDC_ROOM_HEIGHT);
    entry.doors = Whole(IDC_ROOM_DOORS);
    entry.Ti = Whole(IDC_ROOM_TI);
    entry.airExchange = Whole(IDC_ROOM_AIR);
    auto* orientation = static_cast<CComboBox*>(GetDlgItem(IDC_ROOM_ORIENTATION));
    orientation->GetLBText(orientation->GetCurSel(), entry.orientation);
    DefaultHeight() = entry.height;
    EndDialog(IDOK);
}

int EditRoom(ProjectModel& model)
{
    CRoom dialog(model);
    const int result = int(dialog.DoModal());
    if (result != IDOK)
        return result;
    const RoomEntry& entry = RoomEntry::Instance();
    const int r = model.Cursor.room;
    auto& room = model.Rooms[r];
    room.number = entry.number;
    room.name = entry.name;
    room.length = entry.length;
    room.height = entry.height;
    room.width = entry.width;
    // In long long: a room loaded as stored may hold a Ti no room has.
    const long long step = (long long)entry.Ti - room.Ti;
    if (step != 0)
        for (int w = 1; w < room.wallCount; ++w)
        {
            int& difference = model.Walls.At(r, w).temperatureDifference;
            difference = int(std::clamp<long long>(difference + step, INT_MIN, INT_MAX));
        }
    room.doors = entry.doors;
    room.Ti = entry.Ti;
    room.airExchange = entry.airExchange;
    room.orientation = entry.orientation;
    return result;
}
