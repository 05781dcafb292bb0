#include "floorwall/dialogs/CIndexyRozdelovace.h"

#include "common/AppSettings.h"
#include "controls/grid/CGridBtnCellCombo.h"
#include "controls/grid/CGridCellBase.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/dialogs/CircuitPanelIds.h"
#include "floorwall/dialogs/FloorWallDialogIds.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/NumberReading.h"
#include "controls/dialogs/DialogSupport.h"
#include "platform/core/MessageBox.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/SystemMetrics.h"

#include <algorithm>
#include <map>

namespace
{
constexpr COLORREF kBackground = 0xE9FFFF;
constexpr int kFloorMode = 11;
constexpr int kWallMode = 19;
constexpr int kOpeningWidth = 101;
constexpr int kAddedWidth = 104;
} // namespace

BEGIN_MESSAGE_MAP(CIndexyRozdelovace, CDialog)
    ON_BN_CLICKED(IDC_IR_NEXT, OnNextManifold)
    ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_IR_GRID, OnBeginEdit)
    ON_NOTIFY(GVN_ENDLABELEDIT, IDC_IR_GRID, OnEndEdit)
END_MESSAGE_MAP()

CIndexyRozdelovace::CIndexyRozdelovace(CWnd* parent) : CDialog(IDD_INDEXY_ROZDELOVACE, parent) {}

std::vector<CTopnyOkruh*> CIndexyRozdelovace::ModeCircuits() const
{
    std::vector<CTopnyOkruh*> circuits;
    if (!m_pRooms)
        return circuits;
    for (CMistPodlahVytap* room : *m_pRooms)
    {
        if (!room)
            continue;
        const std::vector<CTopnyOkruh*>* kind = nullptr;
        if (m_nMode == kFloorMode && room->m_nFloorHeating)
            kind = &room->m_floorCircuits;
        else if (m_nMode == kWallMode && room->m_nWallHeating)
            kind = &room->m_wallCircuits;
        if (!kind)
            continue;
        for (CTopnyOkruh* circuit : *kind)
            if (circuit)
                circuits.push_back(circuit);
    }
    return circuits;
}

BOOL CIndexyRozdelovace::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    ReplacePlaceholderByGrid(*this, IDC_IR_GRID, m_grid);
    m_buttons.SetGrid(&m_grid);
    m_grid.GetDefaultCell(FALSE, FALSE)->SetBackClr(kBackground);
    m_grid.SetRowSelectMode(FALSE);
    CollectLabels();
    BuildColumns();
    CenterWindow();
    return TRUE;
}

void CIndexyRozdelovace::CollectLabels()
{
    m_allLabels.RemoveAll();
    for (const CTopnyOkruh* circuit : ModeCircuits())
    {
        // A floor circuit with a spacing but neither loop nor supply is not laid.
        const bool notLaid = m_nMode == kFloorMode && circuit->m_dSpacing > 0.0 && !(circuit->m_dLoopLength > 0.0)
                             && !(circuit->m_dOwnSupplyLength > 0.0);
        if (!notLaid)
            m_allLabels.Add(circuit->m_strLabel);
    }
    m_availableLabels.Copy(m_allLabels);
}

void CIndexyRozdelovace::BuildColumns()
{
    const std::vector<CTopnyOkruh*> circuits = ModeCircuits();
    int highest = 0;
    for (CTopnyOkruh* circuit : circuits)
    {
        circuit->m_nManifold = std::max(circuit->m_nManifold, 0);
        highest = std::max(highest, circuit->m_nManifold);
    }
    if (highest < 1)
        highest = 1;
    // Circuits that are not offered are not placed either: OK takes their index away.
    std::map<int, std::vector<const CTopnyOkruh*>> byManifold;
    for (const CTopnyOkruh* circuit : circuits)
        if (circuit->m_nManifold >= 1 && Offered(circuit->m_strLabel))
            byManifold[circuit->m_nManifold].push_back(circuit);

    m_grid.SetRowCount(kOutlets + 1);
    m_grid.SetColumnCount(1);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(1);
    m_grid.SetItemText(0, 0, "#");
    m_grid.SetItemFormat(0, 0, DT_CENTER);
    m_grid.SetColumnWidth(0, 24);
    for (int row = 1; row <= kOutlets; ++row)
    {
        m_grid.SetItemText(row, 0, WriteInteger(row));
        m_grid.SetItemFormat(row, 0, DT_CENTER);
    }
    std::vector<CString> overloaded;
    for (int index = 1; index <= highest; ++index)
    {
        const auto found = byManifold.find(index);
        if (found == byManifold.end() && highest != 1)
            continue;
        const int column = AddManifoldColumn(m_grid.GetColumnCount(), kOpeningWidth);
        if (found == byManifold.end())
            continue;
        const std::vector<const CTopnyOkruh*>& placed = found->second;
        if (int(placed.size()) > kOutlets)
        {
            CString format;
            format.LoadString(IDS_NP_MANIFOLD_FULL);
            CString text;
            text.Format(format.GetString(), column, int(placed.size()));
            overloaded.push_back(text);
        }
        for (int row = 1; row <= kOutlets && row <= int(placed.size()); ++row)
        {
            m_grid.SetItemText(row, column, placed[std::size_t(row - 1)]->m_strLabel);
            RemoveAvailable(placed[std::size_t(row - 1)]->m_strLabel);
        }
    }
    for (int column = 1; column < m_grid.GetColumnCount(); ++column)
        MakeChoiceCells(column);
    m_grid.AutoSizeColumn(0);
    for (const CString& text : overloaded)
        MessageBox(GetSafeHwnd(), text, AppSettings::Get().WarningCaption(), MB_OK | MB_ICONEXCLAMATION);
}

// Appends the column of manifold number; its index.
int CIndexyRozdelovace::AddManifoldColumn(int number, int width)
{
    const int column = m_grid.GetColumnCount();
    m_grid.SetColumnCount(column + 1);
    m_grid.SetItemText(0, column, WriteInteger(number));
    m_grid.SetItemFormat(0, column, DT_CENTER);
    m_grid.SetColumnWidth(column, width);
    return column;
}

void CIndexyRozdelovace::MakeChoiceCells(int column)
{
    for (int row = 1; row <= kOutlets; ++row)
    {
        const CString text = m_grid.GetItemText(row, column);
        m_grid.SetCellType(row, column, RUNTIME_CLASS(CGridBtnCellCombo));
        if (auto* cell = dynamic_cast<CGridBtnCellCombo*>(m_grid.GetCell(row, column)))
        {
            cell->SetBtnDataBase(&m_buttons);
            cell->SetupBtn(0, DFC_SCROLL, DFCS_SCROLLDOWN, BTNPOS_RIGHT, GetSystemMetrics(SM_CXVSCROLL), FALSE,
                           nullptr);
            cell->SetComboStyle(CBS_DROPDOWNLIST);
            cell->SetComboString(m_availableLabels);
        }
        m_grid.SetItemText(row, column, text);
    }
}

bool CIndexyRozdelovace::Offered(const CString& label) const
{
    for (INT_PTR i = 0; i < m_allLabels.GetSize(); ++i)
        if (m_allLabels[i] == label)
            return true;
    return false;
}

void CIndexyRozdelovace::RemoveAvailable(const CString& label)
{
    for (INT_PTR i = 0; i < m_availableLabels.GetSize(); ++i)
        if (m_availableLabels[i] == label)
        {
            m_availableLabels.RemoveAt(i);
            return;
        }
}

void CIndexyRozdelovace::OnBeginEdit(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    if (notify->iRow < 1 || notify->iColumn < 1)
    {
        *pResult = -1;
        return;
    }
    if (notify->iRow <= kOutlets)
    {
        m_strLabelBeforeEdit = m_grid.GetItemText(notify->iRow, notify->iColumn);
        if (auto* cell = dynamic_cast<CGridBtnCellCombo*>(m_grid.GetCell(notify->iRow, notify->iColumn)))
            cell->SetComboString(m_availableLabels);
    }
    *pResult = 0;
}

void CIndexyRozdelovace::OnEndEdit(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    *pResult = 0;
    if (notify->iRow < 1 || notify->iRow > kOutlets || notify->iColumn < 1)
        return;
    const CString text = m_grid.GetItemText(notify->iRow, notify->iColumn);
    if (!text.IsEmpty())
    {
        bool offered = false;
        for (INT_PTR i = 0; i < m_availableLabels.GetSize() && !offered; ++i)
            offered = m_availableLabels[i] == text;
        if (!offered)
            return;
        RemoveAvailable(text);
    }
    if (!m_strLabelBeforeEdit.IsEmpty())
    {
        m_availableLabels.Add(m_strLabelBeforeEdit);
        m_strLabelBeforeEdit.Empty();
    }
}

void CIndexyRozdelovace::OnNextManifold()
{
    const int last = m_grid.GetColumnCount() - 1;
    const int number = last >= 1 ? ReadInteger(m_grid.GetItemText(0, last)) + 1 : 1;
    const int column = AddManifoldColumn(number, kAddedWidth);
    MakeChoiceCells(column);
    m_grid.EnsureVisible(1, column);
    m_grid.Refresh();
}

void CIndexyRozdelovace::OnOK()
{
    const std::vector<CTopnyOkruh*> circuits = ModeCircuits();
    for (CTopnyOkruh* circuit : circuits)
        circuit->m_nManifold = 0;
    for (int column = 1; column < m_grid.GetColumnCount(); ++column)
    {
        const int number = ReadInteger(m_grid.GetItemText(0, column));
        if (number <= 0)
            continue;
        for (int row = 1; row <= kOutlets; ++row)
        {
            const CString text = m_grid.GetItemText(row, column);
            if (text.IsEmpty())
                continue;
            const auto match = std::find_if(circuits.begin(), circuits.end(),
                                            [&](const CTopnyOkruh* c) { return c->m_strLabel == text; });
            if (match != circuits.end())
                (*match)->m_nManifold = number;
        }
    }
    EndDialog(IDOK);
}
