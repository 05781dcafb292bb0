// Printing of the editor grid: pages down by the page height and after every page-break row,
// pages across for columns that do not fit (when the grid's switch says so), across first; on
// every page the header, the column headings, the rows of the page's band and the footer.
#include "dataeditor/grid/CSobrelGrid.h"

#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/grid/SobrelGridPrintLayout.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CPrintInfo.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/ui/CClientDC.h"

#include <algorithm>
#include <vector>


namespace
{
// The three sections of a header or footer part.
std::vector<CString> Sections(const CString& part)
{
    std::vector<CString> sections;
    std::string_view rest(part.str());
    for (int i = 0; i < 3; ++i)
    {
        const std::size_t tab = i < 2 ? rest.find('\t') : std::string_view::npos;
        sections.emplace_back(std::string(rest.substr(0, tab)));
        rest = tab == std::string_view::npos ? std::string_view() : rest.substr(tab + 1);
    }
    return sections;
}
} // namespace

int CSobrelGrid::PrintedSize(int screenSize) const
{
    return m_print ? int(screenSize * m_print->scale + 0.5) : screenSize;
}

void CSobrelGrid::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    m_print = std::make_unique<PrintLayout>();
    PrintLayout& layout = *m_print;
    layout.page = pInfo && !pInfo->m_rectDraw.IsRectEmpty()
                      ? pInfo->m_rectDraw
                      : CRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    int screenDpi = 96;
    if (GetSafeHwnd())
    {
        CClientDC screen(this);
        screenDpi = std::max(1, screen.GetDeviceCaps(LOGPIXELSY));
    }
    const double dpiRatio = double(std::max(1, pDC->GetDeviceCaps(LOGPIXELSY))) / screenDpi;
    double zoom = 1;
    int pagesAcross = 0;
    const CSobrelApp* app = SobrelApp();
    if (app && app->options.printZoom > 0)
        zoom = app->options.printZoom / 100.0;
    if (app && app->options.printAutoZoom)
    {
        // The table's width over as many pages across as the options ask.
        pagesAcross = std::max(1, app->options.printAutoZoomPagesHoriz);
        const double target = double(GetVirtualWidth()) / pagesAcross + 1;
        zoom = layout.page.Width() / (target * dpiRatio);
    }
    layout.scale = dpiRatio * zoom;
    LayOutPrintColumns();
    // Every page repeats the fixed columns and ends at a whole column: the table shrinks on
    // until it takes no more pages across than asked.
    for (int i = 0; pagesAcross > 0 && i < 100 && int(layout.columnBands.size()) > pagesAcross; ++i)
    {
        layout.scale *= 0.97;
        LayOutPrintColumns();
    }
    CreatePrintFonts(pDC);
    LayOutPrintRows();
    if (pInfo)
        pInfo->SetMaxPage(UINT((layout.rowBands.size() - 1) * layout.columnBands.size()));
}

void CSobrelGrid::CreatePrintFonts(CDC* pDC)
{
    PrintLayout& layout = *m_print;
    LOGFONT logFont{};
    if (const LOGFONT* base = GetDefaultCell(FALSE, FALSE)->GetFont())
        logFont = *base;
    logFont.lfHeight = int(logFont.lfHeight * layout.scale);
    if (logFont.lfHeight == 0)
        logFont.lfHeight = -int(12 * layout.scale);
    layout.font.CreateFontIndirect(&logFont);
    logFont.lfWeight = 700;
    layout.boldFont.CreateFontIndirect(&logFont);
    CFont* old = pDC->SelectObject(&layout.font);
    layout.lineHeight = std::max(1, int(pDC->GetTextExtent("Xg").cy));
    pDC->SelectObject(old);
    if (GetHeaderText(nullptr) != "\t\t")
        layout.headerHeight = 3 * layout.lineHeight;
    if (GetFooterText(nullptr) != "\t\t")
        layout.footerHeight = 3 * layout.lineHeight;
}

void CSobrelGrid::LayOutPrintRows()
{
    PrintLayout& layout = *m_print;
    int headingHeight = 0;
    for (int row = 0; row < GetFixedRowCount(); ++row)
        headingHeight += PrintedSize(GetRowHeight(row));
    const int body = std::max(1, layout.page.Height() - layout.headerHeight - layout.footerHeight - headingHeight);
    layout.rowBands.assign(1, GetFixedRowCount());
    int used = 0;
    for (int row = GetFixedRowCount(); row < GetRowCount(); ++row)
    {
        const int height = PrintedSize(GetRowHeight(row));
        if (used > 0 && used + height > body)
        {
            layout.rowBands.push_back(row);
            used = 0;
        }
        used += height;
        if (IsPageBreakRow(row, "") && row + 1 < GetRowCount())
        {
            layout.rowBands.push_back(row + 1);
            used = 0;
        }
    }
    layout.rowBands.push_back(GetRowCount());
}

void CSobrelGrid::LayOutPrintColumns()
{
    PrintLayout& layout = *m_print;
    int fixedWidth = 0;
    for (int col = 0; col < GetFixedColumnCount(); ++col)
        fixedWidth += PrintedSize(GetColumnWidth(col));
    const int across = std::max(1, int(layout.page.Width()) - fixedWidth);
    layout.columnBands.assign(1, {});
    int width = 0;
    for (int col = GetFixedColumnCount(); col < GetColumnCount(); ++col)
    {
        const int columnWidth = PrintedSize(GetColumnWidth(col));
        if (columnWidth <= 0)
            continue;
        if (printColumnsAcross && width > 0 && width + columnWidth > across)
        {
            layout.columnBands.emplace_back();
            width = 0;
        }
        layout.columnBands.back().push_back(col);
        width += columnWidth;
    }
}

void CSobrelGrid::OnEndPrinting(CDC*, CPrintInfo*)
{
    m_print.reset();
}

void CSobrelGrid::PrintHeaderFooter(CDC* pDC, const CString& part, const CRect& band, bool header)
{
    if (part == "\t\t" || part.IsEmpty() || band.Height() <= 0)
        return;
    const std::vector<CString> sections = Sections(part);
    CFont* old = pDC->SelectObject(&m_print->boldFont);
    pDC->SetBkMode(TRANSPARENT);
    CRect text = band;
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    pDC->DrawText(sections[0], &text, format | DT_LEFT);
    pDC->DrawText(sections[1], &text, format | DT_CENTER);
    if (!sections[2].IsEmpty())
        pDC->DrawText(sections[2], &text, format | DT_RIGHT);
    const int y = header ? band.bottom : band.top;
    pDC->MoveTo(band.left, y);
    pDC->LineTo(band.right, y);
    pDC->SelectObject(old);
}

void CSobrelGrid::PrintHeader(CDC* pDC, CPrintInfo* pInfo)
{
    CRect band = m_print->page;
    band.bottom = band.top + m_print->headerHeight - m_print->lineHeight;
    PrintHeaderFooter(pDC, GetHeaderText(pInfo), band, true);
}

void CSobrelGrid::PrintFooter(CDC* pDC, CPrintInfo* pInfo)
{
    CRect band = m_print->page;
    band.top = band.bottom - m_print->footerHeight + m_print->lineHeight;
    PrintHeaderFooter(pDC, GetFooterText(pInfo), band, false);
}

CFont* CSobrelGrid::PrintFont(int row, int col)
{
    if (row < GetFixedRowCount())
        return &m_print->boldFont;
    if (IsItemDefaultFont(row, col))
        return &m_print->font;
    const LOGFONT* own = GetItemFont(row, col);
    if (!own)
        return &m_print->font;
    LOGFONT logFont = *own;
    logFont.lfHeight = int(logFont.lfHeight * m_print->scale);
    if (logFont.lfHeight == 0)
        logFont.lfHeight = -int(12 * m_print->scale);
    const PrintLayout::FontKey key{logFont.lfFaceName, logFont.lfHeight, logFont.lfWeight, logFont.lfItalic,
                                   logFont.lfUnderline, logFont.lfStrikeOut};
    std::unique_ptr<CFont>& font = m_print->cellFonts[key];
    if (!font)
    {
        font = std::make_unique<CFont>();
        font->CreateFontIndirect(&logFont);
    }
    return font.get();
}

void CSobrelGrid::PrintRow(CDC* pDC, int row, const std::vector<int>& columns, int top)
{
    int left = m_print->page.left;
    const int height = PrintedSize(GetRowHeight(row));
    const int margin = std::max(1, m_print->lineHeight / 6);
    for (int col : columns)
    {
        const int width = PrintedSize(GetColumnWidth(col));
        if (width <= 0)
            continue;
        CRect cell(left, top, left + width, top + height);
        const COLORREF fill = GetItemBkColour(row, col);
        if (printFill && fill != CLR_DEFAULT)
        {
            CBrush brush(fill);
            CBrush* oldBrush = pDC->SelectObject(&brush);
            pDC->Rectangle(&cell);
            pDC->SelectObject(oldBrush);
        }
        else
            pDC->Rectangle(&cell);
        CRect text = cell;
        text.DeflateRect(margin, 0);
        const UINT format = GetItemFormat(row, col);
        const UINT align = (format & DT_RIGHT) ? DT_RIGHT : DT_LEFT;
        // Texts that break their lines on screen break them on paper.
        const UINT lines =
            (format & DT_WORDBREAK) && !(format & DT_SINGLELINE) ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER;
        CFont* old = pDC->SelectObject(PrintFont(row, col));
        // A cell's own colour is printed; the screen's default text colour is not (black).
        const COLORREF colour = GetItemFgColour(row, col);
        const COLORREF oldColour = pDC->SetTextColor(colour == CLR_DEFAULT ? RGB(0, 0, 0) : colour);
        pDC->DrawText(GetItemText(row, col), &text, lines | DT_NOPREFIX | align);
        pDC->SetTextColor(oldColour);
        pDC->SelectObject(old);
        left += width;
    }
}

void CSobrelGrid::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    if (!m_print || !pInfo)
        return;
    const int across = int(m_print->columnBands.size());
    const int page = int(pInfo->m_nCurPage) - 1;
    const int rowBand = page / std::max(1, across);
    if (rowBand + 1 >= int(m_print->rowBands.size()))
        return;
    std::vector<int> columns;
    for (int col = 0; col < GetFixedColumnCount(); ++col)
        columns.push_back(col);
    const std::vector<int>& band = m_print->columnBands[std::size_t(page % std::max(1, across))];
    columns.insert(columns.end(), band.begin(), band.end());

    pDC->SetBkMode(TRANSPARENT);
    PrintHeader(pDC, pInfo);
    int top = m_print->page.top + m_print->headerHeight;
    for (int row = 0; row < GetFixedRowCount(); ++row)
    {
        PrintRow(pDC, row, columns, top);
        top += PrintedSize(GetRowHeight(row));
    }
    for (int row = m_print->rowBands[std::size_t(rowBand)]; row < m_print->rowBands[std::size_t(rowBand) + 1]; ++row)
    {
        if (GetRowHeight(row) <= 0)
            continue;
        PrintRow(pDC, row, columns, top);
        top += PrintedSize(GetRowHeight(row));
    }
    PrintFooter(pDC, pInfo);
}
