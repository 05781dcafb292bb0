#pragma once
// One cell of a grid by row and column; (-1, -1) is no cell.

class CCellID
{
public:
    int row = -1;
    int col = -1;

    CCellID() = default;
    CCellID(int nRow, int nCol) : row(nRow), col(nCol) {}

    // Both indices name a place; whether the grid has it is the grid's IsValid.
    bool IsValid() const { return row >= 0 && col >= 0; }

    bool operator==(const CCellID& other) const { return row == other.row && col == other.col; }
    bool operator!=(const CCellID& other) const { return !(*this == other); }
};
