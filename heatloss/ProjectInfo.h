#pragma once
// What the project-info file says of the project header: each value the file holds, the
// message to show when the file could not be read.

#include "heatloss/HeatLossMessage.h"

#include <optional>

struct ProjectHeader;

struct ProjectInfo
{
    std::optional<CString> building1;     // [PROJEKT] Nazev1
    std::optional<CString> building2;     // [PROJEKT] Nazev2
    std::optional<CString> author;        // [PROJEKT] Projektant
    std::optional<CString> projectPath;   // [PROJEKT] DbLegenda: the setting PathBase
    std::optional<CString> investor1;     // [ZAKAZKA] Nazev1
    std::optional<CString> investor2;     // [ZAKAZKA] Nazev2
    std::optional<CString> orderNumber;   // [ZAKAZKA] ZC
    std::optional<CString> archiveNumber; // [ZAKAZKA] AC
    std::optional<CString> note;          // [ZAKAZKA] Poznamka
    HeatLossMessage message;

    // Writes the header values the file held (the project path is the caller's).
    void ApplyTo(ProjectHeader& header) const;
};
