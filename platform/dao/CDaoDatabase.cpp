#include "platform/dao/CDaoDatabase.h"

#include "platform/dao/DaoCall.h"
#include "platform/dao/JetDatabase.h"

namespace
{
// A connect string that names a driver rather than a sort order (";LANGID=...").
bool NamesDriver(const char* text)
{
    return text && *text && *text != ';' && CString(text) != "Access";
}
} // namespace

CDaoDatabase::CDaoDatabase() = default;

CDaoDatabase::~CDaoDatabase()
{
    try
    {
        if (m_engine)
            m_engine->Close();
    }
    catch (const jet::JetError&)
    {
        // Nothing can be reported from a destructor; Close() reports.
    }
}

void CDaoDatabase::Open(LPCTSTR name, BOOL /*exclusive*/, BOOL readOnly, LPCTSTR connect)
{
    if (m_engine)
        AfxThrowDaoException(jet::kErrInvalidOperation, "Databáze je již otevřena.");
    const std::string path = name ? name : "";
    const std::string connectText = connect ? connect : "";
    m_engine = DaoCall([&] { return jet::OpenDatabase(path, connectText, readOnly != FALSE, false); });
    m_strName = path;
    m_strConnect = connectText;
}

void CDaoDatabase::Create(LPCTSTR name, LPCTSTR locale, int /*options*/)
{
    if (m_engine)
        AfxThrowDaoException(jet::kErrInvalidOperation, "Databáze je již otevřena.");
    const std::string path = name ? name : "";
    const std::string connectText = NamesDriver(locale) ? locale : "";
    m_engine = DaoCall([&] { return jet::OpenDatabase(path, connectText, false, true); });
    m_strName = path;
    m_strConnect = connectText;
}

void CDaoDatabase::Close()
{
    if (!m_engine)
        return;
    std::unique_ptr<jet::Database> engine = std::move(m_engine);
    m_strName.Empty();
    m_strConnect.Empty();
    DaoCall([&] { engine->Close(); });
}

void CDaoDatabase::Flush()
{
    jet::Database& engine = Engine();
    DaoCall([&] { engine.Flush(); });
}

void CDaoDatabase::DiscardChanges()
{
    jet::Database& engine = Engine();
    DaoCall([&] { engine.DiscardChanges(); });
}

CString CDaoDatabase::GetName() const
{
    return m_strName;
}

CString CDaoDatabase::GetConnect() const
{
    return m_strConnect;
}

jet::Database& CDaoDatabase::Engine()
{
    if (!m_engine)
        AfxThrowDaoException(jet::kErrInvalidOperation, "Databáze není otevřena.");
    return *m_engine;
}

short CDaoDatabase::GetTableDefCount()
{
    jet::Database& engine = Engine();
    return static_cast<short>(DaoCall([&] { return engine.TableNames(); }).size());
}

void CDaoDatabase::GetTableDefInfo(int index, CDaoTableDefInfo& info, DWORD /*infoOptions*/)
{
    jet::Database& engine = Engine();
    const std::vector<std::string> names = DaoCall([&] { return engine.TableNames(); });
    if (index < 0 || index >= static_cast<int>(names.size()))
        AfxThrowDaoException(jet::kErrObjectNotFound, "Tabulka č. " + CString(std::to_string(index)) + " neexistuje.");
    info.m_strName = names[index];
    info.m_bUpdatable = TRUE;
    info.m_lAttributes = 0;
}

void CDaoDatabase::DeleteTableDef(LPCTSTR name)
{
    jet::Database& engine = Engine();
    DaoCall([&] { engine.DeleteTable(name ? name : ""); });
}
