#pragma once
// The rows of a query as a dynaset: membership and order are fixed when it opens; rows are
// addressed by absolute position; Edit or AddNew, SetFieldValue and Update write through.

#include "platform/core/COleVariant.h"
#include "platform/core/CString.h"
#include "platform/dao/DaoConstants.h"

#include <map>
#include <memory>

class CDaoDatabase;
class CDaoQueryDef;

namespace jet
{
class Recordset;
}

class CDaoRecordset
{
public:
    explicit CDaoRecordset(CDaoDatabase* database = nullptr);
    virtual ~CDaoRecordset();
    CDaoRecordset(const CDaoRecordset&) = delete;
    CDaoRecordset& operator=(const CDaoRecordset&) = delete;

    // Opens the rows of a query (a dynaset; snapshots are read the same way).
    virtual void Open(CDaoQueryDef* queryDef, int openType = dbOpenDynaset, int options = 0);
    virtual void Close();
    BOOL IsOpen() const { return m_rows != nullptr; }

    // True when there is no current row: the set is empty or positioned past its end.
    BOOL IsEOF() const;
    void MoveFirst();
    void MoveLast();
    long GetRecordCount() const;
    // Position of the current row, -1 when there is none.
    long GetAbsolutePosition() const;
    void SetAbsolutePosition(long position);

    COleVariant GetFieldValue(int index);
    COleVariant GetFieldValue(LPCTSTR name);
    void GetFieldValue(int index, COleVariant& value) { value = GetFieldValue(index); }
    void SetFieldValue(int index, const COleVariant& value);
    void SetFieldValue(LPCTSTR name, const COleVariant& value);
    short GetFieldCount() const;
    // The value as the file holds it, whatever the field's type (a text in a number column stays
    // a text instead of NULL), and setting a value that Update stores without coercion to the
    // field's type. A table copied with these two keeps every value as it was.
    COleVariant GetFieldValueAsStored(int index);
    void SetFieldValueAsStored(int index, const COleVariant& value);

    // Appends the rows first to first + count - 1 of source with the values of their fields
    // 0 to fields - 1 as stored, as AddNew, Update, Edit, SetFieldValueAsStored of each of
    // those fields and Update would, row after row, without a buffer for each row.
    void AppendStoredRows(CDaoRecordset& source, int first, int count, int fields);

    void Edit();
    void AddNew();
    void Update();
    void CancelUpdate();

    // The row written by the last Update, and positioning on a bookmark.
    COleVariant GetLastModifiedBookmark() const;
    void SetBookmark(COleVariant bookmark);

    // Finds a row that meets an SQL condition: AFX_DAO_FIRST, AFX_DAO_LAST, AFX_DAO_NEXT or
    // AFX_DAO_PREV. FALSE when none does; the current row then stays.
    BOOL Find(long findType, LPCTSTR filter);
    BOOL FindFirst(LPCTSTR filter) { return Find(AFX_DAO_FIRST, filter); }
    BOOL FindLast(LPCTSTR filter) { return Find(AFX_DAO_LAST, filter); }
    BOOL FindNext(LPCTSTR filter) { return Find(AFX_DAO_NEXT, filter); }
    BOOL FindPrev(LPCTSTR filter) { return Find(AFX_DAO_PREV, filter); }

    CDaoDatabase* m_pDatabase;

private:
    enum class EditMode
    {
        None,
        Edit,
        AddNew
    };
    jet::Recordset& Rows() const;
    int FieldIndex(LPCTSTR name) const;
    void RequireCurrent() const;

    std::unique_ptr<jet::Recordset> m_rows;
    int m_position = -1;
    int m_lastModified = -1;
    EditMode m_editMode = EditMode::None;
    struct BufferedValue
    {
        COleVariant value;
        bool asStored = false;
    };
    void Buffer(int index, const COleVariant& value, bool asStored);
    std::map<int, BufferedValue> m_buffer;
};
