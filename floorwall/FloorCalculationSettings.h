#pragma once
// The rules of the floor calculation settings that need no window: the design temperatures'
// limits, the floor system makers and their catalogues, product codes from list items and the
// smallest spacing of a floor system.

#include "platform/core/CString.h"

#include <vector>

// The design temperatures as the settings edit them: flow, return and their spread (K).
struct FloorTemperatures
{
    double flow = 50.0;
    double ret = 45.0;
    double spread = 5.0;
};

enum class TemperatureCorrection
{
    None,
    Flow,   // the flow edit takes the focus
    Spread  // the spread edit takes the focus
};

// Corrects the first limit the temperatures break (flow above 60 or not above 1 °C, spread
// outside MinimSigmaPodl..25 K, return less than MinDifVratOdTi above the highest room
// temperature) and says which edit takes the focus.
TemperatureCorrection ValidateFloorTemperatures(FloorTemperatures& t, double highestRoomTemperature);

// 1 for the floor system makers 9001 and 9005.
int IsFloorSystemMaker(int maker);

// The catalogue "ZVK-%04d.XLS" in the price-list folder of the floor system maker with this
// name in the maker list; empty when no single row names it or the maker makes no floor systems.
CString FindMakerCatalogue(const CString& makerName);

// "%04d-%04d": the maker from the four digits before ".XLS" of the catalogue path and the item
// after the last '[' of a list text such as "[14]  Typ". Empty without a '['.
CString ProductCodeFromItem(const CString& itemText, const CString& cataloguePath);

// 0.05 m for the maker's 0072 system, else 0.075 m.
double MinimumSpacingForSystem(const CString& systemCode);

// The spacing as "%.4f" without trailing zeros: "0.075", "0.05".
CString MinimumSpacingText(double spacing);

// A product of a maker's catalogue as the settings list it: its item number ("Věta") and the
// list text "[%d]  %s" with its "Typ".
struct CatalogueChoice
{
    int item = 0;
    CString text;
};

// The catalogue's items of the numbers listed ("4,7,9"), in the sheet's order. Empty when no
// file is at the path or the sheet does not open (the opener's message shown).
std::vector<CatalogueChoice> CatalogueItems(const CString& cataloguePath, const char* itemNumbers);

// The names of the floor system makers of the maker list, in its order, and the position among
// them of the current maker (-1 when it is not listed).
struct FloorSystemMakers
{
    std::vector<CString> names;
    int current = -1;
};
FloorSystemMakers ListFloorSystemMakers(int currentMaker);
