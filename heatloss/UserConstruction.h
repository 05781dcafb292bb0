#pragma once
// Writing the constructions composed in the program back to the catalogue workbook.

#include "heatloss/CatalogueRows.h"

#include <ctime>
#include <functional>
#include <set>
#include <string>
#include <vector>

// The texts of one row, the sheet's columns in their order.
using CatalogueRow = std::vector<CString>;

// Replaces the constructions of kind in "Mekr_StK$" by constructions and the layers of the
// construction key in "Mekr_kUsr$" by layers. A removal or an open that fails stops the write
// there: nothing is appended after it, so that no row is ever stored twice, and the result
// says it failed.
CatalogueRewrite SaveUserConstruction(const CString& dataFolder, const CString& kind,
                                      const std::vector<CatalogueRow>& constructions, const CString& key,
                                      const std::vector<CatalogueRow>& layers);

// The keys ("Odkaz") that the constructions and the layers of the catalogue in dataFolder use;
// empty when the catalogue does not open.
std::set<std::string> CatalogueConstructionKeys(const CString& dataFolder);

// The key of a new construction: the local time "%Y%m%d%H%M%S" (14 digits), moved on second by
// second while taken says the key is in use (two constructions made in one second).
CString NewConstructionKey(std::time_t now, const std::function<bool(const CString&)>& taken);
