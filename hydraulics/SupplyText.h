#pragma once
// The supply text of a circuit: the circuits its supply and return pipe runs through, each with
// the pipe length in it, as "[" + circuit + "{L=" + length + "}]" one after the other.

#include "platform/core/CString.h"

#include <vector>

struct SupplyRow
{
    CString circuit;
    CString length; // as it stands in the text, in the user's notation
};

// The rows of a supply text; reading ends at the first piece without "{".
std::vector<SupplyRow> ParseSupplyText(CString text);

// The text of the rows with a length above 0 (lengths "%.1f" with '.', as every desktop reads
// them), and their total length.
struct SupplyTextResult
{
    CString text;
    double totalLength = 0.0; // m
};
SupplyTextResult BuildSupplyText(const std::vector<SupplyRow>& rows);

// A circuit name that would break the text: it holds "[", "]", "{", "}" or "L=".
bool BreaksSupplyText(const CString& circuit);
