#pragma once
// The bill of materials of a floor or wall heating design, without windows: the design totals
// from the circuit rows, the list of catalogue items with their quantities, the rounding of
// quantities, the price texts, the merging of rows of one item and the group headings of the
// product catalogue of maker 9001.
//
// Quantities: never negative, and rounded up to a whole number, so the installer never orders
// too little. A quantity within 1e-9 of a whole number counts as that number before rounding
// up: 0.17 × 300 m² is 51 pieces, although in binary it is a little above 51.

#include "platform/core/CString.h"

#include <map>
#include <optional>
#include <vector>

class CData;

inline constexpr int kBillFloor = 11; // design kind of the floor heating bill
inline constexpr int kBillWall = 19;  // design kind of the wall heating bill
inline constexpr int kBillMaker = 9001;
inline constexpr int kBillStopped = 13; // the bill's result when a manifold has too many circuits
inline constexpr int kMaxManifoldCircuits = 12;
inline constexpr int kStationVss = 21;
inline constexpr int kStationVsv = 22;

// One circuit row of the design grid, its numbers read from the cells.
struct BillCircuitRow
{
    double area = 0.0;         // m²; floor "plocha c.[m2]", wall "Plocha okr."
    double loopLength = 0.0;   // m; floor "L okruh [m]", wall "Délka trubky"
    double supplyLength = 0.0; // m; floor "L přívod [m]", wall "přívod [m]"
    double output = 0.0;       // W, "Qokruh"
    double otherSources = 0.0; // W, "V.zdroj [W]"
    double missing = 0.0;      // W, "Chybí [W]"
    int segments = 0;          // wall "Počet segm."
    int manifold = 0;          // "Rozdělovač"; below 1: on no manifold
    CString buildUpKey;        // floor "Skladba"
};

// The design totals of a bill.
struct BillTotals
{
    double area = 0.0;         // m², A (floor) or Aw (wall)
    double pipeLength = 0.0;   // m, L (floor: loops and supplies) or Lw (wall: loops)
    double output = 0.0;       // W, Q (floor)
    double supplyLength = 0.0; // m, Ls (wall)
    int circuits = 0;          // wall: every row; floor: counted per manifold by the item list
    int segments = 0;          // wall
    // Circuits per manifold index, from index 0 (no manifold) to the largest index.
    std::vector<int> circuitsPerManifold;
};

BillTotals SumFloorCircuits(const std::vector<BillCircuitRow>& rows);
BillTotals SumWallCircuits(const std::vector<BillCircuitRow>& rows);

// The equipment question's answer (floor bill).
struct EquipmentChoice
{
    int stationKind = kStationVsv; // kStationVss or kStationVsv
    bool mixingSets = false;
    int mixingSetCount = 0;
};

struct BillItem
{
    int item = 0;          // catalogue "Věta"
    double quantity = 0.0; // before rounding
    bool marked = false;   // an item of the catalogue's marker, shown in the marked colour
};

struct BillList
{
    std::vector<BillItem> items;
    int manifolds = 0;
    int circuits = 0;    // floor: circuits on manifolds; wall: every circuit
    int stopManifold = 0; // the manifold index with more than 12 circuits, 0 when none
    int stopCount = 0;
    bool Stopped() const { return stopManifold != 0; }
};

// The cabinet of a manifold with that many outlets.
int CabinetItemForCircuits(int outlets);
// The quantity the bill orders: 0 for a negative one, else rounded up (see above).
double BillQuantity(double quantity);
// The number of the per-200-m item of a pipe of that length: (L - 0.5) truncated, / 200.
int PerTwoHundredMetres(double pipeLength);
// The number after the first "-" of a product code ("9001-0014" gives 14); 0 without one.
int ItemNumberOfCode(const CString& code);
// The floor system item (14, 15 or 72) of a layer's product code of maker 9001, else 0.
int FloorSystemItemOfCode(const CString& code);

// The floor system item of a floor bill: the one of the setting's product code, replaced by
// the last floor system item among the layers of the circuits' build-ups (in the circuits'
// order). The build-up sheet of the catalogue workbook in the data folder is read once; when it
// does not open, the opener tells the user once and the setting's item stays.
int DetectFloorSystem(const std::vector<BillCircuitRow>& rows, const CString& dataFolder, const CString& kodSysPodl);

// The floor heating items, in order, for the equipment answer and the items the catalogue marks
// with "PPPPP"; stopped (and no items) when one manifold index carries more than 12 circuits.
BillList FloorBillItems(const BillTotals& totals, int pipeItem, int floorSystemItem, const EquipmentChoice& choice,
                        const std::vector<int>& markedItems);
// The wall heating items, with the items marked "SSSSS".
BillList WallBillItems(const BillTotals& totals, const std::vector<int>& markedItems);

// Prices: "%.0f,-" in the Czech program ("Cz"), else "%.2f".
CString PriceText(double price, const CString& language);
// The number a price text shows.
double PriceOfText(const CString& text);

// One row of the product catalogue.
struct CatalogueItem
{
    CString polozka;
    CString typ;
    CString nazev;
    CString mj;
    CString cena;
    CString dodatVolba;
    int rows = 1; // rows of the catalogue with this item number
};

// The product catalogue of maker 9001, read once for a bill.
struct BillCatalogue
{
    std::map<int, CatalogueItem> items;
    std::vector<int> order; // item numbers in the catalogue's row order

    const CatalogueItem* Find(int item) const;
    // The items whose "Dodat_volba" contains the marker, in row order.
    std::vector<int> MarkedItems(const CString& marker) const;
    // The item's chapter headings, the highest first: downward from the item to the first number
    // whose row has no unit, then on downward while the numbers follow one another, have one row
    // each and no unit; the "Název" of each of them. Empty when no row without a unit lies below.
    // A number missing from the catalogue, or with more than one row, is no heading.
    std::vector<CString> ChapterHeadings(int item) const;
    // The highest of the item's chapter headings; empty when it has none.
    CString GroupHeading(int item) const;
};

// The catalogue's path: "ZVK-9001.XLS" in the price-list folder.
CString BillCataloguePath(const CString& priceListFolder);
// Reads sheet "Data$" of the catalogue; false when it did not open (the opener told the user).
bool ReadBillCatalogue(const CString& path, BillCatalogue& catalogue);
// Reads the rows of a catalogue's open "Data$" table.
void ReadBillCatalogueRows(CData& data, BillCatalogue& catalogue);

// One row of the bill as the grid shows it.
struct BillLine
{
    int item = 0;
    bool found = false;   // the catalogue has the item: the row has texts and a quantity
    double quantity = 0.0; // whole, after BillQuantity
    double price = 0.0;    // the unit price as its text shows it
    bool hidden = false;   // merged into an earlier row of the same item
};

// Fills a line of the item from the catalogue: the quantity rounded, the price as shown.
BillLine MakeBillLine(const BillItem& item, const BillCatalogue& catalogue, const CString& language);
// Every later line of an item that an earlier line has, with a positive quantity, is added to
// the earlier line and left with 0 and hidden. The lines changed, earlier ones first.
std::vector<int> MergeDuplicateItems(std::vector<BillLine>& lines);

// The texts beside the bill: the total value and, for the floor bill, its value per m², per W
// and the average pipe spacing; empty where the divisor is not above 0.
struct BillSummary
{
    CString total;
    CString perSquareMetre;
    CString perWatt;
    CString averageSpacing;
};
BillSummary SummariseBill(double totalValue, const BillTotals& totals, int designKind, const CString& language);

// The sheet of the bill of a design kind: "MateriPodlah$" (floor) or "MateriStenov$" (wall).
CString BillSheet(int designKind);

// A row of the bill sheet, the texts as the bill shows them.
struct BillSheetRow
{
    CString quantity; // "Množství"
    CString code;     // "Kód položky"
    CString polozka;
    CString typ;
    CString nazev;
    CString mj;
    CString price; // "Cena"
    CString value; // "Hodnota"
};

// Replaces the rows of the bill sheet of the kind in the current project workbook by the rows
// with a positive quantity, in order, numbered "001" onward. The sheet is put in place only
// whole; 0 done, 1 not stored (the previous bill stays, the failure was shown).
int WriteBillSheet(int designKind, const std::vector<BillSheetRow>& rows, const CString& language);
