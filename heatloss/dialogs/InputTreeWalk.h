#pragma once
// The model slots of the input table's rows, found by counting rows from the top: a room row
// counts a room, a wall row a wall of that room, an opening row an opening of that wall.

#include "heatloss/InputCursor.h"

#include <functional>

// level(row) gives the tree level of a data row (1 building, 2 room, 3 wall, 4 opening).
using RowLevel = std::function<int(int row)>;

// The slots of the element on row (rows 1..row counted); all 0 below row 1.
InputCursor LocateRow(const RowLevel& level, int row);
// The slots of the last child of a room or wall row (0 at the child's level when it has none):
// the following rows of the next level down are counted until a row of the same or a higher
// level.
InputCursor LocateLastChild(const RowLevel& level, int row, int rowCount);
// Where a new element of level goes under the parent on row: after the parent's last
// descendant, or rowCount to append; -1 below row 1.
int FindInsertRow(const RowLevel& level, int newLevel, int row, int rowCount);
