// The pipe-distribution sizing report of the view (report 6): one line per section of every
// distribution tree, ordered by the section numbers, with its level, item, pipe, flow, length,
// inserted resistances and pressure losses.
#include "app/CMekrView.h"

#include "app/PrintIds.h"
#include "app/PrintSnapshot.h"
#include "app/ReportDrawing.h"
#include "common/AppSettings.h"
#include "platform/gdi/CDC.h"

namespace
{
constexpr int FirstPageGap = 100;
} // namespace

void CMekrView::SetUpSizing()
{
    m_nFirstPageRows = 5;
    m_nHeadingRows = 2;
    LoadSizingLines(AppSettings::Get().CurrentProjectPath(), *m_snapshot);
    m_groupSizes.assign(m_snapshot->sections.size(), 1);
}

void CMekrView::PrintSizing(CDC* pDC, const CRect& area, int top)
{
    const int width = area.right - area.left;
    const int u = width / 32;
    const int L = area.left;
    if (m_nCurrentPage == 1)
    {
        pDC->MoveTo(L, top - 4 * m_nBoldRow);
        pDC->LineTo(area.right, top - 4 * m_nBoldRow);
        top -= 4 * m_nBoldRow + FirstPageGap;
    }
    CFont* previous = pDC->SelectObject(&m_normalFont);
    const int x[] = {L,          L + 2 * u,  L + 6 * u,  L + 8 * u,  L + 11 * u, L + 19 * u,
                     L + 22 * u, L + 24 * u, L + 26 * u, L + 29 * u, L + width};
    auto centre = [&](int column) { return (x[column - 1] + x[column]) / 2; };
    const int headHeight = TableHeadHeight();
    DrawFrame(pDC, L, top, area.right, top - headHeight);
    for (int column = 1; column <= 10; ++column)
    {
        const int cellTop = column >= 9 ? top - m_nNormalRow : top;
        DrawFrame(pDC, x[column - 1], cellTop, x[column], top - headHeight);
    }
    const CString section = ReportText(IDS_HEAD_SECTION);
    const CString pipeLength = ReportText(IDS_PIPE_LENGTH);
    CString resistances = BeforeFirstBlank(ReportText(IDS_INSERTED_RESISTANCES));
    resistances.Replace("ené", ".");
    DrawHeadLines(pDC, centre(1), top, {ReportText(IDS_HEAD_ORDER), ReportText(IDS_HEAD_NUMBER), section});
    DrawHeadLines(pDC, centre(2), top, {ReportText(IDS_HEAD_CODE), section});
    DrawHeadLines(pDC, centre(3), top, {CString("Hla-"), CString("dina"), section});
    DrawHeadLines(pDC, centre(4), top, {ReportText(IDS_HEAD_ITEM)});
    DrawHeadLines(pDC, centre(5), top, {ReportText(IDS_HEAD_DESIGNATION), AfterFirstBlank(pipeLength)});
    DrawHeadLines(pDC, centre(6), top,
                  {ReportText(IDS_HEAD_MASS), ReportText(IDS_HEAD_FLOW), CString("[kg/hod]")});
    DrawHeadLines(pDC, centre(7), top,
                  {BeforeFirstBlank(pipeLength), AfterFirstBlank(pipeLength), CString("[m]")});
    DrawHeadLines(pDC, centre(8), top,
                  {resistances, AfterFirstBlank(ReportText(IDS_INSERTED_RESISTANCES)), CString("[-]")});
    DrawTextAt(pDC, L + 59 * u / 2, top - 7, ReportText(IDS_PRESSURE_LOSS), TA_CENTER);
    DrawHeadLines(pDC, centre(9), top, {section, CString("[Pa]")}, 52);
    DrawHeadLines(pDC, centre(10), top, {ReportText(IDS_HEAD_CUMULATIVE), CString("[Pa]")}, 52);
    top -= headHeight;

    const PagePart& page = m_pages[size_t(m_nCurrentPage - 1)];
    const std::vector<SizingLine>& lines = m_snapshot->sections;
    const int p = pDC->GetTextExtent(CString("l")).cx;
    const int textOffset = (m_nNormalRow - 40) / 2;
    for (int n = page.firstGroup; n < page.firstGroup + page.rowCount && n < int(lines.size()); ++n)
    {
        const SizingLine& line = lines[size_t(n)];
        DrawCells(pDC, top, m_nNormalRow,
                  {x[0], x[1], x[2], x[3], x[4], x[5], x[6], x[7], x[8], x[9], x[10]});
        const int y = top - textOffset;
        DrawTextAt(pDC, L + u, y, ReportNumber(long(n + 1)), TA_CENTER);
        DrawTextAt(pDC, x[1] + p, y, CutToWidth(pDC, line.code, 4 * u - p / 2 - p), TA_LEFT);
        DrawTextAt(pDC, x[3] - p, y, ReportNumber(long(line.level)), TA_RIGHT);
        DrawTextAt(pDC, x[4] - p, y, line.item, TA_RIGHT);
        DrawTextAt(pDC, x[4] + p, y, CutToWidth(pDC, line.designation, 8 * u - p / 2 - p), TA_LEFT);
        DrawTextAt(pDC, x[6] - p, y, ReportNumber("%.3f", line.flow), TA_RIGHT);
        DrawTextAt(pDC, x[7] - p, y, ReportNumber("%.1f", line.pipeLength), TA_RIGHT);
        DrawTextAt(pDC, x[8] - p, y, ReportNumber("%.1f", line.insertedResistances), TA_RIGHT);
        DrawTextAt(pDC, x[9] - p, y, ReportNumber("%.0f", line.sectionLoss), TA_RIGHT);
        DrawTextAt(pDC, x[10] - p, y, ReportNumber("%.0f", line.accumulatedLoss), TA_RIGHT);
        top -= m_nNormalRow;
    }
    pDC->SelectObject(previous);
}
