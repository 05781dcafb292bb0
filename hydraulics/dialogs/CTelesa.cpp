#include "hydraulics/dialogs/CTelesa.h"

#include "common/AppSettings.h"
#include "common/OpenWorkbookTable.h"
#include "controls/grid/CGridBtnCell.h"
#include "hydraulics/COtopneTeleso.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/RadiatorConditions.h"
#include "hydraulics/ResultSheetColumns.h"
#include "hydraulics/dialogs/CDeleniZtratKeKryti.h"
#include "hydraulics/dialogs/CTopneMedium.h"
#include "controls/dialogs/DialogSupport.h"
#include "hydraulics/dialogs/HydraulicsResource.h"
#include "platform/core/MessageBox.h"

#include <vector>

namespace
{
constexpr COLORREF cellBackground = RGB(255, 255, 249);
constexpr COLORREF maskColour = RGB(255, 125, 125);

CString Loaded(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

int Ask(CWnd* owner, const CString& text, const CString& caption, UINT type)
{
    return MessageBox(owner ? owner->GetSafeHwnd() : nullptr, text, caption, type);
}
} // namespace

BEGIN_MESSAGE_MAP(CTelesa, CDialog)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_LEVEL_BUILDING, IDC_LEVEL_FLOOR, OnShowLevel)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_LEVEL_WALL, IDC_LEVEL_WALL, OnShowLevel)
    ON_BN_CLICKED(IDC_GRADIENT, OnTemperatureGradient)
    ON_BN_CLICKED(IDC_SPLIT, OnSplitLosses)
END_MESSAGE_MAP()

CTelesa::CTelesa(CWnd* parent) : CDialog(IDD_TELESA, parent) {}

BOOL CTelesa::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    CreateGrid();
    RecomputeRadiatorFactors(WorkingRadiator());
    m_Grid.GetDefaultCell(FALSE, FALSE)->SetBackClr(cellBackground);
    m_ImageList.Create(IDB_TELESA_STROM, 16, 1, maskColour);
    m_Grid.SetImageList(&m_ImageList);
    m_strProjectPath = AppSettings::Get().CurrentProjectPath();
    Load();
    CenterWindow();

    m_ToolTip.Create(this);
    const struct
    {
        int id;
        const char* text;
    } tips[] = {{IDC_LEVEL_BUILDING, "objekt"},
                {IDC_LEVEL_ROOM, "Místnost"},
                {IDC_LEVEL_RADIATOR, "těleso"},
                {IDC_LEVEL_FLOOR, "podlahové topení"},
                {IDC_TELESA_GRID, "údaje o B,M,T či P"},
                {IDC_GRADIENT, "teplotní spád soustavy"},
                {IDOK, "potvrdit správnost všech provedených změn údajů"},
                {IDCANCEL, "zrušit prováděné změny údajů !!!"}};
    for (const auto& tip : tips)
        if (CWnd* control = GetDlgItem(tip.id))
            m_ToolTip.AddTool(control, tip.text);
    m_ToolTip.Activate(TRUE);
    CaptionGradient();
    return TRUE;
}

void CTelesa::CreateGrid()
{
    CRect frame;
    CWnd* placeholder = GetDlgItem(IDC_TELESA_GRID);
    placeholder->GetWindowRect(&frame);
    ScreenToClient(&frame);
    placeholder->DestroyWindow();
    m_Grid.Create(frame, this, IDC_TELESA_GRID, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
    m_Grid.SetEditable(FALSE);
}

void CTelesa::Load()
{
    CData data;
    if (OpenWorkbookTable(data, m_strProjectPath, ResultSheet::Sheet, "") != 0)
        return;
    const bool loaded = m_split.Load(data, AppSettings::Get().ThirdCode);
    data.CloseTable();
    data.Close();
    if (!loaded)
    {
        CString text;
        text.Format(Loaded(IDS_MISSING_COLUMN), m_split.MissingColumn().GetString());
        Ask(this, text, AppSettings::Get().ErrorCaption(), MB_OK | MB_ICONSTOP);
        return;
    }
    m_nFloorColumn = GridColumn(m_split.ColumnIndex(ResultSheet::FloorHeating));
    Fill();
}

int CTelesa::GridColumn(int sheetColumn) const
{
    const int floor = m_split.ColumnIndex(ResultSheet::FloorHeating);
    return sheetColumn + (sheetColumn > floor ? 2 : 1);
}

// The grid anew from the rows: header, numbers, tree levels, texts, widths and row formats.
void CTelesa::Fill()
{
    const std::vector<CString>& columns = m_split.Columns();
    const std::vector<HeatingTypeSplit::Row>& rows = m_split.Rows();
    const int columnCount = int(columns.size()) + 2;
    m_Grid.SetRedraw(FALSE);
    m_Grid.SetRowCount(0);
    m_Grid.SetColumnCount(columnCount);
    m_Grid.SetRowCount(int(rows.size()) + 1);
    m_Grid.SetFixedRowCount(1);
    m_Grid.SetFixedColumnCount(1);
    m_Grid.m_aColumnNames.RemoveAll();
    m_Grid.SetItemText(0, 0, "#");
    for (int c = 0; c < int(columns.size()); ++c)
    {
        m_Grid.SetItemText(0, GridColumn(c), columns[c]);
        if (GridColumn(c) == m_nFloorColumn)
            m_Grid.SetItemText(0, WallGridColumn(), "Stěnové vytápění");
    }
    for (int c = 1; c < columnCount; ++c)
        m_Grid.m_aColumnNames.Add(m_Grid.GetItemText(0, c));

    std::vector<BYTE> levels;
    for (const auto& row : rows)
        levels.push_back(BYTE(row.level));
    if (!rows.empty())
    {
        m_Grid.m_TreeColumn.TreeSetup(&m_Grid, 1, int(rows.size()), 1, levels.data(), TRUE, FALSE);
        m_Grid.m_TreeColumn.SetTreeLineColor(RGB(0, 0, 255));
    }
    m_BtnDataBase.SetGrid(&m_Grid);
    for (int r = 0; r < int(rows.size()); ++r)
        ShowRow(r);

    m_Grid.AutoSizeColumns();
    const int floorShare = GridColumn(m_split.ColumnIndex(ResultSheet::FloorShare));
    const int wallShare = GridColumn(m_split.ColumnIndex(ResultSheet::WallShare));
    for (int c = 5; c < columnCount; ++c)
        if (c != floorShare && c != wallShare)
            m_Grid.SetColumnWidth(c, 0);
    m_Grid.SetColumnWidth(m_nFloorColumn, 0);
    m_Grid.SetColumnWidth(WallGridColumn(), 0);
    m_Grid.SetColumnWidth(2, 132);
    m_Grid.SetColumnWidth(4, 70);
    m_Grid.SetColumnWidth(floorShare, 64);
    m_Grid.SetColumnWidth(wallShare, 64);
    m_Grid.SetItemText(0, floorShare, "Qpodlah");
    m_Grid.SetItemText(0, wallShare, "Qstěn");
    if (!rows.empty())
        m_Grid.m_TreeColumn.TreeDisplayOutline(m_nLevel);
    m_Grid.ApplyColumnFormats(FALSE);
    m_Grid.SetRedraw(TRUE);
    m_Grid.Invalidate();
}

void CTelesa::ShowRow(int row)
{
    const HeatingTypeSplit::Row& data = m_split.Rows()[row];
    const int gridRow = row + 1;
    m_Grid.SetItemTextFmt(gridRow, 0, "%ld", long(gridRow));
    for (int c = 0; c < int(data.cells.size()); ++c)
    {
        const int column = GridColumn(c);
        m_Grid.SetItemText(gridRow, column, data.cells[c]);
        const bool left = column == m_nFloorColumn;
        m_Grid.SetItemFormat(gridRow, column,
                             column == 1 ? DT_RIGHT
                                         : (left ? DT_LEFT : DT_RIGHT) | DT_SINGLELINE | DT_END_ELLIPSIS | DT_VCENTER);
    }
    m_Grid.SetItemText(gridRow, WallGridColumn(), data.wall);
    m_Grid.SetItemFormat(gridRow, WallGridColumn(), DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS | DT_VCENTER);
    m_Grid.SetItemImage(gridRow, 1, m_Grid.m_TreeColumn.GetLevelImageOffset() + data.level - 1);
    if (data.level == HeatingTypeSplit::Room)
    {
        ShowCheckBox(gridRow, m_nFloorColumn, m_split.NumberIn(row, ResultSheet::FloorShare) > 0.0);
        ShowCheckBox(gridRow, WallGridColumn(), m_split.NumberIn(row, ResultSheet::WallShare) > 0.0);
    }
}

// A room's floor and wall cells carry a check box that shows whether the room has that share.
void CTelesa::ShowCheckBox(int gridRow, int column, bool checked)
{
    if (!dynamic_cast<CGridBtnCell*>(m_Grid.GetCell(gridRow, column)))
    {
        const CString text = m_Grid.GetItemText(gridRow, column);
        const UINT format = m_Grid.GetCell(gridRow, column)->GetFormat();
        m_Grid.SetCellType(gridRow, column, RUNTIME_CLASS(CGridBtnCell));
        m_Grid.SetItemText(gridRow, column, text);
        m_Grid.SetItemFormat(gridRow, column, format);
    }
    auto* cell = static_cast<CGridBtnCell*>(m_Grid.GetCell(gridRow, column));
    cell->SetBtnDataBase(&m_BtnDataBase);
    cell->SetupBtn(0, DFC_BUTTON, DFCS_BUTTONCHECK | (checked ? DFCS_CHECKED : 0), BTNPOS_LEFT, 0, FALSE, nullptr);
}

void CTelesa::OnShowLevel(UINT id)
{
    switch (LOWORD(id))
    {
    case IDC_LEVEL_BUILDING: m_nLevel = 1; break;
    case IDC_LEVEL_ROOM: m_nLevel = 2; break;
    case IDC_LEVEL_RADIATOR: m_nLevel = 3; break;
    case IDC_LEVEL_FLOOR: m_nLevel = 4; break;
    default: m_nLevel = 5; break;
    }
    if (!m_split.Rows().empty())
        m_Grid.m_TreeColumn.TreeDisplayOutline(m_nLevel);
    m_Grid.Invalidate();
}

void CTelesa::OnTemperatureGradient()
{
    COtopneTeleso& radiator = WorkingRadiator();
    CTopneMedium dialog(this);
    dialog.m_dInlet = radiator.m_dSupply;
    dialog.m_dOutlet = radiator.m_dReturn;
    dialog.m_dRoom = radiator.m_dRoom;
    dialog.m_dMean = (radiator.m_dSupply + radiator.m_dReturn) * 0.5;
    dialog.m_dDeltaT = radiator.m_dSupply - radiator.m_dReturn;
    dialog.m_nEntryMode = 0;
    dialog.m_bRoomLocked = true;
    if (dialog.DoModal() != IDOK)
        return;
    radiator.m_dSupply = dialog.m_dInlet;
    radiator.m_dReturn = dialog.m_dOutlet;
    CaptionGradient();
}

void CTelesa::CaptionGradient()
{
    const COtopneTeleso& radiator = WorkingRadiator();
    CString caption;
    caption.Format("%.0f/%.0f", radiator.m_dSupply, radiator.m_dReturn);
    SetDlgItemText(IDC_GRADIENT, caption);
}

void CTelesa::OnSplitLosses()
{
    const int row = m_Grid.GetFocusCell().row - 1;
    if (row < 0 || row >= int(m_split.Rows().size()))
    {
        Ask(this, Loaded(IDS_NO_VARIANT), AppSettings::Get().ErrorCaption(), MB_OK | MB_ICONSTOP);
        return;
    }
    if (m_split.Rows()[row].level != HeatingTypeSplit::Room)
        return;
    using namespace ResultSheet;
    CDeleniZtratKeKryti dialog(this);
    dialog.m_strTotal = m_split.Text(row, RoomLoss);
    dialog.m_strRoomName = m_split.Text(row, Name);
    dialog.m_dInitialFloor = m_split.NumberIn(row, FloorShare);
    dialog.m_dInitialWall = m_split.NumberIn(row, WallShare);
    dialog.m_dInitialUncovered = m_split.NumberIn(row, UncoveredShare);
    if (dialog.DoModal() != IDOK)
        return;
    const AppSettings& settings = AppSettings::Get();
    m_split.ApplySplit(row, dialog.m_bFloor, dialog.m_bWall, dialog.m_dFloor, dialog.m_dWall, dialog.m_dUncovered,
                       dialog.Text(LossSplit::Total), settings.KodSysPodl, settings.ThirdCode);
    ShowRow(row);
    m_Grid.RedrawRow(row + 1);
}

BOOL CTelesa::PreTranslateMessage(MSG* pMsg)
{
    m_ToolTip.RelayEvent(pMsg);
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_DELETE && DeleteFocusRow())
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

bool CTelesa::DeleteFocusRow()
{
    const int row = m_Grid.GetFocusCell().row - 1;
    if (row < 0 || row >= int(m_split.Rows().size()))
        return true;
    const CString& errorCaption = AppSettings::Get().ErrorCaption();
    CString text;
    switch (m_split.CheckDelete(row))
    {
    case HeatingTypeSplit::DeleteNever:
        text.Format(Loaded(IDS_CANNOT_DELETE), m_split.Text(row, ResultSheet::Name).GetString());
        Ask(this, text, errorCaption, MB_OK | MB_ICONSTOP);
        return false;
    case HeatingTypeSplit::DeleteHasItems:
        text.Format(Loaded(IDS_CANNOT_DELETE_ITEMS), "s rozpisem");
        Ask(this, text, errorCaption, MB_OK | MB_ICONSTOP);
        return false;
    case HeatingTypeSplit::DeleteAsk: break;
    }
    text.Format(Loaded(IDS_DELETE_QUESTION), m_split.DeleteText(row).GetString());
    if (Ask(this, text, AppSettings::Get().QuestionCaption(), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return true;
    if (!m_split.Delete(row))
        return false;
    Fill();
    const int above = std::max(row, 1);
    m_Grid.SetSelectedRange(above, 0, above, m_Grid.GetColumnCount() - 1);
    m_Grid.SetFocusCell(above, 1);
    m_Grid.EnsureVisible(above, 1);
    return true;
}

// The sheet and the project's gradient are stored together; a store that failed keeps the
// dialog open (the failure was shown). From then on every step takes the gradient from the
// project header.
void CTelesa::OnOK()
{
    const COtopneTeleso& radiator = WorkingRadiator();
    const CString gradient = TemperatureGradientText(radiator.m_dSupply, radiator.m_dReturn);
    if (!m_split.Save(gradient))
        return;
    AppSettings& settings = AppSettings::Get();
    settings.TemperaturePair = gradient;
    settings.DesignFlowTemperature = radiator.m_dSupply;
    settings.DesignReturnTemperature = radiator.m_dReturn;
    settings.Modified[AppSettings::General] = 1;
    EndDialog(IDOK);
}
