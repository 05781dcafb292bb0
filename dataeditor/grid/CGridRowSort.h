#pragma once
// Sorting the rows of a grid by the texts of one column: sort keys built once by the column's
// description (numbers, dates, texts by the language pack's alphabet), a stable order, whole
// rows moved into it once.

class CColumnInfo;
class CGridCtrl;

class CGridRowSort
{
public:
    // Sorts rows low..high (high -1: the last row); false when col is not a column of the
    // grid or low >= high. description may be null (the texts sort as texts).
    static bool SortRows(CGridCtrl& grid, int col, bool ascending, const CColumnInfo* description, int low,
                         int high);
    // Rows low..high ascending by the numbers in column 0.
    static bool SortRowsByIndex(CGridCtrl& grid, int low, int high);
};
