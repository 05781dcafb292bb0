#pragma once
// The grid of the program's tables: columns found by name, row formats kept as text in a
// hidden column "Format" (text colour|background|style letters|points larger), and a whole
// sheet of the catalogue workbook loaded into the grid.

#include "controls/grid/CGridCtrl.h"
#include "controls/grid/CTreeColumn.h"
#include "datalib/CData.h"
#include "platform/core/CStringArray.h"

class CFmtGridCtrl : public CGridCtrl
{
public:
    CFmtGridCtrl();
    ~CFmtGridCtrl() override;

    // The grid column of the first stored name that contains the text; -1 when none.
    int FindColumn(const CString& name) const;
    // Formats one row from its format text (taken from the format column when empty).
    void ApplyCellFormat(int row, BOOL resetWhenEmpty, int formatColumn, CString format);
    // Formats every row from its "Format" cell and hides that column; without it, auto-sizes.
    void ApplyColumnFormats(BOOL resetWhenEmpty);
    // Loads a sheet of the catalogue workbook: 0 done, 1 the workbook or table did not open.
    int LoadFromTable(const CString& table, const CString& sql);

    // One name a non-fixed column, in column order.
    CStringArray m_aColumnNames;
    CData m_Data;
    CTreeColumn m_TreeColumn;

protected:
    DECLARE_MESSAGE_MAP()

private:
    void ResetRow(int row, int formatColumn, bool slash);
};
