#pragma once
// An open database: a workbook (connect string "Excel 8.0") or a database file (empty
// connect string or "Access"; an SQLite file here). Errors are thrown as CDaoException*.

#include "platform/core/CString.h"
#include "platform/dao/CDaoTableDefInfo.h"
#include "platform/dao/DaoConstants.h"

#include <memory>

namespace jet
{
class Database;
}

class CDaoDatabase
{
public:
    CDaoDatabase();
    virtual ~CDaoDatabase();
    CDaoDatabase(const CDaoDatabase&) = delete;
    CDaoDatabase& operator=(const CDaoDatabase&) = delete;

    // Opens an existing database; a missing file fails with error 3024.
    virtual void Open(LPCTSTR name, BOOL exclusive = FALSE, BOOL readOnly = FALSE, LPCTSTR connect = "");
    // Creates a new database file with a sort order (dbLangGeneral). When the second argument
    // names a driver instead ("Excel 8.0"), the database of that driver is opened, and a missing
    // workbook starts empty: its file appears when it is first written.
    virtual void Create(LPCTSTR name, LPCTSTR locale = dbLangGeneral, int options = 0);
    // Closes the database; what was changed reaches the file now (an error is thrown when it cannot).
    virtual void Close();
    BOOL IsOpen() const { return m_engine != nullptr; }
    // What was changed reaches the file now (an error is thrown when it cannot).
    void Flush();
    // Changes that have not reached the file are forgotten; the file stays as it was.
    void DiscardChanges();

    CString GetName() const;
    CString GetConnect() const;

    short GetTableDefCount();
    void GetTableDefInfo(int index, CDaoTableDefInfo& info, DWORD infoOptions = AFX_DAO_PRIMARY_INFO);
    void DeleteTableDef(LPCTSTR name);

    // The engine behind the DAO classes of this database.
    jet::Database& Engine();

private:
    std::unique_ptr<jet::Database> m_engine;
    CString m_strName;
    CString m_strConnect;
};
