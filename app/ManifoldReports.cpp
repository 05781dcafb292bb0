// The manifold bills of the view (report 5, floor heating, and report 10, wall heating): one
// line per manifold in use with its circuits, their length or area, flow, largest circuit loss,
// the manifold's own loss and the power, and on page 1 the sums of the whole system.
#include "app/CMekrView.h"

#include "app/PrintIds.h"
#include "app/PrintSnapshot.h"
#include "app/ReportDrawing.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/FloorDesign.h"
#include "floorwall/WallDesign.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/PressureDrop.h"
#include "platform/gdi/CDC.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr int FloorManifoldReport = 5;
constexpr int FirstPageGap = 100;

// A quotient that is 0 where the divisor is 0 (or the result is not a number).
double Ratio(double value, double divisor)
{
    const double ratio = divisor != 0.0 ? value / divisor : 0.0;
    return std::isfinite(ratio) ? ratio : 0.0;
}

CString Lower(CString text)
{
    text.MakeLower();
    return text;
}
} // namespace

void CMekrView::SetUpManifolds()
{
    m_nFirstPageRows = 7;
    m_nHeadingRows = 2;
    const bool floor = m_nSestava == FloorManifoldReport;
    ManifoldBill& bill = m_snapshot->manifolds;
    bill = ManifoldBill();
    const std::vector<CMistPodlahVytap*>& rooms = m_snapshot->Rooms();
    // The used circuits: the floor circuits of the places with floor heating, or the wall
    // circuits of the rooms with wall heating.
    std::vector<const CTopnyOkruh*> circuits;
    for (const CMistPodlahVytap* room : rooms)
        if (floor ? HasFloorHeating(room) : HasWallHeating(room))
            for (const CTopnyOkruh* circuit :
                 PresentCircuits(floor ? room->m_floorCircuits : room->m_wallCircuits))
                circuits.push_back(circuit);
    int largest = 0;
    double weightedReturn = 0.0;
    std::vector<int> counts;
    for (const CTopnyOkruh* c : circuits)
    {
        largest = std::max(largest, c->m_nManifold);
        if (c->m_nManifold <= 0)
            continue;
        bill.flow += c->m_dMassFlowKgPerS;
        weightedReturn += c->m_dMassFlowKgPerS * c->m_dReturnTemperature;
        bill.supply = c->m_dFlowTemperature;
        const std::optional<double> volume = floor ? c->WaterVolume() : c->WaterVolumeWithSupplyPipe();
        if (volume)
            bill.volume += *volume;
        else
        {
            CString problem;
            problem.Format(ReportText(IDS_VOLUME_UNKNOWN), c->m_strLabel.GetString());
            NoteProblem(problem);
        }
    }
    bill.returnTemperature = Ratio(weightedReturn, bill.flow);
    counts.assign(size_t(largest) + 1, 0);
    for (const CTopnyOkruh* c : circuits)
        ++counts[size_t(std::max(0, c->m_nManifold))];
    for (int m = 1; m <= largest; ++m)
    {
        if (counts[size_t(m)] == 0)
            continue;
        ManifoldLine line;
        line.number = m;
        line.circuits = counts[size_t(m)];
        if (floor && m_snapshot->design)
            m_snapshot->design->SumRoomValues(m, line.size, line.flow, line.largestLoss, line.power);
        else if (!floor)
        {
            const WallDesign::ManifoldSums sums = WallDesign::SumRoomValues(rooms, m);
            line.size = sums.area;
            line.flow = sums.massFlow;
            line.largestLoss = sums.pressureLoss;
            line.power = sums.output;
        }
        line.loss = PressureDropByKind(line.flow * 3600.0, line.circuits) + line.largestLoss;
        bill.largestLoss = std::max(bill.largestLoss, line.loss);
        bill.power += line.power;
        bill.lines.push_back(line);
    }
    m_groupSizes.assign(bill.lines.size(), 1);
}

void CMekrView::PrintManifolds(CDC* pDC, const CRect& area, int top)
{
    const int width = area.right - area.left;
    const int u = width / 32;
    const int L = area.left;
    const bool floor = m_nSestava == FloorManifoldReport;
    const ManifoldBill& bill = m_snapshot->manifolds;
    if (m_nCurrentPage == 1)
    {
        pDC->MoveTo(L, top - 4 * m_nBoldRow);
        pDC->LineTo(area.right, top - 4 * m_nBoldRow);
        CFont* bold = pDC->SelectObject(&m_boldFont);
        auto y = [&](int row) { return top - row * m_nBoldRow - (m_nBoldRow - 50) / 2; };
        DrawBoldRow(pDC, area, y(4),
                    ReportText(IDS_TEMPERATURE) + " " + ReportText(IDS_HEAD_SUPPLY) + "  [°C]:",
                    ReportNumber("%.1f", bill.supply), ReportText(IDS_TOTAL_OUTPUT),
                    ReportNumber("%.0f", bill.power));
        DrawBoldRow(pDC, area, y(5), ReportText(floor ? IDS_MEAN_RETURN : IDS_RETURN_TEMPERATURE),
                    ReportNumber("%.1f", bill.returnTemperature), ReportText(IDS_TOTAL_FLOW),
                    ReportNumber("%.1f", bill.flow * 3600.0));
        DrawBoldRow(pDC, area, y(6), ReportText(IDS_MAX_PRESSURE_LOSS),
                    ReportNumber("%.0f", bill.largestLoss), ReportText(IDS_MEDIUM_VOLUME),
                    ReportNumber("%.0f", bill.volume * 1000.0));
        pDC->SelectObject(bold);
        top -= 7 * m_nBoldRow + FirstPageGap;
    }
    CFont* previous = pDC->SelectObject(&m_normalFont);
    const int x[] = {L, L + 4 * u, L + 8 * u, L + 13 * u, L + 17 * u, L + 22 * u, L + 27 * u, L + width};
    auto centre = [&](int column) { return (x[column - 1] + x[column]) / 2; };
    const int headHeight = TableHeadHeight();
    DrawFrame(pDC, L, top, area.right, top - headHeight);
    DrawCells(pDC, top, headHeight, {x[0], x[1], x[2], x[3], x[4], x[5], x[6], x[7]});

    // Head lines cut out of their strings.
    const CString count = ReportText(IDS_CIRCUIT_COUNT);
    const int dot = count.Find('.');
    const CString total = ReportText(IDS_TOTAL_LENGTH);
    const int totalBlank = total.Find(' ');
    const CString firstLine = floor ? total : (totalBlank < 0 ? total : total.Left(totalBlank)) + " plocha";
    const CString pipes = ReportText(IDS_PIPE_SPACING);
    const int pipesBlank = pipes.Find(' ');
    const CString flowText = ReportText(IDS_FLOW_OUT_OF_TABLE);
    const int flowBlank = flowText.Find(' ');
    const CString maxLoss = ReportText(IDS_MAX_PRESSURE_LOSS);
    const int lastDot = maxLoss.ReverseFind('.');
    const CString circuitLoss = ReportText(IDS_CIRCUIT_LOSS);
    const int lastBlank = circuitLoss.ReverseFind(' ');
    const CString manifoldText = ReportText(IDS_MANIFOLD_CIRCUITS);
    const int quote = manifoldText.Find(" '");
    const CString output = ReportText(IDS_TOTAL_OUTPUT);
    const int outputBlank = output.Find(' ');
    const int secondBlank = outputBlank < 0 ? -1 : output.Find(' ', outputBlank + 1);
    DrawHeadLines(pDC, centre(1), top, {ReportText(IDS_MANIFOLD)});
    DrawHeadLines(pDC, centre(2), top,
                  {dot < 0 ? count : count.Left(dot + 1), dot < 0 ? CString() : count.Mid(dot + 1)});
    DrawHeadLines(
        pDC, centre(3), top,
        {firstLine, pipesBlank < 0 ? CString() : pipes.Mid(pipesBlank + 1), CString(floor ? "[m]" : "[m2]")});
    DrawHeadLines(pDC, centre(4), top,
                  {flowBlank < 0 ? flowText : flowText.Left(flowBlank), CString(), CString("[kg/hod.]")});
    DrawHeadLines(pDC, centre(5), top,
                  {lastDot < 0 ? maxLoss : maxLoss.Left(lastDot + 1),
                   Lower(lastBlank < 0 ? circuitLoss : circuitLoss.Left(lastBlank)), CString("[Pa]")});
    DrawHeadLines(pDC, centre(6), top,
                  {"Celk." + Lower(ReportText(IDS_PRESSURE_LOSS)),
                   Lower((quote < 0 ? manifoldText : manifoldText.Left(quote)) + "i"), CString("[Pa]")});
    DrawHeadLines(pDC, centre(7), top,
                  {outputBlank < 0 ? output : output.Left(outputBlank),
                   secondBlank < 0 ? CString() : output.Mid(outputBlank + 1, secondBlank - outputBlank - 1),
                   CString("[W]")});
    top -= headHeight;

    const PagePart& page = m_pages[size_t(m_nCurrentPage - 1)];
    const int s = pDC->GetTextExtent(CString("s")).cx;
    const int textOffset = (m_nNormalRow - 40) / 2;
    for (int n = page.firstGroup; n < page.firstGroup + page.rowCount && n < int(bill.lines.size()); ++n)
    {
        const ManifoldLine& line = bill.lines[size_t(n)];
        DrawCells(pDC, top, m_nNormalRow, {x[0], x[1], x[2], x[3], x[4], x[5], x[6], x[7]});
        const int y = top - textOffset;
        DrawTextAt(pDC, L + 4 * u - 2 * s, y, ReportNumber(long(line.number)), TA_CENTER);
        DrawTextAt(pDC, x[2] - 2 * s, y, ReportNumber(long(line.circuits)), TA_RIGHT);
        DrawTextAt(pDC, x[3] - 2 * s, y, ReportNumber("%.1f", line.size), TA_RIGHT);
        DrawTextAt(pDC, x[4] - 2 * s, y, ReportNumber("%.1f", line.flow * 3600.0), TA_RIGHT);
        DrawTextAt(pDC, x[5] - 2 * s, y, ReportNumber("%.0f", line.largestLoss), TA_RIGHT);
        DrawTextAt(pDC, x[6] - 2 * s, y, ReportNumber("%.0f", line.loss), TA_RIGHT);
        DrawTextAt(pDC, x[7] - 2 * s, y, ReportNumber("%.0f", line.power), TA_RIGHT);
        top -= m_nNormalRow;
    }
    pDC->SelectObject(previous);
}
