#pragma once
// The process-wide list of pipe spacing series. The application owns the series: it fills the
// list with the defaults before the floor settings first open and frees it at exit.

#include <vector>

class CRoztece;

std::vector<CRoztece*>& SpacingSeriesList();

// Fills an empty list with the two default series (0.075 to 0.3 in use, 0.05 to 0.3 not).
void FillDefaultSpacingSeries();

// Deletes every series and empties the list.
void FreeSpacingSeriesList();
