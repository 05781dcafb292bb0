// The heat-loss reports of the view: the results per room (report 0) and the input data of the
// building, room by room with its walls and openings (report 1).
#include "app/CMekrView.h"

#include "app/PrintIds.h"
#include "app/ReportDrawing.h"
#include "heatloss/ProjectModel.h"
#include "platform/gdi/CDC.h"

#include <algorithm>

namespace
{
constexpr int FirstPageGap = 100;

// A line of report 1: the room line (wall 0), a wall line (opening 0) or an opening line.
struct InputLine
{
    int wall = 0;
    int opening = 0;
};

std::vector<InputLine> LinesOfRoom(const ProjectModel& model, int room)
{
    std::vector<InputLine> lines{{0, 0}};
    for (int wall = 1; wall <= model.WallsOf(room); ++wall)
    {
        lines.push_back({wall, 0});
        for (int opening = 1; opening <= model.OpeningsOf(room, wall); ++opening)
            lines.push_back({wall, opening});
    }
    return lines;
}

} // namespace

void CMekrView::SetUpHeatLossResults()
{
    m_nFirstPageRows = 11;
    m_nHeadingRows = 5;
    m_groupSizes.assign(size_t(std::max(0, m_model->Rooms.count - 1)), 1);
}

void CMekrView::SetUpHeatLossInput()
{
    m_nFirstPageRows = 8;
    m_nHeadingRows = 9;
    m_groupSizes.clear();
    for (int room = 1; room < m_model->Rooms.count; ++room)
        m_groupSizes.push_back(int(LinesOfRoom(*m_model, room).size()));
}

void CMekrView::DrawBoldRow(CDC* pDC, const CRect& area, int y, const CString& leftLabel, const CString& leftValue,
                            const CString& rightLabel, const CString& rightValue)
{
    const int width = area.right - area.left;
    const int u = width / 32;
    DrawTextAt(pDC, area.left + u, y, leftLabel, TA_LEFT);
    DrawTextAt(pDC, area.left + width / 2 - u, y, leftValue, TA_RIGHT);
    DrawTextAt(pDC, area.left + width / 2 + u, y, rightLabel, TA_LEFT);
    DrawTextAt(pDC, area.left + width - u, y, rightValue, TA_RIGHT);
}

void CMekrView::DrawClimateBlock(CDC* pDC, const CRect& area, int top)
{
    const ProjectHeader& header = m_model->Header;
    const int offset = (m_nBoldRow - 50) / 2;
    pDC->MoveTo(area.left, top - 4 * m_nBoldRow);
    pDC->LineTo(area.right, top - 4 * m_nBoldRow);
    CFont* previous = pDC->SelectObject(&m_boldFont);
    auto y = [&](int row) { return top - row * m_nBoldRow - offset; };
    DrawBoldRow(pDC, area, y(4), ReportText(IDS_OUTDOOR_TEMPERATURE) + " Te [°C]:", ReportNumber(long(header.Te)),
                ReportText(IDS_ALTITUDE), header.altitude);
    DrawBoldRow(pDC, area, y(5), ReportText(IDS_CHARACTERISTIC_B), ReportNumber(long(header.B)),
                ReportText(IDS_TEMPERATURE_REGION) + ":", header.temperatureRegion);
    DrawBoldRow(pDC, area, y(6), ReportText(IDS_SURCHARGE_P2), ReportNumber("%3.1lf", header.p2),
                ReportText(IDS_WIND_INTENSITY) + ":", header.windyLandscape);
    pDC->SelectObject(previous);
}

void CMekrView::PrintHeatLossResults(CDC* pDC, const CRect& area, int top)
{
    const ProjectModel& model = *m_model;
    const int width = area.right - area.left;
    const int u = width / 32;
    const int L = area.left;
    if (m_nCurrentPage == 1)
    {
        DrawClimateBlock(pDC, area, top);
        CFont* previous = pDC->SelectObject(&m_boldFont);
        const int offset = (m_nBoldRow - 50) / 2;
        DrawFrame(pDC, L, top - 8 * m_nBoldRow, area.right, top - 10 * m_nBoldRow);
        DrawFrame(pDC, L, top - 10 * m_nBoldRow, area.right, top - 11 * m_nBoldRow);
        const HeatLossTotals& totals = model.Totals;
        DrawBoldRow(pDC, area, top - 8 * m_nBoldRow - offset, ReportText(IDS_TOTAL_TRANSMISSION),
                    ReportNumber("%8.0f", totals.transmission), ReportText(IDS_TOTAL_VOLUME),
                    ReportNumber("%8.1f", totals.volume));
        DrawBoldRow(pDC, area, top - 9 * m_nBoldRow - offset, ReportText(IDS_TOTAL_INFILTRATION),
                    ReportNumber("%8.0f", totals.ventilation), ReportText(IDS_LOSS_PER_M3),
                    ReportNumber("%8.1f", totals.perVolume));
        DrawBoldRow(pDC, area, top - 10 * m_nBoldRow - offset, ReportText(IDS_TOTAL_BUILDING_LOSS),
                    ReportNumber("%8.0f", totals.total), CString(), CString());
        pDC->SelectObject(previous);
        top -= 11 * m_nBoldRow + 100;
    }
    CFont* previous = pDC->SelectObject(&m_normalFont);
    const int edges[] = {L, L + 2 * u, L + 5 * u, L + 9 * u, L + 11 * u, L + 14 * u,
                         L + 17 * u, L + 21 * u, L + 25 * u, L + 29 * u, L + width};
    auto centre = [&](int column) { return (edges[column - 1] + edges[column]) / 2; };
    // The heading is three normal rows and at least two bold rows high; the body starts below
    // its frame, so that no heading line crosses the first room's texts.
    const int headBottom = top - TableHeadHeight();
    DrawFrame(pDC, L, top, area.right, headBottom);
    for (int column = 1; column <= 10; ++column)
    {
        const int cellTop = column >= 7 && column <= 9 ? top - m_nNormalRow : top;
        DrawFrame(pDC, edges[column - 1], cellTop, edges[column], headBottom);
    }
    const CString unitW("[W]");
    DrawHeadLines(pDC, centre(1), top,
                {ReportText(IDS_HEAD_ORDER), ReportText(IDS_HEAD_NUMBER), ReportText(IDS_HEAD_ROOM_SHORT)});
    DrawHeadLines(pDC, centre(2), top, {ReportText(IDS_HEAD_NUMBER_CAP), ReportText(IDS_HEAD_ROOM)});
    DrawHeadLines(pDC, centre(3), top, {ReportText(IDS_NAME), ReportText(IDS_HEAD_ROOM)});
    DrawHeadLines(pDC, centre(4), top, {ReportText(IDS_TI), CString(), CString("[°C]")});
    DrawHeadLines(pDC, centre(5), top, {ReportText(IDS_FLOOR_AREA), ReportText(IDS_HEAD_FLOOR), CString("[m2]")});
    DrawHeadLines(pDC, centre(6), top, {ReportText(IDS_HEAD_VOLUME), ReportText(IDS_HEAD_ROOM), CString("[m3]")});
    DrawTextAt(pDC, centre(8), top - 7, ReportText(IDS_HEAD_LOSS), TA_CENTER);
    const UINT lossKinds[] = {IDS_HEAD_TRANSMISSION, IDS_HEAD_INFILTRATION, IDS_HEAD_TOTAL};
    for (int column = 7; column <= 9; ++column)
    {
        DrawTextAt(pDC, centre(column), top - 52, ReportText(lossKinds[column - 7]), TA_CENTER);
        DrawTextAt(pDC, centre(column), top - 90, unitW, TA_CENTER);
    }
    DrawHeadLines(pDC, centre(10), top, {CString("q"), CString(), CString("[W/m2]")});
    top = headBottom;

    const PagePart& page = m_pages[size_t(m_nCurrentPage - 1)];
    const int l = pDC->GetTextExtent(CString("l")).cx;
    const int textOffset = (m_nNormalRow - 40) / 2;
    for (int room = page.firstGroup; room < page.firstGroup + page.rowCount && room < model.Rooms.count; ++room)
    {
        const RoomTable::Entry& entry = model.Rooms[room];
        const HeatLossResults::Room& result = model.Results[room];
        for (int column = 1; column <= 10; ++column)
            DrawFrame(pDC, edges[column - 1], top, edges[column], top - m_nNormalRow);
        const int y = top - textOffset;
        const double q = result.floorArea != 0.0 ? result.total / result.floorArea : 0.0;
        const CString values[] = {ReportNumber(long(room)),
                                  entry.number,
                                  CutToWidth(pDC, entry.name, edges[3] - edges[2] - l),
                                  ReportNumber(long(entry.Ti)),
                                  ReportNumber("%8.1f", result.floorArea),
                                  ReportNumber("%8.2f", result.volume),
                                  ReportNumber("%8.0f", result.transmission),
                                  ReportNumber("%8.0f", result.ventilation),
                                  ReportNumber("%8.0f", result.total),
                                  ReportNumber("%8.1f", q)};
        for (int column = 1; column <= 10; ++column)
            DrawTextAt(pDC, centre(column), y, values[column - 1], TA_CENTER);
        top -= m_nNormalRow;
    }
    pDC->SelectObject(previous);
}

void CMekrView::PrintHeatLossInput(CDC* pDC, const CRect& area, int top)
{
    const ProjectModel& model = *m_model;
    const int width = area.right - area.left;
    const int u = width / 32;
    const int L = area.left;
    if (m_nCurrentPage == 1)
    {
        DrawClimateBlock(pDC, area, top);
        top -= 7 * m_nBoldRow + 100;
    }
    CFont* previous = pDC->SelectObject(&m_normalFont);
    const int e[] = {L, L + 2 * u, L + 5 * u, L + 11 * u, L + 15 * u, L + 19 * u, L + 23 * u, L + 26 * u,
                     L + 29 * u, L + width};
    const int x1 = L + u, x35 = L + 7 * u / 2, x8 = L + 8 * u, x13 = L + 13 * u, x17 = L + 17 * u,
              x21 = L + 21 * u, x245 = L + 49 * u / 2, x275 = L + 55 * u / 2, x305 = L + 61 * u / 2;
    const int band = 2 * m_nBoldRow;
    const CString mm("[mm]");
    auto roomCells = [&](int rowTop, int height) {
        DrawCells(pDC, rowTop, height, {e[0], e[1], e[2], e[3], e[4], e[5], e[6], e[7], e[8], e[9]});
    };
    auto elementCells = [&](int rowTop, int height) {
        DrawCells(pDC, rowTop, height, {e[0], e[3], e[4], e[5], e[6], e[7], e[8], e[9]});
    };
    const CString room = ReportText(IDS_HEAD_ROOM);
    roomCells(top, band);
    DrawHeadLines(pDC, x1, top,
                {ReportText(IDS_HEAD_ORDER), ReportText(IDS_HEAD_NUMBER), ReportText(IDS_HEAD_ROOM_SHORT)});
    DrawHeadLines(pDC, x35, top, {ReportText(IDS_HEAD_NUMBER_CAP), room});
    DrawHeadLines(pDC, x8, top, {ReportText(IDS_NAME), room + " / Ti", CString("[- / °C]")});
    DrawHeadLines(pDC, x13, top, {ReportText(61644), room, mm});
    DrawHeadLines(pDC, x17, top, {ReportText(61645), room, mm});
    DrawHeadLines(pDC, x21, top, {ReportText(61646), room, mm});
    DrawHeadLines(pDC, x245, top,
                {ReportText(IDS_HEAD_COUNT), ReportText(IDS_HEAD_DOORS), ReportText(IDS_HEAD_PIECES)});
    DrawHeadLines(pDC, x275, top, {ReportText(IDS_HEAD_EXCHANGE), ReportText(IDS_HEAD_AIR), CString("[m3]")});
    DrawHeadLines(pDC, x305, top, {ReportText(IDS_HEAD_COMPASS), ReportText(IDS_HEAD_SIDE), CString("[-]")});
    top -= band;
    const CString wall = ReportText(IDS_HEAD_WALL);
    elementCells(top, band);
    DrawTextAt(pDC, x8, top - 50, ReportText(IDS_WALL), TA_CENTER);
    DrawHeadLines(pDC, x13, top, {ReportText(61644), wall, mm});
    DrawHeadLines(pDC, x21, top, {ReportText(61646), wall, mm});
    DrawHeadLines(pDC, x245, top, {CString("k"), wall, CString("[W/m2.K]")});
    DrawHeadLines(pDC, x275, top,
                {ReportText(IDS_HEAD_DIFFERENCE), ReportText(IDS_HEAD_TEMPERATURES), CString("[K]")});
    top -= band;
    const CString opening = ReportText(IDS_HEAD_OPENING);
    elementCells(top, band);
    DrawTextAt(pDC, x8, top - 50, ReportText(IDS_OPENING), TA_CENTER);
    DrawHeadLines(pDC, x13, top, {ReportText(61644), opening, mm});
    DrawHeadLines(pDC, x21, top, {ReportText(61646), opening, mm});
    DrawHeadLines(pDC, x245, top, {CString("k"), opening, CString("[W/m2.K]")});
    DrawHeadLines(pDC, x275, top, {CString("i"), opening, CString("[Pa^0.67]")});
    DrawHeadLines(pDC, x305, top, {ReportText(IDS_HEAD_JOINT), opening, mm});
    top -= band;

    const PagePart& page = m_pages[size_t(m_nCurrentPage - 1)];
    const int l = pDC->GetTextExtent(CString("l")).cx;
    const int textOffset = (m_nNormalRow - 40) / 2;
    int linesLeft = page.rowCount;
    int skip = page.carryOver;
    for (int r = page.firstGroup; r < model.Rooms.count && linesLeft > 0; ++r)
    {
        const RoomTable::Entry& entry = model.Rooms[r];
        const std::vector<InputLine> lines = LinesOfRoom(model, r);
        for (size_t index = size_t(skip); index < lines.size() && linesLeft > 0; ++index, --linesLeft)
        {
            const InputLine& line = lines[index];
            const int y = top - textOffset;
            if (line.wall == 0)
            {
                roomCells(top, m_nNormalRow);
                CString ti;
                ti.Format(" / %ld", long(entry.Ti));
                const int nameWidth = e[3] - e[2] - l - pDC->GetTextExtent(ti).cx;
                const CString nameAndTi = CutToWidth(pDC, entry.name, nameWidth) + ti;
                DrawTextAt(pDC, x1, y, ReportNumber(long(r)), TA_CENTER);
                DrawTextAt(pDC, x35, y, entry.number, TA_CENTER);
                DrawTextAt(pDC, x8, y, nameAndTi, TA_CENTER);
                DrawTextAt(pDC, x13, y, ReportNumber(long(entry.length)), TA_CENTER);
                DrawTextAt(pDC, x17, y, ReportNumber(long(entry.width)), TA_CENTER);
                DrawTextAt(pDC, x21, y, ReportNumber(long(entry.height)), TA_CENTER);
                DrawTextAt(pDC, x245, y, ReportNumber(long(entry.doors)), TA_CENTER);
                DrawTextAt(pDC, x275, y, ReportNumber(long(entry.airExchange)), TA_CENTER);
                DrawTextAt(pDC, x305, y, entry.orientation, TA_CENTER);
            }
            else if (line.opening == 0)
            {
                const WallTable::Entry& w = model.Walls.At(r, line.wall);
                elementCells(top, m_nNormalRow);
                DrawTextAt(pDC, x8, y, ReportText(IDS_WALL), TA_CENTER);
                DrawTextAt(pDC, x13, y, ReportNumber(long(w.length)), TA_CENTER);
                DrawTextAt(pDC, x21, y, ReportNumber(long(w.height)), TA_CENTER);
                DrawTextAt(pDC, x245, y, ReportNumber("%.3f", w.U), TA_CENTER);
                DrawTextAt(pDC, x275, y, ReportNumber(long(w.temperatureDifference)), TA_CENTER);
            }
            else
            {
                const OpeningTable::Entry& o = model.Openings.At(r, line.wall, line.opening);
                elementCells(top, m_nNormalRow);
                CString count;
                count.Format("%ld x otvor", long(o.count));
                DrawTextAt(pDC, x8, y, count, TA_CENTER);
                DrawTextAt(pDC, x13, y, ReportNumber(long(o.length)), TA_CENTER);
                DrawTextAt(pDC, x21, y, ReportNumber(long(o.height)), TA_CENTER);
                DrawTextAt(pDC, x245, y, ReportNumber("%.3f", o.U), TA_CENTER);
                DrawTextAt(pDC, x275, y, ReportNumber("%.3f", o.i), TA_CENTER);
                DrawTextAt(pDC, x305, y, ReportNumber(long(o.jointLength)), TA_CENTER);
            }
            top -= m_nNormalRow;
        }
        skip = 0;
    }
    pDC->SelectObject(previous);
}
