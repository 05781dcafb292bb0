#pragma once
// The project sheet "DimenzSegm$": one row per distribution section, the tree in pre-order,
// each row's "Hladina" its depth.

#include "platform/core/CString.h"

#include <memory>
#include <vector>

class CData;
class CDimenzUsek;

namespace DistributionSheet
{
inline constexpr const char* Sheet = "DimenzSegm$";
inline constexpr const char* Number = "Pořadí";
inline constexpr const char* Level = "Hladina";
inline constexpr const char* Designation = "Označení";
inline constexpr const char* ItemCode = "Kód položky";
inline constexpr const char* Item = "Položka";
inline constexpr const char* ItemDescription = "Popis položky";
inline constexpr const char* Flow = "Hmot_Průtok";
inline constexpr const char* PipeLength = "Délka trubky";
inline constexpr const char* InsertedResistances = "Vřazené odpory";
inline constexpr const char* UpstreamLoss = "TlZtrPred";
inline constexpr const char* SectionLoss = "TlakZtráta";
inline constexpr const char* AccumulatedLoss = "KumulTlZtr";

using Roots = std::vector<std::unique_ptr<CDimenzUsek>>;

struct LoadResult
{
    int sectionCount = 0;
    // The first 0-based sheet row that was not read into the tree (a level that skips a
    // depth, or an empty or invalid "Hladina" that ended the reading); -1 when all were read.
    int firstUnreadRow = -1;
    // The 0-based sheet row of each root section, in order.
    std::vector<int> rootRows;
};

// Rebuilds the sections of the open sheet: the parent of a row is the nearest section above
// it with a level one less. Reading stops at a row whose "Hladina" is empty, not a number or
// below 1; a row whose level is more than one deeper than the section above is skipped.
LoadResult LoadTree(CData* data, Roots& roots);

// Writes every root's tree in pre-order, numbering the rows from 1; returns the rows written.
int SaveTree(CData* data, const Roots& roots);

// The levels of the tree in pre-order, one a section.
std::vector<unsigned char> TreeLevels(const Roots& roots);
} // namespace DistributionSheet
