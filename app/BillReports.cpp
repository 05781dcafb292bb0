// The bills of materials of the view (reports 4, floor heating, and 9, wall heating): one line
// per item of the bill sheet, each under the chapter headings of its maker's catalogue, with the
// prices when the report choice asks for them.
#include "app/CMekrView.h"

#include "app/PrintIds.h"
#include "app/PrintSnapshot.h"
#include "app/ReportDrawing.h"
#include "common/AppSettings.h"
#include "platform/gdi/CDC.h"

#include <algorithm>

namespace
{
constexpr int FirstPageGap = 100;
constexpr int FloorBillReport = 4;
} // namespace

void CMekrView::SetUpBill()
{
    m_nFirstPageRows = m_bVcetneHodnoty ? 8 : 5;
    m_nHeadingRows = 3;
    AppSettings& settings = AppSettings::Get();
    LoadBillItems(settings.CurrentProjectPath(),
                  m_nSestava == FloorBillReport ? "MateriPodlah$" : "MateriStenov$", settings.PathList,
                  *m_snapshot);
    m_groupSizes.clear();
    for (const BillReportItem& item : m_snapshot->bill)
        m_groupSizes.push_back(item.Lines());
}

void CMekrView::PrintBill(CDC* pDC, const CRect& area, int top)
{
    const int width = area.right - area.left;
    const int u = width / 32;
    const int L = area.left;
    const bool values = m_bVcetneHodnoty != 0;
    CFont* previous = pDC->SelectObject(&m_normalFont);
    if (m_nCurrentPage == 1)
    {
        if (values)
        {
            DrawFrame(pDC, L, top - 5 * m_nBoldRow, area.right, top - 6 * m_nBoldRow);
            pDC->SelectObject(&m_boldFont);
            CString sum;
            sum.Format(AppSettings::Get().Language == "Cz" ? "%8.0f,-" : "%10.2f", m_snapshot->billValue);
            const CString text =
                ReportText(IDS_SYSTEM_PRICE) + "  " + ReportText(IDS_HEAD_CROWNS) + "  " + sum;
            DrawTextAt(pDC, area.right - u, top - 5 * m_nBoldRow - (m_nBoldRow - 50) / 2, text, TA_RIGHT);
            pDC->SelectObject(&m_normalFont);
            top -= m_nBoldRow;
        }
        top -= 4 * m_nBoldRow + FirstPageGap;
    }
    const int x[] = {L, L + 2 * u, L + 5 * u, L + 19 * u, L + 22 * u, L + 24 * u, L + 28 * u, L + width};
    auto centre = [&](int column) { return (x[column - 1] + x[column]) / 2; };
    auto columnBoxes = [&](int height) {
        DrawCells(pDC, top, height, {x[0], x[1], x[2], x[3], x[4], x[5], x[6], x[7]});
    };
    auto head = [&](int xText, unsigned align, std::initializer_list<CString> lines)
    {
        int y = top - 10;
        for (const CString& line : lines)
        {
            DrawTextAt(pDC, xText, y, line, align);
            y -= 40;
        }
    };
    columnBoxes(2 * m_nBoldRow);
    head(centre(1), TA_CENTER,
         {ReportText(IDS_HEAD_ORDER), ReportText(IDS_HEAD_NUMBER), ReportText(IDS_HEAD_ITEM_SHORT)});
    head(centre(2), TA_CENTER, {ReportText(IDS_HEAD_ORDER_NUMBER), ReportText(IDS_HEAD_NUMBER)});
    head(L + 6 * u, TA_LEFT, {ReportText(IDS_NAME), ReportText(IDS_HEAD_OF_ITEM)});
    head(centre(4), TA_CENTER, {ReportText(IDS_HEAD_QUANTITY)});
    head(centre(5), TA_CENTER, {ReportText(IDS_HEAD_UNIT), ReportText(IDS_HEAD_UNIT_SHORT)});
    if (values)
    {
        head(centre(6), TA_CENTER,
             {ReportText(IDS_HEAD_PRICE), CString("za Mj."), ReportText(IDS_HEAD_CROWNS)});
        head(centre(7), TA_CENTER,
             {ReportText(IDS_HEAD_TOTAL_PRICE), ReportText(IDS_HEAD_WITHOUT_VAT),
              ReportText(IDS_HEAD_CROWNS)});
    }
    top -= 2 * m_nBoldRow;

    // The page holds its items; an item longer than a page goes on where the page before ended.
    const PagePart& page = m_pages[size_t(m_nCurrentPage - 1)];
    const std::vector<BillReportItem>& items = m_snapshot->bill;
    int linesLeft = m_nCurrentPage == 1 ? m_capacity.firstPage : m_capacity.followingPage;
    const int l = pDC->GetTextExtent(CString("l")).cx;
    const int textOffset = (m_nNormalRow - 40) / 2;
    const int nameX = L + 5 * u + u / 2;
    const int nameWidth = x[3] - nameX - l;
    for (int r = page.firstGroup;
         r < page.firstGroup + page.rowCount && r < int(items.size()) && linesLeft > 0; ++r)
    {
        const BillReportItem& item = items[size_t(r)];
        if (!item.Printed())
            continue;
        const int first = r == page.firstGroup ? page.carryOver : 0;
        const int here = std::min(item.Lines() - first, linesLeft);
        if (!item.headings.empty())
            columnBoxes(here * m_nNormalRow);
        for (int line = first; line < first + here; ++line)
        {
            const int y = top - textOffset;
            if (line < int(item.headings.size()))
            {
                DrawTextAt(pDC, nameX, y, CutToWidth(pDC, item.headings[size_t(line)], nameWidth), TA_LEFT);
            }
            else
            {
                const CString name = item.nazev.IsEmpty() ? item.typ : item.typ + " - " + item.nazev;
                DrawTextAt(pDC, L + u, y, ReportNumber(long(item.order)), TA_CENTER);
                DrawTextAt(pDC, L + 2 * u + 3 * u / 2, y, item.polozka, TA_CENTER);
                DrawTextAt(pDC, nameX, y, CutToWidth(pDC, name, nameWidth), TA_LEFT);
                DrawTextAt(pDC, L + 22 * u - u / 2, y, item.quantity, TA_RIGHT);
                DrawTextAt(pDC, L + 23 * u, y, item.mj, TA_CENTER);
                if (values)
                {
                    DrawTextAt(pDC, L + 28 * u - u / 2, y, item.price, TA_RIGHT);
                    DrawTextAt(pDC, L + width - u / 2, y, item.value, TA_RIGHT);
                }
            }
            top -= m_nNormalRow;
        }
        linesLeft -= here;
    }
    pDC->SelectObject(previous);
}
