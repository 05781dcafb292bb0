#include "floorwall/dialogs/CNavrhStenovky.h"

#include "common/AppSettings.h"
#include "common/OpenWorkbookTable.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/FloorWallIds.h"
#include "floorwall/BillOfMaterials.h"
#include "floorwall/WallDesignStore.h"
#include "floorwall/dialogs/CBilanceMatPodlah.h"
#include "floorwall/dialogs/CIndexyRozdelovace.h"
#include "floorwall/dialogs/CStena.h"
#include "floorwall/dialogs/FloorWallDialogIds.h"
#include "floorwall/dialogs/WallDesignIds.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ResultSheetColumns.h"
#include "controls/dialogs/DialogSupport.h"
#include "hydraulics/dialogs/HydraulicsResource.h"
#include "hydraulics/ui/CDeleniPloch.h"
#include "hydraulics/ui/CircuitGridRows.h"
#include "hydraulics/ui/SizingIds.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/KeyMap.h"
#include "platform/ui/WinApi.h"

#include <algorithm>
#include <initializer_list>

namespace
{
constexpr COLORREF kCellColour = 0xF9FFFF;
constexpr int kRoomColumns = 12;
constexpr int kCircuitColumns = 14;
constexpr int kKeyColumn = 1;     // the room number in both grids
constexpr int kManifoldColumn = 12; // of the circuit grid
constexpr int kRoomStyle = 1;     // the row style of room rows
constexpr int kManifoldTooFull = 13; // the bill's result for a manifold of too many circuits
// The draw formats of the headings: 0 left, 1 centred, 4 vertically centred.
constexpr UINT kLeft = 0;
constexpr UINT kCentre = 1;
constexpr UINT kMiddle = 4;

bool CtrlHeld()
{
    return (GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

CString Text(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

// "Plocha [m2]" with its unit replaced.
CString AreaHeading(const char* unit)
{
    CString text = Text(IDS_WALL_COL_AREA);
    text.Replace("[m2]", unit);
    return text;
}

const int kMarginIds[] = {IDC_WALL_UP_TO_HEIGHT, IDC_WALL_SILL, IDC_WALL_OUTER_CORNER, IDC_WALL_INNER_CORNER,
                          IDC_WALL_ABOVE_FLOOR};
} // namespace

BEGIN_MESSAGE_MAP(CNavrhStenovky, CDialog)
ON_WM_DESTROY()
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_WALL_SUPPLY, IDC_WALL_DROP, OnTemperatureLeft)
ON_CONTROL_RANGE(EN_SETFOCUS, IDC_WALL_SUPPLY, IDC_WALL_DROP, OnTemperatureFocused)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_WALL_OUTER_CORNER, IDC_WALL_UP_TO_HEIGHT, OnMarginLeft)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_WALL_SILL, IDC_WALL_SILL, OnMarginLeft)
ON_BN_CLICKED(IDC_WALL_RECALCULATE, OnRecalculate)
ON_BN_CLICKED(IDC_WALL_MEASURE, OnMeasure)
ON_BN_CLICKED(IDC_WALL_MATERIAL, OnMaterial)
ON_BN_CLICKED(IDC_WALL_MANIFOLDS, OnManifolds)
ON_BN_CLICKED(IDC_WALL_SPREAD, OnSpread)
ON_BN_CLICKED(IDC_WALL_DESIGN_OK, OnConfirm)
ON_NOTIFY(GVN_CLICK, IDC_WALL_ROOM_GRID, OnRoomClick)
ON_NOTIFY(GVN_DBLCLK, IDC_WALL_ROOM_GRID, OnRoomDblClick)
ON_NOTIFY(GVN_RCLICK, IDC_WALL_ROOM_GRID, OnRoomRClick)
ON_NOTIFY(GVN_CLICK, IDC_WALL_CIRCUIT_GRID, OnCircuitClick)
END_MESSAGE_MAP()

CNavrhStenovky::CNavrhStenovky(CWnd* pParent) : CDialog(IDD_NAVRH_STENOVKY, pParent)
{
    const AppSettings& settings = AppSettings::Get();
    m_dSupplyTemperature = settings.DesignFlowTemperature;
    m_dTemperatureDrop = settings.WallTemperatureDrop;
    m_dReturnTemperature = m_dSupplyTemperature - m_dTemperatureDrop;
}

CNavrhStenovky::~CNavrhStenovky()
{
    DeleteRooms();
}

void CNavrhStenovky::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_WALL_SUPPLY, m_dSupplyTemperature);
    DDX_Text(pDX, IDC_WALL_RETURN, m_dReturnTemperature);
    DDX_Text(pDX, IDC_WALL_DROP, m_dTemperatureDrop);
    DDX_Text(pDX, IDC_WALL_UP_TO_HEIGHT, m_dUpToHeight);
    DDX_Text(pDX, IDC_WALL_SILL, m_dSillHeight);
    DDX_Text(pDX, IDC_WALL_OUTER_CORNER, m_dOuterCorner);
    DDX_Text(pDX, IDC_WALL_INNER_CORNER, m_dInnerCorner);
    DDX_Text(pDX, IDC_WALL_ABOVE_FLOOR, m_dAboveFloor);
}

// ---- the design without a window ----

int CNavrhStenovky::LoadProjectData()
{
    m_nLoadResult = 1;
    m_pCurrentRoom = nullptr;
    m_nCurrentRoomRow = -1;
    CString message;
    const int rooms = WallDesignStore::LoadRooms(m_table, m_rooms, message);
    if (rooms != 0 && message.IsEmpty())
        return 1; // the sheet did not open
    if (!message.IsEmpty())
        MessageBox(GetSafeHwnd(), message, AppSettings::Get().ErrorCaption(), MB_OK | MB_ICONSTOP);
    WallDesign::Temperatures t = Temperatures();
    if (WallDesignStore::LoadTemperatures(m_table, t) != 0)
        return 1;
    SetTemperatures(t);
    AppSettings::Get().WallTemperatureDrop = m_dTemperatureDrop;
    m_nLoadResult = rooms;
    return m_nLoadResult;
}

int CNavrhStenovky::SaveProjectData(const CString& columnsFrom)
{
    // A design that was not read whole is not written over the sheet it came from.
    if (m_nLoadResult != 0)
        return 0;
    const int stored = WallDesignStore::Store(m_rooms, Temperatures(), columnsFrom);
    AppSettings::Get().WallTemperatureDrop = m_dTemperatureDrop;
    return stored;
}

void CNavrhStenovky::CalculateRooms()
{
    if (!WallDesign::CalculateRooms(m_rooms, m_dSupplyTemperature, m_dReturnTemperature,
                                    AppSettings::Get().MinimSigmaSten))
        FocusField(IDC_WALL_DROP);
}

int CNavrhStenovky::CheckTemperatures()
{
    const AppSettings& settings = AppSettings::Get();
    WallDesign::Temperatures t = Temperatures();
    const WallDesign::CheckResult result = WallDesign::CheckTemperatures(
        t, settings.HighestRoomTemperature, settings.MinimSigmaSten, settings.MinDifVratOdTi);
    m_dLowestReturn = result.lowestReturn;
    SetTemperatures(t);
    if (result.corrected == WallDesign::Field::None)
        return 0;
    ShowTemperatures();
    const int field = result.corrected == WallDesign::Field::Supply   ? IDC_WALL_SUPPLY
                      : result.corrected == WallDesign::Field::Return ? IDC_WALL_RETURN
                                                                      : IDC_WALL_DROP;
    FocusField(field);
    return 1;
}

void CNavrhStenovky::RecalculateCircuits()
{
    WallDesign::RecalculateCircuits(m_rooms);
    FillRoomGrid();
    FillCircuitGrid();
    MarkModified();
}

bool CNavrhStenovky::MeasureAvailableArea(CMistPodlahVytap& room)
{
    const WallHeatingSettings margins{m_dUpToHeight, m_dAboveFloor, m_dInnerCorner, m_dOuterCorner, m_dSillHeight};
    double area = 0.0;
    const HeatLossMessage message = WallDesign::MeasureAvailableArea(AppSettings::Get().CurrentProjectPath(),
                                                                     room.m_strName, margins, area);
    if (area != room.m_dAvailableArea)
        m_bChanged = true;
    room.m_dAvailableArea = area;
    if (message.IsEmpty())
        return true;
    message.Show(GetSafeHwnd());
    return false;
}

void CNavrhStenovky::SumRoomValues(int manifold, double& area, double& massFlow, double& pressureLoss,
                                   double& output) const
{
    const WallDesign::ManifoldSums sums = WallDesign::SumRoomValues(m_rooms, manifold);
    area = sums.area;
    massFlow = sums.massFlow;
    pressureLoss = sums.pressureLoss;
    output = sums.output;
}

void CNavrhStenovky::DeleteRooms()
{
    for (CMistPodlahVytap* room : m_rooms)
        delete room;
    m_rooms.clear();
    m_pCurrentRoom = nullptr;
}

double CNavrhStenovky::HighestRoomTemperature() const
{
    return WallDesign::HighestRoomTemperature(m_rooms);
}

WallDesign::Temperatures CNavrhStenovky::Temperatures() const
{
    return {m_dSupplyTemperature, m_dReturnTemperature, m_dTemperatureDrop};
}

void CNavrhStenovky::SetTemperatures(const WallDesign::Temperatures& t)
{
    m_dSupplyTemperature = t.supply;
    m_dReturnTemperature = t.ret;
    m_dTemperatureDrop = t.drop;
}

// ---- the window ----

BOOL CNavrhStenovky::OnInitDialog()
{
    m_bUpdating = true;
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    ReplacePlaceholderByGrid(*this, IDC_WALL_ROOM_GRID, m_roomGrid);
    ReplacePlaceholderByGrid(*this, IDC_WALL_CIRCUIT_GRID, m_circuitGrid);

    // Without rooms in the heat-loss input there is nothing to measure the walls of.
    CData input;
    if (OpenWorkbookTable(input, AppSettings::Get().CurrentProjectPath(), ResultSheet::InputSheet, "") == 0)
    {
        if (input.m_nRecordCount < 2)
        {
            EnableControls(*this, {IDC_WALL_UP_TO_HEIGHT, IDC_WALL_SILL, IDC_WALL_OUTER_CORNER, IDC_WALL_INNER_CORNER,
                                   IDC_WALL_ABOVE_FLOOR, IDC_WALL_MEASURE},
                           false);
            GetDlgItem(IDC_WALL_MEASURE)->ShowWindow(SW_HIDE);
        }
        input.CloseTable();
        input.Close();
    }
    auto* system = static_cast<CComboBox*>(GetDlgItem(IDC_WALL_SYSTEM));
    system->AddString(Text(IDS_WALL_SYSTEM_ENTRY));
    if (system->GetCount() > 0)
        system->SetCurSel(0);

    LoadProjectData();
    AppSettings::Get().HighestRoomTemperature = HighestRoomTemperature();
    WallDesign::Temperatures t = Temperatures();
    WallDesign::SetSupply(t, t.supply);
    WallDesign::SetReturn(t, t.ret);
    SetTemperatures(t);
    ShowTemperatures();
    CalculateRooms();
    SetUpGrids();
    FillRoomGrid();
    FillCircuitGrid();
    GetDlgItem(IDC_WALL_SPREAD)->ShowWindow(SW_HIDE);
    m_bChanged = false;
    m_bUpdating = false;
    return TRUE;
}

void CNavrhStenovky::ShowTemperatures()
{
    if (!GetSafeHwnd())
        return;
    SetDlgItemText(IDC_WALL_SUPPLY, WriteNumber("%.1f", m_dSupplyTemperature));
    SetDlgItemText(IDC_WALL_RETURN, WriteNumber("%.1f", m_dReturnTemperature));
    SetDlgItemText(IDC_WALL_DROP, WriteNumber("%.1f", m_dTemperatureDrop));
}

double CNavrhStenovky::ReadField(int id) const
{
    return ReadNumber(FieldText(*this, id));
}

void CNavrhStenovky::FocusField(int id)
{
    if (GetSafeHwnd())
        SelectField(*this, id);
}

void CNavrhStenovky::OnTemperatureLeft(UINT id)
{
    if (m_bUpdating)
        return;
    WallDesign::Temperatures t = Temperatures();
    const double value = ReadField(int(id));
    if (id == IDC_WALL_SUPPLY)
        WallDesign::SetSupply(t, value);
    else if (id == IDC_WALL_RETURN)
        WallDesign::SetReturn(t, value);
    else if (!WallDesign::SetDrop(t, value, AppSettings::Get().MinimSigmaSten))
    {
        // A drop below the least one is refused: back to it, nothing computed.
        FocusField(IDC_WALL_DROP);
        return;
    }
    SetTemperatures(t);
    ShowTemperatures();
    UpdateChain();
}

void CNavrhStenovky::UpdateChain()
{
    m_bUpdating = true;
    CheckTemperatures();
    CalculateRooms();
    RecalculateCircuits();
    m_bUpdating = false;
}

void CNavrhStenovky::OnTemperatureFocused(UINT id)
{
    if (auto* edit = dynamic_cast<CEdit*>(GetDlgItem(int(id))))
        edit->SetSel(0, -1);
}

void CNavrhStenovky::OnMarginLeft(UINT id)
{
    double* margins[] = {&m_dUpToHeight, &m_dSillHeight, &m_dOuterCorner, &m_dInnerCorner, &m_dAboveFloor};
    const auto found = std::find(std::begin(kMarginIds), std::end(kMarginIds), int(id));
    if (found == std::end(kMarginIds))
        return;
    double& margin = *margins[found - std::begin(kMarginIds)];
    const CString text = WriteNumber("%.0f", ReadField(int(id)));
    SetDlgItemText(int(id), text);
    margin = ReadNumber(text);
}

void CNavrhStenovky::SetUpGrids()
{
    const CString roomHeadings[kRoomColumns] = {"#",
                                                Text(IDS_WALL_COL_ROOM_NUMBER),
                                                Text(IDS_WALL_COL_NAME),
                                                Text(IDS_WALL_COL_TI),
                                                "dTH [K]",
                                                Text(IDS_WALL_COL_LOSS),
                                                Text(IDS_WALL_COL_SUPPLY),
                                                "Pl.disp.[m2]",
                                                Text(IDS_WALL_COL_REQUIRED),
                                                "Pl.real.[m]",
                                                Text(IDS_WALL_COL_MISSING),
                                                Text(IDS_WALL_COL_FORMAT)};
    const UINT roomFormats[kRoomColumns] = {kCentre, kMiddle, kLeft,   kCentre, kCentre, kCentre,
                                            kCentre, kCentre, kCentre, kCentre, kCentre, kCentre};
    const CString circuitHeadings[kCircuitColumns] = {"#",
                                                      Text(IDS_WALL_COL_ROOM_NUMBER),
                                                      CString("Č.") + Text(IDS_WALL_COL_CIRCUIT),
                                                      Text(IDS_WALL_COL_FLUX),
                                                      Text(IDS_WALL_COL_OUTPUT),
                                                      AreaHeading("okr."),
                                                      Text(IDS_WALL_COL_COUNT) + " " + Text(IDS_WALL_COL_SEGMENTS),
                                                      AreaHeading("segm."),
                                                      Text(IDS_WALL_COL_SUPPLY),
                                                      Text(IDS_WALL_COL_PIPE_LENGTH),
                                                      Text(IDS_WALL_COL_MASS_FLOW),
                                                      Text(IDS_WALL_COL_PRESSURE_LOSS),
                                                      Text(IDS_WALL_COL_MANIFOLD),
                                                      Text(IDS_WALL_COL_FORMAT)};
    const UINT circuitFormats[kCircuitColumns] = {kCentre, kMiddle, kLeft,   kCentre, kCentre, kCentre, kCentre,
                                                  kCentre, kCentre, kCentre, kCentre, kCentre, kCentre, kCentre};
    const auto setUp = [](CFmtGridCtrl& grid, int columns, const CString* headings, const UINT* formats)
    {
        grid.SetColumnCount(columns);
        grid.SetFixedRowCount(1);
        grid.SetFixedColumnCount(1);
        grid.SetRowCount(1);
        grid.GetDefaultCell(FALSE, FALSE)->SetBackClr(kCellColour);
        grid.SetEditable(FALSE);
        grid.SetRowSelectMode(TRUE);
        for (int column = 0; column < columns; ++column)
        {
            grid.SetItemText(0, column, headings[column]);
            grid.SetItemFormat(0, column, formats[column]);
        }
    };
    setUp(m_roomGrid, kRoomColumns, roomHeadings, roomFormats);
    setUp(m_circuitGrid, kCircuitColumns, circuitHeadings, circuitFormats);
}

void CNavrhStenovky::FillRoomGrid()
{
    if (!m_roomGrid.GetSafeHwnd())
        return;
    m_roomGrid.DeleteNonFixedRows();
    int row = 1;
    for (CMistPodlahVytap* room : m_rooms)
    {
        if (!room || !room->m_nWallHeating)
            continue;
        room->m_nCurrentCircuit = -1;
        room->FillWallGridRow(row++, &m_roomGrid);
    }
    m_roomGrid.AutoSizeColumns();
    m_roomGrid.SetColumnWidth(2, 190);
    m_roomGrid.SetColumnWidth(6, 0);
    m_roomGrid.SetColumnWidth(11, 0);
    m_roomGrid.Invalidate();
}

void CNavrhStenovky::FillCircuitGrid()
{
    if (!m_circuitGrid.GetSafeHwnd())
        return;
    m_circuitGrid.DeleteNonFixedRows();
    int row = 1;
    for (CMistPodlahVytap* room : m_rooms)
    {
        if (!room)
            continue;
        if (room->m_nWallHeating)
            for (CTopnyOkruh* circuit : room->m_wallCircuits)
            {
                if (!circuit)
                    continue;
                circuit->m_dHeatFlux = room->m_dHeatFluxDensity;
                FormatTableCells(*circuit, m_circuitGrid, room->m_strNumber, row++);
            }
        room->m_nCurrentCircuit = -1;
    }
    m_circuitGrid.AutoSizeColumns();
    m_circuitGrid.ApplyColumnFormats(FALSE);
    m_circuitGrid.SetColumnWidth(9, 0);
    m_circuitGrid.SetColumnWidth(13, 0);
    m_circuitGrid.Invalidate();
}

CMistPodlahVytap* CNavrhStenovky::RoomOfNumber(const CString& number) const
{
    for (CMistPodlahVytap* room : m_rooms)
        if (room && room->m_strNumber == number)
            return room;
    return nullptr;
}

CMistPodlahVytap* CNavrhStenovky::RoomOfRow(const CFmtGridCtrl& grid, int row) const
{
    if (row < grid.GetFixedRowCount() || row >= grid.GetRowCount())
        return nullptr;
    return RoomOfNumber(grid.GetItemText(row, kKeyColumn));
}

bool CNavrhStenovky::NumberTaken(const CString& number, const CMistPodlahVytap* except) const
{
    for (const CMistPodlahVytap* room : m_rooms)
        if (room && room != except && room->m_strNumber == number)
            return true;
    return false;
}

bool CNavrhStenovky::AskRoom(CStena& dialog, const CMistPodlahVytap* except)
{
    // A number another room has opens the dialog again with what was entered.
    do
    {
        if (dialog.DoModal() != IDOK)
            return false;
    } while (NumberTaken(dialog.m_strRoomNumber, except));
    return true;
}

void CNavrhStenovky::MarkModified()
{
    AppSettings::Get().Modified[AppSettings::WallArea] = 1;
    m_bChanged = true;
}

void CNavrhStenovky::EditRoom(int row)
{
    CMistPodlahVytap* room = RoomOfRow(m_roomGrid, row);
    if (!room)
        return;
    CStena dialog(this);
    dialog.m_strRoomNumber = room->m_strNumber;
    dialog.m_strRoomName = room->m_strName;
    dialog.m_dRoomTemperature = room->m_dRoomTemperature;
    dialog.m_dHeatDemand = room->m_dWallLoad;
    dialog.m_dConnectionLength = room->m_dOwnLength;
    dialog.m_dAvailableArea = room->m_dAvailableArea;
    if (!AskRoom(dialog, room))
        return;
    room->m_strName = dialog.m_strRoomName;
    room->m_strNumber = dialog.m_strRoomNumber;
    room->m_dRoomTemperature = dialog.m_dRoomTemperature;
    room->m_dOwnLength = dialog.m_dConnectionLength;
    room->m_dWallLoad = dialog.m_dHeatDemand;
    room->m_dAvailableArea = dialog.m_dAvailableArea;
    room->m_strFormat = AppSettings::Get().RowFormats[kRoomStyle];
    m_bChanged = true;
    AppSettings::Get().HighestRoomTemperature = HighestRoomTemperature();
    if (CheckTemperatures() != 0)
        return;
    CalculateRooms();
    FillRoomGrid();
    MarkModified();
    SplitArea(*room, 1);
}

void CNavrhStenovky::AddRoom()
{
    CStena dialog(this);
    if (!AskRoom(dialog, nullptr))
        return;
    auto* room = new CMistPodlahVytap;
    m_rooms.push_back(room);
    room->m_strNumber = dialog.m_strRoomNumber;
    room->m_strName = dialog.m_strRoomName;
    room->m_dRoomTemperature = dialog.m_dRoomTemperature;
    room->m_dWallLoad = dialog.m_dHeatDemand;
    room->m_dHeatLoss = dialog.m_dHeatDemand;
    room->m_dOwnLength = dialog.m_dConnectionLength;
    room->m_dAvailableArea = dialog.m_dAvailableArea;
    room->m_nWallHeating = dialog.m_dHeatDemand > 0.0 ? 1 : 0;
    room->m_strWallSystemCode = AppSettings::Get().ThirdCode;
    room->m_nSystemType = 10;
    m_bChanged = true;
    AppSettings::Get().HighestRoomTemperature = HighestRoomTemperature();
    if (CheckTemperatures() != 0)
        return;
    CalculateRooms();
    FillRoomGrid();
    MarkModified();
}

void CNavrhStenovky::SplitArea(CMistPodlahVytap& room, int recompute)
{
    CDeleniPloch dialog(this);
    dialog.m_pRoom = &room;
    dialog.m_bRecompute = recompute;
    if (dialog.DoModal() != IDOK)
        return;
    room.m_dRealisedArea = dialog.m_dRealisedArea;
    FillRoomGrid();
    FillCircuitGrid();
    MarkModified();
}

void CNavrhStenovky::OnRoomDblClick(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    *pResult = 0;
    const int row = reinterpret_cast<GridNotify*>(pNotifyStruct)->iRow;
    if (row >= m_roomGrid.GetFixedRowCount())
        EditRoom(row);
}

void CNavrhStenovky::OnRoomRClick(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    *pResult = 0;
    const int row = reinterpret_cast<GridNotify*>(pNotifyStruct)->iRow;
    if (!CtrlHeld())
    {
        AddRoom();
        return;
    }
    if (CMistPodlahVytap* room = RoomOfRow(m_roomGrid, row))
        SplitArea(*room, 0);
}

void CNavrhStenovky::OnRoomClick(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    *pResult = 0;
    const int row = reinterpret_cast<GridNotify*>(pNotifyStruct)->iRow;
    if (row < m_roomGrid.GetFixedRowCount() || row >= m_roomGrid.GetRowCount())
        return;
    const CString number = m_roomGrid.GetItemText(row, kKeyColumn);
    int first = -1;
    int last = -1;
    for (int r = m_circuitGrid.GetFixedRowCount(); r < m_circuitGrid.GetRowCount(); ++r)
        if (m_circuitGrid.GetItemText(r, kKeyColumn) == number)
        {
            if (first < 0)
                first = r;
            last = r;
        }
    if (first < 0)
        return;
    m_circuitGrid.SetSelectedRange(first, kKeyColumn, last, kKeyColumn, TRUE);
    m_circuitGrid.EnsureVisible(last, kKeyColumn);
}

void CNavrhStenovky::OnCircuitClick(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    *pResult = 0;
    const int row = reinterpret_cast<GridNotify*>(pNotifyStruct)->iRow;
    if (row < m_circuitGrid.GetFixedRowCount() || row >= m_circuitGrid.GetRowCount())
        return;
    const CString number = m_circuitGrid.GetItemText(row, kKeyColumn);
    for (int r = m_roomGrid.GetFixedRowCount(); r < m_roomGrid.GetRowCount(); ++r)
        if (m_roomGrid.GetItemText(r, kKeyColumn) == number)
        {
            m_roomGrid.SetSelectedRange(r, kKeyColumn, r, kKeyColumn, TRUE);
            m_roomGrid.EnsureVisible(r, kKeyColumn);
            return;
        }
}

bool CNavrhStenovky::DeleteFocusedRoom()
{
    CWnd* focus = CWnd::GetFocus();
    if (!focus || (focus != &m_roomGrid && !m_roomGrid.IsChild(focus)))
        return false;
    const int row = m_roomGrid.GetFocusCell().row;
    CMistPodlahVytap* room = RoomOfRow(m_roomGrid, row);
    if (!room)
        return false;
    const CString item = Text(IDS_WALL_OF_ROOM) + ": " + "  " + m_roomGrid.GetItemText(row, 2);
    if (Ask(IDS_DELETE_QUESTION, item, 2, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return true;
    if (!room->m_nFloorHeating && room->m_radiators.empty())
    {
        m_rooms.erase(std::find(m_rooms.begin(), m_rooms.end(), room));
        delete room;
    }
    else
    {
        Ask(IDS_CANNOT_DELETE_ITEMS, Text(IDS_WALL_OF_ROOM) + " + " + Text(IDS_WALL_FLOOR_HEATING), 0,
            MB_OK | MB_ICONEXCLAMATION);
        room->m_nWallHeating = 0;
    }
    MarkModified();
    FillRoomGrid();
    FillCircuitGrid();
    return true;
}

int CNavrhStenovky::Ask(UINT textId, const CString& argument, UINT captionIndex, UINT type)
{
    CString text;
    text.Format(Text(textId).GetString(), argument.GetString());
    return MessageBox(GetSafeHwnd(), text, AppSettings::Get().Captions[captionIndex], type);
}

BOOL CNavrhStenovky::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && CtrlHeld())
    {
        if (HCURSOR cursor = LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_SIZING_CURSOR)))
        {
            HCURSOR previous = SetCursor(cursor);
            if (!m_bCtrlCursor)
                m_savedCursor = previous;
            m_bCtrlCursor = true;
        }
    }
    else if (pMsg->message == WM_KEYUP && !CtrlHeld() && m_bCtrlCursor)
    {
        SetCursor(m_savedCursor);
        m_bCtrlCursor = false;
    }
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_DELETE && !CtrlHeld() && DeleteFocusedRoom())
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

void CNavrhStenovky::OnRecalculate()
{
    RecalculateCircuits();
}

void CNavrhStenovky::OnMeasure()
{
    const CCellRange range = m_roomGrid.GetSelectedCellRange();
    if (range.GetMinRow() < 0 || range.GetMinCol() < 0 || range.GetMaxRow() < 0 || range.GetMaxCol() < 0 ||
        range.GetMinRow() > range.GetMaxRow() || range.GetMinCol() > range.GetMaxCol())
    {
        Ask(IDS_WALL_NO_SELECTION, CString(), 1, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CMistPodlahVytap* room = RoomOfRow(m_roomGrid, range.GetMinRow());
    if (!room)
        return;
    MeasureAvailableArea(*room);
    FillRoomGrid();
}

void CNavrhStenovky::SelectCircuitRow(int row)
{
    m_circuitGrid.SetFocusCell(row, kManifoldColumn);
    m_circuitGrid.SetSelectedRange(row, 1, row, kManifoldColumn);
    m_circuitGrid.RedrawRow(row);
    m_circuitGrid.EnsureVisible(row, kManifoldColumn);
}

void CNavrhStenovky::OnMaterial()
{
    const int first = m_circuitGrid.GetFixedRowCount();
    if (m_circuitGrid.GetRowCount() <= first)
        return;
    for (int row = first; row < m_circuitGrid.GetRowCount(); ++row)
    {
        if (ReadInteger(m_circuitGrid.GetItemText(row, kManifoldColumn)) >= 1)
            continue;
        SelectCircuitRow(row);
        Ask(IDS_NP_NO_MANIFOLD, m_circuitGrid.GetItemText(row, 2), 0, MB_OK | MB_ICONSTOP);
        return;
    }
    CBilanceMatPodlah bill(this);
    bill.m_pDesignGrid = &m_circuitGrid;
    bill.m_nDesignKind = kBillWall;
    if (bill.DoModal() != kManifoldTooFull)
        return;
    for (int row = first; row < m_circuitGrid.GetRowCount(); ++row)
        if (ReadInteger(m_circuitGrid.GetItemText(row, kManifoldColumn)) == bill.m_nStopManifold)
        {
            SelectCircuitRow(row);
            break;
        }
    CString text;
    text.Format(Text(IDS_NP_MANIFOLD_FULL).GetString(), bill.m_nStopManifold, bill.m_nStopCount);
    MessageBox(GetSafeHwnd(), text, AppSettings::Get().ErrorCaption(), MB_OK | MB_ICONSTOP);
}

void CNavrhStenovky::OnManifolds()
{
    if (m_circuitGrid.GetRowCount() <= m_circuitGrid.GetFixedRowCount())
        return;
    CIndexyRozdelovace dialog(this);
    dialog.m_nMode = kBillWall;
    dialog.m_pRooms = &m_rooms;
    if (dialog.DoModal() != IDOK)
        return;
    FillCircuitGrid();
    MarkModified();
}

void CNavrhStenovky::OnSpread()
{
}

void CNavrhStenovky::OnConfirm()
{
    // An edit whose text is refused keeps the dialog open and stores nothing.
    if (!UpdateData(TRUE))
        return;
    AppSettings& settings = AppSettings::Get();
    settings.StenovDoVysky = m_dUpToHeight;
    settings.StenovOdPodlah = m_dAboveFloor;
    settings.StenovVnitRoh = m_dInnerCorner;
    settings.StenovVnejRoh = m_dOuterCorner;
    settings.StenovParapet = m_dSillHeight;
    settings.WriteWallMargins();
    if (SaveProjectData() != 0)
        return;
    settings.Modified[AppSettings::WallArea] = 1;
    EndDialog(IDOK);
}

void CNavrhStenovky::OnOK()
{
    // Enter neither stores nor closes the design.
}

void CNavrhStenovky::OnCancel()
{
    if (m_bChanged)
    {
        const int answer = Ask(IDS_WALL_SAVE_QUESTION, CString(), 2, MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDYES)
        {
            OnConfirm();
            return;
        }
        if (answer != IDNO)
            return;
    }
    CDialog::OnCancel();
}

void CNavrhStenovky::OnDestroy()
{
    CDialog::OnDestroy();
    DeleteRooms();
}
