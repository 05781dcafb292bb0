#include "controls/grid/fmt/CFmtGridCtrl.h"

#include "common/AppSettings.h"
#include "common/CommonIds.h"
#include "common/CommonRoutines.h"
#include "common/OpenWorkbookTable.h"
#include "controls/grid/CGridDefaultCell.h"
#include "platform/core/NumberText.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/ui/CClientDC.h"

#include <cstdio>

namespace
{
// "RRGGBB" as read with "%2x%2x%2x": pairs that do not read count as 0.
COLORREF ParseColour(const CString& text)
{
    unsigned int part[3] = {0, 0, 0};
    std::sscanf(text.GetString(), "%2x%2x%2x", &part[0], &part[1], &part[2]);
    return RGB(BYTE(part[0]), BYTE(part[1]), BYTE(part[2]));
}
} // namespace

BEGIN_MESSAGE_MAP(CFmtGridCtrl, CGridCtrl)
END_MESSAGE_MAP()

CFmtGridCtrl::CFmtGridCtrl() : CGridCtrl(0, 0, 0, 0) {}

CFmtGridCtrl::~CFmtGridCtrl() = default;

int CFmtGridCtrl::FindColumn(const CString& name) const
{
    if (name.IsEmpty())
        return -1;
    for (int i = 0; i < m_aColumnNames.GetSize(); ++i)
        if (m_aColumnNames[i].Find(name.GetString()) >= 0)
            return i + GetFixedColumnCount();
    return -1;
}

void CFmtGridCtrl::ApplyCellFormat(int row, BOOL resetWhenEmpty, int formatColumn, CString format)
{
    if (format.IsEmpty() && formatColumn != -1)
        format = GetItemText(row, formatColumn);
    const bool slash = !format.IsEmpty() && format.GetAt(0) == '/';
    if (slash)
        format = format.Mid(1);
    const int bar1 = format.Find('|');
    if (bar1 < 0)
    {
        if (resetWhenEmpty && format.IsEmpty())
            ResetRow(row, formatColumn, slash);
        return;
    }
    const CGridCellBase* defaults = GetDefaultCell(FALSE, FALSE);
    const CString field1 = format.Left(bar1);
    const COLORREF text = field1.IsEmpty() ? defaults->GetTextClr() : ParseColour(field1);
    const int bar2 = format.Find('|', bar1 + 1);
    if (bar2 < 0)
        return;
    const CString field2 = format.Mid(bar1 + 1, bar2 - bar1 - 1);
    const COLORREF back = field2.IsEmpty() ? defaults->GetBackClr() : ParseColour(field2);
    const int bar3 = format.Find('|', bar2 + 1);
    if (bar3 < 0)
        return;
    const CString style = format.Mid(bar2 + 1, bar3 - bar2 - 1);
    const int larger = NumberText::ToInt(format.Mid(bar3 + 1).str());

    LOGFONT font{};
    if (const LOGFONT* corner = GetDefaultCell(TRUE, TRUE)->GetFont())
        font = *corner;
    font.lfWeight = style.Find('T') >= 0 ? 700 : 400;
    font.lfItalic = style.Find('K') >= 0 ? 1 : 0;
    font.lfUnderline = style.Find('P') >= 0 ? 1 : 0;
    CClientDC dc(this);
    font.lfHeight -= MulDiv(larger, dc.GetDeviceCaps(LOGPIXELSY), 72);

    const int treeColumn = m_TreeColumn.GetGrid() ? m_TreeColumn.GetTreeColumn() : -1;
    for (int col = GetFixedColumnCount(); col < GetColumnCount(); ++col)
    {
        if (col == treeColumn)
            continue;
        SetItemFgColour(row, col, text);
        SetItemBkColour(row, col, back);
        SetItemFont(row, col, &font);
    }
}

// The default appearance again: colours, font and margin. The cell keeps its state (read-only,
// selected, focused, modified), image, item data, text and format.
void CFmtGridCtrl::ResetRow(int row, int formatColumn, bool slash)
{
    SetItemText(row, formatColumn, slash ? "/" : "");
    for (int col = GetFixedColumnCount(); col < GetColumnCount(); ++col)
    {
        SetItemFgColour(row, col, CLR_DEFAULT);
        SetItemBkColour(row, col, CLR_DEFAULT);
        SetItemFont(row, col, nullptr);
        SetItemMargin(row, col, 0xFFFFFFFF);
    }
}

void CFmtGridCtrl::ApplyColumnFormats(BOOL resetWhenEmpty)
{
    const int formatColumn = FindColumn("Format");
    if (formatColumn < 0)
    {
        AutoSize(0);
        return;
    }
    SetDrawingAllowed(FALSE);
    SetColumnWidth(formatColumn, 0);
    for (int row = GetFixedRowCount(); row < GetRowCount(); ++row)
        ApplyCellFormat(row, resetWhenEmpty, formatColumn, CString());
    SetDrawingAllowed(TRUE);
    Refresh();
}

int CFmtGridCtrl::LoadFromTable(const CString& table, const CString& sql)
{
    CString workbookName;
    workbookName.LoadString(IDS_CATALOGUE_WORKBOOK);
    const CString file = JoinPath(AppSettings::Get().PathData, workbookName);
    if (OpenWorkbookTable(m_Data, file, table, sql) < 0)
        return 1;

    m_aColumnNames.RemoveAll();
    DeleteAllItems();
    SetRowCount(m_Data.m_nRecordCount + 1);
    SetFixedRowCount(1);
    InsertColumn("#", DT_CENTER);
    SetFixedColumnCount(1);
    for (int c = 0; c < m_Data.m_aColNames.GetSize(); ++c)
    {
        InsertColumn(m_Data.m_aColNames[c], DT_CENTER);
        m_aColumnNames.Add(m_Data.m_aColNames[c]);
    }
    for (int i = 1; i <= m_Data.m_nRecordCount; ++i)
    {
        SetItemTextFmt(i, 0, "%d", i);
        for (int c = 0; c < m_Data.m_aColNames.GetSize(); ++c)
        {
            CString text;
            m_Data.GetStringValue(c, text, i - 1, -1);
            SetItemText(i, c + 1, text);
        }
    }
    if (m_Data.IsOpenTable(table))
        m_Data.CloseTable();
    if (m_Data.IsOpen())
        m_Data.Close();
    ApplyColumnFormats(TRUE);
    return 0;
}
