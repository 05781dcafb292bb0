#include "dataeditor/app/CSobrelCommandLineInfo.h"

#include <cstring>

void CSobrelCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast)
{
    static const char kTable[] = "tabulka:";
    if (pszParam && std::strncmp(pszParam, kTable, sizeof(kTable) - 1) == 0)
        m_requestedTable = pszParam + sizeof(kTable) - 1;
    CCommandLineInfo::ParseParam(pszParam, bFlag, bLast);
}
