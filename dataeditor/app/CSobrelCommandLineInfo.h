#pragma once
// The editor's command line: the framework's (the first plain parameter is the file) and the
// parameter "-tabulka:<table>", which names the table to open.

#include "platform/frame/CCommandLineInfo.h"

class CSobrelCommandLineInfo : public CCommandLineInfo
{
public:
    explicit CSobrelCommandLineInfo(CString& requestedTable) : m_requestedTable(requestedTable) {}
    void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) override;

private:
    CString& m_requestedTable;
};
