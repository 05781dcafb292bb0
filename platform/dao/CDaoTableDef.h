#pragma once
// A table definition: made with Create, CreateField and Append, or opened by name to be renamed.

#include "platform/core/CString.h"
#include "platform/dao/CDaoFieldInfo.h"
#include "platform/dao/JetField.h"

#include <vector>

class CDaoDatabase;

class CDaoTableDef
{
public:
    explicit CDaoTableDef(CDaoDatabase* database);
    virtual ~CDaoTableDef() = default;

    // Starts a new table; it exists once Append is called. Attributes, source table and
    // connect string of attached tables are not supported (0 and null).
    virtual void Create(LPCTSTR name, long attributes = 0, LPCTSTR sourceTable = nullptr, LPCTSTR connect = nullptr);
    void CreateField(LPCTSTR name, short type, long size, long attributes = 0);
    void CreateField(CDaoFieldInfo& info);
    // Adds the new table to the database (a workbook gets a sheet with the header row).
    virtual void Append();
    // Opens the definition of an existing table (3011 when there is none).
    virtual void Open(LPCTSTR name);
    // Renames the table (an opened one at once; a new one before Append).
    void SetName(LPCTSTR name);
    CString GetName() const { return m_strName; }
    virtual void Close();
    BOOL IsOpen() const { return m_bOpen; }

    CDaoDatabase* m_pDatabase;

private:
    CString m_strName;
    std::vector<jet::Field> m_fields;
    bool m_bOpen = false;
    bool m_bNew = false;
};
