#include "platform/dao/CDaoQueryDef.h"

#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/DaoCall.h"
#include "platform/dao/DaoFieldInfo.h"
#include "platform/dao/JetDatabase.h"

CDaoQueryDef::CDaoQueryDef(CDaoDatabase* database) : m_pDatabase(database) {}

void CDaoQueryDef::Create(LPCTSTR name, LPCTSTR sql)
{
    if (name && *name)
        AfxThrowDaoException(jet::kErrInvalidOperation, "Pojmenované dotazy nelze ukládat; použijte dočasný dotaz.");
    if (!m_pDatabase)
        AfxThrowDaoException(jet::kErrInvalidOperation, "Dotaz nemá databázi.");
    jet::Database& engine = m_pDatabase->Engine();
    const std::string text = sql ? sql : "";
    m_fields = DaoCall([&] { return engine.QueryFields(text); });
    m_strSQL = text;
    m_bOpen = true;
}

void CDaoQueryDef::Close()
{
    m_bOpen = false;
    m_fields.clear();
    m_strSQL.Empty();
}

short CDaoQueryDef::GetFieldCount() const
{
    return static_cast<short>(m_fields.size());
}

void CDaoQueryDef::GetFieldInfo(int index, CDaoFieldInfo& info, DWORD /*infoOptions*/) const
{
    if (index < 0 || index >= static_cast<int>(m_fields.size()))
        AfxThrowDaoException(jet::kErrFieldNotFound, "Sloupec č. " + CString(std::to_string(index)) + " v dotazu není.");
    info = FieldInfoOf(m_fields[index], index);
}

void CDaoQueryDef::GetFieldInfo(LPCTSTR name, CDaoFieldInfo& info, DWORD infoOptions) const
{
    for (int i = 0; i < static_cast<int>(m_fields.size()); ++i)
        if (CString(m_fields[i].name).CompareNoCase(name ? name : "") == 0)
            return GetFieldInfo(i, info, infoOptions);
    AfxThrowDaoException(jet::kErrFieldNotFound, "Sloupec „" + CString(name ? name : "") + "“ v dotazu není.");
}
