#pragma once
// What the project-info file says of the program's folders and the project path: each value
// the file holds, the message to show when the file could not be read.

#include "heatloss/HeatLossMessage.h"

#include <optional>

struct ProjectFolders
{
    std::optional<CString> projectPath; // [PROJEKT] DbLegenda: the setting PathBase
    std::optional<CString> structure;   // [PROJEKT] DbStruktura: read, not used
    std::optional<CString> pathEdit;    // [SLOZKY] All, without trailing "\" or "/"
    std::optional<CString> pathList;    // [SLOZKY] Data, likewise
    std::optional<CString> pathDump;    // [SLOZKY] Work, likewise
    HeatLossMessage message;
};
