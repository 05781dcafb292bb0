#pragma once
// The grid in which the data editor shows one table: row 0 holds the column headings, column 0
// the record numbers, the other cells the field values as text. Every data column carries its
// description (CColumnInfo) as the item data of its heading cell. The grid shows values typed
// by their column, applies the row formats of the "Format" column, gives the cell styles of the
// HTML export and the page header and footer of printing, sorts by a heading click, and copies
// and pastes blocks with their description (column names, whole rows, producer number).
//
// The grid runs with the data editor's policy of the grid window: edits are reported to the
// owner and never vetoed, Delete and Tab behave the editor's way, the clipboard text is the
// editor's.

#include "controls/grid/CGridCtrl.h"

#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

class CColumnInfo;
class CStringArray;
class CPrintInfo;
class CSobrelView;

class CSobrelGrid : public CGridCtrl
{
    DECLARE_DYNCREATE(CSobrelGrid)

public:
    CSobrelGrid(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0);
    ~CSobrelGrid() override;

    // --- Frozen columns ----------------------------------------------------------------------
    // The columns before fixedCount stay in place while the others scroll; the table's fields
    // among them stay data columns. Unfreezing gives the grid its own fixed columns back.
    void FreezeColumns(int fixedCount);
    void UnfreezeColumns();
    bool Frozen() const { return m_unfrozenFixedColumns >= 0; }
    // The first column that holds a field of the table, frozen or not.
    int FirstDataColumn() const;

    // --- Column descriptions and texts ------------------------------------------------------
    // Null for the row-number column and columns out of range.
    CColumnInfo* GetColumnInfo(int col) const;
    // Attaches a description (not owned) to the heading cell of a column.
    void SetColumnInfo(int col, CColumnInfo* info);
    // The first column whose heading is the name (exact comparison); -1 when none.
    int FindColumnByName(const CString& name) const;
    CString GetItemTextByColName(int row, const CString& name, BOOL forData) const;
    void SetItemTextByColName(int row, const CString& name, const CString& text);
    // A cell's text as data: read from the substituted row, "" in an excluded column; with
    // forData, numbers without the thousands separator and a real value as it was read (all
    // its digits) while the cell is unedited.
    CString GetDataText(int row, int col, BOOL forData) const;
    // Sets the cell's draw format by its column, then its text; typed formats the value for
    // display by the column's type first.
    BOOL SetItemTextTyped(int row, int col, const CString& text, BOOL typed);
    // Shows a stored value in the column's display form; an unedited real keeps its value as
    // read, a real the new form rounds the value it had.
    void RetypeCell(int row, int col);
    // The cell's text, without the thousands separators, reads as exactly this number.
    BOOL ShowsValue(int row, int col, double value) const;
    void SetColumnFormat(int col);
    // For a long-text column the item data of every data cell of the column (the heading's
    // is the description); false otherwise.
    BOOL SetColumnItemData(int col, LPARAM data);
    // For a long-text column the width at which the data cells break their lines (-1: none);
    // false for any other column.
    BOOL SetColumnBreakWidth(int col, int width);
    // Gives the data cells of every column with a value list the drop-down cell, its values
    // as the options.
    void ApplyValueLists();
    void ApplyValueListToColumn(int col);
    void ApplyValueListsToRow(int row);
    // One data cell of a value-list column: the drop-down cell with the column's values.
    void ApplyValueList(int row, int col);
    // The value as read from the file for an unedited real cell (kept until the cell changes).
    void SetReadValue(int row, int col, const CString& value);
    // The value as read of a real cell whose text was not changed since; false for any other cell.
    BOOL GetReadValue(int row, int col, CString& value) const;
    // The row whose cell gives the data of a cell (rowSubstitution), -1 for none (excludedColumns).
    int DataRow(int row, int col) const;

    // The display text of a value of a column type: Booleans as the true or false text,
    // numbers with their decimals (-2: the options' default), dates as dates; a date that
    // does not read is shown as it stands.
    static CString FormatValueText(const CString& text, int type, int decimals, const CString& falseText,
                                   const CString& trueText);
    // A number in the display form of a numeric column type (2 to 7).
    static CString FormatNumberValue(double value, int type, int decimals);

    // --- Row formats ----------------------------------------------------------------------
    // The "Format" column (-1 when the table has none).
    int FormatColumn() const;
    // Applies a row-format text (empty: the row's Format cell) to the row's data cells;
    // an empty text with resetIfEmpty clears the row's formatting and its Format cell.
    void ApplyRowFormat(int row, BOOL resetIfEmpty, const CString& format);
    // Hides the Format column and applies every row's format; then RefreshLayout(1, plain).
    BOOL ApplyRowFormats(BOOL resetIfEmpty, BOOL plain);
    // The row-format text that describes a cell's colours and font.
    CString GetRowFormatText(const CCellID& cell) const;
    // The text (or, when empty, the row's Format cell) begins with "/".
    BOOL IsPageBreakRow(int row, const CString& format) const;

    // --- Export and printing --------------------------------------------------------------
    CString GetCellHtmlStyle(int row, int col, BOOL fontAndColour, BOOL background, BOOL alignment,
                             BOOL border) const;
    CString GetHeaderText(const CPrintInfo* pInfo) const;
    CString GetFooterText(const CPrintInfo* pInfo) const;
    CString ExpandHeaderFooter(const CString& text, const CPrintInfo* pInfo) const;

    // --- Printing (called by the view's print cycle) -----------------------------------------
    // Lays out the pages: bands of rows by the page height and the page-break rows, bands of
    // columns when printColumnsAcross is set; the page count goes into the print info.
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    // Prints page m_nCurPage: header, column headings, the rows and columns of its bands, footer.
    void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    void PrintHeader(CDC* pDC, CPrintInfo* pInfo);
    void PrintFooter(CDC* pDC, CPrintInfo* pInfo);

    // --- Moves and sizes -------------------------------------------------------------------
    void MoveColumn(int from, int to);
    void MoveRow(int from, int to);
    void SetColumnWidthWithButton(int col, int width);
    void AutoSizeColumnWithButton(int col, BOOL plain, UINT style = GVS_BOTH);
    void AutoSizeColumnsIfAllowed(BOOL plain, UINT style = GVS_BOTH);
    BOOL RefreshLayout(BOOL invalidate, BOOL plain);
    // While deferred, the columns asked to be auto-sized are noted and sized once when the
    // deferral ends (a replay of many cell steps measures each column once).
    void DeferSizing(bool defer);
    // Rewrites the record numbers of column 0 from a row on.
    void RenumberRows(int from);

    // --- Sorting ---------------------------------------------------------------------------
    void SortOnHeaderClick(CCellID& cell) override;
    // Sorts rows low..high (-1: the last row) by the column's data texts; false when col is
    // no column or low >= high. Stable.
    BOOL SortItems(int col, BOOL ascending, int low = -1, int high = -1);
    BOOL SortRowsByIndex(int low, int high);

    // --- Clipboard -------------------------------------------------------------------------
    COleDataSource* CopyTextFromGrid() override;
    BOOL PasteTextToGrid(CCellID cell, COleDataObject* pDataObject) override;
    void ClearSelectedCells() override;
    void OnEditCut() override;
    void OnEditCopy() override;
    void OnEditPaste() override;
    BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;
    void OnBeginDrag() override;
    // Selects the rectangle of the rows and columns that hold a selected cell; whole rows when
    // every visible data column is among them.
    void ExtendSelectionToRectangle();
    // Reads the block description of the data object into the paste state; false (and the
    // state of a plain text) when it is missing or does not agree.
    BOOL ReadClipboardInfo(COleDataObject* pDataObject);
    // The paste of Paste and of drops: at the focus cell, rows added for whole rows, fields by
    // column name, the producer number before the index.
    void PasteFrom(COleDataObject* pDataObject);
    // The producer number of the workbook shown (0 without a view).
    int ProducerNumber() const;

    // The parent view when the grid runs in one (the in-view flag set and the parent a view).
    CSobrelView* ParentView() const;
    // A typed text is checked by the view: a number column takes numbers only.
    BOOL AcceptEditedText(int nRow, int nCol, CString& text) override;

    // --- State -----------------------------------------------------------------------------
    // A column in the set reads as "" through GetDataText.
    std::set<int> excludedColumns;
    // A row in the map is read through GetDataText from its mapped row.
    std::map<int, int> rowSubstitution;
    // Header left, centre, right, footer left, centre, right, separated by tabs.
    CString headerFooter;
    int pageOffset = 0;
    // The texts of Boolean cells (the language pack's strings 1247 and 1394).
    CString falseText;
    CString trueText;
    // The heading of the index column and of the row-format column.
    CString indexColumnName;
    CString formatColumnName;
    // Off for a grid outside a view (the row-format dialog's preview).
    BOOL inView = TRUE;
    BOOL redrawAllowed = TRUE;
    // Spreads columns that do not fit over further pages across.
    BOOL printColumnsAcross = FALSE;
    // Prints the background colours that cells have of their own.
    BOOL printFill = FALSE;

    // Paste state: options (-1 not read; bits 1 by names, 2 add rows, 4 producer before the
    // index), the block read, the drag kind (0 none, 1 copy, 2 move) and a move's pending cells.
    int pasteOptions = -1;
    BOOL pasteWholeRows = FALSE;
    int pasteRowCount = 0;
    int pasteColumnCount = 0;
    std::vector<CString> pasteNames;
    int pasteProducer = 0;
    int dragKind = 0;
    std::vector<CCellID> pendingCells;

private:
    bool m_deferringSizing = false;
    std::set<int> m_deferredColumns;
    struct PrintLayout;
    int PrintedSize(int screenSize) const;
    void LayOutPrintColumns();
    void LayOutPrintRows();
    void CreatePrintFonts(CDC* pDC);
    void PrintHeaderFooter(CDC* pDC, const CString& part, const CRect& band, bool header);
    void PrintRow(CDC* pDC, int row, const std::vector<int>& columns, int top);
    // The font a cell prints with: the headings bold, a cell's own font scaled as the print font.
    CFont* PrintFont(int row, int col);
    void ResetPasteState();
    static CStringArray ValueOptions(const CColumnInfo& info);
    void SetDropDownCell(int row, int col, const CStringArray& options);
    void LoadLanguageTexts();
    // The draw format of a cell by its row, column and column type.
    UINT CellFormat(int row, int col) const;

    std::unique_ptr<PrintLayout> m_print;
    // The fixed columns before freezing; -1 while not frozen.
    int m_unfrozenFixedColumns = -1;
    bool m_bDragRunning = false;
    CCellRange m_dragRange;
};
