#include "DesignerRoad.h"
#include "DialogHand.h"

#include "app/MekrIds.h"
#include "controls/grid/GridNotify.h"
#include "heatloss/dialogs/CDataGridDialog.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "heatloss/dialogs/InputDialogIds.h"

// The steps of the heat-loss input: the basic data, the rooms, walls and openings, the losses.
namespace DesignerRoad
{
using namespace DialogHand;

namespace
{
void AnswerRoom(const Room& room)
{
    AtDialog(IDD_ROOM, [&room](CDialog& d) {
        Type(d, IDC_ROOM_NUMBER, CString(room.number));
        Type(d, IDC_ROOM_NAME, CString(room.name));
        Type(d, IDC_ROOM_LENGTH, room.length);
        Type(d, IDC_ROOM_WIDTH, room.width);
        Type(d, IDC_ROOM_HEIGHT, room.height);
        Type(d, IDC_ROOM_TI, room.Ti);
        Type(d, IDC_ROOM_DOORS, 1);
        Type(d, IDC_ROOM_AIR, room.airExchange);
        static_cast<CComboBox*>(d.GetDlgItem(IDC_ROOM_ORIENTATION))->SetCurSel(0);
        Press(d, IDC_ROOM_OK);
    });
}

void AnswerWall(const Room& room, const Wall& wall)
{
    AtDialog(IDD_WALL, [&room, &wall](CDialog& d) {
        Choose(d, IDC_WALL_KIND, wall.kind, CBN_SELCHANGE);
        Type(d, IDC_WALL_WIDTH, wall.width);
        Type(d, IDC_WALL_SECOND, wall.height);
        Type(d, IDC_WALL_U, CString(wall.U));
        if (wall.kind == 1)
        {
            Type(d, IDC_WALL_NEIGHBOUR, wall.neighbourTemperature);
            Type(d, IDC_WALL_INNER_DIFF, room.Ti - wall.neighbourTemperature);
        }
        Press(d, IDC_WALL_OK);
    });
}

void AnswerOpening(const Opening& opening)
{
    AtDialog(IDD_WINDOW, [&opening](CDialog& d) {
        Choose(d, IDC_WIN_KIND, opening.kind, CBN_SELCHANGE);
        Type(d, IDC_WIN_WIDTH, opening.width);
        Type(d, IDC_WIN_HEIGHT, opening.height);
        Type(d, IDC_WIN_U, CString(opening.U));
        Type(d, IDC_WIN_I, CString(opening.i));
        Type(d, IDC_WIN_JOINT, 0); // the circumference
        Type(d, IDC_WIN_COUNT, opening.count);
        Press(d, IDC_WIN_OK);
    });
}

// A right click on a row of the input table adds an element below it: a room below the
// building, a wall below a room, an opening below a wall. The new row is the table's last.
int AddBelow(CDataGridDialog& table, int row)
{
    GridNotify note;
    note.iRow = row;
    LRESULT result = 0;
    table.OnGridRClick(&note.hdr, &result);
    return table.m_Grid.GetRowCount() - 1;
}
} // namespace

void Command(CWnd& frame, unsigned id)
{
    frame.SendMessage(WM_COMMAND, id);
}

void AnswerInputTable(const House& house)
{
    AtDialog(IDD_DATA_GRID, [&house](CDialog& dialog) {
        auto& table = static_cast<CDataGridDialog&>(dialog);
        for (const Room& room : house)
        {
            AnswerRoom(room);
            const int roomRow = AddBelow(table, 1);
            for (const Wall& wall : room.walls)
            {
                AnswerWall(room, wall);
                const int wallRow = AddBelow(table, roomRow);
                for (const Opening& opening : wall.openings)
                {
                    AnswerOpening(opening);
                    AddBelow(table, wallRow);
                }
            }
        }
        Press(table, IDOK);
    });
}

void EnterBasicData(CWnd& frame, const House& house)
{
    AnswerBasicData();
    AnswerInputTable(house);
    Command(frame, ID_BASIC_DATA);
}

void AnswerBasicData()
{
    AtDialog(IDD_BASE, [](CDialog& d) {
        PressWithMouse(d, IDC_BASE_HEAT_LOSS);
        AtDialog(IDD_BASE_TE, [](CDialog& t) {
            auto* places = static_cast<CComboBox*>(t.GetDlgItem(IDC_TE_PLACES));
            places->SetCurSel(places->FindStringExact(-1, "Brno"));
            t.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TE_PLACES, CBN_CLOSEUP), 0);
            PressWithMouse(t, IDOK);
        });
        PressWithMouse(d, IDC_BASE_CHOOSE_TE);
        AtDialog(IDD_BASE_B, [](CDialog& b) {
            PressWithMouse(b, IDC_B_TERRACED);
            PressWithMouse(b, IDC_B_NORMAL_UNPROTECTED);
            PressWithMouse(b, IDOK);
        });
        PressWithMouse(d, IDC_BASE_CHOOSE_B);
        AtDialog(IDD_BASE_P2, [](CDialog& p) {
            PressWithMouse(p, IDC_P2_SHORT);
            PressWithMouse(p, IDOK);
        });
        PressWithMouse(d, IDC_BASE_CHOOSE_P2);
        AtDialog(IDD_BASE_TYP, [](CDialog& t) {
            PressWithMouse(t, IDC_TYPE_3);
            PressWithMouse(t, IDOK);
        });
        PressWithMouse(d, IDC_BASE_CHOOSE_TYPE);
        Type(d, IDC_BASE_INVESTOR1, "Rodinný dům Novák");
        Type(d, IDC_BASE_BUILDING1, "Novostavba RD Lhota");
        Type(d, IDC_BASE_ORDER, "Z-2026-12");
        Type(d, IDC_BASE_AUTHOR, "Ing. Dvořák");
        PressWithMouse(d, IDC_BASE_OK);
    });
}

CString CalculateAndStoreLosses(CWnd& frame)
{
    CString total;
    AtDialog(IDD_VYSLEDKY, [&total](CDialog& d) {
        total = Text(d, IDC_RESULTS_LOSS);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_RESULTS_SAVE, BN_CLICKED), 0);
        Press(d, IDOK);
    });
    Command(frame, ID_HEAT_LOSS);
    return total;
}
} // namespace DesignerRoad
