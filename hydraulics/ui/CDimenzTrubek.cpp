#include "hydraulics/ui/CDimenzTrubek.h"

#include "common/AppSettings.h"
#include "controls/dialogs/DialogSupport.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ui/SizingDialogParts.h"
#include "hydraulics/ui/SizingIds.h"
#include "platform/core/MessageBox.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/ui/CDataExchange.h"

#include <algorithm>

namespace
{
constexpr int kColumns = 9;
constexpr int kLossColumn = 7;
constexpr COLORREF kCellColour = 0xF9FFFF;

CString LossHeading()
{
    // "Maxim. tlak. ztráta [Pa]:" without its first word and without the colon.
    CString heading = "Maxim. tlak. ztráta [Pa]:";
    heading = heading.Mid(heading.Find(char32_t(' ')) + 1);
    heading.TrimRight(":");
    return heading;
}
} // namespace

BEGIN_MESSAGE_MAP(CDimenzTrubek, CDialog)
    ON_WM_DESTROY()
    ON_EN_KILLFOCUS(IDC_PIPES_FLOW, OnKillFocusFlow)
    ON_BN_CLICKED(IDC_PIPES_CHOOSE, OnChoose)
END_MESSAGE_MAP()

CDimenzTrubek::CDimenzTrubek(CWnd* parent) : CDialog(IDD_DIMENZ_TRUBEK, parent) {}

void CDimenzTrubek::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PIPES_FLOW, m_editFlow);
    DDX_Text(pDX, IDC_PIPES_FLOW, m_strFlow);
    DDX_Text(pDX, IDC_PIPES_SECTION, m_strSection);
}

BOOL CDimenzTrubek::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    ReplacePlaceholderByGrid(*this, IDC_PIPES_GRID, m_grid);
    if (m_bForSection)
        m_editFlow.SetReadOnly(TRUE);
    m_dFlow = ReadNumber(m_strFlow);
    SetupGrid();
    FillGrid();
    return TRUE;
}

void CDimenzTrubek::SetupGrid()
{
    m_grid.SetColumnCount(kColumns);
    m_grid.SetFixedRowCount(1);
    m_grid.SetRowCount(1);
    m_grid.GetDefaultCell(FALSE, FALSE)->SetBackClr(kCellColour);
    m_grid.SetRowSelectMode(TRUE);
    m_grid.SetEditable(FALSE);
    const CString headings[kColumns] = {"trubka",  "Kód",         "v [m/s]", "R [Pa/m]", "R*l [Pa]",
                                        "ksí [-]", "Z [Pa]",      LossHeading(), "položka"};
    for (int column = 0; column < kColumns; ++column)
        m_grid.SetItemText(0, column, headings[column]);
}

void CDimenzTrubek::ShowVariant(int row, const PipeChoice& pipe)
{
    if (row >= m_grid.GetRowCount())
        row = m_grid.InsertRow("");
    const std::optional<PipeLossParts>& variant = m_variants.back();
    const auto number = [&variant](const char* format, double PipeLossParts::*part) {
        return variant ? WriteNumber(format, (*variant).*part) : CString();
    };
    m_grid.SetItemText(row, 0, pipe.description);
    m_grid.SetItemText(row, 1, pipe.code);
    m_grid.SetItemText(row, 2, number("%.3f", &PipeLossParts::velocity));
    m_grid.SetItemText(row, 3, number("%.2f", &PipeLossParts::perMetre));
    m_grid.SetItemText(row, 4, number("%.2f", &PipeLossParts::friction));
    m_grid.SetItemText(row, 5, WriteNumber("%.3f", m_dInsertedResistances));
    m_grid.SetItemText(row, 6, number("%.2f", &PipeLossParts::local));
    m_grid.SetItemText(row, kLossColumn, number("%.2f", &PipeLossParts::total));
    m_grid.SetItemText(row, 8, pipe.item);
    for (int column = 2; column <= kLossColumn; ++column)
        m_grid.SetItemFormat(row, column, DT_RIGHT);
    if (!variant)
        m_grid.SetItemBkColour(row, kLossColumn, AppSettings::Get().Colours[0]);
    m_grid.RedrawRow(row);
}

void CDimenzTrubek::FillGrid()
{
    m_grid.DeleteNonFixedRows();
    m_variants.clear();
    int currentRow = -1;
    for (std::size_t i = 0; i < m_pipes.size(); ++i)
    {
        const PipeChoice& pipe = m_pipes[i];
        m_variants.push_back(ComputePipeLoss(pipe.code, m_dFlow, m_dPipeLength, m_dInsertedResistances));
        const int row = m_grid.GetFixedRowCount() + int(i);
        ShowVariant(row, pipe);
        if (pipe.code == m_strCurrentCode && m_variants.back())
            currentRow = row;
    }
    m_grid.AutoSizeColumns();
    m_grid.SetColumnWidth(0, std::clamp(m_grid.GetColumnWidth(0), 132, 330));
    m_grid.SetColumnWidth(1, 0);
    m_grid.SetColumnWidth(8, 0);
    m_grid.ExpandLastColumn();
    if (currentRow >= 0)
        m_grid.SetSelectedRange(currentRow, 1, currentRow, kColumns - 1, TRUE);
}

void CDimenzTrubek::OnKillFocusFlow()
{
    CString text;
    m_editFlow.GetWindowText(text);
    m_dFlow = ReadNumber(text);
    FillGrid();
}

void CDimenzTrubek::OnOK() {}

void CDimenzTrubek::OnChoose()
{
    const CCellRange selection = m_grid.GetSelectedCellRange();
    const bool selected = selection.GetMinRow() >= m_grid.GetFixedRowCount() && selection.GetMinCol() >= 0 &&
                          selection.GetMinRow() <= selection.GetMaxRow() &&
                          selection.GetMinCol() <= selection.GetMaxCol();
    if (selected)
    {
        const int row = selection.GetMinRow();
        const std::size_t index = std::size_t(row - m_grid.GetFixedRowCount());
        if (index >= m_variants.size() || !m_variants[index])
        {
            ShowSizingMessage(*this, IDS_SIZING_UNKNOWN_PIPE, MB_ICONEXCLAMATION);
            return;
        }
        m_strResultDescription = m_grid.GetItemText(row, 0);
        m_strResultCode = m_grid.GetItemText(row, 1);
        m_strResultItem = m_grid.GetItemText(row, 8);
        m_dResultLoss = m_variants[index]->total;
        m_bResultKnown = true;
        EndDialog(IDOK);
        return;
    }
    if (m_bForSection)
    {
        ShowSizingMessage(*this, IDS_SIZING_NO_VARIANT, MB_ICONEXCLAMATION);
        return;
    }
    EndDialog(IDOK);
}

void CDimenzTrubek::OnDestroy()
{
    CDialog::OnDestroy();
    m_pipes.clear();
}
