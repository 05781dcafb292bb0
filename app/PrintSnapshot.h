#pragma once
// The data of one print run, read once when the run starts: page sizing and every page body
// read this copy, nothing is written back. A preview repaint is a new run with its own copy.

#include "platform/core/CString.h"

#include <memory>
#include <vector>

class CMistPodlahVytap;
class CTopnyOkruh;
class FloorDesign;

// One section of the pipe distribution as the sizing report prints it.
struct SizingLine
{
    int number = 0;
    int level = 0;
    CString code;        // the section's designation
    CString item;        // the chosen pipe's catalogue item
    CString designation; // the chosen pipe's type and name
    double flow = 0.0;   // kg/h
    double pipeLength = 0.0;
    double insertedResistances = 0.0;
    double sectionLoss = 0.0;
    double accumulatedLoss = 0.0;
};

// One item of a bill of materials with the chapter headings it stands under in its maker's
// catalogue, the highest first.
struct BillReportItem
{
    int order = 0; // "Pořadí"
    int maker = 0; // the number before the "-" of "Kód položky"
    int item = 0;  // the number after it
    CString polozka;
    CString typ;
    CString nazev;
    CString quantity; // "Množství" as stored
    CString mj;
    CString price; // "Cena" as stored
    CString value; // "Hodnota" as stored
    std::vector<CString> headings;

    // Items of makers below 1000 name no catalogue and are not printed.
    bool Printed() const { return maker >= 1000; }
    // The printed lines: the headings and the item's own line.
    int Lines() const { return Printed() ? int(headings.size()) + 1 : 0; }
};

// One manifold of a manifold bill: its circuits' length (floor) or area (wall), mass flow
// (kg/s), largest circuit loss, the manifold's own loss (Pa) and power (W).
struct ManifoldLine
{
    int number = 0;
    int circuits = 0;
    double size = 0.0;
    double flow = 0.0;
    double largestLoss = 0.0;
    double loss = 0.0;
    double power = 0.0;
};

// The manifolds in use and the sums of the system: supply temperature of the last circuit,
// flow-weighted return temperature, flow (kg/s), water volume (m3), the largest manifold loss
// and the power. Every quotient of a zero sum is 0.
struct ManifoldBill
{
    std::vector<ManifoldLine> lines;
    double supply = 0.0;
    double returnTemperature = 0.0;
    double flow = 0.0;
    double volume = 0.0;
    double largestLoss = 0.0;
    double power = 0.0;
};

struct PrintSnapshot
{
    PrintSnapshot();
    ~PrintSnapshot();

    // The design rooms with their floor and wall circuits; null when the design was not read.
    const std::vector<CMistPodlahVytap*>& Rooms() const;

    std::vector<SizingLine> sections;
    std::vector<BillReportItem> bill;
    double billValue = 0.0; // the sum of the items' values
    std::unique_ptr<FloorDesign> design;
    ManifoldBill manifolds;
    // The wall heating water temperatures of the project ("SIGMA_STENOVKY"), °C.
    double wallSupply = 50.0;
    double wallReturn = 42.0;
    // What could not be read, one text a problem, shown once after the run.
    std::vector<CString> problems;
};

// The sections of every tree of the distribution sheet of this workbook, ordered by their
// numbers (sections of one number in tree order). A sheet that does not open gives none and a
// problem.
void LoadSizingLines(const CString& workbookPath, PrintSnapshot& snapshot);

// The items of the bill sheet of this workbook in the order of "Pořadí", with their chapter
// headings from the makers' catalogues in the catalogue folder (each catalogue read once), and
// the sum of their values. A catalogue that does not open gives its items no headings and a
// problem; a bill sheet that does not open gives no items and a problem.
void LoadBillItems(const CString& workbookPath, const CString& sheet, const CString& catalogueFolder,
                   PrintSnapshot& snapshot);

// Rooms of the floor heating design (present, with floor heating) and of the wall heating
// design (present, with wall heating): the one test every report and the sizing use.
bool HasFloorHeating(const CMistPodlahVytap* room);
bool HasWallHeating(const CMistPodlahVytap* room);
// The circuits of a room's floor or wall circuit list that are present, in order.
std::vector<const CTopnyOkruh*> PresentCircuits(const std::vector<CTopnyOkruh*>& circuits);

// The design rooms of the project workbook at this path with their radiators and circuits, and
// the wall heating water temperatures, read without any message and without changing the
// program's settings. The sheets not opening leave no design and a problem; a load that
// stopped early keeps the rooms read and gives a problem.
void LoadDesign(const CString& workbookPath, PrintSnapshot& snapshot);
