#include "platform/dao/CDaoTableDef.h"

#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/DaoCall.h"
#include "platform/dao/JetDatabase.h"

CDaoTableDef::CDaoTableDef(CDaoDatabase* database) : m_pDatabase(database) {}

void CDaoTableDef::Create(LPCTSTR name, long attributes, LPCTSTR sourceTable, LPCTSTR connect)
{
    if (attributes != 0 || (sourceTable && *sourceTable) || (connect && *connect))
        AfxThrowDaoException(jet::kErrInvalidOperation, "Připojené tabulky nejsou podporovány.");
    if (!name || !*name)
        AfxThrowDaoException(jet::kErrInvalidOperation, "Tabulka musí mít název.");
    m_strName = name;
    m_fields.clear();
    m_bOpen = true;
    m_bNew = true;
}

void CDaoTableDef::CreateField(LPCTSTR name, short type, long size, long /*attributes*/)
{
    if (!m_bOpen || !m_bNew)
        AfxThrowDaoException(jet::kErrInvalidOperation, "Sloupce lze přidat jen do nové tabulky.");
    jet::Field field;
    field.name = name ? name : "";
    field.type = type;
    field.size = type == jet::kText && size > 0 ? static_cast<int>(size) : jet::DefaultFieldSize(type);
    m_fields.push_back(field);
}

void CDaoTableDef::CreateField(CDaoFieldInfo& info)
{
    CreateField(info.m_strName, info.m_nType, info.m_lSize, info.m_lAttributes);
}

void CDaoTableDef::Append()
{
    if (!m_bOpen || !m_bNew)
        AfxThrowDaoException(jet::kErrInvalidOperation, "Tabulka není nově vytvořena.");
    jet::Database& engine = m_pDatabase->Engine();
    DaoCall([&] { engine.CreateTable(m_strName.str(), m_fields); });
    m_bNew = false;
}

void CDaoTableDef::Open(LPCTSTR name)
{
    jet::Database& engine = m_pDatabase->Engine();
    const CString wanted = name ? name : "";
    for (const std::string& table : DaoCall([&] { return engine.TableNames(); }))
        if (CString(table).CompareNoCase(wanted) == 0)
        {
            m_strName = table;
            m_bOpen = true;
            m_bNew = false;
            return;
        }
    AfxThrowDaoException(jet::kErrObjectNotFound, "Tabulka „" + wanted + "“ nebyla nalezena.");
}

void CDaoTableDef::SetName(LPCTSTR name)
{
    if (!m_bOpen)
        AfxThrowDaoException(jet::kErrInvalidOperation, "Definice tabulky není otevřena.");
    const CString newName = name ? name : "";
    if (!m_bNew)
    {
        jet::Database& engine = m_pDatabase->Engine();
        DaoCall([&] { engine.RenameTable(m_strName.str(), newName.str()); });
    }
    m_strName = newName;
}

void CDaoTableDef::Close()
{
    m_bOpen = false;
    m_bNew = false;
    m_fields.clear();
}
