#pragma once
// Writing the constructions composed in the program back to the catalogue workbook.

#include "heatloss/CatalogueRows.h"

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
