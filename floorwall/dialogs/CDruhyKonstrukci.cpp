#include "floorwall/dialogs/CDruhyKonstrukci.h"

#include "common/AppSettings.h"
#include "controls/dialogs/DialogSupport.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/dialogs/FloorBuildUpIds.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/CircuitLabel.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ui/CPrivodOkruhuDlg.h"
#include "hydraulics/ui/CircuitGridRows.h"
#include "platform/core/MessageBox.h"
#include "platform/core/NumberText.h"
#include "platform/ui/CommonControls.h"

#include <cmath>

namespace
{
constexpr COLORREF kGridBackground = 0xF9FFFF;
constexpr int kLayerFields[] = {IDC_TA_COVERING_THICKNESS, IDC_TA_INSULATION_THICKNESS, IDC_TA_SCREED_THICKNESS,
                                IDC_TA_COVERING_CONDUCTIVITY, IDC_TA_INSULATION_CONDUCTIVITY, IDC_TA_SCREED_CONDUCTIVITY,
                                IDC_TA_FACTOR, IDC_TA_COVERING_RESISTANCE, IDC_TA_INSULATION_RESISTANCE,
                                IDC_TA_SCREED_RESISTANCE, IDC_TA_CEILING_RESISTANCE, IDC_TA_PLASTER_RESISTANCE,
                                IDC_TA_SURFACE_RESISTANCE};
// "Z&měnit" opens the layers again, but not the covering, which comes from its catalogue.
constexpr int kChangeableFields[] = {IDC_TA_FACTOR, IDC_TA_INSULATION_CONDUCTIVITY, IDC_TA_SCREED_CONDUCTIVITY,
                                     IDC_TA_SCREED_THICKNESS, IDC_TA_INSULATION_THICKNESS, IDC_TA_SCREED_RESISTANCE,
                                     IDC_TA_CEILING_RESISTANCE, IDC_TA_PLASTER_RESISTANCE,
                                     IDC_TA_INSULATION_RESISTANCE, IDC_TA_SURFACE_RESISTANCE};

// "%9.1f" of an output; a missing output below 1 W in magnitude is shown as none.
CString OutputText(double value)
{
    return WriteNumber("%9.1f", value);
}
} // namespace

BEGIN_MESSAGE_MAP(CDruhyKonstrukci, CDialog)
    ON_BN_CLICKED(IDC_DK_OK, OnOK)
    ON_BN_CLICKED(IDC_DK_CHANGE, OnChange)
    ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_DK_ROOM_GRID, OnRoomBeginEdit)
    ON_NOTIFY(GVN_ENDLABELEDIT, IDC_DK_ROOM_GRID, OnRoomEndEdit)
    ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_DK_CIRCUIT_GRID, OnCircuitBeginEdit)
    ON_NOTIFY(GVN_ENDLABELEDIT, IDC_DK_CIRCUIT_GRID, OnCircuitEndEdit)
END_MESSAGE_MAP()

CDruhyKonstrukci::CDruhyKonstrukci(CWnd* pParent) : CDialog(IDD_DRUHY_KONSTRUKCI, pParent)
{
    m_pageA.m_pSheet = &m_sheet;
    m_sheet.m_pOwner = this;
}

CDruhyKonstrukci::~CDruhyKonstrukci()
{
    delete m_pTips;
}

FloorSystemParameters CDruhyKonstrukci::Parameters() const
{
    FloorSystemParameters p;
    p.chosenType = m_sheet.m_nChosenType;
    p.a = m_pageA.m_values;
    p.buildUpIndex = m_pageA.m_nBuildUpIndex;
    p.buildUpReference = m_pageA.m_strBuildUpReference;
    p.b = m_pageB.m_values;
    p.c = m_pageC.m_values;
    return p;
}

void CDruhyKonstrukci::SetParameters(const FloorSystemParameters& p)
{
    m_sheet.m_nChosenType = p.chosenType;
    m_pageA.m_values = p.a;
    m_pageA.m_nBuildUpIndex = p.buildUpIndex;
    m_pageA.m_strBuildUpReference = p.buildUpReference;
    m_pageB.m_values = p.b;
    m_pageC.m_values = p.c;
}

void CDruhyKonstrukci::LoadSystemParameters(CMistPodlahVytap* room)
{
    if (!room)
        return;
    m_pRoom = room;
    m_sheet.m_pRoom = room;
    FloorSystemParameters p = Parameters();
    ::LoadSystemParameters(*room, p, AppSettings::Get().ProKonstrukci);
    SetParameters(p);
}

void CDruhyKonstrukci::StoreSystemParameters(CMistPodlahVytap* room)
{
    if (room)
        ::StoreSystemParameters(*room, Parameters(), AppSettings::Get().ProKonstrukci);
}

void CDruhyKonstrukci::SetCellNumber(CGridCtrl& grid, int row, int column, const char* format, double value)
{
    grid.SetItemText(row, column, WriteNumber(format, value));
}

double CDruhyKonstrukci::RoomNumberAt(int column) const
{
    return ReadNumber(m_roomGrid.GetItemText(1, column));
}

double CDruhyKonstrukci::CircuitNumberAt(int row, int column) const
{
    return ReadNumber(m_circuitGrid.GetItemText(row, column));
}

void CDruhyKonstrukci::BuildRoomGrid()
{
    struct Column
    {
        CString heading;
        UINT format;
        int width;
    };
    CString required = "Pož.výkon [W]";
    required.Replace("P", "C.p");
    const Column columns[] = {{"Č.míst.", DT_LEFT | DT_VCENTER, 46}, {"Název", DT_LEFT, 90},
                              {"Ti [°C] ", DT_RIGHT, 0},            {"Plocha [m2]", DT_RIGHT, 65},
                              {required, DT_RIGHT, 92},             {"Qpodlaha [W]", DT_RIGHT, 81},
                              {"V.zdroj [W]", DT_RIGHT, 0},         {"Chybí [W]", DT_RIGHT, 62},
                              {"trubka", DT_RIGHT, 44},             {"Délka cizí", DT_RIGHT, 0},
                              {"Soustava", DT_RIGHT, 0},            {"Poč.okruhů", DT_RIGHT, 60},
                              {"Skladba", DT_RIGHT, 98}};
    m_roomGrid.SetEditable(TRUE);
    m_roomGrid.GetDefaultCell(FALSE, FALSE)->SetBackClr(kGridBackground);
    m_roomGrid.SetColumnCount(13);
    m_roomGrid.SetRowCount(2);
    m_roomGrid.SetFixedRowCount(1);
    for (int c = 0; c < 13; ++c)
    {
        m_roomGrid.SetItemText(0, c, columns[c].heading);
        m_roomGrid.SetItemFormat(1, c, columns[c].format);
        m_roomGrid.SetColumnWidth(c, columns[c].width);
    }
    for (int c = RoomMissing; c <= RoomBuildUp; ++c)
        m_roomGrid.SetItemBkColour(1, c, AppSettings::Get().Colours[3]);
}

void CDruhyKonstrukci::FillRoomRow()
{
    const CMistPodlahVytap& room = *m_pRoom;
    m_roomGrid.SetItemText(1, RoomNumber, room.m_strNumber);
    m_roomGrid.SetItemText(1, RoomName, room.m_strName);
    SetCellNumber(m_roomGrid, 1, RoomTi, "%.1f", room.m_dRoomTemperature);
    SetCellNumber(m_roomGrid, 1, RoomArea, "%.2f", room.m_dFloorArea);
    m_roomGrid.SetItemText(1, RoomRequired, OutputText(m_dRequired));
    m_roomGrid.SetItemText(1, RoomFloor, OutputText(m_dFloor));
    m_roomGrid.SetItemText(1, RoomRadiator, OutputText(m_dRadiator));
    ShowMissing();
    CString pipe;
    if (const CTopnyOkruh* circuit = room.CurrentCircuit(); circuit && circuit->m_pPipe)
    {
        pipe.Format("%.1f*%.1f", circuit->m_pPipe->m_dOuterDiameter * 1000.0, circuit->m_pPipe->m_dWallThickness * 1000.0);
        pipe.Replace(CString(NumberText::FormatSeparator()) + "0", "");
    }
    m_roomGrid.SetItemText(1, RoomPipe, pipe);
    SetCellNumber(m_roomGrid, 1, RoomForeign, "%.1f", room.m_dForeignLength);
    CString number;
    number.Format("%d", room.m_nSystemType);
    m_roomGrid.SetItemText(1, RoomSystem, number);
    number.Format("%d", int(room.m_floorCircuits.size()));
    m_roomGrid.SetItemText(1, RoomCircuits, number);
    m_roomGrid.SetItemText(1, RoomBuildUp, room.m_strBuildUpName);
    m_roomGrid.Invalidate();
}

void CDruhyKonstrukci::ShowMissing()
{
    m_roomGrid.SetItemText(1, RoomMissing, OutputText(std::fabs(m_dMissing) < 1.0 ? 0.0 : m_dMissing));
}

void CDruhyKonstrukci::BuildCircuitGrid()
{
    const char* headings[] = {"Označení",     "AA [m2]",      "AR [m2]",    "Qokruh [W]", "q [W/m2]",
                              "Rozteč [m]",   "TFm [°C]",     "L okruh [m]", "L přívod [m]", "L cizí [m]",
                              "TV [°C]",      "TR [°C]",      "",           ""};
    m_circuitGrid.SetEditable(TRUE);
    m_circuitGrid.GetDefaultCell(FALSE, FALSE)->SetBackClr(kGridBackground);
    m_circuitGrid.SetColumnCount(14);
    m_circuitGrid.SetRowCount(1);
    m_circuitGrid.SetFixedRowCount(1);
    for (int c = 0; c < 14; ++c)
        m_circuitGrid.SetItemText(0, c, headings[c]);
}

void CDruhyKonstrukci::FillCircuitRows()
{
    for (const CTopnyOkruh* circuit : m_pRoom->m_floorCircuits)
        if (circuit)
            FormatGridCells(*circuit, -1, m_circuitGrid, false);
    m_circuitGrid.AutoSizeColumns();
    m_circuitGrid.SetColumnWidth(CircuitSupplyText, 0);
    m_circuitGrid.SetColumnWidth(CircuitForeignText, 0);
}

BOOL CDruhyKonstrukci::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    GetDlgItem(IDC_DK_HELP)->ShowWindow(SW_HIDE);
    ReplacePlaceholderByGrid(*this, IDC_DK_ROOM_GRID, m_roomGrid);
    ReplacePlaceholderByGrid(*this, IDC_DK_CIRCUIT_GRID, m_circuitGrid);
    if (m_pRoom)
        m_sheet.m_nChosenType = m_pRoom->m_nSystemType < 1 ? 1 : m_pRoom->m_nSystemType;
    m_sheet.m_pRoom = m_pRoom;
    m_sheet.AddPage(&m_pageA);
    CRect frame;
    GetDlgItem(IDC_DK_SHEET_FRAME)->GetWindowRect(&frame);
    ScreenToClient(&frame);
    m_sheet.Create(this, WS_CHILD | WS_VISIBLE, 0);
    m_sheet.MoveWindow(frame.left, frame.top, frame.Width(), frame.Height());
    if (CWnd* tabs = reinterpret_cast<CWnd*>(m_sheet.GetTabControl()))
        tabs->MoveWindow(0, 0, frame.Width(), frame.Height());
    if (CWnd* set = m_pageA.GetDlgItem(IDC_TA_SET))
    {
        set->EnableWindow(FALSE);
        set->ShowWindow(SW_HIDE);
    }
    for (int id : kLayerFields)
        if (CWnd* field = m_pageA.GetDlgItem(id))
            field->EnableWindow(FALSE);
    if (m_pRoom)
    {
        m_dRequired = m_pRoom->m_dHeatLoss;
        m_dFloor = m_pRoom->m_dFloorLoad;
        m_dRadiator = m_dRadiatorCopy = m_pRoom->m_dRadiatorLoad;
        m_dMissing = m_pRoom->m_dFloorDifference;
    }
    BuildRoomGrid();
    BuildCircuitGrid();
    if (m_pRoom)
    {
        FillRoomRow();
        FillCircuitRows();
    }
    m_pTips = new CToolTipCtrl;
    m_pTips->Create(this);
    m_pTips->AddTool(&m_roomGrid, "hlavní údaje o místnosti");
    m_pTips->AddTool(&m_circuitGrid, "hlavní údaje o okruzích v uvedené místnosti");
    m_pTips->AddTool(GetDlgItem(IDC_DK_OK), "potvrdit správnost všech provedených změn údajů");
    m_pTips->AddTool(GetDlgItem(IDC_DK_HELP), " SOS ");
    m_pTips->AddTool(GetDlgItem(IDCANCEL), "zrušit prováděné změny údajů !!!");
    m_pTips->Activate(TRUE);
    m_roomGrid.SetSelectedRange(1, 0, 1, 0);
    m_roomGrid.SetFocusCell(1, 0);
    m_roomGrid.SetFocus();
    return FALSE;
}

void CDruhyKonstrukci::OnChange()
{
    for (int id : kChangeableFields)
        if (CWnd* field = m_pageA.GetDlgItem(id))
            field->EnableWindow(TRUE);
}

void CDruhyKonstrukci::OnRoomTemperatureChanged()
{
    for (int row = 1; row < m_circuitGrid.GetRowCount(); ++row)
        RecomputeFlux(row);
}

void CDruhyKonstrukci::ReadOutputs()
{
    m_dRequired = RoomNumberAt(RoomRequired);
    m_dFloor = RoomNumberAt(RoomFloor);
    m_dRadiator = RoomNumberAt(RoomRadiator);
}

void CDruhyKonstrukci::RecomputeFlux(int row)
{
    const CircuitShare share{CircuitNumberAt(row, CircuitAA), CircuitNumberAt(row, CircuitAR),
                             CircuitNumberAt(row, CircuitQ)};
    const std::optional<double> flux = CircuitHeatFlux(share);
    m_circuitGrid.SetItemText(row, CircuitFlux, flux ? WriteNumber("%.2f", *flux) : CString(" "));
    const std::optional<double> floor = MeanFloorTemperature(flux, Parameters().RoomTemperature());
    m_circuitGrid.SetItemText(row, CircuitTFm, floor ? WriteNumber("%.1f", *floor) : CString(" "));
    m_circuitGrid.RedrawRow(row);
}

void CDruhyKonstrukci::DistributeByArea()
{
    std::vector<CircuitShare> shares;
    for (int row = 1; row < m_circuitGrid.GetRowCount(); ++row)
        shares.push_back({CircuitNumberAt(row, CircuitAA), CircuitNumberAt(row, CircuitAR),
                          CircuitNumberAt(row, CircuitQ)});
    DistributeByAreaShare(shares, m_dFloor);
    for (int row = 1; row < m_circuitGrid.GetRowCount(); ++row)
    {
        SetCellNumber(m_circuitGrid, row, CircuitQ, "%9.1f", shares[std::size_t(row - 1)].output);
        RecomputeFlux(row);
    }
}

void CDruhyKonstrukci::DistributeByZones()
{
    DistributeByArea();
    std::vector<CircuitShare> shares;
    for (int row = 1; row < m_circuitGrid.GetRowCount(); ++row)
        shares.push_back({CircuitNumberAt(row, CircuitAA), CircuitNumberAt(row, CircuitAR),
                          CircuitNumberAt(row, CircuitQ)});
    DistributeByZoneWeights(shares, m_dFloor);
    for (int row = 1; row < m_circuitGrid.GetRowCount(); ++row)
    {
        SetCellNumber(m_circuitGrid, row, CircuitQ, "%.1f", shares[std::size_t(row - 1)].output);
        RecomputeFlux(row);
    }
}

void CDruhyKonstrukci::FocusRoomCell(int column)
{
    m_roomGrid.SetFocusCell(1, column);
    m_roomGrid.SetSelectedRange(1, column, 1, column);
    m_roomGrid.Invalidate();
}

void CDruhyKonstrukci::FocusCircuitCell(int row, int column)
{
    m_circuitGrid.SetFocusCell(row, column);
    m_circuitGrid.SetSelectedRange(row, column, row, column);
    m_circuitGrid.Invalidate();
}

void CDruhyKonstrukci::OnRoomBeginEdit(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    const int c = notify->iColumn;
    const bool editable = notify->iRow == 1 && (c == RoomNumber || c == RoomName || c == RoomArea ||
                                                c == RoomRequired || c == RoomFloor || c == RoomRadiator ||
                                                c == RoomForeign);
    *pResult = editable ? 0 : -1;
}

void CDruhyKonstrukci::OnRoomEndEdit(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    *pResult = 0;
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    int next = notify->iColumn + 1;
    switch (notify->iColumn)
    {
    case RoomNumber:
    {
        const CString number = m_roomGrid.GetItemText(1, RoomNumber);
        for (int row = 1; row < m_circuitGrid.GetRowCount(); ++row)
            m_circuitGrid.SetItemText(row, CircuitLabelColumn, CircuitLabel(number, row));
        m_circuitGrid.Invalidate();
        next = RoomName;
        break;
    }
    case RoomName:
    case RoomTi:
        next = RoomArea;
        break;
    case RoomArea:
    {
        m_dMissing = 0.0;
        ShowMissing();
        const double area = RoomNumberAt(RoomArea);
        SetCellNumber(m_roomGrid, 1, RoomArea, "%.2f", area);
        if (m_circuitGrid.GetRowCount() == 2)
        {
            SetCellNumber(m_circuitGrid, 1, CircuitAA, "%.2f", area);
            m_circuitGrid.SetItemText(1, CircuitAR, WriteNumber("%.2f", 0.0));
            RecomputeFlux(1);
        }
        next = RoomRequired;
        break;
    }
    case RoomRequired:
        m_dMissing = 0.0;
        ReadOutputs();
        if (m_dFloor <= 0.0)
        {
            m_dFloor = m_dRequired;
            m_roomGrid.SetItemText(1, RoomFloor, OutputText(m_dFloor));
        }
        ReadOutputs();
        ShowMissing();
        DistributeByArea();
        m_roomGrid.SetItemText(1, RoomRequired, OutputText(m_dRequired));
        next = RoomFloor;
        break;
    case RoomFloor:
    case RoomRadiator:
        m_dMissing = 0.0;
        ReadOutputs();
        DistributeByArea();
        m_roomGrid.SetItemText(1, notify->iColumn,
                               OutputText(notify->iColumn == RoomFloor ? m_dFloor : m_dRadiator));
        next = notify->iColumn == RoomFloor ? RoomRadiator : RoomForeign;
        break;
    case RoomForeign:
    {
        CString text = WriteNumber("%f", RoomNumberAt(RoomForeign));
        if (text.Find('.') >= 0 || text.Find(',') >= 0)
        {
            text.TrimRight("0");
            text.TrimRight(".,");
        }
        m_roomGrid.SetItemText(1, RoomForeign, text);
        next = RoomName;
        break;
    }
    default:
        return;
    }
    m_roomGrid.Invalidate();
    FocusRoomCell(next);
}

void CDruhyKonstrukci::OnCircuitBeginEdit(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    const int row = notify->iRow;
    *pResult = -1;
    if (row < 1)
        return;
    switch (notify->iColumn)
    {
    case CircuitAA:
    case CircuitAR:
        m_circuitGrid.SetSelectedRange(row, notify->iColumn, row, notify->iColumn);
        *pResult = 0;
        return;
    case CircuitSupply:
    {
        if (m_aTexts.GetSize() < 1)
            return;
        CPrivodOkruhuDlg supply;
        supply.m_bOfferAll = m_nPrivodVTezeMi;
        supply.m_strCurrentCircuit = m_circuitGrid.GetItemText(row, CircuitLabelColumn);
        supply.m_strSupplyText = m_circuitGrid.GetItemText(row, CircuitSupplyText);
        supply.m_aCircuitNames.Copy(m_aTexts);
        if (supply.DoModal() == IDOK)
        {
            SetCellNumber(m_circuitGrid, row, CircuitSupply, "%.1f", supply.m_dTotalLength);
            m_circuitGrid.SetItemText(row, CircuitSupplyText, supply.m_strSupplyText);
            m_circuitGrid.RedrawRow(row);
        }
        return;
    }
    case CircuitForeign:
    {
        CPrivodOkruhuDlg supply;
        supply.m_bReadOnly = TRUE;
        supply.m_bOfferAll = m_nPrivodVTezeMi;
        supply.m_strCurrentCircuit = m_circuitGrid.GetItemText(row, CircuitLabelColumn);
        supply.m_strSupplyText = m_circuitGrid.GetItemText(row, CircuitForeignText);
        supply.m_aCircuitNames.Copy(m_aTexts);
        supply.DoModal();
        return;
    }
    default:
        return;
    }
}

void CDruhyKonstrukci::OnCircuitEndEdit(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    *pResult = 0;
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    const int row = notify->iRow;
    if (notify->iColumn != CircuitAA && notify->iColumn != CircuitAR)
        return;
    m_dMissing = 0.0;
    ShowMissing();
    SetCellNumber(m_circuitGrid, row, notify->iColumn, "%.2f", CircuitNumberAt(row, notify->iColumn));
    if (notify->iColumn == CircuitAR && m_circuitGrid.GetRowCount() == 2)
        SetCellNumber(m_circuitGrid, 1, CircuitAA, "%.2f", RoomNumberAt(RoomArea) - CircuitNumberAt(1, CircuitAR));
    ReadOutputs();
    DistributeByZones();
    FocusCircuitCell(row, notify->iColumn + 1);
}

BOOL CDruhyKonstrukci::PreTranslateMessage(MSG* pMsg)
{
    if (m_pTips)
        m_pTips->RelayEvent(pMsg);
    if (pMsg->message == WM_KEYDOWN)
    {
        CWnd* focus = CWnd::GetFocus();
        CWnd* parent = focus ? focus->GetParent() : nullptr;
        const bool editingRoom = parent == &m_roomGrid;
        const bool editing = editingRoom || parent == &m_circuitGrid;
        if (editing && pMsg->wParam == VK_TAB)
            pMsg->wParam = VK_RETURN;
        else if (editingRoom && (pMsg->wParam == VK_HOME || pMsg->wParam == VK_END || pMsg->wParam == VK_UP ||
                                 pMsg->wParam == VK_DOWN))
        {
            MoveToRoom(UINT(pMsg->wParam));
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CDruhyKonstrukci::MoveToRoom(UINT key)
{
    if (!m_pRooms || m_pRooms->empty())
        return;
    const std::vector<CMistPodlahVytap*>& rooms = *m_pRooms;
    const CString number = m_roomGrid.GetItemText(1, RoomNumber);
    int current = -1;
    for (std::size_t i = 0; i < rooms.size(); ++i)
        if (rooms[i] && rooms[i] == m_pRoom)
            current = int(i);
    for (std::size_t i = 0; current < 0 && i < rooms.size(); ++i)
        if (rooms[i] && rooms[i]->m_strNumber == number)
            current = int(i);
    const int count = int(rooms.size());
    int target = -1;
    const auto firstFrom = [&](int from, int step) {
        for (int i = from; i >= 0 && i < count; i += step)
            if (rooms[std::size_t(i)])
                return i;
        return -1;
    };
    if (key == VK_HOME)
        target = firstFrom(0, 1);
    else if (key == VK_END)
        target = firstFrom(count - 1, -1);
    else if (key == VK_UP)
        target = current < 0 ? -1 : firstFrom(current - 1, -1);
    else if (key == VK_DOWN)
        target = current < 0 ? -1 : firstFrom(current + 1, 1);
    if (target < 0 || target == current)
        return;
    CMistPodlahVytap* room = rooms[std::size_t(target)];
    m_pRoom = room;
    m_sheet.m_nChosenType = room->m_nSystemType < 1 ? 1 : room->m_nSystemType;
    LoadSystemParameters(room);
    m_pageA.ShowAllValues();
    m_dRequired = room->m_dHeatLoss;
    m_dFloor = room->m_dFloorLoad;
    m_dRadiator = m_dRadiatorCopy = room->m_dRadiatorLoad;
    m_dMissing = room->m_dFloorDifference;
    m_circuitGrid.SetRowCount(1);
    FillRoomRow();
    FillCircuitRows();
    // Edits of the room left are not written: from here the dialog only shows rooms.
    m_bViewing = true;
    for (int id : {IDC_DK_OK, IDC_DK_CHANGE})
        GetDlgItem(id)->EnableWindow(FALSE);
    for (int id : {IDC_TA_ROOM_TEMPERATURE, IDC_TA_BELOW_TEMPERATURE, IDC_TA_BUILD_UP_LIST, IDC_TA_BUILD_UP_EDITOR})
        if (CWnd* control = m_pageA.GetDlgItem(id))
            control->EnableWindow(FALSE);
    m_roomGrid.SetFocus();
}

void CDruhyKonstrukci::OnOK()
{
    if (m_bViewing || !m_pRoom || !m_pRoom->CurrentCircuit())
        return;
    CMistPodlahVytap& room = *m_pRoom;
    const CString number = m_roomGrid.GetItemText(1, RoomNumber);
    if (m_pRooms)
        for (std::size_t i = 0; i < m_pRooms->size(); ++i)
        {
            const CMistPodlahVytap* other = (*m_pRooms)[i];
            if (other && other != m_pRoom && int(i) != m_nRoomIndex && other->m_strNumber == number)
            {
                FocusRoomCell(RoomNumber);
                m_roomGrid.SetFocus();
                return;
            }
        }
    const double required = RoomNumberAt(RoomRequired);
    const double floor = RoomNumberAt(RoomFloor);
    const double missing = RoomNumberAt(RoomMissing);
    const double difference = required - floor;
    if (difference < 0.0)
    {
        FocusRoomCell(RoomRequired);
        m_roomGrid.SetFocus();
        return;
    }
    // The circuits' areas are checked before anything is written.
    double occupied = 0.0;
    double edge = 0.0;
    const int rows = m_circuitGrid.GetRowCount() - 1;
    for (int row = 1; row <= rows; ++row)
    {
        occupied += CircuitNumberAt(row, CircuitAA);
        edge += CircuitNumberAt(row, CircuitAR);
    }
    double area = RoomNumberAt(RoomArea);
    if (area <= 0.0)
        area = occupied + edge;
    if (occupied + edge > area)
    {
        CString text;
        text.LoadString(IDS_DK_AREA_EXCEEDED);
        MessageBox(GetSafeHwnd(), text, AppSettings::Get().ErrorCaption(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }

    if (difference > 0.0)
    {
        if (!room.m_nWallHeating)
            room.m_dRadiatorLoad = difference;
        else if (difference - room.m_dWallLoad > 0.0)
            room.m_dRadiatorLoad = difference - room.m_dWallLoad;
        else
            room.m_dRadiatorLoad = 0.0; // the wall heating covers the rest
    }
    const FloorSystemParameters parameters = Parameters();
    if (parameters.chosenType != 2 && parameters.chosenType != 3)
        AppSettings::Get().ProKonstrukci = m_pageA.m_nBuildUpIndex;
    room.m_nSystemType = parameters.chosenType;
    room.m_strNumber = number;
    room.m_strName = m_roomGrid.GetItemText(1, RoomName);
    room.m_dFloorArea = area;
    room.m_dHeatLoss = required;
    room.m_dFloorLoad = floor;
    room.m_dFloorDifference = missing;
    room.m_nCircuitCount = rows;
    room.m_strFloorSystemCode = AppSettings::Get().KodSysPodl;
    const double roomTemperature = parameters.RoomTemperature();
    double laterOutputs = 0.0;
    for (int row = 1; row <= rows && std::size_t(row - 1) < room.m_floorCircuits.size(); ++row)
    {
        CTopnyOkruh* circuit = room.m_floorCircuits[std::size_t(row - 1)];
        if (!circuit)
            continue;
        const double aa = CircuitNumberAt(row, CircuitAA);
        const double ar = CircuitNumberAt(row, CircuitAR);
        circuit->m_strLabel = m_circuitGrid.GetItemText(row, CircuitLabelColumn);
        circuit->m_dOccupiedArea = circuit->m_dOccupiedAreaRead = aa;
        circuit->m_dEdgeArea = circuit->m_dEdgeAreaRead = ar;
        circuit->m_dRequiredOutput = CircuitNumberAt(row, CircuitQ);
        circuit->m_dHeatFlux = CircuitNumberAt(row, CircuitFlux);
        circuit->m_dSpacing = CircuitNumberAt(row, CircuitSpacing);
        circuit->m_dMeanSurfaceTemperature = CircuitNumberAt(row, CircuitTFm);
        circuit->m_dOwnSupplyLength = CircuitNumberAt(row, CircuitSupply);
        circuit->m_strSupplyChain = m_circuitGrid.GetItemText(row, CircuitSupplyText);
        circuit->m_dLoopLength = CircuitNumberAt(row, CircuitLength);
        circuit->m_dTotalArea = aa + ar;
        if (m_dMissing == 0.0)
            circuit->m_dOutputDifference = 0.0;
        circuit->SetMaxSurfaceTemperature(roomTemperature);
        circuit->m_nSeparateEdgeZone = aa > 0.0 && ar > 0.0 ? 1 : 0;
        if (row > 1)
            laterOutputs += circuit->m_dRequiredOutput;
    }
    room.m_dOccupiedArea = occupied;
    room.m_dEdgeArea = edge;
    if (!room.m_floorCircuits.empty() && room.m_floorCircuits[0])
        room.m_floorCircuits[0]->m_dInsulationOnlyArea = std::max(area - (occupied + edge), 0.0);
    room.m_dLaterCircuitsOutput = laterOutputs;
    EndDialog(IDOK);
}
