#include "platform/core/CException.h"
#include "platform/core/CFileException.h"

#include <cerrno>
#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CFileException, CException)

BOOL CException::GetErrorMessage(char* buffer, UINT maxBytes, UINT* helpContext) const
{
    if (helpContext)
        *helpContext = 0;
    const CString text = GetMessageText();
    if (!buffer || maxBytes == 0)
        return FALSE;
    std::string cut = text.str();
    while (cut.size() >= maxBytes)
        cut = Utf8::Truncate(cut, Utf8::CharCount(cut) - 1);
    std::memcpy(buffer, cut.c_str(), cut.size() + 1);
    return !text.IsEmpty();
}

int CFileException::OsErrorToException(LONG osError)
{
    switch (osError)
    {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST:
        return accessDenied;
    case ENOSPC:
    case EDQUOT:
        return diskFull;
    case EIO:
        return hardIO;
    case EBUSY:
    case ETXTBSY:
        return sharingViolation;
    case EINVAL:
    case ESPIPE:
        return badSeek;
    default:
        return genericException;
    }
}

CString CFileException::GetMessageText() const
{
    const char* name = m_strFileName.IsEmpty() ? "neznámý" : m_strFileName.GetString();
    CString text;
    switch (m_cause)
    {
    case none:
        return CString();
    case fileNotFound:
        text.Format("Soubor %s nebyl nalezen.", name);
        break;
    case badPath:
        text.Format("Cesta k souboru %s je neplatná.", name);
        break;
    case tooManyOpenFiles:
        text.Format("Soubor %s nelze otevřít: je otevřeno příliš mnoho souborů.", name);
        break;
    case accessDenied:
        text.Format("Přístup k souboru %s byl odepřen.", name);
        break;
    case diskFull:
        text.Format("Soubor %s nelze zapsat: disk je plný.", name);
        break;
    case endOfFile:
        text.Format("Při čtení souboru %s byl neočekávaně dosažen jeho konec.", name);
        break;
    case badSeek:
        text.Format("Chyba při nastavení pozice v souboru %s.", name);
        break;
    case hardIO:
        text.Format("Chyba vstupu a výstupu při práci se souborem %s.", name);
        break;
    case sharingViolation:
        text.Format("Soubor %s používá jiný program.", name);
        break;
    default:
        text.Format("Při práci se souborem %s došlo k chybě.", name);
        break;
    }
    return text;
}
