#include "floorwall/dialogs/CNavrhPodlahovky.h"
#include "controls/dialogs/DialogSupport.h"
#include "hydraulics/ui/SizingIds.h"
#include "platform/core/Resources.h"
#include "platform/ui/InputRouter.h"

#include "common/AppSettings.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/dialogs/CBilanceMatPodlah.h"
#include "floorwall/dialogs/CDruhyKonstrukci.h"
#include "floorwall/dialogs/DesignGridRows.h"
#include "floorwall/dialogs/FloorSettingsRun.h"
#include "floorwall/dialogs/FloorWallDialogIds.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ui/CircuitGridRows.h"
#include "platform/core/MessageBox.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/ui/KeyMap.h"

#include <algorithm>

namespace
{
constexpr int kColumns = 35;
constexpr int kLabelColumn = 0;
constexpr int kFluxColumn = 17;
constexpr int kSpacingColumn = 18;
constexpr int kLoopColumn = 19;
constexpr int kSupplyColumn = 20;
constexpr int kManifoldColumn = 30;
constexpr int kFloorKind = 11;
constexpr int kManifoldFull = 13;
constexpr COLORREF kGridBackground = 0xF9FFFF;
constexpr int kHiddenColumns[] = {8, 11, 12, 13, 22, 25, 28, 29, 31, 32, 33, 34};
constexpr int kCommandButtons[] = {IDC_NP_MANIFOLDS, IDC_NP_DESIGN, IDC_NP_SAVE, IDC_NP_MATERIALS, IDC_NP_EDIT};
constexpr int kAllButtons[] = {IDC_NP_MANIFOLDS, IDC_NP_DESIGN,    IDC_NP_RECALCULATE, IDC_NP_EDIT, IDC_NP_SAVE,
                               IDC_NP_MATERIALS, IDOK,             IDCANCEL,           IDC_NP_HELP};

CString Loaded(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

void HideColumns(CFmtGridCtrl& grid)
{
    for (int column : kHiddenColumns)
        grid.SetColumnWidth(column, 0);
}
} // namespace

BEGIN_MESSAGE_MAP(CNavrhPodlahovky, CResizableDialog)
    ON_BN_CLICKED(IDC_NP_DESIGN, OnDesign)
    ON_BN_CLICKED(IDC_NP_RECALCULATE, OnRecalculate)
    ON_BN_CLICKED(IDC_NP_SAVE, OnSaveData)
    ON_BN_CLICKED(IDC_NP_MANIFOLDS, OnManifolds)
    ON_BN_CLICKED(IDC_NP_MATERIALS, OnMaterials)
    ON_BN_CLICKED(IDC_NP_EDIT, OnEditCircuit)
    ON_NOTIFY(GVN_DBLCLK, IDC_NP_GRID, OnGridDoubleClick)
    ON_NOTIFY(GVN_RCLICK, IDC_NP_GRID, OnGridRightClick)
    ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_NP_GRID, OnBeginEdit)
    ON_NOTIFY(GVN_ENDLABELEDIT, IDC_NP_GRID, OnEndEdit)
END_MESSAGE_MAP()

CNavrhPodlahovky::Tools CNavrhPodlahovky::DefaultTools()
{
    Tools tools;
    tools.editSettings = [](int lock) { return RunFloorCalculationSettings(lock); };
    tools.bill = [](CFmtGridCtrl& grid, int kind, int pipeItem, int& manifold, int& count) {
        CBilanceMatPodlah bill;
        bill.m_pDesignGrid = &grid;
        bill.m_nDesignKind = kind;
        bill.m_nPipeItem = pipeItem;
        const int result = int(bill.DoModal());
        manifold = bill.m_nStopManifold;
        count = bill.m_nStopCount;
        return result;
    };
    tools.editRoom = [](CMistPodlahVytap& room, std::vector<CString>& labels, std::vector<CMistPodlahVytap*>& rooms,
                        int index) {
        CDruhyKonstrukci dialog;
        dialog.m_pRooms = &rooms;
        dialog.m_nRoomIndex = index;
        for (const CString& label : labels)
            dialog.m_aTexts.Add(label);
        dialog.m_nPrivodVTezeMi = AppSettings::Get().PrivodVTezeMi;
        dialog.LoadSystemParameters(&room);
        const int result = int(dialog.DoModal());
        if (result == IDOK)
            dialog.StoreSystemParameters(&room);
        return result;
    };
    return tools;
}

CNavrhPodlahovky::Tools& CNavrhPodlahovky::DesignTools()
{
    static Tools tools = DefaultTools();
    return tools;
}

CNavrhPodlahovky::CNavrhPodlahovky(CWnd* parent) : CResizableDialog(IDD_NAVRH_PODLAHOVKY, parent) {}

CNavrhPodlahovky::~CNavrhPodlahovky() = default;

CString CNavrhPodlahovky::ErrorCaption()
{
    return AppSettings::Get().ErrorCaption();
}

int CNavrhPodlahovky::Box(const CString& text, UINT type, const CString& caption)
{
    return MessageBox(GetSafeHwnd(), text, caption, type);
}

int CNavrhPodlahovky::Error(const CString& text)
{
    return Box(text, MB_OK | MB_ICONSTOP, ErrorCaption());
}

void CNavrhPodlahovky::ShowButton(int id, bool show)
{
    if (CWnd* button = GetDlgItem(id))
        button->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

BOOL CNavrhPodlahovky::OnInitDialog()
{
    CResizableDialog::OnInitDialog();
    SetProgramIcon(*this);
    ShowButton(IDC_NP_HELP, false);
    ShowButton(IDC_NP_RECALCULATE, false);
    ReplacePlaceholderByGrid(*this, IDC_NP_GRID, m_grid);
    AddAnchor(m_grid.GetSafeHwnd(), TOP_LEFT, BOTTOM_RIGHT);
    for (int id : kAllButtons)
        if (CWnd* button = GetDlgItem(id))
            AddAnchor(button->GetSafeHwnd(), BOTTOM_RIGHT);
    if (!m_rectPlacement.IsRectEmpty())
        SetWindowPos(&wndTop, m_rectPlacement.left, m_rectPlacement.top, m_rectPlacement.Width(),
                     m_rectPlacement.Height(), SWP_SHOWWINDOW);
    m_design.m_bDesigned = 0;
    SetDlgItemText(IDC_NP_MATERIALS, "&" + Loaded(IDS_NP_MATERIAL));
    m_design.TakeSmallestSpacing();
    SetupGrid();
    m_design.CollectRouteRooms();
    SelectCriticalRow();
    if (m_design.m_bResultsShown)
        ShowButton(IDC_NP_EDIT, true);
    else
        ShowButton(IDC_NP_EDIT, false);
    RestoreDesignState();
    UpdateDesignButton();
    UpdateButtons();
    m_grid.SetFocus();
    // A design read only in part says so once, as it opens; its Save stays refused.
    if (m_design.m_bLoadStopped && !m_design.m_strLoadError.IsEmpty())
        Error(m_design.m_strLoadError);
    return FALSE;
}

void CNavrhPodlahovky::SetupGrid()
{
    for (int column = 0; column < kColumns; ++column)
    {
        const UINT format = column == 0   ? DT_VCENTER | DT_SINGLELINE
                            : column == 1 ? DT_LEFT | DT_VCENTER | DT_SINGLELINE
                                          : DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
        m_grid.InsertColumn(Loaded(IDS_NP_COLUMN_FIRST + UINT(column)), format, -1);
    }
    m_grid.SetRowCount(1);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(2);
    m_grid.SetRowSelectMode(TRUE);
    m_grid.SetEditable(FALSE);
    if (CGridDefaultCell* cell = m_grid.GetDefaultCell(FALSE, FALSE))
        cell->SetBackClr(kGridBackground);
    for (int column = 0; column < kColumns; ++column)
        m_grid.m_aColumnNames.Add(Loaded(IDS_NP_COLUMN_FIRST + UINT(column)));
    HideColumns(m_grid);
}

void CNavrhPodlahovky::FillGrid()
{
    m_grid.DeleteNonFixedRows();
    int row = 1;
    for (CMistPodlahVytap* room : m_design.m_rooms)
    {
        if (!FloorDesign::IsActive(room))
            continue;
        room->m_nCurrentCircuit = 0;
        FillFloorGridRow(*room, row++, m_grid);
        if (!m_design.m_bShowAllRows)
            continue;
        for (size_t i = 1; i < room->m_floorCircuits.size(); ++i)
            if (const CTopnyOkruh* circuit = room->m_floorCircuits[i])
                FormatDesignGridRow(*circuit, row++, m_grid, room->m_dRoomTemperature);
    }
    m_grid.Refresh();
}

void CNavrhPodlahovky::SelectRow(int row)
{
    if (row < m_grid.GetFixedRowCount() || row >= m_grid.GetRowCount())
        return;
    m_grid.SetSelectedRange(row, 0, row, m_grid.GetColumnCount() - 1);
    m_grid.SetFocusCell(row, 1);
    m_grid.EnsureVisible(row, 0);
    m_grid.RedrawRow(row);
}

void CNavrhPodlahovky::SelectCriticalRow()
{
    FillGrid();
    if (!m_design.FindCriticalCircuit())
        return;
    // The critical circuit's row: the rows of the rooms before its room, then its own position.
    int row = 1;
    for (const CMistPodlahVytap* room : m_design.m_rooms)
    {
        if (!FloorDesign::IsActive(room))
            continue;
        if (room->m_nRouteRoomIndex == m_design.m_nCriticalRoom)
        {
            row += m_design.m_nCriticalCircuit;
            break;
        }
        row += m_design.m_bShowAllRows ? std::max<int>(1, int(room->m_floorCircuits.size())) : 1;
    }
    SelectRow(row);
    m_grid.AutoSizeColumns();
    HideColumns(m_grid);
}

void CNavrhPodlahovky::RestoreDesignState()
{
    if (!m_design.HasDesign())
        return;
    SetDlgItemText(IDC_NP_DESIGN, Loaded(IDS_NP_USER_DESIGN));
    m_design.m_bDesigned = 1;
    m_design.m_nUserMode = 1;
    m_design.m_bResultsShown = 1;
    ShowButton(IDC_NP_EDIT, true);
    ShowButton(IDC_NP_RECALCULATE, true);
}

void CNavrhPodlahovky::UpdateDesignButton()
{
    if (CWnd* button = GetDlgItem(IDC_NP_DESIGN))
        button->EnableWindow(m_design.m_bAreaError || m_design.SplitSupplyCrossesCircuits() ? FALSE : TRUE);
}

void CNavrhPodlahovky::UpdateButtons()
{
    for (int id : kCommandButtons)
        if (CWnd* button = GetDlgItem(id))
            button->EnableWindow(m_design.m_bAreaError ? FALSE : TRUE);
    // Rooms that were never read must not be written over.
    if (m_design.m_bLoadStopped)
        if (CWnd* save = GetDlgItem(IDC_NP_SAVE))
            save->EnableWindow(FALSE);
    if (!m_design.m_bAreaError)
        UpdateDesignButton();
}

void CNavrhPodlahovky::ShowRunMessages()
{
    if (!m_design.m_strError.IsEmpty())
        Error(m_design.m_strError);
    const CString warnings = m_design.WarningText();
    if (!warnings.IsEmpty())
        Box(warnings, MB_OK | MB_ICONEXCLAMATION, AppSettings::Get().WarningCaption());
    UpdateButtons();
}

bool CNavrhPodlahovky::ConfirmSettings()
{
    AppSettings& settings = AppSettings::Get();
    settings.RangeMessages = 0;
    settings.HighestRoomTemperature = m_design.HighestRoomTemperature();
    settings.SkipFloorSettings = 0;
    const auto& edit = DesignTools().editSettings;
    return !edit || edit(0) == IDOK;
}

void CNavrhPodlahovky::OnDesign()
{
    if (!m_design.m_bDesigned)
    {
        const CString question = m_design.SigmaQuestion();
        if (!question.IsEmpty()
            && Box(question, MB_YESNO | MB_ICONQUESTION, AppSettings::Get().WarningCaption()) != IDYES)
            m_design.ResetDesignTemperaturesFromPair();
    }
    m_design.m_nUserMode = 0;
    if (m_design.m_bDesigned)
    {
        if (!ConfirmSettings())
            return;
        m_design.m_nUserMode = 1;
    }
    BeginWaitCursor();
    const int result = m_design.Design();
    EndWaitCursor();
    if (m_design.m_bDesigned)
    {
        SetDlgItemText(IDC_NP_DESIGN, Loaded(IDS_NP_USER_DESIGN));
        ShowButton(IDC_NP_EDIT, true);
    }
    if (result == 0)
    {
        FillGrid();
        ShowButton(IDC_NP_RECALCULATE, true);
    }
    ShowRunMessages();
}

void CNavrhPodlahovky::OnRecalculate()
{
    if (!ConfirmSettings())
        return;
    BeginWaitCursor();
    const int result = m_design.Recalculate();
    EndWaitCursor();
    if (result == 0)
        FillGrid();
    ShowRunMessages();
}

void CNavrhPodlahovky::OnSaveData()
{
    if (m_design.m_bLoadStopped)
    {
        Error(Loaded(IDS_NP_SAVE_BLOCKED));
        return;
    }
    BeginWaitCursor();
    const int failed = m_design.SaveProjectData();
    EndWaitCursor();
    if (failed)
    {
        if (!m_design.m_strError.IsEmpty())
            Error(m_design.m_strError);
        return;
    }
    AppSettings::Get().Modified[AppSettings::General] = 1;
    AppSettings::Get().Modified[AppSettings::FloorArea] = 1;
    m_design.m_bUnsaved = 0;
}

bool CNavrhPodlahovky::MayClose()
{
    if (!m_design.m_bUnsaved || m_design.m_bLoadStopped)
        return true;
    const int answer = Box(Loaded(IDS_NP_SAVE_CHANGES), MB_YESNOCANCEL | MB_ICONQUESTION,
                           AppSettings::Get().WarningCaption());
    if (answer == IDCANCEL)
        return false;
    if (answer == IDYES)
    {
        OnSaveData();
        return m_design.m_bUnsaved == 0; // a save that failed keeps the dialog open
    }
    return true;
}

void CNavrhPodlahovky::OnOK()
{
    if (MayClose())
        CResizableDialog::OnOK();
}

void CNavrhPodlahovky::OnCancel()
{
    if (MayClose())
        CResizableDialog::OnCancel();
}

void CNavrhPodlahovky::OnManifolds()
{
    if (m_grid.GetRowCount() <= m_grid.GetFixedRowCount())
        return;
    const auto& edit = DesignTools().editManifolds;
    if (!edit)
    {
        Box(Loaded(IDS_NP_NOT_AVAILABLE), MB_OK | MB_ICONINFORMATION, AppSettings::Get().WarningCaption());
        return;
    }
    if (edit(m_design.m_rooms, kFloorKind) == IDOK)
    {
        FillGrid();
        m_design.m_bUnsaved = 1;
    }
}

int CNavrhPodlahovky::CheckManifoldIndices()
{
    const int first = m_grid.GetFixedRowCount();
    if (m_grid.GetRowCount() <= first)
        return 1;
    for (int row = first; row < m_grid.GetRowCount(); ++row)
    {
        if (ReadInteger(m_grid.GetItemText(row, kManifoldColumn)) >= 1)
            continue;
        const double spacing = ReadNumber(m_grid.GetItemText(row, kSpacingColumn));
        const double loop = ReadNumber(m_grid.GetItemText(row, kLoopColumn));
        const double supply = ReadNumber(m_grid.GetItemText(row, kSupplyColumn));
        if (spacing > 0.0 && !(loop > 0.0) && !(supply > 0.0))
            continue;
        m_grid.SetFocusCell(row, kManifoldColumn);
        m_grid.SetSelectedRange(row, 0, row, kManifoldColumn);
        m_grid.RedrawRow(row);
        m_grid.EnsureVisible(row, kManifoldColumn);
        CString text;
        text.Format(Loaded(IDS_NP_NO_MANIFOLD), m_grid.GetItemText(row, kLabelColumn).GetString());
        Error(text);
        return 1;
    }
    return 0;
}

void CNavrhPodlahovky::OnMaterials()
{
    if (CheckManifoldIndices())
        return;
    const auto& bill = DesignTools().bill;
    if (!bill)
    {
        Box(Loaded(IDS_NP_NOT_AVAILABLE), MB_OK | MB_ICONINFORMATION, AppSettings::Get().WarningCaption());
        return;
    }
    int manifold = 0;
    int count = 0;
    if (bill(m_grid, kFloorKind, m_design.LastPipeItem(), manifold, count) != kManifoldFull)
        return;
    for (int row = m_grid.GetFixedRowCount(); row < m_grid.GetRowCount(); ++row)
        if (ReadInteger(m_grid.GetItemText(row, kManifoldColumn)) == manifold)
        {
            m_grid.SetFocusCell(row, kManifoldColumn);
            m_grid.SetSelectedRange(row, 0, row, kManifoldColumn);
            m_grid.RedrawRow(row);
            m_grid.EnsureVisible(row, kManifoldColumn);
            break;
        }
    CString text;
    text.Format(Loaded(IDS_NP_MANIFOLD_FULL), manifold, count);
    Error(text);
}

void CNavrhPodlahovky::OnEditCircuit()
{
    const CCellRange range = m_grid.GetSelectedCellRange();
    if (!range.IsValid() || range.GetMinRow() < m_grid.GetFixedRowCount())
    {
        Error(Loaded(IDS_NP_NO_CIRCUIT));
        return;
    }
    EditCircuit(range.GetMinRow());
}

void CNavrhPodlahovky::EditCircuit(int row)
{
    SelectRow(row);
    int roomIndex = -1;
    if (!m_design.FindCircuitByLabel(m_grid.GetItemText(row, kLabelColumn), roomIndex))
        return;
    const auto& edit = DesignTools().editCircuit;
    if (!edit)
    {
        Box(Loaded(IDS_NP_NOT_AVAILABLE), MB_OK | MB_ICONINFORMATION, AppSettings::Get().WarningCaption());
        return;
    }
    const double flux = ReadNumber(m_grid.GetItemText(row, kFluxColumn));
    int largest = 1;
    for (int other = m_grid.GetFixedRowCount(); other < m_grid.GetRowCount(); ++other)
        if (ReadNumber(m_grid.GetItemText(other, kFluxColumn)) > flux)
            largest = 0;
    if (edit(*m_design.m_rooms[size_t(roomIndex)], m_design.m_calc, m_design.m_dReferenceValue, largest) != IDOK)
        return;
    m_design.CollectForeignPipeGains();
    m_design.ComputeUncoveredLoads();
    m_design.SumUncoveredLoads();
    FillGrid();
    m_grid.SetSelectedRange(row, 0, row, 29);
    m_design.m_bUnsaved = 1;
}

void CNavrhPodlahovky::AfterRoomEdit(int row)
{
    if (m_design.CheckForeignPipeAreas() && !m_design.m_strError.IsEmpty())
        Error(m_design.m_strError);
    m_design.ResetRoomSums();
    m_design.CollectForeignPipeGains();
    m_design.DistributeRoomLoads(1);
    FillGrid();
    SelectRow(row);
    AppSettings::Get().Modified[AppSettings::FloorArea] = 1;
    m_design.m_bUnsaved = 1;
    UpdateButtons();
}

void CNavrhPodlahovky::EditRoom(int row)
{
    int index = -1;
    CMistPodlahVytap* room = m_design.FindRoomOfLabel(m_grid.GetItemText(row, kLabelColumn), index);
    if (!room)
        return;
    const auto& edit = DesignTools().editRoom;
    if (!edit)
    {
        Box(Loaded(IDS_NP_NOT_AVAILABLE), MB_OK | MB_ICONINFORMATION, AppSettings::Get().WarningCaption());
        return;
    }
    m_design.BuildNameLists(0);
    if (edit(*room, m_design.m_circuitLabels, m_design.m_rooms, index) == IDOK)
        AfterRoomEdit(row);
}

int CNavrhPodlahovky::AddRoomOrCircuit(int, CMistPodlahVytap* room)
{
    const auto& edit = DesignTools().editRoom;
    if (!edit)
    {
        Box(Loaded(IDS_NP_NOT_AVAILABLE), MB_OK | MB_ICONINFORMATION, AppSettings::Get().WarningCaption());
        return 0;
    }
    const auto found = std::find(m_design.m_rooms.begin(), m_design.m_rooms.end(), room);
    m_design.BuildNameLists(0);
    if (edit(*room, m_design.m_circuitLabels, m_design.m_rooms, int(found - m_design.m_rooms.begin())) != IDOK)
        return 0;
    AfterRoomEdit(m_design.CountCircuits() + 1);
    return 1;
}

void CNavrhPodlahovky::NewRoom(int position)
{
    auto* room = new CMistPodlahVytap;
    room->m_nFloorHeating = 1;
    room->m_dRoomTemperature = 20.0;
    auto* circuit = new CTopnyOkruh;
    circuit->BuildLabel(nullptr, 1);
    circuit->m_dFloorTemperatureValue = 5.0;
    room->m_floorCircuits.push_back(circuit);
    room->m_nCircuitCount = 1;
    auto& rooms = m_design.m_rooms;
    const auto at = position == 0 ? rooms.begin() : rooms.end();
    rooms.insert(at, room);
    m_design.CollectRouteRooms();
    m_design.m_nCriticalRoom = room->m_nRouteRoomIndex;
    if (!AddRoomOrCircuit(1, room))
    {
        rooms.erase(std::find(rooms.begin(), rooms.end(), room));
        delete room;
        FillGrid();
    }
}

void CNavrhPodlahovky::OnGridDoubleClick(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    if (notify->iRow >= m_grid.GetFixedRowCount())
        EditRoom(notify->iRow);
    UpdateDesignButton();
    *pResult = 0;
}

void CNavrhPodlahovky::OnGridRightClick(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    *pResult = 0;
    const int row = notify->iRow;
    if (GetKeyState(VK_CONTROL) < 0)
    {
        if (!m_design.m_bAreaError && row >= 1)
            EditCircuit(row);
        return;
    }
    const bool roomRows = m_grid.GetRowCount() > m_grid.GetFixedRowCount();
    if (row < m_grid.GetFixedRowCount() || row >= m_grid.GetRowCount())
    {
        NewRoom(roomRows ? -1 : 0);
        return;
    }
    int index = -1;
    CMistPodlahVytap* room = m_design.FindRoomOfLabel(m_grid.GetItemText(row, kLabelColumn), index);
    if (!room)
        return;
    auto* circuit = new CTopnyOkruh;
    std::vector<CTopnyOkruh*>& circuits = room->m_floorCircuits;
    if (circuits.empty() || !circuits.back())
    {
        circuit->BuildLabel(nullptr, 1);
        circuit->m_strLabel = room->m_strNumber + circuit->m_strLabel;
    }
    else
    {
        const CTopnyOkruh& previous = *circuits.back();
        const int letter = int(circuits.size()) + 1;
        circuit->BuildLabel(&previous, letter);
        circuit->m_dOccupiedArea = circuit->m_dEdgeArea = circuit->m_dOccupiedAreaRead = 0.0;
        circuit->m_dEdgeAreaRead = circuit->m_dTotalArea = circuit->m_dRequiredOutput = 0.0;
    }
    circuits.push_back(circuit);
    room->m_nCircuitCount = int(circuits.size());
    room->m_nCurrentCircuit = int(circuits.size()) - 1;
    if (!AddRoomOrCircuit(0, room))
    {
        circuits.erase(std::find(circuits.begin(), circuits.end(), circuit));
        delete circuit;
        room->m_nCircuitCount = int(circuits.size());
        room->m_nCurrentCircuit = 0;
    }
}

void CNavrhPodlahovky::OnBeginEdit(NMHDR*, LRESULT* pResult)
{
    *pResult = -1;
}

void CNavrhPodlahovky::OnEndEdit(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
}

void CNavrhPodlahovky::DeleteRow(int row)
{
    if (row < m_grid.GetFixedRowCount() || row >= m_grid.GetRowCount())
        return;
    const CString label = m_grid.GetItemText(row, kLabelColumn);
    int roomIndex = -1;
    if (label.IsEmpty() || !m_design.FindCircuitByLabel(label, roomIndex))
        return;
    CString question;
    question.Format(Loaded(IDS_NP_DELETE_QUESTION), label.GetString());
    if (Box(question, MB_YESNO | MB_ICONQUESTION, AppSettings::Get().QuestionCaption()) != IDYES)
        return;
    CString routes;
    const FloorDesign::Deletion outcome = m_design.DeleteCircuit(label, routes);
    if (outcome == FloorDesign::Deletion::Refused)
    {
        CString text;
        text.Format(Loaded(IDS_NP_CANNOT_DELETE), Loaded(IDS_NP_ROOM_WORD).GetString());
        Box(text, MB_OK | MB_ICONEXCLAMATION, ErrorCaption());
    }
    else if (outcome == FloorDesign::Deletion::Removed)
    {
        if (!routes.IsEmpty())
            Box(routes, MB_OK, AppSettings::Get().QuestionCaption());
        m_design.m_bUnsaved = 1;
    }
    FillGrid();
    UpdateButtons();
}

BOOL CNavrhPodlahovky::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_DELETE && m_grid.GetSafeHwnd())
    {
        CWnd* focus = CWnd::GetFocus();
        if (focus == &m_grid || (focus && m_grid.IsChild(focus)))
        {
            DeleteRow(m_grid.GetFocusCell().row);
            return TRUE;
        }
    }
    if (pMsg->message == WM_KEYDOWN && (GetKeyState(VK_CONTROL) & 0x8000) != 0)
        ShowCtrlCursorOverGrid();
    else if (pMsg->message == WM_KEYUP && (GetKeyState(VK_CONTROL) & 0x8000) == 0 && m_bCtrlCursor)
    {
        SetCursor(m_savedCursor);
        m_bCtrlCursor = false;
    }
    return CResizableDialog::PreTranslateMessage(pMsg);
}

void CNavrhPodlahovky::ShowCtrlCursorOverGrid()
{
    if (!m_design.m_bDesigned || !m_grid.GetSafeHwnd())
        return;
    CPoint point;
    GetCursorPos(&point);
    m_grid.ScreenToClient(&point);
    if (!m_grid.GetCellFromPt(point).IsValid())
        return;
    if (HCURSOR cursor = LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_SIZING_CURSOR)))
    {
        HCURSOR previous = SetCursor(cursor);
        if (!m_bCtrlCursor)
            m_savedCursor = previous;
        m_bCtrlCursor = true;
    }
}
