#pragma once
// The program's command line: a parameter "ORBELDOCINFO.INI:<path>" (in any letter case) names
// the project-info file; everything is then handled as the framework handles it.

#include "platform/frame/CCommandLineInfo.h"

class CMojeCommandLineInfo : public CCommandLineInfo
{
public:
    void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) override;

    CString m_strProjectInfoPath;
};
