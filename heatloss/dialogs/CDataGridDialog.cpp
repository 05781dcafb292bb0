#include "heatloss/dialogs/CDataGridDialog.h"

#include "common/AppSettings.h"
#include "common/OpenWorkbookTable.h"
#include "controls/grid/CGridCellBase.h"
#include "controls/grid/GridNotify.h"
#include "datalib/CData.h"
#include "heatloss/ElementRowTexts.h"
#include "heatloss/InputSheet.h"
#include "heatloss/InputSheetLoader.h"
#include "heatloss/InputSheetStore.h"
#include "heatloss/ModelCapacity.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/dialogs/CDataMeneni.h"
#include "heatloss/dialogs/CRoom.h"
#include "heatloss/dialogs/CWall.h"
#include "heatloss/dialogs/CWindow.h"
#include "controls/dialogs/DialogSupport.h"
#include "heatloss/dialogs/FieldTexts.h"
#include "heatloss/dialogs/InputDialogIds.h"
#include "platform/core/MessageBox.h"

#include <vector>

namespace
{
constexpr COLORREF kCellBackground = RGB(255, 255, 249);
constexpr COLORREF kTreeLines = RGB(0, 0, 255);
constexpr COLORREF kImageMask = RGB(255, 255, 255);
constexpr UINT kElementCellFormat = DT_RIGHT | DT_SINGLELINE | DT_END_ELLIPSIS | DT_VCENTER;

CString StringText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}
} // namespace

BEGIN_MESSAGE_MAP(CDataGridDialog, CDialog)
ON_CONTROL_RANGE(BN_CLICKED, IDC_SHOW_BUILDING, IDC_SHOW_OPENINGS, OnShowLevel)
ON_BN_CLICKED(IDC_BULK_CHANGE, OnBulkChange)
ON_NOTIFY(GVN_DBLCLK, IDC_DATA_GRID, OnGridDblClick)
ON_NOTIFY(GVN_RCLICK, IDC_DATA_GRID, OnGridRClick)
END_MESSAGE_MAP()

CDataGridDialog::CDataGridDialog(CWnd* parent) : CDialog(IDD_DATA_GRID, parent), m_model(ProjectModel::Instance())
{
    m_Grid.m_onBranchDeleted = [this](int) { RebuildModelFromGrid(); };
    m_editRoom = [this] { return EditRoom(m_model); };
    m_editWall = [this](double length, double width, double height)
    { return EditWall(m_model, length, width, height); };
    m_editOpening = [this] { return EditOpening(m_model); };
    m_bulkChange = [](CDataGridCtrl& grid)
    {
        CDataMeneni dialog;
        dialog.m_pGrid = &grid;
        return int(dialog.DoModal());
    };
}

BOOL CDataGridDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    CreateGrid();
    m_bLoaded = LoadSheet();
    if (m_bLoadOnly)
    {
        EndDialog(m_bLoaded ? IDCANCEL : IDABORT);
        return TRUE;
    }
    if (!m_bLoaded)
        GetDlgItem(IDOK)->EnableWindow(FALSE);
    CenterWindow();
    CreateToolTips();
    return TRUE;
}

void CDataGridDialog::CreateGrid()
{
    ReplacePlaceholderByGrid(*this, IDC_DATA_GRID, m_Grid);
    m_ImageList.Create(IDB_INPUT_LEVELS, 16, 1, kImageMask);
    m_Grid.SetImageList(&m_ImageList);
    m_Grid.SetEditable(FALSE);
    m_Grid.EnableDragAndDrop(FALSE);
    m_Grid.SetRowSelectMode(TRUE);
    m_Grid.GetDefaultCell(FALSE, FALSE)->SetBackClr(kCellBackground);
}

// The grid's columns are the sheet's own, in its order, behind the row-number column "#".
bool CDataGridDialog::LoadSheet()
{
    CData data;
    if (OpenWorkbookTable(data, AppSettings::Get().CurrentProjectPath(), InputSheet::TableName(), "") != 0)
        return false;
    InputSheet sheet;
    sheet.Read(data);
    // A number outside its range is loaded as stored, to be put right here; the user is told.
    const HeatLossMessage refused = LoadInputSheet(sheet, m_model, StoredValues::AsStored);
    if (!refused.IsEmpty())
    {
        data.CloseTable();
        data.Close();
        refused.Show(GetSafeHwnd());
        return false;
    }
    if (!m_bLoadOnly)
        if (const HeatLossMessage outOfRange = FirstStoredValueOutOfRange(sheet); !outOfRange.IsEmpty())
            outOfRange.Show(GetSafeHwnd());
    const int rows = int(sheet.rows.size());
    const int columns = data.m_nColCount;
    m_Grid.SetRowCount(rows + 1);
    m_Grid.SetColumnCount(columns + 1);
    m_Grid.SetFixedRowCount(1);
    m_Grid.SetFixedColumnCount(1);
    m_Grid.m_aColumnNames.RemoveAll();
    m_Grid.SetItemText(0, 0, "#");
    for (int c = 0; c < columns; ++c)
    {
        m_Grid.SetItemText(0, c + 1, data.m_aColNames[c]);
        m_Grid.SetItemFormat(0, c + 1, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        m_Grid.m_aColumnNames.Add(data.m_aColNames[c]);
    }
    const int numberColumn = data.GetColIndex(InputSheet::ColumnName(InputSheet::Number), 0);
    CString text;
    for (int r = 0; r < rows; ++r)
    {
        m_Grid.SetItemTextFmt(r + 1, 0, "%ld", long(r + 1));
        for (int c = 0; c < columns; ++c)
        {
            text.Empty();
            const int source = c == 0 ? numberColumn : c;
            if (source >= 0)
                data.GetStringValue(source, text, r, -1);
            m_Grid.SetItemText(r + 1, c + 1, text);
            m_Grid.SetItemFormat(r + 1, c + 1, DT_RIGHT);
        }
    }
    data.CloseTable();
    data.Close();
    std::vector<BYTE> levels;
    for (int r = 0; r < rows; ++r)
        levels.push_back(BYTE(sheet.LevelOf(r)));
    if (rows > 0)
        m_Grid.m_TreeColumn.TreeSetup(&m_Grid, CDataGridCtrl::TreeColumn, rows, 1, levels.data(), TRUE, FALSE);
    FinishGrid();
    return true;
}

void CDataGridDialog::FinishGrid()
{
    m_Grid.m_TreeColumn.SetTreeLineColor(kTreeLines);
    m_Grid.SetLevelImages(4);
    if (m_Grid.GetRowCount() > 1)
        m_Grid.m_TreeColumn.TreeDisplayOutline(255);
    m_Grid.AutoSizeColumns();
    m_Grid.ApplyColumnFormats(FALSE);
    m_Grid.Invalidate();
}

void CDataGridDialog::CreateToolTips()
{
    m_ToolTip.Create(this);
    const struct
    {
        int control;
        UINT text;
    } tips[] = {{IDC_DATA_GRID, IDS_TIP_GRID},          {IDC_SHOW_BUILDING, IDS_TIP_BUILDING},
                {IDC_SHOW_ROOMS, IDS_TIP_ROOM},         {IDC_SHOW_WALLS, IDS_TIP_WALL},
                {IDC_SHOW_OPENINGS, IDS_TIP_OPENING},   {IDC_BULK_CHANGE, IDS_TIP_BULK_CHANGE},
                {IDOK, IDS_TIP_OK},                     {IDCANCEL, IDS_TIP_CANCEL}};
    for (const auto& tip : tips)
        if (CWnd* control = GetDlgItem(tip.control))
            m_ToolTip.AddTool(control, StringText(tip.text));
    m_ToolTip.Activate(TRUE);
}

BOOL CDataGridDialog::PreTranslateMessage(MSG* pMsg)
{
    m_ToolTip.RelayEvent(pMsg);
    // Enter moves on; only a click on "&OK" (or Enter on it) stores and closes.
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
    {
        CWnd* focus = CWnd::GetFocus();
        if (!focus || focus->GetDlgCtrlID() != IDOK)
        {
            NextDlgCtrl();
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}

RowLevel CDataGridDialog::Levels() const
{
    return [this](int row) { return m_Grid.GetRowLevel(row); };
}

void CDataGridDialog::LocateRoom(int row)
{
    if (row < 1)
        return;
    m_model.Cursor.room = LocateRow(Levels(), row).room;
}

void CDataGridDialog::LocateWall(int row)
{
    if (row < 1)
        return;
    const InputCursor found = LocateRow(Levels(), row);
    m_model.Cursor.room = found.room;
    m_model.Cursor.wall = found.wall;
}

void CDataGridDialog::LocateOpening(int row)
{
    if (row >= 1)
        m_model.Cursor = LocateRow(Levels(), row);
}

int CDataGridDialog::FindInsertRow(int level, int row) const
{
    return ::FindInsertRow(Levels(), level, row, m_Grid.GetRowCount());
}

int CDataGridDialog::GridColumnOf(const CString& name) const
{
    for (int c = 1; c < m_Grid.GetColumnCount(); ++c)
        if (m_Grid.GetItemText(0, c) == name)
            return c;
    return -1;
}

void CDataGridDialog::SetElementRow(BOOL insert, int row, int level)
{
    const int rowCount = m_Grid.GetRowCount();
    if (row < 0 || row > rowCount + 1)
        return;
    if (insert)
    {
        const BYTE levels[] = {BYTE(level)};
        row = m_Grid.m_TreeColumn.InsertTreeBranch(levels, 1, row < rowCount ? row : -1, TRUE);
        if (row < 0)
            return;
        m_Grid.SetItemTextFmt(row, 0, "%ld", long(m_Grid.GetRowCount() - 1));
    }
    else
    {
        if (m_Grid.GetRowLevel(row) != level)
        {
            MessageBox(GetSafeHwnd(), StringText(IDS_INPUT_LEVEL_MISMATCH), AppSettings::Get().ErrorCaption(),
                       MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        m_Grid.SetItemTextFmt(row, 0, "%ld", long(row));
    }
    if (level > 1)
        WriteRowTexts(row, level);
    m_Grid.ApplyCellFormat(row, FALSE, GridColumnOf("Format"), "");
    m_Grid.EnsureVisible(row, 1);
    m_Grid.Invalidate();
}

void CDataGridDialog::WriteRowTexts(int row, int level)
{
    const InputCursor& at = m_model.Cursor;
    const InputSheet::Row texts = level == 2   ? RoomRowTexts(m_model, at.room)
                                  : level == 3 ? WallRowTexts(m_model, at.room, at.wall)
                                               : OpeningRowTexts(m_model, at.room, at.wall, at.opening);
    for (int k = 0; k < InputSheet::ColumnCount; ++k)
    {
        const int column = GridColumnOf(InputSheet::ColumnName(InputSheet::Column(k)));
        if (column < 1)
            continue;
        m_Grid.SetItemText(row, column, texts[k]);
        m_Grid.SetItemFormat(row, column, column == 1 ? DT_LEFT | DT_SINGLELINE | DT_VCENTER : kElementCellFormat);
    }
    m_Grid.SetItemImage(row, CDataGridCtrl::TreeColumn, level + 10);
    for (int column = 0; column < m_Grid.GetColumnCount(); ++column)
        m_Grid.SetItemState(row, column, m_Grid.GetItemState(row, column) | GVIS_READONLY);
}

void CDataGridDialog::RefreshWallRows(int row)
{
    int wall = 0;
    for (int r = row; r < m_Grid.GetRowCount(); ++r)
    {
        const int level = m_Grid.GetRowLevel(r);
        if (level <= 2)
            break;
        if (level != 3)
            continue;
        m_model.Cursor.wall = ++wall;
        SetElementRow(FALSE, r, 3);
    }
}

void CDataGridDialog::CheckOpeningArea()
{
    const int room = m_model.Cursor.room;
    const int wall = m_model.Cursor.wall;
    const auto& entry = m_model.Walls.At(room, wall);
    const double wallArea = double(entry.height) * entry.length * 1e-6;
    double openingArea = 0.0;
    for (int o = 1; o < entry.openingCount; ++o)
    {
        const auto& opening = m_model.Openings.At(room, wall, o);
        openingArea += double(opening.count) * opening.height * opening.length * 1e-6;
    }
    if (0.75 * wallArea > openingArea)
        return;
    // The areas in the user's number notation.
    CString pattern = StringText(IDS_OPENING_AREA_WARNING);
    pattern.Replace("%.1f", "%s");
    CString text;
    text.Format(pattern, RealText("%.1f", wallArea).GetString(), RealText("%.1f", openingArea).GetString());
    MessageBox(GetSafeHwnd(), text, AppSettings::Get().WarningCaption(), MB_OK | MB_ICONEXCLAMATION);
}

void CDataGridDialog::OnGridDblClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = reinterpret_cast<GridNotify*>(header)->iRow;
    InputCursor& at = m_model.Cursor;
    switch (m_Grid.GetRowLevel(row))
    {
    case 2:
        LocateRoom(row);
        if (m_editRoom && m_editRoom() == 1)
        {
            SetElementRow(FALSE, row, 2);
            RefreshWallRows(row + 1);
        }
        break;
    case 3:
        LocateWall(row);
        if (m_editWall && m_editWall(m_model.Rooms[at.room].length, m_model.Rooms[at.room].width,
                                     m_model.Rooms[at.room].height) == 1)
            SetElementRow(FALSE, row, 3);
        break;
    case 4:
        LocateOpening(row);
        if (m_editOpening && m_editOpening() == 1)
        {
            SetElementRow(FALSE, row, 4);
            CheckOpeningArea();
        }
        break;
    default: break;
    }
}

void CDataGridDialog::OnGridRClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = reinterpret_cast<GridNotify*>(header)->iRow;
    if (row < 1 || row >= m_Grid.GetRowCount())
        return;
    m_model.Cursor.room = 0;
    m_model.Cursor.wall = 0;
    switch (m_Grid.GetRowLevel(row))
    {
    case 1: AddRoom(row); break;
    case 2: AddWall(row); break;
    case 3: AddOpening(row); break;
    default: break;
    }
}

bool CDataGridDialog::Full(int count, int capacity, UINT id) const
{
    if (count < capacity)
        return false;
    MessageBox(GetSafeHwnd(), StringText(id), AppSettings::Get().WarningCaption(), MB_OK | MB_ICONEXCLAMATION);
    return true;
}

void CDataGridDialog::AddRoom(int row)
{
    if (Full(m_model.Rooms.count, MAX_ROOMS, IDS_ROOMS_FULL))
        return;
    LocateRoom(m_Grid.GetRowCount() - 1);
    InputCursor& at = m_model.Cursor;
    ++at.room;
    if (!m_editRoom || m_editRoom() != 1)
    {
        --at.room;
        return;
    }
    ++m_model.Rooms.count;
    m_model.Rooms[at.room].wallCount = 1;
    m_model.Walls.At(at.room, 1).openingCount = 1;
    SetElementRow(TRUE, FindInsertRow(2, row), 2);
}

void CDataGridDialog::AddWall(int row)
{
    InputCursor& at = m_model.Cursor;
    const InputCursor last = LocateLastChild(Levels(), row, m_Grid.GetRowCount());
    at.room = last.room;
    at.wall = last.wall;
    auto& room = m_model.Rooms[at.room];
    if (Full(room.wallCount, MAX_WALLS, IDS_WALLS_FULL))
        return;
    ++at.wall;
    auto& wall = m_model.Walls.At(at.room, at.wall);
    wall.height = room.height;
    wall.length = room.width;
    if (!m_editWall || m_editWall(room.length, room.width, room.height) != 1)
    {
        --at.wall;
        return;
    }
    ++room.wallCount;
    wall.openingCount = 1;
    SetElementRow(TRUE, FindInsertRow(3, row), 3);
}

void CDataGridDialog::AddOpening(int row)
{
    InputCursor& at = m_model.Cursor;
    at = LocateLastChild(Levels(), row, m_Grid.GetRowCount());
    auto& wall = m_model.Walls.At(at.room, at.wall);
    if (Full(wall.openingCount, MAX_OPENINGS, IDS_OPENINGS_FULL))
        return;
    ++at.opening;
    if (!m_editOpening || m_editOpening() != 1)
    {
        --at.opening;
        return;
    }
    ++wall.openingCount;
    SetElementRow(TRUE, FindInsertRow(4, row), 4);
}

void CDataGridDialog::RebuildModelFromGrid()
{
    InputSheet sheet;
    std::vector<int> columns(InputSheet::ColumnCount);
    for (int k = 0; k < InputSheet::ColumnCount; ++k)
        columns[k] = GridColumnOf(InputSheet::ColumnName(InputSheet::Column(k)));
    for (int r = 1; r < m_Grid.GetRowCount(); ++r)
    {
        InputSheet::Row& cells = sheet.rows.emplace_back();
        for (int k = 0; k < InputSheet::ColumnCount; ++k)
            if (columns[k] >= 1)
                cells[k] = m_Grid.GetItemText(r, columns[k]);
    }
    LoadInputSheet(sheet, m_model, StoredValues::AsStored);
}

void CDataGridDialog::OnShowLevel(UINT id)
{
    if (m_Grid.GetRowCount() > 1)
        m_Grid.m_TreeColumn.TreeDisplayOutline(int(id - IDC_SHOW_BUILDING) + 1);
}

void CDataGridDialog::OnBulkChange()
{
    if (m_bulkChange && m_bulkChange(m_Grid) == 1)
        m_Grid.Invalidate();
}

int CDataGridDialog::SaveInputSheet()
{
    std::vector<InputSheetTexts> rows;
    for (int r = 1; r < m_Grid.GetRowCount(); ++r)
    {
        InputSheetTexts& texts = rows.emplace_back();
        for (int c = 1; c < m_Grid.GetColumnCount(); ++c)
            texts.push_back(m_Grid.GetItemText(r, c));
    }
    return ::SaveInputSheet(rows);
}

void CDataGridDialog::OnOK()
{
    if (!m_bLoaded)
        return;
    if (SaveInputSheet() == 1)
        EndDialog(IDOK);
}

// The model again holds the stored input, which the printing computes from.
void CDataGridDialog::OnCancel()
{
    LoadInputSheet(AppSettings::Get().CurrentProjectPath(), m_model, StoredValues::AsStored);
    CDialog::OnCancel();
}
