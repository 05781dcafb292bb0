#include "datalib/CData.h"

#include "datalib/DaoCalls.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/AfxDaoTerm.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace
{
// Live CData objects of the process; the last one to go ends the database engine.
int g_liveObjects = 0;

bool IsAccessType(const CString& type)
{
    return type.IsEmpty() || type == "Access";
}

// The folder part of a path: the text before its last separator, empty when it has none.
CString FolderOf(const CString& path)
{
    const std::string& s = path.str();
    const std::size_t slash = s.find_last_of("/\\");
    return slash == std::string::npos ? CString() : CString(s.substr(0, slash));
}

bool IsReadOnlyFolder(const CString& folder)
{
    if (folder.IsEmpty())
        return false;
    std::error_code error;
    if (!std::filesystem::is_directory(folder.str(), error))
        return false;
    return access(folder.GetString(), W_OK) != 0;
}

// Two paths name one file: the same canonical path, or the same file on disk.
bool IsSameFile(const CString& a, const CString& b)
{
    if (a == b)
        return true;
    std::error_code error;
    if (std::filesystem::equivalent(a.str(), b.str(), error))
        return true;
    const auto canonicalA = std::filesystem::weakly_canonical(a.str(), error);
    if (error)
        return false;
    const auto canonicalB = std::filesystem::weakly_canonical(b.str(), error);
    return !error && canonicalA == canonicalB;
}
} // namespace

CData::CData()
{
    Clear(0);
    m_bShowErrors = 0;
    m_bExpFormat = 1;
    m_dExpLimit = 1e12;
    m_cSeparator = ';';
    m_cDecimalPoint = GetDecimalPoint();
    m_nDecimalDigits = GetDecimalDigits();
    m_nMoneyDigits = GetMoneyDecimalDigits();
    m_strYes = "Ano";
    m_strNo = "Ne";
    ++g_liveObjects;
}

CData::~CData()
{
    Close();
    if (--g_liveObjects == 0)
        AfxDaoTerm();
}

int CData::Open(CString path, CString type, int exclusive, int readOnly)
{
    if (IsOpen())
        Close();
    const CString connect = IsAccessType(type) ? CString() : type;
    if (connect.IsEmpty() && IsReadOnlyFolder(FolderOf(path)))
        exclusive = TRUE;
    if (!RunDao([&] { m_db.Open(path, exclusive, readOnly, connect); }))
        return 0;
    return SetTablesInfo();
}

// A new database file; any other type is opened through its driver, where a missing
// workbook starts empty and appears when it is first written.
int CData::Create(CString path, CString type)
{
    if (IsOpen())
        Close();
    if (IsAccessType(type))
        return RunDao([&] { m_db.Create(path, dbLangGeneral, 0); });
    if (!RunDao([&] { m_db.Create(path, type, 0); }))
        return 0;
    return SetTablesInfo();
}

int CData::CloseDatabase()
{
    int closed = 1;
    if (m_rs.IsOpen())
        closed = RunDao([&] { m_rs.Close(); });
    if (m_db.IsOpen())
        closed = RunDao([&] { m_db.Close(); }) && closed;
    Clear(0);
    return closed;
}

void CData::Close()
{
    CloseDatabase();
}

void CData::Clear(int keepTables)
{
    m_nRecordCount = 0;
    m_nColCount = 0;
    m_nCurRecord = -1;
    m_nTable = -1;
    m_strTable.Empty();
    m_aColNames.RemoveAll();
    m_aOrigColNames.RemoveAll();
    m_aColHeads.RemoveAll();
    m_aColTypes.RemoveAll();
    m_aColSizes.RemoveAll();
    m_aColDecimals.RemoveAll();
    if (!keepTables)
    {
        m_nTableCount = 0;
        m_aTableNames.RemoveAll();
    }
}

int CData::ReOpen()
{
    if (!IsOpen())
        return 0;
    const CString name = GetFileName();
    const CString type = GetFileType();
    if (name == "?" || type == "?")
        return 0;
    if (!CloseDatabase())
        return 0;
    return Open(name, type, 0, 0);
}

int CData::IsOpen()
{
    return m_db.IsOpen() ? 1 : 0;
}

CString CData::GetFileName()
{
    CString name = "?";
    if (IsOpen() && !RunDao([&] { name = m_db.GetName(); }))
        name = "?";
    return name;
}

CString CData::GetFileType()
{
    CString type = "?";
    if (IsOpen() && !RunDao([&] { type = m_db.GetConnect(); }))
        type = "?";
    return type;
}

int CData::Copy(CString path, int leaveOut)
{
    if (!IsOpen())
        return 0;
    const CString own = GetFileName();
    if (own == "?" || IsSameFile(own, path))
        return 0;
    const CString type = GetFileType();
    if (type == "?")
        return 0;
    std::error_code error;
    const bool targetExisted = std::filesystem::exists(path.str(), error);
    CData target;
    target.m_bShowErrors = m_bShowErrors;
    // The target's error is the copy's: the caller asks this object.
    const auto fail = [&]
    {
        target.AbandonCopy(path, targetExisted);
        if (target.m_nErrorCode != 0)
        {
            m_nErrorCode = target.m_nErrorCode;
            m_strErrorText = target.m_strErrorText;
        }
        return 0;
    };
    if (!target.Create(path, type))
        return fail();
    // A table open on a query would give only its rows: every table is copied whole.
    CloseTable();
    const bool workbook = type.Find("Excel") >= 0;
    for (int i = 0; i < m_nTableCount; ++i)
    {
        if (leaveOut != -1 && i == leaveOut)
            continue;
        if (workbook && m_aTableNames[i].Right(1) != "$")
            continue;
        if (!CopyTable(path, i, &target))
            return fail();
    }
    return target.CloseDatabase() ? 1 : fail();
}

// A copy that failed leaves no half of itself: a new target goes, an old one stays as it was.
void CData::AbandonCopy(const CString& path, bool targetExisted)
{
    if (IsOpen())
        RunDaoQuietly([&] { m_db.DiscardChanges(); });
    CloseDatabase();
    if (!targetExisted)
    {
        // With the file go the log files a database file may leave beside it.
        std::error_code error;
        for (const char* suffix : {"", "-wal", "-shm", "-journal"})
            std::filesystem::remove(path.str() + suffix, error);
    }
}

int CData::Flush()
{
    ClearError();
    if (!IsOpen())
        return 0;
    return RunDao([&] { m_db.Flush(); });
}

int CData::GetErrorCode() const
{
    return m_nErrorCode;
}

CString CData::GetErrorText() const
{
    return m_strErrorText;
}

void CData::ClearError()
{
    m_nErrorCode = 0;
    m_strErrorText.Empty();
}

void CData::DisplayDaoException(CDaoException* e)
{
    if (e->m_pErrorInfo)
    {
        m_nErrorCode = static_cast<int>(e->m_pErrorInfo->m_lErrorCode);
        m_strErrorText = e->m_pErrorInfo->m_strDescription;
    }
    else
    {
        m_nErrorCode = static_cast<int>(e->m_scode);
        m_strErrorText.Empty();
    }
    if (m_nErrorCode == 0)
        m_nErrorCode = -1;
    if (m_bShowErrors)
    {
        CString text;
        if (e->m_pErrorInfo)
        {
            text.Format("Nastala chyba při práci s databází...\n%s   (%d)", e->m_pErrorInfo->m_strDescription,
                        e->m_pErrorInfo->m_lErrorCode);
        }
        else
        {
            const SCODE code = e->m_scode;
            text.Format("Nastala chyba při práci s databází:\n\nSCODE_CODE      =%d\nSCODE_FACILITY  =%d\n"
                        "SCODE_SEVERITY  =%d\nResultFromScode =%d",
                        code & 0xFFFF, (code >> 16) & 0x1FFF, code < 0 ? 1 : 0, code);
        }
        AfxMessageBox(text, MB_OK);
    }
    e->Delete();
}
