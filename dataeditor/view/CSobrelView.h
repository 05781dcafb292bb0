#pragma once
// The window of a document: its table in a grid, one row a record, one column a field, with
// the column descriptions, the undo journal and the view operations that insert and delete
// rows and columns.

#include "platform/core/COleDateTime.h"
#include "platform/frame/CView.h"

#include <functional>
#include <memory>
#include <vector>

class CColumnInfo;
class CData;
class COleDataObject;
class CSobrelGrid;
class CSobrelDoc;
class CSobrelOptions;
class CTableExport;
class CUndoStep;

class CSobrelView : public CView
{
    DECLARE_DYNCREATE(CSobrelView)

public:
    CSobrelView();
    ~CSobrelView() override;

    CSobrelDoc* Document() const;
    CSobrelGrid* Grid() const { return m_grid.get(); }
    // With no column, the picture of an empty table in the middle (the grid paints the rest).
    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;
    // The grid is offered a command first (its clipboard commands), then the view and document.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
    // The editing tool bar is shown for a writable table and hidden for a read-only one.
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;

    // Loads the data source's open table (with its information table) into the grid, then
    // closes the data source and tells the document that loading ended.
    void LoadTable();
    // A value as read from a file into a cell: a number (a text that reads whole as one, with
    // "." or "," before its decimals) of a numeric column in the column's form and the
    // settings' separators, a real's value kept with every digit for the file; a Boolean in the
    // language's words; anything else as read.
    void SetReadCell(int row, int col, const CString& text, bool number);
    // Reads the column information table "<table>Info$" of the data source.
    void ReadInformationTable(const CString& tableName);

    // Column descriptions, by grid column (null for the fixed column).
    std::shared_ptr<CColumnInfo> ColumnInfo(int gridColumn) const;
    void SetColumnInfo(int gridColumn, std::shared_ptr<CColumnInfo> info);

    // The operations through which commands and undo steps change the table's shape.
    void InsertColumn(int index, const CString& header, std::shared_ptr<CColumnInfo> info);
    void DeleteColumn(int index);
    void InsertRow(int index);
    void DeleteRow(int index);
    void MoveRow(int from, int to);
    void MoveColumn(int from, int to);
    // Orders rows first ... first + count - 1 by the numbers in column 0.
    void SortRowsByNumber(int first, int count);
    void RenumberRows(int from);

    // The row-format column (-1 when there is none) and the re-application of the row formats.
    int FormatColumn() const;
    void ApplyRowFormats();
    // Sets a row's format text and applies it to the row's cells (an empty text, or a page
    // break alone, gives the row the grid's colours and font).
    void SetRowFormat(int row, const CString& text);
    // The format copied by command 49148, shared by every table window.
    static CString rowFormatClipboard;
    bool formatColumnShown = false;

    // The transfer options dialog for a block about to be pasted from data (the clipboard or a
    // drop); its choices become the grid's paste options. False when the user cancels.
    bool AskPasteOptions(COleDataObject* data);

    // The journal: pushing drops the steps after the position, appends and marks the document.
    void PushStep(CUndoStep* step);
    const std::vector<std::unique_ptr<CUndoStep>>& Journal() const { return m_journal; }
    int JournalPosition() const { return m_position; }
    // The table as it is now is what the file holds (after a save): undoing or redoing away
    // from this position makes the document modified again, coming back makes it unmodified.
    void MarkJournalSaved() { m_savedPosition = m_position; }
    // What the file holds is no state of the journal (an imported table not yet saved).
    void ForgetJournalSaved() { m_savedPosition = kNoSavedPosition; }

    // Export (command 49092): the save dialog, then the writer of the chosen type; with the
    // option on, the written files are opened afterwards.
    void OnExport();
    // The delimited text of the grid; an empty separator is asked for (Cancel writes nothing
    // and gives an empty separator). The separator used, empty when nothing was written.
    CString WriteText(const CString& path, const CString& separator);
    bool WriteHtml(const CString& path);
    bool WriteWorkbook(const CString& path);
    std::vector<CString> exportedFiles;
    bool editing = false;

    // Undo back to the previous group mark (a group whole); redo one step or group.
    void Undo();
    void Redo();
    // The journal dialog's entries: a group is one entry, the current state a marker (step -1).
    struct JournalEntry
    {
        CString text;
        int step;
    };
    std::vector<JournalEntry> JournalEntries(int& current) const;
    // Undoes or redoes until the journal position is the target.
    void GoToStep(int target);
    // Each undo or redo suspends the grid's drawing around itself (off while a replay runs).
    bool redrawEachStep = true;
    // Cells marked by a search (or by the marking of switched-off rows).
    bool found = false;
    void ClearFoundMarks();
    bool Writable() const;

    // A selected range with four valid bounds in order.
    bool ValidSelection() const;
    // The rows (columns) of the selected range that hold a selected cell.
    std::vector<int> SelectedRows() const;
    std::vector<int> SelectedColumns() const;
    // Sets a cell's text in its column's form and journals its old text.
    void SetCellText(int row, int col, const CString& text);
    // Moves the rows holding selected cells (how: the command id of the move).
    void MoveSelectedRows(int how);
    bool frozen = false;
    // Whole rows are selected (command 49087).
    bool rowSelectionMode = false;

    // The grid's edit notifications: the text before the edit, then its journal step.
    void BeginCellEdit(int row, int col);
    void EndCellEdit(int row, int col);
    // The text typed into a cell of a number column: blanks and no-break spaces read as
    // grouping and go; a text that is still no number is refused naming the column (false).
    bool AcceptEditedNumber(int row, int col, CString& text);
    bool IsLastVisibleCell(int row, int col) const;
    // The focus moved to a cell: the column's description on the status bar (the idle text
    // when it has none), the cell's drop-down list filled from the column's values.
    void FocusChanged(int row, int col);
    void ShowColumnDescription(int col);
    // A formula's result as written into a cell: 15 significant digits, the user's separator.
    static CString ResultText(double value);

    // The text the save writes for a cell (Booleans as "1" and "0").
    CString GetDataText(int row, int column) const;

    CData* dataSource = nullptr;
    CSobrelOptions* options = nullptr;
    int fixedRows = 1;
    int fixedColumns = 1;
    int rowCount = 0;
    int columnCount = 0;
    int replayCount = 0;
    bool skipNextSelectionChange = false;
    CString infoSuffix = "Info$";
    // The name of the column information table of a table.
    CString InformationTableName(const CString& tableName) const;

    // Search (command 49085): the dialog (when asked for), then the cells of the scope found,
    // marked, their rows kept visible and what was found replaced as one undo group. -1 when
    // the dialog was cancelled, 1 when something was found, 0 when nothing was (the marks are
    // cleared and the user told). The search state below lasts between searches.
    int Search(bool showDialog = true);
    CString searchText;
    double lowerNumber = 0;
    double upperNumber = 0;
    COleDateTime fromDate = COleDateTime::GetCurrentTime();
    COleDateTime toDate = COleDateTime::GetCurrentTime();
    CString replacementText;

    // Printing: the grid's pages within the options' margins, with their header and footer.
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    // The printable area of a printer's context less the margins beyond the printer's own.
    CRect PageRect(CDC* pDC) const;

    // The options sheet on a page (0 general, 1 printing); when accepted, the changed options
    // go to every open table. 1 when accepted, 0 when cancelled.
    static int RunOptions(int startPage);
    // Gives the grid the options' colours, grid lines, sizing and font.
    void ApplyOptionsToGrid();
    // The text columns break their lines at the options' width (-1: not at all).
    int BreakWidth() const;
    void ApplyBreakWidth();
    void BreakLinesOfRow(int row);
    // New default decimals: the real columns without their own are formatted again from the
    // cells' data texts, journalled as one group while the table is writable.
    void ReformatDefaultDecimals();

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    afx_msg void OnSearch();
    afx_msg void OnClearSearchMarks();
    afx_msg void OnUpdateSearch(CCmdUI* pCmdUI);
    afx_msg void OnUpdateClearSearchMarks(CCmdUI* pCmdUI);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    // The grid's context menu (1057) at the screen point; with one cell selected, the cell
    // under the point becomes the focus cell first.
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnUpdateExport(CCmdUI* pCmdUI);
    afx_msg void OnEditUndo();
    afx_msg void OnEditRedo();
    afx_msg void OnJournal();
    afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditRedo(CCmdUI* pCmdUI);
    afx_msg void OnUpdateJournal(CCmdUI* pCmdUI);
    afx_msg void OnColumnInsert();
    afx_msg void OnColumnDelete();
    afx_msg void OnRowInsert();
    afx_msg void OnRowDelete();
    afx_msg void OnRowUp();
    afx_msg void OnRowDown();
    afx_msg void OnRowTop();
    afx_msg void OnRowBottom();
    afx_msg void OnFill();
    afx_msg void OnFreezeColumns();
    afx_msg void OnMarkSwitchedOffRows();
    afx_msg void OnApplyRowFormats();
    afx_msg void OnUpdateColumnInsert(CCmdUI* pCmdUI);
    afx_msg void OnUpdateColumnDelete(CCmdUI* pCmdUI);
    afx_msg void OnUpdateRowInsert(CCmdUI* pCmdUI);
    afx_msg void OnUpdateRowDelete(CCmdUI* pCmdUI);
    afx_msg void OnUpdateRowUp(CCmdUI* pCmdUI);
    afx_msg void OnUpdateRowDown(CCmdUI* pCmdUI);
    afx_msg void OnUpdateFill(CCmdUI* pCmdUI);
    afx_msg void OnUpdateFreezeColumns(CCmdUI* pCmdUI);
    afx_msg void OnUpdateMarkSwitchedOffRows(CCmdUI* pCmdUI);
    afx_msg void OnUpdateApplyRowFormats(CCmdUI* pCmdUI);
    afx_msg void OnRowSelectMode();
    afx_msg void OnUpdateRowSelectMode(CCmdUI* pCmdUI);
    afx_msg void OnColumnEdit();
    afx_msg void OnUpdateColumnEdit(CCmdUI* pCmdUI);
    afx_msg void OnCalculator();
    afx_msg void OnSums();
    afx_msg void OnUpdateCalculator(CCmdUI* pCmdUI);
    afx_msg void OnUpdateSums(CCmdUI* pCmdUI);
    afx_msg void OnColumnMove();
    afx_msg void OnUpdateColumnMove(CCmdUI* pCmdUI);
    afx_msg void OnEditPasteSpecial();
    afx_msg void OnUpdateEditPasteSpecial(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePositionPane(CCmdUI* pCmdUI);
    afx_msg void OnUpdateLanguagePane(CCmdUI* pCmdUI);
    afx_msg void OnFormatColumnInsert();
    afx_msg void OnFormatSet();
    afx_msg void OnFormatClear();
    afx_msg void OnFormatCopy();
    afx_msg void OnFormatPaste();
    afx_msg void OnFormatReplace();
    afx_msg void OnFormatColumnShow();
    afx_msg void OnUpdateFormatColumnInsert(CCmdUI* pCmdUI);
    afx_msg void OnUpdateFormatSet(CCmdUI* pCmdUI);
    afx_msg void OnUpdateFormatClear(CCmdUI* pCmdUI);
    afx_msg void OnUpdateFormatCopy(CCmdUI* pCmdUI);
    afx_msg void OnUpdateFormatPaste(CCmdUI* pCmdUI);
    afx_msg void OnUpdateFormatReplace(CCmdUI* pCmdUI);
    afx_msg void OnUpdateFormatColumnShow(CCmdUI* pCmdUI);
    afx_msg void OnOptions();
    afx_msg void OnPrintSetup();
    afx_msg void OnPrintDirect();
    afx_msg void OnPrintPreview();
    afx_msg void OnUpdatePrint(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    CSobrelOptions& SearchOptions() const;
    // The grid may be edited and the clipboard holds a block of cells it can place.
    bool CanPasteSpecial() const;
    void ShowGrid(bool show);
    void SuspendDrawing();
    void ResumeDrawing();
    bool StepIs(int index, int kind) const;
    // Around each undo or redo: drawing suspended, search marks cleared.
    void BeginReplay();
    void EndReplay();
    CTableExport Exporter() const;
    // The row-format commands: the data rows holding a selected cell, the format text of a
    // row, and a new format for each of the rows as one journal group (groupText) when there
    // are several.
    std::vector<int> SelectedDataRows() const;
    CString RowFormatText(int row) const;
    void SetRowFormats(const std::vector<int>& rows, const std::function<CString(const CString&)>& newFormat,
                       const CString& groupText);

    // The next print run goes to the printer without its dialog.
    bool m_printDirect = false;
    std::unique_ptr<CSobrelGrid> m_grid;
    CString m_savedText;
    std::vector<std::shared_ptr<CColumnInfo>> m_columns;
    std::vector<std::unique_ptr<CUndoStep>> m_journal;
    int m_position = -1;
    static constexpr int kNoSavedPosition = -2;
    // The journal position at the last save (-1: the table as loaded).
    int m_savedPosition = -1;
    void ShowModifiedState();
    bool m_activating = false;
};
