#include "heatloss/dialogs/InputTreeWalk.h"

namespace
{
void Enter(InputCursor& cursor, int level)
{
    if (level == 1)
        cursor = InputCursor();
    else if (level == 2)
    {
        ++cursor.room;
        cursor.wall = cursor.opening = 0;
    }
    else if (level == 3)
    {
        ++cursor.wall;
        cursor.opening = 0;
    }
    else if (level == 4)
        ++cursor.opening;
}
} // namespace

InputCursor LocateRow(const RowLevel& level, int row)
{
    InputCursor cursor;
    for (int r = 1; r <= row; ++r)
        Enter(cursor, level(r));
    return cursor;
}

InputCursor LocateLastChild(const RowLevel& level, int row, int rowCount)
{
    InputCursor cursor = LocateRow(level, row);
    if (row < 1)
        return cursor;
    const int parent = level(row);
    for (int r = row + 1; r < rowCount; ++r)
    {
        const int childLevel = level(r);
        if (childLevel <= parent)
            break;
        if (childLevel == parent + 1)
            Enter(cursor, childLevel);
    }
    return cursor;
}

int FindInsertRow(const RowLevel& level, int newLevel, int row, int rowCount)
{
    if (row < 1)
        return -1;
    const int parent = newLevel - 1;
    int r = row + 1;
    while (r < rowCount && level(r) > parent)
        ++r;
    return r;
}
