#pragma once
// Rows of the catalogue workbook "MekrData.xls" replaced key by key: the rows of one key are
// removed by copying the workbook through a temporary workbook without them.

#include "heatloss/HeatLossMessage.h"

struct CatalogueRewrite
{
    bool succeeded = false;
    HeatLossMessage message; // what to tell the user when it failed; empty when nothing to say
};

// A failed rewrite with its message (string id, its "%s", exclamation icon).
CatalogueRewrite CatalogueFailure(UINT id, const CString& argument);

// The catalogue workbook in the data folder.
CString CatalogueWorkbookPath(const CString& dataFolder);

// Rewrites the catalogue in dataFolder without the rows of table (a sheet name with its "$")
// whose column holds exactly value; every other sheet and row stays, and the sheet keeps its
// columns' stored names and types. The rewrite goes through "<name>$.xls" beside the catalogue
// (a stale one is deleted first), which is renamed over the catalogue only when the whole copy
// succeeded: after any failure the catalogue is as it was. A missing catalogue is no failure
// and nothing is done (succeeded false, no message).
CatalogueRewrite RemoveCatalogueRows(const CString& dataFolder, const CString& table, const CString& column,
                                     const CString& value);
