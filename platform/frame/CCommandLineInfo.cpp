#include "platform/frame/CCommandLineInfo.h"

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL)
{
    const CString param(pszParam ? pszParam : "");
    if (bFlag)
    {
        if (param.CompareNoCase("p") == 0)
            m_nShellCommand = FilePrint;
        else if (param.CompareNoCase("pt") == 0)
            m_nShellCommand = FilePrintTo;
        else if (param.CompareNoCase("nologo") == 0)
            m_bShowSplash = FALSE;
        else if (param.CompareNoCase("embedding") == 0)
        {
            m_bRunEmbedded = TRUE;
            m_bShowSplash = FALSE;
        }
        else if (param.CompareNoCase("automation") == 0)
        {
            m_bRunAutomated = TRUE;
            m_bShowSplash = FALSE;
        }
        return;
    }
    if (m_nShellCommand == FilePrintTo && m_strFileName.IsEmpty())
    {
        m_strFileName = param;
        return;
    }
    if (m_nShellCommand == FilePrintTo)
    {
        if (m_strPrinterName.IsEmpty())
            m_strPrinterName = param;
        return;
    }
    if (m_strFileName.IsEmpty())
    {
        m_strFileName = param;
        if (m_nShellCommand == FileNew)
            m_nShellCommand = FileOpen;
    }
}
