// The wall heating reports of the view: the design input per room (report 8) and the results
// per wall circuit (report 7), over the rooms with wall heating.
#include "app/CMekrView.h"

#include "app/PrintIds.h"
#include "app/PrintSnapshot.h"
#include "app/ReportDrawing.h"
#include "common/AppSettings.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/WallDesign.h"
#include "hydraulics/CTopnyOkruh.h"
#include "platform/gdi/CDC.h"

#include <algorithm>

namespace
{
constexpr int FirstPageGap = 100;
} // namespace

void CMekrView::SetUpWallResults()
{
    m_nFirstPageRows = 8;
    m_nHeadingRows = 2;
    m_groupSizes.clear();
    for (const CMistPodlahVytap* room : m_snapshot->Rooms())
    {
        const bool heated = HasWallHeating(room);
        m_groupSizes.push_back(heated ? int(PresentCircuits(room->m_wallCircuits).size()) : 0);
        if (heated)
        {
            m_dSupplyTemperature = room->m_dFlowTemperature;
            m_dSecondTemperature = room->m_dReturnTemperature;
        }
    }
}

void CMekrView::SetUpWallInput()
{
    m_nFirstPageRows = 6;
    m_nHeadingRows = 2;
    m_groupSizes.clear();
    for (const CMistPodlahVytap* room : m_snapshot->Rooms())
    {
        const bool heated = HasWallHeating(room);
        m_groupSizes.push_back(heated ? 1 : 0);
        if (heated)
            m_dSupplyTemperature = room->m_dFlowTemperature;
    }
    if (m_dSupplyTemperature <= 0.0)
        m_dSupplyTemperature = AppSettings::Get().DesignFlowTemperature;
    m_dSecondTemperature = m_dSupplyTemperature - (m_snapshot->wallSupply - m_snapshot->wallReturn);
    // The rooms' flux and needed area at these temperatures, once for all pages.
    if (m_snapshot->design)
        WallDesign::CalculateRooms(m_snapshot->Rooms(), m_dSupplyTemperature, m_dSecondTemperature,
                                   AppSettings::Get().MinimSigmaSten);
}

void CMekrView::DrawWallTemperatures(CDC* pDC, const CRect& area, int top)
{
    CFont* previous = pDC->SelectObject(&m_boldFont);
    DrawFrame(pDC, area.left, top - 5 * m_nBoldRow, area.right, top - 6 * m_nBoldRow);
    DrawBoldRow(pDC, area, top - 5 * m_nBoldRow - (m_nBoldRow - 50) / 2, ReportText(IDS_SUPPLY_TEMPERATURE),
                ReportNumber("%8.1f", m_dSupplyTemperature), ReportText(IDS_RETURN_TEMPERATURE),
                ReportNumber("%8.1f", m_dSecondTemperature));
    pDC->SelectObject(previous);
}

void CMekrView::PrintWallInput(CDC* pDC, const CRect& area, int top)
{
    const int width = area.right - area.left;
    const int u = width / 32;
    const int L = area.left;
    if (m_nCurrentPage == 1)
    {
        DrawWallTemperatures(pDC, area, top);
        top -= 5 * m_nBoldRow + FirstPageGap;
    }
    CFont* previous = pDC->SelectObject(&m_normalFont);
    const int x[] = {L,          L + 2 * u,  L + 5 * u,  L + 14 * u, L + 16 * u,
                     L + 20 * u, L + 24 * u, L + 28 * u, L + width};
    auto centre = [&](int column) { return (x[column - 1] + x[column]) / 2; };
    const int headHeight = TableHeadHeight();
    DrawFrame(pDC, L, top, area.right, top - headHeight);
    for (int column = 1; column <= 8; ++column)
    {
        const int cellTop = column == 6 || column == 7 ? top - m_nNormalRow : top;
        DrawFrame(pDC, x[column - 1], cellTop, x[column], top - headHeight);
    }
    CString needed = BeforeFirstBlank(ReportText(IDS_NEEDED_AREA));
    if (const int dot = needed.Find('.'); dot >= 0)
        needed = needed.Mid(dot + 1);
    const CString m2("[m2]");
    DrawHeadLines(pDC, centre(1), top,
                  {ReportText(IDS_HEAD_ORDER), ReportText(IDS_HEAD_NUMBER), ReportText(IDS_HEAD_ROOM_SHORT)});
    DrawHeadLines(pDC, centre(2), top, {ReportText(IDS_HEAD_NUMBER_CAP), ReportText(IDS_HEAD_ROOM)});
    DrawHeadLines(pDC, centre(3), top, {ReportText(IDS_NAME), ReportText(IDS_HEAD_ROOM)});
    DrawHeadLines(pDC, centre(4), top, {ReportText(IDS_TI), CString(), CString("[°C]")});
    DrawHeadLines(pDC, centre(5), top,
                  {ReportText(IDS_HEAD_THERMAL), ReportText(IDS_HEAD_LOSS_SMALL), CString("[W]")});
    DrawTextAt(pDC, L + 24 * u, top - 7, BeforeFirstBlank(ReportText(IDS_FLOOR_AREA)), TA_CENTER);
    DrawTextAt(pDC, centre(6), top - 53, ReportText(IDS_HEAD_AVAILABLE), TA_CENTER);
    DrawTextAt(pDC, centre(7), top - 53, needed, TA_CENTER);
    DrawTextAt(pDC, centre(6), top - 90, m2, TA_CENTER);
    DrawTextAt(pDC, centre(7), top - 90, m2, TA_CENTER);
    DrawHeadLines(pDC, centre(8), top,
                  {ReportText(IDS_HEAD_DENSITY), ReportText(IDS_HEAD_FLUX), CString("[W/m2]")});
    top -= headHeight;

    // The page's rooms with wall heating; the serial numbers run on from the earlier pages.
    const PagePart& page = m_pages[size_t(m_nCurrentPage - 1)];
    const std::vector<CMistPodlahVytap*>& rooms = m_snapshot->Rooms();
    const int p = pDC->GetTextExtent(CString("o")).cx;
    const int textOffset = (m_nNormalRow - 40) / 2;
    int serial = FirstLineOfPage();
    int printed = 0;
    for (int r = page.firstGroup; r < int(rooms.size()) && printed < page.rowCount; ++r)
    {
        const CMistPodlahVytap* room = rooms[size_t(r)];
        if (!HasWallHeating(room))
            continue;
        ++printed;
        DrawCells(pDC, top, m_nNormalRow, {x[0], x[1], x[2], x[3], x[4], x[5], x[6], x[7], x[8]});
        const int y = top - textOffset;
        const double flux = room->m_dHeatFluxDensity;
        const double neededArea = flux > 0.0 ? room->m_dWallLoad / flux : 0.0;
        DrawTextAt(pDC, L + u, y, ReportNumber(long(++serial)), TA_CENTER);
        DrawTextAt(pDC, x[1] + p, y, CutToWidth(pDC, room->m_strNumber, x[2] - x[1] - p / 2 - p), TA_LEFT);
        DrawTextAt(pDC, x[2] + p, y, CutToWidth(pDC, room->m_strName, x[3] - x[2] - p / 2 - p), TA_LEFT);
        DrawTextAt(pDC, x[4] - p, y, ReportNumber("%.1f", room->m_dRoomTemperature), TA_RIGHT);
        DrawTextAt(pDC, x[5] - p, y, ReportNumber("%8.0f", room->m_dWallLoad), TA_RIGHT);
        DrawTextAt(pDC, x[6] - p, y, ReportNumber("%6.1f", room->m_dAvailableArea), TA_RIGHT);
        DrawTextAt(pDC, x[7] - p, y, ReportNumber("%6.1f", neededArea), TA_RIGHT);
        DrawTextAt(pDC, x[8] - p, y, ReportNumber("%6.1f", flux), TA_RIGHT);
        top -= m_nNormalRow;
    }
    pDC->SelectObject(previous);
}

void CMekrView::PrintWallResults(CDC* pDC, const CRect& area, int top)
{
    const int width = area.right - area.left;
    const int u = width / 32;
    const int L = area.left;
    if (m_nCurrentPage == 1)
    {
        pDC->MoveTo(L, top - 4 * m_nBoldRow);
        pDC->LineTo(area.right, top - 4 * m_nBoldRow);
        DrawWallTemperatures(pDC, area, top);
        top -= 5 * m_nBoldRow + FirstPageGap;
    }
    CFont* previous = pDC->SelectObject(&m_normalFont);
    const int x[] = {L,          L + 2 * u,  L + 6 * u,  L + 8 * u,  L + 11 * u, L + 14 * u, L + 17 * u,
                     L + 19 * u, L + 21 * u, L + 24 * u, L + 27 * u, L + 30 * u, L + width};
    auto centre = [&](int column) { return (x[column - 1] + x[column]) / 2; };
    const int headHeight = TableHeadHeight();
    DrawFrame(pDC, L, top, area.right, top - headHeight);
    for (int column = 1; column <= 12; ++column)
        DrawFrame(pDC, x[column - 1], top, x[column], top - headHeight);
    const CString segments = ReportText(IDS_HEAD_SEGMENTS);
    DrawHeadLines(pDC, centre(1), top,
                  {ReportText(IDS_HEAD_ORDER), ReportText(IDS_HEAD_NUMBER), CString("okr.")});
    DrawHeadLines(pDC, centre(2), top, {ReportText(IDS_HEAD_CODE), ReportText(IDS_HEAD_CIRCUIT)});
    DrawHeadLines(pDC, centre(3), top, {ReportText(IDS_TI), CString(), CString("[°C]")});
    DrawHeadLines(pDC, centre(4), top,
                  {ReportText(IDS_HEAD_DENSITY), ReportText(IDS_HEAD_FLUX), CString("[W/m2]")});
    DrawHeadLines(pDC, centre(5), top, {BeforeFirstBlank(ReportText(IDS_OUTPUT)), CString(), CString("[W]")});
    DrawHeadLines(pDC, centre(6), top,
                  {BeforeFirstBlank(ReportText(IDS_AREA_M2)), ReportText(IDS_HEAD_CIRCUIT), CString("[m2]")});
    DrawHeadLines(pDC, centre(7), top, {ReportText(IDS_HEAD_COUNT), segments, CString("[-]")});
    DrawHeadLines(pDC, centre(8), top,
                  {BeforeFirstBlank(ReportText(IDS_SEGMENT_AREA)), segments, CString("[m2]")});
    DrawHeadLines(pDC, centre(9), top, {ReportText(IDS_LENGTH), ReportText(IDS_HEAD_SUPPLY), CString("[m]")});
    DrawHeadLines(pDC, centre(10), top,
                  {ReportText(IDS_HEAD_MASS), ReportText(IDS_HEAD_FLOW), CString("[kg/hod.]")});
    DrawHeadLines(pDC, centre(11), top,
                  {ReportText(IDS_HEAD_PRESSURE), ReportText(IDS_HEAD_LOSS_SMALL), CString("[Pa]")});
    DrawHeadLines(pDC, centre(12), top,
                  {ReportText(IDS_HEAD_MANIFOLD1), ReportText(IDS_HEAD_MANIFOLD2), CString("[-]")});
    top -= headHeight;

    // The page's rooms; a room longer than a page goes on where the page before ended. The
    // serial numbers start at 1 on every page.
    const PagePart& page = m_pages[size_t(m_nCurrentPage - 1)];
    const std::vector<CMistPodlahVytap*>& rooms = m_snapshot->Rooms();
    const int p = pDC->GetTextExtent(CString("o")).cx;
    const int textOffset = (m_nNormalRow - 40) / 2;
    int linesLeft = m_nCurrentPage == 1 ? m_capacity.firstPage : m_capacity.followingPage;
    int serial = 0;
    for (int r = page.firstGroup;
         r < page.firstGroup + page.rowCount && r < int(rooms.size()) && linesLeft > 0; ++r)
    {
        const CMistPodlahVytap* room = rooms[size_t(r)];
        if (!HasWallHeating(room))
            continue;
        const std::vector<const CTopnyOkruh*> circuits = PresentCircuits(room->m_wallCircuits);
        const size_t first = r == page.firstGroup ? size_t(page.carryOver) : 0;
        for (size_t index = first; index < circuits.size() && linesLeft > 0; ++index, --linesLeft)
        {
            const CTopnyOkruh& c = *circuits[index];
            DrawCells(pDC, top, m_nNormalRow,
                      {x[0], x[1], x[2], x[3], x[4], x[5], x[6], x[7], x[8], x[9], x[10], x[11], x[12]});
            const int y = top - textOffset;
            const CString values[] = {ReportNumber("%.1f", room->m_dRoomTemperature),
                                      ReportNumber("%.1f", c.m_dHeatFlux),
                                      ReportNumber("%.1f", c.m_dDeliveredOutput),
                                      ReportNumber("%.1f", c.m_dEdgeArea),
                                      ReportNumber(long(c.m_nElementCount)),
                                      ReportNumber("%.1f", c.m_dOccupiedArea),
                                      ReportNumber("%.1f", c.m_dOwnSupplyLength),
                                      ReportNumber("%.1f", c.m_dMassFlowKgPerS * 3600.0),
                                      ReportNumber("%.0f", c.m_dPressureLoss),
                                      ReportNumber(long(c.m_nManifold))};
            DrawTextAt(pDC, L + u, y, ReportNumber(long(++serial)), TA_CENTER);
            DrawTextAt(pDC, x[1] + p, y, CutToWidth(pDC, c.m_strLabel, x[2] - x[1] - p / 2 - p), TA_LEFT);
            for (int column = 3; column <= 12; ++column)
                DrawTextAt(pDC, x[column] - p, y, values[column - 3], TA_RIGHT);
            top -= m_nNormalRow;
        }
    }
    pDC->SelectObject(previous);
}
