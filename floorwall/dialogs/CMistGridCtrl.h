#pragma once
// The grid of the floor settings and the construction parameters: a click on a switch image
// (0 or 1) toggles it and locks the rest of the row, and new rows take the header's formats.

#include "controls/grid/CGridCtrl.h"

class CMistGridCtrl : public CGridCtrl
{
public:
    CMistGridCtrl() : CGridCtrl(0, 0, 0, 0) {}
    ~CMistGridCtrl() override = default;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Toggles the switch image of the cell; 1 when the cell has none.
    int OnCellClick(int row, int col);
    // Inserts a row at the position (-1 appends) with the header row's cell formats.
    int AppendRow(LPCTSTR heading, int position);

private:
    void LockRowExcept(int row, int col);

    DECLARE_MESSAGE_MAP()
};
