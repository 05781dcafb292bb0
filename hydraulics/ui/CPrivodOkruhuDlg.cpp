#include "hydraulics/ui/CPrivodOkruhuDlg.h"

#include "common/AppSettings.h"
#include "controls/dialogs/DialogSupport.h"
#include "controls/grid/CGridBtnCellCombo.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ui/SizingDialogParts.h"
#include "hydraulics/ui/SizingIds.h"
#include "platform/core/MessageBox.h"
#include "platform/gdi/GdiTypes.h"

#include <QString>

namespace
{
constexpr COLORREF kEditableColour = 0xE0FFFF;

CString Lower(CString text)
{
    return CString(QString::fromUtf8(text.GetString()).toLower().toStdString());
}
} // namespace

BEGIN_MESSAGE_MAP(CPrivodOkruhuDlg, CDialog)
    ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_SUPPLY_GRID, OnBeginEdit)
    ON_NOTIFY(GVN_ENDLABELEDIT, IDC_SUPPLY_GRID, OnEndEdit)
END_MESSAGE_MAP()

CPrivodOkruhuDlg::CPrivodOkruhuDlg(CWnd* parent) : CDialog(IDD_PRIVOD_OKRUHU, parent) {}

double CPrivodOkruhuDlg::Spacing() const
{
    return ReadNumber(AppSettings::Get().MinimRoztec);
}

void CPrivodOkruhuDlg::BuildChoiceList()
{
    m_aChoices.RemoveAll();
    for (int i = 0; i < m_aCircuitNames.GetSize(); ++i)
        if (m_bOfferAll || m_aCircuitNames[i] != m_strCurrentCircuit)
            m_aChoices.Add(m_aCircuitNames[i]);
}

void CPrivodOkruhuDlg::SetRowCells(int row)
{
    m_grid.SetCellType(row, kCircuitColumn, RUNTIME_CLASS(CGridBtnCellCombo));
    auto* cell = dynamic_cast<CGridBtnCellCombo*>(m_grid.GetCell(row, kCircuitColumn));
    if (!cell)
        return;
    cell->SetBtnDataBase(&m_buttons);
    cell->SetupBtn(0, DFC_SCROLL, DFCS_SCROLLDOWN, BTNPOS_RIGHT, 0, FALSE, nullptr);
    cell->SetComboString(m_aChoices);
}

void CPrivodOkruhuDlg::ShowArea(int row)
{
    const double length = ReadNumber(m_grid.GetItemText(row, kLengthColumn));
    m_grid.SetItemText(row, kAreaColumn, WriteNumber("%.3f", length * Spacing()));
    m_grid.SetItemFormat(row, kAreaColumn, DT_RIGHT);
    if (!m_bReadOnly)
        m_grid.SetItemBkColour(row, kAreaColumn, AppSettings::Get().Colours[3]);
}

int CPrivodOkruhuDlg::AppendRow()
{
    CString number;
    number.Format("%d", m_grid.GetRowCount());
    const int row = m_grid.InsertRow(number);
    m_grid.SetItemFormat(row, 0, DT_CENTER);
    SetRowCells(row);
    m_grid.SetItemBkColour(row, kAreaColumn, AppSettings::Get().Colours[3]);
    return row;
}

BOOL CPrivodOkruhuDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    ReplacePlaceholderByGrid(*this, IDC_SUPPLY_GRID, m_grid);
    m_buttons.SetGrid(&m_grid);
    const AppSettings& settings = AppSettings::Get();
    if (m_bReadOnly)
    {
        m_grid.GetDefaultCell(FALSE, FALSE)->SetBackClr(settings.Colours[3]);
        SetWindowText("kalvenrod - okruhem vede přívod");
    }
    else
    {
        m_grid.GetDefaultCell(FALSE, FALSE)->SetBackClr(kEditableColour);
        GetDlgItem(IDC_SUPPLY_TOTAL)->ShowWindow(SW_HIDE);
        GetDlgItem(IDC_SUPPLY_TOTAL_LABEL)->ShowWindow(SW_HIDE);
    }
    BuildChoiceList();
    std::vector<SupplyRow> rows = ParseSupplyText(m_strSupplyText);
    if (!m_bReadOnly)
        rows.push_back({});

    m_grid.SetColumnCount(4);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(1);
    m_grid.SetRowCount(int(rows.size()) + 1);
    const CString headings[4] = {"#", m_bReadOnly ? CString("okruhu") : Lower("Okruh"),
                                 "délka přívodu i zpátečky [m]", Lower("Plocha [m2]")};
    const UINT headingFormats[4] = {DT_CENTER, DT_LEFT, DT_RIGHT, DT_RIGHT};
    for (int column = 0; column < 4; ++column)
    {
        m_grid.SetItemText(0, column, headings[column]);
        m_grid.SetItemFormat(0, column, headingFormats[column]);
    }
    double area = 0.0;
    for (std::size_t i = 0; i < rows.size(); ++i)
    {
        const int row = int(i) + 1;
        CString number;
        number.Format("%ld", long(row));
        m_grid.SetItemText(row, 0, number);
        m_grid.SetItemFormat(row, 0, DT_CENTER);
        if (!m_bReadOnly)
            SetRowCells(row);
        m_grid.SetItemText(row, kCircuitColumn, rows[i].circuit);
        m_grid.SetItemText(row, kLengthColumn, rows[i].length);
        m_grid.SetItemFormat(row, kLengthColumn, DT_RIGHT);
        ShowArea(row);
        area += ReadNumber(rows[i].length) * Spacing();
    }
    m_grid.AutoSizeColumns();
    m_grid.SetColumnWidth(kCircuitColumn, 104);
    if (m_bReadOnly)
    {
        GetDlgItem(IDOK)->ShowWindow(SW_HIDE);
        SetDlgItemText(IDC_SUPPLY_TOTAL, WriteNumber("%.2f", area));
        // The total floor area at the edge-zone spacing, the spacing in the user's notation.
        SetDlgItemText(IDC_SUPPLY_TOTAL_LABEL, "Celková " + Lower("Plocha [m2]") + " (T=" +
                                                   WriteNumber("%g", Spacing()) + " [m])");
    }
    m_grid.ExpandLastColumn();
    return TRUE;
}

void CPrivodOkruhuDlg::OnBeginEdit(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    const bool editable = !m_bReadOnly && (notify->iColumn == kCircuitColumn || notify->iColumn == kLengthColumn);
    *pResult = editable ? 0 : -1;
    if (editable)
        m_grid.SetSelectedRange(notify->iRow, notify->iColumn, notify->iRow, notify->iColumn);
}

void CPrivodOkruhuDlg::FocusCell(int row, int column)
{
    m_grid.SetFocusCell(row, column);
    m_grid.SetSelectedRange(row, column, row, column);
    m_grid.SetItemBkColour(row, kAreaColumn, AppSettings::Get().Colours[3]);
    m_grid.Invalidate();
}

void CPrivodOkruhuDlg::OnEndEdit(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    *pResult = 0;
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    const int row = notify->iRow;
    const int last = m_grid.GetRowCount() - 1;
    const bool lastHasCircuit = !m_grid.GetItemText(last, kCircuitColumn).IsEmpty();
    if (notify->iColumn == kLengthColumn)
    {
        const double length = ReadNumber(m_grid.GetItemText(row, kLengthColumn));
        m_grid.SetItemText(row, kLengthColumn, WriteNumber("%.1f", length));
        m_grid.SetItemFormat(row, kLengthColumn, DT_RIGHT);
        ShowArea(row);
        m_grid.RedrawRow(row);
        const int target = (lastHasCircuit && row == last) ? AppendRow() : m_grid.GetRowCount() - 1;
        FocusCell(target, kCircuitColumn);
        return;
    }
    if (notify->iColumn != kCircuitColumn)
        return;
    if (!lastHasCircuit)
    {
        FocusCell(row, kLengthColumn);
        return;
    }
    if (row == last)
    {
        if (m_grid.GetItemText(row, kLengthColumn).IsEmpty())
            FocusCell(row, kLengthColumn);
        else
            FocusCell(AppendRow(), kCircuitColumn);
        return;
    }
    FocusCell(last, kCircuitColumn);
}

void CPrivodOkruhuDlg::OnOK()
{
    std::vector<SupplyRow> rows;
    for (int row = 1; row < m_grid.GetRowCount(); ++row)
    {
        const SupplyRow supply{m_grid.GetItemText(row, kCircuitColumn), m_grid.GetItemText(row, kLengthColumn)};
        const bool counted = ReadNumber(supply.length) != 0.0;
        if (counted && (supply.circuit.IsEmpty() || BreaksSupplyText(supply.circuit)))
        {
            ShowSizingMessage(*this, supply.circuit.IsEmpty() ? IDS_SUPPLY_NO_CIRCUIT : IDS_SUPPLY_BAD_NAME,
                              MB_OK | MB_ICONEXCLAMATION, supply.circuit);
            FocusCell(row, kCircuitColumn);
            m_grid.SetFocus();
            return;
        }
        rows.push_back(supply);
    }
    const SupplyTextResult result = BuildSupplyText(rows);
    m_strSupplyText = result.text;
    m_dTotalLength = result.totalLength;
    CDialog::OnOK();
}
