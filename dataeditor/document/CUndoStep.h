#pragma once
// One step of the undo journal: what one change did to the table of a view, so that it can
// be taken back (Undo), applied again (Redo) and named (Describe).
//
// Kinds: 0 group begin, 1 group end, 2 cell text, 3 row inserted, 4 row deleted, 5 row moved,
// 6 column inserted, 7 column deleted, 8 column moved, 9 column description, 10 rows sorted,
// 11 table name, 12 row format.

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <memory>
#include <vector>

class CColumnInfo;
class CSobrelView;

class CUndoStep : public CObject
{
public:
    enum Kind
    {
        GroupBegin = 0,
        GroupEnd = 1,
        CellText = 2,
        RowInserted = 3,
        RowDeleted = 4,
        RowMoved = 5,
        ColumnInserted = 6,
        ColumnDeleted = 7,
        ColumnMoved = 8,
        ColumnDescription = 9,
        RowsSorted = 10,
        TableName = 11,
        RowFormat = 12
    };

    // Records a change of the view's table (kind 11: of its document's table name). oldText is
    // the cell's, header's, name's or format's text before the change (kind 0: the command's
    // name; kind 3: "&" for a row added after the row; kind 6: the new column's name);
    // previousInfo the description before a kind 9 change; other the other row or column
    // (kind 10: the first sorted row), count the sorted rows, selectionRow the row to select
    // after a sort (-1: the sorted range).
    CUndoStep(int kind, CSobrelView* view, int row, int column, const CString& oldText = CString(),
              std::shared_ptr<CColumnInfo> previousInfo = nullptr, int other = -1, int count = 0,
              int selectionRow = -1);
    ~CUndoStep() override;

    void Undo(bool quiet);
    void Redo(bool quiet);
    CString Describe() const;

    int kind;
    CSobrelView* view;
    std::vector<CString> rowTexts;
    std::vector<CString> columnTexts;
    std::shared_ptr<CColumnInfo> columnInfo;
    std::shared_ptr<CColumnInfo> previousInfo;
    int row;
    int column;
    int other;
    int selectionRow;
    int sortColumn = -1;
    CString newText;
    CString oldText;
    // The values as read that the cells of a deleted row or column kept, with the texts they
    // belong to; at is the cell's column (a row) or row (a column). A cell text step keeps the
    // value of a cell shown anew (retyped), which stays the cell's value either way.
    struct KeptValue
    {
        int at;
        CString value;
        CString forText;
    };
    std::vector<KeptValue> keptValues;

private:
    void Act(bool undo);
    void FocusAfter(bool quiet);
    void SetCell(const CString& text);
    void SetDescription(const CString& header, const CColumnInfo& from);
    void SetFormat(const CString& text);
    void UndoColumnDeleted();
    // After a column went: the focus moves to the new last column when it was the last.
    void StepFocusBack(bool deletedWasLast);
    void RedoSort();
    void KeepValue(int row, int column, int at);
    void RestoreValues(int row, int column);
};
