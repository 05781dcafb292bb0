#pragma once
// Every store that replaces a whole sheet of the project workbook (the working copy) goes
// through here. The new sheet is built whole, rows included, in the scratch workbook beside
// the working copy ("<name>$.xls": the working copy without the sheet, the sheet made again
// with the same columns), which stays in memory meanwhile; the scratch workbook is written
// once, whole, and only then renamed over the working copy. A failure on the way, a value refused included, is shown once and leaves the
// working copy exactly as it was: it holds the old sheet or the new one, never half of one.

#include "datalib/CData.h"
#include "platform/core/CString.h"

#include <memory>

class HeldWorkbookFile;

class ProjectSheetStore
{
public:
    // sheet with its "$" ("SeznamM$"). The new sheet takes the columns of that sheet in the
    // workbook columnsFrom; without it, in the working copy itself. Without a sheet the store
    // replaces none and changes only values (SetFirstRowValue).
    explicit ProjectSheetStore(const CString& sheet, const CString& columnsFrom = CString());
    ~ProjectSheetStore();
    ProjectSheetStore(const ProjectSheetStore&) = delete;
    ProjectSheetStore& operator=(const ProjectSheetStore&) = delete;

    // Makes the scratch workbook with the sheet empty and opens the sheet there for its rows.
    // False when it could not be made (the failing step has shown its message; a missing
    // working copy shows none); the working copy is untouched.
    bool Begin();
    // The new sheet, open in the scratch workbook: rows are added and set through it. A value
    // it refuses stops the store.
    CData& Table() { return m_table; }
    // A value of the first row of another sheet that changes together with the new sheet
    // (the project header's values). False when it was refused; the store then stops.
    bool SetFirstRowValue(const CString& sheet, const CString& column, const CString& text);
    // The writer found its rows could not be written whole: the store stops.
    void Refuse() { m_refused = true; }
    // Puts the new sheet in place: nothing refused, the scratch workbook written (the write
    // checked) and renamed over the working copy. False after the message; the working copy
    // is then as it was.
    bool Put();

    // One value of the first row of a sheet of the working copy, stored as a store without a
    // sheet replaced. False after the message; the working copy is then as it was.
    static bool StoreFirstRowValue(const CString& sheet, const CString& column, const CString& text);

    // A workbook at path that a store of this program left behind for workbook: it holds the
    // sheets of workbook, all of them or all but one. Such a file is removed without a question.
    static bool IsLeftBehindFor(const CString& path, const CString& workbook);

private:
    bool MakeWayForScratch();
    bool BuildScratch();
    bool WriteScratch(CString& cause);
    void Abandon();

    CString m_sheet;
    CString m_columnsFrom;
    CString m_project;
    CString m_scratch;
    CData m_table;
    std::unique_ptr<HeldWorkbookFile> m_held; // the scratch workbook, in memory until put
    CString m_named;        // the sheet a failure names
    CString m_failureCause; // of a value refused outside the new sheet
    bool m_begun = false;
    bool m_refused = false;
};
