#pragma once
// The floor build-ups of the catalogue workbook "MekrData.xls" without windows: a build-up is a
// header row (position 0, its name) and its layer rows (positions 1..n) in "Mekr_USkP$", all
// under one key "Odkaz", the local time of its creation "%Y%m%d%H%M%S". Also the layer sources
// (floor coverings, materials, insulation products), the layer recomputation and the rewrite
// of a build-up.
//
// Every read goes through the workbook table opener, which tells the user when a workbook or
// sheet does not open; the functions then answer false or nothing.

#include "floorwall/FloorConstruction.h"
#include "heatloss/HeatLossMessage.h"
#include "heatloss/UserConstruction.h" // NewConstructionKey: the key of a new build-up too
#include "platform/core/CString.h"

#include <ctime>
#include <functional>
#include <map>
#include <vector>

inline constexpr const char* kBuildUpSheet = "Mekr_USkP$";
inline constexpr const char* kCoveringSheet = "Mekr_PoUp$";
inline constexpr const char* kMaterialSheet = "Mekr_MaPa$";

struct BuildUpHeader
{
    CString key;
    CString name;
};

// A layer as the build-up editor shows and stores it: every value a text.
struct BuildUpLayer
{
    CString code;      // "Kód položky"
    CString typ;       // "Typ", shown as "položka"
    CString popis;     // "Popis položky"
    CString vrstva;    // thickness, mm
    CString vodivost;  // conductivity, W/(m·K)
    CString tepelOdpor; // resistance, m²K/W
    CString skupina;   // "1" covering, "2" load-distribution layer, "3" insulation, "4" structure
};

// A row of a sheet, its texts by column name.
using SheetTexts = std::map<CString, CString>;

CString CatalogueFile(const CString& dataFolder);

// A number text with a '.' loses its trailing '0's and then a trailing '.' ("0.0400" is "0.04").
CString TrimNumberText(CString text);
// R = d × 0.001 / λ from the layer's texts, d, λ and R written again without trailing zeros;
// a λ of 0 (or no number) leaves the layer as it is.
void RecomputeLayer(BuildUpLayer& layer);

// The build-ups (their header rows) in sheet order.
bool ReadBuildUpHeaders(const CString& dataFolder, std::vector<BuildUpHeader>& headers);
// The build-ups that hold the floor system item (a product code): the type-A page's list.
bool ReadFloorSystemBuildUps(const CString& dataFolder, const CString& systemCode, std::vector<BuildUpHeader>& headers);
// The layers of a build-up by position.
bool ReadBuildUpLayers(const CString& dataFolder, const CString& key, std::vector<BuildUpLayer>& layers);
// The key of the one build-up of that name; empty when none or several have it.
CString BuildUpKeyOfName(const CString& dataFolder, const CString& name);
// The layers' group, thickness and resistance as the type-A page takes them.
std::vector<BuildUpLayerValues> LayerValues(const std::vector<BuildUpLayer>& layers);

// The rows a query gives on a sheet of a workbook; false when it did not open.
bool ReadSheetRows(const CString& path, const CString& sheet, const CString& sql, std::vector<SheetTexts>& rows);

// Layer sources. A covering ("Mekr_PoUp$", group 1, source 1), a material ("Mekr_MaPa$", group
// 2 or 4, source 0, recomputed) and an insulation product of the floor product maker (group 3).
BuildUpLayer CoveringLayer(const SheetTexts& row);
BuildUpLayer MaterialLayer(const SheetTexts& row, int group);
BuildUpLayer InsulationLayer(const SheetTexts& row, int maker);

// The outcome of a catalogue change. The opener tells its own failures; a failed rewrite of the
// catalogue leaves its message for the caller to show.
struct BuildUpWrite
{
    bool removed = false; // the build-up's old rows are gone (or there were none)
    bool written = false;
    HeatLossMessage message;
};

// Replaces the build-up's rows: the old rows are removed through a rewrite of the catalogue
// beside it (the catalogue replaced only when complete), then the header and the layers (none
// for a header alone) are appended. Nothing is appended when the removal failed.
BuildUpWrite SaveBuildUp(const CString& dataFolder, const CString& key, const CString& name,
                         const std::vector<BuildUpLayer>& layers, bool headerOnly = false);
// Removes every row of the build-up.
BuildUpWrite RemoveBuildUp(const CString& dataFolder, const CString& key);
