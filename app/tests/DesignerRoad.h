#pragma once
// A heating designer's steps through the program's commands, off screen: each step answers
// the dialogs it opens as a designer would. The whole-job test drives them in a designer's
// order; a benchmark can drive the same road on a larger project.

#include <string>
#include <vector>

#include "platform/core/CString.h"

class CWnd;

namespace DesignerRoad
{
// The house a designer enters: rooms with their walls and the openings in them, in mm, °C,
// m³/h and W/(m².K).
struct Opening
{
    int kind = 0; // index into the opening dialog's kinds: 0 a window, 3 an outer door
    int width = 1500;
    int height = 1500;
    int count = 1;
    const char* U = "1.2";
    const char* i = "1.4";
};

struct Wall
{
    int kind = 0; // index into the wall dialog's kinds: 0 an outer wall, 1 an inner wall
    int width = 4000;
    int height = 2700;
    const char* U = "0.3";
    int neighbourTemperature = 0; // °C beyond an inner wall
    std::vector<Opening> openings;
};

struct Room
{
    std::string number;
    std::string name;
    int length = 4000;
    int width = 4000;
    int height = 2700;
    int Ti = 20;
    int airExchange = 30; // m³/h
    std::vector<Wall> walls;
};

using House = std::vector<Room>;

// How a room's loss is shared; a room not named keeps all of it on the floor heating, as the
// stored results leave it.
struct RoomSplit
{
    std::string number;
    bool floor = true;
    bool wall = false;
    double wallShare = 0.0;      // of the room's loss, when the wall heating is on
    double uncoveredShare = 0.0; // of the room's loss, left to radiators
};

// A grid as shown: its heading row first, then its rows.
using Grid = std::vector<std::vector<CString>>;
// The column of the grid whose heading is this text; -1 when none.
int ColumnOf(const Grid& grid, const char* heading);

// The command of this id, as the main window's menu or tool bar sends it.
void Command(CWnd& frame, unsigned id);

// "Základní údaje": the place Brno for the outdoor temperature, the building's B, p2 and
// type from their pickers, the job texts typed, and the heat losses chosen, so that the input
// table follows; in it the house is entered, room by room, through the room, wall and opening
// dialogs. The catalogue workbook must lie in the data folder.
void EnterBasicData(CWnd& frame, const House& house);
// The basic data's next run as above, without the input table that follows.
void AnswerBasicData();
// The input table's next run: every room of the house entered through its dialogs, then OK.
void AnswerInputTable(const House& house);

// "Výpočet tepelných ztrát": the results shown, "Uložit" pressed (a design in the results
// sheet is overwritten after the question), the results closed. Gives the total shown.
CString CalculateAndStoreLosses(CWnd& frame);

// "Dělení ztrát": the rooms named split between the heating kinds, the rest on the floor, the
// gradient of the system set, OK.
void SplitWithGradient(CWnd& frame, const std::vector<RoomSplit>& splits, const char* inlet, const char* outlet);

// The floor heating design: its settings taken as they are, "Návrh", the circuits on manifolds
// twelve to one, the bill with the equipment as offered, "Uložení dat", OK. Gives the design's
// grid as shown before it closed.
Grid DesignFloor(CWnd& frame);
// The floor heating design opened and closed: its grid as shown.
Grid ShownFloorDesign(CWnd& frame);

// The wall heating design: every wall-heated room's area split into circuits as required, the
// circuits on manifolds twelve to one, the bill, OK. Gives the rooms' and the circuits' grids.
struct WallGrids
{
    Grid rooms;
    Grid circuits;
};
WallGrids DesignWall(CWnd& frame);
WallGrids ShownWallDesign(CWnd& frame);

// A section of the distribution below the boiler room, in kg/h, m and with its resistances.
struct Section
{
    const char* designation;
    double flow;
    double length;
    double resistances;
};
// "Dimenzování rozvodů" on a project without sections: the boiler room, its sections, a pipe
// of the offered variants for each (the row of the pipe sizing list), the flows summed, OK.
void SizeDistribution(CWnd& frame, const std::vector<Section>& sections, int pipeRow);

// The report of this index (0 to 10) chosen in the report choice and printed into the PDF
// file. False when the choice did not offer it.
bool PrintReport(CWnd& frame, int report, const std::string& pdf);

// The manifold dialog that opens next: the circuits it offers put on its outlets in their
// order, twelve to a manifold (manifold 1 first, the next added when one is full), then OK.
// The labels it offered are left in offered when it is given.
void AnswerManifolds(std::vector<CString>* offered = nullptr);
} // namespace DesignerRoad
