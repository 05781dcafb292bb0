#include "app/CMojeCommandLineInfo.h"

namespace
{
constexpr const char* kInfoPrefix = "ORBELDOCINFO.INI:";
}

void CMojeCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast)
{
    const CString parameter(pszParam);
    CString upper = parameter;
    upper.MakeUpper();
    if (upper.Find(kInfoPrefix) == 0)
        m_strProjectInfoPath = parameter.Mid(CString(kInfoPrefix).GetLength());
    CCommandLineInfo::ParseParam(pszParam, bFlag, bLast);
}
