#pragma once
// What the command line asks for: a file to open (or a new document), and flags.

#include "platform/core/CString.h"

class CCommandLineInfo
{
public:
    enum
    {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDDE,
        AppRegister,
        AppUnregister,
        FileNothing = -1
    };

    virtual ~CCommandLineInfo() = default;

    // One parameter; bFlag when it began with '-' or '/' (removed), bLast for the last one.
    // The first plain parameter is the file to open; "p" prints it, "nologo" hides the start picture.
    virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    int m_nShellCommand = FileNew;
    CString m_strFileName;
    CString m_strPrinterName;
};
