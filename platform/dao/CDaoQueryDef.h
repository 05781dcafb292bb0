#pragma once
// A query: here always a temporary one, made from SQL text, that a record set opens.

#include "platform/core/CString.h"
#include "platform/dao/CDaoFieldInfo.h"
#include "platform/dao/DaoConstants.h"
#include "platform/dao/JetField.h"

#include <vector>

class CDaoDatabase;

class CDaoQueryDef
{
public:
    explicit CDaoQueryDef(CDaoDatabase* database);
    virtual ~CDaoQueryDef() = default;

    // An unnamed temporary query (name empty or null) from SQL text; the text is checked now
    // and a faulty one fails (3075, 3011 ...).
    virtual void Create(LPCTSTR name = nullptr, LPCTSTR sql = nullptr);
    virtual void Close();
    BOOL IsOpen() const { return m_bOpen; }

    CString GetSQL() const { return m_strSQL; }
    short GetFieldCount() const;
    void GetFieldInfo(int index, CDaoFieldInfo& info, DWORD infoOptions = AFX_DAO_PRIMARY_INFO) const;
    void GetFieldInfo(LPCTSTR name, CDaoFieldInfo& info, DWORD infoOptions = AFX_DAO_PRIMARY_INFO) const;

    CDaoDatabase* m_pDatabase;

private:
    CString m_strSQL;
    std::vector<jet::Field> m_fields;
    bool m_bOpen = false;
};
