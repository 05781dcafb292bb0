#include "DesignerRoad.h"
#include "DialogHand.h"

#include "app/MekrIds.h"
#include "app/PrintIds.h"
#include "controls/grid/GridDefs.h"
#include "floorwall/dialogs/CIndexyRozdelovace.h"
#include "floorwall/dialogs/CNavrhPodlahovky.h"
#include "floorwall/dialogs/CNavrhStenovky.h"
#include "floorwall/dialogs/CircuitPanelIds.h"
#include "floorwall/dialogs/FloorBuildUpIds.h"
#include "floorwall/dialogs/FloorSettingsIds.h"
#include "floorwall/dialogs/FloorWallDialogIds.h"
#include "floorwall/dialogs/WallDesignIds.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ResultSheetColumns.h"
#include "hydraulics/dialogs/CTelesa.h"
#include "hydraulics/dialogs/HydraulicsResource.h"
#include "hydraulics/ui/CDimenzRozvodu.h"
#include "hydraulics/ui/CDimenzTrubek.h"
#include "hydraulics/ui/SizingIds.h"
#include "platform/frame/FrameIds.h"
#include "platform/gdi/PrintJob.h"
#include "platform/ui/KeyMap.h"
#include "testing/GridTexts.h"

#include <algorithm>

// The steps after the heat losses: the split, the floor and wall designs, the distribution and
// the printed reports.
namespace DesignerRoad
{
using namespace DialogHand;

namespace
{
constexpr int kReportRadios[] = {IDC_REPORT_0, IDC_REPORT_1, IDC_REPORT_2, IDC_REPORT_3, IDC_REPORT_4, IDC_REPORT_5,
                                 IDC_REPORT_6, IDC_REPORT_7, IDC_REPORT_8, IDC_REPORT_9, IDC_REPORT_10};

void SplitRoom(CTelesa& split, const RoomSplit& room)
{
    const std::vector<HeatingTypeSplit::Row>& rows = split.m_split.Rows();
    for (size_t row = 0; row < rows.size(); ++row)
        if (rows[row].level == HeatingTypeSplit::Room &&
            split.m_split.Text(int(row), ResultSheet::Number) == CString(room.number))
        {
            split.m_Grid.SetFocusCell(int(row) + 1, 1);
            break;
        }
    AtDialog(IDD_DELENI_ZTRAT, [room](CDialog& d) {
        const double total = ReadNumber(Text(d, IDC_SPLIT_TOTAL));
        SetCheck(d, IDC_SPLIT_FLOOR_ON, room.floor);
        SetCheck(d, IDC_SPLIT_WALL_ON, room.wall);
        if (room.wall)
        {
            if (room.floor)
                TypeAndLeave(d, IDC_SPLIT_WALL_W, WriteNumber("%.1f", total * room.wallShare),
                             IDC_SPLIT_UNCOVERED_W);
        }
        if (room.uncoveredShare > 0.0)
            TypeAndLeave(d, IDC_SPLIT_UNCOVERED_W, WriteNumber("%.1f", total * room.uncoveredShare),
                         IDC_SPLIT_TOTAL);
        Press(d, IDC_LOSS_SPLIT_OK);
    });
    Press(split, IDC_SPLIT);
}

void AnswerBill()
{
    AtDialog(IDD_BILANCE_MAT, [](CDialog& bill) { Press(bill, IDOK); });
}

Grid Shown(CGridCtrl& grid)
{
    std::vector<CString> heading;
    for (int column = 0; column < grid.GetColumnCount(); ++column)
        heading.push_back(grid.GetItemText(0, column));
    Grid shown = CellTexts(grid);
    shown.insert(shown.begin(), heading);
    return shown;
}

WallGrids WallGridsOf(CNavrhStenovky& d)
{
    return {Shown(d.m_roomGrid), Shown(d.m_circuitGrid)};
}

void AnswerSection(const Section& section)
{
    AtDialog(IDD_SEGMENT, [section](CDialog& d) {
        Type(d, IDC_SEGMENT_DESIGNATION, CString(section.designation));
        Type(d, IDC_SEGMENT_FLOW, WriteNumber("%.3f", section.flow));
        Type(d, IDC_SEGMENT_LENGTH, WriteNumber("%.3f", section.length));
        Type(d, IDC_SEGMENT_RESISTANCES, WriteNumber("%.3f", section.resistances));
        Press(d, IDC_SEGMENT_OK);
    });
}

void NotifySizing(CDimenzRozvodu& dialog, UINT code, int row)
{
    NotifyGrid(dialog, dialog.m_grid, IDC_SIZING_GRID, code, row, 1);
}
} // namespace

int ColumnOf(const Grid& grid, const char* heading)
{
    if (grid.empty())
        return -1;
    const auto at = std::find(grid[0].begin(), grid[0].end(), CString(heading));
    return at == grid[0].end() ? -1 : int(at - grid[0].begin());
}

void SplitWithGradient(CWnd& frame, const std::vector<RoomSplit>& splits, const char* inlet, const char* outlet)
{
    AtDialog(IDD_TELESA, [&](CDialog& dialog) {
        auto& split = static_cast<CTelesa&>(dialog);
        for (const RoomSplit& room : splits)
            SplitRoom(split, room);
        AtDialog(IDD_TOPNE_MEDIUM, [&](CDialog& medium) {
            TypeAndLeave(medium, IDC_INLET, inlet, IDC_OUTLET);
            TypeAndLeave(medium, IDC_OUTLET, outlet, IDC_INLET);
            Press(medium, IDOK);
        });
        Press(split, IDC_GRADIENT);
        Press(split, IDOK);
    });
    Command(frame, ID_SPLIT_LOSSES);
}

Grid DesignFloor(CWnd& frame)
{
    Grid shown;
    // The design starts with its calculation settings, taken as they are.
    AtDialog(IDD_NASTAV_VYPOCET_PODL, [](CDialog& settings) { Press(settings, IDOK); });
    AtDialog(IDD_NAVRH_PODLAHOVKY, [&shown](CDialog& dialog) {
        auto& d = static_cast<CNavrhPodlahovky&>(dialog);
        Press(d, IDC_NP_DESIGN);
        AnswerManifolds();
        Press(d, IDC_NP_MANIFOLDS);
        AtDialog(IDD_DOTAZ_VYBAVENI, [](CDialog& equipment) { Press(equipment, IDC_DV_OK); });
        ScriptedAnswers::AnswerBox(IDOK); // the hint on editing the bill
        AnswerBill();
        Press(d, IDC_NP_MATERIALS);
        Press(d, IDC_NP_SAVE);
        shown = Shown(d.m_grid);
        Press(d, IDOK);
    });
    Command(frame, ID_FLOOR_DESIGN);
    return shown;
}

Grid ShownFloorDesign(CWnd& frame)
{
    Grid shown;
    AtDialog(IDD_NASTAV_VYPOCET_PODL, [](CDialog& settings) { Press(settings, IDOK); });
    AtDialog(IDD_NAVRH_PODLAHOVKY,
             [&shown](CDialog& dialog) { shown = Shown(static_cast<CNavrhPodlahovky&>(dialog).m_grid); });
    Command(frame, ID_FLOOR_DESIGN);
    return shown;
}

WallGrids DesignWall(CWnd& frame)
{
    WallGrids shown;
    AtDialog(IDD_NAVRH_STENOVKY, [&shown](CDialog& dialog) {
        auto& d = static_cast<CNavrhStenovky&>(dialog);
        std::vector<CString> numbers = ColumnTexts(d.m_roomGrid, 1);
        for (const CString& number : numbers)
        {
            AtDialog(IDD_STENA, [](CDialog& room) { Press(room, IDC_STENA_OK); });
            AtDialog(IDD_DELENI_PLOCH, [](CDialog& split) {
                const double required = ReadNumber(Text(split, IDC_SPLIT_REQUIRED));
                const double available = ReadNumber(Text(split, IDC_SPLIT_AVAILABLE));
                split.SetDlgItemText(IDC_SPLIT_REALISED, WriteNumber("%.1f", std::min(required, available)));
                split.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SPLIT_REALISED, EN_KILLFOCUS), 0);
                Press(split, IDC_SPLIT_OK);
            });
            NotifyGrid(d, d.m_roomGrid, IDC_WALL_ROOM_GRID, UINT(GVN_DBLCLK), RowWithText(d.m_roomGrid, 1, number), 1);
        }
        AnswerManifolds();
        Press(d, IDC_WALL_MANIFOLDS);
        Press(d, IDC_WALL_RECALCULATE);
        ScriptedAnswers::AnswerBox(IDOK); // the hint on editing the bill
        AnswerBill();
        Press(d, IDC_WALL_MATERIAL);
        shown = WallGridsOf(d);
        Press(d, IDC_WALL_DESIGN_OK);
    });
    Command(frame, ID_WALL_DESIGN);
    return shown;
}

WallGrids ShownWallDesign(CWnd& frame)
{
    WallGrids shown;
    AtDialog(IDD_NAVRH_STENOVKY, [&shown](CDialog& dialog) { shown = WallGridsOf(static_cast<CNavrhStenovky&>(dialog)); });
    Command(frame, ID_WALL_DESIGN);
    return shown;
}

void SizeDistribution(CWnd& frame, const std::vector<Section>& sections, int pipeRow)
{
    AnswerSection({"Kotelna", 0.0, 2.0, 2.0});
    AtDialog(IDD_DIMENZ_ROZVODU, [&sections, pipeRow](CDialog& dialog) {
        auto& d = static_cast<CDimenzRozvodu&>(dialog);
        // Each new section goes in directly below the boiler room.
        for (auto section = sections.rbegin(); section != sections.rend(); ++section)
        {
            AnswerSection(*section);
            NotifySizing(d, UINT(GVN_RCLICK), 1);
        }
        for (int row = 2; row < d.m_grid.GetRowCount(); ++row)
        {
            AtDialog(IDD_DIMENZ_TRUBEK, [pipeRow](CDialog& p) {
                static_cast<CDimenzTrubek&>(p).m_grid.SetSelectedRange(pipeRow, 0, pipeRow, 8);
                Press(p, IDC_PIPES_CHOOSE);
            });
            KeyMap::SetModifiers(Qt::ControlModifier);
            NotifySizing(d, UINT(GVN_RCLICK), row);
            KeyMap::SetModifiers(Qt::NoModifier);
        }
        Press(d, IDC_SIZING_FLOWS);
        Press(d, IDOK);
    });
    Command(frame, ID_DISTRIBUTION_SIZING);
}

bool PrintReport(CWnd& frame, int report, const std::string& pdf)
{
    bool offered = false;
    AtDialog(IDD_REPORT_CHOICE, [&offered, report](CDialog& choice) {
        offered = choice.GetDlgItem(kReportRadios[report])->IsWindowEnabled();
        Press(choice, kReportRadios[report]);
        choice.CheckDlgButton(IDC_INCLUDE_VALUES, BST_UNCHECKED);
        Press(choice, IDC_REPORT_OK);
    });
    Gdi::SetNextPrintFile(QString::fromStdString(pdf));
    Command(frame, ID_FILE_PRINT);
    return offered;
}

void AnswerManifolds(std::vector<CString>* offered)
{
    ScriptedAnswers::OnDialog(IDD_INDEXY_ROZDELOVACE, [offered](CDialog& dialog) {
        auto& manifold = static_cast<CIndexyRozdelovace&>(dialog);
        std::vector<CString> labels;
        for (INT_PTR i = 0; i < manifold.m_availableLabels.GetSize(); ++i)
            labels.push_back(manifold.m_availableLabels[i]);
        int column = 1, row = 1;
        for (const CString& label : labels)
        {
            if (row > CIndexyRozdelovace::kOutlets)
            {
                row = 1;
                if (++column >= manifold.m_grid.GetColumnCount())
                    Press(manifold, IDC_IR_NEXT);
            }
            NotifyGrid(manifold, manifold.m_grid, IDC_IR_GRID, UINT(GVN_BEGINLABELEDIT), row, column);
            manifold.m_grid.SetItemText(row, column, label);
            NotifyGrid(manifold, manifold.m_grid, IDC_IR_GRID, UINT(GVN_ENDLABELEDIT), row, column);
            ++row;
        }
        if (offered)
            *offered = labels;
        Press(manifold, IDOK);
        return IDCANCEL;
    });
}
} // namespace DesignerRoad
