// The floor heating reports of the view: the design input per circuit (report 2) and the design
// results per circuit (report 3), one line per floor circuit of the places with floor heating.
// A place longer than a page goes on on the next page; its room data stand on its first line.
#include "app/CMekrView.h"

#include "app/PrintIds.h"
#include "app/PrintSnapshot.h"
#include "app/ReportDrawing.h"
#include "floorwall/CMistPodlahVytap.h"
#include "hydraulics/CTopnyOkruh.h"
#include "platform/gdi/CDC.h"

namespace
{
constexpr int FloorInputReport = 2;
constexpr int FirstPageGap = 100;

// Calls line(place, circuit, index in the place, running number) for the circuits of the page.
template <typename Line>
void ForCircuitsOfPage(const std::vector<CMistPodlahVytap*>& rooms, int firstLine, int lines, Line line)
{
    int n = 0;
    for (const CMistPodlahVytap* room : rooms)
    {
        if (!HasFloorHeating(room))
            continue;
        const std::vector<const CTopnyOkruh*> circuits = PresentCircuits(room->m_floorCircuits);
        for (size_t index = 0; index < circuits.size(); ++index)
        {
            ++n;
            if (n > firstLine && n <= firstLine + lines)
                line(*room, *circuits[index], index, n);
        }
    }
}
} // namespace

void CMekrView::SetUpFloorReport()
{
    m_nFirstPageRows = m_nSestava == FloorInputReport ? 5 : 6;
    m_nHeadingRows = 5;
    m_groupSizes.clear();
    for (const CMistPodlahVytap* room : m_snapshot->Rooms())
    {
        if (!HasFloorHeating(room))
            continue;
        const std::vector<const CTopnyOkruh*> circuits = PresentCircuits(room->m_floorCircuits);
        m_groupSizes.push_back(int(circuits.size()));
        if (!circuits.empty())
            m_dSupplyTemperature = circuits.back()->m_dFlowTemperature;
    }
}

int CMekrView::FirstLineOfPage() const
{
    int first = 0;
    for (int page = 1; page < m_nCurrentPage && page <= int(m_pages.size()); ++page)
        first += m_pages[size_t(page - 1)].rowCount;
    return first;
}

void CMekrView::PrintFloorInput(CDC* pDC, const CRect& area, int top)
{
    const int width = area.right - area.left;
    const int u = width / 32;
    const int L = area.left;
    if (m_nCurrentPage == 1)
        top -= 4 * m_nBoldRow + FirstPageGap;
    CFont* previous = pDC->SelectObject(&m_normalFont);
    const int x[] = {L,          L + 2 * u,  L + 6 * u,  L + 9 * u,  L + 15 * u, L + 17 * u,
                     L + 20 * u, L + 23 * u, L + 26 * u, L + 29 * u, L + width};
    auto centre = [&](int column) { return (x[column - 1] + x[column]) / 2; };
    DrawFrame(pDC, L, top, area.right, top - 2 * m_nBoldRow);
    for (int column = 1; column <= 10; ++column)
    {
        const int cellTop = column >= 7 && column <= 9 ? top - m_nNormalRow : top;
        DrawFrame(pDC, x[column - 1], cellTop, x[column], top - 2 * m_nBoldRow);
    }
    const CString m2("[m2]");
    DrawHeadLines(pDC, centre(1), top,
                  {ReportText(IDS_HEAD_ORDER), ReportText(IDS_HEAD_NUMBER), CString("okr.")});
    DrawHeadLines(pDC, centre(2), top, {ReportText(IDS_HEAD_CODE), ReportText(IDS_HEAD_CIRCUIT)});
    DrawHeadLines(pDC, centre(3), top, {ReportText(IDS_HEAD_NUMBER_CAP), ReportText(IDS_HEAD_ROOM)});
    DrawHeadLines(pDC, centre(4), top, {ReportText(IDS_NAME), ReportText(IDS_HEAD_ROOM)});
    DrawHeadLines(pDC, centre(5), top, {ReportText(IDS_TI), CString(), CString("[°C]")});
    DrawHeadLines(pDC, centre(6), top,
                  {ReportText(IDS_HEAD_THERMAL), ReportText(IDS_HEAD_LOSS_SMALL), CString("[W]")});
    DrawTextAt(pDC, centre(8), top - 7, ReportText(IDS_AREA), TA_CENTER);
    DrawHeadLines(pDC, centre(7), top, {CString("celk."), m2}, 52);
    DrawHeadLines(pDC, centre(8), top, {ReportText(IDS_HEAD_USABLE), m2}, 52);
    DrawHeadLines(pDC, centre(9), top, {ReportText(IDS_HEAD_EDGE), m2}, 52);
    DrawHeadLines(pDC, centre(10), top,
                  {ReportText(IDS_HEAD_RESISTANCE), ReportText(IDS_HEAD_COVERING), CString("[m2K/W]")});
    top -= 2 * m_nBoldRow;

    const int d = pDC->GetTextExtent(CString("o")).cx;
    const int textOffset = (m_nNormalRow - 40) / 2;
    const PagePart& page = m_pages[size_t(m_nCurrentPage - 1)];
    ForCircuitsOfPage(
        m_snapshot->Rooms(), FirstLineOfPage(), page.rowCount,
        [&](const CMistPodlahVytap& room, const CTopnyOkruh& circuit, size_t index, int n)
        {
            DrawCells(pDC, top, m_nNormalRow,
                      {x[0], x[1], x[2], x[3], x[4], x[5], x[6], x[7], x[8], x[9], x[10]});
            const int y = top - textOffset;
            DrawTextAt(pDC, L + u, y, ReportNumber(long(n)), TA_CENTER);
            DrawTextAt(pDC, x[1] + d, y, CutToWidth(pDC, circuit.m_strLabel, x[2] - x[1] - 2 * d), TA_LEFT);
            if (index == 0)
            {
                DrawTextAt(pDC, x[2] + d, y, CutToWidth(pDC, room.m_strNumber, x[3] - x[2] - 2 * d), TA_LEFT);
                DrawTextAt(pDC, x[3] + d, y, CutToWidth(pDC, room.m_strName, x[4] - x[3] - 2 * d), TA_LEFT);
                DrawTextAt(pDC, x[5] - d, y, ReportNumber("%6.1f", room.m_dRoomTemperature), TA_RIGHT);
                DrawTextAt(pDC, x[6] - d, y, ReportNumber("%8.0f", room.m_dHeatLoss), TA_RIGHT);
                DrawTextAt(pDC, x[7] - d, y, ReportNumber("%.1f", room.m_dFloorArea), TA_RIGHT);
            }
            DrawTextAt(pDC, x[8] - d, y, ReportNumber("%.1f", circuit.m_dOccupiedArea), TA_RIGHT);
            DrawTextAt(pDC, x[9] - d, y, ReportNumber("%.1f", circuit.m_dEdgeArea), TA_RIGHT);
            DrawTextAt(pDC, x[10] - d, y, ReportNumber("%8.3f", room.m_dCoveringResistance), TA_RIGHT);
            top -= m_nNormalRow;
        });
    pDC->SelectObject(previous);
}

void CMekrView::PrintFloorResults(CDC* pDC, const CRect& area, int top)
{
    const int width = area.right - area.left;
    const int v = width / 33;
    const int L = area.left;
    if (m_nCurrentPage == 1)
    {
        CFont* bold = pDC->SelectObject(&m_boldFont);
        DrawFrame(pDC, L, top - 5 * m_nBoldRow, area.right, top - 6 * m_nBoldRow);
        const int y = top - 5 * m_nBoldRow - (m_nBoldRow - 50) / 2;
        DrawTextAt(pDC, L + v, y, ReportText(IDS_SUPPLY_TEMPERATURE), TA_LEFT);
        DrawTextAt(pDC, L + width / 2 - v, y, ReportNumber("%8.1f", m_dSupplyTemperature), TA_RIGHT);
        pDC->SelectObject(bold);
        top -= 5 * m_nBoldRow + FirstPageGap;
    }
    CFont* previous = pDC->SelectObject(&m_normalFont);
    const int x[] = {L,          L + 2 * v,  L + 5 * v,  L + 7 * v,  L + 9 * v,  L + 11 * v, L + 14 * v,
                     L + 17 * v, L + 20 * v, L + 22 * v, L + 25 * v, L + 28 * v, L + 31 * v, L + width};
    auto centre = [&](int column) { return (x[column - 1] + x[column]) / 2; };
    const int headHeight = TableHeadHeight();
    DrawFrame(pDC, L, top, area.right, top - headHeight);
    for (int column = 1; column <= 13; ++column)
    {
        const int cellTop = column >= 7 && column <= 9 ? top - m_nNormalRow : top;
        DrawFrame(pDC, x[column - 1], cellTop, x[column], top - headHeight);
    }
    const CString m("[m]");
    const CString spacing = ReportText(IDS_SPACING);
    const CString pipes = ReportText(IDS_PIPE_SPACING);
    const int spacingBlank = spacing.Find(' ');
    const int pipesBlank = pipes.Find(' ');
    DrawHeadLines(pDC, centre(1), top,
                  {ReportText(IDS_HEAD_ORDER), ReportText(IDS_HEAD_NUMBER), CString("okr.")});
    DrawHeadLines(pDC, centre(2), top, {ReportText(IDS_HEAD_CODE), ReportText(IDS_HEAD_CIRCUIT)});
    DrawHeadLines(pDC, centre(3), top, {CString("q"), CString("[W/"), CString("m2]")});
    DrawHeadLines(pDC, centre(4), top, {CString("TFm"), ReportText(IDS_HEAD_ACTUAL), CString("[°C]")});
    DrawHeadLines(pDC, centre(5), top, {CString("sigma"), CString(), CString("[K]")});
    DrawTextAt(pDC, centre(6), top - 7, spacingBlank < 0 ? spacing : spacing.Left(spacingBlank), TA_CENTER);
    DrawTextAt(pDC, centre(6), top - 52, pipesBlank < 0 ? CString() : pipes.Mid(pipesBlank + 1), TA_CENTER);
    DrawTextAt(pDC, centre(6), top - 90, m, TA_CENTER);
    DrawTextAt(pDC, centre(8), top - 7, ReportText(IDS_LENGTH), TA_CENTER);
    DrawHeadLines(pDC, centre(7), top, {ReportText(IDS_HEAD_CIRCUIT), m}, 52);
    DrawHeadLines(pDC, centre(8), top, {ReportText(IDS_HEAD_SUPPLY), m}, 52);
    // Under the common caption "Délka" the column says only whose: "cizí" fits its two units.
    DrawHeadLines(pDC, centre(9), top, {AfterFirstBlank(ReportText(IDS_FOREIGN_LENGTH)), m}, 52);
    DrawHeadLines(pDC, centre(10), top,
                  {ReportText(IDS_HEAD_MASS), ReportText(IDS_HEAD_FLOW), CString("[kg/hod]")});
    DrawHeadLines(pDC, centre(11), top,
                  {ReportText(IDS_HEAD_PRESSURE), ReportText(IDS_HEAD_LOSS_SMALL), CString("[Pa]")});
    DrawHeadLines(pDC, centre(12), top,
                  {ReportText(IDS_HEAD_MANIFOLD1), ReportText(IDS_HEAD_MANIFOLD2), CString("[-]")});
    DrawHeadLines(pDC, centre(13), top, {ReportText(IDS_HEAD_MISSING), CString(), CString("[W]")});
    top -= headHeight;

    const int d = pDC->GetTextExtent(CString("l")).cx;
    const int textOffset = (m_nNormalRow - 40) / 2;
    const CString none("---");
    const PagePart& page = m_pages[size_t(m_nCurrentPage - 1)];
    ForCircuitsOfPage(
        m_snapshot->Rooms(), FirstLineOfPage(), page.rowCount,
        [&](const CMistPodlahVytap&, const CTopnyOkruh& c, size_t, int n)
        {
            DrawCells(
                pDC, top, m_nNormalRow,
                {x[0], x[1], x[2], x[3], x[4], x[5], x[6], x[7], x[8], x[9], x[10], x[11], x[12], x[13]});
            const int y = top - textOffset;
            const bool noLength = c.m_dLoopLength == 0.0 && c.m_dOwnSupplyLength == 0.0;
            const CString values[] = {
                ReportNumber("%.1f", c.m_dHeatFlux),
                ReportNumber("%.1f", c.m_dMeanSurfaceTemperature),
                noLength ? none : ReportNumber("%.1f", c.m_dSpread),
                noLength ? none : ReportNumber("%.3f", c.m_dSpacing),
                ReportNumber("%.1f", c.m_dLoopLength),
                ReportNumber("%.1f", c.m_dOwnSupplyLength),
                ReportNumber("%.1f", c.m_dForeignLength),
                ReportNumber("%.1f", c.m_dMassFlowKgPerS * 3600.0),
                ReportNumber("%.0f", c.m_dPressureLoss),
                ReportNumber(long(c.m_nManifold)),
                c.m_dOutputDifference >= 1.0 ? ReportNumber("%.0f", c.m_dOutputDifference) : none};
            DrawTextAt(pDC, L + v, y, ReportNumber(long(n)), TA_CENTER);
            DrawTextAt(pDC, x[1] + d, y, CutToWidth(pDC, c.m_strLabel, x[2] - x[1] - 2 * d), TA_LEFT);
            for (int column = 3; column <= 13; ++column)
                DrawTextAt(pDC, x[column] - d, y, values[column - 3], TA_RIGHT);
            top -= m_nNormalRow;
        });
    pDC->SelectObject(previous);
}
